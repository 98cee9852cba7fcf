// models_enemy_spinner.cpp -- the spinner (beasties/spinner_1).
//
// A spinning top about 4 units across: a copper double cone on a steel tip, a white rim,
// four white fins on its crown and a glowing cap. The engine turns its yaw by its spin
// speed; "spin1_x" (played when it is released and after every bounce) makes it wobble
// about its tip, and "whirl" keeps its lights chasing round the rim. From above it reads
// as a copper disc with a white cross and ring.

#include "assetgen/models_enemy_kit.h"

#include <cmath>

namespace ek = enemy_kit;

void model_spinner_1(ModelBuilder &m)
{
    const Paint copper = ek::plate(0xf07a22);
    const Paint deep = ek::plate(0xa8441a);
    const Paint white = ek::smooth(0xf4f0e6);
    const Paint cap = ek::lamp(0xffd36a);

    int root = m.bone("mainbone_x");
    int tilt = m.bone("tilt", root);
    int top = m.bone("top", tilt).priority(1).health(2.0f);
    int lights = m.bone("lights", top).at(0, 0, 1.3f).priority(2);

    m.cylinder(top, at(0, 0, 0), 0.06f, 1.3f, 8, deep, 1.95f);
    m.cylinder(top, at(0, 0, 1.3f), 1.95f, 0.85f, 8, copper, 0.45f);
    m.torus(top, at(0, 0, 1.3f), 1.95f, 0.16f, 8, 2, white);
    for (int k = 0; k < 4; k++) {
        float a = 90.0f * (float)k + 22.5f;
        float rad = a * 0.017453292f;
        m.box(top, at(1.1f * std::cos(rad), 1.1f * std::sin(rad), 1.85f).turn(0, 29, a), {1.5f, 0.3f, 0.3f}, white);
    }
    m.cylinder(top, at(0, 0, 2.0f), 0.45f, 0.5f, 6, cap, 0.3f);
    // Rim lights: four lamps that chase round.
    for (int k = 0; k < 4; k++) {
        float rad = (45.0f + 90.0f * (float)k) * 0.017453292f;
        m.sphere(lights, at(1.7f * std::cos(rad), 1.7f * std::sin(rad), 0.12f), {0.22f, 0.22f, 0.18f}, 4, 2,
                 ek::lamp(0xfff0b0));
    }

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 1.3f}, 2.1f);
    m.hit_sphere(top, {0, 0, 1.45f}, 1.95f);
    m.hit_sphere(top, {0, 0, 0.5f}, 0.7f);

    // Spin1_x: the wobble about the tip, the tilt going round once a second.
    Track &wobble = m.track("spin1_x", tilt).loop();
    wobble.key(0.25f).turn(tilt, 9, 0, 0);
    wobble.key(0.25f).turn(tilt, 0, 9, 0);
    wobble.key(0.25f).turn(tilt, -9, 0, 0);
    wobble.key(0.25f).turn(tilt, 0, -9, 0);
    ek::spin_loop(m, "whirl", lights, 2, 0.4f);

    ek::emerge_rise(m, root, 3.0f, 0.6f, [&](int k, Key &key) {
        if (k == 0) {
            key.turn(top, 0, 0, -170);
        } else if (k == 1) {
            key.turn(top, 0, 0, -60);
        }
    });
    ek::submerge_sink(m, root, 3.2f, 0.45f, [&](int k, Key &key) { key.turn(top, 0, 0, k ? 170.0f : 40.0f); });
    // Byebye: it topples and skids to nothing.
    ek::byebye_burst(m, root, 200, 0.5f, 0.45f, [&](int k, Key &key) { key.turn(tilt, k ? 70.0f : 25.0f, 0, 0); });
    ek::mutate_pop(m, root, 0.3f);
    ek::hitbounce_recoil(m, top, 14, 0.4f);

    m.defaults({"whirl", "spin1_x"});
}
