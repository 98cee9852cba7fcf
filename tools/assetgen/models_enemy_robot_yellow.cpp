// models_enemy_robot_yellow.cpp -- the yellow robot (beasties/robot_yellow).
//
// A lean, quick walker on bird legs, about 5 units across: a yellow wedge of a body with
// black hazard bands on its shoulders, a low sensor head with a red eye slit, a heavy
// cannon on its right shoulder that reaches well past its nose, and a small claw on the
// left. From above it reads as a yellow wedge with one long barrel. Its walk covers
// 2.4 units per step of 0.16 s (0.15 units a tick, the middle of robot_yellow.lua's
// 0.12 .. 0.18); "aim" braces it with the cannon levelled, "fire" kicks the cannon back.

#include "assetgen/models_enemy_kit.h"

namespace ek = enemy_kit;

void model_robot_yellow(ModelBuilder &m)
{
    const Paint yellow = ek::plate(0xf5c518);
    const Paint amber = ek::plate(0xc98a10);
    const Paint dark = ek::plate(0x34313a);
    const Paint metal = ek::plate(0x737784);
    const Paint band = ek::smooth(0x1c1b20);
    const Paint eye = ek::lamp(0xff3b2a);
    const Paint vent = ek::lamp(0xffc25a);
    const Paint hot = ek::lamp(0xff8a1c);

    int root = m.bone("mainbone_x");
    int hips = m.bone("hips", root).at(0, 0, 2.55f).health(2.0f);
    int thigh_l = m.bone("thigh_l", hips).at(0.8f, 0, 0);
    int shin_l = m.bone("shin_l", thigh_l).at(0, -0.5f, -1.15f);
    int foot_l = m.bone("foot_l", shin_l).at(0, 0.5f, -1.15f);
    int thigh_r = m.bone("thigh_r", hips).at(-0.8f, 0, 0);
    int shin_r = m.bone("shin_r", thigh_r).at(0, -0.5f, -1.15f);
    int foot_r = m.bone("foot_r", shin_r).at(0, 0.5f, -1.15f);
    int torso = m.bone("torso", hips).at(0, 0.1f, 0.3f).priority(1).health(3.0f);
    int head = m.bone("head", torso).at(0, -0.75f, 1.85f).priority(2).health(1.0f);
    int cannon = m.bone("cannon", torso).at(-1.7f, 0.1f, 1.35f).priority(3).health(1.5f);
    int gun = m.bone("gun_x", cannon).at(0, -3.3f, 0);
    int flash = m.bone("flash", gun).at(0, -0.3f, 0).faces_camera().size(0);
    int claw = m.bone("claw", torso).at(1.65f, -0.1f, 1.2f).health(1.0f);
    // Soles: the middle of each foot's underside, where its footprint goes.
    m.bone("sole_l", foot_l).at(0, -0.35f, -0.25f);
    m.bone("sole_r", foot_r).at(0, -0.35f, -0.25f);

    // Hips and bird legs: thighs slant forward to the knee, shins back to the ankle,
    // long splayed feet.
    m.box(hips, at(0, 0, 0), {1.9f, 1.2f, 0.7f}, dark);
    for (int side : {0, 1}) {
        int thigh = side ? thigh_r : thigh_l;
        int shin = side ? shin_r : shin_l;
        int foot = side ? foot_r : foot_l;
        m.sphere(thigh, at(0, 0, 0), {0.5f, 0.5f, 0.5f}, 6, 2, metal);
        m.box(thigh, at(0, -0.25f, -0.58f).turn(-23, 0, 0), {0.8f, 0.95f, 1.4f}, yellow, 0.75f);
        m.box(shin, at(0, 0.25f, -0.58f).turn(23, 0, 0), {0.45f, 0.55f, 1.3f}, metal, 0.8f);
        m.box(foot, at(0, -0.35f, -0.12f), {0.7f, 1.5f, 0.26f}, dark, 0.75f);
        m.box(foot, at(0, -1.05f, -0.15f), {0.75f, 0.3f, 0.2f}, amber);
    }

    // Body: a wedge, broad at the shoulders and pointed at the nose, with a backpack.
    m.box(torso, at(0, 0.1f, 0.9f), {2.8f, 2.2f, 1.5f}, yellow, 0.85f);
    m.box(torso, at(0, -1.45f, 0.8f).turn(90, 0, 0), {2.2f, 1.2f, 0.9f}, yellow, 0.45f);
    m.box(torso, at(0, -1.35f, 0.25f), {1.2f, 0.8f, 0.3f}, dark);
    m.box(torso, at(0, 1.35f, 1.0f), {1.9f, 0.7f, 1.3f}, dark);
    m.box(torso, at(0, 1.72f, 1.05f), {1.3f, 0.1f, 0.5f}, vent);
    for (int side : {-1, 1}) {
        m.box(torso, at(1.2f * side, 0.1f, 1.75f), {0.9f, 1.7f, 0.3f}, amber, 0.85f);
        m.box(torso, at(1.2f * side, -0.35f, 1.92f), {0.92f, 0.22f, 0.05f}, band);
        m.box(torso, at(1.2f * side, 0.45f, 1.92f), {0.92f, 0.22f, 0.05f}, band);
    }

    // Head: a flat sensor pod with a red slit and two fins.
    m.box(head, at(0, 0, 0.2f), {1.3f, 1.0f, 0.55f}, yellow, 0.8f);
    m.box(head, at(0, -0.5f, 0.22f), {1.0f, 0.1f, 0.16f}, eye);
    m.box(head, at(0.55f, 0.25f, 0.6f).turn(0, -20, 0), {0.1f, 0.6f, 0.5f}, dark, 0.5f);
    m.box(head, at(-0.55f, 0.25f, 0.6f).turn(0, 20, 0), {0.1f, 0.6f, 0.5f}, dark, 0.5f);

    // Cannon: a shoulder drum, a housing and a long barrel with a cooling sleeve.
    m.sphere(cannon, at(0, 0, 0), {0.7f, 0.7f, 0.7f}, 6, 2, metal);
    m.box(cannon, at(0, -0.7f, 0.05f), {1.0f, 1.9f, 0.95f}, yellow);
    m.box(cannon, at(0, -0.6f, 0.56f), {0.6f, 1.3f, 0.12f}, band);
    m.cylinder(cannon, at(0, -1.5f, 0.05f).turn(90, 0, 0), 0.3f, 1.8f, 6, dark);
    m.cylinder(cannon, at(0, -1.65f, 0.05f).turn(90, 0, 0), 0.42f, 0.8f, 6, amber);
    m.torus(cannon, at(0, -3.2f, 0.05f).turn(90, 0, 0), 0.34f, 0.1f, 6, 2, hot);
    m.sprite(flash, 2.4f, ek::spark(0xffd070));

    // Claw arm.
    m.sphere(claw, at(0, 0, 0), {0.45f, 0.45f, 0.45f}, 6, 2, metal);
    m.box(claw, at(0.05f, -0.35f, -0.55f).turn(-25, 0, 0), {0.45f, 0.5f, 1.1f}, yellow);
    m.box(claw, at(0.25f, -0.95f, -1.0f), {0.18f, 0.55f, 0.25f}, dark, 0.5f);
    m.box(claw, at(-0.15f, -0.95f, -1.0f), {0.18f, 0.55f, 0.25f}, dark, 0.5f);

    m.hit_sphere(ModelBuilder::ACTOR, {0, -0.5f, 2.8f}, 3.3f);
    m.hit_sphere(torso, {0, 0.1f, 0.9f}, 1.55f);
    m.hit_sphere(head, {0, 0, 0.2f}, 0.7f);
    m.hit_sphere(hips, {0, 0, -0.6f}, 1.1f);
    m.hit_sphere(cannon, {0, -1.0f, 0.05f}, 0.8f);
    m.hit_sphere(claw, {0.05f, -0.5f, -0.7f}, 0.6f);

    // Idle: weight shifting from foot to foot; the head twitches about on its own.
    Track &idle = m.track("idle").loop();
    idle.key(0.5f).ease_in(40).ease_out(40).move(hips, 0.08f, 0, -0.06f).turn(torso, 0, 3, 4).turn(claw, 6, 0, 0);
    idle.key(0.5f).ease_in(40).ease_out(40).move(hips, -0.08f, 0, -0.02f).turn(torso, 0, -3, -4);
    Track &look = m.track("look", head).loop();
    look.key(0.35f).ease_in(60).turn(head, 0, 0, 35);
    look.key(0.5f);
    look.key(0.25f).ease_in(60).turn(head, 8, 0, -30);
    look.key(0.6f);

    // Walk: quick bird steps, 2.4 units each, the body bobbing and the cannon steady.
    Track &walk = m.track("walk").loop();
    for (int step = 0; step < 2; step++) {
        int front = step ? thigh_r : thigh_l, back = step ? thigh_l : thigh_r;
        int front_shin = step ? shin_r : shin_l, back_shin = step ? shin_l : shin_r;
        int front_foot = step ? foot_r : foot_l, back_foot = step ? foot_l : foot_r;
        float sway = step ? -5.0f : 5.0f;
        walk.key(0.16f).forward(2.4f).turn(front, -26, 0, 0).turn(front_shin, 4, 0, 0).turn(front_foot, 20, 0, 0)
            .turn(back, 24, 0, 0).turn(back_shin, -2, 0, 0).turn(back_foot, -22, 0, 0).move(hips, 0, 0, -0.18f)
            .turn(torso, 4, 0, sway).turn(claw, step ? 20.0f : -20.0f, 0, 0);
        walk.key(0.16f).forward(2.4f).turn(front, 2, 0, 0).turn(back, -10, 0, 0).turn(back_shin, -40, 0, 0)
            .turn(back_foot, 30, 0, 0).move(hips, 0, 0, 0.08f).turn(torso, 4, 0, 0);
    }

    // Aim: it plants its feet, crouches and levels the cannon.
    Track &aim = m.track("aim").once();
    aim.key(0.12f).ease_out(40).move(hips, 0, 0, -0.35f).turn(thigh_l, -18, 0, 0).turn(thigh_r, 14, 0, 0)
        .turn(shin_l, 20, 0, 0).turn(shin_r, 20, 0, 0).turn(torso, 10, 0, 0).turn(cannon, -10, 0, 0)
        .turn(head, 6, 0, 0).turn(claw, -30, 0, 0);
    aim.key(0.3f).move(hips, 0, 0, -0.3f).turn(thigh_l, -18, 0, 0).turn(thigh_r, 14, 0, 0).turn(shin_l, 20, 0, 0)
        .turn(shin_r, 20, 0, 0).turn(torso, 8, 0, 0).turn(cannon, -10, 0, 0).turn(head, 6, 0, 0).turn(claw, -30, 0, 0);

    // Fire: the cannon slams back, the flash blooms, the barrel settles.
    Track &fire = m.track("fire", cannon).once();
    fire.key(0.03f).move(cannon, 0, 0.6f, 0.1f).turn(cannon, -12, 0, 0).scale(flash, 1.5f);
    fire.key(0.07f).move(cannon, 0, 0.35f, 0).turn(cannon, -6, 0, 0).scale(flash, 0.6f);
    fire.key(0.16f).ease_in(40);

    ek::emerge_rise(m, root, 5.5f, 0.75f, [&](int k, Key &key) {
        if (k == 0) {
            key.turn(thigh_l, -40, 0, 0).turn(thigh_r, -40, 0, 0).turn(shin_l, 60, 0, 0).turn(shin_r, 60, 0, 0)
                .turn(cannon, 30, 0, 0).turn(claw, 40, 0, 0);
        } else if (k == 2) {
            key.turn(torso, -8, 0, 0).turn(cannon, -8, 0, 0);
        }
    });
    ek::submerge_sink(m, root, 5.8f, 0.5f, [&](int k, Key &key) {
        key.move(hips, 0, 0, -0.4f).turn(shin_l, 30, 0, 0).turn(shin_r, 30, 0, 0);
        if (k == 1) {
            key.turn(cannon, 25, 0, 0);
        }
    });
    // Byebye: the head flies off, the cannon drops, the legs buckle and it shrinks away.
    ek::byebye_burst(m, root, 60, 1.0f, 0.5f, [&](int k, Key &key) {
        float f = k ? 1.0f : 0.4f;
        key.move(head, 0, 0, 3.0f * f).turn(head, 30 * f, 0, 200 * f).move(cannon, -1.2f * f, 0, -0.8f * f)
            .turn(cannon, 40 * f, 0, -50 * f).turn(claw, 0, -70 * f, 0).move(hips, 0, 0, -0.9f * f)
            .turn(thigh_l, 0, 40 * f, 0).turn(thigh_r, 0, -40 * f, 0);
    });
    ek::mutate_pop(m, root, 0.25f, [&](int k, Key &key) {
        if (k == 1) {
            key.turn(cannon, -20, 0, 0).turn(claw, 0, -30, 0);
        }
    });
    ek::hitbounce_recoil(m, torso, -14, 0.1f, [&](int k, Key &key) {
        if (k == 0) {
            key.turn(head, -10, 0, 0).turn(claw, 0, -15, 0);
        }
    });

    m.defaults({"idle", "look"});
}
