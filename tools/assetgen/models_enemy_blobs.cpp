// models_enemy_blobs.cpp -- the goo: beasties/weblob_tiny2 and beasties/mergeblob_1.
//
// weblob_tiny2 (about 4 units at full size, launched at 0.6 .. 0.8): a squat blob of pale
// amber jelly hugging the floor, a dark violet nucleus peering out of its crown and four
// stubby feelers. Strands of web join neighbours at their "mainbone_x", on the floor
// under the blob. It quivers all the time ("quiver").
//
// mergeblob_1 (about 8 units as the big mergeblob, launched at half size as its
// droplets): a heaving mound of indigo slime with three lobes, glossy bubbles rising in
// it and two eyes on stalks. "wobble" is its heave, a 2 s loop the big one's spawn
// trigger reads (a droplet once it is a third through); as droplets the same model is
// small and quick.

#include "assetgen/models_enemy_kit.h"

#include <cmath>

namespace ek = enemy_kit;

void model_weblob_tiny2(ModelBuilder &m)
{
    m.shown_at(0.8f);   // weblob_tiny2.lua launches it at 60-80 %, the geopus spawns it at 50 %
    const Paint jelly = ek::gloss(0xffc23a);
    const Paint rim = ek::gloss(0xff8a24);
    const Paint nucleus = ek::gloss(0x6a2a9a);
    const Paint pupil = ek::lamp(0xff7ae0);

    int root = m.bone("mainbone_x");
    int body = m.bone("body", root).priority(1);
    int blob = m.bone("blob", body).priority(2).health(1.5f);
    int eye = m.bone("nucleus", blob).at(0, -0.2f, 1.35f).priority(3);

    m.sphere(blob, at(0, 0, 0), {1.7f, 1.7f, 1.45f}, 8, 4, jelly, true);
    m.torus(blob, at(0, 0, 0.12f), 1.62f, 0.22f, 8, 2, rim);
    for (int k = 0; k < 4; k++) {
        float a = (45.0f + 90.0f * (float)k) * 0.017453292f;
        m.sphere(blob, at(1.6f * std::cos(a), 1.6f * std::sin(a), 0.25f), {0.55f, 0.55f, 0.4f}, 6, 2, jelly);
    }
    m.sphere(eye, at(0, 0, 0), {0.62f, 0.62f, 0.5f}, 6, 3, nucleus);
    m.sphere(eye, at(0, -0.42f, 0.2f).turn(70, 0, 0), {0.25f, 0.25f, 0.12f}, 6, 2, pupil, true);

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0.7f}, 2.0f);
    m.hit_sphere(blob, {0, 0, 0.6f}, 1.65f);
    m.hit_sphere(eye, {0, 0, 0}, 0.6f);

    Track &quiver = m.track("quiver", blob).loop();
    quiver.key(0.3f).ease_in(40).ease_out(40).scale(blob, 1.08f, 1.08f, 0.86f).move(eye, 0, 0, -0.15f);
    quiver.key(0.3f).ease_in(40).ease_out(40).scale(blob, 0.94f, 0.94f, 1.12f).move(eye, 0, 0, 0.12f);
    Track &peer = m.track("peer", eye).loop();
    peer.key(0.6f).ease_in(50).turn(eye, 0, 0, 60);
    peer.key(0.4f);
    peer.key(0.6f).ease_in(50).turn(eye, 0, 0, -50);
    peer.key(0.5f);

    ek::emerge_rise(m, root, 2.5f, 0.6f, [&](int k, Key &key) {
        if (k == 1) {
            key.scale(body, 0.8f, 0.8f, 1.4f);
        } else if (k == 2) {
            key.scale(body, 1.2f, 1.2f, 0.8f);
        }
    });
    ek::submerge_sink(m, root, 2.5f, 0.45f, [&](int, Key &key) { key.scale(body, 1.3f, 1.3f, 0.5f); });
    // Byebye: it splats flat and spreads.
    ek::byebye_burst(m, root, 30, 0.2f, 0.4f, [&](int k, Key &key) {
        key.scale(body, k ? 2.6f : 1.5f, k ? 2.6f : 1.5f, k ? 0.1f : 0.5f);
    });
    ek::mutate_pop(m, root, 0.2f);
    ek::hitbounce_recoil(m, body, 0, 0.1f, [&](int k, Key &key) {
        if (k == 0) {
            key.scale(body, 1.25f, 1.25f, 0.7f);
        }
    });

    m.defaults({"quiver", "peer"});
}

void model_mergeblob_1(ModelBuilder &m)
{
    const Paint slime = ek::skin(0x5a66ff);
    const Paint deep = ek::skin(0x3438c0);
    const Paint bubble = ek::gloss(0x9cc4ff);
    const Paint eye_white = ek::gloss(0xf4f6ff);
    const Paint pupil = ek::lamp(0xffe040);

    int root = m.bone("mainbone_x");
    int body = m.bone("body", root).priority(1);
    int mass = m.bone("mass", body).priority(2).health(4.0f);
    int lobe_l = m.bone("lobe_l", mass).at(2.0f, 0.9f, 0).health(1.5f);
    int lobe_r = m.bone("lobe_r", mass).at(-2.1f, 0.7f, 0).health(1.5f);
    int lobe_b = m.bone("lobe_b", mass).at(0.2f, 2.4f, 0).health(1.5f);
    int bubbles = m.bone("bubbles", mass).at(0, 0, 1.0f).priority(3);
    int stalk_l = m.bone("stalk_l", mass).at(0.8f, -1.6f, 1.9f).priority(3);
    int stalk_r = m.bone("stalk_r", mass).at(-0.8f, -1.6f, 1.9f).priority(3);

    m.sphere(mass, at(0, 0, 0), {3.0f, 3.0f, 2.6f}, 12, 4, slime, true);
    m.torus(mass, at(0, 0, 0.15f), 2.9f, 0.35f, 12, 2, deep);
    m.sphere(lobe_l, at(0, 0, 0), {1.6f, 1.6f, 1.5f}, 8, 3, slime, true);
    m.sphere(lobe_r, at(0, 0, 0), {1.5f, 1.5f, 1.35f}, 8, 3, slime, true);
    m.sphere(lobe_b, at(0, 0, 0), {1.6f, 1.6f, 1.4f}, 8, 3, deep, true);
    // The bubbles that break the surface (deeper ones stayed inside the mass, unseen).
    const float spots[2][3] = {{0.9f, 0.6f, 0.9f}, {0.2f, -0.7f, 1.1f}};
    for (const auto &b : spots) {
        float r = 0.28f + 0.08f * b[2];
        m.sphere(bubbles, at(b[0], b[1], b[2]), {r, r, r}, 4, 2, bubble);
    }
    for (int side : {0, 1}) {
        int stalk = side ? stalk_r : stalk_l;
        m.cylinder(stalk, at(0, 0, -0.3f), 0.22f, 1.2f, 5, slime, 0.16f);
        m.sphere(stalk, at(0, 0, 1.1f), {0.42f, 0.42f, 0.42f}, 6, 3, eye_white);
        m.sphere(stalk, at(0, -0.32f, 1.15f).turn(90, 0, 0), {0.2f, 0.2f, 0.1f}, 5, 2, pupil, true);
    }

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0.3f, 1.2f}, 4.2f);
    m.hit_sphere(mass, {0, 0, 1.0f}, 2.6f);
    m.hit_sphere(lobe_l, {0, 0, 0.5f}, 1.4f);
    m.hit_sphere(lobe_r, {0, 0, 0.5f}, 1.3f);
    m.hit_sphere(lobe_b, {0, 0, 0.5f}, 1.4f);

    // Wobble: the heave, 2 s: the mass rises and narrows, slumps and spreads, the lobes
    // pulse out of step and the bubbles rise.
    Track &wobble = m.track("wobble", mass).loop();
    wobble.key(0.5f).ease_in(40).ease_out(40).scale(mass, 0.92f, 0.92f, 1.18f).scale(lobe_l, 1.15f)
        .scale(lobe_r, 0.9f).move(lobe_b, 0, 0.3f, 0);
    wobble.key(0.5f).ease_in(40).ease_out(40).scale(mass, 1.06f, 1.06f, 0.9f).scale(lobe_r, 1.15f)
        .move(lobe_l, 0.25f, 0, 0);
    wobble.key(0.5f).ease_in(40).ease_out(40).scale(mass, 0.96f, 0.96f, 1.08f).scale(lobe_b, 1.2f);
    wobble.key(0.5f).ease_in(40).ease_out(40).scale(mass, 1.1f, 1.1f, 0.84f).scale(lobe_l, 0.9f);
    Track &rise = m.track("bubble", bubbles).loop();
    rise.key(1.2f).move(bubbles, 0, 0, 0.9f).scale(bubbles, 0.6f);
    rise.key(0.01f).scale(bubbles, 0.2f);
    rise.key(0.3f).ease_in(40);
    Track &eyes = m.track("eyes", stalk_l).loop();
    eyes.key(0.5f).ease_in(40).turn(stalk_l, 20, -15, 0);
    eyes.key(0.5f).ease_in(40).turn(stalk_l, -10, 20, 0);
    Track &eyes_r = m.track("eyes_r", stalk_r).loop();
    eyes_r.key(0.45f).ease_in(40).turn(stalk_r, -15, 15, 0);
    eyes_r.key(0.55f).ease_in(40).turn(stalk_r, 15, -20, 0);

    ek::emerge_rise(m, root, 3.0f, 0.9f, [&](int k, Key &key) {
        if (k == 0) {
            key.scale(body, 0.4f, 0.4f, 1.5f);
        } else if (k == 2) {
            key.scale(body, 1.2f, 1.2f, 0.8f);
        }
    });
    ek::submerge_sink(m, root, 3.0f, 0.5f, [&](int, Key &key) { key.scale(body, 1.3f, 1.3f, 0.4f); });
    // Byebye: it bursts, the lobes flung out, and melts into the floor.
    ek::byebye_burst(m, root, 20, 0.3f, 0.5f, [&](int k, Key &key) {
        float f = k ? 1.0f : 0.4f;
        key.scale(body, 1.0f + 1.2f * f, 1.0f + 1.2f * f, 1.0f - 0.8f * f).move(lobe_l, 1.8f * f, 0, 0)
            .move(lobe_r, -1.8f * f, 0, 0).move(lobe_b, 0, 1.8f * f, 0);
    });
    ek::mutate_pop(m, root, 0.6f, [&](int k, Key &key) {
        if (k == 1) {
            key.scale(body, 1.1f, 1.1f, 0.8f);
        }
    });
    ek::hitbounce_recoil(m, body, 0, 0.1f, [&](int k, Key &key) {
        if (k == 0) {
            key.scale(body, 1.12f, 1.12f, 0.82f);
        }
    });

    m.defaults({"wobble", "bubble", "eyes", "eyes_r"});
}
