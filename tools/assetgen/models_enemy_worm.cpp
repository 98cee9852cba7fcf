// models_enemy_worm.cpp -- the split worm (beasties/worm_chain_split).
//
// A chain about 10 units long of lime beads, each a trackfly curled up with its wings
// folded (at half health the worm bursts into trackflies): a horned head with red eyes
// and mandibles (head_x, where its globs come from), six beads shrinking toward the
// tail. "slither", its move animation (cmt_anim_to_move), sends a wave from head to tail
// and covers 2.4 units per 0.15 s beat (0.16 units a tick, the middle of
// worm_chain_split.lua's 0.14 .. 0.18). From above: a wavy green chain.

#include "assetgen/models_enemy_kit.h"

#include <cmath>

namespace ek = enemy_kit;

void model_worm_chain_split(ModelBuilder &m)
{
    const Paint lime = ek::shell(0x8edb2a);
    const Paint band = ek::shell(0x3a5a18);
    const Paint wing = ek::membrane(0xd8ecc8);
    const Paint eye = ek::gloss(0xd0201c);
    const Paint horn = ek::shell(0xf0e8c0);
    constexpr int BEADS = 6;

    int root = m.bone("mainbone_x");
    int spine = m.bone("spine", root).at(0, -3.6f, 1.3f).priority(1);
    int head = m.bone("head_x", spine).priority(2).health(2.0f);
    int jaws = m.bone("jaws", head).at(0, -0.8f, -0.2f).priority(3);
    int bead[BEADS];
    int prev = spine;
    for (int k = 0; k < BEADS; k++) {
        bead[k] = m.bone("bead" + std::to_string(k + 1), prev).at(0, k ? 1.35f - 0.05f * (float)k : 1.4f, 0).health(1.0f);
        prev = bead[k];
    }

    // Head: a beetle head with horns, eyes and mandibles.
    m.sphere(head, at(0, 0, 0), {1.05f, 1.0f, 0.85f}, 8, 3, lime);
    m.sphere(head, at(0.55f, -0.55f, 0.3f), {0.32f, 0.32f, 0.3f}, 5, 2, eye);
    m.sphere(head, at(-0.55f, -0.55f, 0.3f), {0.32f, 0.32f, 0.3f}, 5, 2, eye);
    m.cylinder(head, at(0.4f, -0.1f, 0.6f).turn(-30, 25, 0), 0.16f, 0.9f, 4, horn, 0);
    m.cylinder(head, at(-0.4f, -0.1f, 0.6f).turn(-30, -25, 0), 0.16f, 0.9f, 4, horn, 0);
    m.cylinder(jaws, at(0.35f, 0.1f, 0).turn(90, 0, -20), 0.15f, 0.7f, 4, horn, 0);
    m.cylinder(jaws, at(-0.35f, 0.1f, 0).turn(90, 0, 20), 0.15f, 0.7f, 4, horn, 0);
    // Beads: a curled fly each, a dark band and two folded wings.
    for (int k = 0; k < BEADS; k++) {
        float r = 0.95f - 0.07f * (float)k;
        m.sphere(bead[k], at(0, 0, 0), {r, r * 0.95f, r * 0.85f}, 6, 3, lime);
        m.cylinder(bead[k], at(0, 0.12f, 0).turn(-90, 0, 0), r * 1.02f, 0.22f, 6, band);
        m.sphere(bead[k], at(0.4f * r, 0.35f, 0.7f * r).turn(0, 0, -15), {0.35f * r, 0.9f * r, 0.04f}, 4, 2, wing);
        m.sphere(bead[k], at(-0.4f * r, 0.35f, 0.7f * r).turn(0, 0, 15), {0.35f * r, 0.9f * r, 0.04f}, 4, 2, wing);
    }

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 1.2f}, 5.0f);
    m.hit_sphere(head, {0, -0.1f, 0}, 1.0f);
    for (int k = 0; k < BEADS; k++) {
        m.hit_sphere(bead[k], {0, 0, 0}, 0.95f - 0.07f * (float)k);
    }

    // Slither: a sideways wave travelling from the head down the chain, four beats of
    // 2.4 units each.
    Track &slither = m.track("slither").loop();
    for (int beat = 1; beat <= 4; beat++) {
        Key &k = slither.key(0.15f).forward(2.4f);
        float phase = 1.5707963f * (float)beat;
        k.turn(spine, 0, 0, 12.0f * std::sin(phase)).turn(head, 0, 0, -6.0f * std::sin(phase));
        for (int i = 0; i < BEADS; i++) {
            k.turn(bead[i], 0, 4.0f * std::cos(phase - 0.8f * (float)i), -22.0f * std::sin(phase - 0.8f * (float)(i + 1)));
        }
    }
    // Chew: the mandibles work on their own track.
    Track &chew = m.track("chew", jaws).loop();
    chew.key(0.15f).scale(jaws, 1.25f, 1.0f, 1.0f).turn(jaws, 10, 0, 0);
    chew.key(0.15f).scale(jaws, 0.85f, 1.0f, 1.0f);
    // Idle: the chain coils and uncoils slowly.
    Track &coil = m.track("coil").loop();
    {
        Key &a = coil.key(0.8f).ease_in(40).ease_out(40).turn(spine, 0, 0, 10);
        Key &b = coil.key(0.8f).ease_in(40).ease_out(40).turn(spine, 0, 0, -10);
        for (int i = 0; i < BEADS; i++) {
            a.turn(bead[i], 0, 0, 9);
            b.turn(bead[i], 0, 0, -9);
        }
    }

    ek::emerge_rise(m, root, 3.0f, 0.9f, [&](int k, Key &key) {
        for (int i = 0; i < BEADS; i++) {
            key.move(bead[i], 0, 0, k == 0 ? -1.5f * (float)(i + 1) : k == 1 ? -0.6f * (float)(i + 1) : 0.0f);
        }
        if (k == 0) {
            key.turn(spine, -50, 0, 0);
        }
    });
    ek::submerge_sink(m, root, 3.0f, 0.5f, [&](int k, Key &key) {
        key.turn(spine, k ? 40.0f : 10.0f, 0, 0);
    });
    // Byebye: the beads scatter and shrink.
    ek::byebye_burst(m, root, 30, 0.5f, 0.5f, [&](int k, Key &key) {
        float f = k ? 1.0f : 0.35f;
        for (int i = 0; i < BEADS; i++) {
            float side = i % 2 ? 1.0f : -1.0f;
            key.move(bead[i], 1.5f * side * f, 0.3f * f, 1.2f * f).turn(bead[i], 0, 90 * side * f, 0);
        }
        key.move(head, 0, -1.0f * f, 1.0f * f).turn(head, -60 * f, 0, 0);
    });
    ek::mutate_pop(m, root, 0.3f);
    ek::hitbounce_recoil(m, head, -25, 0.4f);

    m.defaults({"coil", "chew"});
}
