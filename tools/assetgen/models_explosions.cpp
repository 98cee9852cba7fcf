// models_explosions.cpp -- the explosion pieces (explosions/NAME): flashes, sparks, fire
// bursts, rings, smoke, the bonus sparkle and the smart bomb's wave.
//
// Each model plays "explode" once as its default and is gone when it ends: a piece whose
// first texture is an animated set lives as long as that set takes to run through, so the
// fire pictures run at the speed that makes both last the same number of ticks. The bone
// "bonecollide" carries no shape: its scale is the blast radius in units (at piece scale
// 1) that a negative blast damages within, and hit sphere 0, never smaller, is the radius
// of a positive push. Pieces stand as enemies do: model -Y is the heading (aligned uses
// spray forward), +Z is up. Sizes at scale 1: flashes 2-3 units across, sparks 3, small
// bursts 5, medium 9, large 15, the ship's 12, the bomb wave's reach 140.
//
// Fire is a 16-frame picture set (64 pixels, clear border) added to the scene on a
// camera-facing bone; debris shards and smoke puffs are solid and lit.

#include "assetgen/models_arena.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr float PI = 3.14159265358979f;
constexpr int FIRE_FRAMES = 16;

// The ball's radius in frame f, as a fraction of the half side it would have if it grew
// inside a fixed square: every frame is drawn magnified so the ball fills its square at
// the last frame's size, and the piece's bone shrinks by the same fraction (fireball), so
// the young, small ball costs no clear square round it.
float fire_radius(float frame)
{
    return 0.32f + 0.55f * std::sqrt(std::clamp(frame / (float)(FIRE_FRAMES - 1), 0.0f, 1.0f));
}

// One frame of a fireball on black: a turbulent ball that swells and cools from white
// through the ramp's colours to nothing. ramp: hottest first.
ImageRgb draw_fire(int frame, const uint32_t ramp[4], uint32_t seed)
{
    const int S = 64;
    ImageRgb img(S, S);
    float t = (float)frame / (float)(FIRE_FRAMES - 1);
    float radius = fire_radius((float)frame);
    const float zoom = radius / fire_radius((float)(FIRE_FRAMES - 1));
    for (int y = 0; y < S; y++) {
        for (int x = 0; x < S; x++) {
            float dx = arena_centred(x, S) * zoom, dy = arena_centred(y, S) * zoom;
            float r = std::sqrt(dx * dx + dy * dy);
            float n1 = arena_noise(dx * 3.0f + 7.0f, dy * 3.0f + 3.0f + t * 1.5f, 4, seed);
            float n2 = arena_noise(dx * 6.0f + 1.0f + t * 2.0f, dy * 6.0f + 9.0f, 3, seed + 3);
            // Billows: lumps pushed out round the rim.
            float d = r / radius + 0.7f * (n1 - 0.5f);
            float body = 1.0f - arena_smooth(0.55f, 1.0f, d);
            // Burning out from the middle late in the life: a hollowing core.
            float hollow = t > 0.5f ? arena_smooth(0.0f, 0.7f, d + 1.0f - 2.0f * (t - 0.5f) * 1.4f) : 1.0f;
            float core = std::exp(-r * r / (radius * radius * 0.25f));
            float heat = body * hollow * (1.05f - 0.95f * t) * (0.35f + 0.7f * n2 + 0.35f * core);
            heat = std::clamp(heat, 0.0f, 1.0f);
            // Through the ramp: 1 .. 0.75 .. 0.45 .. 0.2 .. 0.
            const float stops[4] = {0.95f, 0.7f, 0.42f, 0.18f};
            float k;
            uint32_t a, b;
            if (heat >= stops[0]) {
                a = b = ramp[0];
                k = 1.0f;
            } else {
                int i = 0;
                while (i < 3 && heat < stops[i + 1]) {
                    i++;
                }
                if (i == 3) {
                    a = b = ramp[3];
                    k = heat / stops[3];
                } else {
                    a = ramp[i + 1];
                    b = ramp[i];
                    k = 1.0f;
                }
                float f = i == 3 ? 0.0f : (heat - stops[i + 1]) / (stops[i] - stops[i + 1]);
                uint32_t out = 0;
                for (int s = 0; s < 24; s += 8) {
                    float va = (float)(a >> s & 0xff), vb = (float)(b >> s & 0xff);
                    out |= (uint32_t)std::lround(va + (vb - va) * f) << s;
                }
                a = out;
            }
            // The outermost texels stay black.
            k *= 1.0f - arena_smooth(0.9f, 0.97f, r / zoom);
            arena_put(img, x, y, a, k);
        }
    }
    return img;
}

const uint32_t HOT_RAMP[4] = {0xfffbe0, 0xffc040, 0xff5a10, 0x701000};
const uint32_t COOL_RAMP[4] = {0xf4ffff, 0x7ae8ff, 0x2a6cff, 0x101a60};

ImageRgb draw_fire_hot(int frame)
{
    return draw_fire(frame, HOT_RAMP, 0x7001);
}

ImageRgb draw_fire_cool(int frame)
{
    return draw_fire(frame, COOL_RAMP, 0x7002);
}

// A soft streak for sparks: bright head at the top (v 1) fading down its length.
ImageRgb draw_streak(int)
{
    return arena_picture(32, 64, [](float dx, float dy) {
        float a = std::fabs(dx);
        float along = 0.5f - 0.5f * dy;   // 1 at the top row
        float k = std::exp(-a * a * 18.0f) * std::pow(along, 1.5f);
        return k * (1.0f - arena_smooth(0.85f, 0.97f, a)) * (1.0f - arena_smooth(0.92f, 1.0f, along));
    });
}

// A ring and a disc that fade out over 8 frames: full for the first three, dark from the
// seventh, when a piece's rings are at their widest (the glows draw nothing from there).
constexpr int FADE_FRAMES = 8;
constexpr int FADE_DARK = 6;

float fade_of(int frame)
{
    return frame < 3 ? 1.0f : std::pow(std::max(0.0f, 1.0f - (float)(frame - 2) / (float)(FADE_DARK - 2)), 1.3f);
}

ImageRgb draw_ring_fade(int frame)
{
    return arena_picture(128, 128, [frame](float dx, float dy) {
        float r = std::sqrt(dx * dx + dy * dy);
        float d = r - 0.84f;
        float k = std::exp(-d * d / 0.0012f) + 0.3f * std::exp(-d * d / 0.015f);
        k += r < 0.84f ? 0.1f * arena_smooth(0.4f, 0.84f, r) : 0.0f;
        return k * (1.0f - arena_smooth(0.9f, 0.97f, r)) * fade_of(frame);
    });
}

// The bomb's rings: the same ring without the haze inside it and with a tighter glow, dark
// inside 0.7 and outside 0.94 of the half side, so their bands can be narrow where the
// whole screen is covered.
ImageRgb draw_wave_fade(int frame)
{
    return arena_picture(128, 128, [frame](float dx, float dy) {
        float r = std::sqrt(dx * dx + dy * dy);
        float d = r - 0.84f;
        float k = std::exp(-d * d / 0.0012f) + 0.3f * std::exp(-d * d / 0.006f);
        return k * arena_smooth(0.7f, 0.76f, r) * (1.0f - arena_smooth(0.9f, 0.94f, r)) * fade_of(frame);
    });
}

ImageRgb draw_disc_fade(int frame)
{
    return arena_picture(64, 64, [frame](float dx, float dy) {
        float r = std::sqrt(dx * dx + dy * dy);
        return (r >= 0.94f ? 0.0f : std::pow(1.0f - r / 0.94f, 1.4f)) * fade_of(frame);
    });
}

const Bitmap EXP_RING = {"exp_ring", FADE_FRAMES, draw_ring_fade, nullptr};
const Bitmap EXP_RING_WAVE = {"exp_ring_wave", FADE_FRAMES, draw_wave_fade, nullptr};
const Bitmap EXP_DISC = {"exp_disc", FADE_FRAMES, draw_disc_fade, nullptr};
const Bitmap EXP_FIRE = {"exp_fire", FIRE_FRAMES, draw_fire_hot, nullptr};
const Bitmap EXP_FIRE_COOL = {"exp_fire_cool", FIRE_FRAMES, draw_fire_cool, nullptr};
const Bitmap EXP_STREAK = {"exp_streak", 0, draw_streak, nullptr};

// An explosion being built: its bones and the parts of its "explode" track, each a
// function of the track's progress t (0 .. 1) that poses its bones on a key.
struct Boom {
    ModelBuilder &m;
    int root = 0;
    int collide = 0;
    int ticks = 0;   // the length of "explode"
    std::vector<std::function<void(Key &, float)>> parts;
    explicit Boom(ModelBuilder &mb) : m(mb) {}
};

// The piece's skeleton and spheres: reach is the push radius (hit sphere 0) and the
// largest blast radius; the collide bone grows to it by grow_to of the track and holds.
// The track lasts the given seconds.
Boom boom(ModelBuilder &m, float reach, float grow_to, float seconds)
{
    Boom b(m);
    b.ticks = std::max(8, (int)std::lround(seconds * 100.0f));
    b.root = m.bone("mainbone_x");
    b.collide = m.bone("bonecollide", b.root).size(0.05f * reach);
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, reach);
    int collide = b.collide;
    b.parts.push_back([collide, reach, grow_to](Key &k, float t) {
        float g = std::min(1.0f, t / grow_to);
        k.scale(collide, reach * std::max(0.05f, 1.0f - (1.0f - g) * (1.0f - g)));
    });
    return b;
}

// Builds "explode" from the parts at keys evenly spaced over the piece's ticks (the first
// key one tick in); sixteen keys let a fading glow go within a sixteenth of the track of
// its picture going dark.
void finish(Boom &b, int keys = 16)
{
    const int total = b.ticks;
    Track &t = b.m.track("explode").once();
    int done = 0;
    for (int i = 0; i <= keys; i++) {
        int at_tick = i == 0 ? 1 : 1 + (int)std::lround((float)(total - 1) * (float)i / (float)keys);
        Key &k = t.key((float)(at_tick - done) * 0.01f);
        done = at_tick;
        float progress = (float)(at_tick - 1) / (float)(total - 1);
        for (auto &part : b.parts) {
            part(k, progress);
        }
    }
    b.m.defaults({"explode"});
}

// The speed (frames per tick) at which a set of frames lasts the piece's ticks: the
// engine ends a piece whose first texture is animated when its time, growing by the speed
// each tick, reaches the frame count minus the speed.
float speed_for(const Boom &b, int frames)
{
    return (float)frames / (float)(b.ticks + 1);
}

// A camera-facing fireball of the given diameter, swelling from start (fraction) to full
// by peak and shrinking to nothing at the end.
void fireball(Boom &b, const Bitmap *fire, float diameter, float start, float peak, const char *name = "fire")
{
    int bone = b.m.bone(name, b.root).faces_camera().size(start);
    b.m.sprite(bone, diameter, arena_glow_anim(fire, 0xffffff, speed_for(b, FIRE_FRAMES)));
    b.parts.push_back([bone, start, peak](Key &k, float t) {
        float s = t < peak ? start + (1.0f - start) * std::sqrt(t / peak) : 1.0f - 0.25f * (t - peak) / (1.0f - peak);
        // The picture's ball fills its square: the bone carries the ball's growth.
        s *= fire_radius(t * (float)FIRE_FRAMES) / fire_radius((float)(FIRE_FRAMES - 1));
        k.scale(bone, t >= 0.999f ? 0.01f : s);
    });
}

// Where the fading pictures are lit, as fractions of their half side, a texel to spare for
// filtering: the bomb's ring from 0.7 to 0.94, the disc to 0.94.
constexpr float WAVE_LIT_INSIDE = 0.685f;
constexpr float WAVE_LIT_OUTSIDE = 0.955f;
constexpr float DISC_LIT_OUTSIDE = 0.97f;

// The track's progress past which a flat glow is gone (see flat_glow): the key before the
// picture's dark frames (FADE_DARK of the frames, 0.75 of the track).
constexpr float GLOW_GONE = 0.72f;

// The lit part of a fading ring's or disc's square of the given side, laid on the bone's
// X/Y plane as the square's own picture: a band of sides quads round the hole of the bomb's
// ring picture, or a polygon round the disc. What is left out is black in every frame, and additive black
// draws nothing, so the picture is the square's with fewer blended pixels: worth the
// faces only for a glow that grows over much of the screen (the bomb wave's).
void lit_band(ModelBuilder &m, int bone, float side, bool ring, int sides, const Paint &paint)
{
    const float half = 0.5f * side;
    const PlaneUv uv = {0.5f, 1.0f / side, 0.0f, 0.5f, 0.0f, 1.0f / side};
    // The polygon round the lit circle: its edges touch the circle.
    const float out = (ring ? WAVE_LIT_OUTSIDE : DISC_LIT_OUTSIDE) * half / std::cos(PI / (float)sides);
    const float in = WAVE_LIT_INSIDE * half;
    std::vector<Vec3> disc;
    for (int i = 0; i < sides; i++) {
        float a0 = 2.0f * PI * (float)i / (float)sides, a1 = 2.0f * PI * (float)(i + 1) / (float)sides;
        auto at = [](float a, float r) { return Vec3{r * std::cos(a), r * std::sin(a), 0.0f}; };
        if (ring) {
            m.polygon(bone, {at(a0, in), at(a0, out), at(a1, out), at(a1, in)}, uv, paint);
        } else {
            disc.push_back(at(a0, out));
        }
    }
    if (!ring) {
        m.polygon(bone, disc, uv, paint);
    }
}

// A flat glow on the piece's floor plane, a ring (or a disc) growing from r0 to r1 units
// of radius by `reach_at` of the track while its picture fades out; drawn as its square, or
// with sides > 0 as only its lit band (lit_band; a ring then takes the bomb's ring picture).
void flat_glow(Boom &b, uint32_t colour, float r0, float r1, float height, const char *name, bool ring = true,
               int sides = 0, float reach_at = 1.0f, float gone = GLOW_GONE)
{
    int bone = b.m.bone(name, b.root).at(0, 0, height).size(r0);
    // The ring picture draws its circle at 0.84 of the half side.
    const Bitmap *picture = !ring ? &EXP_DISC : sides > 0 ? &EXP_RING_WAVE : &EXP_RING;
    const float side = ring ? 2.0f / 0.84f : 2.0f;
    const Paint paint = arena_glow_anim(picture, colour, speed_for(b, FADE_FRAMES));
    if (sides > 0) {
        lit_band(b.m, bone, side, ring, sides, paint);
    } else {
        b.m.sprite(bone, side, paint);
    }
    // Gone from the key where its picture goes dark (0.75 of the track, a key of 16 or 20),
    // shrinking away over the last faint frame before it: a dark glow draws black, which adds
    // nothing but its faces and pixels. Pieces of fewer keys go a little earlier.
    b.parts.push_back([bone, r0, r1, reach_at, gone](Key &k, float t) {
        float g = std::min(1.0f, t / reach_at);
        float r = r0 + (r1 - r0) * (1.0f - (1.0f - g) * (1.0f - g));
        k.scale(bone, t > gone ? 0.01f : r);
    });
}

// A camera-facing flash: a star that blooms by peak and is gone by `gone` of the track
// (a fireball's flash by half of it: the shrinking star over the swelling ball added
// little to it but its faces).
void flash(Boom &b, uint32_t colour, float size, float peak, const char *name = "flash", float gone = 1.0f)
{
    int bone = b.m.bone(name, b.root).faces_camera().size(0.3f);
    b.m.sprite(bone, size, arena_glow(&ARENA_STAR, colour));
    b.parts.push_back([bone, peak, gone](Key &k, float t) {
        float s = t < peak ? 0.3f + 0.9f * t / peak : std::max(0.01f, 1.2f * (1.0f - (t - peak) / (gone - peak)));
        k.scale(bone, s);
    });
}

// Streaks flying out from the centre: count of them within spread degrees of the heading
// (-Y; 360 all round), reaching reach units, each a flat strip seen from above.
void sparks(Boom &b, int count, float spread, float reach, float length, float width, uint32_t colour, uint32_t seed)
{
    for (int i = 0; i < count; i++) {
        float u = (float)((seed * 2654435761u + (uint32_t)i * 40503u) % 1000u) / 1000.0f;
        float angle = spread >= 360.0f ? 360.0f * ((float)i + 0.5f * u) / (float)count
                                       : -0.5f * spread + spread * ((float)i + 0.5f) / (float)count + 8.0f * (u - 0.5f);
        float r = angle * PI / 180.0f;
        // Direction in model X/Y: the heading -Y turned by the angle about Z.
        float dx = std::sin(r), dy = -std::cos(r);
        float far = reach * (0.7f + 0.3f * u);
        int bone = b.m.bone("spark" + std::to_string(i), b.root).turn(0, 0, angle + 180.0f).size(0.4f);
        // The strip points along the bone's +Y: its head (v 1) leads.
        b.m.ribbon(bone, {{{0, -length, 0}, width * 0.4f, rgb(0x000000)}, {{0, 0, 0}, width, rgb(colour)}},
                   arena_glow(&EXP_STREAK, 0xffffff));
        b.parts.push_back([bone, dx, dy, far](Key &k, float t) {
            float go = 1.0f - (1.0f - t) * (1.0f - t);
            k.move(bone, dx * far * go, dy * far * go, 0.4f * std::sin(t * PI));
            k.scale(bone, t >= 0.999f ? 0.01f : 0.4f + 0.8f * std::min(1.0f, t * 4.0f) * (1.0f - 0.6f * t));
        });
    }
}

// Solid shards thrown out and tumbling, shrinking away: each a flat unlit splinter, a
// triangle of two faces (one toward the camera) that glints as it turns, where a
// three-sided point showed two or three; at a few pixels across only the glint of the
// unlit colour reads.
void shards(Boom &b, int count, float reach, float size, uint32_t colour, uint32_t seed)
{
    Paint hot = arena_solid(&ARENA_WHITE, colour, Lighting::Unlit);
    for (int i = 0; i < count; i++) {
        float u = (float)((seed * 2246822519u + (uint32_t)i * 3266489917u) % 1000u) / 1000.0f;
        float a = 2 * PI * ((float)i + u * 0.6f) / (float)count;
        float dx = std::cos(a), dy = std::sin(a);
        float far = reach * (0.6f + 0.4f * u);
        float up = reach * (0.3f + 0.5f * u);
        int bone = b.m.bone("shard" + std::to_string(i), b.root);
        b.m.prism(bone, at(0, 0, 0), {{-0.45f * size, -0.3f * size, 0}, {0.45f * size, -0.3f * size, 0}, {0, 0.6f * size, 0}},
                  0.01f, hot);
        b.parts.push_back([bone, dx, dy, far, up, i](Key &k, float t) {
            k.move(bone, dx * far * t, dy * far * t, up * 4.0f * t * (1.0f - t));
            k.turn(bone, 300.0f * t, 170.0f * t * (float)(i % 3 - 1), 0);
            k.scale(bone, std::max(0.01f, 1.0f - t));
        });
    }
}

// Smoke: grey puffs round the rim that swell once the fire has passed its peak (from
// start of the track on), drift outward and up, and shrink away. A puff is six sides
// round, two fans (six faces toward the camera): a soft, swelling shape whose outline
// strays at most 1.4 pixels from round at its largest, where seven sides and a middle
// band gave fourteen.
void smoke(Boom &b, int count, float spread, float size, float rise, uint32_t colour, uint32_t seed, float start = 0.25f)
{
    Paint puff = arena_solid(&ARENA_WHITE, colour, Lighting::Radial);
    for (int i = 0; i < count; i++) {
        float u = (float)((seed * 2654435761u + (uint32_t)i * 2246822519u) % 1000u) / 1000.0f;
        float a = 2 * PI * ((float)i + u * 0.5f) / (float)count;
        float ox = spread * std::cos(a), oy = spread * std::sin(a);
        int bone = b.m.bone("smoke" + std::to_string(i), b.root).at(ox, oy, 0).size(0.01f);
        b.m.sphere(bone, at(0, 0, 0), {size, size, size * 0.8f}, 6, 2, puff);
        b.parts.push_back([bone, ox, oy, rise, u, start](Key &k, float t) {
            float g = (t - start) / (1.0f - start);
            float s = g <= 0.0f ? 0.01f : g < 0.4f ? g / 0.4f : 1.0f - 0.99f * std::pow((g - 0.4f) / 0.6f, 1.5f);
            float go = std::max(0.0f, g);
            k.move(bone, ox * 0.5f * go, oy * 0.5f * go, rise * go * (0.8f + 0.4f * u));
            k.scale(bone, std::max(0.01f, s * (0.8f + 0.4f * u)));
        });
    }
}

// A column of light rising from the floor plane: two crossed strips growing up and
// thinning away.
void column(Boom &b, uint32_t colour, float width, float height, float peak)
{
    int bone = b.m.bone("column", b.root).size(0.05f);
    for (int plane = 0; plane < 2; plane++) {
        // Turned up: the strip's -Y runs up the column.
        int strip = b.m.bone(plane ? "column_b" : "column_a", bone).turn(-90, 0, plane ? 90.0f : 0.0f);
        b.m.ribbon(strip, {{{0, 0, 0}, width, rgb(colour)}, {{0, -height, 0}, width * 0.3f, rgb(0x000000)}},
                   arena_glow(&ARENA_WHITE, 0xffffff));
    }
    b.parts.push_back([bone, peak](Key &k, float t) {
        float up = t < peak ? t / peak : 1.0f;
        float thin = t < peak ? 1.0f : std::max(0.01f, 1.0f - (t - peak) / (1.0f - peak));
        k.scale(bone, std::max(0.05f, thin), std::max(0.05f, thin), std::max(0.05f, up));
    });
}

}  // namespace

void model_flash_small(ModelBuilder &m)
{
    Boom b = boom(m, 1.2f, 0.3f, 0.1f);
    flash(b, 0xffe0a0, 2.4f, 0.3f);
    sparks(b, 3, 50.0f, 1.0f, 1.2f, 0.45f, 0xffd070, 11);
    finish(b, 4);
}

void model_flash_large(ModelBuilder &m)
{
    Boom b = boom(m, 2.0f, 0.3f, 0.16f);
    flash(b, 0xfff0c0, 3.6f, 0.25f);
    sparks(b, 5, 70.0f, 1.8f, 2.0f, 0.7f, 0xffb050, 12);
    flat_glow(b, 0xff8030, 0.6f, 1.6f, 0.0f, "glow", false);
    finish(b, 5);
}

void model_spark_hit(ModelBuilder &m)
{
    Boom b = boom(m, 1.5f, 0.3f, 0.2f);
    flash(b, 0xfff0d0, 2.2f, 0.2f);
    sparks(b, 6, 140.0f, 2.2f, 1.1f, 0.4f, 0xffa040, 21);
    finish(b, 5);
}

void model_spark_player(ModelBuilder &m)
{
    Boom b = boom(m, 1.5f, 0.3f, 0.2f);
    flash(b, 0xe0f8ff, 2.2f, 0.2f);
    sparks(b, 6, 140.0f, 2.2f, 1.1f, 0.4f, 0x60d8ff, 22);
    finish(b, 5);
}

void model_spark_ricochet(ModelBuilder &m)
{
    Boom b = boom(m, 1.5f, 0.3f, 0.25f);
    flash(b, 0xd8e8ff, 1.6f, 0.15f);
    sparks(b, 4, 100.0f, 2.6f, 1.4f, 0.35f, 0xc8d8ff, 23);
    flat_glow(b, 0x8ab0ff, 0.3f, 1.3f, 0.0f, "ring");
    finish(b, 5);
}

void model_burst_small(ModelBuilder &m)
{
    Boom b = boom(m, 2.6f, 0.3f, 0.45f);
    flash(b, 0xfff4d0, 3.4f, 0.12f, "flash", 0.5f);
    shards(b, 4, 2.8f, 0.45f, 0xffa040, 31);
    flat_glow(b, 0xff7a30, 0.6f, 2.3f, 0.0f, "ring");
    fireball(b, &EXP_FIRE, 4.7f, 0.35f, 0.3f);
    finish(b);
}

void model_burst_missile(ModelBuilder &m)
{
    // A missile's end: a hot, quick burst without a sound of its own (the missiles play
    // theirs on "byebye").
    Boom b = boom(m, 2.2f, 0.3f, 0.35f);
    flash(b, 0xfff0c0, 3.6f, 0.12f, "flash", 0.5f);
    sparks(b, 6, 360.0f, 2.4f, 0.9f, 0.4f, 0xffb040, 35);
    flat_glow(b, 0xff8a30, 0.5f, 2.6f, 0.0f, "ring");
    fireball(b, &EXP_FIRE, 4.2f, 0.35f, 0.3f);
    finish(b);
}

void model_burst_medium(ModelBuilder &m)
{
    Boom b = boom(m, 4.5f, 0.3f, 0.6f);
    flash(b, 0xfff4d0, 5.0f, 0.1f, "flash", 0.5f);
    shards(b, 6, 5.0f, 0.6f, 0xff9030, 41);
    smoke(b, 2, 2.6f, 1.15f, 3.0f, 0x54545c, 42);
    flat_glow(b, 0xff7020, 1.0f, 4.1f, 0.0f, "ring");
    fireball(b, &EXP_FIRE, 8.2f, 0.3f, 0.3f);
    // The second, smaller ball would burn inside the first and add nothing to its white-hot
    // core: its bone stays, bare.
    b.m.bone("fire_b", b.root).faces_camera().size(0.2f);
    finish(b);
}

void model_burst_large(ModelBuilder &m)
{
    Boom b = boom(m, 7.5f, 0.35f, 0.9f);
    flash(b, 0xfff8e0, 11.0f, 0.1f, "flash", 0.5f);
    shards(b, 9, 9.0f, 0.9f, 0xff8a28, 51);
    smoke(b, 5, 4.5f, 1.6f, 5.0f, 0x4a4a52, 52);
    flat_glow(b, 0xff6a18, 2.0f, 10.0f, 0.0f, "ring");
    flat_glow(b, 0xa03008, 2.0f, 6.0f, 0.0f, "scorch", false);
    fireball(b, &EXP_FIRE, 15.0f, 0.25f, 0.3f);
    fireball(b, &EXP_FIRE, 8.0f, 0.2f, 0.45f, "fire_b");
    finish(b);
}

void model_burst_ship(ModelBuilder &m)
{
    Boom b = boom(m, 6.0f, 0.3f, 1.0f);
    flash(b, 0xf0ffff, 10.0f, 0.1f, "flash", 0.5f);
    sparks(b, 10, 360.0f, 7.0f, 2.4f, 0.8f, 0x8ae8ff, 61);
    shards(b, 6, 6.0f, 0.7f, 0xb8f0ff, 62);
    flat_glow(b, 0x4ac8ff, 1.5f, 9.0f, 0.0f, "ring");
    flat_glow(b, 0x2a80ff, 0.5f, 5.0f, 0.0f, "ring_b");
    fireball(b, &EXP_FIRE_COOL, 12.0f, 0.25f, 0.3f);
    finish(b);
}

void model_ring_emerge(ModelBuilder &m)
{
    Boom b = boom(m, 4.0f, 0.5f, 0.5f);
    flat_glow(b, 0x40d8ff, 0.5f, 4.2f, 0.1f, "ring");
    flat_glow(b, 0x1a6088, 0.5f, 3.0f, 0.05f, "pool", false);
    column(b, 0x60c8ff, 2.2f, 7.0f, 0.35f);
    sparks(b, 6, 360.0f, 2.5f, 0.8f, 0.35f, 0x9ae8ff, 71);
    finish(b);
}

void model_ring_submerge(ModelBuilder &m)
{
    Boom b = boom(m, 4.0f, 0.4f, 0.5f);
    flat_glow(b, 0x3a90c8, 4.2f, 0.3f, 0.1f, "ring");
    smoke(b, 4, 2.2f, 0.9f, 1.2f, 0x6a6258, 81, 0.0f);
    finish(b);
}

void model_ring_mutate(ModelBuilder &m)
{
    Boom b = boom(m, 3.5f, 0.4f, 0.45f);
    flash(b, 0xf0c8ff, 3.6f, 0.2f, "flash", 0.5f);
    flat_glow(b, 0xb050ff, 0.4f, 2.8f, 0.0f, "ring");
    flat_glow(b, 0xff60e0, 2.8f, 0.5f, 0.0f, "ring_in");
    finish(b);
}

void model_ring_shield(ModelBuilder &m)
{
    Boom b = boom(m, 4.0f, 0.3f, 0.4f);
    int bubble = m.bone("bubble", b.root).faces_camera().size(0.9f);
    m.sprite(bubble, 2.0f / 0.84f * 2.2f, arena_glow_anim(&EXP_RING, 0x6a9aff, speed_for(b, FADE_FRAMES)));
    b.parts.push_back([bubble](Key &k, float t) { k.scale(bubble, t >= 0.999f ? 0.01f : 0.9f + 0.9f * t); });
    shards(b, 8, 4.0f, 0.35f, 0xa8c8ff, 91);
    flash(b, 0xd8e8ff, 4.0f, 0.15f);
    finish(b);
}

void model_smoke_puff(ModelBuilder &m)
{
    Boom b = boom(m, 3.0f, 0.5f, 1.0f);
    smoke(b, 4, 1.2f, 1.3f, 4.0f, 0x50505a, 101, 0.0f);
    finish(b);
}

// The bomb wave's bands: 12 sides reach at most 3.5 % past the circle, and their chords
// stay inside the hole of the ring's picture; the picture is the same for any count.
constexpr int BOMB_BAND_SIDES = 12;
// The rings are out at their full reach when their picture goes dark (FADE_DARK of the
// frames), racing off the screen rather than lingering on it.
constexpr float BOMB_WAVE_OUT = (float)FADE_DARK / (float)FADE_FRAMES;

void model_bomb_wave(ModelBuilder &m)
{
    // The collide bone sweeps out to 140 units, past every corner of the arena seen from
    // anywhere in it, in the first 0.8 s; the pictures follow it.
    Boom b = boom(m, 140.0f, 0.6f, 1.3f);
    // The waves cover the screen for most of their life: only their narrow lit bands are
    // drawn, and no wash fills the screen behind them (a full-screen blended layer for a
    // faint tint).
    flash(b, 0xffffff, 15.0f, 0.12f);
    // The bands are gone only from the second key after they reach the screen's corners
    // (keys of a tenth): a band shrinking away over a frame of its picture that is not yet
    // dark would sweep back across the whole screen.
    const float gone = 0.86f;
    flat_glow(b, 0xe0f4ff, 2.0f, 140.0f, 0.5f, "wave", true, BOMB_BAND_SIDES, BOMB_WAVE_OUT, gone);
    flat_glow(b, 0x6aa8ff, 1.0f, 118.0f, 0.4f, "wave_b", true, BOMB_BAND_SIDES, BOMB_WAVE_OUT, gone);
    flat_glow(b, 0xb060ff, 0.5f, 90.0f, 0.3f, "wave_c", true, BOMB_BAND_SIDES, BOMB_WAVE_OUT, gone);
    column(b, 0xc8e0ff, 4.5f, 40.0f, 0.2f);
    finish(b, 10);
}

void model_sparkle_bonus(ModelBuilder &m)
{
    Boom b = boom(m, 5.0f, 0.4f, 0.8f);
    flash(b, 0xfff0a0, 7.0f, 0.15f);
    for (int i = 0; i < 8; i++) {
        float a = 2 * PI * (float)i / 8.0f;
        float dx = std::cos(a), dy = std::sin(a);
        int star = m.bone("star" + std::to_string(i), b.root).faces_camera().size(0.2f);
        m.sprite(star, 1.8f, arena_glow(&ARENA_STAR, i % 2 ? 0xffd040 : 0xfff8c0));
        b.parts.push_back([star, dx, dy, i](Key &k, float t) {
            float go = 1.0f - (1.0f - t) * (1.0f - t);
            k.move(star, dx * 5.0f * go, dy * 5.0f * go, 2.0f * std::sin(t * PI));
            k.turn(star, 0, 0, 200.0f * t * (i % 2 ? 1.0f : -1.0f));
            k.scale(star, t >= 0.999f ? 0.01f : 0.4f + 0.8f * std::sin(t * PI));
        });
    }
    flat_glow(b, 0xffc030, 0.5f, 5.5f, 0.0f, "ring");
    finish(b);
}
