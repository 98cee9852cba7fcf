// models_blocker.cpp -- the heavy movers and their rubble: the red blocker
// (beasties/blocker_red), the sliding wall (beasties/wall_1_flat) and the three sizes of
// rubble both break into (beasties/chunk_1, chunk_2, chunk_3).
//
// The blocker is a broad red ram, 6 units across, whose two front plates form a plough
// around a glowing slit; it hovers toward the ship on four jets. The wall is a 9-unit slab
// of grey plating with black and yellow hazard bands and a light that runs along its top;
// it slides side-on across the arena. Rubble is dark broken plating with hot red-orange
// fractures; its "spin1_x" tumbles it about its X axis while the enemy spins it about the
// vertical. Blockers and walls soak up shots: their health sits in armour plates with
// spheres of their own, so a shot is taken by the plate it meets.

#include "assetgen/model_bitmaps.h"
#include "assetgen/models.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t RED = 0xd8322a;
constexpr uint32_t RED_DARK = 0x8e1e1c;
constexpr uint32_t IRON = 0x4c4a50;
constexpr uint32_t SLATE = 0x8a8e96;
constexpr uint32_t SLATE_DARK = 0x5a5e66;
constexpr uint32_t HOT = 0xff6a20;
constexpr uint32_t GLOW_RED = 0xff3a2a;
constexpr uint32_t YELLOW = 0xffd23a;

ImageRgb draw_blocker_panel(int)
{
    return bitmap_panel(64, 2, 214, 0x3b0c);
}

ImageRgb draw_blocker_light(int)
{
    return bitmap_fill(8, 0xffffff);
}

ImageRgb draw_blocker_jet(int)
{
    return bitmap_glow(32, 0xffe8c0, 0xff5020, 1.6f, 0, 0.0f);
}

// Black and yellow diagonal bands (tinted by the vertex colour).
ImageRgb draw_wall_hazard(int)
{
    ImageRgb img(64, 64);
    for (int y = 0; y < 64; y++) {
        for (int x = 0; x < 64; x++) {
            bool band = ((x + y) / 16) % 2 == 0;
            uint8_t v = band ? 235 : 40;
            if ((x + y) % 16 == 0) {
                v = (uint8_t)(v * 0.7f);
            }
            uint8_t *p = img.at(x, y);
            p[0] = v;
            p[1] = band ? (uint8_t)(v * 0.82f) : v;
            p[2] = band ? 20 : v;
        }
    }
    return img;
}

// Broken plating: a panel with dark cracks.
ImageRgb draw_chunk_rock(int)
{
    ImageRgb img = bitmap_panel(64, 1, 200, 0x51c3);
    for (int i = 0; i < 64; i++) {
        int y1 = (int)(20 + 10 * std::sin(i * 0.21f)) & 63;
        int y2 = (int)(46 + 7 * std::sin(i * 0.37f + 1.0f)) & 63;
        for (int y : {y1, y2}) {
            uint8_t *p = img.at(i, y);
            for (int c = 0; c < 3; c++) {
                p[c] = (uint8_t)(p[c] / 3);
            }
        }
    }
    return img;
}

const Bitmap BLOCKER_PANEL = {"blocker_panel", 0, draw_blocker_panel, nullptr};
const Bitmap BLOCKER_LIGHT = {"blocker_light", 0, draw_blocker_light, nullptr};
const Bitmap BLOCKER_JET = {"blocker_jet", 0, draw_blocker_jet, nullptr};
const Bitmap WALL_HAZARD = {"wall_hazard", 0, draw_wall_hazard, nullptr};
const Bitmap CHUNK_ROCK = {"chunk_rock", 0, draw_chunk_rock, nullptr};

Paint plate(uint32_t colour, const Bitmap *bitmap = &BLOCKER_PANEL)
{
    return paint_plate(bitmap, colour);
}

Paint lamp(uint32_t colour)
{
    return paint_light(&BLOCKER_LIGHT, colour);
}

Paint glow(uint32_t colour)
{
    return paint_glow(&BLOCKER_JET, colour);
}

// Emerge, submerge, mutate and byebye of a slab whose parts are listed in parts: it
// rises from below, sinks, bulges into being, and bursts with its parts flying apart.
void slab_life(ModelBuilder &m, int root, int body, std::initializer_list<int> parts)
{
    Track &emerge = m.track("emerge").once();
    emerge.key(0.01f).move(root, 0, 0, -3.2f).turn(body, 12, 0, 0);
    emerge.key(0.5f).ease_out(30).move(root, 0, 0, 0.25f);
    emerge.key(0.2f).ease_in(40);

    Track &submerge = m.track("submerge").once();
    submerge.key(0.12f).move(root, 0, 0, 0.3f);
    submerge.key(0.38f).ease_out(50).move(root, 0, 0, -3.4f).turn(body, -10, 0, 0);

    Track &mutate = m.track("mutate").once();
    mutate.key(0.01f).scale(root, 0.3f);
    mutate.key(0.25f).ease_out(30).scale(root, 1.15f);
    mutate.key(0.12f).scale(root, 0.96f);
    mutate.key(0.1f).ease_in(40);

    Track &bye = m.track("byebye").once();
    Key &crack = bye.key(0.1f).scale(body, 1.08f);
    Key &apart = bye.key(0.3f).ease_out(50).move(root, 0, 0, -1.0f).scale(body, 0.3f);
    int i = 0;
    for (int p : parts) {
        float side = (i % 2) ? -1.0f : 1.0f;
        crack.move(p, side * 0.4f, -0.2f, 0.3f);
        apart.move(p, side * 2.5f, -1.5f + (float)i, 1.2f).turn(p, side * 70, 40, side * 90).scale(p, 0.4f);
        i++;
    }
}

// A hit that rocks the body back.
void slab_bounce(ModelBuilder &m, int body)
{
    Track &bounce = m.track("hitbounce", body).once();
    bounce.key(0.04f).turn(body, -8, 0, 0).move(body, 0, 0.3f, 0);
    bounce.key(0.14f).ease_in(40);
}

// A piece of rubble of about size units: two or three broken wedges (three-sided slabs,
// bevelled: eight faces where a box had twelve) round a hot fracture.
void chunk(ModelBuilder &m, float size, int pieces, uint32_t seed)
{
    int root = m.bone("mainbone_x");
    int body = m.bone("body", root).at(0, 0, 0.45f * size).health(1.0f);
    int core = m.bone("core", body).priority(1);
    const Paint rock = plate(0x8a8178, &CHUNK_ROCK);
    const Paint light_rock = plate(0xa59c90, &CHUNK_ROCK);
    for (int i = 0; i < pieces; i++) {
        uint32_t h = seed * 2654435761u + (uint32_t)i * 40503u;
        float a = (float)(h % 360);
        float r = size * (0.12f + 0.05f * (float)(i % 2));
        float x = r * std::cos(a * 0.0174533f);
        float y = r * std::sin(a * 0.0174533f);
        float w = size * (0.62f - 0.1f * (float)i);
        float d = size * 0.36f;
        // A broken wedge as wide as the slab it was, its corner knocked off at random.
        float k = 0.25f + 0.5f * (float)(h >> 20 & 15) / 15.0f;
        const std::vector<Vec3> wedge = {{-0.6f * w, -0.45f * w, 0}, {0.6f * w, -0.45f * w, 0}, {(k - 0.5f) * w, 0.5f * w, 0}};
        m.prism(body, at(x, y, -0.5f * d).turn((float)(h >> 8 & 63) - 32.0f, (float)(h >> 14 & 63) - 32.0f, a), wedge,
                d, i % 2 ? light_rock : rock, 0.7f);
    }
    // The hot fracture: two flat unlit sheets crossed through the wedges, so that one of
    // them shows however the rubble tumbles (one sheet alone went edge-on twice a turn).
    const float fx = size * 0.25f, fy = size * 0.21f;
    const std::vector<Vec3> sheet = {{-fx, -fy, 0}, {fx, -fy, 0}, {fx, fy, 0}, {-fx, fy, 0}};
    m.prism(core, at(0, 0, 0).turn(105, 25, 40), sheet, 0.01f, lamp(HOT));
    m.prism(core, at(0, 0, 0).turn(15, 25, 40), sheet, 0.01f, lamp(GLOW_RED));

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0.45f * size}, 0.55f * size);
    m.hit_sphere(body, {0, 0, 0}, 0.45f * size);

    // Tumble about X; the fractures smoulder.
    Track &spin = m.track("spin1_x", body).loop();
    spin.key(0.2f).turn(body, 120, 0, 0);
    spin.key(0.2f).turn(body, 240, 0, 0);
    spin.key(0.2f).turn(body, 360, 0, 0);
    Track &glowing = m.track("smoulder", core).loop();
    glowing.key(0.3f).ease_in(30).scale(core, 0.8f);
    glowing.key(0.3f).ease_out(30);

    Track &emerge = m.track("emerge").once();
    emerge.key(0.01f).scale(root, 0.4f);
    emerge.key(0.25f).ease_out(30);
    Track &mutate = m.track("mutate").once();
    mutate.key(0.01f).scale(root, 1.4f).turn(body, 30, 0, 20);
    mutate.key(0.3f).ease_out(40);
    Track &submerge = m.track("submerge").once();
    submerge.key(0.45f).ease_out(40).move(root, 0, 0, -size).scale(root, 0.5f);
    Track &bye = m.track("byebye").once();
    bye.key(0.08f).scale(body, 1.2f).scale(core, 1.6f);
    bye.key(0.25f).ease_out(40).scale(body, 0.05f).scale(core, 0.05f);
    Track &bounce = m.track("hitbounce", body).once();
    bounce.key(0.04f).turn(body, -20, 0, 0).scale(core, 1.5f);
    bounce.key(0.12f).ease_in(40);
    m.defaults({"smoulder"});
}

}  // namespace

void model_blocker_red(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int body = m.bone("body", root).at(0, 0, 1.4f).health(4.0f);
    int plate_l = m.bone("plate_l", body).at(1.2f, -1.75f, 0).health(2.5f);
    int plate_r = m.bone("plate_r", body).at(-1.2f, -1.75f, 0).health(2.5f);
    int eye = m.bone("eye", body).at(0, -1.3f, 1.05f).priority(1);
    int jets = m.bone("jets", body).at(0, 0, -1.05f).priority(2);

    // The hull: a broad red block, stepped on top, with an iron keel and exhausts.
    m.box(body, at(0, 0.35f, 0), {4.4f, 3.0f, 2.0f}, plate(RED), 0.8f);
    m.box(body, at(0, 0.6f, 1.15f), {2.6f, 1.8f, 0.45f}, plate(RED_DARK), 0.75f);
    for (float x : {-1.0f, 0.0f, 1.0f}) {
        m.box(body, at(x, 0.75f, 1.42f), {0.35f, 1.3f, 0.15f}, plate(IRON));
    }
    m.box(body, at(0, 0.35f, -0.9f), {3.6f, 2.6f, 0.5f}, plate(IRON));
    m.box(body, at(1.6f, 1.85f, 0.2f), {0.55f, 0.3f, 0.55f}, plate(IRON));
    m.box(body, at(-1.6f, 1.85f, 0.2f), {0.55f, 0.3f, 0.55f}, plate(IRON));
    // The plough: two angled slabs meeting before the eye.
    // Each plate's outer end sweeps back, so the two meet in a V before the eye.
    m.box(plate_l, at(0, 0, 0).turn(0, 0, 28), {2.9f, 0.6f, 2.3f}, plate(RED), 0.85f);
    m.box(plate_l, at(-0.16f, -0.32f, 1.0f).turn(0, 0, 28), {2.5f, 0.2f, 0.2f}, lamp(YELLOW));
    m.box(plate_r, at(0, 0, 0).turn(0, 0, -28), {2.9f, 0.6f, 2.3f}, plate(RED), 0.85f);
    m.box(plate_r, at(0.16f, -0.32f, 1.0f).turn(0, 0, -28), {2.5f, 0.2f, 0.2f}, lamp(YELLOW));
    m.box(eye, at(0, 0, 0), {1.4f, 0.3f, 0.3f}, lamp(GLOW_RED));
    for (int i = 0; i < 4; i++) {
        float x = (i & 1) ? 1.5f : -1.5f;
        float y = (i & 2) ? 1.2f : -0.6f;
        m.cylinder(jets, at(x, y, 0.15f).turn(180, 0, 0), 0.35f, 0.3f, 6, plate(IRON), 0.25f);
        m.box(jets, at(x, y, -0.2f), {0.45f, 0.45f, 0.06f}, glow(0xff8040));
    }

    m.hit_sphere(ModelBuilder::ACTOR, {0, -0.1f, 1.3f}, 3.3f);
    m.hit_sphere(plate_l, {-0.1f, 0, 0}, 1.35f);
    m.hit_sphere(plate_r, {0.1f, 0, 0}, 1.35f);
    m.hit_sphere(body, {0, 0.5f, 0}, 2.1f);

    // Alive: it hovers and its eye throbs; the jets flicker.
    Track &hover = m.track("hover").loop();
    hover.key(0.5f).ease_in(40).ease_out(40).move(body, 0, 0, 0.18f).turn(body, 2, 0, 0);
    hover.key(0.5f).ease_in(40).ease_out(40).move(body, 0, 0, -0.05f).turn(body, -1, 0, 0);
    Track &stare = m.track("stare", eye).loop();
    stare.key(0.2f).scale(eye, 1.2f);
    stare.key(0.4f).scale(eye, 0.85f);
    Track &jet = m.track("jet", jets).loop();
    jet.key(0.05f).scale(jets, 1.05f);
    jet.key(0.07f).scale(jets, 0.92f);
    slab_life(m, root, body, {plate_l, plate_r, eye});
    slab_bounce(m, body);
    m.defaults({"hover", "stare", "jet"});
}

void model_wall_1_flat(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int slab = m.bone("slab", root).at(0, 0, 1.5f).health(3.0f);
    int end_l = m.bone("end_l", slab).at(3.9f, 0, 0).health(2.0f);
    int end_r = m.bone("end_r", slab).at(-3.9f, 0, 0).health(2.0f);
    int runner = m.bone("runner", slab).at(0, 0, 1.45f).priority(1);

    // A long grey slab side-on to its path, hazard bands on both faces, iron end posts
    // with amber lamps, and a light running along its top edge.
    m.box(slab, at(0, 0, 0), {7.0f, 1.3f, 2.6f}, plate(SLATE));
    Paint hazard = plate(0xffffff, &WALL_HAZARD);
    hazard.uv_scale = 3;
    m.box(slab, at(0, 0, 1.36f), {6.8f, 1.0f, 0.14f}, hazard);
    m.box(slab, at(0, -0.68f, -0.55f), {6.6f, 0.08f, 0.7f}, hazard);
    m.box(slab, at(0, 0.68f, -0.55f), {6.6f, 0.08f, 0.7f}, hazard);
    for (float x : {-1.75f, 1.75f}) {
        m.box(slab, at(x, -0.7f, 0.35f), {0.3f, 0.14f, 1.9f}, plate(SLATE_DARK));
        m.box(slab, at(x, 0.7f, 0.35f), {0.3f, 0.14f, 1.9f}, plate(SLATE_DARK));
    }
    for (int end : {end_l, end_r}) {
        m.box(end, at(0, 0, 0), {1.0f, 1.8f, 3.0f}, plate(IRON), 0.85f);
        m.box(end, at(0, 0, 1.6f), {0.55f, 0.55f, 0.25f}, lamp(YELLOW));
    }
    m.box(runner, at(0, 0, 0.05f), {0.9f, 0.5f, 0.18f}, lamp(HOT));
    m.box(runner, at(0, 0, 0.02f), {1.6f, 0.7f, 0.05f}, glow(0xff9040));

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 1.5f}, 4.9f);
    m.hit_sphere(end_l, {0, 0, 0}, 1.0f);
    m.hit_sphere(end_r, {0, 0, 0}, 1.0f);
    for (float x : {2.4f, 0.8f, -0.8f, -2.4f}) {
        m.hit_sphere(slab, {x, 0, 0}, 0.85f);
    }

    // spin1_x: the light runs along the top and back while the wall drifts.
    Track &spin = m.track("spin1_x", runner).loop();
    spin.key(0.3f).move(runner, 3.0f, 0, 0);
    spin.key(0.6f).move(runner, -3.0f, 0, 0);
    spin.key(0.3f);
    Track &idle = m.track("idle").loop();
    idle.key(0.4f).ease_in(30).ease_out(30).scale(end_l, 1.03f).scale(end_r, 0.98f);
    idle.key(0.4f).ease_in(30).ease_out(30).scale(end_l, 0.98f).scale(end_r, 1.03f);
    slab_life(m, root, slab, {end_l, end_r, runner});
    slab_bounce(m, slab);
    m.defaults({"idle"});
}

void model_chunk_1(ModelBuilder &m)
{
    chunk(m, 3.3f, 3, 11);
}

void model_chunk_2(ModelBuilder &m)
{
    chunk(m, 2.6f, 3, 23);
}

void model_chunk_3(ModelBuilder &m)
{
    chunk(m, 2.0f, 2, 37);
}
