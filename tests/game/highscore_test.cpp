// High-score tables: defaults, the check and the named entry with their tie rule, the
// page lines, and the level reached with the start stages and game types it opens.

#include "game/highscore.h"

#include "core/mem.h"
#include "game/gameinfo.h"
#include "game/menu.h"
#include "platform/input.h"
#include "tests/game/game_folder.h"
#include "tests/support/log_capture.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <gtest/gtest.h>

namespace {

class HighScores : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        g_game_type = 0.0f;
        g_two_player = 0;
        g_wrap_count = 0;
        g_level_number = 101;
        g_levels_completed = 0;
        g_start_stage = 1.0f;
        g_hidden_keys = 0;
        score_init();
        g_new_row = -1;
        g_score_gameinfo = nullptr;
        gi = GameInfo{};
    }
    void TearDown() override
    {
        g_hidden_keys = 0;
        score_tables_reset();   // the rows entered and the levels reached stay in the test
        g_new_row = -1;
        g_score_gameinfo = nullptr;
    }

    // A game over with score points, then the name typed.
    void enter(int32_t score, const char *name)
    {
        gi.score = score;
        score_check_new(&gi);
        snprintf(g_name_buffer, sizeof(g_name_buffer), "%s", name);
        score_insert(&first_row, &table);
    }

    GameFolder folder;
    LogCapture log;
    GameInfo gi{};
    int first_row = -1;
    int table = -1;
};

TEST_F(HighScores, ZeroNeverEntersAndTheLastRowTakesAnEqualScore)
{
    gi.score = 0;
    score_check_new(&gi);
    EXPECT_EQ(g_new_row, -1);
    EXPECT_EQ(g_menu_choice, 0);
    EXPECT_EQ(log.count("[score] check 0 points: row -1"), 1);
    EXPECT_FALSE(folder.exists("score.cfg")) << "the defaults and a check alone are not saved";

    gi.score = 1000;
    score_check_new(&gi);
    EXPECT_EQ(g_new_row, 19);
    EXPECT_EQ(g_menu_choice, MENU_CHOICE_NAME_ENTRY);
    EXPECT_EQ(log.count("[score] check 1000 points: row 19"), 1);
    gi.play_ticks = 4200;
    gi.peak_skill = 12.5f;
    gi.peak_step = 3;
    g_levels_completed = 4;
    snprintf(g_name_buffer, sizeof(g_name_buffer), "abc");
    time_t before = time(nullptr);
    score_insert(&first_row, &table);
    const HighScore &h = g_score_tables[0][19];
    EXPECT_STREQ(h.name, "abc") << "the old row 19 is gone";
    EXPECT_EQ(h.score, 1000);
    EXPECT_EQ(h.play_ticks, 4200);
    EXPECT_EQ(h.peak_skill, 12.5f);
    EXPECT_EQ(h.extra, 3);
    EXPECT_EQ(h.levels, 4);
    EXPECT_GE(h.date, (int32_t)before);
    EXPECT_LE(h.date, (int32_t)time(nullptr));
    EXPECT_EQ(g_score_tables[0][18].score, 2000);
    EXPECT_EQ(first_row, 10);
    EXPECT_EQ(table, 0);
    EXPECT_EQ(folder.read("score.cfg").size(), 9028u) << "an entry always saves";
}

TEST_F(HighScores, NewerOfTwoEqualScoresStandsFirst)
{
    g_game_type = 3.0f;
    g_two_player = 1;
    enter(15000, "AAA");
    enter(15000, "BBB");
    EXPECT_EQ(table, 11);
    EXPECT_STREQ(g_score_tables[11][5].name, "BBB");
    EXPECT_STREQ(g_score_tables[11][6].name, "AAA");
    EXPECT_STREQ(g_score_tables[11][7].name, "===");
    EXPECT_EQ(g_score_tables[11][7].score, 15000);
    EXPECT_EQ(g_score_tables[11][19].score, 3000);
    EXPECT_EQ(g_score_tables[3][5].score, 15000) << "the one-player table is untouched";
}

TEST_F(HighScores, RowFourteenOpensTheViewAtRowTen)
{
    enter(6000, "A");
    EXPECT_EQ(g_new_row, 14);
    EXPECT_EQ(first_row, 10);
    EXPECT_EQ(memcmp(g_score_tables[0][14].name, "A  ", 4), 0) << "a short name is padded";
}

TEST_F(HighScores, InsertWithoutARowIsRefused)
{
    gi.score = 500;
    g_score_gameinfo = &gi;
    g_new_row = 19;   // as if the tables changed after the check
    snprintf(g_name_buffer, sizeof(g_name_buffer), "xyz");
    HighScoreTables before;
    memcpy(before, g_score_tables, sizeof(before));
    score_insert(&first_row, &table);
    EXPECT_EQ(memcmp(before, g_score_tables, sizeof(before)), 0);
    EXPECT_EQ(log.count_containing("*** [score]"), 1) << log.joined();
    EXPECT_EQ(first_row, 0);
    EXPECT_FALSE(folder.exists("score.cfg"));
}

TEST_F(HighScores, ZudTurnsOnTheDeveloperKeys)
{
    enter(30000, "zuc");
    EXPECT_EQ(g_hidden_keys & 1, 0);
    enter(30000, "zud");
    EXPECT_EQ(g_hidden_keys & 1, 1);
}

TEST_F(HighScores, LinesHaveTheirFieldWidths)
{
    HighScore &a = g_score_tables[0][0];
    a.score = 12345;
    a.play_ticks = 6000;
    a.levels = 5;
    memcpy(a.name, "ABC", 4);
    HighScore &b = g_score_tables[0][3];
    b.score = 250000;
    b.play_ticks = 12300;
    b.levels = 12;
    memcpy(b.name, "ABC", 4);
    g_new_row = 3;
    MenuItem items[SCORE_PAGE_ROWS] = {};
    score_format_table(items, 0, 0);
    EXPECT_STREQ(items[3].text, "  1> ABC    1:00      5     12345");
    EXPECT_STREQ(items[6].text, "> 4> ABC    2:03     12    250000");

    char blank[SCORE_LINE_SIZE] = "untouched";
    score_format_blank(blank);
    EXPECT_STREQ(blank, "untouched") << "nothing before a check";
    gi.play_ticks = 12300;
    gi.score = 250000;
    g_score_gameinfo = &gi;
    g_levels_completed = 12;
    score_format_blank(blank);
    EXPECT_STREQ(blank, "  4>        2:03     12    250000");

    score_format_table(items, 15, 0);
    EXPECT_EQ(strncmp(items[12].text, " 20>", 4), 0) << "the view stops at row 10: " << items[12].text;
}

TEST_F(HighScores, LevelReachedOpensStagesAndTypes)
{
    g_level_reached[0] = 100;
    g_level_reached[1] = 1;
    EXPECT_EQ(level_reached_count(), 1);
    EXPECT_EQ(level_reached_get(), 9);
    g_two_player = 1;
    EXPECT_EQ(level_reached_count(), 0) << "the two-player half is its own";
    EXPECT_EQ(level_reached_get(), 1);

    g_two_player = 0;
    g_level_reached[0] = 25;
    g_start_stage = 5.0f;   // left from a table that had reached further
    EXPECT_EQ(level_reached_get(), 3);
    EXPECT_EQ(g_start_stage, 3.0f);
    g_level_reached[0] = 0;
    EXPECT_EQ(level_reached_get(), 1);
    EXPECT_EQ(g_start_stage, 1.0f);
}

TEST_F(HighScores, WrapOpensTheTablesUpToTheWrapCount)
{
    g_wrap_count = 2;
    g_level_number = 101;
    level_reached_update(0);
    EXPECT_EQ(g_level_reached[0], 100);
    EXPECT_EQ(g_level_reached[1], 100);
    EXPECT_EQ(g_level_reached[2], 1);
    EXPECT_EQ(g_level_reached[3], 0);
    EXPECT_EQ(g_level_reached[8], 0);
    ASSERT_TRUE(folder.exists("score.cfg")) << "a change saves";

    g_level_number = 107;
    level_reached_update(0);
    EXPECT_EQ(g_level_reached[2], 7);
    EXPECT_EQ(g_level_reached[0], 100);

    std::remove(folder.file("score.cfg").c_str());
    level_reached_update(0);
    EXPECT_FALSE(folder.exists("score.cfg")) << "nothing rose, nothing saved";
    level_reached_update(1);
    EXPECT_TRUE(folder.exists("score.cfg")) << "force saves";
}

} // namespace
