// models_pylons.cpp -- the pylons (pylons/pylon-F_V) that hang on the room's 24 pylon
// bones and carry the fence: one look per family, variants by shape and accent.
//
// Every pylon stands 3-4 units across and 7-10 tall on a plinth. Its bones "top_x" and
// "mid_x" hold the two fence strands (pylon_chooser.lua joins neighbours at top_x and, in
// full detail, every second pair at mid_x): 7.0 and 3.6 units up (the squat tower 5.4 and
// 2.8), each marked by a glowing node in the colour of the family's fence. The room turns
// each pylon so that its -Y faces the arena's centre. A default "hum" pulses the nodes and
// lights; the families whose scripts play "idle" now and then (3_1, 5_x, 6_3, 9_9) have a
// one-shot flourish of that name that ends in the rest pose.
//
// Families: 0 the proving ground's plain post (white, cyan light); 1 slim steel-blue
// columns; 2 ice crystal spikes; 3 an orange rotating beacon; 4 green ribbed towers; 5
// violet floating orbs; 6 golden tori; 9 the bosses' dark obelisk with a magenta crown.
// Scenery: one hit sphere, so their types never move, collide or take hits.

#include "assetgen/model_bitmaps.h"
#include "assetgen/models_arena.h"

#include <cmath>

namespace {

ImageRgb draw_pylon_panel(int)
{
    return bitmap_panel(64, 2, 214, 0x5107);
}

// Crystal facets: bright streaks along the length over a cloudy body.
ImageRgb draw_pylon_crystal(int)
{
    const int S = 64;
    ImageRgb img(S, S);
    for (int y = 0; y < S; y++) {
        for (int x = 0; x < S; x++) {
            float cloud = arena_noise((float)x / 16.0f, (float)y / 32.0f, 3, 53, 4);
            float streak = arena_noise((float)x / 4.0f, 0.5f, 2, 54, 16);
            arena_put(img, x, y, 0xffffff, 0.55f + 0.3f * cloud + 0.25f * streak * streak);
        }
    }
    return img;
}

const Bitmap PYLON_PANEL = {"pylon_panel", 0, draw_pylon_panel, nullptr};
const Bitmap PYLON_CRYSTAL = {"pylon_crystal", 0, draw_pylon_crystal, nullptr};

struct Look {
    uint32_t body;    // the main surfaces
    uint32_t trim;    // plinth, bands, caps
    uint32_t light;   // nodes and lamps, the fence's colour
};

// The bones every pylon has, and its plinth.
struct Frame {
    int root, body, top, mid, nodes;
    Look look;
};

Paint body_paint(const Look &l)
{
    return arena_solid(&PYLON_PANEL, l.body);
}

Paint trim_paint(const Look &l)
{
    return arena_solid(&PYLON_PANEL, l.trim);
}

Paint lamp_paint(uint32_t colour)
{
    return arena_solid(&ARENA_WHITE, colour, Lighting::Unlit);
}

// lean: the shaft's outward offset (+Y) per unit of height above the plinth, which the
// fence bones and their nodes follow.
Frame frame(ModelBuilder &m, const Look &look, float top_h, float mid_h, float height, float plinth = 1.8f,
            float lean = 0.0f)
{
    Frame f;
    f.look = look;
    f.root = m.bone("mainbone_x");
    f.body = m.bone("body", f.root);
    float top_y = lean * (top_h - 0.65f), mid_y = lean * (mid_h - 0.65f);
    f.top = m.bone("top_x", f.root).at(0, top_y, top_h);
    f.mid = m.bone("mid_x", f.root).at(0, mid_y, mid_h);
    f.nodes = m.bone("nodes", f.root).priority(1);
    int node_top = m.bone("node_top", f.nodes).at(0, top_y, top_h).faces_camera();
    int node_mid = m.bone("node_mid", f.nodes).at(0, mid_y, mid_h).faces_camera();
    // A stepped plinth: a wide low drum and a narrower collar.
    m.cylinder(f.body, at(0, 0, 0), plinth, 0.35f, 8, trim_paint(look), plinth * 0.9f);
    m.cylinder(f.body, at(0, 0, 0.35f), plinth * 0.72f, 0.3f, 6, body_paint(look), plinth * 0.6f);
    m.sprite(node_top, 2.2f, arena_glow(&ARENA_GLOW, look.light));
    m.sprite(node_mid, 1.8f, arena_glow(&ARENA_GLOW, look.light));
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, height * 0.5f}, height * 0.5f + 0.4f);
    // The nodes breathe, top and middle out of step.
    Track &hum = m.track("hum", f.nodes).loop();
    hum.key(0.01f).scale(node_top, 0.85f).scale(node_mid, 1.15f);
    hum.key(0.6f).ease_in(40).ease_out(40).scale(node_top, 1.2f).scale(node_mid, 0.8f);
    hum.key(0.6f).ease_in(40).ease_out(40).scale(node_top, 0.85f).scale(node_mid, 1.15f);
    m.defaults({"hum"});
    return f;
}

// A collar where a strand meets the pylon: a band of trim round the shaft.
void collars(ModelBuilder &m, const Frame &f, float radius, float top_h, float mid_h)
{
    for (float h : {top_h, mid_h}) {
        m.cylinder(f.body, at(0, 0, h - 0.2f), radius + 0.18f, 0.4f, 6, trim_paint(f.look));
    }
}

// An "idle" that turns a bone once round its Z axis (in three steps, so each key turns
// less than half a turn) and ends at rest; extra lifts and swells the bone meanwhile.
void idle_spin(ModelBuilder &m, int bone, float lift, float swell, float seconds)
{
    Track &idle = m.track("idle").once();
    idle.key(0.01f);
    idle.key(seconds / 3).ease_in(30).turn(bone, 0, 0, 120).move(bone, 0, 0, lift).scale(bone, swell);
    idle.key(seconds / 3).turn(bone, 0, 0, 240).move(bone, 0, 0, lift).scale(bone, swell);
    idle.key(seconds / 3).ease_out(30).turn(bone, 0, 0, 360);
}

// ---- family 0: the proving ground's plain post ----

const Look LOOK_0 = {0xb8c0cc, 0x5c6472, 0x8ae8ff};

// ---- family 1: slim steel-blue columns ----

const Look LOOK_1 = {0x5a8ad8, 0x34466a, 0x58a8ff};

void column_1(ModelBuilder &m, int variant)
{
    Frame f = frame(m, LOOK_1, 7.0f, 3.6f, 8.4f);
    Paint body = body_paint(f.look);
    Paint trim = trim_paint(f.look);
    if (variant == 3) {
        // Twisted: six square blocks, each turned further than the one below.
        for (int i = 0; i < 6; i++) {
            m.box(f.body, at(0, 0, 1.15f + 1.1f * (float)i).turn(0, 0, 15.0f * (float)i), {1.3f, 1.3f, 1.1f}, body, 0.92f);
        }
    } else {
        m.cylinder(f.body, at(0, 0, 0.65f), 0.75f, 6.9f, 8, body, 0.6f);
    }
    collars(m, f, variant == 3 ? 0.85f : 0.72f, 7.0f, 3.6f);
    m.cylinder(f.body, at(0, 0, 7.55f), 0.7f, 0.35f, 8, trim, 0.45f);
    if (variant == 2) {
        // A lamp on top, in a ring of three prongs.
        int lamp = m.bone("lamp", f.nodes).at(0, 0, 8.55f);
        m.sphere(lamp, at(0, 0, 0), {0.62f, 0.62f, 0.62f}, 6, 3, lamp_paint(0xa8d8ff));
        for (int i = 0; i < 3; i++) {
            m.box(f.body, at(0, 0, 8.3f).turn(0, 0, 120.0f * (float)i), {0.16f, 1.5f, 0.7f}, trim);
        }
    }
    if (variant == 4) {
        // Three fins standing out from the shaft, lower end wide.
        for (int i = 0; i < 3; i++) {
            float a = 120.0f * (float)i + 90.0f;
            Place p = at(0, 0, 3.2f).turn(0, 0, a);
            m.box(f.body, Place{{1.15f * cosf(a * 0.0174533f), 1.15f * sinf(a * 0.0174533f), 3.2f}, p.angles},
                  {0.9f, 0.14f, 5.0f}, trim, 0.45f);
        }
    }
    m.cylinder(f.body, at(0, 0, 7.9f), 0.42f, 0.5f, 6, variant == 2 ? trim : lamp_paint(f.look.light), 0.0f);
}

// ---- family 2: ice crystal spikes ----

const Look LOOK_2 = {0x8ed6f4, 0x3a5a70, 0xc8f4ff};

void crystal(ModelBuilder &m, int variant)
{
    float tall = variant == 3 ? 10.0f : 8.2f;
    Frame f = frame(m, LOOK_2, 7.0f, 3.6f, tall);
    Paint ice = arena_solid(&PYLON_CRYSTAL, f.look.body, Lighting::Normal);
    Paint glow_ice = arena_glow(&ARENA_GLOW, 0x3c7cb0);
    // The main spike: a six-sided prism ending in a point.
    m.cylinder(f.body, at(0, 0, 0.6f), 0.95f, tall - 2.4f, 6, ice, 0.8f);
    m.cylinder(f.body, at(0, 0, tall - 1.8f), 0.8f, 1.8f, 6, ice, 0.0f);
    // A soft inner light along it.
    int core = m.bone("core", f.nodes).at(0, 0, tall * 0.5f).faces_camera();
    m.sprite(core, 3.0f, glow_ice);
    if (variant == 2) {
        // A cluster: three smaller spikes leaning out round the main one.
        for (int i = 0; i < 3; i++) {
            float a = 120.0f * (float)i + 30.0f;
            float r = 0.0174533f * a;
            Place p{{1.0f * cosf(r), 1.0f * sinf(r), 0.4f}, {0, 0, 0}};
            int spike = m.bone("spike" + std::to_string(i), f.body).at(p.pos.x, p.pos.y, p.pos.z).turn(0, 24, a);
            m.cylinder(spike, at(0, 0, 0), 0.5f, 3.0f + (float)i * 0.6f, 6, ice, 0.42f);
            m.cylinder(spike, at(0, 0, 3.0f + (float)i * 0.6f), 0.42f, 1.0f, 6, ice, 0.0f);
        }
    }
    // Shards at the foot.
    for (int i = 0; i < 4; i++) {
        float a = 90.0f * (float)i + 45.0f;
        float r = 0.0174533f * a;
        m.box(f.body, Place{{1.25f * cosf(r), 1.25f * sinf(r), 0.55f}, {0, -20, a}}, {0.5f, 0.5f, 1.0f}, ice, 0.3f);
    }
}

// ---- family 3: the rotating beacon ----

const Look LOOK_3 = {0xd87a2c, 0x4a3226, 0xffa040};

void beacon(ModelBuilder &m)
{
    Frame f = frame(m, LOOK_3, 7.0f, 3.6f, 9.2f);
    Paint body = body_paint(f.look);
    Paint trim = trim_paint(f.look);
    m.cylinder(f.body, at(0, 0, 0.65f), 1.0f, 6.0f, 8, body, 0.7f);
    collars(m, f, 0.9f, 7.0f, 3.6f);
    m.cylinder(f.body, at(0, 0, 6.65f), 0.75f, 0.8f, 8, trim, 0.75f);
    // The head turns: a housing with a lens on one side and its beam of light.
    int head = m.bone("head", f.root).at(0, 0, 7.6f);
    m.box(head, at(0, 0, 0.55f), {1.7f, 1.7f, 1.1f}, trim, 0.85f);
    m.cylinder(head, at(0, 0, 1.1f), 0.9f, 0.4f, 8, body, 0.2f);
    m.box(head, at(0, -0.9f, 0.55f), {1.0f, 0.2f, 0.7f}, lamp_paint(0xffd890));
    int lamp = m.bone("lamp", head).at(0, -1.0f, 0.55f);
    m.ribbon(lamp, {{{0, 0, 0}, 0.8f, rgb(0xffb060)}, {{0, -1.1f, 0}, 1.3f, rgb(0x803010)}, {{0, -2.0f, 0}, 1.7f, rgb(0x000000)}},
             arena_glow(&ARENA_WHITE, 0xffffff));
    Track &idle = m.track("idle").once();
    idle.key(0.01f);
    for (int step = 1; step <= 6; step++) {
        idle.key(0.3f).turn(head, 0, 0, 120.0f * (float)step);
    }
}

// ---- family 4: green ribbed towers ----

const Look LOOK_4 = {0x4a9650, 0x24382a, 0x70ff7a};

void tower(ModelBuilder &m, int variant)
{
    bool squat = variant == 5;
    float top_h = squat ? 5.4f : 7.0f, mid_h = squat ? 2.8f : 3.6f;
    float height = squat ? 6.2f : variant == 6 ? 10.5f : 8.2f;
    const float lean = variant == 4 ? 0.158f : 0.0f;   // 9 degrees
    Frame f = frame(m, LOOK_4, top_h, mid_h, height, squat ? 2.0f : 1.8f, lean);
    Paint body = body_paint(f.look);
    Paint trim = trim_paint(f.look);
    float w = squat ? 2.0f : 1.4f;
    int shaft = f.body;
    if (variant == 4) {
        // Leaning outward (away from the arena, +Y), the fence holds on the lean.
        shaft = m.bone("lean", f.body).at(0, 0, 0.65f).turn(-9, 0, 0);
        m.box(shaft, at(0, 0, 3.2f), {w, w, 6.4f}, body, 0.75f);
    } else {
        m.box(shaft, at(0, 0, 0.65f + (top_h + 0.3f - 0.65f) * 0.5f), {w, w, top_h + 0.3f - 0.65f}, body, 0.78f);
    }
    // Ribs: flat wide bands up the tower.
    float base = variant == 4 ? 0.6f : 1.2f;
    int ribs = squat ? 3 : 4;
    for (int i = 0; i < ribs; i++) {
        float h = base + (float)i * (squat ? 1.4f : 1.55f);
        float k = 1.0f - 0.05f * (float)i;
        m.box(shaft, at(0, 0, h), {w * 1.25f * k, w * 1.25f * k, 0.3f}, trim);
    }
    float cap = variant == 4 ? 6.4f : top_h + 0.3f;
    if (variant == 2 || variant == 6) {
        m.box(shaft, at(0, 0, cap + 0.5f), {w * 1.3f, w * 1.3f, 1.0f}, trim, 0.1f);
    } else {
        m.box(shaft, at(0, 0, cap + 0.15f), {w * 1.2f, w * 1.2f, 0.3f}, trim);
    }
    if (variant == 3) {
        for (float h : {2.2f, 5.0f}) {
            m.torus(shaft, at(0, 0, h), w * 0.95f, 0.2f, 8, 3, arena_solid(&ARENA_WHITE, f.look.light, Lighting::Unlit));
        }
    }
    if (variant == 6) {
        m.cylinder(shaft, at(0, 0, cap + 1.0f), 0.25f, 2.6f, 4, body, 0.02f);
    }
    // Lit slits on the faces.
    for (int s = 0; s < 4; s++) {
        float a = 90.0f * (float)s;
        float r = 0.0174533f * a;
        float d = w * 0.5f * (variant == 4 ? 0.92f : 0.9f) + 0.02f;
        m.box(shaft, Place{{d * cosf(r), d * sinf(r), squat ? 2.0f : 2.9f}, {0, 0, a}}, {0.08f, 0.3f, squat ? 1.2f : 1.9f},
              lamp_paint(f.look.light));
    }
}

// ---- family 5: violet floating orbs ----

const Look LOOK_5 = {0x8a58d8, 0x2e2444, 0xc890ff};

void orb(ModelBuilder &m, int variant)
{
    Frame f = frame(m, LOOK_5, 7.0f, 3.6f, 8.6f);
    Paint trim = trim_paint(f.look);
    Paint shell = arena_solid(&ARENA_WHITE, f.look.body, Lighting::Radial);
    Paint glow = arena_glow(&ARENA_GLOW, 0x7a40c0);
    // A low stem and a ring that the orb floats above.
    m.cylinder(f.body, at(0, 0, 0.65f), 0.45f, 1.6f, 6, trim, 0.3f);
    m.torus(f.body, at(0, 0, 2.3f), 0.95f, 0.18f, 6, 3, lamp_paint(f.look.light));
    int hover = m.bone("hover", f.root);
    int orb_top = m.bone("orb", hover).at(0, 0, variant == 2 ? 7.0f : 6.2f);
    m.sphere(orb_top, at(0, 0, 0), {1.25f, 1.25f, 1.25f}, 8, 4, shell);
    int halo = m.bone("halo", orb_top).faces_camera();
    m.sprite(halo, 4.0f, glow);
    if (variant == 2) {
        int orb_low = m.bone("orb_low", hover).at(0, 0, 3.6f);
        m.sphere(orb_low, at(0, 0, 0), {0.95f, 0.95f, 0.95f}, 8, 4, shell);
        int halo_low = m.bone("halo_low", orb_low).faces_camera();
        m.sprite(halo_low, 3.0f, glow);
    }
    if (variant == 3) {
        // A cage of four bars round the orb, capped by a ring.
        for (int i = 0; i < 4; i++) {
            float r = 0.0174533f * (90.0f * (float)i + 45.0f);
            m.box(f.body, at(1.55f * cosf(r), 1.55f * sinf(r), 5.0f), {0.22f, 0.22f, 5.2f}, trim);
        }
        m.torus(f.body, at(0, 0, 7.6f), 1.55f, 0.2f, 8, 3, trim);
        m.cylinder(f.body, at(0, 0, 2.45f), 1.75f, 0.3f, 8, trim);
    }
    // Idle: the orbs rise, spin and settle.
    Track &idle = m.track("idle").once();
    idle.key(0.01f);
    idle.key(0.5f).ease_in(40).move(hover, 0, 0, 0.6f).turn(hover, 0, 0, 120);
    idle.key(0.5f).move(hover, 0, 0, 0.6f).turn(hover, 0, 0, 240).scale(orb_top, 1.12f);
    idle.key(0.6f).ease_out(40).turn(hover, 0, 0, 360);
}

// ---- family 6: golden tori ----

const Look LOOK_6 = {0xd8a838, 0x4a3818, 0xffd860};

void torus_pylon(ModelBuilder &m, int variant)
{
    Frame f = frame(m, LOOK_6, 7.0f, 3.6f, 9.0f);
    Paint body = body_paint(f.look);
    Paint trim = trim_paint(f.look);
    Paint gold = arena_solid(&PYLON_PANEL, f.look.body, Lighting::Radial);
    m.cylinder(f.body, at(0, 0, 0.65f), 0.5f, variant == 2 ? 7.4f : 6.2f, 6, trim, 0.35f);
    collars(m, f, 0.55f, 7.0f, 3.6f);
    if (variant == 1) {
        // An upright ring facing the arena, on the stalk.
        int ring = m.bone("ring", f.root).at(0, 0, 7.9f).turn(90, 0, 0);
        m.torus(ring, at(0, 0, 0), 1.35f, 0.32f, 10, 4, gold);
        int glow = m.bone("ring_glow", ring).faces_camera();
        m.sprite(glow, 2.4f, arena_glow(&ARENA_GLOW, 0x806010));
    } else if (variant == 2) {
        // Three rings stacked on the stalk, the middle one widest.
        for (int i = 0; i < 3; i++) {
            float r = i == 1 ? 1.5f : 1.15f;
            m.torus(f.body, at(0, 0, 2.4f + 2.3f * (float)i), r, 0.26f, 8, 3, gold);
        }
    } else {
        // A ring spinning about the stalk on a hub.
        int hub = m.bone("hub", f.root).at(0, 0, 7.6f);
        int spin = m.bone("spin", hub).priority(2);
        m.torus(spin, at(0, 0, 0).turn(90, 0, 0), 1.5f, 0.3f, 10, 4, gold);
        m.box(spin, at(0, 0, 0), {3.0f, 0.18f, 0.18f}, body);
        Track &turn = m.track("turn", spin).loop();
        turn.key(0.01f);
        turn.key(1.0f).turn(spin, 0, 0, 120);
        turn.key(1.0f).turn(spin, 0, 0, 240);
        turn.key(1.0f).turn(spin, 0, 0, 360);
        m.defaults({"hum", "turn"});
        idle_spin(m, hub, 0.5f, 1.15f, 1.2f);
    }
    m.sphere(f.body, at(0, 0, variant == 2 ? 8.3f : 7.0f), {0.45f, 0.45f, 0.45f}, 6, 3, lamp_paint(f.look.light));
}

// ---- family 9: the bosses' obelisk ----

const Look LOOK_9 = {0x3a2a48, 0x1c1424, 0xff4ad0};

void obelisk(ModelBuilder &m)
{
    Frame f = frame(m, LOOK_9, 7.0f, 3.6f, 10.2f, 2.0f);
    Paint body = body_paint(f.look);
    Paint trim = trim_paint(f.look);
    m.box(f.body, at(0, 0, 0.65f + 3.6f), {1.8f, 1.8f, 7.2f}, body, 0.62f);
    // Glowing runes down the faces.
    for (int s = 0; s < 4; s++) {
        float r = 0.0174533f * (90.0f * (float)s);
        for (int i = 0; i < 3; i++) {
            float h = 1.8f + 1.6f * (float)i;
            float d = 0.9f - 0.05f * (float)i * 1.6f - 0.02f;
            m.box(f.body, Place{{d * cosf(r), d * sinf(r), h}, {0, 0, 90.0f * (float)s}}, {0.06f, 0.5f, 0.7f},
                  lamp_paint(0xd83ab0));
        }
    }
    // The crown: four prongs round a hot core.
    int crown = m.bone("crown", f.root).at(0, 0, 7.85f);
    for (int i = 0; i < 4; i++) {
        float a = 90.0f * (float)i + 45.0f;
        float r = 0.0174533f * a;
        m.box(crown, Place{{0.75f * cosf(r), 0.75f * sinf(r), 0.9f}, {0, 0, a}}, {0.3f, 0.3f, 1.8f}, trim, 0.2f);
    }
    m.sphere(crown, at(0, 0, 1.0f), {0.6f, 0.6f, 0.8f}, 6, 3, lamp_paint(0xffa0f0));
    int flare = m.bone("flare", crown).at(0, 0, 1.0f).faces_camera();
    m.sprite(flare, 4.4f, arena_glow(&ARENA_STAR, f.look.light));
    idle_spin(m, crown, 0.7f, 1.25f, 1.5f);
}

}  // namespace

void model_pylon_0_0(ModelBuilder &m)
{
    Frame f = frame(m, LOOK_0, 7.0f, 3.6f, 8.2f);
    m.box(f.body, at(0, 0, 0.65f + 3.5f), {1.3f, 1.3f, 7.0f}, body_paint(f.look), 0.8f);
    collars(m, f, 0.8f, 7.0f, 3.6f);
    m.box(f.body, at(0, 0, 7.9f), {1.2f, 1.2f, 0.5f}, lamp_paint(f.look.light), 0.5f);
}

void model_pylon_1_1(ModelBuilder &m) { column_1(m, 1); }
void model_pylon_1_2(ModelBuilder &m) { column_1(m, 2); }
void model_pylon_1_3(ModelBuilder &m) { column_1(m, 3); }
void model_pylon_1_4(ModelBuilder &m) { column_1(m, 4); }
void model_pylon_2_1(ModelBuilder &m) { crystal(m, 1); }
void model_pylon_2_2(ModelBuilder &m) { crystal(m, 2); }
void model_pylon_2_3(ModelBuilder &m) { crystal(m, 3); }
void model_pylon_3_1(ModelBuilder &m) { beacon(m); }
void model_pylon_4_1(ModelBuilder &m) { tower(m, 1); }
void model_pylon_4_2(ModelBuilder &m) { tower(m, 2); }
void model_pylon_4_3(ModelBuilder &m) { tower(m, 3); }
void model_pylon_4_4(ModelBuilder &m) { tower(m, 4); }
void model_pylon_4_5(ModelBuilder &m) { tower(m, 5); }
void model_pylon_4_6(ModelBuilder &m) { tower(m, 6); }
void model_pylon_5_1(ModelBuilder &m) { orb(m, 1); }
void model_pylon_5_2(ModelBuilder &m) { orb(m, 2); }
void model_pylon_5_3(ModelBuilder &m) { orb(m, 3); }
void model_pylon_6_1(ModelBuilder &m) { torus_pylon(m, 1); }
void model_pylon_6_2(ModelBuilder &m) { torus_pylon(m, 2); }
void model_pylon_6_3(ModelBuilder &m) { torus_pylon(m, 3); }
void model_pylon_9_9(ModelBuilder &m) { obelisk(m); }
