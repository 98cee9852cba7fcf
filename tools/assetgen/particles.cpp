// particles.cpp -- the particle effects of the game and their textures. Conventions
// (units, which anims and bones the scripts attach effects to, budgets): README.md.

#include "assetgen/particles.h"

#include "assetgen/decals.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace {

// Emitter flags, as the engine reads them.
constexpr uint32_t FX_SPIN = 0x20;
constexpr uint32_t FX_ALPHA_FADE = 0x40;
constexpr uint32_t FX_NORMALISE = 0x80;
constexpr uint32_t FX_GROW = 0x200;
constexpr uint32_t FX_ZIGZAG = 0x1000;
constexpr uint32_t FX_INVERSE = 0x2000;
constexpr uint32_t FX_OWNERLESS = 0x4000;

// Texture flags: owned, four channels with the brightness as alpha, clamped both ways,
// mip-mapped; glows add light, smoke covers.
constexpr uint32_t FX_TEXTURE = 0x00010000u | 0x00400000u | 0x02000000u | 0x04000000u | 0x08000000u;
constexpr uint32_t FX_ADDITIVE = 0x01000000u;

constexpr const char *FX_BITMAPS = "../styles/bitmaps/";

// ---- textures: white shapes on black, 64 x 64 with a 4-texel black border
//
// The clamped far corners of a particle's triangle take the edge texels, so the edge
// stays black; the border is thin because the triangle is twice the square it
// shows and the clear part of it still costs fill.
//
// The engine takes a texel's brightness b as its alpha too, so a texel gives b * b of
// light (additive) or of cover (smoke): each picture is the square root of the profile
// meant to be seen.

constexpr float FX_BORDER = 1.0f / 16.0f;
constexpr float FX_RADIUS = 0.5f - FX_BORDER;   // usable radius, of the side

Bytes fx_render(const std::function<float(float u, float v)> &profile)
{
    return decal_render(profile, FX_BORDER);
}

float seen(float profile)
{
    return std::sqrt(std::clamp(profile, 0.0f, 1.0f));
}

// Distance from the centre in units of the usable radius (the border starts at 1).
float radius_of(float u, float v)
{
    return std::hypot(u - 0.5f, v - 0.5f) / FX_RADIUS;
}

float smooth01(float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// Falls from 1 to 0 between 0.7 and 0.95 of the usable radius, so nothing reaches the
// border, nor the small mip levels' edge texels.
float edge_fade(float r)
{
    return 1.0f - smooth01((r - 0.7f) * 4.0f);
}

// A profile drawn 1 / fill times larger than in its own square: its faint outer ring,
// which costs fill over the whole particle and is hardly seen, falls beyond the usable
// radius, and a fresh fade keeps the clear border. The effects take their sizes times
// fill (fitted), so the seen part keeps its size for fill^2 of the pixels.
Bytes fx_render_filled(const std::function<float(float u, float v)> &profile, float fill)
{
    return decal_render(
        [&profile, fill](float u, float v) {
            float clear = 1.0f - smooth01((radius_of(u, v) - 0.8f) * 5.5f);
            return clear * profile(0.5f + (u - 0.5f) * fill, 0.5f + (v - 0.5f) * fill);
        },
        FX_BORDER);
}

// Value noise on a lattice of the given cells per unit, repeating every `cells`.
float lattice(int x, int y, uint32_t seed)
{
    uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return (float)((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}

float value_noise(float u, float v, int cells, uint32_t seed)
{
    float x = u * (float)cells;
    float y = v * (float)cells;
    int x0 = (int)std::floor(x);
    int y0 = (int)std::floor(y);
    float fx = smooth01(x - (float)x0);
    float fy = smooth01(y - (float)y0);
    auto at = [&](int dx, int dy) { return lattice((x0 + dx) % cells, (y0 + dy) % cells, seed); };
    float a = at(0, 0) + (at(1, 0) - at(0, 0)) * fx;
    float b = at(0, 1) + (at(1, 1) - at(0, 1)) * fx;
    return a + (b - a) * fy;
}

// Three octaves, 0..1 around 0.5.
float cloud_noise(float u, float v, uint32_t seed)
{
    return 0.55f * value_noise(u, v, 4, seed) + 0.3f * value_noise(u, v, 8, seed + 1) +
           0.15f * value_noise(u, v, 16, seed + 2);
}

// The round pictures are drawn 1 / fill times larger than their profiles
// (fx_render_filled); fill is the factor on the sizes of the effects that use them.
constexpr float FX_FILL_DOT = 0.8f;
constexpr float FX_FILL_SPARK = 0.9f;
constexpr float FX_FILL_SMOKE = 0.82f;
constexpr float FX_FILL_FLARE = 0.85f;

// A soft round dot: a small hot core in a wide gaussian glow.
Bytes texture_dot()
{
    return fx_render_filled([](float u, float v) {
        float r = radius_of(u, v);
        if (r >= 1.0f) {
            return 0.0f;
        }
        float glow = 0.8f * std::exp(-r * r * 5.0f);
        float core = 0.2f * std::exp(-r * r * 30.0f);
        return seen((glow + core) * edge_fade(r));
    }, FX_FILL_DOT);
}

// A spark: a white core with four long thin rays and four short ones between.
Bytes texture_spark()
{
    return fx_render_filled([](float u, float v) {
        float x = u - 0.5f;
        float y = v - 0.5f;
        float r = radius_of(u, v);
        if (r >= 1.0f) {
            return 0.0f;
        }
        float core = std::exp(-r * r * 40.0f) + 0.35f * std::exp(-r * r * 8.0f);
        auto ray = [r](float across, float width, float reach) {
            return std::exp(-(across * across) / (width * width)) * std::pow(std::max(0.0f, 1.0f - r / reach), 1.5f);
        };
        float d = 0.70710678f;
        float rays = ray(x, 0.012f, 1.0f) + ray(y, 0.012f, 1.0f) + 0.5f * ray((x - y) * d, 0.01f, 0.6f) +
                     0.5f * ray((x + y) * d, 0.01f, 0.6f);
        return seen((core + rays) * edge_fade(r));
    }, FX_FILL_SPARK);
}

// A smoke puff seen from above: a soft round cloud, mottled by a few billows and by
// noise, thinning out smoothly to its edge and never quite opaque.
Bytes texture_smoke()
{
    return fx_render_filled([](float u, float v) {
        float r = radius_of(u, v);
        if (r >= 1.0f) {
            return 0.0f;
        }
        // Billows in units of the usable radius round the centre.
        static const float billows[5][3] = {{0.3f, 0.15f, 0.3f},
                                            {-0.25f, 0.3f, 0.32f},
                                            {-0.22f, -0.28f, 0.3f},
                                            {0.2f, -0.3f, 0.28f},
                                            {0.0f, 0.0f, 0.35f}};
        float x = (u - 0.5f) / FX_RADIUS;
        float y = (v - 0.5f) / FX_RADIUS;
        float lumps = 0.0f;
        for (const auto &b : billows) {
            float dx = (x - b[0]) / b[2];
            float dy = (y - b[1]) / b[2];
            lumps = std::max(lumps, std::exp(-(dx * dx + dy * dy)));
        }
        float n = cloud_noise(u, v, 7u);
        float mottle = std::clamp(0.2f + 1.6f * (n - 0.35f) + 0.35f * lumps, 0.1f, 1.0f);
        float body = std::exp(-r * r * 2.5f) * mottle;
        return seen(std::min(0.85f, body) * edge_fade(r));
    }, FX_FILL_SMOKE);
}

// A ring: a bright band at 0.8 of the radius, uneven round its length so a spinning
// ring shimmers, with a faint haze inside.
Bytes texture_ring()
{
    return fx_render([](float u, float v) {
        float r = radius_of(u, v);
        if (r >= 1.0f) {
            return 0.0f;
        }
        float a = std::atan2(v - 0.5f, u - 0.5f);
        float lobes = 0.78f + 0.22f * std::cos(3.0f * a) * std::cos(5.0f * a + 1.0f);
        float band = std::exp(-(r - 0.78f) * (r - 0.78f) / (0.085f * 0.085f));
        float haze = 0.12f * r * r;
        return seen((band * lobes + haze) * edge_fade(r));
    });
}

// A flare: a blinding core, a soft halo and six tapering rays.
Bytes texture_flare()
{
    return fx_render_filled([](float u, float v) {
        float r = radius_of(u, v);
        if (r >= 1.0f) {
            return 0.0f;
        }
        float a = std::atan2(v - 0.5f, u - 0.5f);
        float core = std::exp(-r * r * 25.0f);
        float halo = 0.45f * (1.0f - r) * (1.0f - r);
        float spokes = std::pow(std::fabs(std::cos(3.0f * a)), 24.0f) * std::pow(1.0f - r, 1.2f) * 0.9f;
        return seen((core + halo + spokes) * edge_fade(r));
    }, FX_FILL_FLARE);
}

struct FxTexture {
    const char *name;
    Bytes (*build)();
    float fill;   // the sizes' factor for this picture
};

const FxTexture FX_TEXTURES[] = {
    {"p_dot.bmp", texture_dot, FX_FILL_DOT},
    {"p_spark.bmp", texture_spark, FX_FILL_SPARK},
    {"p_smoke.bmp", texture_smoke, FX_FILL_SMOKE},
    {"p_ring.bmp", texture_ring, 1.0f},
    {"p_flare.bmp", texture_flare, FX_FILL_FLARE},
};

// ---- effects

struct Rgba8 {
    float r, g, b, a;
};

// A field the same in every slot.
void flat(float f[4], float v)
{
    for (int i = 0; i < 4; i++) {
        f[i] = v;
    }
}

// A field through three stages; slot 0 starts at the first.
void staged(float f[4], float s1, float s2, float s3)
{
    f[0] = s1;
    f[1] = s1;
    f[2] = s2;
    f[3] = s3;
}

void colour_staged(float c[4][4], Rgba8 s1, Rgba8 s2, Rgba8 s3)
{
    const Rgba8 slots[4] = {s1, s1, s2, s3};
    for (int i = 0; i < 4; i++) {
        c[i][0] = slots[i].r;
        c[i][1] = slots[i].g;
        c[i][2] = slots[i].b;
        c[i][3] = slots[i].a;
    }
}

void colour_flat(float c[4][4], Rgba8 s)
{
    colour_staged(c, s, s, s);
}

void box_flat(float box[4][3], float x, float y, float z)
{
    for (int i = 0; i < 4; i++) {
        box[i][0] = x;
        box[i][1] = y;
        box[i][2] = z;
    }
}

// The stage times T1..T4 (seconds of emission).
void times(ParticleOut &p, float t1, float t2, float t3, float t4)
{
    p.stage_times[0] = t1;
    p.stage_times[1] = t2;
    p.stage_times[2] = t3;
    p.stage_times[3] = t4;
}

// Speed round a base, per tick.
void motion(ParticleOut &p, float speed, float var)
{
    flat(p.speed, speed);
    flat(p.speed_var, var);
}

// Life in seconds with its random extra; the alpha fades over the last 1 / fade seconds.
void lifetime(ParticleOut &p, float life, float var, float fade)
{
    p.life = life;
    flat(p.life_var, var);
    p.fade = fade;
}

// Size (half-diagonal) round a base, and the factor it grows to as the particle fades.
void sizing(ParticleOut &p, float size, float var, float grow)
{
    flat(p.size, size);
    flat(p.size_var, var);
    p.grow = grow;
}

// Spin in degrees per tick round a base (random turns either way).
void spinning(ParticleOut &p, float spin, float var)
{
    flat(p.spin, spin);
    flat(p.spin_var, var);
}

// A new effect drawing with a texture, its stages beyond the duration (slot 0 holds).
ParticleOut effect(const char *texture, bool additive, float duration)
{
    ParticleOut p;
    p.texture_flags = FX_TEXTURE | (additive ? FX_ADDITIVE : 0u);
    p.colour_name = std::string(FX_BITMAPS) + texture;
    p.duration = duration;
    times(p, 1000.0f, 1000.0f, 1000.0f, 1000.0f);
    p.uv_extent = 2.0f;
    p.grow = 1.0f;
    return p;
}

// Players' engines: a short cyan jet out of the back of the bone (+y, the model's back),
// shrinking as it fades. Continuous: 0.5 s, attached to a looping animation of that length.
ParticleOut fx_ship_thrust()
{
    ParticleOut p = effect("p_dot.bmp", true, 0.5f);
    p.direction[1] = 1.0f;
    flat(p.spread, 0.12f);
    motion(p, 0.12f, 0.03f);
    flat(p.rate, 0.75f);
    lifetime(p, 0.18f, 0.06f, 5.0f);
    sizing(p, 1.3f, 0.15f, 0.3f);
    colour_flat(p.colour, {130, 210, 255, 230});
    colour_flat(p.colour_var, {30, 20, 0, 20});
    p.flags = FX_ALPHA_FADE | FX_GROW | FX_NORMALISE;
    return p;
}

// The shield bubble: uneven rings that swell and turn as they fade, the first at once.
ParticleOut fx_shield_shimmer()
{
    ParticleOut p = effect("p_ring.bmp", true, 1.0f);
    times(p, 0.0f, 0.01f, 1.0f, 1.0f);
    staged(p.rate, 1.0f, 0.06f, 0.06f);
    lifetime(p, 0.5f, 0.1f, 2.0f);
    sizing(p, 4.5f, 0.15f, 1.2f);
    spinning(p, 1.5f, 1.5f);
    colour_flat(p.colour, {90, 175, 255, 190});
    colour_flat(p.colour_var, {20, 30, 0, 30});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// A shot's trail: a stream of dots left behind, tapering out in under a tenth of a second
// (the faint, shrunken end of a longer life added faces, not a look); the players' few
// fast shots leave them closer together than the many enemy shots, each dot just
// overlapping the next.
ParticleOut fx_trail(Rgba8 colour, float size, float rate)
{
    ParticleOut p = effect("p_dot.bmp", true, 4.0f);
    flat(p.speed, 0.004f);
    flat(p.rate, rate);
    lifetime(p, 0.08f, 0.03f, 11.0f);
    sizing(p, size, 0.1f, 0.2f);
    colour_flat(p.colour, colour);
    colour_flat(p.colour_var, {10, 15, 15, 30});
    p.flags = FX_ALPHA_FADE | FX_GROW;
    return p;
}

// A muzzle flash: two or three flares turned at random, out of the front of the bone.
ParticleOut fx_muzzle(Rgba8 colour)
{
    ParticleOut p = effect("p_flare.bmp", true, 0.03f);
    p.direction[1] = -1.0f;
    flat(p.spread, 0.3f);
    flat(p.speed, 0.08f);
    flat(p.rate, 1.0f);
    lifetime(p, 0.07f, 0.03f, 14.0f);
    sizing(p, 2.4f, 0.4f, 0.5f);
    colour_flat(p.colour, colour);
    colour_flat(p.colour_var, {0, 10, 30, 0});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// A missile's smoke: grey puffs that swell, drift, turn and thin out behind it.
ParticleOut fx_missile_smoke()
{
    ParticleOut p = effect("p_smoke.bmp", false, 4.0f);
    motion(p, 0.02f, 0.01f);
    flat(p.rate, 0.18f);
    lifetime(p, 0.5f, 0.15f, 1.8f);
    sizing(p, 1.3f, 0.25f, 1.9f);
    spinning(p, 1.5f, 1.0f);
    colour_flat(p.colour, {185, 185, 190, 185});
    colour_flat(p.colour_var, {0, 0, 0, 40});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// A hit: a fistful of white-gold sparks flying apart, twinkling as they turn.
ParticleOut fx_hit_sparks()
{
    ParticleOut p = effect("p_spark.bmp", true, 0.02f);
    box_flat(p.box, 0.2f, 0.2f, 0.2f);
    motion(p, 0.2f, 0.1f);
    flat(p.rate, 7.0f);
    lifetime(p, 0.2f, 0.15f, 5.0f);
    sizing(p, 1.2f, 0.25f, 0.2f);
    flat(p.spin_var, 12.0f);
    p.gravity = 0.02f;
    colour_flat(p.colour, {255, 235, 170, 255});
    colour_flat(p.colour_var, {0, 20, 60, 0});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// An explosion's fireball: a yellow-white flash first, then orange billows, then dark
// red ones, slowing down, swelling and turning as they burn out.
ParticleOut fx_explosion_fire()
{
    ParticleOut p = effect("p_smoke.bmp", true, 0.3f);
    times(p, 0.0f, 0.06f, 0.1f, 0.3f);
    box_flat(p.box, 1.6f, 0.4f, 1.6f);
    staged(p.speed, 0.2f, 0.1f, 0.04f);
    flat(p.speed_var, 0.05f);
    staged(p.rate, 1.3f, 0.75f, 0.1f);
    p.life = 0.25f;
    staged(p.life_var, 0.1f, 0.3f, 0.4f);
    p.fade = 2.5f;
    staged(p.size, 2.9f, 2.6f, 2.1f);
    flat(p.size_var, 0.6f);
    p.grow = 1.6f;
    spinning(p, 1.0f, 3.0f);
    p.rise = 0.8f;
    colour_staged(p.colour, {255, 225, 150, 170}, {255, 130, 40, 200}, {185, 55, 20, 170});
    colour_flat(p.colour_var, {0, 25, 25, 20});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// The smoke an explosion leaves: none at first, then dark billows that turn grey.
ParticleOut fx_explosion_smoke()
{
    ParticleOut p = effect("p_smoke.bmp", false, 0.7f);
    times(p, 0.08f, 0.2f, 0.3f, 0.7f);
    p.rate[0] = 0.0f;
    p.rate[1] = 0.13f;
    p.rate[2] = 0.22f;
    p.rate[3] = 0.0f;
    box_flat(p.box, 2.5f, 0.3f, 2.5f);
    motion(p, 0.06f, 0.02f);
    lifetime(p, 1.0f, 0.3f, 1.2f);
    sizing(p, 2.6f, 0.5f, 1.7f);
    spinning(p, 0.6f, 0.8f);
    colour_staged(p.colour, {95, 90, 86, 190}, {95, 90, 86, 190}, {125, 122, 118, 150});
    colour_flat(p.colour_var, {0, 0, 0, 30});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// Embers: small orange sparks thrown far, falling back as they cool.
ParticleOut fx_explosion_embers()
{
    ParticleOut p = effect("p_dot.bmp", true, 0.05f);
    box_flat(p.box, 0.5f, 0.3f, 0.5f);
    motion(p, 0.18f, 0.1f);
    flat(p.rate, 2.4f);
    lifetime(p, 0.6f, 0.35f, 1.5f);
    flat(p.size, 1.0f);
    flat(p.size_var, 0.2f);
    p.gravity = 0.015f;
    p.rise = 1.0f;
    colour_flat(p.colour, {255, 170, 70, 255});
    colour_flat(p.colour_var, {0, 40, 40, 0});
    p.flags = FX_ALPHA_FADE;
    return p;
}

// Dust kicked up round something rising out of the floor.
ParticleOut fx_emerge_dust()
{
    ParticleOut p = effect("p_smoke.bmp", false, 0.5f);
    box_flat(p.box, 2.5f, 0.0f, 2.5f);
    motion(p, 0.06f, 0.02f);
    flat(p.rate, 0.16f);
    lifetime(p, 0.7f, 0.3f, 1.5f);
    sizing(p, 2.4f, 0.5f, 1.5f);
    spinning(p, 0.8f, 1.0f);
    colour_flat(p.colour, {160, 142, 115, 140});
    colour_flat(p.colour_var, {0, 0, 0, 30});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// Darker dust settling slowly over the hole something sank into.
ParticleOut fx_submerge_dust()
{
    ParticleOut p = effect("p_smoke.bmp", false, 0.5f);
    box_flat(p.box, 2.2f, 0.0f, 2.2f);
    motion(p, 0.02f, 0.01f);
    flat(p.rate, 0.14f);
    lifetime(p, 0.9f, 0.3f, 1.2f);
    sizing(p, 2.5f, 0.5f, 1.4f);
    spinning(p, 0.5f, 0.8f);
    colour_flat(p.colour, {110, 100, 85, 160});
    colour_flat(p.colour_var, {0, 0, 0, 30});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// Something about to appear: violet sparks drawing in from all round, brightening and
// shrinking to points as they arrive, turning white.
ParticleOut fx_spawn_burst()
{
    ParticleOut p = effect("p_spark.bmp", true, 0.6f);
    times(p, 0.0f, 0.6f, 0.6f, 0.6f);
    motion(p, 0.16f, 0.03f);
    flat(p.rate, 0.5f);
    lifetime(p, 0.45f, 0.15f, 2.2f);
    sizing(p, 1.1f, 0.2f, 1.7f);
    flat(p.spin_var, 6.0f);
    colour_staged(p.colour, {170, 110, 255, 255}, {235, 225, 255, 255}, {235, 225, 255, 255});
    colour_flat(p.colour_var, {30, 30, 0, 0});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW | FX_INVERSE;
    return p;
}

// A power-up's glow: a golden flare at once, then pulsing outward now and then.
ParticleOut fx_powerup_glow()
{
    ParticleOut p = effect("p_flare.bmp", true, 1.0f);
    times(p, 0.0f, 0.01f, 1.0f, 1.0f);
    staged(p.rate, 1.0f, 0.05f, 0.05f);
    p.life = 0.7f;
    p.fade = 1.6f;
    sizing(p, 3.3f, 0.3f, 1.5f);
    spinning(p, 0.6f, 0.4f);
    colour_flat(p.colour, {255, 215, 110, 220});
    colour_flat(p.colour_var, {0, 20, 30, 20});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// A power-up taken: a fountain of gold sparks.
ParticleOut fx_powerup_pickup()
{
    ParticleOut p = effect("p_spark.bmp", true, 0.03f);
    box_flat(p.box, 0.6f, 0.2f, 0.6f);
    motion(p, 0.15f, 0.08f);
    flat(p.rate, 6.0f);
    lifetime(p, 0.4f, 0.2f, 2.5f);
    sizing(p, 1.2f, 0.25f, 0.15f);
    flat(p.spin_var, 8.0f);
    p.gravity = 0.01f;
    p.rise = 0.5f;
    colour_flat(p.colour, {255, 240, 180, 255});
    colour_flat(p.colour_var, {0, 15, 60, 0});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// Electric sparks crackling at a beam's end, jumping along one axis at a time.
ParticleOut fx_beam_sparks()
{
    ParticleOut p = effect("p_spark.bmp", true, 0.5f);
    box_flat(p.box, 0.4f, 0.3f, 0.4f);
    motion(p, 0.1f, 0.04f);
    flat(p.rate, 0.45f);
    lifetime(p, 0.25f, 0.15f, 4.0f);
    flat(p.size, 1.6f);
    flat(p.size_var, 0.3f);
    colour_flat(p.colour, {170, 210, 255, 255});
    colour_flat(p.colour_var, {40, 30, 0, 0});
    p.flags = FX_ALPHA_FADE | FX_ZIGZAG;
    return p;
}

// The smart bomb: three rings racing out across the arena, each a little smaller.
ParticleOut fx_smartbomb_wave()
{
    ParticleOut p = effect("p_ring.bmp", true, 0.12f);
    times(p, 0.0f, 0.12f, 0.12f, 0.12f);
    flat(p.rate, 0.25f);
    p.rate[0] = 1.0f;   // the first ring at once
    p.life = 0.9f;
    p.fade = 1.1f;
    staged(p.size, 8.6f, 6.4f, 6.4f);
    p.grow = 10.0f;
    flat(p.spin_var, 2.0f);
    colour_flat(p.colour, {200, 230, 255, 230});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW;
    return p;
}

// Fire left burning where a piece burst: it stays where it started while the wreck
// flies on or is gone.
ParticleOut fx_burning_wreck()
{
    ParticleOut p = effect("p_smoke.bmp", true, 1.2f);
    times(p, 0.0f, 0.6f, 0.6f, 1.2f);
    box_flat(p.box, 0.6f, 0.2f, 0.6f);
    motion(p, 0.015f, 0.01f);
    staged(p.rate, 0.28f, 0.28f, 0.0f);
    lifetime(p, 0.45f, 0.2f, 2.2f);
    sizing(p, 1.8f, 0.3f, 1.7f);
    spinning(p, 1.0f, 2.0f);
    p.rise = 0.3f;
    colour_staged(p.colour, {255, 150, 45, 200}, {255, 150, 45, 200}, {200, 70, 20, 160});
    colour_flat(p.colour_var, {0, 30, 20, 20});
    p.flags = FX_SPIN | FX_ALPHA_FADE | FX_GROW | FX_OWNERLESS;
    return p;
}

// The effect's sizes fitted to its picture's fill, so the seen part keeps the size the
// effect names.
ParticleEffect fitted(const char *name, ParticleOut p)
{
    for (const FxTexture &t : FX_TEXTURES) {
        if (p.colour_name == std::string(FX_BITMAPS) + t.name) {
            for (int i = 0; i < 4; i++) {
                p.size[i] *= t.fill;
                p.size_var[i] *= t.fill;
            }
        }
    }
    return {name, p};
}

std::vector<ParticleEffect> make_effects()
{
    return {
        fitted("ship_thrust", fx_ship_thrust()),
        fitted("shield_shimmer", fx_shield_shimmer()),
        fitted("shot_trail", fx_trail({150, 235, 255, 255}, 1.3f, 1.4f)),
        fitted("enemy_shot_trail", fx_trail({255, 120, 60, 255}, 1.4f, 0.9f)),
        fitted("muzzle_flash", fx_muzzle({220, 245, 255, 255})),
        fitted("enemy_muzzle_flash", fx_muzzle({255, 200, 120, 255})),
        fitted("missile_smoke", fx_missile_smoke()),
        fitted("hit_sparks", fx_hit_sparks()),
        fitted("explosion_fire", fx_explosion_fire()),
        fitted("explosion_smoke", fx_explosion_smoke()),
        fitted("explosion_embers", fx_explosion_embers()),
        fitted("emerge_dust", fx_emerge_dust()),
        fitted("submerge_dust", fx_submerge_dust()),
        fitted("spawn_burst", fx_spawn_burst()),
        fitted("powerup_glow", fx_powerup_glow()),
        fitted("powerup_pickup", fx_powerup_pickup()),
        fitted("beam_sparks", fx_beam_sparks()),
        fitted("smartbomb_wave", fx_smartbomb_wave()),
        fitted("burning_wreck", fx_burning_wreck()),
    };
}

Bytes build_texture(const AssetEntry &e)
{
    return FX_TEXTURES[e.param].build();
}

Bytes build_effect(const AssetEntry &e)
{
    return particle_write(particle_effects()[(size_t)e.param].out);
}

}  // namespace

const std::vector<ParticleEffect> &particle_effects()
{
    static const std::vector<ParticleEffect> effects = make_effects();
    return effects;
}

const std::vector<std::string> &particle_texture_names()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const FxTexture &t : FX_TEXTURES) {
            n.push_back(t.name);
        }
        return n;
    }();
    return names;
}

void particles_add_to_catalogue(std::vector<AssetEntry> &catalogue)
{
    const std::string styles = ASSET_STYLES;
    int i = 0;
    for (const FxTexture &t : FX_TEXTURES) {
        catalogue.push_back({styles + "/bitmaps/" + t.name, AssetKind::Bitmap, i++, "", build_texture});
    }
    for (size_t k = 0; k < particle_effects().size(); k++) {
        catalogue.push_back(
            {styles + "/particles/" + particle_effects()[k].name + ".bin", AssetKind::Particle, (int)k, "", build_effect});
    }
}
