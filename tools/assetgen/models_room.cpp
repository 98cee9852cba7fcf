// models_room.cpp -- the room (room/roomer) and the three arena floors (room/floor-1_1,
// floor-1_2, floor-1_3).
//
// The room is the arena's own skeleton: 24 pylon bones standing on the floor, each with a
// dark socket and a glowing ring under the pylon that hangs on it. Its five layouts are
// one-shot animations that move the pylons into a circle, a wide circle, a square, a
// triangle or a hexagon; the level plays one to its end at once. Every layout is a
// polygon of n corners at distance R from the centre, the first at bearing b0, the next
// ones at decreasing bearings (a bearing b is the floor point (R sin b, R cos b)); the
// pylons stand evenly along its sides, 24 / n to a side, pylon01 on the first corner.
// Running to smaller bearings keeps the arena's inside on the positive side of every
// fence strand (README.md, "Room layouts").
//
// The floors are a dark plate of tiles spanning -100..100 under an additive kaleidoscope
// of light: four quarter pictures whose centre corner meets at the arena's centre.
// floor-1_3 reuses the title's floor-1_3.bmp; the other two draw pictures of their own in
// the same manner.

#include "assetgen/models_arena.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr float PI = 3.14159265358979f;
constexpr int PYLONS = 24;
// The floors' light pictures are lit out to 0.9604 of their side (texel centres) and black
// beyond; the light's fans reach round a little past that in LIGHT_ARC_SIDES straight
// sides.
constexpr float LIGHT_LIT = 0.97f;
constexpr int LIGHT_ARC_SIDES = 8;

struct Layout {
    const char *name;
    int corners;
    float radius;
    float first_bearing;   // degrees
};

// README.md "Room layouts" states the same table.
const Layout LAYOUTS[] = {
    {"circle", 24, 60.0f, 0.0f},
    {"square", 4, 77.781746f, -45.0f},
    {"triangle", 3, 96.0f, 0.0f},
    {"hexagon", 6, 66.0f, 0.0f},
    {"circle_wide", 24, 80.0f, 0.0f},
};

// Pylon k (0..23) of a layout on the floor: world x and z.
void layout_point(const Layout &l, int k, float &x, float &z)
{
    int per_side = PYLONS / l.corners;
    int side = k / per_side;
    float t = (float)(k % per_side) / (float)per_side;
    float b0 = (l.first_bearing - 360.0f * (float)side / (float)l.corners) * PI / 180.0f;
    float b1 = (l.first_bearing - 360.0f * (float)(side + 1) / (float)l.corners) * PI / 180.0f;
    x = l.radius * ((1 - t) * sinf(b0) + t * sinf(b1));
    z = l.radius * ((1 - t) * cosf(b0) + t * cosf(b1));
}

// Turn about model Z that points a pylon's -Y at the centre. The room stands as enemies
// do (pitched by -90): model (x, y) is world (x, -z).
float facing(float x, float z)
{
    return atan2f(-x, -z) * 180.0f / PI;
}

ImageRgb draw_socket(int)
{
    ImageRgb img(64, 64);
    for (int y = 0; y < 64; y++) {
        for (int x = 0; x < 64; x++) {
            float g = 0.75f + 0.25f * arena_noise((float)x / 8.0f, (float)y / 8.0f, 3, 61, 8);
            bool seam = x % 16 == 0 || y % 16 == 0;
            arena_put(img, x, y, 0xffffff, seam ? g * 0.55f : g);
        }
    }
    return img;
}

const Bitmap ROOM_SOCKET = {"room_socket", 0, draw_socket, nullptr};

// The floor plates: 128-pixel tiles of plating with bevelled seams and a faint grain.
// hex: staggered six-sided plates; otherwise square plates with inset panels.
ImageRgb draw_plates(bool hex, uint32_t seed)
{
    const int S = 128;
    ImageRgb img(S, S);
    for (int y = 0; y < S; y++) {
        for (int x = 0; x < S; x++) {
            float u = (float)x / S, v = (float)y / S;
            float grain = 0.82f + 0.18f * arena_noise(u * 16, v * 16, 3, seed, 16);
            float edge;
            if (hex) {
                // Distance to the nearest cell centre of a staggered grid, as a hexagon.
                float best = 9, second = 9;
                for (int cy = -1; cy <= 4; cy++) {
                    for (int cx = -1; cx <= 3; cx++) {
                        float px = ((float)cx + (cy & 1 ? 0.5f : 0.0f)) / 2.0f;
                        float py = (float)cy / 4.0f * 1.0f;
                        float dx = u - px, dy = (v - py) * 1.1547f;
                        float d = std::sqrt(dx * dx + dy * dy);
                        if (d < best) {
                            second = best;
                            best = d;
                        } else if (d < second) {
                            second = d;
                        }
                    }
                }
                edge = second - best;
            } else {
                float fx = std::fmod(u * 4.0f, 1.0f), fy = std::fmod(v * 4.0f, 1.0f);
                edge = std::min(std::min(fx, 1.0f - fx), std::min(fy, 1.0f - fy)) * 0.5f;
                float inset = std::fabs(std::min(std::min(fx, 1.0f - fx), std::min(fy, 1.0f - fy)) - 0.18f);
                grain *= inset < 0.012f ? 0.8f : 1.0f;
            }
            float k = grain * (edge < 0.008f ? 0.45f : edge < 0.02f ? 1.18f : 1.0f);
            arena_put(img, x, y, 0xffffff, k);
        }
    }
    return img;
}

ImageRgb draw_plates_hex(int)
{
    return draw_plates(true, 71);
}

ImageRgb draw_plates_square(int)
{
    return draw_plates(false, 72);
}

// A quarter kaleidoscope of light on black (the manner of the title's floor-1_3): its
// centre is the picture's lower right corner; rings (polygons with `sides` corners, a
// multiple of 4, corners on both edges), spokes and alternating cells under a nebula;
// clear from 0.97 of the side outward. The floor lays four quarters turned by quarter
// turns, so both edges of the quarter carry the same pattern: every term depends on the
// angle only through functions equal at 0 and 90 degrees.
ImageRgb draw_kaleido(int sides, uint32_t hot, uint32_t cool, uint32_t seed)
{
    const int S = 256;
    ImageRgb img(S, S);
    const float rings[4] = {0.18f, 0.41f, 0.63f, 0.85f};
    for (int y = 0; y < S; y++) {
        for (int x = 0; x < S; x++) {
            // Rows run from the top; the centre is the bottom row's right end (u 1, v 0).
            float dx = ((float)S - ((float)x + 0.5f)) / (float)S;
            float dy = ((float)S - ((float)y + 0.5f)) / (float)S;
            float r = std::sqrt(dx * dx + dy * dy);
            float th = std::atan2(dy, dx);
            float fade = 1.0f - arena_smooth(0.8f, 0.97f, r);
            if (fade <= 0.0f) {
                continue;
            }
            // A polygon's "radius", its corners on the quarter's edges: the circle's
            // reached at the corners and swollen toward the middle of each flat side.
            float seg = 2 * PI / (float)sides;
            float a = std::fmod(th, seg) - seg * 0.5f;
            float pr = r * std::cos(a) / std::cos(seg * 0.5f);
            float line = 0;
            for (float r0 : rings) {
                float d = pr - r0;
                line = std::max(line, 0.5f * std::exp(-d * d / 0.00003f) + 0.14f * std::exp(-d * d / 0.0009f));
            }
            float spoke = 0;
            if (pr > 0.18f && pr < 0.85f) {
                for (int k = 0; k <= 6; k++) {
                    float a = PI * 0.5f * (float)k / 6.0f;
                    float d = r * std::fabs(std::sin(th - a));
                    spoke = std::max(spoke, 0.2f * std::exp(-d * d / 0.00002f));
                }
            }
            int band = pr < 0.18f ? 0 : pr < 0.41f ? 1 : pr < 0.63f ? 2 : 3;
            int sector = (int)std::floor(th / (PI / 12.0f));
            float cell = ((band + sector) & 1) ? 0.12f : 0.05f;
            if (band == 0) {
                cell = 0.26f * (1.0f - pr / 0.18f) + 0.07f;
            }
            float cloud = arena_smooth(0.35f, 0.85f, arena_noise(r * 7.0f, 2.0f + 1.2f * std::cos(4.0f * th), 4, seed));
            float v = std::min(1.0f, cell + 0.26f * cloud + line + spoke) * fade;
            float heat = std::min(1.0f, 2.0f * (line + spoke));
            uint32_t col = heat > 0.5f ? hot : cool;
            float mixk = heat > 0.5f ? 1.0f : 0.75f + 0.25f * cloud;
            arena_put(img, x, y, col, v * mixk);
        }
    }
    return img;
}

ImageRgb draw_kaleido_octagon(int)
{
    return draw_kaleido(8, 0x9af4ff, 0x2aa6d8, 81);
}

ImageRgb draw_kaleido_square(int)
{
    return draw_kaleido(4, 0xf0a8ff, 0x8a46e8, 82);
}

// The boss levels' floor light: a hot hexagonal kaleidoscope of warning reds, swapped in
// for the floor's own picture by floor_chooser.lua.
ImageRgb draw_kaleido_boss(int)
{
    return draw_kaleido(6, 0xff5a3c, 0xff1410, 83);
}

const Bitmap PLATES_HEX = {"floor_plates_hex", 0, draw_plates_hex, nullptr};
const Bitmap PLATES_SQUARE = {"floor_plates_square", 0, draw_plates_square, nullptr};
const Bitmap KALEIDO_1 = {"floor-1_1", 0, draw_kaleido_octagon, nullptr};
const Bitmap KALEIDO_2 = {"floor-1_2", 0, draw_kaleido_square, nullptr};
// The title's floor picture, written by art.cpp: named here, drawn there.
const Bitmap KALEIDO_3 = {"floor-1_3", 0, nullptr, nullptr};
const Bitmap KALEIDO_BOSS = {"floor_boss", 0, draw_kaleido_boss, nullptr};

struct FloorLook {
    const Bitmap *plates;
    uint32_t plate_colour;
    const Bitmap *light;
    uint32_t light_colour;
};

void build_floor(ModelBuilder &m, const FloorLook &look)
{
    int root = m.bone("mainbone_x");
    int floor = m.bone("floor", root);
    // The plate: 200 x 200 units, a tile every 20 units; a shade under the floor level so
    // footprints and rings at 0 lie on it.
    Paint plate = arena_solid(look.plates, look.plate_colour, Lighting::Unlit);
    plate.uv_scale = 10.0f;
    std::vector<RibbonPoint> strip;
    for (int i = 0; i <= 4; i++) {
        strip.push_back({{0, -100.0f + 50.0f * (float)i, -0.16f}, 200.0f, rgb(look.plate_colour)});
    }
    m.ribbon(floor, strip, plate);
    // The light: four quarter pictures, 100 units a side, whose centre (u 1, v 0) meets at
    // the origin, running along d (v) and out to the side s (u falling from 1). Each picture
    // is black from LIGHT_LIT of its side outward, and additive black changes nothing, so
    // each quarter is only the fan that covers its lit disc: a fifth fewer blended pixels
    // where the view takes in the arena's corners, the same picture everywhere.
    Paint glow = arena_glow(look.light, look.light_colour);
    const float dirs[4][2] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    const float reach = 100.0f * LIGHT_LIT / std::cos(0.25f * PI / (float)LIGHT_ARC_SIDES);
    for (const auto &d : dirs) {
        const float side[2] = {-d[1], d[0]};
        std::vector<Vec3> fan = {{0, 0, -0.08f}};
        for (int i = 0; i <= LIGHT_ARC_SIDES; i++) {
            float a = 0.5f * PI * (float)i / (float)LIGHT_ARC_SIDES;
            float c = std::cos(a), n = std::sin(a);
            fan.push_back({reach * (c * d[0] + n * side[0]), reach * (c * d[1] + n * side[1]), -0.08f});
        }
        const PlaneUv uv = {1.0f, -0.01f * side[0], -0.01f * side[1], 0.0f, 0.01f * d[0], 0.01f * d[1]};
        m.polygon(floor, fan, uv, glow);
    }
    m.swap_bitmap(&KALEIDO_BOSS);
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 142.0f);
}

}  // namespace

void model_roomer(ModelBuilder &m)
{
    const Paint socket = arena_solid(&ROOM_SOCKET, 0x3a4250);
    const Paint rim = arena_solid(&ROOM_SOCKET, 0x6a7890, Lighting::Radial);
    const Paint ring = arena_glow(&ARENA_RING, 0x3ac8ff);

    int root = m.bone("mainbone_x");
    const Layout &rest = LAYOUTS[0];
    int bones[PYLONS];
    for (int k = 0; k < PYLONS; k++) {
        char name[16];
        snprintf(name, sizeof(name), "pylon%d%d", (k + 1) / 10, (k + 1) % 10);
        float x, z;
        layout_point(rest, k, x, z);
        bones[k] = m.bone(name, root).at(x, -z, 0).turn(0, 0, facing(x, z));
        // A six-sided plinth with a lit rim and a ring of light on the floor round it.
        m.cylinder(bones[k], at(0, 0, -0.2f), 2.3f, 0.45f, 6, socket, 2.0f);
        m.torus(bones[k], at(0, 0, 0.22f), 2.05f, 0.16f, 6, 3, rim);
        m.sprite(bones[k], 6.4f, ring);
    }
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 110.0f);

    // Each layout: one pose, held for a few ticks, played once.
    for (const Layout &l : LAYOUTS) {
        Track &t = m.track(l.name).once();
        for (int hold = 0; hold < 2; hold++) {
            Key &k = t.key(hold ? 0.04f : 0.01f);
            for (int p = 0; p < PYLONS; p++) {
                float rx, rz, x, z;
                layout_point(rest, p, rx, rz);
                layout_point(l, p, x, z);
                float turn = facing(x, z) - facing(rx, rz);
                turn = turn > 180.0f ? turn - 360.0f : turn < -180.0f ? turn + 360.0f : turn;
                k.move(bones[p], x - rx, -(z - rz), 0).turn(bones[p], 0, 0, turn);
            }
        }
    }
}

void model_floor_1_1(ModelBuilder &m)
{
    build_floor(m, {&PLATES_HEX, 0x1c2634, &KALEIDO_1, 0x3e5468});
}

void model_floor_1_2(ModelBuilder &m)
{
    build_floor(m, {&PLATES_SQUARE, 0x231e30, &KALEIDO_2, 0x4a3e5c});
}

void model_floor_1_3(ModelBuilder &m)
{
    build_floor(m, {&PLATES_HEX, 0x16262a, &KALEIDO_3, 0x4a5a68});
}
