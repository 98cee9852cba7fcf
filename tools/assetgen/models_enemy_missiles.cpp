// models_enemy_missiles.cpp -- the enemies' homing shots (bullets/missile_...): small
// enemies that the weapons launch as mutation products and that steer after the ships
// until their time runs out (a mutation into "byebye"). Each carries the enemy life
// cycle: "mutate" (out of the launcher), "byebye" (a burst), "hitbounce", and "emerge" and
// "submerge" for completeness, and a looping "fly" that rolls it and flickers its flame.
//
// They are shootable bodies (a bone with health) in their launcher's colours, with hot
// warheads, flames and lights so they read as shots.

#include "assetgen/shot_kit.h"

#include <cmath>

namespace {

struct MissileRig {
    int root, body, flame, halo;
};

// Missiles are drawn at SIZE times the measures their functions give (a small enemy is
// 2-4 units across); hit spheres are in world units.
constexpr float SIZE = 1.45f;

// The body (its hit sphere has health), the flame at its tail and a glow behind it.
MissileRig missile_rig(ModelBuilder &m, float tail, float bound, float core)
{
    MissileRig r;
    r.root = m.bone("mainbone_x");
    r.body = m.bone("body", r.root).priority(1).health(1.0f).size(SIZE);
    r.flame = m.bone("flame", r.body).at(0, tail, 0);
    r.halo = m.bone("glow", r.body).at(0, tail + 0.1f, 0).faces_camera();
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, bound * SIZE);
    m.hit_sphere(r.body, {0, 0, 0}, core * SIZE);
    return r;
}

void flame(ModelBuilder &m, const MissileRig &r, float w, float length, uint32_t hot, const Bitmap *glow, float glow_size)
{
    if (length > 0) {
        m.ribbon(r.flame,
                 {{{0, 0, 0}, w, rgb(0xfff8e0)}, {{0, length * 0.4f, 0}, w * 0.75f, rgb(hot)},
                  {{0, length, 0}, w * 0.1f, rgb(0x200400)}},
                 kit_glow(&KIT_STRIP, 0xffffff));
    }
    m.sprite(r.halo, glow_size, kit_glow(glow, 0xffffff, 0.5f));
}

// Fins as thin crossed plates round the body's axis at y.
void fins(ModelBuilder &m, int bone, float y, float span, float length, int pairs, const Paint &paint)
{
    for (int k = 0; k < pairs; k++) {
        m.box(bone, at(0, y, 0).turn(0, 180.0f / (float)pairs * (float)k + 45.0f, 0), {0.05f, length, span}, paint);
    }
}

// The life cycle. roll: degrees a key of the fly loop about the body's length (a mine
// rolls about its width instead).
void missile_tracks(ModelBuilder &m, const MissileRig &r, float roll, bool tumble)
{
    Track &fly = m.track("fly").loop(1);
    fly.key(0.01f);
    for (int k = 1; k <= 4; k++) {
        Key &key = fly.key(0.08f).scale(r.flame, 1.0f, k % 2 ? 1.3f : 0.8f, 1.0f).scale(r.halo, k % 2 ? 1.25f : 0.9f);
        if (tumble) {
            key.turn(r.body, -roll * (float)k, 0, 0);
        } else {
            key.turn(r.body, 0, roll * (float)k, 0);
        }
    }
    Track &mutate = m.track("mutate").once();
    mutate.key(0.01f).scale(r.root, 0.25f);
    mutate.key(0.14f).ease_out(30).scale(r.root, 1.2f).scale(r.halo, 2.0f);
    mutate.key(0.1f).ease_in(30);
    Track &bye = m.track("byebye").once();
    bye.key(0.06f).scale(r.body, 1.35f * SIZE).scale(r.halo, 3.2f).turn(r.body, 25, 0, 40);
    bye.key(0.3f).ease_out(40).scale(r.body, 0.05f).scale(r.halo, 0.1f).turn(r.body, 70, 0, 160);
    Track &bounce = m.track("hitbounce", r.body).once();
    bounce.key(0.04f).turn(r.body, 14, 0, 20).move(r.body, 0, 0.2f, 0);
    bounce.key(0.12f).ease_in(40);
    Track &emerge = m.track("emerge").once();
    emerge.key(0.01f).move(r.root, 0, 0, -2.5f).scale(r.root, 0.5f);
    emerge.key(0.5f).ease_out(30);
    Track &submerge = m.track("submerge").once();
    submerge.key(0.5f).ease_in(30).move(r.root, 0, 0, -2.5f).scale(r.root, 0.5f);
    m.defaults({"fly"});
}

// A rocket lying along -Y: body from tail to the nose's base, then a cone.
void rocket(ModelBuilder &m, int bone, float radius, float tail, float nose, float tip, int sides, const Paint &body,
            const Paint &warhead)
{
    m.cylinder(bone, at(0, tail, 0).turn(90, 0, 0), radius, tail - nose, sides, body);
    m.cylinder(bone, at(0, nose, 0).turn(90, 0, 0), radius, nose - tip, sides, warhead, 0);
}

}  // namespace

// The ninjoo's homing dart: slim and dark, a magenta tip and swept magenta fins.
void model_missile_ninjoo(ModelBuilder &m)
{
    MissileRig r = missile_rig(m, 0.62f, 0.85f, 0.42f);
    rocket(m, r.body, 0.12f, 0.62f, -0.45f, -0.95f, 6, kit_lit(&KIT_PANEL, 0x44305a),
           kit_unlit(&KIT_WHITE, 0xff50c8));
    fins(m, r.body, 0.42f, 0.6f, 0.36f, 2, kit_unlit(&KIT_WHITE, 0xd030a0));
    m.box(r.body, at(0, -0.1f, 0), {0.26f, 0.12f, 0.26f}, kit_unlit(&KIT_WHITE, 0xff80e0));
    flame(m, r, 0.3f, 1.0f, 0xff40c0, &KIT_GLOW_MAGENTA, 0.9f);
    missile_tracks(m, r, 90, false);
}

// The powerpimp's homing bomb: a gold ball banded in pink, a burning fuse behind.
void model_missile_pimp(ModelBuilder &m)
{
    m.keep_round();   // a round pod, drawn larger than its model size by the body's rest scale
    MissileRig r = missile_rig(m, 0.5f, 0.8f, 0.5f);
    m.sphere(r.body, at(0, 0, 0), {0.46f, 0.5f, 0.46f}, 8, 4, kit_radial(&KIT_PANEL, 0xffd84a));
    m.torus(r.body, at(0, 0, 0).turn(90, 0, 0), 0.47f, 0.06f, 10, 3, kit_unlit(&KIT_WHITE, 0xff50b8));
    m.torus(r.body, at(0, 0, 0), 0.47f, 0.05f, 10, 3, kit_unlit(&KIT_WHITE, 0xff50b8));
    m.cylinder(r.body, at(0, 0.4f, 0.2f).turn(-70, 0, 0), 0.05f, 0.3f, 4, kit_lit(&KIT_PANEL, 0x5a4a3a));
    fins(m, r.body, 0.4f, 0.55f, 0.3f, 1, kit_unlit(&KIT_WHITE, 0xff70c8));
    flame(m, r, 0.2f, 0.0f, 0xffc040, &KIT_GLOW_YELLOW, 0.8f);
    missile_tracks(m, r, 60, false);
}

// Robo Mom's (and the motha's) rocket: a stubby robot-green rocket with an orange
// warhead and four dark fins.
void model_missile_robomum(ModelBuilder &m)
{
    MissileRig r = missile_rig(m, 0.75f, 1.0f, 0.5f);
    rocket(m, r.body, 0.22f, 0.75f, -0.4f, -0.9f, 8, kit_lit(&KIT_PANEL, 0x52a85c), kit_unlit(&KIT_WHITE, 0xff8a2a));
    m.cylinder(r.body, at(0, 0.1f, 0).turn(90, 0, 0), 0.235f, 0.16f, 8, kit_lit(&KIT_PANEL, 0x3a3e48));
    fins(m, r.body, 0.55f, 0.85f, 0.42f, 2, kit_lit(&KIT_PANEL, 0x3a3e48));
    flame(m, r, 0.42f, 1.2f, 0xff7020, &KIT_GLOW_ORANGE, 1.2f);
    missile_tracks(m, r, 90, false);
}

// The big turret's rack rocket: gunmetal with red bands and a red nose.
void model_missile_turret(ModelBuilder &m)
{
    MissileRig r = missile_rig(m, 0.7f, 0.95f, 0.45f);
    rocket(m, r.body, 0.16f, 0.7f, -0.5f, -0.92f, 6, kit_lit(&KIT_PANEL, 0x7c828e), kit_unlit(&KIT_WHITE, 0xff3a22));
    for (float y : {0.3f, -0.2f}) {
        m.cylinder(r.body, at(0, y, 0).turn(90, 0, 0), 0.17f, 0.08f, 6, kit_unlit(&KIT_WHITE, 0xff4028));
    }
    fins(m, r.body, 0.52f, 0.62f, 0.34f, 2, kit_lit(&KIT_PANEL, 0x4a4e58));
    flame(m, r, 0.34f, 1.1f, 0xff6010, &KIT_GLOW_ORANGE, 1.0f);
    missile_tracks(m, r, 90, false);
}

// The big weelee's chasing mine: a dark spiked ball with a blinking red eye, rolling.
void model_missile_weelee(ModelBuilder &m)
{
    MissileRig r = missile_rig(m, 0.0f, 0.8f, 0.55f);
    m.sphere(r.body, at(0, 0, 0), {0.42f, 0.42f, 0.42f}, 8, 4, kit_radial(&KIT_PANEL, 0xb06452));
    const Vec3 spikes[6] = {{90, 0, 0}, {-90, 0, 0}, {0, 90, 0}, {0, -90, 0}, {0, 0, 0}, {180, 0, 0}};
    for (const Vec3 &t : spikes) {
        m.cylinder(r.body, at(0, 0, 0).turn(t.x, t.y, t.z), 0.12f, 0.68f, 4, kit_lit(&KIT_PANEL, 0xb0a8a0), 0);
    }
    for (float z : {0.36f, -0.36f}) {
        m.sphere(r.body, at(0, 0, z), {0.15f, 0.15f, 0.12f}, 5, 2, kit_unlit(&KIT_WHITE, 0xff4028));
    }
    flame(m, r, 0.0f, 0.0f, 0, &KIT_GLOW_RED, 1.2f);
    missile_tracks(m, r, 70, true);
}
