// models_player_shots.cpp -- what the player table fires and wears: bullets/bullet_1
// (both players' shot), bullet_3way, laser_1, the homing missile bullets/missile_1, and
// the power-up parts players/shield and players/spinner.
//
// Colours: the engine turns each to a hue from the player's (README.md, "Player
// colours"): bullet_1 takes the ship's own hue, so it is the ship's azure with a white
// core; the others (table slots 1 to 5) take the ship's hue + 180 degrees, so their base
// colours are warm pinks and salmons that come out green, aqua and cyan against the
// default azure ship. Cores are near white, which a hue turn leaves white. Every tinted
// part is a grey or white bitmap under a vertex colour.

#include "assetgen/shot_kit.h"

#include <cmath>
#include <string>

namespace {

// Hue-0 colours (after the engine's turn by 180 degrees: green, aqua, cyan, pale cyan).
constexpr uint32_t TURN_GREEN = 0xff74f3;
constexpr uint32_t TURN_AQUA = 0xff77a6;
constexpr uint32_t TURN_CYAN = 0xff9677;
constexpr uint32_t TURN_PALE = 0xffa98a;
constexpr uint32_t TURN_DEEP = 0xff7a43;

// A hex lattice of thin lines, seamless, for the shield's dome.
ImageRgb draw_hex(int)
{
    const int side = 64;
    ImageRgb img(side, side);
    for (int y = 0; y < side; y++) {
        for (int x = 0; x < side; x++) {
            // Distance to the nearest hex edge on a lattice of 16-pixel cells.
            float px = (float)x / 16.0f, py = (float)y / 13.856f;
            float best = 1e9f;
            for (int j = -1; j <= 5; j++) {
                for (int i = -1; i <= 5; i++) {
                    float cx = (float)i + ((j & 1) ? 0.5f : 0.0f);
                    float cyy = (float)j;
                    float dx = std::fabs(px - cx) * 16.0f, dy = std::fabs(py - cyy) * 13.856f;
                    float d = std::max(dx * 0.866f + dy * 0.5f, dy);
                    best = std::min(best, d);
                }
            }
            float edge = std::fabs(best - 7.0f);
            float v = std::max(0.0f, 1.0f - edge / 1.6f);
            uint8_t b = (uint8_t)(40.0f + 215.0f * v);
            uint8_t *p = img.at(x, y);
            p[0] = p[1] = p[2] = b;
        }
    }
    return img;
}

const Bitmap SHIELD_HEX = {"shield_hex", 0, draw_hex, nullptr};

}  // namespace

// Player 1's and player 2's shot: a white-cored azure dart with a glow and a streak,
// 1.5 units a tick for a second.
void model_bullet_1(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int core = m.bone("core", root);
    int halo = m.bone("glow", root).faces_camera();
    // The bolt flies flat and unlit: from above a flat diamond draws the same pixels as a
    // double point, with half its faces.
    m.prism(core, at(0, 0, -0.005f), {{0, -0.55f, 0}, {0.17f, 0, 0}, {0, 0.55f, 0}, {-0.17f, 0, 0}}, 0.01f,
            kit_unlit(&KIT_WHITE, 0xe4f6ff));
    m.ribbon(core,
             {{{0, 0.3f, 0}, 0.5f, rgb(0x8cd2ff)}, {{0, 1.2f, 0}, 0.34f, rgb(0x308eee)}, {{0, 2.4f, 0}, 0.06f, rgb(0x061830)}},
             kit_glow(&KIT_STRIP, 0xffffff));
    m.sprite(halo, 1.2f, kit_glow(&KIT_GLOW, 0x50a8ff));
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 0.5f);
    m.hit_sphere(core, {0, -0.15f, 0}, 0.4f);
    kit_flight(m, 1.5f, 1.0f, 0.1f, [&](Key &k, int i) { k.scale(halo, i % 2 ? 1.2f : 0.95f); });
    kit_die(m, {core, halo}, 2.0f, 0.15f);
    m.defaults({"fire"});
}

// The three-way shot: a chevron of light (green for the default ship), spinning flat
// as it flies; three of them fan out 14 degrees apart.
void model_bullet_3way(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int core = m.bone("core", root);
    int halo = m.bone("glow", root).faces_camera();
    m.prism(core, at(0, 0, -0.06f),
            {{0, -0.5f, 0}, {-0.38f, 0.3f, 0}, {-0.18f, 0.36f, 0}, {0, 0.05f, 0}, {0.18f, 0.36f, 0}, {0.38f, 0.3f, 0}},
            0.12f, kit_unlit(&KIT_WHITE, 0xfff0fc), 0.8f);
    m.ribbon(core, {{{0, 0.2f, 0.07f}, 0.55f, rgb(TURN_GREEN)}, {{0, 1.6f, 0.07f}, 0.05f, rgb(0x300828)}},
             kit_glow(&KIT_STRIP, 0xffffff));
    m.sprite(halo, 1.3f, kit_glow(&KIT_GLOW, TURN_GREEN));
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 0.55f);
    m.hit_sphere(core, {0, 0, 0}, 0.45f);
    kit_flight(m, 1.45f, 1.0f, 0.1f, [&](Key &k, int i) { k.scale(halo, i % 2 ? 1.15f : 0.9f); });
    kit_die(m, {core, halo}, 1.9f, 0.15f);
    m.defaults({"fire"});
}

// The laser: a long streak with a white core that passes through what it hits, 2.4 units
// a tick; at its fire rate of 0.05 s the streaks join into a beam.
void model_laser_1(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int core = m.bone("core", root);
    int halo = m.bone("glow", root).faces_camera();
    m.box(core, at(0, 0.6f, 0), {0.12f, 2.6f, 0.1f}, kit_unlit(&KIT_WHITE, 0xf0fff8));
    m.ribbon(core,
             {{{0, -0.8f, 0.06f}, 0.1f, rgb(TURN_AQUA)},
              {{0, -0.2f, 0.06f}, 0.6f, rgb(TURN_AQUA)},
              {{0, 1.4f, 0.06f}, 0.45f, rgb(TURN_AQUA)},
              {{0, 3.2f, 0.06f}, 0.05f, rgb(0x300810)}},
             kit_glow(&KIT_STRIP, 0xffffff));
    m.sprite(halo, 1.0f, kit_glow(&KIT_GLOW, TURN_AQUA));
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 0.5f);
    m.hit_sphere(core, {0, 0, 0}, 0.4f);
    kit_flight(m, 2.4f, 0.7f, 0.1f, [&](Key &k, int i) { k.scale(core, 1.0f, i % 2 ? 1.1f : 0.95f, 1.0f); });
    kit_die(m, {core, halo}, 1.6f, 0.12f);
    m.defaults({"fire"});
}

// The homing missile: a slim rocket (green fins for the default ship) that the engine
// launches as a tracking enemy; it burns out after two seconds.
void model_missile_1(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int body = m.bone("body", root).at(0, 0, 0).priority(1).health(1.0f);
    int flame = m.bone("flame", body).at(0, 0.62f, 0);
    int halo = m.bone("glow", body).at(0, 0.7f, 0).faces_camera();
    const Paint white = kit_lit(&KIT_PANEL, 0xe8ecf4);
    const Paint fin = kit_lit(&KIT_PANEL, TURN_GREEN);
    m.cylinder(body, at(0, 0.6f, 0).turn(90, 0, 0), 0.15f, 1.05f, 6, white);
    m.cylinder(body, at(0, -0.45f, 0).turn(90, 0, 0), 0.15f, 0.42f, 6, kit_unlit(&KIT_WHITE, TURN_GREEN), 0);
    for (int k = 0; k < 2; k++) {
        m.box(body, at(0, 0.42f, 0).turn(0, 45.0f + 90.0f * (float)k, 0), {0.05f, 0.34f, 0.66f}, fin);
    }
    m.ribbon(flame, {{{0, 0, 0}, 0.34f, rgb(0xfff8e0)}, {{0, 0.5f, 0}, 0.24f, rgb(0xffe0a0)}, {{0, 1.1f, 0}, 0.04f, rgb(0x302010)}},
             kit_glow(&KIT_STRIP, 0xffffff));
    m.sprite(halo, 0.9f, kit_glow(&KIT_GLOW, 0xfff0d0));
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 0.8f);
    m.hit_sphere(body, {0, 0, 0}, 0.45f);

    // Burn: the rocket rolls and its flame flickers.
    Track &burn = m.track("burn").loop(1);
    burn.key(0.01f);
    for (int k = 1; k <= 4; k++) {
        burn.key(0.06f).turn(body, 0, 90.0f * (float)k, 0).scale(flame, 1.0f, k % 2 ? 1.3f : 0.8f, 1.0f)
            .scale(halo, k % 2 ? 1.2f : 0.9f);
    }
    // Mutate: launched out of the ship, bursting to size.
    Track &mutate = m.track("mutate").once();
    mutate.key(0.01f).scale(root, 0.3f);
    mutate.key(0.1f).ease_out(30).scale(root, 1.2f).scale(halo, 1.8f);
    mutate.key(0.08f).ease_in(30);
    // Byebye: a white flash, the body tumbling away to nothing.
    Track &bye = m.track("byebye").once();
    bye.key(0.05f).scale(halo, 3.0f).turn(body, 30, 0, 0);
    bye.key(0.25f).ease_out(40).scale(root, 0.05f).scale(halo, 0.2f).turn(body, 90, 180, 0);
    // Hitbounce: a jolt.
    Track &bounce = m.track("hitbounce", body).once();
    bounce.key(0.04f).turn(body, 0, 0, 18);
    bounce.key(0.1f).ease_in(40);
    // Emerge and submerge: up out of the floor and back into it.
    Track &emerge = m.track("emerge").once();
    emerge.key(0.01f).move(root, 0, 0, -2.0f).scale(root, 0.5f);
    emerge.key(0.4f).ease_out(30);
    Track &submerge = m.track("submerge").once();
    submerge.key(0.4f).ease_in(30).move(root, 0, 0, -2.0f).scale(root, 0.5f);
    m.defaults({"burn"});
}

// The shield: a bubble of hex light round the ship with a bright rim and a ring that
// orbits it; now and then it shimmers.
void model_shield(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int dome = m.bone("dome", root);
    int rim = m.bone("rim", root);
    int orbit = m.bone("orbit", root).turn(62, 0, 0);
    Paint hex = kit_glow(&SHIELD_HEX, 0x6a3428);
    hex.clamp = false;
    hex.uv_scale = 2;
    m.sphere(dome, at(0, 0, -0.5f), {2.1f, 2.1f, 1.5f}, 12, 3, hex, true);
    m.torus(rim, at(0, 0, -0.5f), 2.1f, 0.07f, 16, 3, kit_glow(&KIT_WHITE, 0xb06a54));
    m.torus(orbit, at(0, 0, 0), 1.95f, 0.05f, 12, 3, kit_glow(&KIT_WHITE, 0x806050));
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 2.2f);
    m.hit_sphere(dome, {0, 0, 0}, 2.1f);

    // Turn: the ring orbits once a second and a half.
    Track &turn = m.track("turn").loop(1);
    turn.key(0.01f);
    for (int k = 1; k <= 3; k++) {
        turn.key(0.5f).turn(orbit, 0, 0, 120.0f * (float)k);
    }
    // Shimmer: the dome swells and brightens its rim, then settles.
    Track &shimmer = m.track("shimmer", dome).once();
    shimmer.key(0.12f).ease_out(40).scale(dome, 1.07f, 1.07f, 1.12f);
    shimmer.key(0.3f).ease_in(40);
    m.defaults({"turn"});
}

// The spinner: three sickle blades circling the ship at radius 3, each with a hit sphere
// of its own that cuts whatever it touches; a faint orbit line shows their reach.
void model_spinner(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int hub = m.bone("hub", root);
    m.torus(root, at(0, 0, 0), 3.0f, 0.04f, 12, 2, kit_glow(&KIT_WHITE, 0x4a3428));
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 4.0f);
    const Paint metal = kit_lit(&KIT_PANEL, TURN_PALE);
    const Paint edge = kit_glow(&KIT_STRIP, 0xffffff);
    for (int b = 0; b < 3; b++) {
        float a = 2.0943951f * (float)b;
        int blade = m.bone("blade_" + std::to_string(b + 1), hub)
                        .at(3.0f * std::cos(a), 3.0f * std::sin(a), 0)
                        .turn(0, 0, 120.0f * (float)b);
        // A sickle along the orbit (local +Y leads as the hub turns, +X points outward),
        // its sharp outer edge glowing and a trail on the orbit behind it.
        m.prism(blade, at(0, 0, -0.08f),
                {{0.05f, -1.15f, 0}, {0.38f, -0.6f, 0}, {0.5f, 0, 0}, {0.38f, 0.6f, 0}, {0.05f, 1.15f, 0},
                 {-0.08f, 0.55f, 0}, {-0.14f, 0, 0}, {-0.08f, -0.55f, 0}},
                0.16f, metal, 0.8f);
        m.ribbon(blade,
                 {{{0.12f, -1.1f, 0.09f}, 0.08f, rgb(TURN_PALE)}, {{0.45f, -0.5f, 0.09f}, 0.22f, rgb(TURN_PALE)},
                  {{0.55f, 0.2f, 0.09f}, 0.26f, rgb(TURN_PALE)}, {{0.4f, 0.8f, 0.09f}, 0.2f, rgb(TURN_PALE)},
                  {{0.1f, 1.2f, 0.09f}, 0.06f, rgb(TURN_PALE)}},
                 edge);
        m.ribbon(blade,
                 {{{0.1f, -0.9f, 0.03f}, 0.7f, rgb(TURN_DEEP)}, {{-0.1f, -1.8f, 0.03f}, 0.5f, rgb(TURN_DEEP)},
                  {{-0.6f, -2.8f, 0.03f}, 0.05f, rgb(0x201008)}},
                 edge);
        m.hit_sphere(blade, {0.15f, 0, 0}, 0.85f);
    }
    // Spin: a turn every 0.36 s, for ever.
    Track &spin = m.track("spin").loop(1);
    spin.key(0.01f);
    for (int k = 1; k <= 3; k++) {
        spin.key(0.12f).turn(hub, 0, 0, 120.0f * (float)k);
    }
    m.defaults({"spin"});
}
