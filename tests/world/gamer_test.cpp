// The ships as the game flow sees them: the result of their update, the difficulty
// from their skill, the hand-back of their records and the abandon.

#include "world/gamer.h"

#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "platform/input.h"

#include <gtest/gtest.h>

namespace {

class GamerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_game_type = 0.0f;
        g_two_player = 0;
        game_reset();
        set_ships(0, 0, 0);
        g_hidden_keys = 0;
        g_f1_flag = 0.0f;
    }
    void TearDown() override
    {
        set_ships(0, 0, 0);
        g_hidden_keys = 0;
        g_f1_flag = 0.0f;
        g_level_number = 101;
    }
    static void set_ships(int count, int in_play, int with_lives)
    {
        g_gamer_count = count;
        g_gamer_in_play = in_play;
        g_gamer_with_lives = with_lives;
    }
};

TEST_F(GamerTest, UpdateTellsPlayDeathAndGameOverApart)
{
    set_ships(2, 1, 2);
    EXPECT_EQ(gamer_update_all(), 1);
    set_ships(2, 0, 1);
    EXPECT_EQ(gamer_update_all(), 0) << "out of play with lives left: a death";
    set_ships(2, 0, 0);
    EXPECT_EQ(gamer_update_all(), -1);
    set_ships(0, 0, 0);
    EXPECT_EQ(gamer_update_all(), -1) << "no ship has lives left";
    EXPECT_EQ(gamer_first_exists(), 0);
}

TEST_F(GamerTest, DifficultyIsTheShipsMeanSkillPlusTheBaseSkill)
{
    set_ships(2, 2, 2);
    g_gameinfo[0].skill = 10.0f;
    g_gameinfo[1].skill = 20.0f;
    g_gameinfo[2].skill = 90.0f;   // no ship of player 3
    g_base_skill = 30.0f;
    gamer_skill_difficulty();
    EXPECT_FLOAT_EQ(g_difficulty, 45.0f);
    EXPECT_EQ(g_difficulty_level, 1);
    EXPECT_FLOAT_EQ(g_gameloop_budget, 145.0f);
}

TEST_F(GamerTest, AfterAWrapTheEasiestGameTypesStartAtThirty)
{
    set_ships(1, 1, 1);
    g_gameinfo[0].skill = 4.0f;
    gamer_skill_difficulty();
    EXPECT_FLOAT_EQ(g_difficulty, 4.0f);
    g_loop_value = 2.0f;
    gamer_skill_difficulty();
    EXPECT_FLOAT_EQ(g_difficulty, 30.0f);
    g_game_type = 2.0f;   // base skill 60 is above the floor anyway
    g_base_skill = 60.0f;
    gamer_skill_difficulty();
    EXPECT_FLOAT_EQ(g_difficulty, 64.0f);
}

TEST_F(GamerTest, HandBackRunsTheSkillRuleForEveryShip)
{
    set_ships(2, 2, 2);
    g_gameinfo[0].skill = 10.0f;
    g_gameinfo[1].skill = 5.0f;
    g_gameinfo[2].skill = 5.0f;
    gamer_gameinfo(0, 250);
    EXPECT_FLOAT_EQ(g_gameinfo[0].skill, 8.0f);
    EXPECT_FLOAT_EQ(g_gameinfo[1].skill, 3.0f);
    EXPECT_FLOAT_EQ(g_gameinfo[2].skill, 5.0f) << "no ship, no hand-back";
    EXPECT_EQ(g_gameinfo[0].play_ticks, 250);
    gamer_gameinfo(1, 100);
    EXPECT_FLOAT_EQ(g_gameinfo[0].skill, 8.18f);
    EXPECT_EQ(g_gameinfo[1].play_ticks, 350);
}

TEST_F(GamerTest, LevelEndAwardIsTheBombsOnATenthLevel)
{
    set_ships(1, 1, 1);
    g_gameinfo[0].bombs = 6;
    g_level_number = 119;
    EXPECT_EQ(gamer_award_level_end(), 6);
    g_level_number = 120;
    EXPECT_EQ(gamer_award_level_end(), 0);
}

TEST_F(GamerTest, AbandonTakesEveryLifeUnlessInvulnerable)
{
    set_ships(2, 2, 2);
    g_hidden_keys = 1;
    g_f1_flag = 1.0f;
    gamer_tick_countdowns();
    EXPECT_EQ(gamer_update_all(), 1);
    g_f1_flag = 0.0f;
    gamer_tick_countdowns();
    EXPECT_EQ(gamer_update_all(), -1);
}

} // namespace
