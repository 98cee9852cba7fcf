// models_enemy_shots.cpp -- the enemies' bullets (bullets/...): each a hot shot in its
// shooter's manner, flying by its one-shot "fire" (forward root motion along model -Y)
// and flaring out by "die" when it hits; and the laser bolts laser-1_1sec, _2sec and
// _3sec, whose mainbone_x is the far end of the burning beam that ties them to their gun,
// flying for one, two and three seconds.
//
// Heat: unlit cores near white, hot edges (orange, red, magenta, violet, yellow) and
// flickering additive glows, brighter than any enemy body. Sizes are world sizes at the
// weapons' bullet scale of 100 (the tiny pathfly's 80 shrinks its sting); speeds, in
// units a tick, are the model's times that scale.

#include "assetgen/shot_kit.h"

#include <cmath>

namespace {

// Bones every shot has: the root, a core that the flight rolls or spins, and a
// camera-facing glow.
struct ShotRig {
    int root, core, halo;
};

ShotRig shot_rig(ModelBuilder &m)
{
    ShotRig r;
    r.root = m.bone("mainbone_x");
    r.core = m.bone("core", r.root);
    r.halo = m.bone("glow", r.root).faces_camera();
    return r;
}

void shot_spheres(ModelBuilder &m, const ShotRig &r, float bound, float core)
{
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, bound);
    m.hit_sphere(r.core, {0, 0, 0}, core);
}

// A flight with the core turning about its length (roll) or about the vertical (spin)
// by degrees a key, the glow pulsing between 0.9 and 1.2.
void shot_flight(ModelBuilder &m, const ShotRig &r, float speed, float seconds, float roll, float spin)
{
    kit_flight(m, speed, seconds, 0.1f, [&](Key &k, int i) {
        k.turn(r.core, 0, roll * (float)i, spin * (float)i).scale(r.halo, i % 2 ? 1.2f : 0.9f);
    });
    kit_die(m, {r.core, r.halo}, 2.2f, 0.2f);
    m.defaults({"fire"});
}

Paint hot_glow(const Bitmap *b)
{
    return kit_glow(b, 0xffffff, 0.5f);
}

// A streak behind a shot: from width w at the tail of the core to nothing at length.
void streak(ModelBuilder &m, int bone, float from, float length, float w, uint32_t colour)
{
    m.ribbon(bone,
             {{{0, from, 0}, w, rgb(colour)}, {{0, from + length * 0.45f, 0}, w * 0.6f, rgb(colour)},
              {{0, from + length, 0}, w * 0.08f, rgb(0x200400)}},
             kit_glow(&KIT_STRIP, 0xffffff));
}

}  // namespace

// The ninjoo's throwing star: a four-pointed magenta star spinning flat, fast.
void model_bullet_ninjoo(ModelBuilder &m)
{
    ShotRig r = shot_rig(m);
    std::vector<Vec3> star;
    for (int k = 0; k < 8; k++) {
        float a = 0.7853982f * (float)k;
        float rad = k % 2 ? 0.16f : 0.55f;
        star.push_back({rad * std::cos(a), rad * std::sin(a), 0});
    }
    m.prism(r.core, at(0, 0, -0.05f), star, 0.1f, kit_unlit(&KIT_WHITE, 0xff78dc), 0.75f);
    m.sprite(r.halo, 1.3f, hot_glow(&KIT_GLOW_MAGENTA));
    shot_spheres(m, r, 0.6f, 0.5f);
    shot_flight(m, r, 0.42f, 4.0f, 0, 60);
}

// The tiny pathfly's sting: a small yellow dart.
void model_bullet_pathfly(ModelBuilder &m)
{
    ShotRig r = shot_rig(m);
    m.sphere(r.core, at(0, 0, 0), {0.15f, 0.5f, 0.15f}, 4, 2, kit_unlit(&KIT_WHITE, 0xfff0a0));
    streak(m, r.core, 0.3f, 1.3f, 0.4f, 0xffb000);
    m.sprite(r.halo, 1.3f, hot_glow(&KIT_GLOW_YELLOW));
    shot_spheres(m, r, 0.55f, 0.42f);
    shot_flight(m, r, 0.45f, 3.5f, 90, 0);
}

// The powerpimp's fat orb: a hot pink ball inside a gold ring that wobbles round it.
void model_bullet_pimp(ModelBuilder &m)
{
    ShotRig r = shot_rig(m);
    int ring = m.bone("ring", r.core).turn(55, 0, 0);
    m.sphere(r.core, at(0, 0, 0), {0.38f, 0.38f, 0.38f}, 6, 2, kit_unlit(&KIT_WHITE, 0xff9ad8));
    std::vector<RibbonPoint> loop;
    for (int k = 0; k <= 8; k++) {
        float a = 0.7853982f * (float)k;
        loop.push_back({{0.58f * std::cos(a), 0.58f * std::sin(a), 0}, 0.16f, rgb(0xffd040)});
    }
    m.ribbon(ring, loop, kit_unlit(&KIT_WHITE, 0xffffff));
    m.sprite(r.halo, 1.8f, hot_glow(&KIT_GLOW_MAGENTA));
    shot_spheres(m, r, 0.75f, 0.6f);
    shot_flight(m, r, 0.22f, 5.0f, 0, 45);
}

// Robo Mom's slug: the robots' orange bolt grown heavy, with twin tails.
void model_bullet_robomom(ModelBuilder &m)
{
    ShotRig r = shot_rig(m);
    m.sphere(r.core, at(0, 0, 0), {0.34f, 0.8f, 0.34f}, 4, 2, kit_unlit(&KIT_WHITE, 0xffc070));
    for (float x : {0.18f, -0.18f}) {
        m.ribbon(r.core,
                 {{{x, 0.4f, 0}, 0.45f, rgb(0xff8a30)}, {{x * 1.4f, 1.5f, 0}, 0.3f, rgb(0xff4810)},
                  {{x * 1.8f, 2.7f, 0}, 0.06f, rgb(0x300800)}},
                 kit_glow(&KIT_STRIP, 0xffffff));
    }
    m.sprite(r.halo, 1.9f, hot_glow(&KIT_GLOW_ORANGE));
    shot_spheres(m, r, 0.8f, 0.62f);
    shot_flight(m, r, 0.32f, 4.5f, 90, 0);
}

// The split worm's glob: an orange blob that wobbles as it flies, dripping a trail.
void model_bullet_splitworm(ModelBuilder &m)
{
    ShotRig r = shot_rig(m);
    m.sphere(r.core, at(0, 0, 0), {0.32f, 0.36f, 0.3f}, 6, 3, kit_radial(&KIT_WHITE, 0xffb030));
    m.sphere(r.core, at(0.1f, -0.12f, 0.18f), {0.12f, 0.12f, 0.1f}, 4, 2, kit_unlit(&KIT_WHITE, 0xfff4c0));
    streak(m, r.core, 0.25f, 1.2f, 0.5f, 0xff8a10);
    m.sprite(r.halo, 1.5f, hot_glow(&KIT_GLOW_ORANGE));
    shot_spheres(m, r, 0.65f, 0.45f);
    kit_flight(m, 0.26f, 4.5f, 0.1f, [&](Key &k, int i) {
        float squash = i % 2 ? 1.18f : 0.86f;
        k.scale(r.core, squash, 2.0f - squash, 1.0f).scale(r.halo, i % 2 ? 1.15f : 0.9f);
    });
    kit_die(m, {r.core, r.halo}, 2.2f, 0.25f);
    m.defaults({"fire"});
}

// The trackfly's sting: a long red needle with a long red streak.
void model_bullet_trackfly(ModelBuilder &m)
{
    ShotRig r = shot_rig(m);
    m.sphere(r.core, at(0, 0, 0), {0.1f, 0.75f, 0.1f}, 4, 2, kit_unlit(&KIT_WHITE, 0xffd0b0));
    streak(m, r.core, 0.4f, 2.4f, 0.32f, 0xff3818);
    m.sprite(r.halo, 1.1f, hot_glow(&KIT_GLOW_RED));
    shot_spheres(m, r, 0.6f, 0.4f);
    shot_flight(m, r, 0.36f, 4.0f, 90, 0);
}

// The small turret's pellet: a hot yellow-orange cube tumbling.
void model_bullet_turret1(ModelBuilder &m)
{
    ShotRig r = shot_rig(m);
    m.box(r.core, at(0, 0, 0).turn(35, 0, 45), {0.32f, 0.32f, 0.32f}, kit_unlit(&KIT_WHITE, 0xffd860));
    streak(m, r.root, 0.2f, 0.9f, 0.3f, 0xff9a20);
    m.sprite(r.halo, 1.1f, hot_glow(&KIT_GLOW_ORANGE));
    shot_spheres(m, r, 0.55f, 0.4f);
    shot_flight(m, r, 0.38f, 3.5f, 70, 50);
}

// The big turrets' shell: an orange tracer with a white-hot tip and a long tail.
void model_bullet_turret2(ModelBuilder &m)
{
    ShotRig r = shot_rig(m);
    m.cylinder(r.core, at(0, 0.35f, 0).turn(90, 0, 0), 0.16f, 0.6f, 5, kit_unlit(&KIT_WHITE, 0xff8a30));
    m.cylinder(r.core, at(0, -0.25f, 0).turn(90, 0, 0), 0.16f, 0.32f, 5, kit_unlit(&KIT_WHITE, 0xfff0c8), 0);
    streak(m, r.root, 0.35f, 2.2f, 0.42f, 0xff6a10);
    m.sprite(r.halo, 1.3f, hot_glow(&KIT_GLOW_ORANGE));
    shot_spheres(m, r, 0.65f, 0.45f);
    shot_flight(m, r, 0.34f, 4.0f, 90, 0);
}

// The weelee's lobbed ball: a red ball with a white band that bounces along.
void model_bullet_weelee(ModelBuilder &m)
{
    ShotRig r = shot_rig(m);
    int ball = m.bone("ball", r.core);
    m.sphere(ball, at(0, 0, 0), {0.36f, 0.36f, 0.36f}, 6, 3, kit_unlit(&KIT_WHITE, 0xff6040));
    m.ribbon(ball, {{{0, -0.37f, 0.02f}, 0.14f, rgb(0xfff4e0)}, {{0, 0, 0.37f}, 0.14f, rgb(0xfff4e0)}, {{0, 0.37f, 0.02f}, 0.14f, rgb(0xfff4e0)}},
             kit_unlit(&KIT_WHITE, 0xffffff));
    m.sprite(r.halo, 1.5f, hot_glow(&KIT_GLOW_RED));
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 0.6f);
    m.hit_sphere(ball, {0, 0, 0}, 0.45f);
    // Hops of 0.4 s in four even keys (the ground stays even): up 1.2 units on a curve and
    // down, squashed at each landing, rolling forward.
    Track &fly = m.track("fire").once();
    fly.key(0.01f);
    const float height[4] = {0.9f, 1.2f, 0.9f, 0.0f};
    for (int hop = 0; hop < 12; hop++) {
        for (int q = 0; q < 4; q++) {
            Key &k = fly.key(0.1f).forward(0.24f * 10).move(r.core, 0, 0, height[q]).move(r.halo, 0, 0, height[q]);
            k.turn(ball, -70.0f * (float)(4 * hop + q + 1), 0, 0);
            if (q == 3) {
                k.scale(ball, 1.2f, 1.2f, 0.75f);
            }
        }
    }
    kit_die(m, {r.core, r.halo}, 2.2f, 0.2f);
    m.defaults({"fire"});
}

// The beemspider's crackling shot: a violet orb wrapped in forked sparks.
void model_beemspider_bullet(ModelBuilder &m)
{
    ShotRig r = shot_rig(m);
    int sparks = m.bone("sparks", r.root).faces_camera();
    m.sphere(r.core, at(0, 0, 0), {0.24f, 0.24f, 0.24f}, 6, 2, kit_unlit(&KIT_WHITE, 0xf4d8ff));
    m.sprite(r.halo, 1.2f, hot_glow(&KIT_GLOW_VIOLET));
    m.sprite(sparks, 1.5f, kit_glow(&KIT_CRACKLE, 0xffffff, 0.34f));
    shot_spheres(m, r, 0.6f, 0.45f);
    kit_flight(m, 0.3f, 4.5f, 0.1f, [&](Key &k, int i) {
        k.scale(r.halo, i % 2 ? 1.25f : 0.85f).scale(sparks, i % 3 ? 1.0f : 1.3f);
    });
    kit_die(m, {r.core, r.halo, sparks}, 2.2f, 0.2f);
    m.defaults({"fire"});
}

namespace {

// A laser bolt: a red-white spark at the end of its beam, flying for seconds, fast at
// first and slowing (the beam from the gun stretches behind it), distance in all.
void laser_bolt(ModelBuilder &m, float seconds, float distance)
{
    ShotRig r = shot_rig(m);
    m.sphere(r.core, at(0, 0, 0), {0.2f, 0.5f, 0.2f}, 4, 2, kit_unlit(&KIT_WHITE, 0xfff0f0));
    streak(m, r.core, 0.2f, 1.2f, 0.45f, 0xff2818);
    m.sprite(r.halo, 1.5f, hot_glow(&KIT_GLOW_RED));
    shot_spheres(m, r, 0.6f, 0.45f);
    // The speed falls linearly to a third of its start: ground of key i of n is
    // proportional to 1 - (i - 0.5) / n x 2/3.
    int keys = (int)lroundf(seconds / 0.1f);
    float total = 0;
    for (int i = 1; i <= keys; i++) {
        total += 1.0f - ((float)i - 0.5f) / (float)keys * (2.0f / 3.0f);
    }
    Track &fly = m.track("fire").once();
    fly.key(0.01f);
    for (int i = 1; i <= keys; i++) {
        float share = (1.0f - ((float)i - 0.5f) / (float)keys * (2.0f / 3.0f)) / total;
        fly.key(0.1f).forward(distance * share).turn(r.core, 0, 90.0f * (float)i, 0).scale(r.halo, i % 2 ? 1.3f : 0.9f);
    }
    kit_die(m, {r.core, r.halo}, 2.4f, 0.2f);
    m.defaults({"fire"});
}

}  // namespace

void model_laser_1sec(ModelBuilder &m)
{
    laser_bolt(m, 1.0f, 36.0f);
}

void model_laser_2sec(ModelBuilder &m)
{
    laser_bolt(m, 2.0f, 54.0f);
}

void model_laser_3sec(ModelBuilder &m)
{
    laser_bolt(m, 3.0f, 72.0f);
}
