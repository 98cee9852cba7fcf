// models_enemy_weelee.cpp -- the weelees (beasties/weelee_small, beasties/weelee_big).
//
// A weelee is a red ball on two fat black wheels with a white belt and one big eye: from
// above a red disc between two dark bars. The small one (about 5 units across) carries a
// stubby mortar on its crown (gun_x); the big one (about 8 units) is armoured, has twin
// barrels and a mine hatch on its back (hatch_x, pointing backward: it drops its mines
// behind it). Their "roll" is the move animation the scripts name for cmt_anim_to_move: the
// wheels turn a quarter per key while the root covers a quarter of the tyre's
// circumference, so the tyres do not slide. The engine turns wheel_l_x and wheel_r_x
// itself (cmt_wheels, about their X axis), so the wheel bones have no rest turn.

#include "assetgen/models_enemy_kit.h"

#include <cmath>

namespace ek = enemy_kit;

namespace {

void build_weelee(ModelBuilder &m, bool big)
{
    const float s = big ? 1.45f : 1.0f;   // body scale
    const float ball = 1.75f * s;
    const float wheel_r = 1.65f * s;
    const float wheel_w = big ? 1.0f : 0.7f;
    const float wheel_x = ball + 0.15f + 0.5f * wheel_w;
    const float speed = big ? 0.11f : 0.17f;   // units a tick while rolling
    const Paint red = ek::plate(0xe2343b);
    const Paint deep = ek::plate(0x9c1c26);
    const Paint white = ek::smooth(0xf2efe8);
    const Paint tyre = ek::shell(0x26262b);
    const Paint hub = ek::plate(0x8d93a0);
    const Paint eye_white = ek::lamp(0xfff6d8);
    const Paint pupil = ek::lamp(0x14161c);
    const Paint muzzle = ek::lamp(0xff7a2a);

    int root = m.bone("mainbone_x");
    int axle = m.bone("axle", root).at(0, 0, wheel_r);
    int wheel_l = m.bone("wheel_l_x", axle).at(wheel_x, 0, 0);
    int wheel_r_bone = m.bone("wheel_r_x", axle).at(-wheel_x, 0, 0);
    int body = m.bone("body", axle).at(0, 0, ball - wheel_r + 0.05f).priority(1).health(big ? 6.0f : 3.0f);
    int eye = m.bone("eye", body).at(0, -ball * 0.86f, ball * 0.25f).priority(2);
    int gun = m.bone("gun_x", body).at(0, -ball * 0.55f, ball * 1.05f).turn(-20, 0, 0).priority(3);

    // Ball body with a belt, a brow plate and the eye.
    m.sphere(body, at(0, 0, 0), {ball, ball, ball}, 10, 4, red);
    m.cylinder(body, at(0, 0, -0.2f * s), ball * 1.02f, 0.4f * s, 10, white);
    m.box(body, at(0, -ball * 0.62f, ball * 0.72f).turn(-35, 0, 0), {1.5f * s, 0.5f * s, 0.25f * s}, deep);
    m.sphere(eye, at(0, 0, 0).turn(90, 0, 0), {0.62f * s, 0.62f * s, 0.4f * s}, 8, 2, eye_white, true);
    m.sphere(eye, at(0, -0.38f * s, 0).turn(90, 0, 0), {0.3f * s, 0.3f * s, 0.08f * s}, 6, 2, pupil, true);

    // Wheels: a tyre and a hub, turned about X (the tyre's banded shell shows it rolling;
    // tread blocks a pixel high did not show at the play camera).
    for (int side : {0, 1}) {
        int w = side ? wheel_r_bone : wheel_l;
        float out = side ? -1.0f : 1.0f;
        m.cylinder(w, at(-0.5f * wheel_w * out, 0, 0).turn(0, 90 * out, 0), wheel_r, wheel_w, 8, tyre);
        m.cylinder(w, at(0.5f * wheel_w * out, 0, 0).turn(0, 90 * out, 0), 0.6f * wheel_r, 0.12f, 6, hub);
    }

    // Gun: the small one a stubby mortar, the big one twin barrels in a block.
    if (!big) {
        m.cylinder(gun, at(0, 0.3f, 0).turn(90, 0, 0), 0.38f, 1.0f, 8, deep);
        m.torus(gun, at(0, -0.72f, 0).turn(90, 0, 0), 0.3f, 0.09f, 8, 3, muzzle);
    } else {
        m.box(gun, at(0, 0.6f, -0.1f), {1.8f, 1.2f, 0.8f}, deep);
        for (int side : {-1, 1}) {
            m.cylinder(gun, at(0.45f * side, 0.4f, 0).turn(90, 0, 0), 0.28f, 1.4f, 5, hub);
            m.torus(gun, at(0.45f * side, -1.0f, 0).turn(90, 0, 0), 0.24f, 0.08f, 6, 2, muzzle);
        }
    }

    int hatch = -1, lid = -1;
    if (big) {
        // Armour: shoulder plates over the wheels and a spine.
        for (int side : {-1, 1}) {
            m.box(body, at(1.55f * side, 0.2f, 1.3f).turn(0, 30.0f * side, 0), {1.2f, 2.6f, 0.35f}, deep);
        }
        m.box(body, at(0, 1.2f, 1.9f).turn(30, 0, 0), {0.7f, 1.8f, 0.5f}, white);
        // The mine hatch on the back: a glowing well under a lid that pops open.
        hatch = m.bone("hatch_x", body).at(0, ball * 0.7f, ball * 0.62f).turn(0, 0, 180).priority(4);
        lid = m.bone("hatch_lid", hatch).at(0, 0.65f, 0.25f).priority(4);
        m.cylinder(hatch, at(0, 0, -0.4f), 0.8f, 0.6f, 6, tyre);
        m.sphere(hatch, at(0, 0, 0.15f), {0.62f, 0.62f, 0.2f}, 8, 2, ek::lamp(0xffb030), true);
        m.box(lid, at(0, -0.65f, 0), {1.8f, 1.5f, 0.2f}, red);
        m.box(lid, at(0, -0.65f, 0.12f), {1.2f, 0.3f, 0.08f}, white);
    }

    float r = wheel_x + 0.5f * wheel_w;
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, wheel_r + 0.2f}, r + 0.2f);
    m.hit_sphere(body, {0, 0, 0}, ball * 1.02f);
    m.hit_sphere(wheel_l, {0, 0, 0}, wheel_r);
    m.hit_sphere(wheel_r_bone, {0, 0, 0}, wheel_r);
    m.hit_sphere(gun, {0, big ? 0.3f : 0.0f, 0}, big ? 1.0f : 0.5f);

    // Roll: four keys of a quarter turn each; the body leans into the roll and bobs.
    float quarter = 0.5f * 3.1415927f * wheel_r;
    float key_s = std::round(quarter / speed) * 0.01f;
    Track &roll = m.track("roll").loop();
    for (int k = 1; k <= 4; k++) {
        float a = 90.0f * (float)k;
        Key &key = roll.key(key_s).forward(quarter).turn(wheel_l, a, 0, 0).turn(wheel_r_bone, a, 0, 0)
                       .turn(body, 6, 0, k % 2 ? 3.0f : -3.0f).move(body, 0, 0, k % 2 ? 0.12f : 0.0f);
        if (lid >= 0) {
            key.turn(lid, k % 2 ? -12.0f : 0.0f, 0, 0);
        }
    }

    // The eye looks about and blinks on its own track; the big one's hatch breathes.
    Track &look = m.track("look", eye).loop();
    look.key(0.5f).ease_in(50).turn(eye, 0, 0, 25);
    look.key(0.6f);
    look.key(0.08f).scale(eye, 1.0f, 1.0f, 0.15f);
    look.key(0.08f);
    look.key(0.5f).ease_in(50).turn(eye, -8, 0, -25);
    look.key(0.5f);
    if (big) {
        Track &vent = m.track("vent", hatch).loop();
        vent.key(0.9f).ease_in(40).ease_out(40).turn(lid, -28, 0, 0);
        vent.key(0.9f).ease_in(40).ease_out(40);
    }

    ek::emerge_rise(m, root, 2 * wheel_r + 2.0f, big ? 0.9f : 0.7f, [&](int k, Key &key) {
        if (k == 0) {
            key.turn(body, -40, 0, 0).turn(wheel_l, -180, 0, 0).turn(wheel_r_bone, -180, 0, 0);
        } else if (k == 1) {
            key.turn(body, 10, 0, 0).turn(wheel_l, -40, 0, 0).turn(wheel_r_bone, -40, 0, 0);
        }
    });
    ek::submerge_sink(m, root, 2 * wheel_r + 2.0f, 0.5f, [&](int k, Key &key) {
        key.turn(body, k ? 30.0f : -10.0f, 0, 0);
    });
    // Byebye: the wheels fall away, the ball jumps and pops.
    ek::byebye_burst(m, root, 90, 0.5f, big ? 0.6f : 0.45f, [&](int k, Key &key) {
        float f = k ? 1.0f : 0.35f;
        key.move(wheel_l, 1.6f * f, 0, -0.8f * f).turn(wheel_l, 0, 70 * f, 0).move(wheel_r_bone, -1.6f * f, 0, -0.8f * f)
            .turn(wheel_r_bone, 0, -70 * f, 0).move(body, 0, 0, 1.5f * f).turn(body, -40 * f, 0, 0);
    });
    ek::mutate_pop(m, root, 0.3f, [&](int k, Key &key) {
        if (k == 1) {
            key.move(body, 0, 0, 0.6f).turn(wheel_l, 0, 0, 20).turn(wheel_r_bone, 0, 0, -20);
        }
    });
    ek::hitbounce_recoil(m, body, -18, 0.35f);

    m.defaults(big ? std::initializer_list<const char *>{"look", "vent"} : std::initializer_list<const char *>{"look"});
}

}  // namespace

void model_weelee_small(ModelBuilder &m)
{
    build_weelee(m, false);
}

void model_weelee_big(ModelBuilder &m)
{
    build_weelee(m, true);
}
