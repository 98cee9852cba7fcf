// hudgfx.cpp -- the HUD's shapes on the overlay plane (icon rows, the multiplier bar, the
// difficulty box) and the arena markers on the floor (crosshair, the ships' glow discs,
// the shadows under enemy bullets), with their textures.

#include "render/hudgfx.h"

#include "core/file.h"
#include "core/game_record.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "core/shell.h"
#include "platform/sound.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/footprint.h"
#include "render/tex.h"
#include "render/texslot.h"
#include "render/zgl.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>

HudTextures g_hud_tex;
uint32_t g_hit_texture_handle;
HudMotion g_hud_motion = {0.5f, 0.02f, 0, 0.0f};
float g_render_biggcrosshair;

constexpr uint32_t HUD_CROSSHAIR_FLAGS = 0x08b30000u;   // masked, mip-mapped
constexpr uint32_t HUD_HIT_FLAGS = 0x08510000u;         // brightness is alpha, mip-mapped, repeating
constexpr uint32_t HUD_RING_FLAGS = 0x09310000u;        // additive, mip-mapped, repeating
constexpr uint32_t HUD_BULLET_FLAGS = 0x0e710000u;      // clamped, brightness is alpha
constexpr int HUD_RING_PATTERNS = 4;

// The atlas (v from the file's bottom row): bar background, bar fill, icons, box.
constexpr float HUD_V_FILL = 0.125f;
constexpr float HUD_V_ICONS = 0.25f;
constexpr float HUD_V_BOX = 0.5f;
constexpr float HUD_ICON_U = 0.25f;

constexpr int HUD_ICONS_MAX = 4;         // more show one icon and the count as text
constexpr float HUD_ICON_X = 15.4f;
constexpr float HUD_ICON_X_COUNTED = 13.15f;
constexpr float HUD_SCROLL_RATE = 0.001f;
constexpr float HUD_SCROLL_WRAP = 0.0625f;   // the fill repeats every 1/16 of u
constexpr float HUD_PULSE_LOW = 0.1f;
constexpr float HUD_PULSE_HIGH = 0.9f;

void hudgfx_forget_textures(void)
{
    g_hud_tex = HudTextures{};
    g_hit_texture_handle = 0;
}

void hudgfx_load(void)
{
    HudMotion &m = g_hud_motion;
    m.crosshair_pulse = 0.5f;
    m.crosshair_rate = 0.02f;
    g_hud_tex.crosshair = texslot_load_in(g_bitmaps_dir, "z_crosshair.bmp", "z_crosshairm.bmp", HUD_CROSSHAIR_FLAGS);
    g_hud_tex.hit = texslot_load_in(g_bitmaps_dir, "z_enemyhit.bmp", nullptr, HUD_HIT_FLAGS);
    g_hit_texture_handle = texslot_handle(g_hud_tex.hit);
    // Never the pattern of the level before.
    int i = (int)((mt_rand() & 0x7fffu) >> 13);
    if (i == m.ring_index) {
        i++;
    }
    m.ring_index = i & (HUD_RING_PATTERNS - 1);
    char name[32];
    snprintf(name, sizeof(name), "z_gridder%d.bmp", m.ring_index + 1);
    g_hud_tex.ring = texslot_load_in(g_bitmaps_dir, name, nullptr, HUD_RING_FLAGS);
    g_hud_tex.bullet = texslot_load_in(g_bitmaps_dir, "z_bullet.bmp", nullptr, HUD_BULLET_FLAGS);
    footprint_init();
}

void hud_bind_texture(void)
{
    zgl_texture_bind(texslot_handle(g_hud_tex.hud));
}

// The overlay's shapes are cut from the HUD texture; without it they are left out.
static int hud_ready(void)
{
    return texslot_handle(g_hud_tex.hud) != 0;
}

void hud_draw_meter(float kind, int count, float unused, float offset)
{
    (void)unused;
    if (count <= 0 || !hud_ready()) {
        return;
    }
    const float u = kind < 0.0f ? HUD_ICON_U : 0.0f;
    float x = HUD_ICON_X;
    if (count > HUD_ICONS_MAX) {
        x = HUD_ICON_X_COUNTED;
        count = 1;
    }
    const float lower = kind < 0.0f ? 1.0f : 0.0f;
    const float y1 = offset + 11.125f - lower;
    const float y2 = offset + 12.125f - lower;
    glBegin(GL_QUADS);
    for (int k = 0; k < count; k++) {
        texslot_quad(x - 0.5f, y1, x + 0.5f, y2, 0.0f, u, HUD_V_ICONS, u + HUD_ICON_U, HUD_V_BOX);
        x -= 1.0f;
    }
    glEnd();
}

float hud_meter_row_left(void)
{
    // HUD_ICONS_MAX icons from HUD_ICON_X leftward; the single counted icon ends further right.
    const float full = HUD_ICON_X - (float)(HUD_ICONS_MAX - 1) - 0.5f;
    const float counted = HUD_ICON_X_COUNTED - 0.5f;
    return full < counted ? full : counted;
}

void hud_draw_box(float unused, float offset)
{
    (void)unused;
    if (!hud_ready()) {
        return;
    }
    glBegin(GL_QUADS);
    texslot_quad(-16.0f, -11.2f - offset, -14.2f, -10.3f - offset, 0.0f, 0.0f, HUD_V_BOX, 1.0f, 1.0f);
    glEnd();
}

// How far points are from the threshold of step to the next one, 0..1. Where the table has
// no further step (a 0 entry, or a step beyond it) the bar is full.
static float hud_bar_fill(int points, int step)
{
    if (step < 0) {
        step = 0;
    }
    if (step >= SCORE_THRESHOLDS) {
        return 1.0f;
    }
    const double low = step == 0 ? 0.0 : (double)g_score_thresholds[step - 1];
    const double high = (double)g_score_thresholds[step];
    if (high <= low) {
        return 1.0f;
    }
    const double f = ((double)points - low) / (high - low);
    return f < 0.0 ? 0.0f : (f > 1.0 ? 1.0f : (float)f);
}

void hud_draw_ping_pulse(int points, int step, float unused, float offset, float *phase)
{
    (void)unused;
    const float dt = g_frame_dt;
    const float f = hud_bar_fill(points, step);
    float p = phase ? *phase : 0.0f;
    p += f * dt * f * 9.0f;
    if (p > 360.0f) {
        p -= 360.0f;
        // The ping of a nearly full bar, once the HUD has slid in.
        if (offset <= 0.0f && f > 0.9f) {
            sound_play_named_scaled(SOUND_PING_MULTIPLY, 1.0f - (1.0f - f) * 5.0f);
        }
    }
    if (phase) {
        *phase = p;
    }
    const float s = sinf(p * DEG2RAD) * 0.1f;
    const float x0 = -4.0f + s;
    const float w = 8.0f - 2.0f * s;
    const float y1 = offset + 11.175f - s;
    const float y2 = offset + 12.075f + s;
    float &t = g_hud_motion.bar_scroll;
    t += dt * HUD_SCROLL_RATE;
    if (t > HUD_SCROLL_WRAP) {
        t -= HUD_SCROLL_WRAP;
    }
    if (!hud_ready()) {
        return;
    }
    glBegin(GL_QUADS);
    texslot_quad(x0, y1, x0 + w, y2, 0.0f, 0.0f, 0.0f, 1.0f, HUD_V_FILL);
    texslot_quad(x0, y1, x0 + w * f, y2, 0.0f, t, HUD_V_FILL, t + f, HUD_V_ICONS);
    glEnd();
}

// One quad on the floor from its four corners (x, y, z each), with the arm region of the
// hit texture.
static void hud_floor_quad(const float c[4][3])
{
    static const float UV[4][2] = {{0.25f, 0.5f}, {0.75f, 0.5f}, {0.75f, 0.75f}, {0.25f, 0.75f}};
    for (int k = 0; k < 4; k++) {
        glTexCoord2f(UV[k][0], UV[k][1]);
        glVertex3f(c[k][0], c[k][1], c[k][2]);
    }
}

// Two arms of width w along axis a, from the marker out to +- length along axis b.
static void hud_cross_arms(float ax, float bz, float w, const float a[3], const float b[3], float length)
{
    const float c[3] = {ax - w * a[0] * 0.5f, 0.0f, -bz - w * a[2] * 0.5f};
    for (int sign = 1; sign >= -1; sign -= 2) {
        const float l = length * (float)sign;
        float corners[4][3];
        for (int k = 0; k < 3; k++) {
            corners[0][k] = c[k];
            corners[1][k] = c[k] + w * a[k];
            corners[2][k] = c[k] + w * a[k] + l * b[k];
            corners[3][k] = c[k] + l * b[k];
        }
        hud_floor_quad(corners);
    }
}

void hudgfx_draw_crosshair(const float aim[3])
{
    if (!aim) {
        return;
    }
    const float a = aim[0];
    const float b = aim[1];
    const float s = aim[2];
    const float k = g_render_biggcrosshair;
    if (k > 0.25f && texslot_handle(g_hud_tex.hit)) {
        zgl_color4f(k, k, k, k);
        zgl_texture_bind(texslot_handle(g_hud_tex.hit));
        zgl_blend_additive();
        const float w = s * 0.1f + 0.3f;
        const float *r0 = &g_camera.world[0];
        const float *r1 = &g_camera.world[4];
        glBegin(GL_QUADS);
        hud_cross_arms(a, b, w, r0, r1, 150.0f);
        hud_cross_arms(a, b, w, r1, r0, 200.0f);
        glEnd();
    }
    HudMotion &m = g_hud_motion;
    m.crosshair_pulse += m.crosshair_rate * g_frame_dt;
    if (m.crosshair_pulse > HUD_PULSE_HIGH) {
        m.crosshair_rate = -fabsf(m.crosshair_rate);
        m.crosshair_pulse = HUD_PULSE_HIGH;
    } else if (m.crosshair_pulse < HUD_PULSE_LOW) {
        m.crosshair_pulse = HUD_PULSE_LOW;
        m.crosshair_rate = fabsf(m.crosshair_rate);
    }
    if (!texslot_handle(g_hud_tex.crosshair)) {
        return;
    }
    zgl_color4f(1.0f, 1.0f, 1.0f, 1.0f);
    zgl_texture_bind(texslot_handle(g_hud_tex.crosshair));
    zgl_blend_normal();
    const float h = m.crosshair_pulse + 2.1f + s;
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(a - h, 0.0f, -b - h);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(a + h, 0.0f, -b - h);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(a + h, 0.0f, -b + h);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(a - h, 0.0f, -b + h);
    glEnd();
}

void hudgfx_draw_ring(const float centre[3], float radius)
{
    if (!texslot_handle(g_hud_tex.ring) || !centre) {
        return;
    }
    zgl_texture_bind(texslot_handle(g_hud_tex.ring));
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glBegin(GL_TRIANGLES);
    for (int q = 0; q < 360; q += 45) {
        const float q0 = (float)q * DEG2RAD;
        const float q1 = (float)(q + 45) * DEG2RAD;
        zgl_color4f(1.0f, 1.0f, 1.0f, 1.0f);
        glVertex3f(centre[0], 0.0f, centre[2]);
        zgl_color4f(0.0f, 0.0f, 0.0f, 0.0f);
        glVertex3f(centre[0] + radius * sinf(q0), 0.0f, centre[2] + radius * cosf(q0));
        glVertex3f(centre[0] + radius * sinf(q1), 0.0f, centre[2] + radius * cosf(q1));
    }
    glEnd();
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
}

void hudgfx_add_bullet_sprite(const float pos[3], float size)
{
    const uint32_t handle = texslot_handle(g_hud_tex.bullet);
    if (!pos || handle == 0) {
        return;
    }
    int first = 0;
    BatchVertex *v = zbatch_reserve(3, 1, &first);
    if (!v) {
        return;
    }
    // The texture's unit square covers the square of half side k around the bullet.
    const float k = 3.0f * size;
    constexpr uint32_t SHADOW = 0xff000000u;
    v[0] = BatchVertex{pos[0] + k, pos[1], pos[2] + k, 0.0f, 0.0f, SHADOW};
    v[1] = BatchVertex{pos[0] - 3.0f * k, pos[1], pos[2] + k, 2.0f, 0.0f, SHADOW};
    v[2] = BatchVertex{pos[0] + k, pos[1], pos[2] - 3.0f * k, 0.0f, 2.0f, SHADOW};
    const uint32_t n = (uint32_t)first;
    zbatch_add_face(n, n + 1, n + 2, handle, zbatch_bucket_of_height(pos[1] - 3.0f));
}
