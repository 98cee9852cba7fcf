// models_enemy_trailer.cpp -- the trailer (beasties/trailer_1) and its litter
// (beasties/trailer_trash).
//
// The trailer is a segmented brass crawler about 8 units long: a wedge head with teal
// eyes, three ribbed segments on stubby legs and a tail pod with a drop chute (tail_x).
// It follows its path without root motion; "trail" (1.5 s, its default) sends a wave
// down the segments and opens the chute once a beat: the script's spawn trigger drops a
// mine at the tail on every beat.
//
// The trash is a mine about 2.5 units across: a black ribbed dome with six studs and a
// red lamp that blinks; "pulse" (the script's random animation) swells the dome.

#include "assetgen/models_enemy_kit.h"

#include <cmath>

namespace ek = enemy_kit;

void model_trailer_1(ModelBuilder &m)
{
    const Paint brass = ek::plate(0xf0b838);
    const Paint dark = ek::plate(0x4a3a26);
    const Paint rib = ek::shell(0xc88a2a);
    const Paint eye = ek::lamp(0x40f0d8);
    const Paint chute = ek::lamp(0xff4030);

    int root = m.bone("mainbone_x");
    int chassis = m.bone("chassis", root).at(0, 0, 1.2f).priority(1);
    int head = m.bone("head", chassis).at(0, -2.6f, 0.1f).priority(2).health(2.0f);
    int seg[3];
    int prev = chassis;
    for (int k = 0; k < 3; k++) {
        seg[k] = m.bone("segment" + std::to_string(k + 1), prev).at(0, k ? 1.75f : -0.9f, 0).health(1.5f);
        prev = seg[k];
    }
    int tail = m.bone("tail_x", seg[2]).at(0, 1.9f, 0.1f).turn(0, 0, 180).health(1.0f);
    int hatch = m.bone("chute", tail).at(0, -0.9f, -0.45f).priority(2);

    // Head: a wedge with a brow and two eyes.
    m.box(head, at(0, 0, 0.2f).turn(90, 0, 0), {2.4f, 1.4f, 1.6f}, brass, 0.55f);
    m.box(head, at(0, -0.1f, 0.95f), {2.0f, 1.2f, 0.3f}, dark, 0.8f);
    m.sphere(head, at(0.6f, -0.7f, 0.55f), {0.25f, 0.25f, 0.25f}, 5, 2, eye);
    m.sphere(head, at(-0.6f, -0.7f, 0.55f), {0.25f, 0.25f, 0.25f}, 5, 2, eye);
    // Segments: ribbed drums on two stubby legs each.
    for (int k = 0; k < 3; k++) {
        float r = 1.25f - 0.1f * (float)k;
        m.cylinder(seg[k], at(0, -0.7f, 0).turn(-90, 0, 0), r, 1.4f, 8, rib);
        m.box(seg[k], at(0, 0, r * 0.95f), {1.0f, 1.0f, 0.25f}, brass);
        for (int side : {-1, 1}) {
            m.box(seg[k], at(r * 0.9f * (float)side, 0, -0.8f), {0.35f, 0.5f, 0.9f}, dark, 0.7f);
        }
    }
    // Tail pod with the chute under it.
    m.sphere(tail, at(0, 0, 0), {1.0f, 1.2f, 0.9f}, 8, 3, brass);
    m.box(hatch, at(0, 0, 0), {0.9f, 0.9f, 0.15f}, chute);

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0.4f, 1.2f}, 4.6f);
    m.hit_sphere(head, {0, 0, 0.3f}, 1.3f);
    for (int k = 0; k < 3; k++) {
        m.hit_sphere(seg[k], {0, 0, 0}, 1.2f);
    }
    m.hit_sphere(tail, {0, 0, 0}, 1.0f);

    // Trail: a wave down the segments, the chute opening on the beat.
    Track &trail = m.track("trail", chassis).loop();
    for (int beat = 0; beat < 3; beat++) {
        Key &k = trail.key(0.5f).ease_in(30).ease_out(30);
        for (int i = 0; i < 3; i++) {
            float phase = 2.0944f * (float)(beat + 1) - 0.9f * (float)i;
            k.turn(seg[i], 0, 6.0f * std::cos(phase), 10.0f * std::sin(phase)).move(seg[i], 0, 0, 0.12f * std::cos(phase));
        }
        k.turn(head, 0, 0, 6.0f * std::sin(2.0944f * (float)(beat + 1) + 0.9f));
        if (beat == 2) {
            k.turn(hatch, 70, 0, 0).scale(hatch, 1.2f);
        }
    }

    ek::emerge_rise(m, root, 3.5f, 0.8f, [&](int k, Key &key) {
        if (k == 0) {
            key.turn(head, -40, 0, 0);
        }
    });
    ek::submerge_sink(m, root, 3.5f, 0.5f, [&](int, Key &key) { key.turn(head, 30, 0, 0); });
    // Byebye: the segments fly apart and shrink.
    ek::byebye_burst(m, root, 40, 0.6f, 0.5f, [&](int k, Key &key) {
        float f = k ? 1.0f : 0.3f;
        key.move(head, 0, -1.5f * f, 1.0f * f).turn(head, -40 * f, 0, 0).move(seg[1], 1.2f * f, 0, 0.8f * f)
            .turn(seg[1], 0, 60 * f, 0).move(seg[2], -1.2f * f, 0, 0.5f * f).turn(seg[2], 0, -60 * f, 0)
            .move(tail, 0, 1.2f * f, 0);
    });
    ek::mutate_pop(m, root, 0.5f);
    ek::hitbounce_recoil(m, head, -20, 0.3f);

    m.defaults({"trail"});
}

void model_trailer_trash(ModelBuilder &m)
{
    const Paint shell = ek::shell(0x2a2a30);
    const Paint stud = ek::plate(0x9a9aa8);
    const Paint lamp = ek::lamp(0xff3020);

    int root = m.bone("mainbone_x");
    int mine = m.bone("mine", root).priority(1).health(1.0f);
    int light = m.bone("lamp", mine).at(0, 0, 0.95f).priority(2);
    int halo = m.bone("halo", light).faces_camera().priority(2);

    m.sphere(mine, at(0, 0, 0), {1.2f, 1.2f, 0.9f}, 10, 3, shell, true);
    m.torus(mine, at(0, 0, 0.12f), 1.18f, 0.14f, 8, 2, stud);
    for (int k = 0; k < 6; k++) {
        float a = 60.0f * (float)k * 0.017453292f;
        m.cylinder(mine, at(0.95f * std::cos(a), 0.95f * std::sin(a), 0.35f).turn(0, 50, 60.0f * (float)k), 0.16f,
                   0.45f, 4, stud, 0);
    }
    m.sphere(light, at(0, 0, 0), {0.32f, 0.32f, 0.25f}, 6, 2, lamp, true);
    m.sprite(halo, 2.2f, ek::glow(0xff2a10));

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0.5f}, 1.35f);
    m.hit_sphere(mine, {0, 0, 0.4f}, 1.2f);

    // Blink: the lamp flashes twice a second.
    Track &blink = m.track("blink", light).loop();
    blink.key(0.05f).scale(light, 1.2f).scale(halo, 1.3f);
    blink.key(0.2f).scale(light, 0.8f).scale(halo, 0.3f);
    blink.key(0.25f).scale(light, 0.8f).scale(halo, 0.3f);
    // Pulse: the dome swells as if about to go.
    Track &pulse = m.track("pulse", mine).once();
    pulse.key(0.12f).ease_out(40).scale(mine, 1.25f, 1.25f, 1.35f);
    pulse.key(0.2f).ease_in(40).scale(mine, 0.95f);
    pulse.key(0.1f);

    // Emerge: it drops from the chute and bounces.
    Track &emerge = m.track("emerge").once();
    emerge.key(0.01f).move(root, 0, 0, 1.5f).scale(root, 0.6f);
    emerge.key(0.15f).ease_in(40).scale(root, 1.0f, 1.0f, 0.7f);
    emerge.key(0.12f).ease_out(40).move(root, 0, 0, 0.6f);
    emerge.key(0.12f).ease_in(40).scale(root, 1.1f, 1.1f, 0.9f);
    emerge.key(0.08f);
    ek::submerge_sink(m, root, 2.0f, 0.4f);
    ek::byebye_burst(m, root, 0, 0.0f, 0.3f, [&](int k, Key &key) { key.scale(halo, k ? 4.0f : 2.5f); });
    ek::mutate_pop(m, root, 0.3f);
    ek::hitbounce_recoil(m, mine, 8, 0.2f);

    m.defaults({"blink"});
}
