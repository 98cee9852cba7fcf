// models_robot.cpp -- the green robot (beasties/robot_green) and its shot
// (bullets/bullet_robo).
//
// The robot is a squat two-legged walker, about 6 units across the shoulders and 6 tall:
// a broad green chest with dark shoulder plates, a dome head with a yellow visor, a claw
// on its left arm and a gun barrel on its right that points forward past its feet. From
// above it reads as shoulders, dome and barrel. Its walk covers 2 units per stride of
// 0.2 s (0.1 units a tick, the speed robot_green.lua asks for).
//
// The shot is a hot orange bolt with a flickering glow and a short tail, flying 0.3 units
// a tick for 4 s.

#include "assetgen/model_bitmaps.h"
#include "assetgen/models.h"

namespace {

ImageRgb draw_robot_panel(int)
{
    return bitmap_panel(64, 1, 226, 0x0b07);
}

ImageRgb draw_robot_flash(int)
{
    return bitmap_glow(64, 0xfff4c0, 0xff7a10, 1.5f, 6, 15.0f);
}

ImageRgb draw_bolt_glow(int frame)
{
    // Eight frames: the core swells and the spikes turn, so the shot flickers.
    float swell = 1.0f + 0.35f * (float)((frame * 5) % 8) / 7.0f;
    return bitmap_glow(32, 0xffe080, 0xff5010, swell, 4, 22.5f * (float)frame);
}

ImageRgb draw_bolt_trail(int)
{
    return bitmap_strip(32, 0xff8a30);
}

ImageRgb draw_bolt_core(int)
{
    return bitmap_fill(8, 0xffffff);
}

const Bitmap ROBOT_PANEL = {"robot_panel", 0, draw_robot_panel, nullptr};
const Bitmap ROBOT_FLASH = {"robot_flash", 0, draw_robot_flash, nullptr};
const Bitmap BOLT_GLOW = {"bullet_robo_glow", 8, draw_bolt_glow, nullptr};
const Bitmap BOLT_TRAIL = {"bullet_robo_trail", 0, draw_bolt_trail, nullptr};
const Bitmap BOLT_CORE = {"bullet_robo_core", 0, draw_bolt_core, nullptr};

Paint plate(uint32_t colour)
{
    return paint_plate(&ROBOT_PANEL, colour);
}

Paint light(const Bitmap *bitmap, uint32_t colour)
{
    return paint_light(bitmap, colour);
}

Paint glow(const Bitmap *bitmap, uint32_t colour)
{
    return paint_glow(bitmap, colour);
}

}  // namespace

void model_robot_green(ModelBuilder &m)
{
    const Paint green = plate(0x46c452);
    const Paint deep_green = plate(0x2c8a38);
    const Paint metal = plate(0x6a7382);
    const Paint dark = plate(0x3a3e48);
    const Paint visor = light(&ROBOT_PANEL, 0xffd83a);
    const Paint hot = light(&ROBOT_PANEL, 0xff8c20);
    const Paint vent = light(&ROBOT_PANEL, 0xb6ff5c);

    // Skeleton. The hips stand 2.95 above the floor so the soles touch it.
    int root = m.bone("mainbone_x");
    int hips = m.bone("hips", root).at(0, 0, 2.95f).health(2.0f);
    int leg_l = m.bone("leg_l", hips).at(0.95f, 0, -0.25f);
    int shin_l = m.bone("shin_l", leg_l).at(0, 0, -1.15f);
    int leg_r = m.bone("leg_r", hips).at(-0.95f, 0, -0.25f);
    int shin_r = m.bone("shin_r", leg_r).at(0, 0, -1.15f);
    int torso = m.bone("torso", hips).at(0, 0, 0.4f).priority(1).health(3.0f);
    // The neck carries the head for whole-body moves (the head's own track, scan, ranks
    // above them and would otherwise keep the head in place).
    int neck = m.bone("neck", torso).at(0, -0.1f, 2.05f);
    int head = m.bone("head", neck).priority(2).health(1.5f);
    int arm_l = m.bone("arm_l", torso).at(1.95f, 0, 1.55f).health(1.0f);
    int arm_r = m.bone("arm_r", torso).at(-1.95f, 0, 1.55f).priority(3).health(1.0f);
    int gun = m.bone("gun_x", arm_r).at(0, -3.1f, -0.35f);
    int flash = m.bone("flash", gun).at(0, -0.35f, 0).faces_camera().size(0);
    // Soles: the middle of each foot's underside, where its footprint goes.
    m.bone("sole_l", shin_l).at(0, -0.35f, -1.55f);
    m.bone("sole_r", shin_r).at(0, -0.35f, -1.55f);

    // Hips and legs.
    m.box(hips, at(0, 0, 0), {2.1f, 1.4f, 0.8f}, dark);
    for (int side : {0, 1}) {
        int leg = side ? leg_r : leg_l;
        int shin = side ? shin_r : shin_l;
        m.box(leg, at(0, 0, -0.55f), {0.8f, 0.9f, 1.15f}, metal, 1.15f);
        m.box(shin, at(0, 0, -0.6f), {0.95f, 1.05f, 1.25f}, green, 1.1f);
        m.box(shin, at(0, -0.35f, -1.3f), {1.25f, 1.95f, 0.5f}, dark, 0.8f);
    }

    // Chest: wider at the top, a dark front plate with two glowing vents, a backpack with
    // exhausts, and shoulder plates that make the outline from above.
    m.box(torso, at(0, 0, 1.0f), {3.2f, 2.0f, 2.0f}, green, 1.15f);
    m.box(torso, at(0, -1.02f, 1.05f), {1.9f, 0.2f, 1.2f}, deep_green);
    for (int bar = 0; bar < 3; bar++) {
        m.box(torso, at(0, -1.14f, 0.75f + 0.3f * bar), {1.4f, 0.1f, 0.14f}, vent);
    }
    m.box(torso, at(0, 1.25f, 1.1f), {2.0f, 0.8f, 1.6f}, metal);
    m.cylinder(torso, at(0.5f, 1.35f, 1.9f), 0.26f, 0.6f, 5, dark);
    m.cylinder(torso, at(-0.5f, 1.35f, 1.9f), 0.26f, 0.6f, 5, dark);
    m.box(torso, at(1.95f, 0, 2.1f), {1.35f, 1.6f, 0.5f}, deep_green, 0.8f);
    m.box(torso, at(-1.95f, 0, 2.1f), {1.35f, 1.6f, 0.5f}, deep_green, 0.8f);

    // Head: a dome with a visor band and an antenna.
    m.sphere(head, at(0, 0, 0), {0.95f, 0.95f, 0.85f}, 8, 3, green, true);
    m.box(head, at(0, -0.62f, 0.3f), {1.45f, 0.5f, 0.3f}, visor);
    m.cylinder(head, at(0.45f, 0.25f, 0.6f), 0.09f, 0.75f, 4, metal);
    m.sphere(head, at(0.45f, 0.25f, 1.4f), {0.2f, 0.2f, 0.2f}, 4, 2, hot);

    // Left arm: shoulder ball, upper arm and a two-pronged claw.
    m.sphere(arm_l, at(0, 0, 0), {0.55f, 0.55f, 0.55f}, 6, 2, metal);
    m.box(arm_l, at(0.1f, 0, -0.8f), {0.65f, 0.7f, 1.3f}, green);
    m.box(arm_l, at(0.1f, -0.15f, -1.65f), {0.9f, 1.0f, 0.6f}, dark);
    m.box(arm_l, at(0.35f, -0.55f, -2.1f), {0.25f, 0.35f, 0.6f}, metal, 0.6f);
    m.box(arm_l, at(-0.15f, -0.55f, -2.1f), {0.25f, 0.35f, 0.6f}, metal, 0.6f);

    // Right arm: the gun. A housing, a barrel along -Y and a glowing muzzle ring.
    m.sphere(arm_r, at(0, 0, 0), {0.6f, 0.6f, 0.6f}, 6, 2, metal);
    m.box(arm_r, at(0, -0.6f, -0.35f), {0.95f, 1.7f, 0.95f}, green);
    m.box(arm_r, at(0, -0.5f, 0.2f), {0.5f, 1.2f, 0.25f}, dark);
    m.cylinder(arm_r, at(0, -1.3f, -0.35f).turn(90, 0, 0), 0.32f, 1.7f, 8, dark);
    m.torus(arm_r, at(0, -3.0f, -0.35f).turn(90, 0, 0), 0.36f, 0.12f, 8, 3, hot);
    m.sprite(flash, 2.2f, glow(&ROBOT_FLASH, 0xffc060));

    // Hit spheres: the whole robot, then chest, head, hips and both arms.
    m.hit_sphere(ModelBuilder::ACTOR, {0, -0.4f, 2.9f}, 3.0f);
    m.hit_sphere(torso, {0, 0, 1.0f}, 1.75f);
    m.hit_sphere(head, {0, 0, 0.4f}, 0.9f);
    m.hit_sphere(hips, {0, 0, -0.6f}, 1.3f);
    m.hit_sphere(arm_l, {0.1f, -0.1f, -1.1f}, 0.8f);
    m.hit_sphere(arm_r, {0, -1.2f, -0.35f}, 0.8f);

    // Idle: a slow breath; the head scans on its own track.
    Track &idle = m.track("idle").loop();
    idle.key(0.6f).ease_in(40).ease_out(40).move(hips, 0, 0, -0.07f).turn(arm_l, 5, 0, 0).turn(arm_r, -3, 0, 0);
    idle.key(0.6f).ease_in(40).ease_out(40);
    Track &scan = m.track("scan", head).loop();
    scan.key(0.9f).ease_in(40).ease_out(40).turn(head, 0, 0, 28);
    scan.key(0.9f).ease_in(40).ease_out(40).turn(head, 0, 0, -28);

    // Walk: contact, passing, contact, passing; 2 units a stride, the arms swinging
    // against the legs and the gun held steady.
    Track &walk = m.track("walk").loop();
    for (int step = 0; step < 2; step++) {
        int front = step ? leg_r : leg_l;
        int back = step ? leg_l : leg_r;
        int front_shin = step ? shin_r : shin_l;
        int back_shin = step ? shin_l : shin_r;
        float twist = step ? 6.0f : -6.0f;
        walk.key(0.2f).forward(2.0f).turn(front, -28, 0, 0).turn(front_shin, 6, 0, 0).turn(back, 24, 0, 0)
            .turn(back_shin, 18, 0, 0).move(hips, 0, 0, -0.16f).turn(torso, 0, 0, twist)
            .turn(arm_l, step ? -18.0f : 18.0f, 0, 0).turn(arm_r, -4, 0, 0);
        walk.key(0.2f).forward(2.0f).turn(front, 2, 0, 0).turn(back, -8, 0, 0).turn(back_shin, 50, 0, 0)
            .move(hips, 0, 0, 0.06f).turn(arm_r, 3, 0, 0);
    }

    // Fire: the gun arm kicks back and up, the flash blooms at the muzzle, then settles.
    Track &fire = m.track("fire", arm_r).once();
    fire.key(0.04f).move(arm_r, 0, 0.45f, 0.05f).turn(arm_r, -10, 0, 0).scale(flash, 1.4f);
    fire.key(0.08f).move(arm_r, 0, 0.3f, 0).turn(arm_r, -6, 0, 0).scale(flash, 0.7f);
    fire.key(0.2f).ease_in(40);

    // Emerge: from below the floor, rising with a small overshoot, arms spread.
    Track &emerge = m.track("emerge").once();
    emerge.key(0.01f).move(root, 0, 0, -5.8f).scale(root, 0.7f).turn(arm_l, -30, 0, 0).turn(arm_r, -20, 0, 0);
    emerge.key(0.45f).ease_out(30).move(root, 0, 0, -0.4f).scale(root, 1.0f);
    emerge.key(0.18f).move(root, 0, 0, 0.35f).turn(arm_l, 0, -30, 0).turn(arm_r, 0, 30, 0);
    emerge.key(0.15f).ease_in(40);

    // Submerge: a crouch, then down into the floor.
    Track &submerge = m.track("submerge").once();
    submerge.key(0.12f).move(hips, 0, 0, -0.45f).turn(arm_l, -15, 0, 0).turn(arm_r, -15, 0, 0);
    submerge.key(0.43f).ease_out(60).move(root, 0, 0, -6.0f).scale(root, 0.75f).move(hips, 0, 0, -0.45f);

    // Byebye: the head pops off spinning, the arms fly out, the rest crumples and shrinks.
    Track &bye = m.track("byebye").once();
    bye.key(0.12f).move(neck, 0, 0, 1.4f).turn(neck, 20, 0, 90).turn(arm_l, 0, -50, 0).move(arm_l, 0.6f, 0, 0)
        .turn(arm_r, 0, 50, 0).move(arm_r, -0.6f, 0, 0).turn(torso, -15, 0, 0).move(hips, 0, 0, -0.3f);
    bye.key(0.38f).ease_out(50).move(root, 0, 0, -1.2f).scale(root, 0.1f).move(neck, 0, 0, 3.0f)
        .turn(neck, 40, 0, 250).turn(arm_l, 0, -90, 0).move(arm_l, 1.4f, 0, 0).turn(arm_r, 0, 90, 0)
        .move(arm_r, -1.4f, 0, 0).turn(torso, -35, 0, 0).move(hips, 0, 0, -0.8f);

    // Mutate: out of a point, bulging past full size, settling.
    Track &mutate = m.track("mutate").once();
    mutate.key(0.01f).scale(root, 0.25f);
    mutate.key(0.3f).ease_out(30).scale(root, 1.25f).turn(arm_l, 0, -35, 0).turn(arm_r, 0, 35, 0);
    mutate.key(0.15f).scale(root, 0.92f);
    mutate.key(0.15f).ease_in(40);

    // Hitbounce: the upper body jerks back and recovers; the legs walk on.
    Track &bounce = m.track("hitbounce", torso).once();
    bounce.key(0.05f).turn(torso, -16, 0, 0).turn(neck, -12, 0, 0).turn(arm_l, 0, -12, 0);
    bounce.key(0.17f).ease_in(40);

    m.defaults({"idle", "scan"});
}

void model_bullet_robo(ModelBuilder &m)
{
    int root = m.bone("mainbone_x");
    int core = m.bone("core", root);
    int halo = m.bone("glow", root).faces_camera();

    // A stretched octahedron pointing along the flight, its glow and a tail behind it.
    m.sphere(core, at(0, 0, 0), {0.3f, 0.7f, 0.3f}, 4, 2, light(&BOLT_CORE, 0xffd060));
    m.ribbon(core,
             {{{0, 0.35f, 0}, 0.9f, rgb(0xffa030)}, {{0, 1.4f, 0}, 0.6f, rgb(0xff5010)}, {{0, 2.6f, 0}, 0.1f, rgb(0x300800)}},
             glow(&BOLT_TRAIL, 0xffffff));
    Paint flicker = glow(&BOLT_GLOW, 0xff9030);
    flicker.anim_speed = 0.5f;
    m.sprite(halo, 1.6f, flicker);

    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, 0.6f);
    m.hit_sphere(core, {0, 0, 0}, 0.5f);

    // Fire: the flight. One tick at the muzzle, then 15 units every half second for 4 s,
    // the core rolling about its length and the glow pulsing.
    Track &fly = m.track("fire").once();
    fly.key(0.01f);
    for (int k = 1; k <= 8; k++) {
        fly.key(0.5f).forward(15.0f).turn(core, 0, 90.0f * (float)k, 0).scale(halo, k % 2 ? 1.3f : 1.0f);
    }

    // Die: a quick flare, then gone.
    Track &die = m.track("die").once();
    die.key(0.06f).scale(core, 1.8f).scale(halo, 2.2f);
    die.key(0.14f).scale(core, 0.05f).scale(halo, 0.05f);

    m.defaults({"fire"});
}
