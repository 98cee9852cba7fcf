// models_boss_geopus.cpp -- the geopus (bosses/geopus).
//
// A great crawling octopus about 24 units across its arms: a bulging blue-violet mantle
// with pale blotches and two huge golden eyes, a beak under its brow (mouth_x, where it
// spits) and eight arms of three segments each, pink underneath with suckers. One front
// arm ends in a budding tip (arm_tip_x): "grow" (5 s, its default) lifts that arm
// and swells the bud, and from half way on the spawn trigger grows a weblob there.
//
// "crawl" is its move animation (cmt_anim_to_move): 2.4 units per 0.6 s pull of its
// arms, 0.04 units a tick (geopus.lua asks 0.03 .. 0.05). The mantle breathes, the
// eyes roll and the arms curl on tracks of their own, so it is never still.

#include "assetgen/models_enemy_kit.h"

#include <cmath>
#include <string>

namespace ek = enemy_kit;

void model_geopus(ModelBuilder &m)
{
    const Paint mantle = ek::skin(0x6a4ae8);
    const Paint deep = ek::skin(0x3a2698);
    const Paint under = ek::skin(0xff8ab8);
    const Paint sucker = ek::gloss(0xffc8dc);
    const Paint eye = ek::gloss(0xffd040);
    const Paint pupil = ek::lamp(0x140c20);
    const Paint beak = ek::shell(0x2a2030);
    const Paint bud = ek::gloss(0xffd77a);
    constexpr int ARMS = 8;
    constexpr int SEGS = 3;

    int root = m.bone("mainbone_x");
    int body = m.bone("body", root).at(0, 0, 3.0f).priority(1).health(12.0f);
    int dome = m.bone("mantle", body).at(0, 1.0f, 1.6f).priority(2).health(6.0f);
    int eyes = m.bone("eyes", body).at(0, -2.6f, 1.4f).priority(3);
    int mouth = m.bone("mouth_x", body).at(0, -3.4f, -1.1f).priority(3);
    int hips = m.bone("arms", body).at(0, 0, -1.6f).priority(2);
    int arm[ARMS][SEGS];
    for (int a = 0; a < ARMS; a++) {
        float yaw = -157.5f + 45.0f * (float)a;   // arm 3 and 4 reach forward
        float rad = (yaw - 90.0f) * 0.017453292f;
        int prev = hips;
        for (int k = 0; k < SEGS; k++) {
            std::string n = "arm" + std::to_string(a + 1) + "_" + std::to_string(k + 1);
            ModelBuilder::Bone b = k == 0 ? m.bone(n, prev).at(2.6f * std::cos(rad), 2.6f * std::sin(rad), 0).turn(8, 0, yaw)
                                          : m.bone(n, prev).at(0, -2.6f + 0.4f * (float)(k - 1), 0).turn(6, 0, 0);
            arm[a][k] = k == 0 ? (int)b.health(1.5f) : (int)b;
            prev = arm[a][k];
        }
    }
    int tip = m.bone("arm_tip_x", arm[3][SEGS - 1]).at(0, -2.0f, 0.4f).priority(4);
    (void)tip;
    // Sucker pads under each arm's last segment, where its footprints go.
    for (int a = 0; a < ARMS; a++) {
        m.bone("arm" + std::to_string(a + 1) + "_pad", arm[a][SEGS - 1]).at(0, -1.5f, -0.25f);
    }

    // Mantle: a bulging dome tipped back, blotched, with a collar where the arms start.
    m.sphere(body, at(0, 0, 0), {3.4f, 3.6f, 2.4f}, 12, 5, mantle);
    m.sphere(dome, at(0, 0.8f, 0.6f).turn(-25, 0, 0), {2.8f, 3.6f, 2.6f}, 12, 5, mantle);
    for (int k = 0; k < 5; k++) {
        float a = (36.0f + 72.0f * (float)k) * 0.017453292f;
        m.sphere(dome, at(1.7f * std::cos(a), 0.8f + 2.0f * std::sin(a), 2.2f), {0.7f, 0.7f, 0.3f}, 6, 2, deep, true);
    }
    m.torus(body, at(0, 0, -1.5f), 2.9f, 0.5f, 12, 3, deep);
    // Eyes and beak.
    for (int side : {-1, 1}) {
        m.sphere(eyes, at(1.5f * side, 0, 0), {1.05f, 0.9f, 1.0f}, 8, 4, eye);
        m.box(eyes, at(1.5f * side, -0.82f, 0.05f), {0.9f, 0.15f, 0.35f}, pupil);
    }
    m.cylinder(mouth, at(0, 0.6f, 0).turn(90, 0, 0), 0.7f, 1.2f, 6, beak, 0.05f);
    // Arms: tapering segments, pink underside, suckers; the budding tip.
    for (int a = 0; a < ARMS; a++) {
        for (int k = 0; k < SEGS; k++) {
            float r0 = 0.95f - 0.25f * (float)k, r1 = r0 - 0.25f;
            float len = 2.6f - 0.4f * (float)(k + 1) + 0.4f;
            m.cylinder(arm[a][k], at(0, 0, 0).turn(90, 0, 0), r0, len, 6, mantle, r1);
            m.box(arm[a][k], at(0, -0.5f * len, -0.45f * r0), {1.2f * r0, len * 0.95f, 0.25f}, under, 1.0f);
            m.sphere(arm[a][k], at(0, -0.5f * len, -0.62f * r0), {0.3f * r0, 0.3f * r0, 0.12f}, 5, 2, sucker, true);
        }
    }
    m.sphere(tip, at(0, 0, 0), {0.8f, 0.8f, 0.8f}, 8, 3, bud);

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 3.0f}, 11.0f);
    m.hit_sphere(body, {0, 0, 0}, 3.4f);
    m.hit_sphere(dome, {0, 0.8f, 0.6f}, 2.8f);
    m.hit_sphere(eyes, {0, 0, 0}, 1.8f);
    for (int a = 0; a < ARMS; a++) {
        m.hit_sphere(arm[a][0], {0, -1.2f, 0}, 1.0f);
        m.hit_sphere(arm[a][1], {0, -1.0f, 0}, 0.75f);
    }

    // Crawl: the arms pull in two groups, the body surges and settles.
    Track &crawl = m.track("crawl").loop();
    for (int beat = 0; beat < 2; beat++) {
        Key &reach = crawl.key(0.3f).forward(0.8f).ease_in(30).move(body, 0, 0, 0.35f).turn(body, -4, 0, 0);
        Key &pull = crawl.key(0.3f).forward(1.6f).ease_out(40).move(body, 0, 0, -0.15f).turn(body, 2, 0, 0);
        for (int a = 0; a < ARMS; a++) {
            bool group = (a % 2 == 0) == (beat == 0);
            float side = a < 4 ? -1.0f : 1.0f;
            reach.turn(arm[a][0], group ? 12.0f : -4.0f, 0, group ? 14.0f * side : 0.0f).turn(arm[a][1], group ? -15.0f : 8.0f, 0, 0);
            pull.turn(arm[a][0], group ? -6.0f : 4.0f, 0, group ? -10.0f * side : 4.0f * side)
                .turn(arm[a][1], group ? 10.0f : -6.0f, 0, 0).turn(arm[a][2], group ? 12.0f : 0.0f, 0, 0);
        }
    }
    // Curl: the arms ripple while it rests (the whole-skeleton idle).
    Track &curl = m.track("curl").loop();
    for (int beat = 0; beat < 2; beat++) {
        Key &k = curl.key(0.9f).ease_in(40).ease_out(40);
        for (int a = 0; a < ARMS; a++) {
            float w = std::sin(0.785f * (float)a + 3.1415927f * (float)beat);
            k.turn(arm[a][0], 6.0f * w, 0, 5.0f * w).turn(arm[a][1], -10.0f * w, 0, 0).turn(arm[a][2], 14.0f * w, 0, 0);
        }
    }
    // Grow: 5 s; the front arm rises and the bud swells, biggest in the second half.
    Track &grow = m.track("grow", arm[3][1]).loop();
    grow.key(1.5f).ease_in(40).ease_out(40).turn(arm[3][1], -25, 0, 0).turn(arm[3][2], -35, 0, 0).scale(tip, 1.3f);
    grow.key(1.0f).ease_in(40).turn(arm[3][1], -35, 0, 0).turn(arm[3][2], -45, 0, 0).scale(tip, 1.8f);
    grow.key(1.5f).turn(arm[3][1], -30, 0, 0).turn(arm[3][2], -40, 0, 0).scale(tip, 2.1f);
    grow.key(1.0f).ease_in(40).scale(tip, 0.7f);
    // Breathe and stare.
    Track &breathe = m.track("breathe", dome).loop();
    breathe.key(1.1f).ease_in(40).ease_out(40).scale(dome, 1.08f, 1.05f, 1.14f);
    breathe.key(1.1f).ease_in(40).ease_out(40).scale(dome, 0.96f, 0.98f, 0.92f);
    Track &stare = m.track("stare", eyes).loop();
    stare.key(0.9f).ease_in(40).ease_out(40).turn(eyes, 0, 0, 12);
    stare.key(0.2f).scale(eyes, 1.0f, 1.0f, 0.2f);
    stare.key(0.2f);
    stare.key(0.9f).ease_in(40).ease_out(40).turn(eyes, 0, 0, -12);
    Track &gape = m.track("gape", mouth).loop();
    gape.key(0.6f).ease_in(40).turn(mouth, 20, 0, 0);
    gape.key(0.6f).ease_in(40);

    ek::emerge_rise(m, root, 8.0f, 1.5f, [&](int k, Key &key) {
        for (int a = 0; a < ARMS; a++) {
            key.turn(arm[a][0], k == 0 ? -60.0f : k == 1 ? -20.0f : 0.0f, 0, 0)
                .turn(arm[a][1], k == 0 ? -40.0f : 0.0f, 0, 0);
        }
    });
    ek::submerge_sink(m, root, 8.0f, 0.8f, [&](int, Key &key) {
        for (int a = 0; a < ARMS; a++) {
            key.turn(arm[a][0], -40, 0, 0);
        }
    });
    // Byebye: the arms curl in, the mantle balloons and it collapses.
    ek::byebye_burst(m, root, 60, 2.5f, 0.6f, [&](int k, Key &key) {
        float f = k ? 1.0f : 0.4f;
        for (int a = 0; a < ARMS; a++) {
            key.turn(arm[a][0], -50 * f, 0, 0).turn(arm[a][1], -50 * f, 0, 0).turn(arm[a][2], -50 * f, 0, 0);
        }
        key.scale(dome, 1.0f + 0.6f * f);
    });
    ek::mutate_pop(m, root, 0.6f);
    ek::hitbounce_recoil(m, body, -8, 0.5f);

    m.defaults({"curl", "grow", "breathe", "stare", "gape"});
}
