// models_enemy_beemspider.cpp -- the beemspider (beasties/beemspider_1).
//
// A black spider about 8 units across its legs: a round thorax, a big abdomen with an
// acid-green hourglass and stripes, four green eyes and two fangs under its head (jaw_x,
// where its shots come from). From above: eight dark legs round a black body with a
// glowing green mark.
//
// It moves by animation (cmt_anim_to_move, cmt_anim_to_turn): "walk" covers 1.7 units
// per 0.2 s step (0.085 units a tick, the middle of beemspider_1.lua's 0.07 .. 0.1);
// "turn_l" and "turn_r" turn bone 2 ("body", which carries the whole spider, at the
// origin so that its pose holds no offset) by 45 degrees toward +X (the side the heading
// grows, turn_l) or -X (turn_r) in three steps; the engine reads that yaw when the turn
// ends, adds it to the heading and puts bone 2 back.

#include "assetgen/models_enemy_kit.h"

#include <cmath>
#include <string>

namespace ek = enemy_kit;

void model_beemspider_1(ModelBuilder &m)
{
    const Paint black = ek::shell(0x2c2636);
    const Paint dark = ek::plate(0x6a5a80);
    const Paint mark = ek::lamp(0x9cff3a);
    const Paint eye = ek::lamp(0xd4ff80);
    const Paint fang = ek::shell(0xd8e0c0);

    int root = m.bone("mainbone_x");
    int pivot = m.bone("pivot", root);
    int body = m.bone("body", pivot);   // bone 2: carries the turn
    int thorax = m.bone("thorax", body).at(0, 0, 1.7f).priority(1).health(3.0f);
    int abdomen = m.bone("abdomen", thorax).at(0, 1.1f, 0.35f).priority(2).health(2.0f);
    int head = m.bone("head", thorax).at(0, -1.05f, 0.05f).priority(2).health(1.0f);
    int jaw = m.bone("jaw_x", head).at(0, -0.55f, -0.35f).priority(3);

    // Legs: four a side, an upper bone at the thorax and a lower bone at the knee.
    int upper[8], lower[8];
    const float yaw[4] = {-50, -18, 14, 45};
    for (int i = 0; i < 8; i++) {
        int side = i < 4 ? 1 : -1;
        float a = yaw[i % 4] * 0.017453292f;
        std::string n = std::string(side > 0 ? "leg_l" : "leg_r") + std::to_string(i % 4 + 1);
        upper[i] = m.bone(n, thorax).at(0.55f * side * std::cos(a), 0.55f * std::sin(a), 0).turn(0, 0, side > 0 ? yaw[i % 4] : -yaw[i % 4]);
        lower[i] = m.bone(n + "_low", upper[i]).at(1.7f * side, 0, 0.55f);
        m.box(upper[i], at(0.85f * side, 0, 0.3f).turn(0, side > 0 ? -18.0f : 18.0f, 0), {1.85f, 0.5f, 0.45f}, dark);
        m.sphere(lower[i], at(0, 0, 0), {0.24f, 0.24f, 0.24f}, 4, 2, mark);
        m.box(lower[i], at(0.45f * side, 0, -1.1f).turn(0, side > 0 ? -22.0f : 22.0f, 0), {0.42f, 0.42f, 2.3f}, dark,
              0.45f);
    }
    // Leg tips, where its footprints go: the far end of each lower leg.
    for (int i = 0; i < 8; i++) {
        float side = i < 4 ? 1.0f : -1.0f;
        m.bone(std::string(side > 0 ? "leg_l" : "leg_r") + std::to_string(i % 4 + 1) + "_tip", lower[i])
            .at(0.88f * side, 0, -2.17f);
    }

    m.sphere(thorax, at(0, 0, 0), {1.0f, 1.1f, 0.7f}, 8, 3, black);
    m.sphere(abdomen, at(0, 1.1f, 0.2f), {1.45f, 1.8f, 1.2f}, 10, 4, black);
    m.box(abdomen, at(0, 0.75f, 1.28f).turn(0, 0, 0), {0.8f, 0.55f, 0.1f}, mark, 0.4f);
    m.box(abdomen, at(0, 1.35f, 1.28f).turn(180, 0, 0), {0.8f, 0.55f, 0.1f}, mark, 0.4f);
    for (int side : {-1, 1}) {
        m.box(abdomen, at(0.95f * side, 1.3f, 0.9f).turn(0, 40.0f * side, 0), {0.15f, 1.6f, 0.1f}, mark);
    }
    m.sphere(head, at(0, 0, 0), {0.7f, 0.6f, 0.5f}, 6, 3, black);
    for (int k = 0; k < 4; k++) {
        float x = (k % 2 ? 0.22f : 0.45f) * (k < 2 ? 1.0f : -1.0f);
        float z = k % 2 ? 0.38f : 0.28f;
        m.sphere(head, at(x, -0.5f, z), {0.13f, 0.13f, 0.13f}, 4, 2, eye);
    }
    m.cylinder(jaw, at(0.28f, 0.2f, 0.1f).turn(150, 0, 0), 0.14f, 0.6f, 5, fang, 0);
    m.cylinder(jaw, at(-0.28f, 0.2f, 0.1f).turn(150, 0, 0), 0.14f, 0.6f, 5, fang, 0);

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0.3f, 1.4f}, 4.0f);
    m.hit_sphere(thorax, {0, 0, 0}, 1.1f);
    m.hit_sphere(abdomen, {0, 1.1f, 0.2f}, 1.5f);
    m.hit_sphere(head, {0, -0.1f, 0}, 0.7f);

    // A leg pose: lifted legs swing, planted ones push back. Group A is left 1 and 3 with
    // right 2 and 4; group B the others.
    auto legs = [&](Key &key, float swing_a, float lift_a, float swing_b, float lift_b) {
        for (int i = 0; i < 8; i++) {
            bool a = (i < 4) == (i % 2 == 0);
            int side = i < 4 ? 1 : -1;
            float swing = a ? swing_a : swing_b;
            float lift = a ? lift_a : lift_b;
            key.turn(upper[i], 0, -lift * side, -swing * side);
        }
    };

    // Walk: two steps of 1.7 units; the lifted group swings forward while the planted
    // one pushes back.
    Track &walk = m.track("walk").loop();
    for (int step = 0; step < 2; step++) {
        float a = step ? -1.0f : 1.0f;
        Key &k1 = walk.key(0.1f).forward(0.85f).move(thorax, 0, 0, 0.08f);
        legs(k1, 0, step ? 0.0f : 22.0f, 0, step ? 22.0f : 0.0f);
        Key &k2 = walk.key(0.1f).forward(0.85f).turn(abdomen, 4.0f * a, 0, 5.0f * a);
        legs(k2, 14.0f * a, 0, -14.0f * a, 0);
    }

    // Turns: bone 2 turns 45 degrees in three steps while the legs shuffle.
    for (int dir : {1, -1}) {
        Track &turn = m.track(dir > 0 ? "turn_l" : "turn_r").once();
        for (int step = 0; step < 3; step++) {
            Key &k = turn.key(0.18f).turn(body, 0, 0, 15.0f * (float)(step + 1) * (float)dir);
            legs(k, step % 2 ? 0.0f : -10.0f * (float)dir, step % 2 ? 0.0f : 20.0f, step % 2 ? 10.0f * (float)dir : 0.0f,
                 step % 2 ? 20.0f : 0.0f);
        }
    }

    // Idle: the abdomen throbs and the head twitches its fangs.
    Track &throb = m.track("throb", abdomen).loop();
    throb.key(0.6f).ease_in(40).ease_out(40).scale(abdomen, 1.06f, 1.04f, 1.1f);
    throb.key(0.6f).ease_in(40).ease_out(40);
    Track &twitch = m.track("twitch", head).loop();
    twitch.key(0.3f).turn(head, 6, 0, 12).turn(jaw, -15, 0, 0);
    twitch.key(0.2f).turn(head, 0, 0, -8).turn(jaw, 5, 0, 0);
    twitch.key(0.5f);

    ek::emerge_rise(m, root, 3.5f, 0.8f, [&](int k, Key &key) {
        if (k == 0) {
            legs(key, 0, -40, 0, -40);
        }
    });
    ek::submerge_sink(m, root, 3.5f, 0.5f, [&](int, Key &key) { legs(key, 0, 30, 0, 30); });
    // Byebye: legs curl up and it flips over, shrinking.
    ek::byebye_burst(m, root, 40, 0.4f, 0.55f, [&](int k, Key &key) {
        legs(key, 0, k ? -70.0f : -35.0f, 0, k ? -70.0f : -35.0f);
        key.turn(pivot, k ? 160.0f : 30.0f, 0, 0).move(pivot, 0, 0, k ? 2.5f : 1.0f);
    });
    ek::mutate_pop(m, root, 0.3f);
    ek::hitbounce_recoil(m, thorax, -16, 0.3f);

    m.defaults({"throb", "twitch"});
}
