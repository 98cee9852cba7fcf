// The input sampler's rules without hardware: device snapshots through the bindings into
// frames (keys, mouse, joysticks, menus), the ring between sampler and game thread, the
// replay of one step and the reset.

#include "platform/bind.h"
#include "platform/input.h"
#include "platform/input_local.h"
#include "tests/support/log_capture.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <string>

namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_menu_input = 0;
        g_hidden_keys = 0;
        g_f1_flag = 0.0f;
        g_f2_flag = 0;
        g_mouse_speed = 1.0f;
        input_clear_slots();
        for (int i = 0; i < INPUT_MAX_JOYSTICKS; i++) {
            input_joysticks[i].open = 0;
            input_joystick_setup(i, 0, 0, 0);
        }
        input_joystick_count = 0;
        for (PlayerInput &p : g_player_input) {
            p.joystick_deadzone = 0.3f;
            p.input_type = 0.0f;
        }
        input_reset();
        g_input_ring_state = 0;
        g_input_read = 0;
    }
    void TearDown() override
    {
        g_menu_input = 0;
        g_hidden_keys = 0;
        input_clear_slots();
        input_joystick_count = 0;
        input_reset();
    }

    static void bind(const char *entity, const char *target)
    {
        std::string e = entity;
        std::string t = target;
        char *argv[] = {e.data(), t.data(), nullptr};
        input_cmd_bind(2, argv);
    }

    // One sample of the snapshot, as the sampler takes it.
    InputFrame sample()
    {
        InputFrame f;
        input_build_frame(&snap, &f);
        return f;
    }

    // Joystick index 0..15 present with the given counts.
    static void joystick(int index, int buttons, int axes)
    {
        input_joystick_setup(index, buttons, axes, 0);
        input_joysticks[index].open = 1;
        if (input_joystick_count <= index) {
            input_joystick_count = index + 1;
        }
    }

    InputSnapshot snap{};
    LogCapture log;
};

class InputRing : public InputTest {};
class InputStep : public InputTest {};
class InputKeys : public InputTest {};
class InputMouse : public InputTest {};
class InputJoysticks : public InputTest {};

// Publishes a frame carrying code, as the sampler would.
void push(int code)
{
    InputFrame f{};
    f.last_code = code;
    input_ring_push(&f);
}

TEST_F(InputRing, PublishesTheSlotWithIndexAndCountTogether)
{
    g_input_ring_state = INPUT_RING_MASK;   // write index 1023, nothing pending
    push(7);
    EXPECT_EQ(input_write_index(), 0) << "the write index wraps";
    EXPECT_EQ(input_pending_count(), 1);
    EXPECT_EQ(g_input_ring[INPUT_RING_MASK].last_code, 7);
    push(8);
    EXPECT_EQ(input_take_pending(), 2);
    EXPECT_EQ(g_input_read, INPUT_RING_MASK) << "the first slot taken";
    EXPECT_EQ(input_write_index(), 1) << "taking keeps the write index";
    EXPECT_EQ(input_pending_count(), 0);
}

TEST_F(InputRing, StepsReplayTheTakenSlotsInOrderAcrossTheWrap)
{
    g_input_ring_state = INPUT_RING_SIZE - 4;
    for (int i = 1; i <= 9; i++) {
        push(i);
    }
    ASSERT_EQ(input_take_pending(), 9);
    for (int i = 1; i <= 9; i++) {
        input_step();
        EXPECT_EQ(g_input_frame->last_code, i);
    }
    EXPECT_EQ(g_input_read, 5);
}

TEST_F(InputRing, PausedSamplerWritesNothing)
{
    g_input_paused = 1;
    EXPECT_EQ(input_timer_tick(10, nullptr), 10u);
    EXPECT_EQ(g_input_ring_state.load(), 0u);
    g_input_paused = 0;
    EXPECT_EQ(input_timer_tick(10, nullptr), 10u);
    EXPECT_EQ(input_pending_count(), 1);
    EXPECT_EQ(g_input_busy, 0);
}

TEST_F(InputRing, TakingLetsAPausedSamplerRunAgain)
{
    g_input_paused = 1;
    EXPECT_EQ(input_take_pending(), 0);
    EXPECT_EQ(g_input_paused, 0);
}

TEST_F(InputRing, ResetDropsThePendingSamplesButNotTheTakenOnes)
{
    for (int i = 1; i <= 3; i++) {
        push(i);
    }
    ASSERT_EQ(input_take_pending(), 3);
    push(4);
    input_reset();
    EXPECT_EQ(input_pending_count(), 0) << "sample 4 is dropped";
    // The sampler goes on after the slots already taken, so they are replayed intact.
    push(5);
    for (int i = 1; i <= 3; i++) {
        input_step();
        EXPECT_EQ(g_input_frame->last_code, i);
    }
    ASSERT_EQ(input_take_pending(), 1);
    input_step();
    EXPECT_EQ(g_input_frame->last_code, 5);
}

TEST_F(InputRing, PendingCountDropsAboveHundredAsTheFrameDoes)
{
    for (int i = 0; i < 101; i++) {
        push(i);
    }
    int n = input_take_pending();
    ASSERT_EQ(n, 101);
    input_reset();
    push(500);
    ASSERT_EQ(input_take_pending(), 1) << "only the sample after the drop";
    input_step();
    EXPECT_EQ(g_input_frame->last_code, 500);
}

TEST_F(InputRing, ResetClearsMovementFireLatchAndPointer)
{
    g_player_input[1].fire[0] = 3.0f;
    g_player_input[1].move[1] = 1.0f;
    g_player_input[0].move_spare = 2.0f;
    g_player_input[0].fire_spare = 2.0f;
    g_back_latch = 1;
    g_menu_pointer[0] = 5.0f;
    g_menu_click = 1;
    g_input_paused = 1;
    input_reset();
    EXPECT_EQ(g_input_paused, 0) << "the sampler runs again";
    EXPECT_EQ(g_player_input[1].fire[0], 0.0f);
    EXPECT_EQ(g_player_input[1].move[1], 0.0f);
    EXPECT_EQ(g_player_input[0].move_spare, 0.0f);
    EXPECT_EQ(g_player_input[0].fire_spare, 0.0f);
    EXPECT_EQ(g_back_latch, 0);
    EXPECT_EQ(g_menu_pointer[0], -9.0f);
    EXPECT_EQ(g_menu_pointer[1], 2.0f);
    EXPECT_EQ(g_menu_click, 0);
}

TEST_F(InputStep, DeadZoneKeepsRawValuesOutsideAndNothingInside)
{
    InputFrame &f = g_input_ring[5];
    f = InputFrame{};
    f.axis[0] = 0.29f;    // player 1 move x
    f.axis[2] = -0.3f;    // player 1 move y: both inside 0.3
    f.axis[1] = 0.31f;    // player 2 move x outside
    f.axis[4] = 0.5f;     // player 1 fire x
    f.axis[7] = 0.2f;     // player 2 fire y inside
    f.buttons[0] = INPUT_BUTTON_BOMB;
    g_input_read = 5;
    input_step();
    EXPECT_EQ(g_input_read, 6);
    EXPECT_EQ(g_player_input[0].move[0], 0.0f);
    EXPECT_EQ(g_player_input[0].move[1], 0.0f);
    EXPECT_EQ(g_player_input[1].move[0], 0.0f);
    EXPECT_EQ(g_player_input[1].move[1], 0.31f) << "raw, not rescaled";
    EXPECT_EQ(g_player_input[0].fire[1], 0.5f);
    EXPECT_EQ(g_player_input[0].buttons, INPUT_BUTTON_BOMB | INPUT_BUTTON_FIRE);
    EXPECT_EQ(g_player_input[1].fire[0], 0.0f);
    EXPECT_EQ(g_player_input[1].buttons, 0u) << "no fire inside the dead zone";
}

TEST_F(InputStep, MouseAimSumsEveryDeltaUntilTheReset)
{
    g_player_input[0].input_type = 1.0f;
    for (int i = 0; i < 3; i++) {
        g_input_ring[i] = InputFrame{};
        g_input_ring[i].axis[4] = 0.1f * (float)(i + 1);
        g_input_ring[i].axis[6] = -2.0f;
    }
    input_step();
    input_step();
    input_step();
    EXPECT_FLOAT_EQ(g_player_input[0].fire[1], 0.6f);
    EXPECT_EQ(g_player_input[0].fire[0], -6.0f);
    EXPECT_EQ(g_player_input[0].buttons & INPUT_BUTTON_FIRE, 0u) << "mouse aim fires by button";
    input_reset();
    EXPECT_EQ(g_player_input[0].fire[1], 0.0f);
}

TEST_F(InputStep, MenusSeeSelectAndBackSetsTheLatch)
{
    g_input_ring[0] = InputFrame{};
    g_input_ring[0].keys = INPUT_KEY_SELECT;
    g_input_ring[0].buttons[0] = INPUT_BUTTON_BOMB;
    g_input_ring[0].buttons[1] = INPUT_BUTTON_FIRE_ONLY;
    g_input_ring[0].axis[5] = 1.0f;
    g_menu_input = 1;
    input_step();
    EXPECT_EQ(g_player_input[0].buttons, INPUT_BUTTON_SELECT) << "game buttons are masked in menus";
    EXPECT_EQ(g_player_input[1].buttons, INPUT_BUTTON_FIRE) << "the fire stick still counts";

    g_menu_input = 0;
    g_input_ring[1] = InputFrame{};
    g_input_ring[1].keys = INPUT_KEY_BACK;
    g_input_ring[1].buttons[0] = INPUT_BUTTON_BOMB;
    input_step();
    EXPECT_EQ(g_back_latch, 1);
    EXPECT_EQ(g_player_input[0].buttons, 0u) << "the pause latch masks the game buttons";
}

TEST_F(InputKeys, BoundKeysDriveBothPlayersAxesAndButtons)
{
    bind("key119", "move_forward");
    bind("key100", "move_right");
    bind("key273", "fire_forward");
    bind("key276", "fire_left");
    bind("key106", "move_left_2");
    bind("key304", "fire_only");
    bind("key32", "smartbomb");
    bind("key256", "smartbomb_2");
    for (int code : {119, 100, 273, 276, 106, 304, 32, 256}) {
        snap.keys[code] = 1;
    }
    InputFrame f = sample();
    EXPECT_EQ(f.axis[0], 1.0f);
    EXPECT_EQ(f.axis[2], -1.0f) << "forward is negative";
    EXPECT_EQ(f.axis[4], -1.0f);
    EXPECT_EQ(f.axis[6], -1.0f);
    EXPECT_EQ(f.axis[1], -1.0f);
    EXPECT_EQ(f.axis[3], 0.0f);
    EXPECT_EQ(f.buttons[0], INPUT_BUTTON_FIRE_ONLY | INPUT_BUTTON_BOMB);
    EXPECT_EQ(f.buttons[1], INPUT_BUTTON_BOMB);
    EXPECT_EQ(f.keys, 0u);
    EXPECT_EQ(f.last_code, 0) << "in game no code is reported";

    snap.keys[100] = 0;
    snap.keys[97] = 1;   // unbound
    f = sample();
    EXPECT_EQ(f.axis[0], 0.0f) << "targets are cleared at every sample";
}

TEST_F(InputKeys, EscapeAndReturnGiveSelectOnlyButABoundPauseAddsBack)
{
    snap.keys[SDLK_ESCAPE] = 1;
    EXPECT_EQ(sample().keys, INPUT_KEY_BACK);
    snap.keys[SDLK_RETURN] = 1;
    EXPECT_EQ(sample().keys, INPUT_KEY_SELECT);
    bind("key112", "pause");
    snap.keys[112] = 1;
    EXPECT_EQ(sample().keys, INPUT_KEY_SELECT | INPUT_KEY_BACK);
    snap = InputSnapshot{};
    bind("key19", "pause_2");
    snap.keys[19] = 1;
    EXPECT_EQ(sample().keys, INPUT_KEY_BACK) << "either player's pause";
}

TEST_F(InputKeys, MenusReadSpaceArrowsAndTheHighestKeyPressed)
{
    bind("key97", "fire_left");
    bind("key273", "fire_forward");
    g_menu_input = 1;
    snap.keys[97] = 1;
    snap.keys[SDLK_CAPSLOCK] = 1;
    InputFrame f = sample();
    EXPECT_EQ(f.last_code, 97) << "the lock keys never count";
    EXPECT_EQ(f.axis[4], -1.0f) << "bound keys work in menus";

    snap.keys[SDLK_UP] = 1;
    f = sample();
    EXPECT_EQ(f.last_code, SDLK_UP);
    EXPECT_EQ(f.axis[2], -1.0f) << "up moves the menu";
    EXPECT_EQ(f.axis[6], 0.0f) << "an arrow in a menu keeps the bindings out";
    EXPECT_EQ(f.axis[4], 0.0f);

    snap = InputSnapshot{};
    snap.keys[SDLK_SPACE] = 1;
    snap.keys[97] = 1;
    f = sample();
    EXPECT_EQ(f.keys, INPUT_KEY_SELECT);
    EXPECT_EQ(f.axis[4], 0.0f) << "Space in a menu keeps the bindings out";

    g_menu_input = 0;
    f = sample();
    EXPECT_EQ(f.keys, 0u) << "Space selects only in menus";
    EXPECT_EQ(f.axis[4], -1.0f);
    snap = InputSnapshot{};
    snap.keys[SDLK_DOWN] = 1;
    f = sample();
    EXPECT_EQ(f.axis[2], 0.0f) << "unbound arrows do nothing in game";
}

TEST_F(InputKeys, HiddenKeysWorkOnlyWhenEnabled)
{
    snap.keys[SDLK_F1] = 1;
    snap.keys[SDLK_F2] = 1;
    sample();
    EXPECT_EQ(g_hidden_keys, 0);
    EXPECT_EQ(g_f1_flag, 0.0f);
    EXPECT_EQ(g_f2_flag, 0);
    g_hidden_keys = 1;
    sample();
    EXPECT_EQ(g_hidden_keys, 3);
    EXPECT_EQ(g_f1_flag, 1.0f);
    EXPECT_EQ(g_f2_flag, 1);
}

TEST_F(InputKeys, KeyCharactersComeFromOneCharacterNames)
{
    snprintf(input_key_names[97], INPUT_KEY_NAME_SIZE, "a");
    snprintf(input_key_names[49], INPUT_KEY_NAME_SIZE, "1");
    snprintf(input_key_names[32], INPUT_KEY_NAME_SIZE, "space");
    EXPECT_EQ(input_key_char(97), 'a');
    EXPECT_EQ(input_key_char(49), '1');
    EXPECT_EQ(input_key_char(32), 0);
    EXPECT_EQ(input_key_char(8), -1);
    EXPECT_EQ(input_key_char(127), -1);
    EXPECT_EQ(input_key_char(0), 0);
    EXPECT_EQ(input_key_char(323), 0);
    EXPECT_EQ(input_key_char(-5), 0);
}

TEST_F(InputMouse, AimNeedsBothAxesBoundAndMouseInputType)
{
    bind("mouseaxis1", "fire_right");
    bind("key273", "fire_forward");
    g_player_input[0].input_type = 1.0f;
    input_reset();   // the sampler takes the settings from the game thread here
    snap.keys[273] = 1;
    snap.mouse_x = 100;
    snap.mouse_y = 100;
    sample();
    snap.mouse_x = 112;
    snap.mouse_y = 96;
    InputFrame f = sample();
    EXPECT_EQ(f.axis[4], 0.0f) << "one axis bound: no aim";
    EXPECT_EQ(f.axis[6], -1.0f);

    bind("mouseaxis2", "fire_back");
    g_mouse_speed = 0.5f;
    input_reset();
    snap.mouse_x = 100;
    snap.mouse_y = 100;
    sample();
    snap.mouse_x = 112;
    snap.mouse_y = 96;
    f = sample();
    EXPECT_EQ(f.axis[4], 6.0f) << "mouse_speed x dx";
    EXPECT_EQ(f.axis[6], -2.0f) << "the fire keys give way to the mouse";
    f = sample();
    EXPECT_EQ(f.axis[4], 0.0f) << "the next delta is from the last sample";

    g_player_input[0].input_type = 0.0f;
    input_reset();
    snap.mouse_x = 150;
    f = sample();
    EXPECT_EQ(f.axis[4], 0.0f) << "stick input: the mouse does not aim";
    EXPECT_EQ(f.axis[6], -1.0f);
}

TEST_F(InputMouse, PointerMovesInMenusAndWhilePaused)
{
    snap.mouse_x = 300;
    snap.mouse_y = 200;
    sample();
    snap.mouse_x = 310;
    snap.mouse_y = 180;
    sample();
    EXPECT_EQ(g_menu_pointer[0], -9.0f) << "in game the pointer stays";
    g_menu_input = 1;
    snap.mouse_x += 10;
    snap.mouse_y -= 20;
    sample();
    EXPECT_FLOAT_EQ(g_menu_pointer[0], -8.0f);
    EXPECT_FLOAT_EQ(g_menu_pointer[1], 4.0f) << "screen y grows downward";
    g_menu_input = 0;
    g_back_latch = 1;
    snap.mouse_x -= 30;
    sample();
    EXPECT_FLOAT_EQ(g_menu_pointer[0], -11.0f);
}

TEST_F(InputMouse, ButtonsSelectInMenusAndFireInGame)
{
    bind("mousebutton1", "fire_only");
    bind("mousebutton3", "smartbomb");
    snap.mouse_buttons = 1;
    InputFrame f = sample();
    EXPECT_EQ(f.buttons[0], INPUT_BUTTON_FIRE_ONLY);
    EXPECT_EQ(f.last_code, INPUT_CODE_MOUSE);
    EXPECT_EQ(f.keys, 0u);
    EXPECT_EQ(g_menu_click, 0);

    g_menu_input = 1;
    f = sample();
    EXPECT_EQ(f.keys, INPUT_KEY_SELECT);
    EXPECT_EQ(f.axis[0], 1.0f) << "button 1 steps a value right";
    EXPECT_EQ(g_menu_click, 1);
    snap.mouse_buttons = 4;
    f = sample();
    EXPECT_EQ(f.axis[0], -1.0f) << "button 3 steps a value left";
    EXPECT_EQ(f.buttons[0], INPUT_BUTTON_BOMB);
    EXPECT_EQ(f.last_code, INPUT_CODE_MOUSE + 2);
    EXPECT_EQ(g_menu_click, 4);
    snap.mouse_buttons = 0x10;   // the wheel is not a bindable button
    f = sample();
    EXPECT_EQ(f.last_code, 0);
    EXPECT_EQ(g_menu_click, 0);
}

TEST_F(InputJoysticks, AxesAddTheirAmountButtonsSetTheirTargets)
{
    joystick(0, 4, 2);
    bind("joy1dpad1", "move_right");
    bind("joy1dpad2", "move_left");
    bind("joy1button2", "smartbomb");
    snap.joystick[0].axis[0] = 16384;
    snap.joystick[0].buttons = 2;
    InputFrame f = sample();
    EXPECT_EQ(f.axis[0], 0.5f);
    EXPECT_EQ(f.buttons[0], INPUT_BUTTON_BOMB);
    snap.joystick[0].axis[0] = -32768;
    EXPECT_EQ(sample().axis[0], -1.0f);
    snap.joystick[0].axis[0] = 30;   // below 0.001: noise
    EXPECT_EQ(sample().axis[0], 0.0f);
}

TEST_F(InputJoysticks, UnboundSlotsAndClosedJoysticksReachNothing)
{
    joystick(0, 4, 2);
    joystick(1, 4, 2);
    input_joysticks[1].open = 0;   // failed to open
    bind("joy2button1", "fire_only");
    snap.joystick[0].axis[1] = 20000;
    snap.joystick[0].buttons = 0xf;
    snap.joystick[1].buttons = 1;
    InputFrame f = sample();
    for (float a : f.axis) {
        EXPECT_EQ(a, 0.0f);
    }
    EXPECT_EQ(f.buttons[0], 0u);
}

TEST_F(InputJoysticks, MenusReportMovedAxesAndButtonsAsCodes)
{
    joystick(0, 8, 4);
    joystick(1, 8, 4);
    bind("joy1dpad3", "move_back");
    g_menu_input = 1;
    snap.joystick[0].axis[1] = 30000;
    InputFrame f = sample();
    EXPECT_EQ(f.last_code, INPUT_CODE_JOYSTICK + 3 * INPUT_CODE_DPAD) << "axis 1 positive: direction 3";
    EXPECT_GT(f.axis[2], 0.9f);
    f = sample();
    EXPECT_EQ(f.last_code, 0) << "an axis held still is no new press";
    EXPECT_EQ(f.axis[2], 0.0f);
    snap.joystick[0].axis[1] = -20000;
    EXPECT_EQ(sample().last_code, INPUT_CODE_JOYSTICK + 4 * INPUT_CODE_DPAD);
    snap.joystick[0].axis[1] = -10000;   // moved, but less than half way
    EXPECT_EQ(sample().last_code, 0);
    snap.joystick[1].buttons = 1u << 6;
    EXPECT_EQ(sample().last_code, 2 * INPUT_CODE_JOYSTICK + 7);
    snap.keys[97] = 1;
    EXPECT_EQ(sample().last_code, 97) << "a key pressed in the same sample wins";
}

TEST_F(InputJoysticks, OpeningCapsButtonsAxesAndHats)
{
    input_joystick_setup(0, 40, 10, 4);
    EXPECT_EQ(input_joysticks[0].buttons, 32);
    EXPECT_EQ(input_joysticks[0].axes, 10);
    EXPECT_EQ(input_joysticks[0].hats, 2);
    input_joystick_setup(1, 4, 14, 3);
    EXPECT_EQ(input_joysticks[1].axes, 12);
    EXPECT_EQ(input_joysticks[1].hats, 0);
    input_joystick_setup(2, -1, -1, -1);
    EXPECT_EQ(input_joysticks[2].buttons, 0);
    EXPECT_EQ(input_joysticks[2].axes, 0);
    input_joystick_setup(16, 4, 4, 0);   // beyond the table: ignored
}

} // namespace
