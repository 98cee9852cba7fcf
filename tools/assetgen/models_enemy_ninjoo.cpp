// models_enemy_ninjoo.cpp -- the ninjoo (beasties/ninjoo_1).
//
// A hovering violet fighter about 5.5 units across: a hooded head with a white-hot eye
// slit, a lean torso over a tapering wisp instead of legs, a long red scarf streaming
// behind, a great four-bladed star on its back (back_x, where its homing darts leave)
// and a throwing star twirling in its right hand (hand_x). From above: a violet body
// with a red streak and a steel star. It never stops moving: it bobs, its guard sways,
// the scarf flutters and both stars spin.

#include "assetgen/models_enemy_kit.h"

namespace ek = enemy_kit;

namespace {

// A four-bladed star in the bone's X/Y plane.
void star(ModelBuilder &m, int bone, float size, const Paint &blade, const Paint &hub)
{
    for (int k = 0; k < 2; k++) {
        m.box(bone, at(0, 0, 0).turn(0, 0, 45.0f + 90.0f * (float)k), {size, 0.22f * size, 0.08f * size}, blade, 1.0f);
    }
    for (int k = 0; k < 4; k++) {
        m.box(bone, at(0, 0, 0).turn(0, 0, 90.0f * (float)k + 20.0f), {0.55f * size, 0.12f * size, 0.1f * size}, blade);
    }
    m.cylinder(bone, at(0, 0, -0.08f * size), 0.16f * size, 0.16f * size, 6, hub);
}

}  // namespace

void model_ninjoo_1(ModelBuilder &m)
{
    const Paint violet = ek::shell(0x7a3ad8);
    const Paint deep = ek::shell(0x3c1c70);
    const Paint cloth = ek::skin(0x2a1844);
    const Paint red = ek::membrane(0xe8283c);
    const Paint steel = ek::plate(0xc8ccd8);
    const Paint eye = ek::lamp(0xf4f8ff);

    int root = m.bone("mainbone_x");
    int hover = m.bone("hover", root).at(0, 0, 2.2f);
    int torso = m.bone("torso", hover).priority(1).health(2.5f);
    int head = m.bone("head", torso).at(0, -0.15f, 1.45f).priority(3).health(1.0f);
    int scarf = m.bone("scarf", head).at(0, 0.45f, -0.1f).priority(4);
    int guard = m.bone("guard", torso).at(0, 0, 0.95f).priority(2);
    int arm_l = m.bone("arm_l", guard).at(1.0f, 0, 0).health(0.8f);
    int arm_r = m.bone("arm_r", guard).at(-1.0f, 0, 0).health(0.8f);
    int hand = m.bone("hand_x", arm_r).at(-0.3f, -1.35f, -0.5f);
    int held = m.bone("hand_star", hand).priority(4);
    int back = m.bone("back_x", torso).at(0, 0.75f, 0.7f).priority(2);
    int wheel = m.bone("back_star", back).priority(4);

    // Torso and wisp: a lean chest over a cone that fades into a point near the floor.
    m.box(torso, at(0, 0, 0.5f), {1.7f, 1.1f, 1.2f}, violet, 1.2f);
    m.box(torso, at(0, -0.5f, 0.55f), {0.5f, 0.2f, 1.0f}, deep);
    m.cylinder(torso, at(0, 0, 0.0f).turn(180, 0, 0), 0.8f, 2.0f, 8, cloth, 0.08f);
    m.box(torso, at(0, 0, -0.05f), {1.6f, 1.05f, 0.3f}, ek::shell(0xe8283c));
    // Head: hood and eye slit.
    m.sphere(head, at(0, 0, 0), {0.62f, 0.6f, 0.6f}, 8, 3, deep);
    m.box(head, at(0, -0.5f, 0.05f), {0.8f, 0.18f, 0.14f}, eye);
    m.cylinder(head, at(0, 0.2f, 0.4f).turn(-60, 0, 0), 0.22f, 0.6f, 4, violet, 0);
    // Scarf: a long red ribbon streaming back.
    m.ribbon(scarf, {{{0, 0, 0}, 0.7f, rgb(0xe8283c)}, {{0.3f, 1.4f, 0}, 0.6f, rgb(0xe8283c)},
                     {{-0.2f, 2.8f, 0}, 0.5f, rgb(0xd02034)}, {{0.25f, 4.0f, 0}, 0.35f, rgb(0xa01828)}},
             red);
    // Arms: shoulder pads and forearms reaching forward in guard.
    for (int side : {0, 1}) {
        int arm = side ? arm_r : arm_l;
        float x = side ? -1.0f : 1.0f;
        m.sphere(arm, at(0, 0, 0), {0.45f, 0.45f, 0.4f}, 6, 2, violet);
        m.box(arm, at(0.1f * x, -0.6f, -0.35f).turn(-30, 0, 0), {0.4f, 1.3f, 0.4f}, deep);
    }
    star(m, held, 1.0f, steel, ek::plate(0x5a5f70));
    star(m, wheel, 2.3f, steel, ek::plate(0x5a5f70));

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0.3f, 2.8f}, 2.8f);
    m.hit_sphere(torso, {0, 0, 0.5f}, 1.0f);
    m.hit_sphere(head, {0, 0, 0}, 0.65f);
    m.hit_sphere(torso, {0, 0, -0.9f}, 0.75f);
    m.hit_sphere(back, {0, 0, 0}, 1.1f);

    Track &bob = m.track("hover", hover).loop();
    bob.key(0.5f).ease_in(40).ease_out(40).move(hover, 0, 0, 0.3f).turn(hover, 5, 0, 0);
    bob.key(0.5f).ease_in(40).ease_out(40).move(hover, 0, 0, -0.1f).turn(hover, 2, 0, 0);
    Track &sway = m.track("guard", guard).loop();
    sway.key(0.4f).ease_in(40).ease_out(40).turn(arm_l, 10, 0, 15).turn(arm_r, -8, 0, -10);
    sway.key(0.4f).ease_in(40).ease_out(40).turn(arm_l, -6, 0, 5).turn(arm_r, 10, 0, 5);
    Track &flutter = m.track("flutter", scarf).loop();
    flutter.key(0.2f).ease_in(30).ease_out(30).turn(scarf, 0, 10, 18);
    flutter.key(0.2f).ease_in(30).ease_out(30).turn(scarf, 0, -10, -12);
    ek::spin_loop(m, "twirl", held, 2, 0.3f);
    ek::spin_loop(m, "wheel", wheel, 2, 1.2f);

    // Emerge: it drops out of the air in a flip and lands in guard.
    Track &emerge = ek::emerge_swoop(m, root, 10.0f, 0.6f, [&](int k, Key &key) {
        if (k == 0) {
            key.turn(torso, 120, 0, 0);
        } else if (k == 1) {
            key.turn(torso, 30, 0, 0);
        }
    });
    (void)emerge;
    // Submerge: it vanishes downward in a spin.
    ek::submerge_sink(m, root, 5.0f, 0.4f, [&](int k, Key &key) { key.turn(torso, 0, 0, k ? 170.0f : 40.0f); });
    ek::byebye_burst(m, root, 420, 1.5f, 0.45f, [&](int k, Key &key) {
        float f = k ? 1.0f : 0.4f;
        key.move(head, 0, 0, 1.5f * f).turn(torso, -30 * f, 0, 0);
    });
    ek::mutate_pop(m, root, 0.25f);
    ek::hitbounce_recoil(m, torso, -25, 0.3f);

    m.defaults({"hover", "guard", "flutter", "twirl", "wheel"});
}
