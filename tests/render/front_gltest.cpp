// Glyphs, the front end's pictures and the HUD in a real context with the generated art:
// a line of text lights its cells as its masks cover them; score numbers lie on the floor
// and fade; the logo pages fill their rectangles; the title scene and the menu pictures;
// the HUD's icons, bar and box where they belong; the glow disc; a whole HUD frame.
// Every test saves its picture under build/screens/.

#include "tests/render/gl_fixture.h"

#include "core/con.h"
#include "core/mt.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/menu.h"
#include "game/highscore.h"
#include "game/lifecycle.h"
#include "game/menu_local.h"
#include "platform/input.h"
#include "platform/input_local.h"
#include "render/camera.h"
#include "render/font.h"
#include "render/footprint.h"
#include "render/hudgfx.h"
#include "render/title.h"
#include "tests/render/front_files.h"
#include "tests/support/default_binds.h"

#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The back buffer read once: rows from the bottom.
struct Screen {
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;
    int at(int x, int y, int c = 0) const { return rgb[((size_t)y * (size_t)w + (size_t)x) * 3 + (size_t)c]; }
    int brightest(int x, int y) const { return std::max({at(x, y, 0), at(x, y, 1), at(x, y, 2)}); }
};

// A window rectangle (pixels, inclusive) of a projected box.
struct Rect {
    int x0, y0, x1, y1;
    bool contains(int x, int y, int margin = 0) const
    {
        return x >= x0 - margin && x <= x1 + margin && y >= y0 - margin && y <= y1 + margin;
    }
};

class FrontGl : public GlScene {
protected:
    void SetUp() override
    {
        GlScene::SetUp();
        front_set_up();
        mt_seed(3);
        zgl_disable_depth_test();
        zgl_enable_blend();
        zgl_depth_mask_off();
        zgl_blend_normal();
    }
    void TearDown() override
    {
        front_tear_down();
        GlScene::TearDown();
    }
    static Screen grab(const char *name)
    {
        gl_save_screen(name, W, H);
        Screen s;
        s.w = W;
        s.h = H;
        s.rgb = gl_read_screen(W, H);
        return s;
    }
    // Window position of a point under the current matrices.
    static void window_of(float x, float y, float z, double *wx, double *wy)
    {
        GLdouble mv[16], pr[16], wz;
        GLint vp[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, mv);
        glGetDoublev(GL_PROJECTION_MATRIX, pr);
        glGetIntegerv(GL_VIEWPORT, vp);
        gluProject(x, y, z, mv, pr, vp, wx, wy, &wz);
    }
    static Rect rect_of(float x1, float y1, float x2, float y2, float z)
    {
        double ax, ay, bx, by;
        window_of(x1, y1, z, &ax, &ay);
        window_of(x2, y2, z, &bx, &by);
        return Rect{(int)std::lround(std::min(ax, bx)), (int)std::lround(std::min(ay, by)),
                    (int)std::lround(std::max(ax, bx)) - 1, (int)std::lround(std::max(ay, by)) - 1};
    }
    // Brightness-weighted mean window x of the lit pixels inside r.
    static double lit_centre_x(const Screen &s, const Rect &r, int threshold)
    {
        double sum = 0.0, weight = 0.0;
        for (int y = std::max(r.y0, 0); y <= std::min(r.y1, s.h - 1); y++) {
            for (int x = std::max(r.x0, 0); x <= std::min(r.x1, s.w - 1); x++) {
                int v = s.brightest(x, y);
                if (v > threshold) {
                    sum += (x + 0.5) * v;
                    weight += v;
                }
            }
        }
        return weight > 0.0 ? sum / weight : -1.0;
    }
    static int lit_outside(const Screen &s, const std::vector<Rect> &inside, int threshold, int margin)
    {
        int n = 0;
        for (int y = 0; y < s.h; y++) {
            for (int x = 0; x < s.w; x++) {
                if (s.brightest(x, y) <= threshold) {
                    continue;
                }
                bool in = false;
                for (const Rect &r : inside) {
                    in = in || r.contains(x, y, margin);
                }
                n += !in;
            }
        }
        return n;
    }
};

using GlyphGl = FrontGl;

TEST_F(GlyphGl, ALineLightsItsCellsAsItsMasksCoverThem)
{
    clear_to(0.0f, 0.0f, 0.0f);
    zgl_set_overlay_matrix();
    zgl_color4f(1.0f, 1.0f, 1.0f, 1.0f);
    font_bind();
    // Blanks between the glyphs keep their cells apart.
    const char *line = "A W 8 # g \xc9";
    const float x0 = -7.0f, y0 = -1.0f, z = 15.0f;
    glyph_draw_text(x0, y0, z, line);
    Screen s = grab("glyphs_line");

    std::vector<Rect> cells;
    for (int k = 0; line[k]; k++) {
        const uint8_t c = (uint8_t)line[k];
        if (c <= 32) {
            continue;
        }
        const float x = x0 + 0.9f * (float)k;
        const Rect r = rect_of(x, y0, x + 1.0f, y0 + 1.0f, z);
        cells.push_back(r);
        // The cell's coverage in its page: colour times mask, rows from the bottom.
        const int page = (c - 32) >> 6;
        char colour_name[64], mask_name[64];
        snprintf(colour_name, sizeof(colour_name), "menu/font_en_%d.bmp", page + 1);
        snprintf(mask_name, sizeof(mask_name), "menu/font_en_%dm.bmp", page + 1);
        int w, h, cc = 3, mw, mh, mc = 1;
        uint8_t *colour = file_load_bmp(colour_name, &w, &h, &cc);
        uint8_t *mask = file_load_bmp(mask_name, &mw, &mh, &mc);
        ASSERT_TRUE(colour && mask);
        const int cell = w / 8;
        const int col = c & 7;
        const int row = ((c - 32) & 63) >> 3;
        double expected = 0.0;
        for (int y = (7 - row) * cell; y < (8 - row) * cell; y++) {
            for (int x = col * cell; x < (col + 1) * cell; x++) {
                expected += colour[((size_t)y * w + x) * 3] / 255.0 * mask[(size_t)y * mw + x] / 255.0;
            }
        }
        expected /= (double)(cell * cell);
        mem_free(colour);
        mem_free(mask);
        double drawn = 0.0;
        for (int y = r.y0; y <= r.y1; y++) {
            for (int x = r.x0; x <= r.x1; x++) {
                drawn += s.at(x, y) / 255.0;
            }
        }
        drawn /= (double)((r.x1 - r.x0 + 1) * (r.y1 - r.y0 + 1));
        EXPECT_GT(expected, 0.05) << line[k];
        EXPECT_NEAR(drawn, expected, 0.1 * expected) << "character " << (int)c;
    }
    EXPECT_EQ(lit_outside(s, cells, 8, 1), 0) << "light only inside the glyphs' cells";
}

TEST_F(GlyphGl, ScoreNumbersLieOnTheFloorAndFade)
{
    camera_defaults();
    g_camera.pos[1] = 45.0f;
    camera_matrix();
    clear_to(0.1f, 0.1f, 0.12f);
    snprintf(g_menu_texts[0], MENU_TEXT_SIZE, "%s", "ZERO");
    ScorePop pops[3] = {};
    const float places[3][2] = {{-12.0f, -6.0f}, {6.0f, -6.0f}, {-3.0f, 8.0f}};
    const int values[3] = {2500, 0, 750};
    for (int i = 0; i < 3; i++) {
        pops[i].x = places[i][0];
        pops[i].z = places[i][1];
        pops[i].life = i == 2 ? 0.5f : 2.0f;
        pops[i].colour = i == 2 ? 0x8060c0ffu : 0xff60c0ffu;
        pops[i].value = values[i];
    }
    g_frame_steps = 4;
    zgl_blend_normal();
    font_bind();
    for (ScorePop &p : pops) {
        scorepop_draw_one(&p);
    }
    Screen s = grab("scorepops");
    EXPECT_EQ(pops[2].colour >> 24, 0x80u - 24u);

    // Each number within the floor box its glyphs can take; the fading one dimmer.
    std::vector<Rect> boxes;
    double peak[3] = {0, 0, 0};
    for (int i = 0; i < 3; i++) {
        const float size = pops[i].life <= 1.0f ? pops[i].life + 1.5f : 2.5f;
        const int n = i == 1 ? 4 : (int)std::to_string(values[i]).size();
        const float reach = (float)n * 0.9f * size + size;
        Rect r = rect_of(pops[i].x - size * 0.5f, 0.0f, pops[i].x + size * 0.5f, 0.0f, pops[i].z - reach);
        Rect r2 = rect_of(pops[i].x - size * 0.5f, 0.0f, pops[i].x + size * 0.5f, 0.0f, pops[i].z + reach);
        Rect box{std::min(r.x0, r2.x0), std::min(r.y0, r2.y0), std::max(r.x1, r2.x1), std::max(r.y1, r2.y1)};
        boxes.push_back(box);
        int lit = 0;
        for (int y = std::max(box.y0, 0); y <= std::min(box.y1, H - 1); y++) {
            for (int x = std::max(box.x0, 0); x <= std::min(box.x1, W - 1); x++) {
                lit += s.brightest(x, y) > 50;
                peak[i] = std::max(peak[i], (double)s.brightest(x, y));
            }
        }
        EXPECT_GT(lit, 60) << "pop " << i;
    }
    EXPECT_EQ(lit_outside(s, boxes, 40, 1), 0);
    EXPECT_LT(peak[2], peak[0] * 0.7) << "the fading number is dimmer";
    g_menu_texts[0][0] = 0;
}

using TitleGl = FrontGl;

TEST_F(TitleGl, LogoPagesFillTheirRectangles)
{
    clear_to(1.0f, 1.0f, 1.0f);
    zgl_set_overlay_matrix();
    ASSERT_EQ(title_logo_draw(0), 1);
    Rect r = rect_of(-9.0f, -3.5f, 9.0f, 5.5f, 13.0f);
    Screen s = grab("title_logo1");
    int outside_not_white = 0, frame_light = 0, frame_pixels = 0;
    double inside = 0.0;
    int inside_n = 0;
    for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
            if (!r.contains(x, y, 1)) {
                outside_not_white += s.at(x, y, 0) < 250 || s.at(x, y, 1) < 250 || s.at(x, y, 2) < 250;
            } else if (r.contains(x, y, -2)) {
                inside += s.at(x, y, 0) + s.at(x, y, 1) + s.at(x, y, 2);
                inside_n++;
                if (!r.contains(x, y, -5)) {
                    frame_pixels++;
                    frame_light += s.brightest(x, y) > 120;
                }
            }
        }
    }
    EXPECT_EQ(outside_not_white, 0) << "nothing beyond the rectangle";
    EXPECT_EQ(frame_light, 0) << "the page's dark frame runs along the rectangle's edge (" << frame_pixels << ")";
    EXPECT_LT(inside / inside_n / 3.0, 235.0) << "the page covers the white";

    // The second page on black.
    title_forget_textures();
    clear_to(0.0f, 0.0f, 0.0f);
    ASSERT_EQ(title_logo_draw(1), 1);
    s = grab("title_logo2");
    int dark_inside = 0;
    inside_n = 0;
    for (int y = r.y0 + 2; y <= r.y1 - 2; y++) {
        for (int x = r.x0 + 2; x <= r.x1 - 2; x++) {
            dark_inside += s.brightest(x, y) < 4;
            inside_n++;
        }
    }
    EXPECT_LT(dark_inside, inside_n / 20) << "opaque and full-bleed";
    EXPECT_EQ(lit_outside(s, {r}, 0, 1), 0);
}

TEST_F(TitleGl, TheTitleSceneAndTheMenuPictures)
{
    const float grey = 33.0f / 255.0f;
    zgl_set_overlay_matrix();
    for (int frame = 0; frame < 30; frame++) {
        clear_to(grey, grey, grey);
        title_load_draw();
    }
    Screen s = grab("title_scene");
    // Each picture's middle differs from the clear colour.
    const float places[][3] = {{2.25f, 3.75f, 10.0f}, {9.1f, -6.7f, 10.0f}, {-9.1f, 6.7f, 10.0f}};
    for (const auto &p : places) {
        Rect r = rect_of(p[0] - 0.6f, p[1] - 0.6f, p[0] + 0.6f, p[1] + 0.6f, p[2]);
        int differing = 0;
        for (int y = r.y0; y <= r.y1; y++) {
            for (int x = r.x0; x <= r.x1; x++) {
                differing += std::abs(s.at(x, y, 0) - 33) + std::abs(s.at(x, y, 2) - 33) > 30;
            }
        }
        EXPECT_GT(differing, (r.x1 - r.x0 + 1) * (r.y1 - r.y0 + 1) / 4) << p[0] << "," << p[1];
    }

    // Page 9: the chosen belt and the row; page 11: two players' ships and their arrows.
    zgl_blend_normal();
    clear_to(grey, grey, grey);
    menu_draw_belt(0, 5.0f, 0);
    for (int i = 0; i < 8; i++) {
        menu_draw_belt(i, (float)i, i < 6 ? 2 : 1);
    }
    menu_draw_arrows(1);
    const float pointer[3] = {1.0f, -4.0f, 0.0f};
    menu_draw_cursor(pointer);
    grab("menu_belts");
    clear_to(grey, grey, grey);
    g_two_player = 1;
    menu_draw_ship_picture(2.0f, 0.0f, 0);
    menu_draw_ship_picture(4.0f, 7.0f, 1);
    menu_draw_arrows(2);
    menu_draw_arrows(3);
    s = grab("menu_ships");
    Rect left = rect_of(-6.0f, -2.0f, -2.0f, 2.0f, 10.0f);
    Rect right = rect_of(2.0f, -2.0f, 6.0f, 2.0f, 10.0f);
    // The ships' hues differ: hue 0 blue, hue 7 (210 degrees on) another.
    double lb = lit_centre_x(s, left, 60), rb = lit_centre_x(s, right, 60);
    EXPECT_GT(lb, left.x0);
    EXPECT_GT(rb, right.x0);
}

using HudGl = FrontGl;

TEST_F(HudGl, IconsBarAndBoxStandWhereTheyBelong)
{
    const float green[4] = {0.45f, 1.0f, 0.35f, 1.0f};
    clear_to(0.0f, 0.0f, 0.0f);
    zgl_set_overlay_matrix();
    zgl_color4f(green[0], green[1], green[2], green[3]);
    hud_bind_texture();
    hud_draw_meter(0.0f, 3, 0.0f, 0.0f);
    hud_draw_box(0.0f, 0.0f);
    Screen s = grab("hud_icons");
    const Rect row = rect_of(12.9f, 11.125f, 15.9f, 12.125f, 0.0f);
    const Rect box = rect_of(-16.0f, -11.2f, -14.2f, -10.3f, 0.0f);
    for (float cx : {15.4f, 14.4f, 13.4f}) {
        Rect icon = rect_of(cx - 0.5f, 11.125f, cx + 0.5f, 12.125f, 0.0f);
        double wx, wy;
        window_of(cx, 11.6f, 0.0f, &wx, &wy);
        EXPECT_NEAR(lit_centre_x(s, icon, 30), wx, 2.5) << "icon at " << cx;
    }
    EXPECT_EQ(lit_outside(s, {row, box}, 30, 1), 0);
    int box_lit = 0;
    for (int y = box.y0; y <= box.y1; y++) {
        for (int x = box.x0; x <= box.x1; x++) {
            box_lit += s.brightest(x, y) > 30;
        }
    }
    EXPECT_GT(box_lit, (box.x1 - box.x0) * (box.y1 - box.y0) / 3);

    // Nine lives: one icon at 13.15, bombs a row lower.
    clear_to(0.0f, 0.0f, 0.0f);
    hud_draw_meter(0.0f, 9, 0.0f, 0.0f);
    hud_draw_meter(-1.0f, 2, 0.0f, 0.0f);
    s = grab("hud_icons_counted");
    const Rect one = rect_of(12.65f, 11.125f, 13.65f, 12.125f, 0.0f);
    const Rect bombs = rect_of(13.9f, 10.125f, 15.9f, 11.125f, 0.0f);
    double wx, wy;
    window_of(13.15f, 11.6f, 0.0f, &wx, &wy);
    EXPECT_NEAR(lit_centre_x(s, one, 30), wx, 2.5);
    EXPECT_EQ(lit_outside(s, {one, bombs}, 30, 1), 0);
}

TEST_F(HudGl, TheBarFillsItsShareOfTheWidth)
{
    game_reset();
    g_frame_dt = 0.0f;   // no pulse, no scroll: the same bar each time
    auto draw = [](int points, const char *name) {
        clear_to(0.0f, 0.0f, 0.0f);
        zgl_set_overlay_matrix();
        glTranslatef(0.0f, -10.0f, 15.0f);
        zgl_color4f(1.0f, 1.0f, 1.0f, 1.0f);
        hud_bind_texture();
        float phase = 0.0f;
        hud_draw_ping_pulse(points, 0, 0.0f, 0.0f, &phase);
        return grab(name);
    };
    const int t0 = g_score_thresholds[0];
    Screen empty = draw(0, "hud_bar_empty");
    Screen half = draw(t0 / 2, "hud_bar_half");
    Screen full = draw(t0, "hud_bar_full");
    // Set-up for the projection of the bar's ends.
    zgl_set_overlay_matrix();
    glTranslatef(0.0f, -10.0f, 15.0f);
    double left, right, middle, wy;
    window_of(-4.0f, 11.6f, 0.0f, &left, &wy);
    window_of(0.0f, 11.6f, 0.0f, &middle, &wy);
    window_of(4.0f, 11.6f, 0.0f, &right, &wy);
    // The fill: the columns that changed against the empty bar.
    auto fill_extent = [&](const Screen &s, int *lo, int *hi) {
        *lo = W;
        *hi = -1;
        for (int y = 0; y < H; y++) {
            for (int x = 0; x < W; x++) {
                if (std::abs(s.at(x, y) - empty.at(x, y)) > 24) {
                    *lo = std::min(*lo, x);
                    *hi = std::max(*hi, x);
                }
            }
        }
    };
    int lo, hi;
    fill_extent(half, &lo, &hi);
    const double px = (right - left) / 8.0;
    EXPECT_NEAR(lo, left, 0.15 * px);
    EXPECT_NEAR(hi + 1, middle, 0.15 * px) << "half of the width at f = 0.5";
    fill_extent(full, &lo, &hi);
    EXPECT_NEAR(lo, left, 0.15 * px);
    EXPECT_NEAR(hi + 1, right, 0.15 * px) << "all of it at the threshold";
}

TEST_F(HudGl, TheGlowDiscIsBrightestAtItsCentre)
{
    hudgfx_load();
    camera_defaults();
    camera_matrix();
    clear_to(0.0f, 0.0f, 0.0f);
    zgl_blend_additive();
    const float centre[3] = {0.0f, 0.0f, 0.0f};
    hudgfx_draw_ring(centre, 18.0f);
    Screen s = grab("hud_ring");
    double cx, cy, ex, ey;
    window_of(0.0f, 0.0f, 0.0f, &cx, &cy);
    window_of(18.0f, 0.0f, 0.0f, &ex, &ey);
    const double radius = std::hypot(ex - cx, ey - cy);
    // Mean brightness in rings of a fifth of the radius each, inside out.
    double sum[5] = {0, 0, 0, 0, 0};
    int n[5] = {0, 0, 0, 0, 0};
    int beyond = 0;
    for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
            if (d >= 1.02) {
                beyond += s.brightest(x, y) > 0;
            } else if (d < 1.0) {
                int k = (int)(d * 5.0);
                sum[k] += s.brightest(x, y);
                n[k]++;
            }
        }
    }
    for (int k = 1; k < 5; k++) {
        EXPECT_LT(sum[k] / n[k], sum[k - 1] / n[k - 1]) << "ring " << k;
    }
    EXPECT_EQ(beyond, 0);
}

// A whole HUD frame over the arena's markers, its texts where the HUD stands them in play:
// every character lies inside the screen and reads as it does drawn alone. A state that
// one part of the frame leaves behind (a blend, a bound texture, a colour, a matrix)
// would garble or move the letters drawn after it.
TEST_F(HudGl, AWholeHudFrame)
{
    struct Line {
        float x, y, z;
        float colour[3];
        const char *text;
    };
    const Line lines[] = {
        {-17.0f, -13.5f, -6.0f, {1.0f, 0.6f, 0.1f}, "72%"},                                    // difficulty
        {-19.0f, 13.25f, -6.0f, {0.45f, 1.0f, 0.35f}, "0012450"},                              // score
        {-19.0f, -14.5f, -6.0f, {0.45f, 1.0f, 0.35f}, "LEVEL 3 - \xc9T\xc9 \xdc" "BER ALLES"},  // caption
    };
    // Each line alone on black first.
    std::vector<Screen> alone;
    for (const Line &l : lines) {
        clear_to(0.0f, 0.0f, 0.0f);
        zgl_blend_normal();
        zgl_set_overlay_matrix();
        font_bind();
        zgl_color4f(l.colour[0], l.colour[1], l.colour[2], 1.0f);
        glyph_draw_text(l.x, l.y, l.z, l.text);
        Screen s;
        s.w = W;
        s.h = H;
        s.rgb = gl_read_screen(W, H);
        alone.push_back(s);
    }

    game_reset();
    hudgfx_load();
    camera_defaults();
    camera_matrix();
    const float floor = 0.08f;
    clear_to(floor, floor, floor * 1.4f);
    // The arena's markers: two rings, bullet shadows, the aim marker with its long cross.
    zgl_blend_additive();
    const float ring_a[3] = {-25.0f, 0.0f, 10.0f};
    const float ring_b[3] = {22.0f, 0.0f, -12.0f};
    hudgfx_draw_ring(ring_a, 18.0f);
    hudgfx_draw_ring(ring_b, 12.0f);
    zbatch_reset();
    for (int i = 0; i < 6; i++) {
        const float p[3] = {-10.0f + 5.0f * (float)i, 3.0f, 5.0f - 3.0f * (float)i};
        hudgfx_add_bullet_sprite(p, 0.6f);
    }
    zbatch_flush();
    zbatch_unlock_arrays();
    g_render_biggcrosshair = 0.6f;
    const float aim[3] = {18.0f, 14.0f, 0.4f};
    hudgfx_draw_crosshair(aim);
    zgl_blend_normal();
    font_bind();
    ScorePop pop{};
    pop.x = -12.0f;
    pop.z = -20.0f;
    pop.life = 2.0f;
    pop.colour = 0xff40d0ffu;
    pop.value = 1500;
    scorepop_draw_one(&pop);
    // The overlay.
    zgl_set_overlay_matrix();
    zgl_color4f(0.45f, 1.0f, 0.35f, 1.0f);
    hud_bind_texture();
    hud_draw_meter(0.0f, 3, 0.0f, 0.0f);
    hud_draw_meter(-1.0f, 2, 0.0f, 0.0f);
    float phase = 40.0f;
    hud_draw_ping_pulse(g_score_thresholds[0] / 3 * 2, 0, 0.0f, 0.0f, &phase);
    zgl_color4f(lines[0].colour[0], lines[0].colour[1], lines[0].colour[2], 1.0f);
    hud_draw_box(0.0f, 0.0f);
    font_bind();
    for (const Line &l : lines) {
        zgl_color4f(l.colour[0], l.colour[1], l.colour[2], 1.0f);
        glyph_draw_text(l.x, l.y, l.z, l.text);
    }
    Screen frame = grab("hud_frame");

    zgl_set_overlay_matrix();
    for (size_t n = 0; n < sizeof(lines) / sizeof(lines[0]); n++) {
        const Line &l = lines[n];
        const Screen &ref = alone[n];
        const float start = glyph_line_start(l.x, l.text);
        for (size_t k = 0; l.text[k]; k++) {
            if ((uint8_t)l.text[k] <= ' ') {
                continue;
            }
            const float x0 = start + GLYPH_ADVANCE * (float)k;
            const Rect cell = rect_of(x0, l.y, x0 + GLYPH_SIZE, l.y + GLYPH_SIZE, l.z);
            const std::string what = std::string("\"") + l.text + "\" character " + std::to_string(k);
            EXPECT_TRUE(cell.x0 >= 0 && cell.y0 >= 0 && cell.x1 < W && cell.y1 < H) << what << " inside the screen";
            // The letter's strokes drawn alone, and the same pixels in the whole frame.
            int strokes = 0, same = 0;
            for (int y = std::max(cell.y0, 0); y <= std::min(cell.y1, H - 1); y++) {
                for (int x = std::max(cell.x0, 0); x <= std::min(cell.x1, W - 1); x++) {
                    if (ref.brightest(x, y) < 160) {
                        continue;
                    }
                    strokes++;
                    bool close = true;
                    for (int c = 0; c < 3; c++) {
                        close = close && std::abs(frame.at(x, y, c) - ref.at(x, y, c)) <= 40;
                    }
                    same += close;
                }
            }
            EXPECT_GE(strokes, 5) << what << ": its letter drawn alone";
            EXPECT_GE(same * 10, strokes * 9) << what << ": " << same << " of " << strokes
                                              << " stroke pixels as drawn alone";
        }
    }
}

// Every menu page in every language as the player sees it, on a 1024 x 768 screen and on
// a 5:4 one (960 x 768 of the window), with a row highlighted in the middle of each page:
// build/screens/menu_<language>_<page>_<shape>.png. The highlight's pure green stands on
// its row and on no other.
class MenuPagesGl : public FrontGl {
protected:
    static constexpr int PW = 1024;
    static constexpr int PH = 768;
    static void SetUpTestSuite() { ASSERT_TRUE(gl_window_open(PW, PH)); }
    void SetUp() override
    {
        FrontGl::SetUp();
        init_console_vars();
        menu_init_languages();
        score_init();
        input_reset();
        input_clear_slots();
        input_fill_key_names();
        exec_default_binds();
        g_menu_input = 1;
    }
    void TearDown() override
    {
        g_menu_input = 0;
        input_clear_slots();
        input_reset();
        menu_free_languages();
        menu_start(MENU_START_MAIN);
        g_menu_choice = 0;
        g_score_gameinfo = nullptr;
        g_finished = 0;
        g_language_num = 0.0f;
        con_config(0);
        FrontGl::TearDown();
    }
    // One tick of the menus with nothing pressed: the page writes its values.
    static void settle(int page, int row)
    {
        g_menu_page = page;
        g_menu_item = row;
        InputFrame none{};
        input_ring_push(&none);
        input_take_pending();
        input_step();
        menu_control();
        g_menu_page = page;
        g_menu_item = row;
    }
    // Draws the page as the frame does and returns the screen; the highlight's pulse is
    // held at pure green.
    Screen draw_page(int page, int w, int h, const std::string &name)
    {
        zgl_setup_view(w, h);
        clear_to(33.0f / 255.0f, 33.0f / 255.0f, 33.0f / 255.0f);
        zgl_enable_blend();
        zgl_blend_normal();
        zgl_set_overlay_matrix();
        g_last_page = page;
        g_fade = page == MENU_PAGE_MAIN ? 1.0f : 0.1f;
        if (page != MENU_PAGE_PAUSE && page < MENU_PAGE_FINISHED) {
            title_load_draw();
        }
        if (page == MENU_PAGE_PAUSE) {
            zgl_draw_fade_quad(0.6f, 0);
        }
        zgl_blend_normal();
        menu_draw_page_models();
        menu_fill_words(128);   // every letter in
        g_menu_frames = 700;    // the main page's hints are up
        g_menu_pulse[0] = 507;  // the brightest pulse channel at 255: the highlight pure green
        g_menu_pulse[1] = g_menu_pulse[2] = 0;
        if (page == MENU_PAGE_FINISHED || page == MENU_PAGE_LOOP) {
            menu_end_page();
        } else {
            menu_draw();
        }
        zgl_reset_draw_state();
        Screen s;
        s.w = w;
        s.h = h;
        gl_save_screen(name, w, h);
        s.rgb = gl_read_screen(w, h);
        return s;
    }
    // The window rectangle of a row as drawn (its own z, or 0.5 nearer when highlighted).
    static Rect row_rect(const MenuItem &m)
    {
        const float width = GLYPH_ADVANCE * (float)(strlen(m.text) - 1) + GLYPH_SIZE;
        const float x = glyph_line_start(m.x, m.text);
        return rect_of(x, m.y, x + width, m.y + GLYPH_SIZE, m.draw_z - g_menu_text_depth);
    }
};

TEST_F(MenuPagesGl, EveryPageInEveryLanguageWithTheHighlightOnItsRow)
{
    const char *codes[] = {"en", "de", "fr"};
    static GameInfo record{};
    record.score = 123450;
    record.play_ticks = 61234;
    for (int lang = 0; lang < 3; lang++) {
        g_language_num = (float)lang;
        menu_parse_text();
        for (int page = 0; page < MENU_PAGE_COUNT; page++) {
            int count = 0;
            MenuItem *items = menu_page(page, &count);
            // A row in the middle of the page (one that can be chosen); page 8 an action.
            int row = page == MENU_PAGE_NAME || page == MENU_PAGE_SCORES || page == MENU_PAGE_STAGE ? 1
                      : page == MENU_PAGE_CONTROLS                         ? 10
                      : count > 3                                          ? count / 2
                                                                           : 1;
            g_two_player = page == MENU_PAGE_SHIPS;
            g_type_reach = 4;
            g_game_type = 2.0f;
            g_stage_count = 5;
            g_start_stage = 3.0f;
            g_finished = page == MENU_PAGE_FINISHED;
            g_wrap_count = 3;
            g_wrap_steps = 2;
            g_score_gameinfo = &record;
            g_new_row = 4;
            if (page == MENU_PAGE_NAME) {
                snprintf(g_name_buffer, MENU_NAME_SIZE, "AB");
                g_name_length = 1;
            }
            for (int shape = 0; shape < 2; shape++) {
                // The controls page shows the keyboard on one screen, keyboard and mouse
                // (the longest names) on the other.
                g_player_input[0].input_type = shape == 0 ? 2.0f : 1.0f;
                if (page != MENU_PAGE_LAUNCH && page != MENU_PAGE_NAME && page < MENU_PAGE_FINISHED) {
                    settle(page, row);
                }
                g_menu_page = page;
                g_menu_item = row;
                const int w = shape == 0 ? PW : 960;
                const char *shape_name = shape == 0 ? "4x3" : "5x4";
                char name[64];
                snprintf(name, sizeof(name), "menu_%s_%02d_%s", codes[lang], page, shape_name);
                Screen s = draw_page(page, w, PH, name);
                if (page == MENU_PAGE_SCORES || page == MENU_PAGE_LAUNCH || page >= MENU_PAGE_FINISHED) {
                    continue;   // pages without a drawn highlight
                }
                auto green = [&](int x, int y) {
                    return s.at(x, y, 1) > 180 && s.at(x, y, 0) < 60 && s.at(x, y, 2) < 60;
                };
                for (int r = 1; r < count; r++) {
                    if (items[r].a == 0) {
                        continue;
                    }
                    Rect box = row_rect(items[r]);
                    int n = 0;
                    for (int y = std::max(box.y0, 0); y <= std::min(box.y1, s.h - 1); y++) {
                        for (int x = std::max(box.x0, 0); x <= std::min(box.x1, s.w - 1); x++) {
                            n += green(x, y);
                        }
                    }
                    if (r == row) {
                        EXPECT_GT(n, 40) << name << ": the highlight on row " << r << " \"" << items[r].text << "\"";
                    } else {
                        EXPECT_LT(n, 5) << name << ": highlight green on row " << r << " \"" << items[r].text << "\"";
                    }
                }
            }
        }
    }
    g_player_input[0].input_type = 0.0f;
    zgl_setup_view(PW, PH);
}

} // namespace
