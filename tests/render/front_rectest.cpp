// Glyphs, the front end's pictures and the HUD's shapes through the GL recorder, drawn with
// the generated art: quad runs and page binds, blanks and centring, appearance timers and
// their jitter's generator, flat text from both sides, Latin-1 bytes, score numbers and
// their fade; logo pages, title layers, ship and belt pictures; the multiplier ping, the
// crosshair pulse and cross, the ring patterns of consecutive levels, bullet shadows.

#include "tests/render/rec_fixture.h"

#include "core/mt.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/menu.h"
#include "game/menu_local.h"
#include "platform/sound_local.h"
#include "render/camera.h"
#include "render/font.h"
#include "render/footprint.h"
#include "render/hudgfx.h"
#include "render/title.h"
#include "tests/render/front_files.h"
#include "tests/support/temp_dir.h"
#include "world/gamer.h"

#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

class FrontRec : public Recorded {
protected:
    void SetUp() override
    {
        Recorded::SetUp();
        front_set_up();
        glrec_events().clear();
    }
    void TearDown() override
    {
        front_tear_down();
        Recorded::TearDown();
    }
    static unsigned name_of(const TextureRecord *r) { return r ? r->gl_name : 0u; }
    static unsigned page(int p) { return name_of(g_font_pages[p]); }
    static std::vector<unsigned> bound_names()
    {
        std::vector<unsigned> out;
        for (const GlEvent &e : glrec_only(GlOp::Bind)) {
            out.push_back(e.texture);
        }
        return out;
    }
    static std::vector<GlEvent> runs_on(unsigned texture)
    {
        std::vector<GlEvent> out;
        for (const GlEvent &e : glrec_only(GlOp::End)) {
            if (e.texture == texture) {
                out.push_back(e);
            }
        }
        return out;
    }
    static int vertices_on(unsigned texture)
    {
        int n = 0;
        for (const GlEvent &e : runs_on(texture)) {
            n += e.count;
        }
        return n;
    }
    static int alpha(uint32_t rgba) { return (int)(rgba >> 24); }
    TempDir dir{true};
};

// The cell of character c as the font pages lay it out: page, left u, lower v.
struct Cell {
    int page;
    float u, v;
};
Cell cell_of(int c)
{
    int k = c - 32;
    return Cell{k / 64, (float)(c % 8) / 8.0f, 0.875f - (float)((k % 64) / 8) / 8.0f};
}

using Glyphs = FrontRec;

TEST_F(Glyphs, OnePageIsOneRunAndAPageBetweenBreaksItTwice)
{
    font_bind();
    glyph_draw_text(1.0f, 2.0f, 3.0f, "ABC");
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].count, 12);
    EXPECT_EQ(ends[0].texture, page(0));
    EXPECT_EQ(bound_names(), std::vector<unsigned>{page(0)}) << "only font_bind binds";

    // A page-2 letter between page-0 letters.
    glrec_events().clear();
    glyph_draw_text(1.0f, 2.0f, 3.0f, "A\xc9"
                                      "B");
    ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_EQ(ends[0].texture, page(0));
    EXPECT_EQ(ends[1].texture, page(2));
    EXPECT_EQ(ends[2].texture, page(0));
    EXPECT_EQ(bound_names(), (std::vector<unsigned>{page(2), page(0)}));
    // Each glyph in its cell: É's square and texture cell.
    Cell c = cell_of(0xc9);
    EXPECT_FLOAT_EQ(ends[1].positions[0][0], 1.9f);
    EXPECT_FLOAT_EQ(ends[1].uvs[0][0], c.u);
    EXPECT_FLOAT_EQ(ends[1].uvs[0][1], c.v);
    EXPECT_FLOAT_EQ(ends[1].uvs[2][0], c.u + 0.125f);
    EXPECT_FLOAT_EQ(ends[1].uvs[2][1], c.v + 0.125f);
    EXPECT_FLOAT_EQ(ends[1].positions[2][0], 2.9f);
    EXPECT_FLOAT_EQ(ends[1].positions[2][1], 3.0f);
}

TEST_F(Glyphs, BytesAbove127DrawFromPagesOneToThree)
{
    font_bind();
    glyph_draw_text(5.0f, 0.0f, 0.0f, "\x80\xa0\xe9\xff");
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 4u) << "page 0's empty run, then pages 1, 2 and 3";
    EXPECT_EQ(ends[0].count, 0);
    EXPECT_EQ(ends[1].texture, page(1));
    EXPECT_EQ(ends[2].texture, page(2));
    EXPECT_EQ(ends[3].texture, page(3));
    EXPECT_EQ(ends[3].count, 8) << "e acute and y diaeresis are letters, not blanks";
    Cell c = cell_of(0xff);
    EXPECT_FLOAT_EQ(ends[3].uvs[4][0], c.u);
    EXPECT_FLOAT_EQ(ends[3].uvs[4][1], c.v);
}

TEST_F(Glyphs, BlanksMoveThePenAndALineAtZeroIsCentred)
{
    font_bind();
    glyph_draw_text(1.0f, 0.0f, 0.0f, "   ");
    int drawn = 0;
    for (const GlEvent &e : glrec_only(GlOp::End)) {
        drawn += e.count;
    }
    EXPECT_EQ(drawn, 0);
    EXPECT_NEAR(g_glyph_pen.x, 1.0f + 3 * 0.9f, 1e-5f);

    glrec_events().clear();
    glyph_draw_text(0.0f, 2.0f, 0.0f, "0123456789");
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 1u);
    ASSERT_EQ(ends[0].count, 40);
    EXPECT_FLOAT_EQ(ends[0].positions[0][0], -4.5f);
    EXPECT_NEAR(ends[0].positions[36][0], -4.5f + 9 * 0.9f, 1e-5f);
    EXPECT_FLOAT_EQ(ends[0].positions[0][1], 2.0f);
}

TEST_F(Glyphs, TimersFadeCharactersInAndBlanksTakeNone)
{
    font_bind();
    g_menu_text_depth = 0.5f;
    const float pos[3] = {2.0f, 1.0f, 5.0f};
    int32_t timers[3] = {0, 16, 32};
    EXPECT_EQ(glyph_draw_string(pos, 0xc8ffffffu, "A B C", timers, 3), 3);
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 1u);
    ASSERT_EQ(ends[0].count, 12);
    EXPECT_EQ(alpha(ends[0].colours[0]), 0) << "timer 0 hides";
    EXPECT_EQ(alpha(ends[0].colours[4]), 100) << "timer 16: half of 200";
    EXPECT_EQ(alpha(ends[0].colours[8]), 200) << "timer 32: full";
    EXPECT_FLOAT_EQ(ends[0].positions[8][2], 4.5f) << "z lowered by the text depth";

    // Timers of 16 and more leave the glyphs where the pen puts them; a string longer than
    // its timers draws the rest fully.
    glrec_events().clear();
    int32_t still[2] = {16, 40};
    EXPECT_EQ(glyph_draw_string(pos, 0xc8ffffffu, "ABC", still, 2), 2);
    ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends[0].count, 12);
    for (int k = 0; k < 3; k++) {
        EXPECT_FLOAT_EQ(ends[0].positions[4 * k][0], 2.0f + 0.9f * (float)k);
        EXPECT_FLOAT_EQ(ends[0].positions[4 * k][1], 1.0f);
    }
    EXPECT_EQ(alpha(ends[0].colours[8]), 200);
}

TEST_F(Glyphs, TheJitterDrawsFromTheDrawingsOwnGenerator)
{
    font_bind();
    mt_seed(77);
    const float pos[3] = {2.0f, 1.0f, 0.0f};
    int32_t shaking[2] = {0, 0};
    glyph_draw_string(pos, 0xffffffffu, "AB", shaking, 2);
    uint32_t after_draw = mt_rand();
    mt_seed(77);
    EXPECT_EQ(after_draw, mt_rand()) << "the level's sequence is untouched by drawing";
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends[0].count, 8);
    EXPECT_NE(ends[0].positions[4][0], 2.9f) << "timer 0 shakes the pen";
}

// The glyph's right and up directions on the floor, from its corners' texture coordinates.
void flat_axes(const GlEvent &run, int first, float right[3], float up[3])
{
    int lower_left = -1, lower_right = -1, upper_left = -1;
    float u_min = 1e9f, v_min = 1e9f;
    for (int k = first; k < first + 4; k++) {
        u_min = std::min(u_min, run.uvs[k][0]);
        v_min = std::min(v_min, run.uvs[k][1]);
    }
    for (int k = first; k < first + 4; k++) {
        bool left = run.uvs[k][0] == u_min;
        bool lower = run.uvs[k][1] == v_min;
        if (left && lower) {
            lower_left = k;
        } else if (lower) {
            lower_right = k;
        } else if (left) {
            upper_left = k;
        }
    }
    ASSERT_GE(lower_left, 0);
    ASSERT_GE(lower_right, 0);
    ASSERT_GE(upper_left, 0);
    for (int i = 0; i < 3; i++) {
        right[i] = run.positions[lower_right][i] - run.positions[lower_left][i];
        up[i] = run.positions[upper_left][i] - run.positions[lower_left][i];
    }
}

TEST_F(Glyphs, FlatTextReadsFromTheCamerasSide)
{
    for (int side = 1; side >= 0; side--) {
        SCOPED_TRACE(side);
        g_camera.side = side;
        glrec_events().clear();
        g_glyph_pen = GlyphPen{0.0f, 0.5f, 0.0f, 1.0f, 0.9f};
        font_bind();
        ASSERT_EQ(glyph_begin_run(), 1);
        glyph_draw_char_3d('A');
        glyph_draw_char_3d(' ');
        glyph_draw_char_3d('B');
        glEnd();
        std::vector<GlEvent> ends = glrec_only(GlOp::End);
        ASSERT_EQ(ends.size(), 1u);
        ASSERT_EQ(ends[0].count, 8);
        float right[3], up[3];
        flat_axes(ends[0], 0, right, up);
        const float s = side ? 1.0f : -1.0f;
        EXPECT_FLOAT_EQ(right[2], s) << "the glyph's right along +z from side 1";
        EXPECT_FLOAT_EQ(up[0], s) << "its top along +x from side 1";
        EXPECT_FLOAT_EQ(right[0], 0.0f);
        EXPECT_FLOAT_EQ(up[2], 0.0f);
        for (const auto &p : ends[0].positions) {
            EXPECT_FLOAT_EQ(p[1], 0.5f);
        }
        // A blank is one step in the reading direction: B starts two steps along.
        float b_min_z = 1e9f;
        for (int k = 4; k < 8; k++) {
            b_min_z = std::min(b_min_z, ends[0].positions[k][2]);
        }
        EXPECT_NEAR(b_min_z, side ? 1.8f : -1.8f, 1e-5f);
        EXPECT_NEAR(g_glyph_pen.z, s * 2.7f, 1e-5f);
    }
}

TEST_F(Glyphs, AScoreNumberLiesFlatAndFadesPerLogicStep)
{
    font_bind();
    ScorePop pop{};
    pop.x = 10.0f;
    pop.y = 0.5f;
    pop.z = -5.0f;
    pop.life = 2.0f;
    pop.colour = 0xff20ff40u;
    pop.value = 305;
    scorepop_draw_one(&pop);
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 1u);
    ASSERT_EQ(ends[0].count, 12);
    const char digits[] = "305";
    for (int k = 0; k < 3; k++) {
        float right[3], up[3];
        flat_axes(ends[0], 4 * k, right, up);
        EXPECT_FLOAT_EQ(right[2], 2.5f) << "full size above life 1";
        float u_min = 1e9f, z_min = 1e9f, x_min = 1e9f;
        for (int i = 4 * k; i < 4 * k + 4; i++) {
            u_min = std::min(u_min, ends[0].uvs[i][0]);
            z_min = std::min(z_min, ends[0].positions[i][2]);
            x_min = std::min(x_min, ends[0].positions[i][0]);
        }
        EXPECT_FLOAT_EQ(u_min, cell_of(digits[k]).u);
        EXPECT_NEAR(z_min, -5.0f + 2.25f * (float)k, 1e-5f);
        EXPECT_FLOAT_EQ(x_min, 10.0f - 1.25f);
    }
    EXPECT_EQ(alpha(ends[0].colours[0]), 255);
    EXPECT_EQ(pop.colour, 0xff20ff40u) << "no fade above life 1";

    // A value of 0 shows language text 0.
    glrec_events().clear();
    snprintf(g_menu_texts[0], MENU_TEXT_SIZE, "%s", "NIL");
    pop.value = 0;
    scorepop_draw_one(&pop);
    ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends[0].count, 12);
    float u_first = std::min(std::min(ends[0].uvs[0][0], ends[0].uvs[1][0]), ends[0].uvs[2][0]);
    EXPECT_FLOAT_EQ(u_first, cell_of('N').u);
    g_menu_texts[0][0] = 0;

    // From life 1 on: 6 of alpha per logic step, none while paused, stopping at 0.
    pop.life = 0.8f;
    pop.colour = 0xc820ff40u;
    g_frame_steps = 3;
    scorepop_draw_one(&pop);
    EXPECT_EQ(pop.colour, 0xb620ff40u);
    g_frame_steps = 0;
    scorepop_draw_one(&pop);
    EXPECT_EQ(pop.colour, 0xb620ff40u) << "paused";
    pop.colour = 0x0420ff40u;
    g_frame_steps = 1;
    scorepop_draw_one(&pop);
    EXPECT_EQ(pop.colour, 0x0020ff40u);
    scorepop_draw_one(&pop);
    EXPECT_EQ(pop.colour, 0x0020ff40u) << "stays transparent instead of wrapping";
}

using TitleRec = FrontRec;

TEST_F(TitleRec, ALogoPageLooksForItsFileFirst)
{
    use_menu_without({"logo_4a.bmp"});
    EXPECT_EQ(title_logo_draw(1), 0);
    EXPECT_TRUE(glrec_only(GlOp::End).empty());
    EXPECT_TRUE(glrec_only(GlOp::Upload).empty()) << "no fallback loaded in its place";
    EXPECT_EQ(g_title_tex.title, nullptr);

    EXPECT_EQ(title_logo_draw(0), 1);
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].texture, name_of(g_title_tex.title));
    EXPECT_EQ(std::string(g_title_tex.title->colour->name), "partial/logo_3a.bmp");
    EXPECT_FLOAT_EQ(ends[0].positions[0][0], -9.0f);
    EXPECT_FLOAT_EQ(ends[0].positions[0][1], -3.5f);
    EXPECT_FLOAT_EQ(ends[0].positions[2][0], 9.0f);
    EXPECT_FLOAT_EQ(ends[0].positions[2][1], 5.5f);
    EXPECT_FLOAT_EQ(ends[0].positions[0][2], 13.0f);

    // The end-of-loop page shows the belt of the loop finished.
    title_forget_textures();
    g_finished = 1;
    g_wrap_count = 3;
    EXPECT_EQ(title_logo_draw(2), 1);
    EXPECT_EQ(std::string(g_title_tex.title->colour->name), "partial/belt0004.bmp");
    g_finished = 0;
    g_wrap_count = 0;
}

TEST_F(TitleRec, WithoutItsBitmapsNothingIsDrawn)
{
    // Not even the fallback bitmap: records without a texture, and no quads drawn with
    // whatever happened to be bound.
    snprintf(g_menu_dir, FILE_DIR_SIZE, "%s", "none/");
    snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "none/");
    zgl_texture_init();
    title_load_fonts();
    hudgfx_load();
    glrec_events().clear();
    title_load_draw();
    title_forget_textures();
    EXPECT_EQ(title_logo_draw(0), 0);
    menu_draw_ship_picture(0.0f, 0.0f, 0);
    menu_draw_arrows(0);
    menu_draw_belt(0, 0.0f, 0);
    const float pointer[3] = {0.0f, 0.0f, 0.0f};
    menu_draw_cursor(pointer);
    hud_bind_texture();
    hud_draw_meter(0.0f, 3, 0.0f, 0.0f);
    hud_draw_box(0.0f, 0.0f);
    float phase = 0.0f;
    hud_draw_ping_pulse(100, 0, 0.0f, 0.0f, &phase);
    g_render_biggcrosshair = 1.0f;
    const float aim[3] = {0.0f, 0.0f, 0.0f};
    hudgfx_draw_crosshair(aim);
    hudgfx_draw_ring(aim, 18.0f);
    font_bind();
    glyph_draw_text(0.0f, 0.0f, 0.0f, "TEXT");
    ScorePop pop{};
    pop.life = 2.0f;
    pop.value = 10;
    scorepop_draw_one(&pop);
    EXPECT_TRUE(glrec_only(GlOp::End).empty());
    EXPECT_TRUE(glrec_only(GlOp::Bind).empty());
}

TEST_F(TitleRec, TheLayersFollowTheBackgroundSetting)
{
    const struct {
        float setting;
        int top, floor;
    } cases[] = {{1.0f, 1, 3}, {2.0f, 4, 6}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.setting);
        g_render_backgroundgfx = c.setting;
        g_fade = 0.5f;
        glrec_events().clear();
        title_load_draw();
        EXPECT_EQ(vertices_on(name_of(g_title_tex.floor)), 16 * c.floor);
        std::vector<GlEvent> top = runs_on(name_of(g_title_tex.title));
        ASSERT_EQ(top.size(), 1u);
        ASSERT_EQ(top[0].count, 4 * c.top);
        for (int i = 0; i < c.top; i++) {
            EXPECT_NEAR(alpha(top[0].colours[4 * i]), 127.5 / (1 << i), 1.0) << "layer " << i;
            EXPECT_FLOAT_EQ(top[0].positions[4 * i][2], 10.0f - (float)i);
        }
        EXPECT_EQ(top[0].src, (unsigned)GL_SRC_ALPHA);
        EXPECT_EQ(top[0].dst, (unsigned)GL_ONE) << "the name is drawn additively";
        EXPECT_EQ(vertices_on(name_of(g_title_tex.bottom)), 4);
        EXPECT_EQ(vertices_on(name_of(g_title_tex.corner)), 4);
    }
    // Another page than the main one: the floor only.
    g_last_page = 9;
    glrec_events().clear();
    title_load_draw();
    EXPECT_GT(vertices_on(name_of(g_title_tex.floor)), 0);
    EXPECT_EQ(vertices_on(name_of(g_title_tex.title)), 0);
}

// Mean hue (degrees) of the saturated pixels under a picture's mask.
double mean_hue(const TextureRecord *r)
{
    const Preload *c = r->colour;
    const Preload *m = r->mask;
    double sx = 0.0, sy = 0.0;
    for (int i = 0; i < c->width * c->height; i++) {
        const uint8_t *p = c->pixels + (size_t)i * (size_t)c->type;
        bool inside = c->type == 4 ? p[3] > 128 : (m && m->pixels[(size_t)i * (size_t)m->type] > 128);
        double hi = std::max({p[0], p[1], p[2]}), lo = std::min({p[0], p[1], p[2]});
        if (!inside || hi < 40 || (hi - lo) / hi < 0.3) {
            continue;
        }
        double h = std::atan2(std::sqrt(3.0) * (p[1] - p[2]), 2.0 * p[0] - p[1] - p[2]);
        sx += std::cos(h);
        sy += std::sin(h);
    }
    return std::atan2(sy, sx) * 180.0 / M_PI;
}

TEST_F(TitleRec, ShipPicturesComeInTwelveHues)
{
    title_load_draw();
    std::set<const TextureRecord *> pictures;
    for (int h = 0; h < TITLE_HUES; h++) {
        for (int s = 0; s < TITLE_SHIP_SLOTS; s++) {
            const TextureRecord *r = g_title_tex.ships[s + TITLE_SHIP_SLOTS * h];
            EXPECT_EQ(r != nullptr, s < TITLE_SHIPS) << "hue " << h << " slot " << s;
            if (r) {
                pictures.insert(r);
            }
        }
    }
    EXPECT_EQ(pictures.size(), 60u);
    for (int ship = 0; ship < TITLE_SHIPS; ship++) {
        double base = mean_hue(g_title_tex.ships[ship]);
        for (int h = 1; h < TITLE_HUES; h++) {
            double d = std::remainder(mean_hue(g_title_tex.ships[ship + TITLE_SHIP_SLOTS * h]) - base - 30.0 * h, 360.0);
            EXPECT_LT(std::fabs(d), 12.0) << "ship " << ship + 1 << " hue " << h;
        }
    }

    // Model 9 is ship 1 (9 & 7); hue 15 is the last hue, -3 the first.
    glrec_events().clear();
    menu_draw_ship_picture(9.0f, 15.0f, 0);
    menu_draw_ship_picture(9.0f, -3.0f, 0);
    menu_draw_ship_picture(6.0f, 0.0f, 0);
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 2u) << "no picture for ship slot 6";
    EXPECT_EQ(ends[0].texture, name_of(g_title_tex.ships[1 + 8 * 11]));
    EXPECT_EQ(ends[1].texture, name_of(g_title_tex.ships[1]));
    EXPECT_FLOAT_EQ(ends[0].positions[0][0], -2.0f);
    EXPECT_FLOAT_EQ(ends[0].positions[2][0], 2.0f);
    // Two players: side by side.
    g_two_player = 1;
    glrec_events().clear();
    menu_draw_ship_picture(0.0f, 0.0f, 0);
    menu_draw_ship_picture(0.0f, 0.0f, 1);
    ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_FLOAT_EQ(ends[0].positions[0][0], -6.0f);
    EXPECT_FLOAT_EQ(ends[1].positions[2][0], 6.0f);
}

// The game-type page: the chosen belt large, then the row of all eight, the open types
// pulsing and the locked ones faint.
TEST_F(TitleRec, TheBeltRowSpansTheScreenWithTheLockedOnesFaint)
{
    title_load_draw();
    glrec_events().clear();
    g_menu_page = MENU_PAGE_TYPE;
    g_type_reach = 2;   // white, yellow and orange open
    g_game_type = 1.0f;
    menu_draw_page_models();
    g_menu_page = MENU_PAGE_MAIN;
    g_type_reach = 0;
    g_game_type = 0.0f;
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_GE(ends.size(), 9u);
    EXPECT_EQ(ends[0].texture, name_of(g_title_tex.belts[1])) << "the chosen belt";
    for (int i = 0; i < TITLE_BELTS; i++) {
        const GlEvent &e = ends[1 + i];
        EXPECT_EQ(e.texture, name_of(g_title_tex.belts[i]));
        float centre = (e.positions[0][0] + e.positions[2][0]) * 0.5f;
        EXPECT_NEAR(centre, -8.75f + 2.5f * (float)i, 1e-5f);
        EXPECT_EQ(alpha(e.colours[0]), i < 3 ? 255 : 51) << "belt " << i;
    }
    EXPECT_NEAR(ends[1].positions[0][0], -8.75f - 1.0f, 0.25f) << "the first pulsing belt";
    EXPECT_FLOAT_EQ(ends[8].positions[2][0], 8.75f + 1.0f) << "the last, faint at its plain size";
}

using HudRec = FrontRec;

TEST_F(HudRec, ThePingSoundsOnlyForANearlyFullBarSlidIn)
{
    // A synthetic loaded sound as named sound 10; no device needed.
    std::vector<int16_t> samples(4000, 1000);
    memset(snd_voices, 0, sizeof(snd_voices));
    SoundEntry saved = sound_entries[0];
    int saved_named = sound_named[SOUND_PING_MULTIPLY];
    sound_entries[0] = SoundEntry{samples.data(), 8000, SND_PRIORITY_LOADED, 0, 0, "ping"};
    sound_named[SOUND_PING_MULTIPLY] = 0;
    int saved_count = sound_count;
    sound_count = 1;
    g_sound_sfxvol = 1.0f;
    game_reset();
    auto plays = [](int points, int step, float offset) {
        memset(snd_voices, 0, sizeof(snd_voices));
        float phase = 359.9f;
        hud_bind_texture();
        hud_draw_ping_pulse(points, step, 0.0f, offset, &phase);
        EXPECT_LT(phase, 360.0f);
        int n = 0;
        for (const SoundVoice &v : snd_voices) {
            n += v.active;
        }
        return n;
    };
    const int t0 = g_score_thresholds[0];
    const int t1 = g_score_thresholds[1];
    EXPECT_EQ(plays(t0 / 100 * 95, 0, 0.0f), 1) << "f 0.95, slid in";
    EXPECT_EQ(plays(t0 + (t1 - t0) / 100 * 95, 1, -0.5f), 1);
    EXPECT_EQ(plays(t0 / 100 * 95, 0, 0.3f), 0) << "the HUD still sliding";
    EXPECT_EQ(plays(t0 / 100 * 85, 0, 0.0f), 0) << "f 0.85";
    memset(snd_voices, 0, sizeof(snd_voices));
    sound_entries[0] = saved;
    sound_named[SOUND_PING_MULTIPLY] = saved_named;
    sound_count = saved_count;
}

TEST_F(HudRec, TheBarIsFullWhereTheTableEnds)
{
    game_reset();
    hud_bind_texture();
    g_frame_dt = 0.0f;
    auto fill_width = [](int points, int step) {
        glrec_events().clear();
        float phase = 0.0f;
        hud_draw_ping_pulse(points, step, 0.0f, 0.0f, &phase);
        std::vector<GlEvent> ends = glrec_only(GlOp::End);
        EXPECT_EQ(ends.size(), 1u);
        EXPECT_EQ(ends[0].count, 8);
        return (ends[0].positions[5][0] - ends[0].positions[4][0]) / (ends[0].positions[1][0] - ends[0].positions[0][0]);
    };
    EXPECT_FLOAT_EQ(fill_width(g_score_thresholds[2], 2), 1.0f);
    int last = 0;
    while (last + 1 < SCORE_THRESHOLDS && g_score_thresholds[last + 1] != 0) {
        last++;
    }
    EXPECT_FLOAT_EQ(fill_width(0, last + 1), 1.0f) << "no further step";
    EXPECT_FLOAT_EQ(fill_width(0, SCORE_THRESHOLDS + 5), 1.0f);
    EXPECT_FLOAT_EQ(fill_width(-50, 0), 0.0f);
}

TEST_F(HudRec, TheCrosshairPulsesInsideItsRangeAndTheCrossNeedsTheSetting)
{
    hudgfx_load();
    camera_defaults();
    camera_matrix();
    const float aim[3] = {5.0f, 8.0f, 1.0f};
    float low = 1.0f, high = 0.0f;
    const float steps[] = {1.0f, 3.0f, 100.0f, 0.0f, 7.0f};
    for (int frame = 0; frame < 2000; frame++) {
        g_frame_dt = steps[frame % 5];
        hudgfx_draw_crosshair(aim);
        low = std::min(low, g_hud_motion.crosshair_pulse);
        high = std::max(high, g_hud_motion.crosshair_pulse);
    }
    EXPECT_GE(low, 0.1f);
    EXPECT_LE(high, 0.9f);
    EXPECT_LT(low, 0.2f) << "it swings";
    EXPECT_GT(high, 0.8f);

    // At the lowest setting only the marker; above it the four arms, added on.
    g_render_biggcrosshair = 0.25f;
    glrec_events().clear();
    hudgfx_draw_crosshair(aim);
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].texture, name_of(g_hud_tex.crosshair));
    const float h = g_hud_motion.crosshair_pulse + 2.1f + 1.0f;
    EXPECT_NEAR(ends[0].positions[0][0], 5.0f - h, 1e-5f);
    EXPECT_NEAR(ends[0].positions[0][2], -8.0f - h, 1e-5f);
    EXPECT_EQ(ends[0].dst, (unsigned)GL_ONE_MINUS_SRC_ALPHA);
    g_render_biggcrosshair = 1.0f;
    glrec_events().clear();
    hudgfx_draw_crosshair(aim);
    ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0].texture, name_of(g_hud_tex.hit));
    EXPECT_EQ(ends[0].count, 16);
    EXPECT_EQ(ends[0].dst, (unsigned)GL_ONE) << "the arms add light";
    EXPECT_EQ(ends[1].dst, (unsigned)GL_ONE_MINUS_SRC_ALPHA);
    // The arms run 150 along the camera's up axis and 200 along its right axis.
    float reach = 0.0f;
    for (const auto &p : ends[0].positions) {
        reach = std::max(reach, std::hypot(p[0] - 5.0f, p[2] + 8.0f));
    }
    EXPECT_NEAR(reach, 200.0f, 1.0f);
}

TEST_F(HudRec, ShipRingsGrowInAndOutAndTheAimNeedsMouseAimInPlay)
{
    hudgfx_load();
    const float pos[3] = {3.0f, 1.0f, 4.0f};
    // (level tick, ticks since the end) -> ring radius, 0 for no ring.
    const struct {
        int tick, end;
        float radius;
    } cases[] = {{-150, 0, 0.0f}, {-101, 0, 0.0f}, {-50, 0, 9.0f}, {0, 0, 18.0f},  {4000, 0, 18.0f},
                 {4000, 25, 13.5f}, {4000, 99, 0.18f}, {4000, 100, 0.0f}, {4000, 300, 0.0f}};
    for (const auto &c : cases) {
        glrec_events().clear();
        gamer_draw_ring_at(pos, c.tick, c.end);
        std::vector<GlEvent> ends = glrec_only(GlOp::End);
        if (c.radius == 0.0f) {
            EXPECT_TRUE(ends.empty()) << c.tick << " " << c.end;
            continue;
        }
        ASSERT_EQ(ends.size(), 1u) << c.tick << " " << c.end;
        EXPECT_NEAR(std::hypot(ends[0].positions[1][0] - 3.0f, ends[0].positions[1][2] - 4.0f), c.radius, 1e-3f)
            << c.tick << " " << c.end;
    }
    const float aim[3] = {1.0f, 2.0f, 0.5f};
    const struct {
        float input;
        int playing;
        bool drawn;
    } aims[] = {{1.0f, 1, true}, {0.0f, 1, false}, {2.0f, 1, false}, {1.0f, 0, false}};
    for (const auto &a : aims) {
        glrec_events().clear();
        gamer_draw_aim_at(aim, a.input, a.playing);
        EXPECT_EQ(!glrec_only(GlOp::End).empty(), a.drawn) << a.input << " " << a.playing;
    }
}

TEST_F(HudRec, ConsecutiveLevelsNeverShareARingPattern)
{
    mt_seed(5);
    std::string last;
    std::set<std::string> seen;
    for (int level = 0; level < 1000; level++) {
        hudgfx_load();
        ASSERT_NE(g_hud_tex.ring, nullptr);
        std::string name = g_hud_tex.ring->colour->name;
        EXPECT_NE(name, last) << "level " << level;
        seen.insert(name);
        last = name;
    }
    EXPECT_EQ(seen.size(), 4u);
}

TEST_F(HudRec, ARingFadesFromItsCentreAndABulletShadowLiesBelowIt)
{
    hudgfx_load();
    const float centre[3] = {4.0f, 0.0f, -2.0f};
    hudgfx_draw_ring(centre, 18.0f);
    std::vector<GlEvent> ends = glrec_only(GlOp::End);
    ASSERT_EQ(ends.size(), 1u);
    ASSERT_EQ(ends[0].count, 24);
    EXPECT_EQ(ends[0].texture, name_of(g_hud_tex.ring));
    for (int k = 0; k < 24; k++) {
        bool middle = k % 3 == 0;
        float r = std::hypot(ends[0].positions[k][0] - 4.0f, ends[0].positions[k][2] + 2.0f);
        EXPECT_NEAR(r, middle ? 0.0f : 18.0f, 1e-4f);
        EXPECT_EQ(ends[0].colours[k], middle ? 0xffffffffu : 0u);
    }
    std::vector<GlEvent> on = glrec_only(GlOp::Enable);
    std::vector<GlEvent> off = glrec_only(GlOp::Disable);
    ASSERT_EQ(on.size(), 2u) << "texture coordinates from the floor position";
    EXPECT_EQ(on[0].what, (unsigned)GL_TEXTURE_GEN_S);
    EXPECT_EQ(off.size(), 2u);

    // The shadow: one face whose texture square covers half side 3 x size around the bullet.
    zbatch_reset();
    const float pos[3] = {10.0f, 5.0f, -20.0f};
    hudgfx_add_bullet_sprite(pos, 0.5f);
    ASSERT_EQ(g_batch_face_count, 1);
    const BatchFace *f = g_batch_buckets[zbatch_bucket_of_height(2.0f)];
    ASSERT_NE(f, nullptr) << "bucketed at height - 3";
    EXPECT_EQ(f->handle, g_hud_tex.bullet->handle);
    const BatchVertex *v = g_batch_vertices;
    const BatchVertex *a = &v[f->i01 & 0xffff], *b = &v[f->i01 >> 16], *c = &v[f->i2 & 0xffff];
    for (const BatchVertex *p : {a, b, c}) {
        EXPECT_FLOAT_EQ(p->y, 5.0f);
        EXPECT_EQ(p->colour, 0xff000000u);
        // The texture coordinates are the position's offset from the square's corner.
        EXPECT_NEAR(p->u, (11.5f - p->x) / 3.0f, 1e-5f);
        EXPECT_NEAR(p->v, (-18.5f - p->z) / 3.0f, 1e-5f);
    }
    EXPECT_FLOAT_EQ(a->x, 11.5f);
    EXPECT_FLOAT_EQ(b->x, 5.5f);
    EXPECT_FLOAT_EQ(c->z, -24.5f);
}

} // namespace
