// The HUD text through a recording glyph sink: the score display, the counts beside the
// icons, the caption, the difficulty, and the level-end payments into player 1's score.

#include "game/hud.h"

#include "core/file.h"
#include "core/mem.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/lifecycle.h"
#include "game/menu.h"
#include "game/menu_local.h"
#include "render/camera.h"
#include "tests/game/glyph_recorder.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class Hud : public ::testing::Test {
protected:
    GameInfo p1{};

    void SetUp() override
    {
        mem_init();
        snprintf(g_menu_dir, FILE_DIR_SIZE, "%s/data/menu/", GLIMMERFALL_SOURCE_DIR);
        g_language_num = 0.0f;
        menu_init_languages();
        menu_parse_text();
        glyphs::install();
        g_level_number = 102;
        g_loop_value = 1.0f;
        g_two_player = 0;
        g_frame_dt = 1.0f;
        g_camera.end_view = 0;
        p1.number = 1;
        p1.lives = 3;
        p1.bombs = 3;
        hud_set_player_ref(&p1, 1);
        hud_init_level();
    }
    void TearDown() override
    {
        hud_set_player_ref(nullptr, 1);
        glyphs::restore();
        menu_free_languages();
        EXPECT_EQ(mem_usage, 0u);
    }
    // One drawn frame; the texts it drew.
    std::vector<std::string> draw()
    {
        glyphs::draws().clear();
        hud_draw();
        std::vector<std::string> texts;
        for (const glyphs::Draw &d : glyphs::draws()) {
            texts.push_back(d.text);
        }
        return texts;
    }
    // The score: the one text of digits only.
    std::string score_text()
    {
        std::string found;
        for (const std::string &t : draw()) {
            if (!t.empty() && std::all_of(t.begin(), t.end(), ::isdigit)) {
                found = t;
            }
            if (t == "---") {
                found = t;
            }
        }
        return found;
    }
    // Runs frames until the end timer passes ticks; the score gains on the way.
    std::vector<int> run_end(int ticks)
    {
        std::vector<int> paid;
        for (int i = 0; i < ticks; i++) {
            int before = p1.score;
            draw();
            if (p1.score != before) {
                paid.push_back(p1.score - before);
            }
        }
        return paid;
    }
};

TEST_F(Hud, TheScoreClosesInByEighthsThenAtOnce)
{
    EXPECT_EQ(score_text(), "---");
    p1.score = 1000;
    std::vector<int> shown;
    for (int i = 0; i < 40; i++) {
        shown.push_back(std::stoi(score_text()));
    }
    EXPECT_EQ(shown[0], 125);
    EXPECT_EQ(shown[1], 125 + 875 / 8);
    int last_step = 0;
    for (size_t i = 1; i < shown.size() && shown[i] != shown[i - 1]; i++) {
        int gap = 1000 - shown[i - 1];
        EXPECT_EQ(shown[i] - shown[i - 1], gap > 16 ? gap / 8 : gap) << i;
        last_step = gap;
    }
    EXPECT_LE(last_step, 16);
    EXPECT_EQ(shown.back(), 1000);
    p1.score = 10;
    EXPECT_EQ(score_text(), "10") << "a lower score shows at once";
}

TEST_F(Hud, CountsStandBesideTheIconsFromFiveOn)
{
    p1.lives = 4;
    p1.bombs = 12;
    std::vector<std::string> texts = draw();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "x4"), 0);
    const glyphs::Draw *bombs = glyphs::find("x12");
    ASSERT_NE(bombs, nullptr);
    EXPECT_FLOAT_EQ(bombs->x, 16.2f);
    EXPECT_FLOAT_EQ(bombs->y, 6.0f + 12.25f) << "the HUD offset starts at 6";
    p1.lives = 7;
    draw();
    const glyphs::Draw *lives = glyphs::find("x7");
    ASSERT_NE(lives, nullptr);
    EXPECT_FLOAT_EQ(lives->x, 17.1f);
    EXPECT_FLOAT_EQ(lives->y, 6.0f + 13.25f);
}

TEST_F(Hud, DifficultyShowsAsAPercentInItsLevelsColour)
{
    g_difficulty = 45.0f;
    draw();
    const glyphs::Draw *d = glyphs::find("150%");
    ASSERT_NE(d, nullptr);
    EXPECT_FLOAT_EQ(d->x, -17.0f);
    EXPECT_FLOAT_EQ(d->r, 1.0f) << "level 1: yellow";
    EXPECT_FLOAT_EQ(d->g, 1.0f);
    EXPECT_NEAR(d->b, 5.0f / 255.0f, 1e-6);
    g_difficulty = 240.0f;
    draw();
    ASSERT_NE(glyphs::find("^^^^"), nullptr) << "800% stands on marks from level 7 on";
    EXPECT_NE(glyphs::find("800%"), nullptr);
}

TEST_F(Hud, TheCaptionNamesTheLevelAndTheLoop)
{
    draw();
    EXPECT_NE(glyphs::find("Level 2"), nullptr);
    g_loop_value = 3.0f;
    hud_set_level_label(115);
    draw();
    EXPECT_NE(glyphs::find("Level 15 [3]"), nullptr);
    snprintf(g_menu_texts[41], MENU_TEXT_SIZE, "%s", std::string(127, 'L').c_str());
    hud_set_level_label(115);
    draw();
    const glyphs::Draw &caption = glyphs::draws()[glyphs::draws().size() - 1];
    EXPECT_EQ(caption.text, std::string(63, 'L')) << "cut at the caption's 64 characters";
}

TEST_F(Hud, TheTimeBonusPaysTheMultiplierStepsAtTheFirstBlinks)
{
    p1.multiplier_step = 5;
    hud_set_text(1200, 0, 0);
    std::vector<int> paid = run_end(100);
    EXPECT_NE(glyphs::find("Time bonus 1200"), nullptr);
    for (int p : run_end(320)) {
        paid.push_back(p);
    }
    EXPECT_EQ(paid, (std::vector<int>{3600, 1200, 1200, 1200}));
    EXPECT_EQ(run_end(200), std::vector<int>{}) << "nothing more after the phase";
}

TEST_F(Hud, TwelveBombsPayFourStepsAtOnceThenEightMore)
{
    hud_set_text(0, 12, 0);
    std::vector<int> paid = run_end(1500);
    // Multiplier step 0: every step is paid once. B = 3000, 7000, 10000, 20000, 30000,
    // 40000, 50000, then 10000 x (i - 1).
    EXPECT_EQ(paid, (std::vector<int>{40000, 30000, 40000, 50000, 60000, 70000, 80000, 90000, 100000}));
    EXPECT_NE(glyphs::find("Smart bomb bonus 560000"), nullptr) << "the total of all twelve steps";
}

TEST_F(Hud, GameOverShowsItsCaptionAndPaysNothing)
{
    p1.score = 500;
    hud_set_text(-1, 5, 0);
    std::vector<int> paid = run_end(1000);
    EXPECT_TRUE(paid.empty());
    EXPECT_NE(glyphs::find("Game over"), nullptr);
    EXPECT_EQ(glyphs::find("Time bonus 0"), nullptr);
}

TEST_F(Hud, ASecondLevelEndChangesNothing)
{
    hud_set_text(1200, 0, 0);
    hud_set_text(-1, 0, 0);
    draw();
    EXPECT_EQ(glyphs::find("Game over"), nullptr);
    EXPECT_NE(glyphs::find("Time bonus 1200"), nullptr);
    EXPECT_NE(glyphs::find("Level complete"), nullptr);
}

} // namespace
