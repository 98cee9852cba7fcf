// models_enemy_crystal.cpp -- the crystals (beasties/crystal; the scripts launch it at
// four sizes: crystal_large about 7 units across, medium 5, small 3.5, tiny 2).
//
// A cluster of emerald prisms drifting 3 units above the floor: one long double-pointed
// gem lying along the drift with three shorter gems jutting from its waist, a cold inner
// glow and now and then a star-shaped glint ("glint", the scripts' random animation).
// The engine plays "spin1_x" as it appears and after every bounce: the cluster tumbles
// about its own X axis while the engine turns its yaw.

#include "assetgen/models_enemy_kit.h"

namespace ek = enemy_kit;

void model_crystal(ModelBuilder &m)
{
    const Paint emerald = ek::facet(0x2ee0a0);
    const Paint deep = ek::facet(0x12a070);
    const Paint pale = ek::facet(0xaaffe0);

    int root = m.bone("mainbone_x");
    int drift = m.bone("drift", root).at(0, 0, 3.0f);
    int body = m.bone("body", drift).priority(1);
    int gem = m.bone("gem", body).priority(2).health(2.0f);
    int core = m.bone("core", gem).faces_camera().priority(3);
    int glint = m.bone("glint", gem).at(0.4f, -1.2f, 0.6f).faces_camera().priority(4).size(0);

    // The long gem: a hexagonal double point along Y.
    m.sphere(gem, at(0, 0, 0).turn(90, 0, 0), {1.05f, 1.05f, 2.9f}, 6, 2, emerald);
    // Three shorter gems from the waist, four-sided double points.
    m.sphere(gem, at(0.75f, 0.2f, 0.55f).turn(0, 55, 20), {0.55f, 0.55f, 1.5f}, 4, 2, pale);
    m.sphere(gem, at(-0.7f, -0.3f, 0.35f).turn(0, -60, -15), {0.5f, 0.5f, 1.3f}, 4, 2, deep);
    m.sphere(gem, at(0.1f, 0.6f, -0.75f).turn(140, 0, 10), {0.45f, 0.45f, 1.2f}, 4, 2, emerald);
    m.sprite(core, 3.2f, ek::glow(0x40ffb0));
    m.sprite(glint, 2.6f, ek::spark(0xf0fff8));

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 3.0f}, 3.0f);
    m.hit_sphere(gem, {0, -1.3f, 0}, 1.05f);
    m.hit_sphere(gem, {0, 0.1f, 0}, 1.3f);
    m.hit_sphere(gem, {0, 1.4f, 0}, 1.0f);

    // Spin1_x: a whole tumble about X in two seconds.
    ek::spin_loop(m, "spin1_x", gem, 0, 2.0f);
    // Shine: the inner glow breathes.
    Track &shine = m.track("shine", core).loop();
    shine.key(0.7f).ease_in(40).ease_out(40).scale(core, 1.3f);
    shine.key(0.7f).ease_in(40).ease_out(40).scale(core, 0.8f);
    // Glint: a star flares on a tip and turns as it fades.
    Track &flash = m.track("glint", glint).once();
    flash.key(0.08f).scale(glint, 1.3f).turn(glint, 0, 0, 30);
    flash.key(0.25f).ease_in(40).scale(glint, 0.0f).turn(glint, 0, 0, 75);
    // Drift: a slow bob.
    Track &bob = m.track("float", drift).loop();
    bob.key(1.1f).ease_in(40).ease_out(40).move(drift, 0, 0, 0.3f);
    bob.key(1.1f).ease_in(40).ease_out(40).move(drift, 0, 0, -0.3f);

    ek::emerge_swoop(m, root, 8.0f, 0.8f);
    ek::submerge_sink(m, root, 6.0f, 0.5f);
    // Byebye: it flares white and shrinks to a point.
    ek::byebye_burst(m, root, 120, 1.0f, 0.35f, [&](int k, Key &key) { key.scale(core, k ? 2.5f : 1.8f); });
    ek::mutate_pop(m, root, 0.3f, [&](int k, Key &key) {
        if (k == 1) {
            key.scale(core, 2.0f);
        }
    });
    ek::hitbounce_recoil(m, body, 0, 0.5f);

    m.defaults({"shine", "float"});
}
