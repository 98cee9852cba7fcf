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
#include "tests/game/screen_text.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

class Hud : public ::testing::Test {
protected:
    GameInfo p1{};

    void SetUp() override
    {
        mem_init();
        saved_menu_dir = g_menu_dir;
        snprintf(g_menu_dir, FILE_DIR_SIZE, "%s/data/menu/", relative_path(GLIMMERFALL_SOURCE_DIR).c_str());
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
        hud_set_player_ref(nullptr, 2);
        g_two_player = 0;
        g_level_number = 0;
        g_game_type = 0.0f;
        g_camera.end_view = 0;
        glyphs::restore();
        menu_free_languages();
        snprintf(g_menu_dir, FILE_DIR_SIZE, "%s", saved_menu_dir.c_str());
        EXPECT_EQ(mem_usage, 0u);
    }
    std::string saved_menu_dir;
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

TEST_F(Hud, TheClockShowsSecondsAndHundredthsAndSwellsWithTheWarning)
{
    hud_set_counter(10, 1234, 1000.0f);
    draw();
    const glyphs::Draw *clock = glyphs::find(" 12:34");
    ASSERT_NE(clock, nullptr);
    const float calm_x = clock->x;
    EXPECT_FLOAT_EQ(clock->z, -6.0f);
    hud_set_counter(11, 0, 1000.0f);
    draw();
    EXPECT_NE(glyphs::find("  0:00"), nullptr) << "nothing left";
    hud_set_counter(12, 905, 40.0f);
    draw();
    clock = glyphs::find("  9:05");
    ASSERT_NE(clock, nullptr);
    EXPECT_FLOAT_EQ(clock->x, calm_x - 2.0f) << "a warning of 40 swells the clock by 2";
    EXPECT_FLOAT_EQ(clock->z, -6.0f + 4.0f);
    hud_set_text(100, 0, 0);
    hud_set_counter(13, 300, 1000.0f);
    draw();
    EXPECT_NE(glyphs::find("  9:05"), nullptr) << "the level end freezes the clock";
}

TEST_F(Hud, TheBombBonusIsPaidTimesTheMultiplierStep)
{
    p1.multiplier_step = 2;
    hud_set_text(0, 3, 0);
    std::vector<int> paid = run_end(1500);
    // B(0..2) = 3000, 7000, 10000, each times step 2 + 1; the total shows unmultiplied.
    EXPECT_EQ(paid, (std::vector<int>{9000, 21000, 30000}));
    EXPECT_NE(glyphs::find("Smart bomb bonus 20000"), nullptr);
    const glyphs::Draw *step = glyphs::find("*3");
    ASSERT_NE(step, nullptr) << "the multiplier stands beside the payment";
    EXPECT_FLOAT_EQ(step->r, 0.9f);
}

TEST_F(Hud, BannersOfATenthLevelAndOfTwoPlayersAndTheirShares)
{
    g_level_number = 109;
    hud_set_text(500, 0, 0);
    draw();
    const glyphs::Draw *first = glyphs::find(menu_text(47));
    const glyphs::Draw *second = glyphs::find(menu_text(48));
    ASSERT_NE(first, nullptr) << "a tenth level is cleared";
    ASSERT_NE(second, nullptr);
    EXPECT_FLOAT_EQ(first->x, -4.5f);
    EXPECT_EQ(glyphs::find(menu_text(44)), nullptr);
    run_end(400);
    ASSERT_NE(glyphs::find(menu_text(47)), nullptr);
    EXPECT_GT(glyphs::find(menu_text(47))->a, 0.0f) << "a tenth level's banner does not fade";

    GameInfo p2{};
    p2.number = 2;
    p1.points = 300;
    p2.points = 100;
    g_two_player = 1;
    g_level_number = 102;
    hud_set_player_ref(&p2, 2);
    for (int result : {0, 1, 2}) {
        hud_init_level();
        hud_set_text(500, 0, result);
        draw();
        const char *expected = result == 0 ? menu_text(55) : result == 1 ? menu_text(56) : menu_text(44);
        const glyphs::Draw *banner = glyphs::find(expected);
        ASSERT_NE(banner, nullptr) << "result " << result;
        EXPECT_FLOAT_EQ(banner->x, 0.0f) << "centred in a two-player game";
        const glyphs::Draw *share = glyphs::find("P1=67% P2=33%");
        ASSERT_NE(share, nullptr);
        EXPECT_FLOAT_EQ(share->r, 0.9f) << "in the multiplier's red";
    }
    p1.points = 0;
    draw();
    EXPECT_EQ(glyphs::find("P1=67% P2=33%"), nullptr) << "no share before player 1 scores";
}

// The first level's help labels, every text of the HUD and the life and bomb icons on a
// 4:3 screen, in every language, in one- and two-player play with up to nine of each.
TEST_F(Hud, HelpLabelsStandClearOfTheIconsAndEveryTextFitsTheScreen)
{
    screen_text::InkTable ink{};
    ASSERT_TRUE(screen_text::load_ink(&ink));
    const float aspect = screen_text::ASPECTS[0].value;
    GameInfo p2{};
    p2.number = 2;
    std::set<std::string> faults;
    int help_seen = 0;
    for (int lang = 0; lang < 3; lang++) {
        g_language_num = (float)lang;
        menu_parse_text();
        for (int two = 0; two < 2; two++) {
            for (int n = 1; n <= 9; n++) {
                g_two_player = two;
                g_level_number = 101;
                g_game_type = 0.0f;
                p1.lives = p1.bombs = n;
                p1.points = 300;
                p2.points = 100;
                p1.multiplier_step = 3;
                hud_set_player_ref(two ? &p2 : nullptr, 2);
                hud_init_level();
                hud_set_counter(0, 9999, 1000.0f);
                for (int f = 0; f < 400; f++) {
                    draw();   // the HUD glides into place
                }
                // The icons as the HUD graphics place them on the plane z 0.
                std::vector<screen_text::Box> icons;
                for (int kind = 0; kind < 2; kind++) {
                    const int shown = n > 4 ? 1 : n;
                    for (int k = 0; k < shown; k++) {
                        const float cx = (n > 4 ? 13.15f : 15.4f) - (float)k;
                        const float y = 11.125f - (float)kind;
                        icons.push_back(screen_text::project_rect(cx - 0.5f, y, cx + 0.5f, y + 1.0f, 0.0f, aspect));
                    }
                }
                std::vector<screen_text::Box> boxes;
                const std::vector<glyphs::Draw> &lines = glyphs::draws();
                const std::string where = std::to_string(lang) + (two ? " two players " : " one player ") +
                                          std::to_string(n) + " of each: ";
                for (const glyphs::Draw &d : lines) {
                    help_seen += d.text == menu_text(52);
                    boxes.push_back(screen_text::draw_box(ink, d, 0.0f, aspect));
                    if (!boxes.back().inside_screen()) {
                        faults.insert(where + "\"" + d.text + "\" leaves the screen");
                    }
                    for (const screen_text::Box &icon : icons) {
                        if (boxes.back().overlaps(icon)) {
                            faults.insert(where + "\"" + d.text + "\" covers an icon");
                        }
                    }
                }
                for (size_t i = 0; i < lines.size(); i++) {
                    for (size_t j = i + 1; j < lines.size(); j++) {
                        if (boxes[i].overlaps(boxes[j])) {
                            faults.insert(where + "\"" + lines[i].text + "\" and \"" + lines[j].text + "\"");
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(help_seen, 3 * 2 * 9) << "the help of the first level was drawn every time";
    std::string report;
    for (const std::string &f : faults) {
        report += f + "\n";
    }
    EXPECT_TRUE(faults.empty()) << report;
}

// The level end's own texts on 4:3 and 5:4 screens, in every language, in one- and
// two-player games, at a plain and at a tenth level: the banners, the time bonus, the
// bomb bonus steps and their total, the multiplier they are paid with. Every frame of the
// payments; the second banner, which flies on toward the player and out, while the time
// bonus is paid (its first 420 ticks). The icons, labels and clock the level end pushes
// off the screen are not asked.
TEST_F(Hud, TextsInPlayAndAtTheLevelsEndStayOnTheScreen)
{
    screen_text::InkTable ink{};
    ASSERT_TRUE(screen_text::load_ink(&ink));
    GameInfo p2{};
    p2.number = 2;
    std::set<std::string> faults;
    std::set<std::string> kinds_seen;
    for (int lang = 0; lang < 3; lang++) {
        g_language_num = (float)lang;
        menu_parse_text();
        const std::string banners[] = {menu_text(44), menu_text(47), menu_text(55), menu_text(56)};
        const std::string flying = menu_text(48);
        const std::string time_bonus = menu_text(42), bomb_step = menu_text(43), bomb_total = menu_text(46);
        for (int two = 0; two < 2; two++) {
            for (int level : {101, 102, 109}) {
                for (int result = 0; result < (two ? 3 : 1); result++) {
                    g_two_player = two;
                    g_level_number = level;
                    p1.lives = p1.bombs = 3;
                    p1.points = 300;
                    p2.points = 100;
                    p1.multiplier_step = 5;
                    hud_set_player_ref(two ? &p2 : nullptr, 2);
                    hud_init_level();
                    g_camera.end_view = 0;
                    hud_set_counter(0, 9999, 1000.0f);
                    for (int f = 0; f < 400; f++) {
                        draw();   // in play, the HUD in place
                    }
                    for (const glyphs::Draw &d : glyphs::draws()) {
                        if (d.a <= 0.0f) {
                            continue;
                        }
                        kinds_seen.insert("in play");
                        for (const screen_text::Aspect &aspect : screen_text::ASPECTS) {
                            const screen_text::Box b = screen_text::draw_box(ink, d, 0.0f, aspect.value);
                            if (!b.inside_screen()) {
                                faults.insert(std::to_string(lang) + " " + aspect.name +
                                              (two ? " two players" : " one player") + " level " +
                                              std::to_string(level) + " in play: \"" + d.text + "\" " +
                                              screen_text::describe(b));
                            }
                        }
                    }
                    g_camera.end_view = 1;
                    hud_set_text(12000, 12, result);
                    for (int f = 1; f <= 1300; f++) {
                        draw();
                        for (const glyphs::Draw &d : glyphs::draws()) {
                            const std::string t = d.text;
                            const bool banner = std::count(std::begin(banners), std::end(banners), t) > 0;
                            const bool payment = t.rfind(time_bonus, 0) == 0 || t.rfind(bomb_total, 0) == 0 ||
                                                 t.find(bomb_step) != std::string::npos ||
                                                 (t[0] == '*' && d.z == 18.0f);
                            const bool flies = t == flying && f <= 420;
                            if (d.a <= 0.0f || !(banner || payment || flies)) {
                                continue;
                            }
                            kinds_seen.insert(banner ? "banner" : flies ? "flying" : "payment");
                            for (const screen_text::Aspect &aspect : screen_text::ASPECTS) {
                                const screen_text::Box b = screen_text::draw_box(ink, d, 0.0f, aspect.value);
                                if (!b.inside_screen()) {
                                    faults.insert(std::to_string(lang) + " " + aspect.name +
                                                  (two ? " two players" : " one player") + " level " +
                                                  std::to_string(level) + ": \"" + t + "\" " +
                                                  screen_text::describe(b));
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(kinds_seen.size(), 4u) << "the texts in play, banners, the flying banner and the payments were all drawn";
    std::string report;
    for (const std::string &f : faults) {
        report += f + "\n";
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " lines leave the screen:\n" << report;
}

} // namespace
