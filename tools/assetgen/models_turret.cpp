// models_turret.cpp -- the turrets: the big turret (beasties/turret_1_big, shared by the
// types turret_1_big, turret_1_med and turret_bigemerge), the small turret
// (beasties/turret_1_sma, types turret_1_sma and turret_smallemerge) and the wreck a big
// turret leaves (beasties/turret_base).
//
// Turrets stand where they emerge and turn their head (turret_x, the shaft bone of their
// "around_only_aim" weapons) toward the ship. The family reads from above as an indigo
// armoured head on a dark octagonal footing with amber warning lights; the big one carries
// twin side guns, a heavy centre cannon and a rocket rack, the small one a single gun on a
// post. Gun bones sit at their muzzles (shots leave the translation of the gun bone) with
// the barrel behind them along +Y. Guns and the rack break: shot to 0 they collapse, and
// the bones listed right after each (its coil, the rack's hatch) share its health, so the
// next hit sphere after a gun's is on a bone listed later.

#include "assetgen/model_bitmaps.h"
#include "assetgen/models.h"

namespace {

constexpr uint32_t INDIGO = 0x5a66ee;
constexpr uint32_t INDIGO_DARK = 0x3842aa;
constexpr uint32_t GUNMETAL = 0x4a505c;
constexpr uint32_t STEEL = 0x7d8696;
constexpr uint32_t AMBER = 0xffb030;
constexpr uint32_t EYE_RED = 0xff4a2a;
constexpr uint32_t SOOT = 0x34302c;

ImageRgb draw_turret_panel(int)
{
    return bitmap_panel(64, 2, 220, 0x7a11);
}

ImageRgb draw_turret_light(int)
{
    return bitmap_fill(8, 0xffffff);
}

ImageRgb draw_turret_smoke(int)
{
    return bitmap_glow(64, 0x8a8680, 0x3a3836, 0.6f, 0, 0.0f);
}

ImageRgb draw_turret_ember(int)
{
    return bitmap_glow(32, 0xffe0a0, 0xff4010, 1.4f, 5, 12.0f);
}

const Bitmap TURRET_PANEL = {"turret_panel", 0, draw_turret_panel, nullptr};
const Bitmap TURRET_LIGHT = {"turret_light", 0, draw_turret_light, nullptr};
const Bitmap TURRET_SMOKE = {"turret_smoke", 0, draw_turret_smoke, nullptr};
const Bitmap TURRET_EMBER = {"turret_ember", 0, draw_turret_ember, nullptr};

Paint plate(uint32_t colour)
{
    return paint_plate(&TURRET_PANEL, colour);
}

Paint lamp(uint32_t colour)
{
    return paint_light(&TURRET_LIGHT, colour);
}

// A side gun in its bone's space: the muzzle at the origin, the barrel back along +Y.
void side_gun(ModelBuilder &m, int gun, int coil)
{
    m.cylinder(gun, at(0, 0.05f, 0).turn(-90, 0, 0), 0.27f, 2.5f, 5, plate(STEEL));
    m.box(gun, at(0, 0.2f, 0), {0.62f, 0.45f, 0.62f}, plate(GUNMETAL));
    m.box(gun, at(0, 2.35f, 0), {0.8f, 0.9f, 0.75f}, plate(INDIGO_DARK));
    m.cylinder(coil, at(0, -0.15f, 0).turn(-90, 0, 0), 0.36f, 0.3f, 6, lamp(AMBER));
}

// The life-cycle animations every turret shares: rise out of the floor, sink into it,
// bulge into being, burst apart, jolt.
void turret_life(ModelBuilder &m, int root, int turret, int head, std::initializer_list<int> guns)
{
    Track &emerge = m.track("emerge").once();
    Key &low = emerge.key(0.01f).move(root, 0, 0, -3.4f).scale(root, 0.85f).turn(turret, 0, 0, -70);
    for (int g : guns) {
        low.turn(g, 25, 0, 0);
    }
    emerge.key(0.55f).ease_out(30).move(root, 0, 0, 0.2f).turn(turret, 0, 0, 12);
    emerge.key(0.25f).ease_in(40);

    Track &submerge = m.track("submerge").once();
    Key &fold = submerge.key(0.15f).turn(turret, 0, 0, 25);
    for (int g : guns) {
        fold.turn(g, 20, 0, 0);
    }
    Key &down = submerge.key(0.35f).ease_out(50).move(root, 0, 0, -3.6f).scale(root, 0.85f).turn(turret, 0, 0, 60);
    for (int g : guns) {
        down.turn(g, 30, 0, 0);
    }

    Track &mutate = m.track("mutate").once();
    mutate.key(0.01f).scale(root, 0.3f);
    mutate.key(0.28f).ease_out(30).scale(root, 1.18f).move(head, 0, 0, 0.3f);
    mutate.key(0.14f).scale(root, 0.95f);
    mutate.key(0.12f).ease_in(40);

    Track &bye = m.track("byebye").once();
    Key &burst = bye.key(0.12f).move(head, 0, 0, 1.6f).turn(head, 25, -10, 60).move(turret, 0, 0, 0.4f);
    float side = 1.0f;
    for (int g : guns) {
        burst.move(g, side * 1.2f, -0.6f, 0.8f).turn(g, -40, side * 30, 0);
        side = -side;
    }
    Key &gone = bye.key(0.38f).ease_out(50).move(head, 0, 0, 3.5f).turn(head, 60, -30, 200).scale(head, 0.2f)
                    .move(root, 0, 0, -1.8f).scale(root, 0.3f);
    side = 1.0f;
    for (int g : guns) {
        gone.move(g, side * 3.0f, -1.0f, -0.5f).turn(g, -90, side * 80, 0).scale(g, 0.3f);
        side = -side;
    }

    Track &bounce = m.track("hitbounce", head).once();
    bounce.key(0.04f).turn(head, -12, 0, 0).move(head, 0, 0.35f, 0.1f);
    bounce.key(0.16f).ease_in(40);
}

}  // namespace

void model_turret_1_big(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int turret = m.bone("turret_x", root).at(0, 0, 0.9f);
    int gun_l = m.bone("gun_l_x", turret).at(1.45f, -3.3f, 0.75f).health(1.5f).breakable();
    int coil_l = m.bone("gun_l_coil", gun_l).at(0, 1.2f, 0);
    int gun_r = m.bone("gun_r_x", turret).at(-1.45f, -3.3f, 0.75f).health(1.5f).breakable();
    int coil_r = m.bone("gun_r_coil", gun_r).at(0, 1.2f, 0);
    int gun = m.bone("gun_x", turret).at(0, -3.75f, 0.45f).health(2.0f).breakable();
    int coil = m.bone("gun_c_coil", gun).at(0, 1.7f, 0);
    int rack = m.bone("rack_x", turret).at(0, 1.55f, 1.3f).health(1.5f).breakable();
    int hatch = m.bone("rack_hatch", rack).at(0, 0.3f, 0.45f);
    int radar = m.bone("radar", turret).at(-1.0f, 0.9f, 1.35f).priority(1);
    int head = m.bone("head", turret).priority(2).health(6.0f);
    int plinth = m.bone("plinth", root);

    // The footing: a dark octagon with a lighter rim, four anchor blocks and amber
    // running lights at the corners.
    m.cylinder(plinth, at(0, 0, 0).turn(0, 0, 22.5f), 3.1f, 0.8f, 8, plate(GUNMETAL), 2.7f);
    for (int i = 0; i < 4; i++) {
        float x = (i & 1) ? 2.35f : -2.35f;
        float y = (i & 2) ? 2.35f : -2.35f;
        m.box(plinth, at(x, y, 0.3f).turn(0, 0, 45), {1.1f, 1.1f, 0.6f}, plate(SOOT), 0.7f);
        if (y < 0) {
            m.box(plinth, at(x * 1.08f, y * 1.08f, 0.62f), {0.35f, 0.35f, 0.12f}, lamp(AMBER));
        }
    }

    // The head: a wedge of indigo armour with cheek plates, a red sensor slit in front
    // and a dome on top; the guns and the rack hang on it and turn with it.
    m.box(head, at(0, 0, 0.6f), {3.4f, 3.6f, 1.2f}, plate(INDIGO), 0.72f);
    m.box(head, at(1.85f, -0.2f, 0.5f), {0.5f, 2.6f, 0.9f}, plate(INDIGO_DARK), 0.8f);
    m.box(head, at(-1.85f, -0.2f, 0.5f), {0.5f, 2.6f, 0.9f}, plate(INDIGO_DARK), 0.8f);
    m.box(head, at(0, -1.72f, 0.75f), {1.5f, 0.2f, 0.28f}, lamp(EYE_RED));
    m.sphere(head, at(0, 0.2f, 1.2f), {1.0f, 1.1f, 0.6f}, 6, 2, plate(INDIGO_DARK), true);

    side_gun(m, gun_l, coil_l);
    side_gun(m, gun_r, coil_r);
    // The centre cannon: heavier, with a boxy brake and a double coil.
    m.cylinder(gun, at(0, 0.1f, 0).turn(-90, 0, 0), 0.38f, 3.1f, 6, plate(STEEL));
    m.box(gun, at(0, 0.15f, 0), {0.95f, 0.5f, 0.7f}, plate(GUNMETAL), 0.85f);
    m.cylinder(coil, at(0, -0.3f, 0).turn(-90, 0, 0), 0.5f, 0.5f, 6, lamp(AMBER));

    // The rocket rack on the back of the head: six warheads peeping out of the front,
    // under a hatch.
    m.box(rack, at(0, 0, 0), {2.1f, 1.3f, 0.85f}, plate(INDIGO_DARK));
    for (int i = 0; i < 4; i++) {
        float x = (i & 1) ? 0.5f : -0.5f;
        float z = (i & 2) ? 0.2f : -0.18f;
        m.cylinder(rack, at(x, -0.6f, z).turn(90, 0, 0), 0.17f, 0.4f, 4, lamp(EYE_RED), 0.0f);
    }
    m.box(hatch, at(0, 0, 0), {2.2f, 1.1f, 0.12f}, plate(STEEL));

    // A radar dish on a mast, spinning.
    m.cylinder(radar, at(0, 0, 0), 0.1f, 0.6f, 4, plate(STEEL));
    m.cylinder(radar, at(0, 0, 0.55f).turn(60, 0, 0), 0.7f, 0.12f, 6, plate(STEEL), 0.25f);

    // Spheres: the whole turret, each breakable part, the head, the footing last.
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 1.0f}, 4.3f);
    m.hit_sphere(gun_l, {0, 1.2f, 0}, 0.65f);
    m.hit_sphere(gun_r, {0, 1.2f, 0}, 0.65f);
    m.hit_sphere(gun, {0, 1.5f, 0}, 0.8f);
    m.hit_sphere(rack, {0, 0, 0}, 1.05f);
    m.hit_sphere(head, {0, 0, 0.6f}, 1.95f);
    m.hit_sphere(plinth, {0, 0, 0.4f}, 3.1f);

    // Alive: the radar turns, the coils throb.
    Track &spin = m.track("spin", radar).loop();
    spin.key(0.4f).turn(radar, 0, 0, 120);
    spin.key(0.4f).turn(radar, 0, 0, 240);
    spin.key(0.4f).turn(radar, 0, 0, 360);
    for (int c : {coil_l, coil_r, coil}) {
        const char *name = c == coil_l ? "throb_l" : c == coil_r ? "throb_r" : "throb_c";
        Track &throb = m.track(name, c).loop();
        throb.key(0.25f).ease_in(30).scale(c, 1.25f);
        throb.key(0.35f).ease_out(30);
    }
    turret_life(m, root, turret, head, {gun_l, gun_r, gun});
    m.defaults({"spin", "throb_l", "throb_r", "throb_c"});
}

void model_turret_1_sma(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int post = m.bone("post", root);
    int turret = m.bone("turret_x", post).at(0, 0, 1.6f);
    int gun = m.bone("gun_x", turret).at(0, -2.75f, 0.45f).health(1.5f).breakable();
    int coil = m.bone("gun_coil", gun).at(0, 1.1f, 0);
    int head = m.bone("head", turret).priority(2).health(3.0f);
    int plinth = m.bone("plinth", root);
    int light = m.bone("lamp", post).at(0, 0, 1.1f).priority(1);

    // A squat post on a round footing with three feet.
    m.cylinder(plinth, at(0, 0, 0), 1.9f, 0.45f, 8, plate(GUNMETAL));
    for (int i = 0; i < 3; i++) {
        float a = 120.0f * (float)i;
        m.box(plinth, at(0, 0, 0.2f).turn(0, 0, a), {0.7f, 4.2f, 0.4f}, plate(SOOT), 0.6f);
    }
    m.cylinder(post, at(0, 0, 0.45f), 0.65f, 1.2f, 6, plate(STEEL), 0.5f);
    m.cylinder(light, at(0, 0, -0.1f), 0.62f, 0.18f, 6, lamp(AMBER));

    // The head: a rounded indigo pod with a red eye; its gun in front.
    m.sphere(head, at(0, 0.2f, 0.45f), {1.35f, 1.55f, 0.8f}, 8, 3, plate(INDIGO));
    m.box(head, at(0, -1.2f, 0.55f), {1.0f, 0.2f, 0.25f}, lamp(EYE_RED));
    m.box(head, at(0, 1.35f, 0.5f), {1.1f, 0.6f, 0.6f}, plate(INDIGO_DARK), 0.8f);
    m.cylinder(gun, at(0, 0.05f, 0).turn(-90, 0, 0), 0.25f, 2.2f, 6, plate(STEEL));
    m.cylinder(gun, at(0, 0, 0).turn(-90, 0, 0), 0.36f, 0.4f, 6, plate(GUNMETAL));
    m.cylinder(coil, at(0, -0.15f, 0).turn(-90, 0, 0), 0.34f, 0.3f, 6, lamp(AMBER));

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 1.2f}, 3.0f);
    m.hit_sphere(gun, {0, 1.0f, 0}, 0.6f);
    m.hit_sphere(head, {0, 0.2f, 0.45f}, 1.45f);
    m.hit_sphere(plinth, {0, 0, 0.6f}, 1.7f);

    Track &blink = m.track("blink", light).loop();
    blink.key(0.3f).scale(light, 1.0f);
    blink.key(0.05f).scale(light, 0.4f);
    blink.key(0.25f).scale(light, 0.4f);
    blink.key(0.05f).scale(light, 1.0f);
    Track &throb = m.track("throb", coil).loop();
    throb.key(0.22f).ease_in(30).scale(coil, 1.3f);
    throb.key(0.3f).ease_out(30);
    turret_life(m, root, turret, head, {gun});
    m.defaults({"blink", "throb"});
}

void model_turret_base(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int stump = m.bone("stump", root).health(2.0f);
    int plate_l = m.bone("plate_l", stump).at(1.3f, -0.4f, 0.9f);
    int plate_r = m.bone("plate_r", stump).at(-1.2f, 0.6f, 0.9f);
    int ember = m.bone("ember", stump).at(0, 0, 1.35f).faces_camera();
    int plinth = m.bone("plinth", root);
    int smoke[3];
    for (int i = 0; i < 3; i++) {
        smoke[i] = m.bone("smoke" + std::to_string(i + 1), root).at(0.3f * (float)(i - 1), 0.2f, 1.5f).faces_camera();
    }

    // The big turret's footing, scorched, with the torn stump of its head and two bent
    // armour plates; embers glow in the wound and smoke rises from it.
    m.cylinder(plinth, at(0, 0, 0).turn(0, 0, 22.5f), 3.1f, 0.75f, 8, plate(SOOT));
    m.cylinder(plinth, at(0, 0, 0.75f).turn(0, 0, 22.5f), 2.55f, 0.15f, 8, plate(GUNMETAL));
    m.box(stump, at(0, 0, 0.9f), {2.4f, 2.6f, 0.7f}, plate(INDIGO_DARK), 0.6f);
    m.box(stump, at(0.3f, 0.2f, 1.3f), {1.1f, 1.0f, 0.35f}, plate(SOOT), 0.5f);
    m.box(plate_l, at(0, 0, 0).turn(20, 35, 10), {0.35f, 2.0f, 0.9f}, plate(INDIGO), 0.7f);
    m.box(plate_r, at(0, 0, 0).turn(-15, -40, -25), {0.35f, 1.6f, 0.8f}, plate(INDIGO), 0.7f);
    m.cylinder(stump, at(-0.9f, -1.1f, 0.9f).turn(-70, 0, 15), 0.25f, 1.4f, 6, plate(STEEL));
    m.cylinder(plinth, at(1.6f, 1.7f, 0.8f).turn(-85, 0, 140), 0.24f, 1.9f, 5, plate(STEEL));
    m.box(plinth, at(-2.0f, 1.2f, 0.85f).turn(8, -12, 30), {1.3f, 0.8f, 0.2f}, plate(INDIGO_DARK), 0.8f);
    m.box(plinth, at(2.1f, -1.3f, 0.85f).turn(-6, 10, -20), {0.9f, 0.7f, 0.18f}, plate(INDIGO), 0.8f);
    m.sprite(ember, 1.6f, paint_glow(&TURRET_EMBER, 0xff9040));
    for (int s : smoke) {
        m.sprite(s, 1.8f, paint_glow(&TURRET_SMOKE, 0xb0aca4));
    }

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0.8f}, 3.3f);
    m.hit_sphere(stump, {0, 0, 1.0f}, 1.5f);
    m.hit_sphere(plinth, {0, 0, 0.4f}, 3.1f);

    // Smoulder: the embers flicker and three puffs rise, swell and fade in turn.
    Track &smoulder = m.track("smoulder").loop();
    for (int k = 0; k < 3; k++) {
        Key &key = smoulder.key(0.4f).scale(ember, k == 1 ? 0.7f : 1.15f);
        for (int i = 0; i < 3; i++) {
            int phase = (i + k) % 3;
            key.move(smoke[i], 0.4f * (float)phase - 0.3f, 0.2f * (float)phase, 1.8f * (float)phase)
                .scale(smoke[i], phase == 2 ? 0.0f : 0.6f + 0.6f * (float)phase);
        }
    }
    Track &emerge = m.track("emerge").once();
    emerge.key(0.01f).move(root, 0, 0, -2.5f);
    emerge.key(0.5f).ease_out(30);
    Track &mutate = m.track("mutate").once();
    mutate.key(0.01f).scale(stump, 1.3f).move(plate_l, 0, 0, 1.2f).move(plate_r, 0, 0, 1.4f).scale(ember, 2.5f);
    mutate.key(0.3f).ease_out(40).scale(stump, 0.95f);
    mutate.key(0.15f).ease_in(30);
    Track &submerge = m.track("submerge").once();
    submerge.key(0.5f).ease_out(40).move(root, 0, 0, -2.6f).scale(root, 0.9f);
    // Byebye: it crumbles, the plates fall flat and everything sinks into a heap.
    Track &bye = m.track("byebye").once();
    bye.key(0.15f).turn(plate_l, 0, 80, 0).move(plate_l, 0.5f, 0, -0.6f).turn(plate_r, 0, -80, 0)
        .move(plate_r, -0.5f, 0, -0.6f).scale(stump, 0.8f);
    bye.key(0.35f).ease_out(40).move(root, 0, 0, -1.2f).scale(root, 0.4f).scale(ember, 0.0f);
    Track &bounce = m.track("hitbounce", stump).once();
    bounce.key(0.05f).move(stump, 0, 0, -0.15f);
    bounce.key(0.15f).ease_in(40);
    m.defaults({"smoulder"});
}
