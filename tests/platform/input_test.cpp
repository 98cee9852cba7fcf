// The input ring between the sampler and the game thread: publishing a sample, the
// pause word, replaying a step, and the reset.

#include "platform/input.h"

#include <gtest/gtest.h>

namespace {

class InputRing : public ::testing::Test {
protected:
    void SetUp() override
    {
        input_reset();
        for (PlayerInput &p : g_player_input) {
            p.joystick_deadzone = 0.3f;
            p.input_type = 0.0f;
        }
    }
    void TearDown() override
    {
        input_reset();
        g_menu_input = 0;
    }
};

TEST_F(InputRing, EachSamplePublishesOneSlot)
{
    g_input_write = INPUT_RING_MASK;
    EXPECT_EQ(input_timer_tick(10, nullptr), 10u);
    EXPECT_EQ(g_input_write, 0) << "the write index wraps";
    EXPECT_EQ(g_input_pending, 1);
    input_timer_tick(10, nullptr);
    EXPECT_EQ(g_input_write, 1);
    EXPECT_EQ(g_input_pending, 2);
}

TEST_F(InputRing, PausedSamplerWritesNothing)
{
    g_input_paused = 1;
    input_timer_tick(10, nullptr);
    EXPECT_EQ(g_input_write, 0);
    EXPECT_EQ(g_input_pending, 0);
}

TEST_F(InputRing, StepReplaysOneSlotWithTheDeadZone)
{
    InputFrame &f = g_input_ring[5];
    f = InputFrame{};
    f.axis[0] = 0.29f;    // player 1 move x
    f.axis[2] = -0.3f;    // player 1 move y: both inside 0.3
    f.axis[1] = 0.31f;    // player 2 move x outside
    f.axis[4] = 0.5f;     // player 1 fire x
    f.buttons[0] = INPUT_BUTTON_BOMB;
    g_input_read = 5;
    input_step();
    EXPECT_EQ(g_input_read, 6);
    EXPECT_EQ(g_player_input[0].move[0], 0.0f);
    EXPECT_EQ(g_player_input[0].move[1], 0.0f);
    EXPECT_EQ(g_player_input[1].move[1], 0.31f) << "raw, not rescaled";
    EXPECT_EQ(g_player_input[0].fire[1], 0.5f);
    EXPECT_EQ(g_player_input[0].buttons, INPUT_BUTTON_BOMB | INPUT_BUTTON_FIRE);
}

TEST_F(InputRing, MenusSeeSelectAndBackSetsTheLatch)
{
    g_input_ring[0] = InputFrame{};
    g_input_ring[0].keys = INPUT_KEY_SELECT;
    g_input_ring[0].buttons[0] = INPUT_BUTTON_BOMB;
    g_menu_input = 1;
    input_step();
    EXPECT_EQ(g_player_input[0].buttons, INPUT_BUTTON_SELECT) << "game buttons are masked in menus";

    g_menu_input = 0;
    g_input_ring[1] = InputFrame{};
    g_input_ring[1].keys = INPUT_KEY_BACK;
    input_step();
    EXPECT_EQ(g_back_latch, 1);
    input_reset();
    EXPECT_EQ(g_back_latch, 0);
}

TEST_F(InputRing, ResetClearsMovementAndIndices)
{
    g_input_write = 40;
    g_input_pending = 12;
    g_input_read = 28;
    g_player_input[1].fire[0] = 3.0f;
    g_player_input[1].move[1] = 1.0f;
    g_input_paused = 1;
    input_reset();
    EXPECT_EQ(g_input_write, 0);
    EXPECT_EQ(g_input_pending, 0);
    EXPECT_EQ(g_input_read, 0);
    EXPECT_EQ(g_input_paused, 0) << "the sampler runs again";
    EXPECT_EQ(g_player_input[1].fire[0], 0.0f);
    EXPECT_EQ(g_player_input[1].move[1], 0.0f);
}

} // namespace
