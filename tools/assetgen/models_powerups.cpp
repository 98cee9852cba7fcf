// models_powerups.cpp -- the pick-ups (powerups/powerup_3way, _laser, _missile, _shield,
// _spinner and _extralife).
//
// Each is a token about 2.6 units across hovering a little above the floor: a dark
// eight-sided coin with a glowing rim and its icon raised on top, all in the icon's
// colour, a soft halo that pulses round it and a ring of light turning on the floor
// under it. The default "idle" bobs the token and pulses halo and ring; "spin" turns the
// token on its own. Colours: three-way green (three fanned arrows), laser cyan (a bar
// with flared ends), missile orange (a finned rocket), shield blue (a dome in a ring),
// spinner violet (three curved blades round a hub), bonus gold (a five-pointed star).
// Power-ups stand as enemies do (pitched by -90): model +Z is up.

#include "assetgen/model_bitmaps.h"
#include "assetgen/models_arena.h"

#include <cmath>

namespace {

ImageRgb draw_coin(int)
{
    return bitmap_panel(32, 1, 200, 0x4411);
}

const Bitmap POWERUP_COIN = {"powerup_coin", 0, draw_coin, nullptr};

struct Token {
    int root, hover, token, icon;
    uint32_t colour;
};

Paint icon_paint(uint32_t colour)
{
    return arena_solid(&ARENA_WHITE, colour, Lighting::Unlit);
}

Token token(ModelBuilder &m, uint32_t colour)
{
    m.keep_round();   // the rim must stay round round the coin, eight sides to its eight
    Token t;
    t.colour = colour;
    t.root = m.bone("mainbone_x");
    t.hover = m.bone("hover", t.root).at(0, 0, 1.2f);
    t.token = m.bone("token", t.hover).priority(1);
    t.icon = m.bone("icon", t.token).at(0, 0, 0.3f);
    int halo = m.bone("halo", t.hover).faces_camera();
    int ring = m.bone("floor_ring", t.root).at(0, 0, 0.05f);
    // The coin: an eight-sided disc, darker underneath, rimmed with light.
    m.cylinder(t.token, at(0, 0, -0.25f), 1.2f, 0.5f, 8, arena_solid(&POWERUP_COIN, 0x3a4048), 1.1f);
    m.torus(t.token, at(0, 0, 0.0f), 1.22f, 0.14f, 8, 3, icon_paint(colour));
    m.sprite(halo, 3.4f, arena_glow(&ARENA_GLOW, colour));
    m.sprite(ring, 3.3f, arena_glow(&ARENA_RING, colour));
    m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 1.0f}, 1.4f);
    m.hit_sphere(t.token, {0, 0, 0}, 1.25f);

    // Idle: bob, breathe the halo, swell the floor ring.
    Track &idle = m.track("idle").loop();
    idle.key(0.01f).scale(halo, 0.85f).scale(ring, 0.9f);
    idle.key(0.5f).ease_in(40).ease_out(40).move(t.hover, 0, 0, 0.3f).scale(halo, 1.25f).scale(ring, 1.15f);
    idle.key(0.5f).ease_in(40).ease_out(40).scale(halo, 0.85f).scale(ring, 0.9f);
    Track &spin = m.track("spin", t.token).loop();
    spin.key(0.01f);
    for (int k = 1; k <= 3; k++) {
        spin.key(0.6f).turn(t.token, 0, 0, 120.0f * (float)k);
    }
    m.defaults({"idle", "spin"});
    return t;
}

}  // namespace

void model_powerup_3way(ModelBuilder &m)
{
    Token t = token(m, 0x48ff6a);
    Paint p = icon_paint(0xb8ffc4);
    // Three arrows fanning forward (-Y) from a point behind the middle.
    for (int i = -1; i <= 1; i++) {
        float a = 32.0f * (float)i;
        int arrow = m.bone("arrow" + std::to_string(i + 1), t.icon).at(0, 0.5f, 0).turn(0, 0, a);
        m.box(arrow, at(0, -0.5f, 0), {0.17f, 0.9f, 0.14f}, p);
        for (int side : {-1, 1}) {
            m.box(arrow, Place{{0.12f * (float)side, -0.86f, 0}, {0, 0, -40.0f * (float)side}}, {0.15f, 0.42f, 0.14f}, p);
        }
    }
}

void model_powerup_laser(ModelBuilder &m)
{
    Token t = token(m, 0x40e0ff);
    Paint p = icon_paint(0xc8f8ff);
    // A bar across with flared ends, and a hot glow along it.
    m.box(t.icon, at(0, 0, 0), {0.22f, 1.7f, 0.16f}, p);
    for (int end : {-1, 1}) {
        m.box(t.icon, at(0, 0.85f * (float)end, 0), {0.62f, 0.18f, 0.18f}, p);
    }
    int beam = m.bone("beam_glow", t.icon).at(0, 0, 0.12f);
    m.ribbon(beam, {{{0, -0.95f, 0}, 0.5f, rgb(0x208090)}, {{0, 0, 0}, 0.8f, rgb(0x60e8ff)}, {{0, 0.95f, 0}, 0.5f, rgb(0x208090)}},
             arena_glow(&ARENA_WHITE, 0xffffff));
}

void model_powerup_missile(ModelBuilder &m)
{
    Token t = token(m, 0xff7030);
    Paint p = icon_paint(0xffc8a0);
    // A rocket lying along the coin, nose forward (-Y), with two fins and a flame.
    int rocket = m.bone("rocket", t.icon).turn(90, 0, 0);
    m.cylinder(rocket, at(0, 0, -0.6f), 0.2f, 1.0f, 6, p);
    m.cylinder(rocket, at(0, 0, 0.4f), 0.2f, 0.4f, 6, p, 0.0f);
    // Two swept fins at the tail.
    for (int side : {-1, 1}) {
        m.box(t.icon, Place{{0.24f * (float)side, 0.42f, 0}, {0, 0, 35.0f * (float)side}}, {0.16f, 0.5f, 0.1f}, p);
    }
    int flame = m.bone("flame", t.icon).at(0, 0.75f, 0.05f);
    m.ribbon(flame, {{{0, 0, 0}, 0.36f, rgb(0xffd060)}, {{0, 0.55f, 0}, 0.1f, rgb(0x802000)}},
             arena_glow(&ARENA_WHITE, 0xffffff));
}

void model_powerup_shield(ModelBuilder &m)
{
    Token t = token(m, 0x4a7cff);
    // A dome of glass light inside a ring.
    m.sphere(t.icon, at(0, 0, -0.1f), {0.72f, 0.72f, 0.5f}, 8, 3, arena_solid(&ARENA_WHITE, 0x9ab8ff, Lighting::Radial), true);
    m.torus(t.icon, at(0, 0, 0), 0.92f, 0.1f, 8, 3, icon_paint(0xc8d8ff));
}

void model_powerup_spinner(ModelBuilder &m)
{
    Token t = token(m, 0xd060ff);
    Paint p = icon_paint(0xf0c8ff);
    // Three curved blades round a hub: each a bar out from the hub and a bar bent back
    // from its end.
    m.cylinder(t.icon, at(0, 0, -0.08f), 0.26f, 0.22f, 6, p);
    for (int i = 0; i < 3; i++) {
        float a = 120.0f * (float)i;
        float r = a * 0.0174533f;
        m.box(t.icon, Place{{0.42f * cosf(r), 0.42f * sinf(r), 0}, {0, 0, a}}, {0.56f, 0.18f, 0.14f}, p);
        float bend = (a + 70.0f) * 0.0174533f;
        float ex = 0.68f * cosf(r), ey = 0.68f * sinf(r);
        m.box(t.icon, Place{{ex + 0.2f * cosf(bend), ey + 0.2f * sinf(bend), 0}, {0, 0, a + 70.0f}}, {0.46f, 0.16f, 0.14f},
              p);
    }
}

void model_powerup_extralife(ModelBuilder &m)
{
    Token t = token(m, 0xffd040);
    Paint p = icon_paint(0xfff0b0);
    // A five-pointed star: five flat three-sided points round a centre.
    for (int i = 0; i < 5; i++) {
        m.cylinder(t.icon, Place{{0, 0, 0}, {90, 0, 72.0f * (float)i}}, 0.34f, 0.95f, 3, p, 0.0f);
    }
    m.cylinder(t.icon, at(0, 0, -0.08f), 0.36f, 0.16f, 5, p);
}
