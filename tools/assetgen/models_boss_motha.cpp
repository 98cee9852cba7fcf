// models_boss_motha.cpp -- the motha (bosses/motha_2) and its mothlings
// (beasties/motha_2_spawn).
//
// The motha is a vast moth gliding 6 units over the arena, about 26 units from wing tip
// to wing tip: a furry lilac thorax and head with feathered antennae and glowing amber
// eyes, a long banded abdomen whose belly hatch (belly_x) glows, and two pairs of broad
// mauve wings with dark rims and orange eye spots. The forewings carry its rocket pods
// (wing_l_x, wing_r_x; they flap about the body's long axis, so their forward axis
// stays on the heading). Everything moves at once: the wings beat slowly, the antennae
// sweep, the body glides and "hatch" (its default, a 3 s beat) swells the abdomen and
// opens the hatch in its second half, when the spawn trigger releases a mothling.
//
// A mothling is the same moth small and quick (about 8 units across at full size,
// launched at 0.4 .. 0.5), beating its wings fast.

#include "assetgen/models_enemy_kit.h"

#include <cmath>

namespace ek = enemy_kit;

namespace {

struct MothParts {
    int root, hover, body, head, abdomen, wings, fore_l, fore_r, hind_l, hind_r;
};

MothParts build_moth(ModelBuilder &m, float s, bool boss)
{
    const Paint fur = ek::skin(0xc89ae8);
    const Paint deep = ek::skin(0x7a4a9a);
    const Paint band = ek::shell(0x5a3070);
    const Paint wing = ek::membrane(0xd070c8);
    const Paint rim = ek::membrane(0x4a2258);
    const Paint spot = ek::eyespot(0xff9a3a);
    const Paint eye = ek::lamp(0xffc040);
    const Paint feather = ek::membrane(0xf0d8a0);

    MothParts p{};
    p.root = m.bone("mainbone_x");
    p.hover = m.bone("hover", p.root).at(0, 0, boss ? 6.0f : 3.0f);
    p.body = m.bone("body", p.hover).priority(1).health(boss ? 8.0f : 1.0f);
    p.head = m.bone("head", p.body).at(0, -1.5f * s, 0.2f * s).priority(3).health(boss ? 3.0f : 0.5f);
    p.abdomen = m.bone("abdomen", p.body).at(0, 1.2f * s, -0.1f * s).priority(2).health(boss ? 5.0f : 0.8f);
    p.wings = m.bone("wings", p.body).at(0, -0.2f * s, 0.5f * s).priority(4);
    std::string fl = boss ? "wing_l_x" : "wing_l", fr = boss ? "wing_r_x" : "wing_r";
    p.fore_l = m.bone(fl, p.wings).at(0.6f * s, 0, 0).health(boss ? 3.0f : 0);
    p.fore_r = m.bone(fr, p.wings).at(-0.6f * s, 0, 0).health(boss ? 3.0f : 0);
    p.hind_l = m.bone("hind_l", p.wings).at(0.5f * s, 1.0f * s, -0.1f * s);
    p.hind_r = m.bone("hind_r", p.wings).at(-0.5f * s, 1.0f * s, -0.1f * s);
    int ant_l = m.bone("antenna_l", p.head).at(0.3f * s, -0.4f * s, 0.4f * s);
    int ant_r = m.bone("antenna_r", p.head).at(-0.3f * s, -0.4f * s, 0.4f * s);

    // Body: thorax, head with eyes and antennae, a banded abdomen.
    // The mothling is drawn with fewer faces: it is small and comes in numbers.
    int seg = boss ? 10 : 6;
    int rings = boss ? 4 : 3;
    m.sphere(p.body, at(0, 0, 0), {1.2f * s, 1.5f * s, 1.1f * s}, seg, rings, fur);
    m.sphere(p.head, at(0, 0, 0), {0.85f * s, 0.75f * s, 0.75f * s}, seg, rings - 1, deep);
    m.sphere(p.head, at(0.5f * s, -0.45f * s, 0.15f * s), {0.38f * s, 0.38f * s, 0.36f * s}, boss ? 6 : 4, rings - 1,
             eye);
    m.sphere(p.head, at(-0.5f * s, -0.45f * s, 0.15f * s), {0.38f * s, 0.38f * s, 0.36f * s}, boss ? 6 : 4, rings - 1,
             eye);
    for (int side : {0, 1}) {
        int ant = side ? ant_r : ant_l;
        float x = side ? -1.0f : 1.0f;
        m.sphere(ant, at(0.5f * x * s, -1.1f * s, 0.9f * s).turn(-35, 0, 25.0f * x), {0.45f * s, 1.4f * s, 0.03f}, seg, 2,
                 feather);
    }
    m.sphere(p.abdomen, at(0, 1.7f * s, 0), {0.95f * s, 2.1f * s, 0.85f * s}, seg, rings, deep);
    for (int k = 0; k < (boss ? 3 : 0); k++) {
        float y = (0.9f + 0.75f * (float)k) * s;
        float r = (0.9f - 0.12f * (float)k) * s;
        m.cylinder(p.abdomen, at(0, y, 0).turn(-90, 0, 0), r, 0.22f * s, seg, band);
    }

    // Wings: a membrane over a dark rim, an eye spot on each.
    struct WingShape {
        int bone;
        float x, y, rx, ry, yaw;
        bool spot;
    };
    const WingShape shapes[4] = {{p.fore_l, 3.3f, -0.3f, 3.6f, 1.8f, -12, true},
                                 {p.fore_r, -3.3f, -0.3f, 3.6f, 1.8f, 12, true},
                                 {p.hind_l, 2.3f, 0.9f, 2.5f, 1.5f, -35, boss},
                                 {p.hind_r, -2.3f, 0.9f, 2.5f, 1.5f, 35, boss}};
    for (const WingShape &w : shapes) {
        if (boss) {
            Place place = at(w.x * s, w.y * s, 0).turn(0, 0, w.yaw);
            m.sphere(w.bone, place, {w.rx * s, w.ry * s, 0.06f}, 12, 2, rim);
        }
        Place top = at(w.x * s, w.y * s, 0.05f).turn(0, 0, w.yaw);
        m.sphere(w.bone, top, {w.rx * s * 0.9f, w.ry * s * 0.84f, 0.06f}, boss ? 12 : 8, 2, wing);
        if (w.spot) {
            float k = w.x > 0 ? 1.0f : -1.0f;
            m.sphere(w.bone, at((w.x + 0.6f * k) * s, (w.y + 0.1f) * s, 0.12f), {0.85f * s, 0.85f * s, 0.04f},
                     boss ? 10 : 6, boss ? 4 : 2, spot);
        }
    }
    return p;
}

// The wing beat: forewings and hindwings about the long axis, the hind pair trailing.
void flap(ModelBuilder &m, const MothParts &p, float seconds, float up, float down)
{
    Track &t = m.track("flap", p.wings).loop();
    t.key(seconds).ease_in(40).ease_out(40).turn(p.fore_l, 0, -up, 0).turn(p.fore_r, 0, up, 0)
        .turn(p.hind_l, 0, -0.6f * up, 0).turn(p.hind_r, 0, 0.6f * up, 0);
    t.key(seconds).ease_in(40).ease_out(40).turn(p.fore_l, 0, down, 0).turn(p.fore_r, 0, -down, 0)
        .turn(p.hind_l, 0, 0.8f * down, 0).turn(p.hind_r, 0, -0.8f * down, 0);
}

void life_cycle(ModelBuilder &m, const MothParts &p, bool boss)
{
    // Emerge: it unfolds: wings folded up over its back, opening as it rises.
    ek::emerge_rise(m, p.root, boss ? 8.0f : 4.0f, boss ? 1.6f : 0.7f, [&](int k, Key &key) {
        float fold = k == 0 ? 80.0f : k == 1 ? 35.0f : k == 2 ? -10.0f : 0.0f;
        key.turn(p.fore_l, 0, -fold, 0).turn(p.fore_r, 0, fold, 0).turn(p.hind_l, 0, -fold, 0).turn(p.hind_r, 0, fold, 0);
    });
    ek::submerge_sink(m, p.root, boss ? 9.0f : 4.5f, boss ? 0.8f : 0.45f, [&](int, Key &key) {
        key.turn(p.fore_l, 0, -70, 0).turn(p.fore_r, 0, 70, 0).turn(p.hind_l, 0, -60, 0).turn(p.hind_r, 0, 60, 0);
    });
    // Byebye: the wings crumple and it spirals down.
    ek::byebye_burst(m, p.root, boss ? 200.0f : 360.0f, boss ? 5.5f : 2.8f, boss ? 0.6f : 0.45f, [&](int k, Key &key) {
        float f = k ? 1.0f : 0.4f;
        key.turn(p.body, 0, 25 * f, 0).turn(p.abdomen, 40 * f, 0, 0);
    });
    ek::mutate_pop(m, p.root, boss ? 0.85f : 0.25f, [&](int k, Key &key) {
        if (k == 1) {
            key.turn(p.body, -10, 0, 0);
        }
    });
    ek::hitbounce_recoil(m, p.body, -12, boss ? 0.6f : 0.3f);
}

}  // namespace

void model_motha_2(ModelBuilder &m)
{
    const float s = 1.9f;
    MothParts p = build_moth(m, s, true);
    int belly = m.bone("belly_x", p.abdomen).at(0, 2.2f * s, -0.75f * s).priority(3);
    int well = m.bone("belly_glow", belly).faces_camera().priority(3);
    m.sphere(belly, at(0, 0, 0), {0.9f, 1.2f, 0.4f}, 8, 2, ek::lamp(0xffb060));
    m.sprite(well, 4.0f, ek::glow(0xff8a40));

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0.4f * s, 6.0f}, 5.2f * s);
    m.hit_sphere(p.body, {0, 0, 0}, 1.4f * s);
    m.hit_sphere(p.head, {0, 0, 0}, 0.85f * s);
    m.hit_sphere(p.abdomen, {0, 1.7f * s, 0}, 1.1f * s);
    m.hit_sphere(p.abdomen, {0, 3.0f * s, 0}, 0.8f * s);
    m.hit_sphere(p.fore_l, {3.4f * s, -0.3f * s, 0}, 1.7f * s);
    m.hit_sphere(p.fore_r, {-3.4f * s, -0.3f * s, 0}, 1.7f * s);

    flap(m, p, 0.6f, 28, 22);
    Track &glide = m.track("glide", p.hover).loop();
    glide.key(1.5f).ease_in(40).ease_out(40).move(p.hover, 0, 0, 0.8f).turn(p.hover, -4, 0, 5);
    glide.key(1.5f).ease_in(40).ease_out(40).move(p.hover, 0, 0, -0.6f).turn(p.hover, 3, 0, -5);
    Track &feel = m.track("feel", p.head).loop();
    feel.key(0.7f).ease_in(40).ease_out(40).turn(p.head, 6, 0, 10);
    feel.key(0.7f).ease_in(40).ease_out(40).turn(p.head, -4, 0, -10);
    // Hatch: 3 s; the abdomen swells through the first half and the hatch opens wide in
    // the second (from progress 0.5 on, when a mothling comes).
    Track &hatch = m.track("hatch", p.abdomen).loop();
    hatch.key(1.4f).ease_in(40).scale(p.abdomen, 1.08f, 1.02f, 1.12f).scale(belly, 0.6f).turn(p.abdomen, 6, 0, 0);
    hatch.key(0.1f).scale(p.abdomen, 1.1f, 1.02f, 1.14f).scale(belly, 0.6f).turn(p.abdomen, 6, 0, 0);
    hatch.key(0.3f).ease_out(40).scale(belly, 1.6f).turn(p.abdomen, -8, 0, 0);
    hatch.key(0.8f).scale(belly, 1.4f).turn(p.abdomen, -4, 0, 0);
    hatch.key(0.4f).ease_in(40);
    life_cycle(m, p, true);

    m.defaults({"hatch", "flap", "glide", "feel"});
}

void model_motha_2_spawn(ModelBuilder &m)
{
    m.shown_at(0.5f);   // launched at 40-50 %, spawned by the moth at 40-50 %
    const float s = 0.6f;
    MothParts p = build_moth(m, s, false);

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0.4f * s, 3.0f}, 4.6f * s);
    m.hit_sphere(p.body, {0, 0, 0}, 1.4f * s);
    m.hit_sphere(p.abdomen, {0, 1.7f * s, 0}, 1.1f * s);
    m.hit_sphere(p.fore_l, {3.3f * s, -0.3f * s, 0}, 1.6f * s);
    m.hit_sphere(p.fore_r, {-3.3f * s, -0.3f * s, 0}, 1.6f * s);

    flap(m, p, 0.07f, 40, 30);
    Track &dart = m.track("dart", p.hover).loop();
    dart.key(0.3f).ease_in(40).ease_out(40).move(p.hover, 0.3f, 0, 0.4f).turn(p.hover, 0, 10, 8);
    dart.key(0.3f).ease_in(40).ease_out(40).move(p.hover, -0.3f, 0, -0.2f).turn(p.hover, 0, -10, -8);
    life_cycle(m, p, false);

    m.defaults({"flap", "dart"});
}
