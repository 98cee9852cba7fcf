// models_fizz.cpp -- the beams (fizz/...): fences between pylons, barriers, the tethers of
// lasers and the links between turrets, spiders and blobs.
//
// A beam is drawn stretched between two bone matrices: the engine scales its model's X
// axis so that X -1 .. 1 spans the two ends, taking the half-length from hit sphere 0
// (radius 1 here, on the actor's matrix). Fences (room beams) stand with model Z up,
// rule beams with model Y up, so every beam is two crossed strips along X, one in the X/Y
// plane and one in the X/Z plane, each a thin bright core (a pale tint of the beam's
// colour) over a soft halo (the colour itself); both are added to the picture. The core
// picture is an animated set of 8 frames whose pattern runs along the beam (flow, beads,
// crackle); the default "hum" breathes the strips' thickness. Colours sit in the vertex
// colours over white pictures, so a hue-turned fence turns with its pylons.
//
// null-fizz draws nothing: a bone, its sphere and no faces.

#include "assetgen/models_arena.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float PI = 3.14159265358979f;
constexpr int FRAMES = 8;

enum class Pattern { Flow, Ice, Pulse, Double, Band, Chain, Plain, Crackle, Burn, Heavy, Laser, Dashes, Web, Goo };

// The core picture: 64 across (u, the beam's width) by 128 along (v), white on black,
// clear at both long edges. frame 0..7 moves the pattern one eighth of its period.
ImageRgb draw_core(Pattern p, uint32_t seed, int frame)
{
    const int W = 64, H = 128;
    ImageRgb img(W, H);
    const float phase = (float)frame / (float)FRAMES;
    for (int y = 0; y < H; y++) {
        float v = ((float)y + 0.5f) / (float)H;
        for (int x = 0; x < W; x++) {
            float u = arena_centred(x, W);   // -1 .. 1 across
            float a = std::fabs(u);
            float k = 0.0f;
            auto core = [&](float centre, float width) {
                float d = (u - centre) / width;
                return std::exp(-d * d * 0.5f);
            };
            switch (p) {
            case Pattern::Flow:
            case Pattern::Plain: {
                float flow = arena_noise(3.5f, v * 8.0f + phase * 8.0f, 3, seed, 8);
                k = core(0, 0.12f) * (p == Pattern::Plain ? 0.9f + 0.1f * flow : 0.65f + 0.5f * flow) +
                    0.25f * core(0, 0.3f);
                break;
            }
            case Pattern::Ice: {
                // A cold core with short shards sticking out across it.
                float shard = arena_noise(v * 24.0f + phase * 24.0f, 1.5f, 1, seed, 24);
                float reach = 0.2f + 0.55f * std::pow(shard, 3.0f);
                k = core(0, 0.1f) + 0.5f * std::max(0.0f, 1.0f - a / reach) * std::pow(shard, 2.0f);
                break;
            }
            case Pattern::Pulse: {
                float beat = 0.5f + 0.5f * std::sin(2 * PI * (v * 6.0f - phase));
                k = core(0, 0.1f + 0.06f * beat) * (0.45f + 0.7f * beat) + 0.2f * core(0, 0.35f);
                break;
            }
            case Pattern::Double: {
                float flow = arena_noise(2.0f, v * 8.0f + phase * 8.0f, 2, seed, 8);
                k = (core(-0.38f, 0.09f) + core(0.38f, 0.09f)) * (0.7f + 0.4f * flow) + 0.15f * core(0, 0.5f);
                break;
            }
            case Pattern::Band: {
                float half = 0.45f + 0.12f * std::sin(2 * PI * (v * 4.0f + phase));
                k = 0.55f * (1.0f - arena_smooth(half - 0.08f, half, a)) + 0.6f * core(0, 0.07f);
                break;
            }
            case Pattern::Chain: {
                float along = v * 10.0f + phase;
                float d = (along - std::floor(along) - 0.5f) / 0.16f;
                float bead = std::exp(-(d * d + (u / 0.22f) * (u / 0.22f)));
                k = bead + 0.35f * core(0, 0.06f);
                break;
            }
            case Pattern::Crackle:
            case Pattern::Burn: {
                // Lightning: a core that jumps to a new zigzag every frame.
                float jag = arena_noise(v * 14.0f, (float)frame * 3.1f, 2, seed) - 0.5f;
                float jag2 = arena_noise(v * 22.0f, (float)frame * 2.3f + 40.0f, 2, seed + 1) - 0.5f;
                k = core(jag * 0.9f, 0.07f) + 0.6f * core(jag2 * 1.1f, 0.05f) + 0.3f * core(0, 0.1f);
                if (p == Pattern::Burn) {
                    k += 0.35f * core(0, 0.3f) * (0.7f + 0.3f * arena_noise(2, v * 10 + phase * 10, 2, seed, 10));
                }
                break;
            }
            case Pattern::Heavy: {
                float flow = arena_noise(1.0f, v * 6.0f + phase * 6.0f, 3, seed, 6);
                k = core(0, 0.2f) * (0.7f + 0.35f * flow) + 0.5f * core(0, 0.07f);
                break;
            }
            case Pattern::Laser:
                k = (core(0, 0.09f) + 0.35f * core(0, 0.25f)) * (0.88f + 0.12f * (float)((frame * 5) % FRAMES) / FRAMES);
                break;
            case Pattern::Dashes: {
                float along = v * 12.0f - phase;
                float on = arena_smooth(0.0f, 0.08f, along - std::floor(along)) *
                           (1.0f - arena_smooth(0.5f, 0.58f, along - std::floor(along)));
                k = core(0, 0.1f) * (0.35f + 0.75f * on) + 0.15f * core(0, 0.3f);
                break;
            }
            case Pattern::Web: {
                // A fine thread with droplets strung along it.
                float along = v * 9.0f + phase;
                float drop_v = along - std::floor(along) - 0.5f;
                float size = 0.6f + 0.4f * arena_noise(std::floor(along), 0.5f, 1, seed);
                float dd = (drop_v * drop_v) / (0.012f * size) + (u * u) / (0.03f * size);
                k = 0.8f * core(0, 0.05f) + std::exp(-dd);
                break;
            }
            case Pattern::Goo: {
                float centre = 0.18f * std::sin(2 * PI * (v * 3.0f + phase));
                float width = 0.14f + 0.06f * std::sin(2 * PI * (v * 5.0f - phase));
                k = core(centre, width) + 0.25f * core(centre, 0.35f);
                break;
            }
            }
            k *= 1.0f - arena_smooth(0.82f, 0.97f, a);
            arena_put(img, x, y, 0xffffff, std::min(1.0f, k));
        }
    }
    return img;
}

// The halo: a broad soft band across, even along.
ImageRgb draw_halo(int)
{
    return arena_picture(64, 32, [](float dx, float) { return std::pow(std::max(0.0f, 1.0f - std::fabs(dx) / 0.94f), 2.2f); });
}

const Bitmap FIZZ_HALO = {"fizz_halo", 0, draw_halo, nullptr};

struct BeamLook {
    const char *bitmap;
    Pattern pattern;
    uint32_t colour;     // the halo; the core is a pale tint of it
    float core_width;    // units across at scale 1
    float halo_width;
    float speed;         // core frames per tick
    float breath;        // thickness swing of "hum"
    float period;        // seconds of one breath
};

// Index K of BEAMS names the picture and pattern of K's core.
const BeamLook BEAMS[] = {
    {"fizz_blue", Pattern::Flow, 0x3a8cff, 0.7f, 2.2f, 0.2f, 0.12f, 0.8f},          // 0 fencefizz-1_1
    {"fizz_ice", Pattern::Ice, 0x8adcff, 0.9f, 2.2f, 0.12f, 0.08f, 1.2f},           // 1 fencefizz-1_2
    {"fizz_pulse", Pattern::Pulse, 0xff8a20, 0.8f, 2.4f, 0.25f, 0.3f, 0.5f},        // 2 fencefizz-1_3
    {"fizz_double", Pattern::Double, 0x46ff5a, 1.0f, 2.6f, 0.16f, 0.1f, 0.9f},      // 3 fencefizz-1_4
    {"fizz_band", Pattern::Band, 0xa64aff, 1.3f, 2.6f, 0.14f, 0.12f, 1.0f},         // 4 fencefizz-1_5
    {"fizz_chain", Pattern::Chain, 0xffc838, 0.9f, 2.2f, 0.2f, 0.1f, 0.7f},         // 5 fencefizz-1_6
    {"fizz_white", Pattern::Plain, 0xd8ecff, 0.6f, 1.9f, 0.1f, 0.08f, 1.0f},        // 6 fencefizz-1_7
    {"fizz_crackle", Pattern::Crackle, 0xff3020, 1.2f, 2.4f, 0.5f, 0.22f, 0.15f},   // 7 fencefizz-2_1
    {"fizz_burn", Pattern::Burn, 0xff2a90, 1.4f, 3.2f, 0.5f, 0.25f, 0.2f},          // 8 fencefizz-9_1
    {"fizz_heavy", Pattern::Heavy, 0x9a3aff, 1.1f, 3.2f, 0.15f, 0.14f, 1.1f},       // 9 fencefizz-9_9
    {"fizz_laser", Pattern::Laser, 0xff3a28, 0.6f, 1.6f, 0.5f, 0.15f, 0.12f},       // 10 laserfizz
    {"fizz_dashes", Pattern::Dashes, 0xffb040, 0.6f, 1.6f, 0.25f, 0.1f, 0.6f},      // 11 turret-fizz
    {"fizz_web", Pattern::Web, 0xb8ff6a, 0.7f, 1.8f, 0.06f, 0.1f, 1.4f},            // 12 beemspider-fizz
    {"fizz_goo", Pattern::Goo, 0xff5ad0, 0.9f, 2.0f, 0.12f, 0.18f, 0.9f},           // 13 weblob-fizz
};
constexpr int BEAM_COUNT = (int)(sizeof(BEAMS) / sizeof(BEAMS[0]));

template <int K>
ImageRgb draw_core_of(int frame)
{
    return draw_core(BEAMS[K].pattern, 0x6100u + (uint32_t)K * 17u, frame);
}

template <int... K>
struct CoreBitmaps {
    static const Bitmap *of(int k)
    {
        static const Bitmap bitmaps[] = {Bitmap{BEAMS[K].bitmap, FRAMES, draw_core_of<K>, nullptr}...};
        return &bitmaps[k];
    }
};
using Cores = CoreBitmaps<0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13>;

uint32_t pale(uint32_t c)
{
    uint32_t out = 0;
    for (int s = 0; s < 24; s += 8) {
        uint32_t v = c >> s & 0xff;
        out |= (v + (255 - v) * 3 / 5) << s;
    }
    return out;
}

uint32_t dim(uint32_t c, float k)
{
    uint32_t out = 0;
    for (int s = 0; s < 24; s += 8) {
        out |= (uint32_t)std::lround((float)(c >> s & 0xff) * k) << s;
    }
    return out;
}

// A strip along X from -1 to 1 in a bone's X/Y plane in the paint's colour, its ends
// dimmed a little.
void strip(ModelBuilder &m, int bone, float width, const Paint &paint)
{
    std::vector<RibbonPoint> points;
    for (int i = 0; i <= 4; i++) {
        float x = -1.0f + 0.5f * (float)i;
        uint32_t c = (uint32_t)paint.colour.r << 16 | (uint32_t)paint.colour.g << 8 | paint.colour.b;
        points.push_back({{x, 0, 0}, width, rgb(std::fabs(x) > 0.99f ? dim(c, 0.7f) : c)});
    }
    m.ribbon(bone, points, paint);
}

// A beam of look k; thick scales both widths (the laser tethers grow with their bolt).
void beam(ModelBuilder &m, int k, float thick = 1.0f)
{
    const BeamLook &look = BEAMS[k];
    int root = m.bone("mainbone_x");
    int body = m.bone("beam", root);
    int flat = m.bone("flat", body);
    int edge = m.bone("edge", body).turn(-90, 0, 0);   // the X/Z plane, facing +Y
    Paint core = arena_glow_anim(Cores::of(k), pale(look.colour), look.speed);
    Paint halo = arena_glow(&FIZZ_HALO, dim(look.colour, 0.75f));
    for (int plane : {flat, edge}) {
        strip(m, plane, look.halo_width * thick, halo);
        strip(m, plane, look.core_width * thick, core);
    }
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 1.0f);
    Track &hum = m.track("hum").loop();
    float b = look.breath;
    hum.key(0.01f).scale(body, 1.0f, 1.0f - b * 0.5f, 1.0f - b * 0.5f);
    hum.key(look.period * 0.5f).ease_in(40).ease_out(40).scale(body, 1.0f, 1.0f + b, 1.0f + b);
    hum.key(look.period * 0.5f).ease_in(40).ease_out(40).scale(body, 1.0f, 1.0f - b * 0.5f, 1.0f - b * 0.5f);
    m.defaults({"hum"});
}

}  // namespace

static_assert(BEAM_COUNT == 14, "one core picture per look");

void model_fencefizz_1_1(ModelBuilder &m) { beam(m, 0); }
void model_fencefizz_1_2(ModelBuilder &m) { beam(m, 1); }
void model_fencefizz_1_3(ModelBuilder &m) { beam(m, 2); }
void model_fencefizz_1_4(ModelBuilder &m) { beam(m, 3); }
void model_fencefizz_1_5(ModelBuilder &m) { beam(m, 4); }
void model_fencefizz_1_6(ModelBuilder &m) { beam(m, 5); }
void model_fencefizz_1_7(ModelBuilder &m) { beam(m, 6); }
void model_fencefizz_2_1(ModelBuilder &m) { beam(m, 7); }
void model_fencefizz_9_1(ModelBuilder &m) { beam(m, 8); }
void model_fencefizz_9_9(ModelBuilder &m) { beam(m, 9); }
void model_laserfizz_1sec(ModelBuilder &m) { beam(m, 10, 0.8f); }
void model_laserfizz_2sec(ModelBuilder &m) { beam(m, 10, 1.0f); }
void model_laserfizz_3sec(ModelBuilder &m) { beam(m, 10, 1.3f); }
void model_turret_fizz(ModelBuilder &m) { beam(m, 11); }
void model_beemspider_fizz(ModelBuilder &m) { beam(m, 12); }
void model_weblob_fizz(ModelBuilder &m) { beam(m, 13); }

void model_null_fizz(ModelBuilder &m)
{
    m.bone("mainbone_x");
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 1.0f);
}
