// models_boss_powerpimp.cpp -- the powerpimp (bosses/powerpimp).
//
// A gaudy hovering tyrant about 17 units across, floating 1.5 units up: a fat golden body
// in a magenta fur coat with a white fur collar and a hem of coloured jewels, a round
// green face with gold-rimmed shades and a gold-toothed grin, a towering purple top hat
// with a gold band and a plume (hat_x, under the hat: its homing bombs leave from
// there), a flared golden blunderbuss on its belly (gun_x, its fans of orbs) and a cane
// topped with a diamond. From above: a purple hat in a magenta ring with a gold muzzle.
// It swaggers on every part at once: the body floats, the head bobs, the hat tips, the
// medallion swings and the cane twirls. Below a quarter of its health the engine rolls
// the whole model (cmt_rolly_polly).

#include "assetgen/models_enemy_kit.h"

#include <cmath>

namespace ek = enemy_kit;

void model_powerpimp(ModelBuilder &m)
{
    const Paint gold = ek::plate(0xffc828);
    const Paint shiny = ek::gloss(0xffd84a);
    const Paint coat = ek::skin(0xe0269a);
    const Paint fur = ek::skin(0xfff0f6);
    const Paint face = ek::gloss(0x5ad0a0);
    const Paint hat_paint = ek::shell(0x6a22a8);
    const Paint shades = ek::lamp(0x18141e);
    const Paint teeth = ek::lamp(0xfffaf0);
    const Paint plume = ek::membrane(0x40f0ff);

    int root = m.bone("mainbone_x");
    // The hover bone scales the whole figure up to boss size.
    int hover = m.bone("hover", root).at(0, 0, 6.8f).size(1.6f);
    int body = m.bone("body", hover).priority(1).health(12.0f);
    int head = m.bone("head", body).at(0, -0.9f, 3.9f).priority(3).health(4.0f);
    int hat_x = m.bone("hat_x", head).at(0, 0.5f, 1.8f);
    int hat = m.bone("hat", hat_x).priority(5);
    int gun = m.bone("gun_x", body).at(0, -4.3f, -0.6f);
    int medal = m.bone("medallion", body).at(0, -2.9f, 2.0f).priority(4);
    int arm_l = m.bone("arm_l", body).at(3.3f, -0.8f, 0.8f).priority(2).health(2.0f);
    int arm_r = m.bone("arm_r", body).at(-3.3f, -0.8f, 0.8f).priority(2).health(2.0f);
    int cane = m.bone("cane", arm_l).at(0.4f, -1.6f, -0.4f).priority(4);
    int gem = m.bone("diamond", cane).at(0, 0, 2.6f).faces_camera().priority(4);

    // Body and coat.
    m.sphere(body, at(0, 0, 0.4f), {3.2f, 3.0f, 3.0f}, 12, 5, shiny);
    m.cylinder(body, at(0, 0.3f, -2.4f), 3.0f, 3.6f, 12, coat, 3.7f);
    m.sphere(body, at(0, 0.3f, -2.4f), {3.0f, 3.0f, 1.0f}, 12, 2, coat);
    m.torus(body, at(0, -0.2f, 2.7f), 2.6f, 0.8f, 12, 4, fur);
    m.torus(body, at(0, 0.3f, 1.2f), 3.7f, 0.35f, 12, 3, fur);
    const uint32_t jewels[6] = {0xff3040, 0x40ff70, 0x40a0ff, 0xffe040, 0xff50ff, 0x40ffff};
    for (int k = 0; k < 12; k++) {
        float a = (15.0f + 30.0f * (float)k) * 0.017453292f;
        m.sphere(body, at(3.15f * std::cos(a), 0.3f + 3.15f * std::sin(a), -2.2f), {0.32f, 0.32f, 0.32f}, 5, 2,
                 ek::lamp(jewels[k % 6]));
    }
    // Head: face, shades, grin.
    m.sphere(head, at(0, 0, 0.3f), {1.9f, 1.7f, 1.6f}, 10, 4, face);
    m.box(head, at(0, -1.55f, 0.75f), {3.0f, 0.35f, 0.7f}, shades);
    m.box(head, at(0, -1.6f, 1.12f), {3.2f, 0.4f, 0.12f}, gold);
    m.box(head, at(0, -1.45f, -0.45f).turn(-15, 0, 0), {1.6f, 0.3f, 0.35f}, teeth);
    m.box(head, at(0.45f, -1.62f, -0.45f).turn(-15, 0, 0), {0.3f, 0.1f, 0.3f}, shiny);
    // Hat: brim, crown, band, plume.
    m.cylinder(hat, at(0, 0, 0), 2.3f, 0.25f, 12, hat_paint);
    m.cylinder(hat, at(0, 0, 0.25f), 1.6f, 3.6f, 10, hat_paint, 1.8f);
    m.cylinder(hat, at(0, 0, 0.35f), 1.64f, 0.6f, 10, gold, 1.67f);
    m.ribbon(hat, {{{1.6f, 0.2f, 0.8f}, 0.9f, rgb(0x40f0ff)}, {{2.4f, 1.2f, 2.8f}, 1.1f, rgb(0x80ffff)},
                   {{2.2f, 2.6f, 4.2f}, 0.5f, rgb(0xffffff)}},
             plume);
    // Blunderbuss: a barrel flaring into a bell.
    m.cylinder(gun, at(0, 2.6f, 0).turn(90, 0, 0), 0.7f, 1.6f, 10, gold);
    m.cylinder(gun, at(0, 1.0f, 0).turn(90, 0, 0), 0.7f, 1.2f, 10, shiny, 1.35f);
    m.torus(gun, at(0, -0.2f, 0).turn(90, 0, 0), 1.3f, 0.2f, 10, 3, ek::lamp(0xff7ad0));
    // Medallion on a chain.
    m.torus(medal, at(0, 0.6f, 0.5f).turn(70, 0, 0), 1.0f, 0.1f, 10, 3, gold);
    m.cylinder(medal, at(0, 0, -0.6f).turn(90, 0, 0), 0.9f, 0.25f, 10, shiny);
    // Arms and cane.
    for (int side : {0, 1}) {
        int arm = side ? arm_r : arm_l;
        float x = side ? -1.0f : 1.0f;
        m.sphere(arm, at(0, 0, 0), {1.1f, 1.1f, 1.1f}, 8, 3, coat);
        m.box(arm, at(0.4f * x, -0.8f, -0.4f).turn(-30, 0, 0), {1.1f, 1.8f, 1.1f}, coat);
        m.sphere(arm, at(0.45f * x, -1.6f, -0.5f), {0.7f, 0.7f, 0.7f}, 6, 3, fur);
        m.torus(arm, at(0.45f * x, -1.6f, -0.1f), 0.5f, 0.15f, 8, 3, shiny);
    }
    m.cylinder(cane, at(0, 0, -2.5f), 0.18f, 5.0f, 6, ek::shell(0x2a1a3a));
    m.sprite(gem, 2.2f, ek::spark(0xd8f8ff));

    m.hit_sphere(ModelBuilder::ACTOR, {0, -0.6f, 7.6f}, 12.5f);
    m.hit_sphere(body, {0, 0, 0.2f}, 3.3f);
    m.hit_sphere(body, {0, 0.3f, -2.6f}, 3.0f);
    m.hit_sphere(head, {0, 0, 0.3f}, 1.8f);
    m.hit_sphere(hat, {0, 0, 2.0f}, 2.0f);
    m.hit_sphere(arm_l, {0.4f, -0.8f, -0.4f}, 1.3f);
    m.hit_sphere(arm_r, {-0.4f, -0.8f, -0.4f}, 1.3f);
    m.hit_sphere(gun, {0, 1.2f, 0}, 1.3f);

    Track &drift = m.track("float", hover).loop();
    drift.key(1.0f).ease_in(40).ease_out(40).move(hover, 0, 0, 0.9f).turn(hover, 0, 5, 6);
    drift.key(1.0f).ease_in(40).ease_out(40).move(hover, 0, 0, -0.3f).turn(hover, 0, -5, -6);
    Track &strut = m.track("strut", head).loop();
    strut.key(0.25f).ease_in(40).ease_out(40).turn(head, 6, 10, 8).move(head, 0, 0, 0.15f);
    strut.key(0.25f).ease_in(40).ease_out(40).turn(head, 0, 0, 0);
    strut.key(0.25f).ease_in(40).ease_out(40).turn(head, 6, -10, -8).move(head, 0, 0, 0.15f);
    strut.key(0.25f).ease_in(40).ease_out(40);
    Track &tip = m.track("tip", hat).loop();
    tip.key(0.8f).ease_in(40).ease_out(40).turn(hat, 12, -8, 0).move(hat, 0, 0, 0.3f);
    tip.key(0.8f).ease_in(40).ease_out(40).turn(hat, -4, 6, 0);
    Track &bling = m.track("bling", medal).loop();
    bling.key(0.5f).ease_in(40).ease_out(40).turn(medal, 0, 22, 0);
    bling.key(0.5f).ease_in(40).ease_out(40).turn(medal, 0, -22, 0);
    ek::spin_loop(m, "twirl", cane, 1, 1.0f);

    // Emerge: a grand rise in a spin, the hat arriving last.
    ek::emerge_rise(m, root, 10.0f, 1.5f, [&](int k, Key &key) {
        if (k == 0) {
            key.turn(root, 0, 0, -170).scale(hat, 0.1f);
        } else if (k == 1) {
            key.turn(root, 0, 0, -40).scale(hat, 0.6f);
        } else if (k == 2) {
            key.scale(hat, 1.3f);
        }
    });
    ek::submerge_sink(m, root, 10.0f, 0.7f, [&](int k, Key &key) { key.turn(root, 0, 0, k ? 120.0f : 20.0f); });
    // Byebye: the hat flies off, the coat bursts and it shrinks away spinning.
    ek::byebye_burst(m, root, 360, 3.0f, 0.6f, [&](int k, Key &key) {
        float f = k ? 1.0f : 0.4f;
        key.move(hat_x, 0, 0, 5.0f * f).turn(hat_x, 30 * f, 0, 90 * f).move(arm_l, 2.0f * f, 0, 0)
            .move(arm_r, -2.0f * f, 0, 0);
    });
    ek::mutate_pop(m, root, 0.7f);
    ek::hitbounce_recoil(m, body, -8, 0.5f);

    m.defaults({"float", "strut", "tip", "bling", "twirl"});
}
