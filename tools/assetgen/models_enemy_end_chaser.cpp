// models_enemy_end_chaser.cpp -- the end chaser (beasties/end_chaser).
//
// Sent after the ships when the clock runs out: a black orb about 4 units across that
// floats 2.5 units up, ringed by a slowly grinding crown of bone-white spikes, with two
// pale green eyes in a cold halo. It never rests: the spikes grind, the halo breathes
// and the eyes narrow and widen. The darkest thing in the arena, lit only by its eyes.

#include "assetgen/models_enemy_kit.h"

#include <cmath>

namespace ek = enemy_kit;

void model_end_chaser(ModelBuilder &m)
{
    const Paint black = ek::skin(0x26222c);
    const Paint bone_white = ek::shell(0xe6e0cc);
    const Paint eye = ek::lamp(0xc8ffd8);

    int root = m.bone("mainbone_x");
    int hover = m.bone("hover", root).at(0, 0, 2.5f);
    int core = m.bone("core", hover).priority(1).health(4.0f);
    int crown = m.bone("crown", core).priority(2);
    int eyes = m.bone("eyes", core).at(0, -1.05f, 0.25f).priority(3);
    int halo = m.bone("halo", core).faces_camera().priority(3);

    m.sphere(core, at(0, 0, 0), {1.25f, 1.25f, 1.2f}, 8, 4, black);
    // Spikes: eight around the equator, four leaning up, on the crown bone.
    for (int k = 0; k < 8; k++) {
        float a = 45.0f * (float)k;
        float rad = a * 0.017453292f;
        m.cylinder(crown, at(1.05f * std::cos(rad), 1.05f * std::sin(rad), 0).turn(0, 90, a), 0.28f, 1.05f, 4,
                   bone_white, 0);
    }
    for (int k = 0; k < 4; k++) {
        float a = 22.5f + 90.0f * (float)k;
        float rad = a * 0.017453292f;
        m.cylinder(crown, at(0.7f * std::cos(rad), 0.7f * std::sin(rad), 0.8f).turn(0, 45, a), 0.22f, 0.8f, 4,
                   bone_white, 0);
    }
    // Eyes: two slanted slits.
    m.box(eyes, at(0.4f, 0, 0).turn(0, 0, -15), {0.55f, 0.16f, 0.2f}, eye);
    m.box(eyes, at(-0.4f, 0, 0).turn(0, 0, 15), {0.55f, 0.16f, 0.2f}, eye);
    m.sprite(halo, 5.0f, ek::glow(0x3c8a5a));

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 2.5f}, 2.2f);
    m.hit_sphere(core, {0, 0, 0}, 1.3f);
    m.hit_sphere(crown, {0, 0, 0}, 2.0f);

    ek::spin_loop(m, "grind", crown, 2, 4.0f);
    Track &stare = m.track("stare", eyes).loop();
    stare.key(0.7f).ease_in(40).ease_out(40).scale(eyes, 1.2f, 1.0f, 0.5f);
    stare.key(0.12f).scale(eyes, 1.0f, 1.0f, 1.3f);
    stare.key(0.6f).ease_in(40);
    Track &breathe = m.track("breathe", halo).loop();
    breathe.key(0.8f).ease_in(40).ease_out(40).scale(halo, 1.25f);
    breathe.key(0.8f).ease_in(40).ease_out(40).scale(halo, 0.85f);
    // Hover: a slow rise and fall with a lean toward its prey.
    Track &hang = m.track("hang", hover).loop();
    hang.key(0.9f).ease_in(40).ease_out(40).move(hover, 0, 0, 0.35f).turn(hover, 8, 0, 0);
    hang.key(0.9f).ease_in(40).ease_out(40).move(hover, 0, 0, -0.2f).turn(hover, 4, 0, 0);

    // Emerge: it condenses out of nothing, spinning in.
    ek::emerge_swoop(m, root, 3.0f, 1.0f);
    ek::submerge_sink(m, root, 5.0f, 0.5f);
    ek::byebye_burst(m, root, -240, 1.5f, 0.6f, [&](int k, Key &key) { key.scale(core, k ? 1.6f : 1.2f); });
    ek::mutate_pop(m, root, 0.2f);
    ek::hitbounce_recoil(m, core, -10, 0.2f);

    m.defaults({"grind", "stare", "breathe", "hang"});
}
