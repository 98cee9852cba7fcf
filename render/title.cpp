// title.cpp -- the front end's pictures: the logo pages, the title scene over its floor of
// mirrored layers, and the ship, belt, arrow and pointer pictures of the menu pages. All
// are quads on the overlay plane; the animations advance once per drawn frame.

#include "render/title.h"

#include "core/con.h"
#include "core/file.h"
#include "core/game_record.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "core/shell.h"
#include "render/font.h"
#include "render/model.h"
#include "render/tex.h"
#include "render/texslot.h"
#include "render/zgl.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>

TitleTextures g_title_tex;
TitleMotion g_title_motion;
int g_last_page;

constexpr uint32_t TITLE_TOP_FLAGS = 0x06530000u;      // clamped, brightness is alpha
constexpr uint32_t TITLE_MASKED_FLAGS = 0x06930000u;   // clamped, with a mask
constexpr uint32_t TITLE_LOGO_FLAGS = 0x00130000u;     // opaque
constexpr uint32_t TITLE_FLOOR_FLAGS = 0x0e710000u;    // clamped, mip-mapped, brightness is alpha
constexpr float TITLE_HUE_STEP = 30.0f;                // degrees between the ship hues
constexpr float TITLE_FLOOR_HUE = 180.0f;              // the floor's random hue, +- this
constexpr int TITLE_MAIN_PAGE = 0;

// Per drawn frame (degrees): the wobble repeats every 720, the phases every 360.
constexpr float TITLE_WOBBLE_STEP = 1.5f;
constexpr float TITLE_WOBBLE_PERIOD = 720.0f;
constexpr float TITLE_PHASE1_STEP = 1.0f;
constexpr float TITLE_PHASE2_STEP = 0.2f;
constexpr float TITLE_BELT_STEP = 3.0f;

static float title_sin(float degrees)
{
    return sinf(degrees * DEG2RAD);
}

static float title_cos(float degrees)
{
    return cosf(degrees * DEG2RAD);
}

static float title_unit(float v)
{
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

// Adds step to an angle kept inside one period.
static void title_advance(float *angle, float step, float period)
{
    *angle += step;
    if (*angle >= period) {
        *angle -= period;
    }
}

// A picture as a quad under normal blending; nothing when its slot has no texture.
static void title_picture(const TextureRecord *slot, float x1, float y1, float x2, float y2, float z)
{
    if (!texslot_handle(slot)) {
        return;
    }
    texslot_bind(slot, 0);
    texslot_draw_quad(x1, y1, x2, y2, z);
}

void title_forget_slots(void)
{
    TextureRecord *floor = g_title_tex.floor;
    g_title_tex = TitleTextures{};
    g_title_tex.floor = floor;
}

void title_forget_textures(void)
{
    g_title_tex.title = nullptr;
}

void zgl_flush_and_forget_floor(void)
{
    zgl_flush();
    g_title_tex.floor = nullptr;
}

// The title's pictures, on the first title frame after the slots were forgotten.
static void title_load(void)
{
    g_preload_hue = 0.0f;
    g_preload_reload = 0;
    con_printf("[zgl] title load");
    TitleTextures &t = g_title_tex;
    t.title = texslot_load_in(g_menu_dir, g_voodoo ? "titletoppb.bmp" : "titletoppa.bmp", nullptr, TITLE_TOP_FLAGS);
    t.bottom = texslot_load_in(g_menu_dir, "titlebott.bmp", "titlebottm.bmp", TITLE_MASKED_FLAGS);
    t.corner = texslot_load_in(g_menu_dir, "titlebotu.bmp", "titlebotum.bmp", TITLE_MASKED_FLAGS);
    // Each hue its own rotated copy of the ships.
    for (int h = 0; h < TITLE_HUES; h++) {
        for (int ship = 1; ship <= TITLE_SHIPS; ship++) {
            char name[32];
            char mask[32];
            snprintf(name, sizeof(name), "ship%d.bmp", ship);
            snprintf(mask, sizeof(mask), "ship%dm.bmp", ship);
            g_preload_hue = TITLE_HUE_STEP * (float)h;
            g_preload_reload = 1;
            t.ships[(ship - 1) + TITLE_SHIP_SLOTS * h] = texslot_load_in(g_menu_dir, name, mask, TITLE_MASKED_FLAGS);
        }
    }
    g_preload_hue = 0.0f;
    g_preload_reload = 0;
    for (int i = 0; i < TITLE_BELTS; i++) {
        char name[32];
        snprintf(name, sizeof(name), "belt000%d.bmp", i + 1);
        t.belts[i] = texslot_load_in(g_menu_dir, name, "beltmask.bmp", TITLE_MASKED_FLAGS);
    }
    t.arrows = texslot_load_in(g_menu_dir, "leftright.bmp", "leftrightm.bmp", TITLE_MASKED_FLAGS);
}

void floor_draw(void)
{
    // Drawn under the caller's blend function; loading binds and may switch it.
    const int additive = (g_current_handle & TEX_ADDITIVE) != 0;
    if (!g_title_tex.floor) {
        g_preload_hue = mt_rand_signed() * TITLE_FLOOR_HUE;
        g_title_tex.floor = texslot_load_in(g_bitmaps_dir, "floor-1_3.bmp", nullptr, TITLE_FLOOR_FLAGS);
        g_preload_hue = 0.0f;
    }
    TitleMotion &m = g_title_motion;
    title_advance(&m.phase2, TITLE_PHASE2_STEP, 360.0f);
    title_advance(&m.phase1, TITLE_PHASE1_STEP, 360.0f);
    if (!texslot_handle(g_title_tex.floor)) {
        return;
    }
    texslot_bind(g_title_tex.floor, additive);
    const int layers = g_render_backgroundgfx >= 2.0f ? 6 : 3;
    const float c = title_unit(3.0f * g_fade);
    // Each layer: a square of side 100 turned by q, four quarters with the texture
    // mirrored about the centre, where its (1, 0) corner lies.
    static const float QUARTERS[4][2] = {{45.0f, 1.0f}, {-45.0f, 1.0f}, {45.0f, -1.0f}, {-45.0f, -1.0f}};
    static const float UV[4][2] = {{1.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 1.0f}, {1.0f, 1.0f}};
    float z = 36.0f;
    glBegin(GL_QUADS);
    for (int k = 1; k <= layers; k++) {
        const float f = 0.1f * (float)k;
        zgl_color4f(1.0f, 1.0f, 1.0f, (1.0f - f) * c);
        z -= 15.0f * f * title_sin(700.0f * f + m.phase1) + 40.0f;
        const float cx = 70.0f * f * title_sin(45.0f);
        const float cy = 70.0f * f * title_cos(45.0f);
        const float q = 21.0f * title_sin(300.0f * f + m.phase2);
        for (const auto &quarter : QUARTERS) {
            const float g = quarter[0];
            const float sign = quarter[1];
            const float corner[4][2] = {
                {0.0f, 0.0f},
                {50.0f * title_cos(q), 50.0f * title_sin(q)},
                {70.5f * title_cos(q + g), 70.5f * title_sin(q + g)},
                {50.0f * title_cos(q + 2.0f * g), 50.0f * title_sin(q + 2.0f * g)},
            };
            for (int v = 0; v < 4; v++) {
                glTexCoord2f(UV[v][0], UV[v][1]);
                glVertex3f(cx + sign * corner[v][0], cy + sign * corner[v][1], z);
            }
        }
    }
    glEnd();
}

void title_load_draw(void)
{
    if (!g_title_tex.title) {
        title_load();
    }
    zgl_blend_additive();
    floor_draw();
    if (g_last_page != TITLE_MAIN_PAGE) {
        zgl_blend_normal();
        return;
    }
    const float a = title_unit(g_fade);
    TitleMotion &m = g_title_motion;
    title_advance(&m.wobble, TITLE_WOBBLE_STEP, TITLE_WOBBLE_PERIOD);
    const int layers = g_render_backgroundgfx >= 2.0f ? 4 : 1;
    if (texslot_handle(g_title_tex.title)) {
        texslot_bind(g_title_tex.title, 1);
        glBegin(GL_QUADS);
        for (int i = 0; i < layers; i++) {
            const float fi = (float)i;
            const float half_w = 9.0f + 0.12f * title_sin(m.wobble - 45.0f * fi);
            const float half_h = 4.5f + 0.12f * title_cos(1.5f * m.wobble - 45.0f * fi);
            const float x = 2.25f + 0.1f * fi;
            const float y = 3.75f + 0.18f * fi;
            zgl_color4f(1.0f, 1.0f, 1.0f, a / (float)(1 << i));
            texslot_quad(x - half_w, y - half_h, x + half_w, y + half_h, 10.0f - fi, 0.0f, 0.0f, 1.0f, 1.0f);
        }
        glEnd();
    }

    zgl_blend_normal();
    zgl_color4f(1.0f, 1.0f, 1.0f, a);
    title_picture(g_title_tex.bottom, 7.9f, -7.9f, 10.3f, -5.5f, 10.0f);
    title_picture(g_title_tex.corner, -10.3f, 5.5f, -7.9f, 7.9f, 10.0f);
}

int title_logo_draw(int page)
{
    g_preload_hue = 0.0f;
    g_preload_reload = 0;
    if (page < 0 || page > 2) {
        return 0;
    }
    if (!g_title_tex.title) {
        con_printf("[zgl] title load");
        char name[32];
        const char *mask = nullptr;
        uint32_t flags = TITLE_LOGO_FLAGS;
        if (page == 2) {
            // The belt of the loop just finished; the unfinished loop's picture otherwise.
            snprintf(name, sizeof(name), "belt000%d.bmp", g_finished ? g_wrap_count + 1 : 0);
            mask = "beltmask.bmp";
            flags = TITLE_MASKED_FLAGS;
        } else {
            snprintf(name, sizeof(name), "logo_%d%s.bmp", page + 3, g_voodoo ? "b" : "a");
        }
        // The cache would put its fallback in place of a missing picture: look first.
        char path[FILE_DIR_SIZE + 32];
        snprintf(path, sizeof(path), "%s%s", g_menu_dir, name);
        if (file_exists_size(path) <= 0) {
            return 0;
        }
        g_title_tex.title = texslot_load_in(g_menu_dir, name, mask, flags);
    }
    const float a = title_unit(g_fade);
    const float e = 1.0f - (1.0f - a) * (1.0f - a);
    zgl_color4f(1.0f, 1.0f, 1.0f, a);
    if (page == 2) {
        title_picture(g_title_tex.title, -3.8f, -1.9f, 3.8f, 1.9f, 7.0f + 3.0f * e);
    } else {
        title_picture(g_title_tex.title, -9.0f, -3.5f, 9.0f, 5.5f, 10.0f + 3.0f * e);
    }
    return 1;
}

void menu_draw_ship_picture(float model, float hue, int player)
{
    const int ship = trunc_to_int(model) & (TITLE_SHIP_SLOTS - 1);
    int h = trunc_to_int(hue);
    h = h < 0 ? 0 : (h >= TITLE_HUES ? TITLE_HUES - 1 : h);
    const TextureRecord *picture = g_title_tex.ships[ship + TITLE_SHIP_SLOTS * h];
    if (!texslot_handle(picture)) {
        return;
    }
    float x1 = -2.0f;
    if (g_two_player) {
        x1 = player == 0 ? -6.0f : 2.0f;
    }
    zgl_color4f(1.0f, 1.0f, 1.0f, 1.0f);
    title_picture(picture, x1, -2.0f, x1 + 4.0f, 2.0f, 10.0f);
}

void menu_draw_arrows(int kind)
{
    if (!texslot_handle(g_title_tex.arrows)) {
        return;
    }
    float y1 = -1.0f;
    float y2 = 1.0f;
    float left = -5.0f;
    float right = 4.0f;
    if (kind == 1) {
        y1 = -0.75f;
        y2 = 1.625f;
    } else if (kind == 2) {
        left = -8.0f;
        right = -1.0f;
    } else if (kind == 3) {
        left = 0.0f;
        right = 7.0f;
    }
    zgl_color4f(1.0f, 1.0f, 1.0f, 1.0f);
    texslot_bind(g_title_tex.arrows, 0);
    glBegin(GL_QUADS);
    texslot_quad(left, y1, left + 2.0f, y2, 10.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    // The right arrow: the picture mirrored, its u running from right + 1 down to right - 1.
    texslot_quad(right - 1.0f, y1, right + 1.0f, y2, 10.0f, 1.0f, 0.0f, 0.0f, 1.0f);
    glEnd();
}

void menu_draw_belt(int i, float belt, int mode)
{
    int slot = trunc_to_int(belt);
    slot = slot < 0 ? 0 : (slot >= TITLE_BELTS ? TITLE_BELTS - 1 : slot);
    const TextureRecord *picture = g_title_tex.belts[slot];
    if (!texslot_handle(picture)) {
        return;
    }
    zgl_color4f(1.0f, 1.0f, 1.0f, mode == 1 ? 0.2f : 1.0f);
    texslot_bind(picture, 0);
    if (mode == 0) {
        g_title_motion.belt_angle = angle_wrap180(g_title_motion.belt_angle + TITLE_BELT_STEP);
        texslot_draw_quad(-2.5f, -0.6f, 2.5f, 1.9f, 10.0f);
        return;
    }
    const float s = mode == 1 ? 1.0f : 1.13f + 0.12f * title_sin(75.0f * (float)i + g_title_motion.belt_angle);
    const float c = 2.5f * (float)i - 8.75f;
    texslot_draw_quad(c - s, -1.0f - s * 0.5f, c + s, s * 0.5f - 1.0f, 10.0f);
}

void menu_draw_cursor(const float pos[3])
{
    zgl_color4f(1.0f, 1.0f, 1.0f, 1.0f);
    if (pos) {
        title_picture(g_title_tex.cursor, pos[0], pos[1], pos[0] + 1.0f, pos[1] + 1.0f, pos[2] - g_menu_text_depth);
    }
}
