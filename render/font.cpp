// font.cpp -- the font pages and glyph drawing: textured squares cut from four 8 x 8
// pages, in immediate mode, one quad run for as long as the characters stay on one page.

#include "render/font.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mt.h"
#include "render/camera.h"
#include "render/hudgfx.h"
#include "render/tex.h"
#include "render/texslot.h"
#include "render/title.h"
#include "render/zgl.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstring>

const GlyphSink GLYPH_SINK_DEFAULT = {zgl_color4f, glyph_draw_text, glyph_draw_string};
GlyphSink g_glyph_sink = GLYPH_SINK_DEFAULT;

TextureRecord *g_font_pages[FONT_PAGES];
int g_font_page;
GlyphPen g_glyph_pen;
float g_menu_text_depth;
char *g_language;

constexpr uint32_t FONT_PAGE_FLAGS = 0x00b30000u;   // masked: the mask page gives the outline
constexpr uint32_t FONT_HUD_FLAGS = 0x00730000u;    // brightness is alpha
constexpr int FONT_FIRST_CODE = 32;                 // codes up to this one are blanks
constexpr float FONT_CELL = 0.125f;                 // a cell's side in texture units
constexpr int STRING_TIMER_FULL = 32;               // a timer from here on draws fully
constexpr int STRING_TIMER_STILL = 16;              // from here on the glyph stops shaking
constexpr float STRING_SHAKE = 0.09f;

// Path of one font file of a language: "<menu>font_<language>_<page><suffix>.bmp"; 0 when
// it does not fit or the file is missing or empty.
static int font_page_path(char *out, size_t size, const char *language, int page, const char *suffix)
{
    int n = snprintf(out, size, "%sfont_%s_%d%s.bmp", g_menu_dir, language, page, suffix);
    return n > 0 && (size_t)n < size && file_exists_size(out) > 0;
}

// The language's file of a page, else the English one (colour and mask decided apart).
static void font_pick_path(char *out, size_t size, int page, const char *suffix)
{
    const char *language = g_language && g_language[0] ? g_language : "en";
    if (!font_page_path(out, size, language, page, suffix)) {
        snprintf(out, size, "%sfont_en_%d%s.bmp", g_menu_dir, page, suffix);
    }
}

void title_load_fonts(void)
{
    title_forget_slots();
    hudgfx_forget_textures();
    g_preload_hue = 0.0f;
    g_preload_reload = 0;
    for (int d = 1; d <= FONT_PAGES; d++) {
        char colour[FILE_DIR_SIZE + 64];
        char mask[FILE_DIR_SIZE + 64];
        font_pick_path(colour, sizeof(colour), d, "");
        font_pick_path(mask, sizeof(mask), d, "m");
        g_font_pages[d - 1] = texslot_load(colour, mask, FONT_PAGE_FLAGS);
    }
    g_font_page = 0;
    g_hud_tex.hud = texslot_load_in(g_menu_dir, "z_playover.bmp", nullptr, FONT_HUD_FLAGS);
    g_title_tex.cursor = texslot_load_in(g_menu_dir, "curs.bmp", "cursm.bmp", FONT_PAGE_FLAGS);
}

// Binds page p and makes it current (outside a quad run).
static void font_use_page(int p)
{
    zgl_texture_bind(texslot_handle(g_font_pages[p]));
    g_font_page = p;
}

void font_bind(void)
{
    font_use_page(0);
}

int glyph_begin_run(void)
{
    // Without the pages (not even the fallback bitmap) there is nothing to draw text with.
    if (!texslot_handle(g_font_pages[0])) {
        return 0;
    }
    font_use_page(g_font_page);
    glBegin(GL_QUADS);
    return 1;
}

// Page, left u and lower v of a character above the blank.
struct GlyphCell {
    int page;
    float u0;
    float v_lower;
};

static GlyphCell glyph_cell(uint8_t c)
{
    const int code = c - FONT_FIRST_CODE;
    const int row = (code & 63) >> 3;
    return GlyphCell{code >> 6, (float)(c & 7) * FONT_CELL, 1.0f - FONT_CELL - (float)row * FONT_CELL};
}

// Ends the run and starts one on the character's page when it lies on another.
static void glyph_switch_page(int page)
{
    if (page == g_font_page) {
        return;
    }
    glEnd();
    font_use_page(page);
    glBegin(GL_QUADS);
}

void glyph_draw_char(uint8_t c)
{
    GlyphPen &p = g_glyph_pen;
    if (c <= FONT_FIRST_CODE) {
        p.x += p.width;
        return;
    }
    const GlyphCell cell = glyph_cell(c);
    glyph_switch_page(cell.page);
    texslot_quad(p.x, p.y, p.x + p.size, p.y + p.size, p.z, cell.u0, cell.v_lower, cell.u0 + FONT_CELL,
                 cell.v_lower + FONT_CELL);
    p.x += p.width;
}

void glyph_draw_char_3d(uint8_t c)
{
    GlyphPen &p = g_glyph_pen;
    // Seen from the other side the glyph turns by 180 degrees and the line runs along -z.
    const int side = g_camera.side != 0;
    const float step = side ? p.width : -p.width;
    if (c <= FONT_FIRST_CODE) {
        p.z += step;
        return;
    }
    const GlyphCell cell = glyph_cell(c);
    glyph_switch_page(cell.page);
    const float u1 = cell.u0 + FONT_CELL;
    const float v_upper = cell.v_lower + FONT_CELL;
    // Corners (x, z), (x, z + size), (x + size, z + size), (x + size, z).
    const float uv_side[4][2] = {{cell.u0, cell.v_lower}, {u1, cell.v_lower}, {u1, v_upper}, {cell.u0, v_upper}};
    const float uv_turned[4][2] = {{u1, v_upper}, {cell.u0, v_upper}, {cell.u0, cell.v_lower}, {u1, cell.v_lower}};
    const float (*uv)[2] = side ? uv_side : uv_turned;
    const float corner[4][2] = {{0.0f, 0.0f}, {0.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}};
    for (int k = 0; k < 4; k++) {
        glTexCoord2f(uv[k][0], uv[k][1]);
        glVertex3f(p.x + corner[k][0] * p.size, p.y, p.z + corner[k][1] * p.size);
    }
    p.z += step;
}

float glyph_line_start(float x, const char *text)
{
    return x == 0.0f ? -0.5f * GLYPH_ADVANCE * (float)strlen(text) : x;
}

// The pen at the start of an upright line: size 1, advance 0.9, x 0 centring it.
static void glyph_start_line(float x, float y, float z, const char *text)
{
    g_glyph_pen.size = GLYPH_SIZE;
    g_glyph_pen.width = GLYPH_ADVANCE;
    g_glyph_pen.x = glyph_line_start(x, text);
    g_glyph_pen.y = y;
    g_glyph_pen.z = z;
}

void glyph_draw_text(float x, float y, float z, const char *text)
{
    if (!text || !text[0]) {
        return;
    }
    glyph_start_line(x, y, z, text);
    if (!glyph_begin_run()) {
        return;
    }
    for (const char *s = text; *s; s++) {
        glyph_draw_char((uint8_t)*s);
    }
    glEnd();
}

// A random value in -1..1 from the drawing's own generator.
static float glyph_random_signed(void)
{
    return (float)(mt_draw_rand() & 0x7fff) * 6.103702e-5f - 1.0f;
}

int glyph_draw_string(const float pos[3], uint32_t colour, const char *text, int32_t *timers, int timer_count)
{
    if (!pos || !text) {
        return 0;
    }
    glyph_start_line(pos[0], pos[1], pos[2] - g_menu_text_depth, text);
    zgl_color_rgba(colour);
    const uint32_t alpha = colour >> 24;
    int taken = 0;
    if (!glyph_begin_run()) {
        return 0;
    }
    for (const char *s = text; *s; s++) {
        const uint8_t c = (uint8_t)*s;
        if (c <= FONT_FIRST_CODE) {
            g_glyph_pen.x += g_glyph_pen.width;
            continue;
        }
        if (timers && taken < timer_count) {
            const int32_t t = timers[taken++];
            uint32_t a = alpha;
            if (t < 1) {
                a = 0;
            } else if (t < STRING_TIMER_FULL) {
                a = ((uint32_t)t * 8u * alpha) >> 8;
            }
            zgl_color_rgba((colour & 0x00ffffffu) | a << 24);
            if (t < STRING_TIMER_STILL) {
                const float j = (float)(STRING_TIMER_STILL - (t < 0 ? 0 : t)) * STRING_SHAKE;
                g_glyph_pen.x += j * j * glyph_random_signed();
                g_glyph_pen.y += j * j * glyph_random_signed();
            }
        } else if (timers) {
            // Past the timers given: the rest draws fully.
            zgl_color_rgba(colour);
        }
        glyph_draw_char(c);
    }
    glEnd();
    return taken;
}
