// models_enemy_flies.cpp -- the flies: beasties/trackfly_1, trackfly_2 and pathfly_tiny.
//
// Insects hovering 2.5 units above the floor on blurred wings: a head with two big
// compound eyes, a thorax carrying the wings and a long abdomen behind. From above a
// fly is a dark-eyed body between two pale wing pairs.
// - trackfly_1 (about 3.5 units): lime green with a black-striped abdomen.
// - trackfly_2 (about 4 units): a red-orange wasp with black bands and a sting.
// - pathfly_tiny (about 5 units at full size, launched at half): a hot pink firefly whose
//   abdomen glows, so a swarm reads as a line of lights.
// Wings flap on their own track (rooted at "wings", ranked above everything), the body
// bobs on "hover"; "buzz" (the scripts' random animation) is a quick dart of the body.

#include "assetgen/models_enemy_kit.h"

namespace ek = enemy_kit;

namespace {

struct FlyLook {
    float size;          // body scale
    uint32_t body, belly, eyes, wings;
    bool bands;          // black bands on the abdomen
    bool sting;
    uint32_t glow;       // 0: none; else a glowing abdomen
    float flap_s;        // seconds per wing beat half
};

void build_fly(ModelBuilder &m, const FlyLook &f)
{
    const float s = f.size;
    const Paint body = ek::shell(f.body);
    const Paint belly = ek::shell(f.belly);
    const Paint black = ek::shell(0x18181c);
    const Paint eyes = ek::gloss(f.eyes);
    const Paint wing = ek::membrane(f.wings);

    int root = m.bone("mainbone_x");
    int hover = m.bone("hover", root).at(0, 0, 2.5f);
    int torso = m.bone("body", hover).priority(1).health(1.0f);
    int head = m.bone("head", torso).at(0, -0.75f * s, 0.1f * s).health(0.5f);
    int tail = m.bone("abdomen", torso).at(0, 0.55f * s, 0).health(0.8f);
    int wings = m.bone("wings", torso).at(0, -0.1f * s, 0.45f * s).priority(3);
    int wl = m.bone("wing_l", wings).at(0.25f * s, 0, 0);
    int wr = m.bone("wing_r", wings).at(-0.25f * s, 0, 0);
    int wl2 = m.bone("wing_l2", wings).at(0.2f * s, 0.35f * s, -0.05f * s);
    int wr2 = m.bone("wing_r2", wings).at(-0.2f * s, 0.35f * s, -0.05f * s);

    m.sphere(torso, at(0, 0, 0), {0.55f * s, 0.7f * s, 0.5f * s}, 6, 3, body);
    m.sphere(head, at(0, 0, 0), {0.45f * s, 0.4f * s, 0.4f * s}, 6, 2, body);
    m.sphere(head, at(0.33f * s, -0.12f * s, 0.08f * s), {0.3f * s, 0.32f * s, 0.3f * s}, 4, 2, eyes);
    m.sphere(head, at(-0.33f * s, -0.12f * s, 0.08f * s), {0.3f * s, 0.32f * s, 0.3f * s}, 4, 2, eyes);
    m.sphere(tail, at(0, 0.75f * s, -0.1f * s), {0.5f * s, 0.95f * s, 0.45f * s}, 6, 4, f.bands ? belly : body);
    if (f.bands) {
        for (int k = 0; k < 2; k++) {
            float y = (0.5f + 0.45f * (float)k) * s;
            float r = (0.48f - 0.06f * (float)k) * s;
            m.cylinder(tail, at(0, y, -0.1f * s).turn(90, 0, 0), r, 0.18f * s, 6, black);
        }
    }
    if (f.sting) {
        m.cylinder(tail, at(0, 1.6f * s, -0.15f * s).turn(-90, 0, 0), 0.14f * s, 0.6f * s, 4, black, 0);
    }
    if (f.glow) {
        int lamp = m.bone("lamp", tail).at(0, 0.85f * s, 0.3f * s).faces_camera().priority(2);
        m.sprite(lamp, 2.6f * s, ek::glow(f.glow));
    }
    // Wings: flat ovals swept back from the thorax.
    m.sphere(wl, at(0.85f * s, 0.2f * s, 0).turn(0, 0, -20), {0.95f * s, 0.38f * s, 0.04f}, 8, 2, wing);
    m.sphere(wr, at(-0.85f * s, 0.2f * s, 0).turn(0, 0, 20), {0.95f * s, 0.38f * s, 0.04f}, 8, 2, wing);
    m.sphere(wl2, at(0.65f * s, 0.35f * s, 0).turn(0, 0, -35), {0.7f * s, 0.28f * s, 0.04f}, 6, 2, wing);
    m.sphere(wr2, at(-0.65f * s, 0.35f * s, 0).turn(0, 0, 35), {0.7f * s, 0.28f * s, 0.04f}, 6, 2, wing);

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0.3f * s, 2.5f}, 1.7f * s);
    m.hit_sphere(torso, {0, 0, 0}, 0.7f * s);
    m.hit_sphere(head, {0, -0.1f * s, 0}, 0.55f * s);
    m.hit_sphere(tail, {0, 0.75f * s, -0.1f * s}, 0.7f * s);

    // Wing beat: up and down about the body's long axis, the rear pair behind the front.
    Track &flap = m.track("flap", wings).loop();
    flap.key(f.flap_s).turn(wl, 0, -38, 0).turn(wr, 0, 38, 0).turn(wl2, 0, -20, 0).turn(wr2, 0, 20, 0);
    flap.key(f.flap_s).turn(wl, 0, 22, 0).turn(wr, 0, -22, 0).turn(wl2, 0, 34, 0).turn(wr2, 0, -34, 0);
    // Hover: a slow bob and a lazy sway.
    Track &bob = m.track("hover", hover).loop();
    bob.key(0.45f).ease_in(40).ease_out(40).move(hover, 0, 0, 0.3f).turn(hover, 4, 0, 6);
    bob.key(0.45f).ease_in(40).ease_out(40).move(hover, 0, 0, -0.15f).turn(hover, -3, 0, -6);
    // Buzz: a twitchy dart of the body.
    Track &buzz = m.track("buzz", torso).once();
    buzz.key(0.06f).turn(torso, 12, 0, 25).move(torso, 0.3f, -0.3f, 0.2f);
    buzz.key(0.06f).turn(torso, 8, 0, -25).move(torso, -0.3f, -0.4f, 0.1f);
    buzz.key(0.06f).turn(torso, 10, 0, 18).move(torso, 0.2f, -0.2f, 0.2f);
    buzz.key(0.06f).turn(torso, 6, 0, -12).move(torso, -0.1f, -0.1f, 0.1f);
    buzz.key(0.2f).ease_in(40);

    ek::emerge_swoop(m, root, 14.0f, 0.7f);
    // Submerge: it dives into the floor.
    ek::submerge_sink(m, root, 4.5f, 0.45f, [&](int k, Key &key) { key.turn(torso, k ? 50.0f : -15.0f, 0, 0); });
    // Byebye: it drops out of the air spinning and curls up.
    ek::byebye_burst(m, root, 300, 2.2f, 0.45f, [&](int k, Key &key) {
        key.turn(tail, k ? 60.0f : 20.0f, 0, 0).turn(head, k ? -40.0f : -10.0f, 0, 0);
    });
    ek::mutate_pop(m, root, 0.2f);
    ek::hitbounce_recoil(m, torso, -25, 0.4f);

    m.defaults({"flap", "hover"});
}

}  // namespace

void model_trackfly_1(ModelBuilder &m)
{
    build_fly(m, {1.0f, 0x8edb2a, 0xb8f03c, 0xc8201c, 0xd8ecc8, true, false, 0, 0.03f});
}

void model_trackfly_2(ModelBuilder &m)
{
    build_fly(m, {1.15f, 0xe8502a, 0xff8a1e, 0x2a0c10, 0xf0d8c8, true, true, 0, 0.025f});
}

void model_pathfly_tiny(ModelBuilder &m)
{
    m.shown_at(0.6f);   // pathfly_tiny.lua launches it at 50-60 %
    build_fly(m, {1.35f, 0xff4fb0, 0xff9ad6, 0x3a0830, 0xf8d0f0, false, false, 0xff60c0, 0.03f});
}
