// models_ships.cpp -- the five player ships: each a hull (players/ship_N_hull) that turns
// to the direction of travel and a turret (players/ship_N) that turns to the aim.
//
// The hulls follow the plans of the menu pictures (art_menu.cpp, README.md "Ships"):
// 1 Arrow, 2 Manta, 3 Twin, 4 Saucer, 5 Hammer, drawn on a 128-unit plan, nose up, at
// PLAN world units a plan unit (a ship is 3-4 units across). Hull plating is the menu's
// azure at hue 0, with darker plates and light trim of the same hue, so the engine's hue
// turn tints the whole ship; glass, guns and nozzles are grey and keep their look.
//
// The engine stands the turret at the height of its bounding sphere and the hull h
// higher, h being the hull script's cp_bullet_spray_angle; each hull hangs its body h
// below its origin, so both share one plane: z = 0 of the turret model. The turret carries
// the ship's hit spheres (the hull's turn does not move them): a bounding sphere and a
// core sphere that a shot must reach to hurt.

#include "assetgen/shot_kit.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr float PLAN = 0.03f;   // world units per plan unit

// Hue-0 azure of the ships, its plates and trim; the grey parts.
constexpr uint32_t HULL = 0x308eee;
constexpr uint32_t HULL_LIGHT = 0x5aaaf6;
constexpr uint32_t HULL_TURRET = 0x7cc4ff;
constexpr uint32_t HULL_PLATE = 0x1c58b6;
constexpr uint32_t HULL_ACCENT = 0x8cd2ff;
constexpr uint32_t GLASS = 0x28303e;
constexpr uint32_t GLEAM = 0xbed7f0;
constexpr uint32_t GUN = 0xaab0ba;
constexpr uint32_t NOZZLE = 0x6c7078;
constexpr uint32_t ENGINE = 0xfff4d6;

struct Paints {
    Paint hull = kit_lit(&KIT_PANEL, HULL);
    Paint light = kit_lit(&KIT_PANEL, HULL_LIGHT);
    Paint turret = kit_lit(&KIT_PANEL, HULL_TURRET);
    Paint plate = kit_lit(&KIT_PANEL, HULL_PLATE);
    Paint trim = kit_unlit(&KIT_WHITE, HULL_ACCENT);
    Paint glass = kit_lit(&KIT_WHITE, GLASS);
    Paint gleam = kit_unlit(&KIT_WHITE, GLEAM);
    Paint gun = kit_lit(&KIT_PANEL, GUN);
    Paint nozzle = kit_lit(&KIT_PANEL, NOZZLE);
    Paint engine = kit_unlit(&KIT_WHITE, ENGINE);
    Paint flame = kit_glow(&KIT_STRIP, 0xffe4b0);
    Paint muzzle = kit_unlit(&KIT_WHITE, HULL_ACCENT);
    Paint flash = kit_glow(&KIT_GLOW, 0xc8ecff);
};

using PlanPoints = std::vector<std::pair<float, float>>;

// A plan point (x right, y toward the tail, the ship's centre at (64, cy)) in model space
// (+X the ship's left, -Y forward).
Vec3 plan_point(float px, float py, float cy)
{
    return Vec3{(64.0f - px) * PLAN, (py - cy) * PLAN, 0};
}

std::vector<Vec3> outline(const PlanPoints &pts, float cy, float shift_x = 0)
{
    std::vector<Vec3> out;
    for (const auto &p : pts) {
        out.push_back(plan_point(p.first + shift_x, p.second, cy));
    }
    return out;
}

// A symmetric outline from its right half, listed from the nose to the tail, both ends on
// the axis.
std::vector<Vec3> mirrored(const PlanPoints &half, float cy, float axis = 64)
{
    PlanPoints all = half;
    for (size_t i = half.size(); i-- > 0;) {
        if (half[i].first != axis) {
            all.push_back({2 * axis - half[i].first, half[i].second});
        }
    }
    return outline(all, cy);
}

// The mirror image of a plan polygon about x = 64.
PlanPoints flipped(const PlanPoints &pts)
{
    PlanPoints out;
    for (const auto &p : pts) {
        out.push_back({128.0f - p.first, p.second});
    }
    return out;
}

// A bar on the plan from a to b, width w plan units, as a box standing on z with height.
void plan_bar(ModelBuilder &m, int bone, float ax, float ay, float bx, float by, float w, float z, float height,
              float cy, const Paint &paint)
{
    Vec3 a = plan_point(ax, ay, cy), b = plan_point(bx, by, cy);
    float dx = b.x - a.x, dy = b.y - a.y;
    float len = std::sqrt(dx * dx + dy * dy);
    float angle = std::atan2(-dx, dy) * 57.29578f;
    m.box(bone, at((a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f, z + height * 0.5f).turn(0, 0, angle),
          {w * PLAN, len, height}, paint);
}

// A light stripe painted on a surface at height z.
void plan_stripe(ModelBuilder &m, int bone, float ax, float ay, float bx, float by, float w, float z, float cy,
                 const Paint &paint)
{
    Vec3 a = plan_point(ax, ay, cy), b = plan_point(bx, by, cy);
    a.z = b.z = z;
    m.ribbon(bone, {{a, w * PLAN, paint.colour}, {b, w * PLAN, paint.colour}}, paint);
}

// What every hull shares: its bones (the flames each hang from their own, so the hover
// track can flicker them) and the hover track.
struct HullRig {
    int root, hull;
    std::vector<int> flames;
};

HullRig hull_rig(ModelBuilder &m, float h)
{
    HullRig r;
    r.root = m.bone("mainbone_x");
    r.hull = m.bone("hull", r.root).at(0, 0, -h);
    return r;
}

// A nozzle at a plan point, pointing back, and its flame.
void engine(ModelBuilder &m, HullRig &r, float px, float py, float radius_plan, float z, float cy, const Paints &p)
{
    Vec3 c = plan_point(px, py, cy);
    float radius = radius_plan * PLAN;
    m.cylinder(r.hull, at(c.x, c.y - 0.14f, z).turn(-90, 0, 0), radius, 0.2f, 6, p.nozzle, radius * 0.85f);
    int flame = m.bone("exhaust_" + std::to_string(r.flames.size() + 1), r.hull).at(c.x, c.y + 0.06f, z + 0.02f);
    r.flames.push_back(flame);
    m.ribbon(flame,
             {{{0, 0, 0}, radius * 2.0f, rgb(0xfffaf0)},
              {{0, 0.3f, 0}, radius * 1.5f, rgb(0xffc888)},
              {{0, 0.85f, 0}, radius * 0.2f, rgb(0x402010)}},
             p.flame);
}

// Glass: a dark dome with a light gleam along its upper left.
void canopy(ModelBuilder &m, int bone, Vec3 c, Vec3 radii, const Paints &p)
{
    m.sphere(bone, at(c.x, c.y, c.z), radii, 8, 3, p.glass, true);
    m.ribbon(bone,
             {{{c.x + radii.x * 0.35f, c.y - radii.y * 0.6f, c.z + radii.z * 0.8f}, radii.x * 0.35f, rgb(GLEAM)},
              {{c.x + radii.x * 0.3f, c.y + radii.y * 0.1f, c.z + radii.z * 0.95f}, radii.x * 0.3f, rgb(GLEAM)}},
             p.gleam);
}

// The hull floats: a slow bob and sway, and its flames flicker every 0.05 s. Plays for ever.
void hull_hover(ModelBuilder &m, const HullRig &r)
{
    Track &hover = m.track("hover").loop();
    hover.key(0.01f);
    const float flicker[5] = {1.0f, 0.72f, 1.15f, 0.85f, 1.25f};
    for (int k = 1; k <= 16; k++) {
        float phase = 6.2831853f * (float)k / 16.0f;
        Key &key = hover.key(0.05f);
        key.move(r.hull, 0, 0, 0.06f * std::sin(phase)).turn(r.hull, 0, 1.5f * std::sin(phase + 1.2f), 0);
        for (size_t f = 0; f < r.flames.size(); f++) {
            float s = flicker[(k + 2 * (int)f) % 5];
            key.scale(r.flames[f], 1.0f, s, 1.0f);
        }
    }
    m.defaults({"hover"});
}

// Ship 1, Arrow: a slim fuselage, swept delta wings to +-54, small tail fins, two engines,
// guns at the wingtips.
void hull_arrow(ModelBuilder &m, float h)
{
    const Paints p;
    const float cy = 64;
    HullRig r = hull_rig(m, h);
    m.prism(r.hull, at(0, 0, -0.3f), mirrored({{64, 4}, {71, 24}, {75, 58}, {77, 100}, {72, 116}, {64, 118}}, cy),
            0.55f, p.hull, 0.8f);
    const PlanPoints wing = {{72, 48}, {118, 96}, {118, 106}, {100, 108}, {74, 98}};
    const PlanPoints fin = {{74, 96}, {90, 110}, {88, 120}, {72, 114}};
    for (const PlanPoints &w : {wing, flipped(wing)}) {
        m.prism(r.hull, at(0, 0, -0.14f), outline(w, cy), 0.18f, p.plate, 0.92f);
    }
    for (const PlanPoints &f : {fin, flipped(fin)}) {
        m.prism(r.hull, at(0, 0, -0.05f), outline(f, cy), 0.2f, p.light, 0.8f);
    }
    plan_stripe(m, r.hull, 82, 64, 112, 96, 4.0f, 0.045f, cy, p.trim);
    plan_stripe(m, r.hull, 46, 64, 16, 96, 4.0f, 0.045f, cy, p.trim);
    plan_stripe(m, r.hull, 64, 70, 64, 100, 3.0f, 0.255f, cy, p.trim);
    canopy(m, r.hull, {0, plan_point(64, 38, cy).y, 0.18f}, {0.19f, 0.45f, 0.2f}, p);
    for (float gx : {116.0f, 12.0f}) {
        plan_bar(m, r.hull, gx, 104, gx, 80, 5, -0.08f, 0.16f, cy, p.gun);
    }
    engine(m, r, 58, 117, 4.5f, -0.05f, cy, p);
    engine(m, r, 70, 117, 4.5f, -0.05f, cy, p);
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, -h}, 1.8f);
    m.hit_sphere(r.hull, {0, 0.1f, 0}, 1.2f);
    hull_hover(m, r);
}

// Ship 2, Manta: one broad curved wing with its tips at +-60, gun pods under it, chevron trim,
// two engines.
void hull_manta(ModelBuilder &m, float h)
{
    const Paints p;
    const float cy = 62;
    HullRig r = hull_rig(m, h);
    m.prism(r.hull, at(0, 0, -0.28f),
            mirrored({{64, 12}, {76, 20}, {92, 40}, {110, 60}, {124, 82}, {118, 90}, {100, 90}, {86, 96}, {76, 108},
                      {64, 112}},
                     cy),
            0.34f, p.hull, 0.86f);
    // The spine rises along the middle.
    m.prism(r.hull, at(0, 0, 0.02f), mirrored({{64, 22}, {72, 40}, {74, 80}, {70, 100}, {64, 104}}, cy), 0.2f,
            p.light, 0.7f);
    const PlanPoints plate = {{92, 48}, {124, 84}, {118, 90}, {100, 90}, {90, 93}};
    for (const PlanPoints &w : {plate, flipped(plate)}) {
        m.prism(r.hull, at(0, 0, 0.02f), outline(w, cy), 0.06f, p.plate, 0.9f);
    }
    for (float px : {94.0f, 34.0f}) {
        Vec3 c = plan_point(px, 80, cy);
        m.sphere(r.hull, at(c.x, c.y, -0.26f), {0.22f, 0.36f, 0.18f}, 6, 3, p.plate);
        plan_bar(m, r.hull, px, 82, px, 58, 5, -0.34f, 0.15f, cy, p.gun);
    }
    plan_stripe(m, r.hull, 78, 36, 104, 64, 4.0f, 0.085f, cy, p.trim);
    plan_stripe(m, r.hull, 50, 36, 24, 64, 4.0f, 0.085f, cy, p.trim);
    for (float y : {82.0f, 94.0f}) {
        plan_stripe(m, r.hull, 64, y, 80, y - 11, 3.5f, 0.225f, cy, p.trim);
        plan_stripe(m, r.hull, 64, y, 48, y - 11, 3.5f, 0.225f, cy, p.trim);
    }
    canopy(m, r.hull, {0, plan_point(64, 44, cy).y, 0.18f}, {0.19f, 0.42f, 0.16f}, p);
    engine(m, r, 56, 108, 5, -0.1f, cy, p);
    engine(m, r, 72, 108, 5, -0.1f, cy, p);
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, -h}, 1.9f);
    m.hit_sphere(r.hull, {0, 0.15f, 0}, 1.2f);
    hull_hover(m, r);
}

// Ship 3, Twin: two long pointed hulls at +-26 joined by a swept wing and a centre pod, three
// engines, guns at the hulls' tips.
void hull_twin(ModelBuilder &m, float h)
{
    const Paints p;
    const float cy = 62;
    HullRig r = hull_rig(m, h);
    const PlanPoints side = {{90, 8}, {98, 24}, {101, 62}, {100, 104}, {94, 116}, {90, 117}};
    for (float shift : {0.0f, -52.0f}) {
        PlanPoints half;
        for (const auto &q : side) {
            half.push_back({q.first + shift, q.second});
        }
        m.prism(r.hull, at(0, 0, -0.32f), mirrored(half, cy, 90 + shift), 0.5f, p.hull, 0.78f);
        plan_stripe(m, r.hull, 90 + shift, 26, 90 + shift, 60, 4.0f, 0.185f, cy, p.trim);
        plan_bar(m, r.hull, 90 + shift, 14, 90 + shift, 0, 5, -0.12f, 0.15f, cy, p.gun);
    }
    const PlanPoints wing = {{64, 46}, {92, 60}, {92, 86}, {64, 76}};
    for (const PlanPoints &w : {wing, flipped(wing)}) {
        m.prism(r.hull, at(0, 0, -0.12f), outline(w, cy), 0.16f, p.plate, 0.92f);
    }
    m.prism(r.hull, at(0, 0, -0.3f), mirrored({{64, 16}, {71, 34}, {75, 60}, {73, 88}, {64, 98}}, cy), 0.56f, p.hull,
            0.75f);
    plan_stripe(m, r.hull, 76, 74, 90, 80, 3.0f, 0.045f, cy, p.trim);
    plan_stripe(m, r.hull, 52, 74, 38, 80, 3.0f, 0.045f, cy, p.trim);
    canopy(m, r.hull, {0, plan_point(64, 42, cy).y, 0.2f}, {0.16f, 0.34f, 0.16f}, p);
    engine(m, r, 38, 116, 5, -0.1f, cy, p);
    engine(m, r, 90, 116, 5, -0.1f, cy, p);
    engine(m, r, 64, 98, 4.5f, -0.06f, cy, p);
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, -h}, 1.9f);
    m.hit_sphere(r.hull, {0, 0, 0}, 1.2f);
    hull_hover(m, r);
}

// Ship 4, Saucer: a disc of radius 44 with a forward prong, two rear fins, lights round its
// rim and a glass dome under the turret, three engines.
void hull_saucer(ModelBuilder &m, float h)
{
    const Paints p;
    const float cy = 68;
    HullRig r = hull_rig(m, h);
    m.cylinder(r.hull, at(0, 0, -0.32f), 44 * PLAN, 0.3f, 16, p.hull, 40 * PLAN);
    m.cylinder(r.hull, at(0, 0, -0.02f), 40 * PLAN, 0.12f, 16, p.plate, 33 * PLAN);
    m.cylinder(r.hull, at(0, 0, 0.1f), 30 * PLAN, 0.1f, 12, p.light, 26 * PLAN);
    m.prism(r.hull, at(0, 0, -0.24f), outline({{64, 4}, {76, 34}, {52, 34}}, cy), 0.3f, p.light, 0.75f);
    const PlanPoints fin = {{100, 86}, {120, 108}, {114, 114}, {94, 100}};
    for (const PlanPoints &f : {fin, flipped(fin)}) {
        m.prism(r.hull, at(0, 0, -0.2f), outline(f, cy), 0.22f, p.plate, 0.85f);
    }
    for (int k = 0; k < 8; k++) {
        float a = 0.7853982f * (float)k + 0.3926991f;
        plan_stripe(m, r.hull, 64.0f + 35.0f * std::sin(a), 68.0f - 35.0f * std::cos(a), 64.0f + 39.0f * std::sin(a),
                    68.0f - 39.0f * std::cos(a), 4.5f, 0.105f, cy, p.trim);
    }
    m.torus(r.hull, at(0, 0, 0.2f), 26 * PLAN, 0.035f, 16, 2, p.trim);
    canopy(m, r.hull, {0, 0, 0.2f}, {0.38f, 0.38f, 0.12f}, p);
    engine(m, r, 50, 110, 5, -0.12f, cy, p);
    engine(m, r, 64, 113, 5, -0.12f, cy, p);
    engine(m, r, 78, 110, 5, -0.12f, cy, p);
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, -h}, 1.7f);
    m.hit_sphere(r.hull, {0, 0, 0}, 1.3f);
    hull_hover(m, r);
}

// Ship 5, Hammer: a heavy body, a pointed nose, four engine pods on swept arms, guns on the
// front pods, three engines.
void hull_hammer(ModelBuilder &m, float h)
{
    const Paints p;
    const float cy = 66;
    HullRig r = hull_rig(m, h);
    m.prism(r.hull, at(0, 0, -0.34f),
            mirrored({{64, 6}, {78, 34}, {79, 40}, {79, 100}, {73, 109}, {64, 110}}, cy), 0.6f, p.hull, 0.82f);
    plan_bar(m, r.hull, 64, 52, 30, 36, 15, -0.2f, 0.2f, cy, p.plate);
    plan_bar(m, r.hull, 64, 52, 98, 36, 15, -0.2f, 0.2f, cy, p.plate);
    plan_bar(m, r.hull, 64, 86, 26, 98, 15, -0.2f, 0.2f, cy, p.plate);
    plan_bar(m, r.hull, 64, 86, 102, 98, 15, -0.2f, 0.2f, cy, p.plate);
    const float pods[4][3] = {{28, 35, 10}, {100, 35, 10}, {24, 97, 12}, {104, 97, 12}};
    for (const auto &pod : pods) {
        Vec3 c = plan_point(pod[0], pod[1], cy);
        float rr = pod[2] * PLAN;
        m.sphere(r.hull, at(c.x, c.y, -0.12f), {rr, rr + 11 * PLAN, rr * 0.9f}, 8, 3, p.hull);
        plan_stripe(m, r.hull, pod[0], pod[1] - 12, pod[0], pod[1] + 4, 4.5f, -0.12f + rr * 0.9f + 0.01f, cy,
                    p.trim);
    }
    for (float gx : {28.0f, 100.0f}) {
        plan_bar(m, r.hull, gx, 22, gx, 4, 5, -0.14f, 0.15f, cy, p.gun);
    }
    plan_stripe(m, r.hull, 64, 62, 64, 100, 4.0f, 0.265f, cy, p.trim);
    plan_stripe(m, r.hull, 56, 36, 72, 36, 3.0f, 0.265f, cy, p.trim);
    canopy(m, r.hull, {0, plan_point(64, 46, cy).y, 0.2f}, {0.21f, 0.33f, 0.17f}, p);
    engine(m, r, 24, 116, 5.5f, -0.14f, cy, p);
    engine(m, r, 104, 116, 5.5f, -0.14f, cy, p);
    engine(m, r, 64, 110, 5, -0.14f, cy, p);
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, -h}, 1.9f);
    m.hit_sphere(r.hull, {0, 0, 0}, 1.3f);
    hull_hover(m, r);
}

// What every turret shares: the turret bone on the hull's top, a gun with its muzzle
// flash, a beacon, the ship's hit spheres and its three animations.
struct TurretRig {
    int root, turret, gun, flash, beacon;
};

TurretRig turret_rig(ModelBuilder &m, float top, float muzzle_y, float muzzle_z, float bound)
{
    TurretRig r;
    r.root = m.bone("mainbone_x");
    r.turret = m.bone("turret", r.root).at(0, 0, top).priority(1);
    r.gun = m.bone("gun_x", r.turret).priority(2);
    r.flash = m.bone("flash", r.gun).at(0, muzzle_y, muzzle_z).faces_camera().size(0);
    r.beacon = m.bone("beacon", r.turret);
    const Paints p;
    m.sprite(r.flash, 1.3f, p.flash);
    // A dark collar sets the turret off from the hull below it.
    m.cylinder(r.turret, at(0, 0, -0.04f), 0.6f, 0.07f, 12, kit_lit(&KIT_PANEL, 0x163c78));
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 0}, bound);
    m.hit_sphere(r.turret, {0, 0, -top}, 1.2f);
    return r;
}

void turret_tracks(ModelBuilder &m, const TurretRig &r, float recoil)
{
    // Hum: the beacon pulses for ever.
    Track &hum = m.track("hum").loop();
    hum.key(0.01f);
    hum.key(0.35f).ease_in(40).ease_out(40).scale(r.beacon, 0.55f);
    hum.key(0.35f).ease_in(40).ease_out(40);

    // Idle: a glance left and right, the guns cycling back once, the beacon flaring.
    Track &idle = m.track("idle", r.turret).once();
    idle.key(0.15f).ease_out(40).turn(r.turret, 0, 0, 9).scale(r.beacon, 1.6f);
    idle.key(0.25f).ease_in(30).ease_out(30).turn(r.turret, 0, 0, -9).move(r.gun, 0, recoil * 1.5f, 0);
    idle.key(0.2f).ease_in(40);

    // Fire: the gun kicks back and the flash blooms, back in place before the next shot
    // (the fastest weapon fires every 0.05 s).
    Track &fire = m.track("fire", r.gun).once();
    fire.key(0.01f).move(r.gun, 0, recoil, 0).scale(r.flash, 1.0f);
    fire.key(0.02f).ease_in(30).move(r.gun, 0, recoil * 0.3f, 0).scale(r.flash, 0.4f);
    fire.key(0.02f).ease_in(30);

    m.defaults({"hum"});
}

// 1: an arrowhead mount with two barrels.
void turret_arrow(ModelBuilder &m)
{
    const Paints p;
    TurretRig r = turret_rig(m, 0.25f, -1.25f, 0.12f, 1.8f);
    m.prism(r.turret, at(0, 0, 0),
            {{0, -0.6f, 0}, {-0.4f, 0.22f, 0}, {-0.24f, 0.36f, 0}, {0, 0.2f, 0}, {0.24f, 0.36f, 0}, {0.4f, 0.22f, 0}},
            0.24f, p.turret, 0.7f);
    for (float x : {0.15f, -0.15f}) {
        m.box(r.gun, at(x, -0.7f, 0.12f), {0.16f, 0.9f, 0.14f}, p.gun);
        m.box(r.gun, at(x, -1.17f, 0.12f), {0.18f, 0.1f, 0.16f}, p.muzzle);
    }
    m.box(r.beacon, at(0, 0.18f, 0.2f), {0.12f, 0.12f, 0.08f}, p.trim);
    turret_tracks(m, r, 0.18f);
}

// 2: a low dome with one heavy barrel and a muzzle brake.
void turret_manta(ModelBuilder &m)
{
    const Paints p;
    TurretRig r = turret_rig(m, 0.22f, -1.35f, 0.14f, 1.9f);
    m.sphere(r.turret, at(0, 0.05f, 0), {0.45f, 0.5f, 0.26f}, 8, 2, p.turret, true);
    m.box(r.gun, at(0, -0.75f, 0.14f), {0.22f, 1.0f, 0.16f}, p.gun);
    m.box(r.gun, at(0, -1.27f, 0.14f), {0.34f, 0.16f, 0.2f}, p.muzzle);
    m.box(r.beacon, at(0, 0.32f, 0.2f), {0.14f, 0.1f, 0.08f}, p.trim);
    turret_tracks(m, r, 0.2f);
}

// 3: a block on the centre pod with two barrels wide apart, like the hulls below it.
void turret_twin(ModelBuilder &m)
{
    const Paints p;
    TurretRig r = turret_rig(m, 0.26f, -1.2f, 0.12f, 1.9f);
    m.box(r.turret, at(0, 0.02f, 0.1f), {0.86f, 0.6f, 0.2f}, p.turret, 0.8f);
    m.box(r.turret, at(0, -0.32f, 0.06f), {0.5f, 0.16f, 0.12f}, p.plate);
    for (float x : {0.3f, -0.3f}) {
        m.box(r.gun, at(x, -0.68f, 0.12f), {0.15f, 0.9f, 0.14f}, p.gun);
        m.box(r.gun, at(x, -1.14f, 0.12f), {0.17f, 0.1f, 0.16f}, p.muzzle);
    }
    m.box(r.beacon, at(0, 0.2f, 0.22f), {0.12f, 0.12f, 0.06f}, p.trim);
    turret_tracks(m, r, 0.16f);
}

// 4: the saucer's central turret: a round base on the dome and a long barrel.
void turret_saucer(ModelBuilder &m)
{
    const Paints p;
    TurretRig r = turret_rig(m, 0.3f, -1.4f, 0.16f, 1.7f);
    m.cylinder(r.turret, at(0, 0, 0), 0.42f, 0.16f, 10, p.turret, 0.34f);
    m.sphere(r.turret, at(0, 0, 0.16f), {0.26f, 0.26f, 0.14f}, 8, 2, p.gun, true);
    m.box(r.gun, at(0, -0.82f, 0.16f), {0.2f, 1.15f, 0.15f}, p.gun);
    m.box(r.gun, at(0, -1.38f, 0.16f), {0.26f, 0.12f, 0.19f}, p.muzzle);
    m.box(r.beacon, at(0, 0.3f, 0.18f), {0.1f, 0.1f, 0.06f}, p.trim);
    turret_tracks(m, r, 0.22f);
}

// 5: a heavy block with four short barrels in two rows.
void turret_hammer(ModelBuilder &m)
{
    const Paints p;
    TurretRig r = turret_rig(m, 0.28f, -1.05f, 0.14f, 1.9f);
    m.box(r.turret, at(0, 0.05f, 0.12f), {0.8f, 0.8f, 0.24f}, p.turret, 0.78f);
    m.box(r.turret, at(0, 0.05f, 0.25f), {0.5f, 0.5f, 0.04f}, p.plate);
    for (float x : {0.26f, 0.09f, -0.09f, -0.26f}) {
        m.box(r.gun, at(x, -0.6f, 0.14f), {0.13f, 0.7f, 0.13f}, p.gun);
    }
    m.box(r.gun, at(0, -0.96f, 0.14f), {0.7f, 0.1f, 0.17f}, p.muzzle);
    m.box(r.beacon, at(0, 0.4f, 0.26f), {0.14f, 0.08f, 0.06f}, p.trim);
    turret_tracks(m, r, 0.14f);
}

}  // namespace

// Heights of the hulls above the turrets: cp_bullet_spray_angle of player_N.lua's hull.
void model_ship_1(ModelBuilder &m)
{
    turret_arrow(m);
}
void model_ship_1_hull(ModelBuilder &m)
{
    hull_arrow(m, 2.0f);
}
void model_ship_2(ModelBuilder &m)
{
    turret_manta(m);
}
void model_ship_2_hull(ModelBuilder &m)
{
    hull_manta(m, 2.2f);
}
void model_ship_3(ModelBuilder &m)
{
    turret_twin(m);
}
void model_ship_3_hull(ModelBuilder &m)
{
    hull_twin(m, 1.6f);
}
void model_ship_4(ModelBuilder &m)
{
    turret_saucer(m);
}
void model_ship_4_hull(ModelBuilder &m)
{
    hull_saucer(m, 1.8f);
}
void model_ship_5(ModelBuilder &m)
{
    turret_hammer(m);
}
void model_ship_5_hull(ModelBuilder &m)
{
    hull_hammer(m, 2.6f);
}
