// Game records: new game, the skill rule, the multiplier thresholds and the level
// sequence over marker files.

#include "game/gameinfo.h"

#include "game/level_driver.h"
#include "platform/input.h"
#include "render/camera.h"
#include "tests/support/log_capture.h"
#include "tests/game/game_folder.h"
#include "world/powerup.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

class GameInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_game_type = 0.0f;
        g_start_level = 101.0f;
        g_two_player = 0;
        g_difficulty = 0.0f;
        game_reset();
    }
    LogCapture log;
};

TEST_F(GameInfoTest, NewGameGivesThreeLivesAndBombsToEveryRecord)
{
    EXPECT_EQ(g_level_number, 101);
    EXPECT_EQ(g_loop_value, 1.0f);
    for (int i = 0; i < GAMEINFO_PLAYERS; i++) {
        EXPECT_EQ(g_gameinfo[i].number, i + 1);
        EXPECT_EQ(g_gameinfo[i].lives, 3);
        EXPECT_EQ(g_gameinfo[i].bombs, 3);
        EXPECT_EQ(g_gameinfo[i].score, 0);
        EXPECT_EQ(g_gameinfo[i].input, &g_player_input[i & 1]);
    }
}

TEST_F(GameInfoTest, NewGameSetsTheCameraStyleAndThePowerUpCountdown)
{
    g_camera.style = 0;
    g_powerup_countdown = -35.0f;
    g_difficulty = 80.0f;
    g_difficulty_level = 2;
    game_reset();
    EXPECT_EQ(g_camera.style, 3);
    EXPECT_EQ(g_powerup_countdown, 20.0f);
    EXPECT_EQ(g_difficulty, 0.0f);
    EXPECT_EQ(g_difficulty_level, 0);
}

TEST_F(GameInfoTest, TwoPlayerGameSharesPlayerOnesStock)
{
    g_two_player = 1;
    g_game_type = 2.0f;
    g_start_level = 117.9f;
    game_reset();
    EXPECT_EQ(g_gameinfo[0].lives, 4);
    EXPECT_EQ(g_gameinfo[0].bombs, 5);
    EXPECT_EQ(g_gameinfo[1].lives, 0);
    EXPECT_EQ(g_gameinfo[1].bombs, 0);
    EXPECT_EQ(g_gameinfo[2].lives, 3);
    EXPECT_EQ(g_base_skill, 60.0f);
    EXPECT_EQ(g_wrap_skill, 60.0f);
    EXPECT_EQ(g_level_number, 117);
}

TEST_F(GameInfoTest, ThresholdsRiseInEvenStepsThenStop)
{
    EXPECT_EQ(g_score_thresholds[0], 50000);
    EXPECT_EQ(g_score_thresholds[1], 200000);
    EXPECT_EQ(g_score_thresholds[2], 500000);
    EXPECT_EQ(g_score_thresholds[3], 800000);
    EXPECT_EQ(g_score_thresholds[48], 14300000);
    for (int i = 49; i < SCORE_THRESHOLDS; i++) {
        EXPECT_EQ(g_score_thresholds[i], 0) << i;
    }
}

TEST_F(GameInfoTest, CompletedLevelsRaiseSkillByTheStreakUpToACap)
{
    GameInfo g;
    for (int level = 1; level <= 16; level++) {
        gameinfo_get(1, &g);
        float before = g.skill;
        gameinfo_set(1, &g, 1, 100);
        float gain = g_gameinfo[0].skill - before;
        float want = level < 14 ? 0.18f * (float)level : 2.4f;
        EXPECT_NEAR(gain, want, 1e-4f) << "level " << level;
    }
    EXPECT_EQ(g_gameinfo[0].play_ticks, 1600);
    EXPECT_EQ(g_gameinfo[0].peak_skill, g_gameinfo[0].skill);
}

TEST_F(GameInfoTest, FailureLosesAFifthOfTheSkillAtLeastTwo)
{
    GameInfo g;
    gameinfo_get(1, &g);
    g.skill = 5.0f;
    g.streak = 4.0f;
    gameinfo_set(1, &g, 0, 0);
    EXPECT_FLOAT_EQ(g_gameinfo[0].skill, 3.0f);
    EXPECT_FLOAT_EQ(g_gameinfo[0].streak, 2.0f);

    g.skill = 50.0f;
    gameinfo_set(1, &g, 0, 0);
    EXPECT_FLOAT_EQ(g_gameinfo[0].skill, 40.0f);

    g_loop_value = 2.0f;   // later loops forgive more
    gameinfo_set(1, &g, 0, 0);
    EXPECT_FLOAT_EQ(g_gameinfo[0].skill, 45.0f);

    g_two_player = 1;      // and two players more again: loss 2.5
    gameinfo_set(1, &g, 0, 0);
    EXPECT_FLOAT_EQ(g_gameinfo[0].skill, 47.5f);

    g.skill = 1.0f;
    gameinfo_set(1, &g, 0, 0);
    EXPECT_EQ(g_gameinfo[0].skill, 0.0f) << "skill never goes below 0";
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(GameInfoTest, PlayerNumbersOutsideTheTableAreRefused)
{
    GameInfo g = g_gameinfo[0];
    g.score = 999;
    gameinfo_set(0, &g, 1, 10);
    gameinfo_set(9, &g, 1, 10);
    GameInfo out;
    memset(&out, 0x5a, sizeof(out));
    gameinfo_get(-1, &out);
    EXPECT_EQ(log.count("*** help gameinfo"), 3);
    for (const GameInfo &r : g_gameinfo) {
        EXPECT_EQ(r.score, 0);
    }
    EXPECT_EQ(out.number, 0x5a5a5a5a);
}

class LevelSequence : public GameInfoTest {
protected:
    void markers(int first, int last)
    {
        for (int level = first; level <= last; level++) {
            dir.write("level" + std::to_string(level) + ".lua", "-- marker\n");
        }
    }
    GameFolder dir;
};

TEST_F(LevelSequence, NothingHappensWithoutTheAdvanceFlag)
{
    markers(101, 110);
    g_level_number = 99;
    EXPECT_EQ(level_next(), 0);
    EXPECT_EQ(g_level_number, 100) << "numbers below 100 are raised to 100";
    g_level_number = 105;
    EXPECT_EQ(level_next(), 0);
    EXPECT_EQ(g_level_number, 105);
    EXPECT_EQ(g_levels_completed, 0);
}

TEST_F(LevelSequence, EveryTenthLevelGivesALifeAndABomb)
{
    markers(101, 120);
    g_level_number = 109;
    g_level_advance = 1;
    EXPECT_EQ(level_next(), 0);
    EXPECT_EQ(g_level_number, 110);
    EXPECT_EQ(g_levels_completed, 1);
    EXPECT_EQ(g_level_advance, 0);
    for (const GameInfo &g : g_gameinfo) {
        EXPECT_EQ(g.lives, 4);
        EXPECT_EQ(g.bombs, 4);
    }
    g_level_advance = 1;
    level_next();
    EXPECT_EQ(g_level_number, 111);
    EXPECT_EQ(g_gameinfo[0].lives, 4);
}

TEST_F(LevelSequence, MissingOrEmptyMarkerWrapsToTheFirstLevel)
{
    markers(101, 130);
    dir.write("level125.lua", "");
    g_level_number = 130;
    g_level_advance = 1;
    EXPECT_EQ(level_next(), 1);
    EXPECT_EQ(g_level_number, 101);
    EXPECT_EQ(g_loop_value, 2.0f);
    EXPECT_EQ(g_wrap_count, 1) << "difficulty 0 still counts as step 1";
    EXPECT_EQ(g_finished, 1) << "game type 0 always finishes at a wrap";
    EXPECT_EQ(g_wrap_skill, 30.0f);

    g_level_number = 124;
    g_level_advance = 1;
    EXPECT_EQ(level_next(), 1) << "an empty marker counts as missing";
}

TEST_F(LevelSequence, WrapJumpsTheMultiplierByTheSkillAboveTheMark)
{
    markers(101, 110);
    g_difficulty = 95.0f;   // three steps of 30 above the wrap mark of game type 0
    for (GameInfo &g : g_gameinfo) {
        g.multiplier_step = 2;
        g.running_total = 300000;
    }
    g_gameinfo[3].multiplier_step = 0;
    g_gameinfo[3].running_total = 10000;
    g_level_number = 110;
    g_level_advance = 1;
    EXPECT_EQ(level_next(), 1);
    EXPECT_EQ(g_wrap_count, 3);
    EXPECT_EQ(g_wrap_steps, 3);
    // 300000 - T[1] + T[4] keeps the progress past the old threshold.
    EXPECT_EQ(g_gameinfo[0].multiplier_step, 5);
    EXPECT_EQ(g_gameinfo[0].running_total, 300000 - 200000 + 1100000);
    EXPECT_EQ(g_gameinfo[3].multiplier_step, 3);
    EXPECT_EQ(g_gameinfo[3].running_total, 10000 + 500000);

    g_level_number = 110;
    g_level_advance = 1;
    level_next();
    EXPECT_EQ(g_wrap_steps, 2) << "the mark rose by 30";
}

TEST_F(LevelSequence, WrapJumpStopsAtTheLastThreshold)
{
    markers(101, 101);
    g_difficulty = 7000.0f;   // k of about 233 steps
    g_gameinfo[0].multiplier_step = 47;
    g_gameinfo[0].running_total = g_score_thresholds[46] + 10;
    g_gameinfo[1].multiplier_step = 49;
    g_gameinfo[1].running_total = 20000000;
    g_level_number = 101;
    g_level_advance = 1;
    EXPECT_EQ(level_next(), 1);
    EXPECT_EQ(g_wrap_count, 7);
    EXPECT_EQ(g_gameinfo[0].multiplier_step, 49);
    EXPECT_EQ(g_gameinfo[0].running_total, g_score_thresholds[48] + 10);
    EXPECT_EQ(g_gameinfo[1].multiplier_step, 49) << "a record at the top stays there";
    EXPECT_EQ(g_gameinfo[1].running_total, 20000000);
}

TEST_F(LevelSequence, MarkerBeyondTheEmbeddedLevelsWrapsLikeAMissingOne)
{
    // A marker for a level the program has no script for would start an empty level.
    markers(101, 195);
    g_level_number = 188;
    g_level_advance = 1;
    EXPECT_EQ(level_next(), 0);
    EXPECT_EQ(g_level_number, 189);
    g_level_advance = 1;
    EXPECT_EQ(level_next(), 1);
    EXPECT_EQ(g_level_number, 101);
    EXPECT_EQ(g_loop_value, 2.0f);
    EXPECT_EQ(g_levels_completed, 2);
    EXPECT_EQ(log.errors(), 0) << "a quiet question to the store";
}

} // namespace
