// models_boss_robo_mom.cpp -- Robo Mom (bosses/robo_mom) and her power cells
// (bosses/robo_mom_pod).
//
// A towering two-legged robot about 20 units across and 16 tall, the mother of the green
// walkers: a barrel chest of deep green armour striped with orange hazard bands, a
// nursery hatch in the chest with two doors (hatch_x: a green walker comes out when the
// doors are open, from 0.6 of her 4 s "hatch" beat on), a dome head with a red cyclops
// eye (eye_x, her laser), a heavy cannon arm on the right (arm_x is the shaft the
// weapon turns toward its aim, so it has no rest turn; gun_x at the muzzle), a claw arm
// on the left and a rocket rack on her back (back_x). From above: a broad green body
// with an orange-striped back and one long cannon.
//
// "stomp" is her walk (cmt_anim_to_move): 3.3 units per 0.55 s step, 0.06 units a tick,
// the middle of robo_mom.lua's 0.05 .. 0.07. The head scans, the claw flexes, the rack
// vents and the hatch beats all at once, on tracks of their own.

#include "assetgen/models_enemy_kit.h"

namespace ek = enemy_kit;

void model_robo_mom(ModelBuilder &m)
{
    const Paint green = ek::plate(0x2f9a6a);
    const Paint deep = ek::plate(0x1e6048);
    const Paint steel = ek::plate(0x5a626e);
    const Paint dark = ek::plate(0x2a2e36);
    const Paint hazard = ek::smooth(0xff8a1a);
    const Paint eye = ek::lamp(0xff2a30);
    const Paint nursery = ek::lamp(0x9cff6a);
    const Paint hot = ek::lamp(0xff9a2a);

    int root = m.bone("mainbone_x");
    int pelvis = m.bone("pelvis", root).at(0, 0, 7.0f).health(6.0f);
    int thigh_l = m.bone("thigh_l", pelvis).at(2.6f, 0, -0.3f);
    int shin_l = m.bone("shin_l", thigh_l).at(0, 0, -3.2f);
    int foot_l = m.bone("foot_l", shin_l).at(0, 0, -3.1f);
    int thigh_r = m.bone("thigh_r", pelvis).at(-2.6f, 0, -0.3f);
    int shin_r = m.bone("shin_r", thigh_r).at(0, 0, -3.2f);
    int foot_r = m.bone("foot_r", shin_r).at(0, 0, -3.1f);
    int torso = m.bone("torso", pelvis).at(0, 0, 1.0f).priority(1).health(10.0f);
    int hatch = m.bone("hatch_x", torso).at(0, -2.75f, 2.6f).priority(3);
    int door_l = m.bone("door_l", hatch).at(1.3f, 0, 0);
    int door_r = m.bone("door_r", hatch).at(-1.3f, 0, 0);
    int head = m.bone("head", torso).at(0, -0.6f, 6.1f).priority(3).health(3.0f);
    m.bone("eye_x", head).at(0, -1.45f, 0.7f);
    int arm = m.bone("arm_x", torso).at(-5.0f, -0.2f, 4.6f).health(4.0f);
    m.bone("gun_x", arm).at(0, -6.4f, -1.3f);
    int claw = m.bone("arm_l", torso).at(5.0f, -0.2f, 4.6f).priority(2).health(3.0f);
    int pincer = m.bone("pincer", claw).at(0.3f, -3.4f, -2.2f);
    int back = m.bone("back_x", torso).at(0, 2.9f, 5.2f);
    int rack = m.bone("rack", back).priority(2);
    // Soles: the middle of each foot's underside, where her footprints go.
    m.bone("sole_l", foot_l).at(0, -0.7f, -0.4f);
    m.bone("sole_r", foot_r).at(0, -0.7f, -0.4f);

    // Legs: armoured thighs, piston shins, broad feet.
    m.box(pelvis, at(0, 0, 0), {5.4f, 3.0f, 1.6f}, dark);
    for (int side : {0, 1}) {
        int thigh = side ? thigh_r : thigh_l;
        int shin = side ? shin_r : shin_l;
        int foot = side ? foot_r : foot_l;
        m.sphere(thigh, at(0, 0, 0), {1.1f, 1.1f, 1.1f}, 8, 3, steel);
        m.box(thigh, at(0, 0, -1.6f), {1.9f, 2.1f, 3.0f}, green, 1.15f);
        m.box(thigh, at(0, -1.08f, -1.5f), {1.4f, 0.1f, 0.5f}, hazard);
        m.sphere(shin, at(0, 0, 0), {0.9f, 0.9f, 0.9f}, 8, 2, dark);
        m.box(shin, at(0, 0, -1.5f), {1.5f, 1.7f, 2.9f}, deep, 1.2f);
        m.cylinder(shin, at(0, 1.0f, -2.6f), 0.35f, 2.4f, 6, steel);
        m.box(foot, at(0, -0.7f, -0.1f), {2.4f, 3.8f, 0.6f}, dark, 0.8f);
        m.box(foot, at(0, -2.5f, -0.2f), {2.6f, 0.6f, 0.4f}, hazard);
    }

    // Torso: the barrel chest, shoulder drums, hazard bands, the nursery.
    m.box(torso, at(0, 0, 2.9f), {7.6f, 5.0f, 5.6f}, green, 0.92f);
    m.box(torso, at(0, 0, 5.9f), {6.8f, 4.4f, 0.7f}, deep);
    for (int side : {-1, 1}) {
        m.cylinder(torso, at(4.2f * side, -0.2f, 3.6f).turn(0, 90.0f * side, 0), 1.5f, 1.2f, 10, deep);
        m.box(torso, at(2.6f * side, 0.6f, 6.3f), {1.0f, 3.6f, 0.12f}, hazard);
    }
    m.box(torso, at(0, -2.55f, 2.6f), {3.4f, 0.3f, 3.0f}, dark);
    m.box(hatch, at(0, 0.2f, 0), {2.4f, 0.2f, 2.4f}, nursery);
    m.box(door_l, at(-0.65f, -0.2f, 0), {1.3f, 0.3f, 2.8f}, green);
    m.box(door_l, at(-0.65f, -0.36f, 0.8f), {1.1f, 0.05f, 0.35f}, hazard);
    m.box(door_r, at(0.65f, -0.2f, 0), {1.3f, 0.3f, 2.8f}, green);
    m.box(door_r, at(0.65f, -0.36f, 0.8f), {1.1f, 0.05f, 0.35f}, hazard);
    // Head: a dome, a brow and the eye.
    m.sphere(head, at(0, 0, 0), {2.1f, 1.9f, 1.7f}, 10, 3, green, true);
    m.box(head, at(0, -0.9f, 1.25f), {2.8f, 1.2f, 0.4f}, deep, 0.8f);
    m.sphere(head, at(0, -1.3f, 0.7f).turn(90, 0, 0), {0.75f, 0.75f, 0.35f}, 10, 2, eye, true);
    m.torus(head, at(0, -1.42f, 0.7f).turn(90, 0, 0), 0.8f, 0.15f, 10, 3, dark);
    // Cannon arm: shoulder, upper arm, the gun block and a long barrel.
    m.sphere(arm, at(0, 0, 0), {1.5f, 1.5f, 1.5f}, 8, 3, steel);
    m.box(arm, at(0, -1.1f, -0.9f).turn(-35, 0, 0), {1.6f, 1.8f, 2.6f}, green);
    m.box(arm, at(0, -3.2f, -1.3f), {2.2f, 2.8f, 2.0f}, deep);
    m.box(arm, at(0, -3.2f, -0.25f), {1.6f, 2.0f, 0.15f}, hazard);
    m.cylinder(arm, at(0, -4.4f, -1.3f).turn(90, 0, 0), 0.65f, 2.0f, 8, dark);
    m.torus(arm, at(0, -6.3f, -1.3f).turn(90, 0, 0), 0.62f, 0.18f, 10, 3, hot);
    // Claw arm.
    m.sphere(claw, at(0, 0, 0), {1.4f, 1.4f, 1.4f}, 8, 3, steel);
    m.box(claw, at(0.2f, -1.3f, -1.2f).turn(-40, 0, 0), {1.3f, 1.5f, 3.0f}, green);
    m.box(pincer, at(0, 0, 0), {1.6f, 1.6f, 1.0f}, deep);
    m.box(pincer, at(0.55f, -1.0f, -0.2f).turn(0, 0, 15), {0.35f, 1.8f, 0.5f}, steel, 0.6f);
    m.box(pincer, at(-0.55f, -1.0f, -0.2f).turn(0, 0, -15), {0.35f, 1.8f, 0.5f}, steel, 0.6f);
    // Rocket rack on the back.
    m.box(back, at(0, 0.4f, -0.4f), {4.2f, 1.6f, 1.4f}, dark);
    for (int k = 0; k < 3; k++) {
        m.cylinder(rack, at(-1.3f + 1.3f * (float)k, 0.2f, 0.2f), 0.45f, 1.2f, 6, steel);
        m.sphere(rack, at(-1.3f + 1.3f * (float)k, 0.2f, 1.4f), {0.45f, 0.45f, 0.5f}, 6, 2, hazard, true);
    }

    m.hit_sphere(ModelBuilder::ACTOR, {0, -1.0f, 7.5f}, 10.0f);
    m.hit_sphere(torso, {0, 0, 2.9f}, 3.6f);
    m.hit_sphere(head, {0, -0.2f, 0.5f}, 1.9f);
    m.hit_sphere(pelvis, {0, 0, 0}, 2.3f);
    m.hit_sphere(arm, {0, -3.0f, -1.2f}, 1.9f);
    m.hit_sphere(claw, {0.2f, -1.8f, -1.6f}, 1.6f);
    m.hit_sphere(shin_l, {0, 0, -1.5f}, 1.3f);
    m.hit_sphere(shin_r, {0, 0, -1.5f}, 1.3f);

    // Stomp: two heavy steps; the body drops and the ground shakes on each.
    Track &stomp = m.track("stomp").loop();
    for (int step = 0; step < 2; step++) {
        int front = step ? thigh_r : thigh_l, back_leg = step ? thigh_l : thigh_r;
        int front_shin = step ? shin_r : shin_l, back_shin = step ? shin_l : shin_r;
        int front_foot = step ? foot_r : foot_l, back_foot = step ? foot_l : foot_r;
        float roll = step ? 4.0f : -4.0f;
        stomp.key(0.3f).forward(1.8f).ease_in(30).turn(front, -24, 0, 0).turn(front_shin, 30, 0, 0)
            .turn(front_foot, -8, 0, 0).turn(back_leg, 14, 0, 0).turn(back_shin, 6, 0, 0).turn(back_foot, -18, 0, 0)
            .move(pelvis, 0, 0, 0.35f).turn(torso, -3, roll, 0).turn(claw, step ? 10.0f : -10.0f, 0, 0);
        stomp.key(0.25f).forward(1.5f).ease_out(60).turn(front, -18, 0, 0).turn(front_shin, 4, 0, 0)
            .turn(front_foot, 14, 0, 0).turn(back_leg, 18, 0, 0).turn(back_shin, 8, 0, 0).turn(back_foot, -24, 0, 0)
            .move(pelvis, 0, 0, -0.45f).turn(torso, 3, -roll * 0.5f, 0);
    }

    // Hatch: 4 s; the doors stay shut, crack at 0.55 and stand open from 0.6 to 0.9.
    Track &hatch_beat = m.track("hatch", hatch).loop();
    hatch_beat.key(2.2f).turn(door_l, 0, 0, -3).turn(door_r, 0, 0, 3);
    hatch_beat.key(0.2f).turn(door_l, 0, 0, -25).turn(door_r, 0, 0, 25);
    hatch_beat.key(0.2f).ease_out(40).turn(door_l, 0, 0, -100).turn(door_r, 0, 0, 100);
    hatch_beat.key(1.1f).turn(door_l, 0, 0, -105).turn(door_r, 0, 0, 105);
    hatch_beat.key(0.3f).ease_in(40);
    // Head scan, claw flex, rack venting.
    Track &scan = m.track("scan", head).loop();
    scan.key(1.2f).ease_in(40).ease_out(40).turn(head, 0, 0, 30);
    scan.key(0.4f);
    scan.key(1.2f).ease_in(40).ease_out(40).turn(head, 5, 0, -30);
    scan.key(0.4f);
    Track &flex = m.track("flex", claw).loop();
    flex.key(0.8f).ease_in(40).ease_out(40).turn(claw, 10, 0, 8).scale(pincer, 1.0f, 1.15f, 1.0f);
    flex.key(0.8f).ease_in(40).ease_out(40).turn(claw, -6, 0, -4);
    Track &vent = m.track("vent", rack).loop();
    vent.key(0.5f).move(rack, 0, 0, 0.25f);
    vent.key(0.5f).ease_in(40);

    ek::emerge_rise(m, root, 16.0f, 1.5f, [&](int k, Key &key) {
        if (k == 0) {
            key.turn(arm, 50, 0, 0).turn(claw, 50, 0, 0).turn(head, -30, 0, 0);
        } else if (k == 2) {
            key.turn(arm, -15, 0, 0).turn(claw, -15, 0, 0).turn(torso, -6, 0, 0);
        }
    });
    ek::submerge_sink(m, root, 17.0f, 0.8f, [&](int, Key &key) {
        key.move(pelvis, 0, 0, -1.0f).turn(shin_l, 30, 0, 0).turn(shin_r, 30, 0, 0);
    });
    // Byebye: the head blows off, the arms drop, she keels over and shrinks.
    ek::byebye_burst(m, root, 40, 3.0f, 0.6f, [&](int k, Key &key) {
        float f = k ? 1.0f : 0.4f;
        key.move(head, 0, 0, 6.0f * f).turn(head, 40 * f, 0, 180 * f).move(arm, -2.0f * f, 0, -3.0f * f)
            .turn(arm, 50 * f, 0, 0).move(claw, 2.0f * f, 0, -3.0f * f).turn(claw, 50 * f, 0, 0)
            .turn(torso, -25 * f, 0, 0).move(pelvis, 0, 0, -2.5f * f);
    });
    ek::mutate_pop(m, root, 0.6f);
    ek::hitbounce_recoil(m, torso, -7, 0.3f);

    m.defaults({"hatch", "scan", "flex", "vent"});
}

// Her power cells (bosses/robo_mom_pod): a squat hexagonal canister about 2.6 units
// across on a dark socket, with a glowing green core under a caged cap, in her steel and
// hazard orange. Two ride on her shoulders. The canister ("cell") breaks when shot down,
// leaving the socket, and stands again when the cell regrows ("mutate"); the core pulses
// ("pulse", rooted at "core", its default) so a cell never stands still.
void model_robo_mom_pod(ModelBuilder &m)
{
    const Paint steel = ek::plate(0x5a626e);
    const Paint dark = ek::plate(0x2a2e36);
    const Paint hazard = ek::smooth(0xff8a1a);
    const Paint core_lamp = ek::lamp(0x7affa8);
    const Paint halo = ek::glow(0x6aff9a);

    int root = m.bone("mainbone_x");
    int cell = m.bone("cell", root).priority(1).health(3.0f).breakable();
    int core = m.bone("core", cell).at(0, 0, 1.55f).priority(2);
    int flare = m.bone("flare", core).at(0, 0, 0.9f).faces_camera();

    m.cylinder(root, at(0, 0, 0), 1.3f, 0.45f, 6, dark);
    m.cylinder(cell, at(0, 0, 0.45f), 1.05f, 1.25f, 6, steel, 0.95f);
    m.torus(cell, at(0, 0, 1.0f), 1.08f, 0.14f, 6, 3, hazard);
    m.box(cell, at(0, -1.15f, 0.8f), {0.5f, 0.8f, 0.45f}, hazard);
    m.sphere(core, at(0, 0, 0), {0.72f, 0.72f, 0.6f}, 8, 3, core_lamp, true);
    for (int k = 0; k < 3; k++) {
        m.box(core, at(0, 0, 0.45f).turn(0, 0, 60.0f * (float)k), {1.6f, 0.14f, 0.14f}, dark);
    }
    m.sprite(flare, 2.4f, halo);

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 1.0f}, 1.5f);
    m.hit_sphere(cell, {0, 0, 1.0f}, 1.3f);

    Track &pulse = m.track("pulse", core).loop();
    pulse.key(0.35f).ease_in(40).ease_out(40).scale(core, 1.18f).scale(flare, 1.35f);
    pulse.key(0.35f).ease_in(40).ease_out(40);

    ek::emerge_rise(m, root, 2.0f, 0.6f);
    ek::submerge_sink(m, root, 2.0f, 0.4f);
    ek::byebye_burst(m, root, 90, 0.8f, 0.4f);
    ek::mutate_pop(m, root, 0.2f);
    ek::hitbounce_recoil(m, cell, -10, 0.2f);

    m.defaults({"pulse"});
}
