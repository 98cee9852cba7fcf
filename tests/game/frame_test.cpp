// The frame function with a fake clock and recording draw hooks: the 10 ms gate, the
// intake of pending ticks, and the screen state machine with its transitions.

#include "game/frame.h"

#include "core/con.h"
#include "core/shell.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/lifecycle.h"
#include "game/menu.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "render/zgl.h"
#include "tests/game/headless.h"
#include "tests/support/log_capture.h"
#include "tests/game/game_folder.h"
#include "tests/support/test_ship.h"
#include "tests/support/ship_styles.h"
#include "world/gamer.h"

#include <atomic>
#include <memory>
#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr int TICK_SENTINEL = -7;   // g_ticks_left before any game tick ran

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::install();
        init_console_vars();
        input_reset();
        g_menu_choice = 0;
        g_game_over = 0;
        g_menu_input = 0;
        g_app_quit = 0;
        // A new game of type 0 from level 101, whatever other tests played before.
        g_game_type = 0.0f;
        g_two_player = 0;
        g_start_level = 101.0f;
        game_reset();
        headless::no_level();
        for (PlayerInput &p : g_player_input) {
            p.buttons = 0;
        }
        game_frame_enter();
        g_last_frame_ms = 0;
        g_ticks_left = TICK_SENTINEL;
        // The level scripts launch the ship from the generated models, so the game ticks
        // run the level instead of ending the game.
        styles = std::make_unique<ShipStyles>(GLIMMERFALL_ASSETS);
        headless::calls().clear();
    }

    void TearDown() override
    {
        game_frame_leave();
        free_level();
        test_ship_free();
        styles.reset();
        headless::restore();
        // A restart opens the sound device and loads the named sounds (none here): the
        // next test starts, as the first does, with no device.
        sound_shutdown();
        con_config(0);
        input_reset();
        g_menu_input = 0;
        g_game_over = 0;
        g_app_quit = 0;
    }

    // Queues n samples as the sampler would: slot written, write index and count advanced.
    void queue(int n)
    {
        for (int i = 0; i < n; i++) {
            input_ring_push(&sample);
        }
    }

    // 10 ms later with n new ticks: one pass of the main loop.
    int frame(int ticks = 1)
    {
        headless::now_ms() += 10;
        queue(ticks);
        return game_frame_main();
    }

    // One-tick frames until the screen state changes; the number of frames run.
    int frames_until_screen_changes(int limit)
    {
        int start = g_screen_mode;
        for (int i = 1; i <= limit; i++) {
            frame();
            if (g_screen_mode != start) {
                return i;
            }
        }
        return -1;
    }

    void enter_screen(int screen)
    {
        g_screen_mode = screen;
        g_mode_frames = 0;
        g_fade = (screen == SCREEN_IN_GAME) ? -1.0f : 0.0f;
    }

    GameFolder dir;
    std::unique_ptr<ShipStyles> styles;
    LogCapture log;
    InputFrame sample{};
};

class FrameGate : public FrameTest {};
class FrameStates : public FrameTest {};

TEST_F(FrameGate, NineMillisecondsAfterTheLastFrameReturnAtOnce)
{
    enter_screen(SCREEN_IN_GAME);
    g_last_frame_ms = 5000;
    headless::now_ms() = 5009;
    queue(5);
    EXPECT_EQ(game_frame_main(), 0);
    EXPECT_EQ(input_pending_count(), 5) << "the ticks wait for the next frame";
    EXPECT_TRUE(headless::calls().empty());

    headless::now_ms() = 5010;
    EXPECT_EQ(game_frame_main(), 1);
    EXPECT_EQ(input_pending_count(), 0);
    EXPECT_EQ(g_last_frame_ms, 5010u);
    EXPECT_EQ(g_frame_steps, 5);
}

TEST_F(FrameGate, GateSurvivesTheClockWrapping)
{
    enter_screen(SCREEN_IN_GAME);
    g_last_frame_ms = 0xfffffff8u;
    headless::now_ms() = 3;   // 11 ms later
    queue(1);
    EXPECT_EQ(game_frame_main(), 1);
    EXPECT_EQ(g_last_frame_ms, 3u);
}

TEST_F(FrameGate, ExactlyHundredPendingTicksRunHundredSteps)
{
    ASSERT_NE(test_ship_launch(), nullptr);   // a ship in play: the ticks run the level
    enter_screen(SCREEN_IN_GAME);
    EXPECT_EQ(frame(100), 1);
    EXPECT_EQ(g_frame_steps, 100);
    EXPECT_EQ(g_frame_dt, 100.0f);
    EXPECT_EQ(g_input_read, input_write_index()) << "every queued sample was replayed";
    EXPECT_EQ(g_ticks_left, 1) << "the last tick is told it is the last";
    EXPECT_EQ(headless::calls(), (std::vector<std::string>{"game_clear", "game_draw"}));
}

TEST_F(FrameGate, HundredAndOneTicksRunNoneAndResetTheInput)
{
    enter_screen(SCREEN_IN_GAME);
    g_last_frame_ms = 1000;
    g_player_input[0].move[0] = 0.5f;
    EXPECT_EQ(frame(101), 0);
    EXPECT_EQ(g_ticks_left, TICK_SENTINEL) << "no game tick ran";
    EXPECT_EQ(input_pending_count(), 0);
    EXPECT_EQ(g_player_input[0].move[0], 0.0f);
    EXPECT_EQ(g_last_frame_ms, 1000u) << "the next pass tries again at once";
    EXPECT_TRUE(headless::calls().empty());
    EXPECT_EQ(frame(2), 1);
    EXPECT_EQ(g_frame_steps, 2) << "the dropped backlog is never replayed";
}

TEST_F(FrameGate, FrameWithoutTickDrawsNothing)
{
    enter_screen(SCREEN_TITLE_1);
    g_last_frame_ms = 1000;
    EXPECT_EQ(frame(0), 0);
    EXPECT_TRUE(headless::calls().empty());
    EXPECT_EQ(g_last_frame_ms, 1000u);
    EXPECT_EQ(g_mode_frames, 0);
}

TEST_F(FrameGate, EveryTickOfTheSamplerThreadRunsExactlyOnce)
{
    enter_screen(SCREEN_IN_GAME);
    constexpr int SAMPLES = 5000;
    std::atomic<bool> done{false};
    std::thread sampler([&done] {
        for (int i = 0; i < SAMPLES; i++) {
            // Keep below the backlog limit, as a 10 ms timer does against a running game.
            while (input_pending_count() >= FRAME_MAX_BACKLOG / 2) {
                std::this_thread::yield();
            }
            input_timer_tick(10, nullptr);
        }
        done = true;
    });
    long steps = 0;
    while (!done || input_pending_count() > 0) {
        headless::now_ms() += 10;
        if (game_frame_main()) {
            steps += g_frame_steps;
        }
    }
    sampler.join();
    EXPECT_EQ(steps, SAMPLES);
}

TEST_F(FrameStates, TitleScreensWalkToTheMenuAfterFiveHundredFrames)
{
    EXPECT_EQ(g_screen_mode, SCREEN_TITLE_1);
    EXPECT_EQ(g_fade, -1.0f);
    frame();
    EXPECT_EQ(headless::calls(),
              (std::vector<std::string>{"front_clear 8", "front_overlay 8", "front_pages 8"}))
        << "no logo while the fade is below 0";
    EXPECT_EQ(frames_until_screen_changes(1000), 500) << "the first frame plus 500 more";
    EXPECT_EQ(g_screen_mode, SCREEN_TITLE_2);
    EXPECT_EQ(g_fade, 0.0f);
    EXPECT_EQ(g_mode_frames, 0);
    EXPECT_GT(headless::count("front_logo 0"), 0);
    EXPECT_EQ(frames_until_screen_changes(1000), 501);
    EXPECT_EQ(g_screen_mode, SCREEN_MENU);
    EXPECT_GT(headless::count("front_logo 1"), 0);

    headless::calls().clear();
    frame();
    EXPECT_EQ(headless::calls(),
              (std::vector<std::string>{"front_clear 3", "front_overlay 3", "front_pages 3"}));
    EXPECT_EQ(g_menu_input, 1);
}

TEST_F(FrameStates, MissingLogoEndsTheTitleOnceTheFadeIsUp)
{
    headless::logo_result() = 0;
    int frames = frames_until_screen_changes(1000);
    EXPECT_GE(frames, 100);
    EXPECT_LE(frames, 101) << "the fade climbs from -1 by 0.01 a frame";
    EXPECT_EQ(headless::count("front_logo 0"), 1);
    EXPECT_EQ(g_screen_mode, SCREEN_TITLE_2);
}

TEST_F(FrameStates, KeyHeldAfterThirtyFramesSkipsTheTitle)
{
    sample.keys = INPUT_KEY_SELECT;
    EXPECT_EQ(frames_until_screen_changes(1000), 31);
    EXPECT_EQ(g_screen_mode, SCREEN_TITLE_2);
    EXPECT_EQ(frames_until_screen_changes(1000), 31);
    EXPECT_EQ(g_screen_mode, SCREEN_MENU);
}

TEST_F(FrameStates, KeyReleasedWithinThirtyFramesDoesNotSkip)
{
    sample.keys = INPUT_KEY_SELECT;
    for (int i = 0; i < 30; i++) {
        frame();
    }
    sample.keys = 0;
    EXPECT_EQ(frames_until_screen_changes(1000), 471);
}

TEST_F(FrameStates, PlayStartsTheLevelThenPlaysItInTheNextFrames)
{
    enter_screen(SCREEN_MENU);
    g_hidden_keys = 3;
    g_f1_flag = 1.0f;
    g_menu_choice = 1;
    EXPECT_EQ(frame(), 1);
    EXPECT_EQ(log.count("[submenu] play"), 1);
    EXPECT_EQ(g_screen_mode, SCREEN_START_LEVEL);
    EXPECT_EQ(g_menu_choice, 0);
    EXPECT_EQ(g_fade, -1.0f);
    EXPECT_EQ(g_hidden_keys, 1);
    EXPECT_EQ(g_f1_flag, 0.0f);
    EXPECT_TRUE(dir.exists("config.cfg")) << "a new game saves the settings";
    EXPECT_EQ(headless::calls(), (std::vector<std::string>{"front_clear 3"})) << "nothing drawn";

    headless::calls().clear();
    EXPECT_EQ(frame(), 1);
    EXPECT_EQ(g_screen_mode, SCREEN_IN_GAME);
    EXPECT_EQ(g_menu_input, 0);
    EXPECT_STREQ(g_level_name, "level101");
    EXPECT_EQ(log.count("\n[init] start init_level level101"), 1);
    EXPECT_EQ(log.count("[init] start free_level"), 1) << "the old level goes first";
    EXPECT_EQ(g_session_active, 1);
    EXPECT_EQ(g_last_frame_ms, headless::now_ms());
    EXPECT_TRUE(headless::calls().empty()) << "loading draws nothing";

    EXPECT_EQ(frame(), 1);
    EXPECT_EQ(headless::calls(), (std::vector<std::string>{"game_clear", "game_draw"}));
    EXPECT_EQ(g_ticks_left, 1);
}

TEST_F(FrameStates, QuitChoiceEndsTheLoopWithoutDrawing)
{
    enter_screen(SCREEN_MENU);
    g_menu_choice = -1;
    frame();
    EXPECT_EQ(g_app_quit, 1);
    EXPECT_EQ(g_menu_choice, 0);
    EXPECT_EQ(log.count("[submenu] quit"), 1);
    EXPECT_EQ(headless::count("front_pages 3"), 0);
}

TEST_F(FrameStates, ModeChoiceRestartsAndStaysInTheMenu)
{
    enter_screen(SCREEN_MENU);
    g_menu_choice = 2;
    frame();
    EXPECT_EQ(log.count("[submenu] mode"), 1);
    EXPECT_EQ(log.count(" [init] restart"), 1);
    EXPECT_EQ(headless::count("set_mode"), 1);
    EXPECT_EQ(g_screen_mode, SCREEN_MENU);
    EXPECT_EQ(g_menu_choice, 0);
}

TEST_F(FrameStates, TextureChoiceIsClearedAndTheMenuDrawn)
{
    enter_screen(SCREEN_MENU);
    g_menu_choice = 3;
    frame(2);
    EXPECT_EQ(g_menu_choice, 0);
    EXPECT_EQ(headless::count("front_pages 3"), 1);
}

TEST_F(FrameStates, NameEntryKeepsTheFadeLow)
{
    enter_screen(SCREEN_MENU);
    g_fade = 0.5f;
    g_menu_choice = 9;
    frame();
    EXPECT_FLOAT_EQ(g_fade, 0.1f);
    EXPECT_EQ(g_menu_choice, 9);
}

TEST_F(FrameStates, GameOverRequestShowsTheMenuInTheSameFrame)
{
    enter_screen(SCREEN_IN_GAME);
    g_level_end_request = 1;
    frame();
    EXPECT_EQ(g_screen_mode, SCREEN_MENU);
    EXPECT_EQ(g_level_end_request, 0);
    EXPECT_EQ(g_mode_frames, 1);
    EXPECT_FLOAT_EQ(g_fade, 0.01f);
    EXPECT_EQ(headless::count("game_draw"), 0);
    EXPECT_EQ(headless::count("front_clear 3"), 1);
}

TEST_F(FrameStates, LevelCompleteLoadsTheNextLevelAtOnce)
{
    for (int request : {2, 3}) {
        enter_screen(SCREEN_IN_GAME);
        g_level_end_request = request;
        g_hue_bag_count = 4;
        headless::calls().clear();
        log.clear();
        frame();
        EXPECT_EQ(g_screen_mode, SCREEN_IN_GAME) << "state 2 ran in the same frame";
        EXPECT_EQ(g_level_end_request, 0);
        EXPECT_EQ(g_hue_bag_count, 3) << "a new background hue was drawn";
        EXPECT_EQ(log.count("[init] done init_level"), 1);
        EXPECT_TRUE(headless::calls().empty());
    }
    // Its end says how the level's frames ran: three frames 10 ms apart, each taking no
    // time on this clock.
    for (int i = 0; i < 3; i++) {
        frame();
    }
    int level = g_level_number;
    g_level_end_request = 2;
    log.clear();
    frame();
    EXPECT_EQ(log.count_containing("[frame] level " + std::to_string(level) +
                        ": 3 frames drawn in 20 ms (150.0 a second), 0 ms of it in the frames, slowest 0 ms"),
              1);
}

TEST_F(FrameStates, RequestsAreIgnoredOutsideTheGame)
{
    enter_screen(SCREEN_MENU);
    g_level_end_request = 2;
    frame();
    EXPECT_EQ(g_screen_mode, SCREEN_MENU);
    EXPECT_EQ(g_level_end_request, 2);
}

TEST_F(FrameStates, PauseStopsGameTicksAndTime)
{
    ASSERT_NE(test_ship_launch(), nullptr);   // a ship in play: the ticks run the level
    enter_screen(SCREEN_IN_GAME);
    sample.keys = INPUT_KEY_BACK;
    frame(3);
    EXPECT_EQ(g_back_latch, 1);
    EXPECT_EQ(g_ticks_left, TICK_SENTINEL) << "no game tick while paused";
    EXPECT_EQ(g_frame_steps, 0);
    EXPECT_EQ(g_frame_dt, 0.0f);
    EXPECT_EQ(headless::count("game_draw"), 1) << "the world is still drawn";

    sample.keys = 0;
    g_back_latch = 2;   // the pause page closing
    frame();
    EXPECT_EQ(g_back_latch, 0);
    EXPECT_EQ(g_frame_dt, 0.0f);
    frame();
    EXPECT_EQ(g_ticks_left, 1);
    EXPECT_EQ(g_frame_dt, 1.0f);
}

// Paused with P while firing: the held arrow (a fire key in play) neither resumes nor
// abandons the game; Return on "Resume" goes on with it, Return on "Abandon game" ends it.
TEST_F(FrameStates, OnThePausePageOnlyReturnSelects)
{
    Gamer *ship = test_ship_launch();
    ASSERT_NE(ship, nullptr);
    ship->info.lives = 3;
    enter_screen(SCREEN_IN_GAME);
    menu_start(MENU_START_PAUSE);   // as init_level leaves it
    auto with = [](float down, uint32_t keys, float fire_x, float fire_y) {
        InputFrame f{};
        f.axis[2] = down;    // player 1's move: S down, W up
        f.axis[4] = fire_x;  // player 1's fire: the arrows in play
        f.axis[6] = fire_y;
        f.keys = keys;
        return f;
    };
    // One frame with the sample, one with nothing.
    auto tap = [&](const InputFrame &f) {
        sample = f;
        frame();
        sample = InputFrame{};
        frame();
    };
    const InputFrame firing = with(0, 0, 0, -1.0f);   // the up arrow held
    sample = with(0, INPUT_KEY_BACK, 0, -1.0f);
    frame(2);
    ASSERT_EQ(g_back_latch, 1);
    sample = firing;
    frame(20);
    EXPECT_EQ(g_back_latch, 1) << "the fire key held resumes nothing";
    EXPECT_EQ(g_menu_item, 1);
    tap(with(1.0f, 0, 0, 0));   // S: down to "Abandon game"
    ASSERT_EQ(g_menu_item, 2);
    for (float fire : {1.0f, -1.0f}) {
        sample = with(0, 0, fire, -1.0f);   // left and right arrows
        frame(20);
        sample = InputFrame{};
        frame();
    }
    EXPECT_EQ(g_back_latch, 1);
    EXPECT_EQ(g_game_over, 0) << "the arrows abandoned nothing";
    EXPECT_EQ(ship->info.lives, 3);

    tap(with(-1.0f, 0, 0, 0));   // W: back to "Resume"
    ASSERT_EQ(g_menu_item, 1);
    sample = with(0, INPUT_KEY_SELECT, 0, 0);
    frame();
    EXPECT_EQ(g_back_latch, 0) << "Return on Resume closed the page";
    sample = InputFrame{};
    frame(3);
    EXPECT_NE(g_ticks_left, TICK_SENTINEL) << "the game goes on";
    EXPECT_EQ(g_game_over, 0);

    tap(with(0, INPUT_KEY_BACK, 0, 0));
    tap(with(1.0f, 0, 0, 0));
    ASSERT_EQ(g_menu_item, 2);
    tap(with(0, INPUT_KEY_SELECT, 0, 0));
    for (int i = 0; i < 5 && !g_game_over; i++) {
        frame();
    }
    EXPECT_LE(ship->info.lives, 0) << "Return on Abandon game";
    EXPECT_EQ(g_game_over, 1);
}

TEST_F(FrameStates, GameOverClearsThePauseLatch)
{
    ASSERT_NE(test_ship_launch(), nullptr);   // a ship in play: the ticks run the level
    enter_screen(SCREEN_IN_GAME);
    g_game_over = 1;
    sample.keys = INPUT_KEY_BACK;
    frame(2);
    EXPECT_EQ(g_back_latch, 0);
    EXPECT_EQ(g_ticks_left, 1);
}

TEST_F(FrameStates, TheLastLevelWrapsToTheEndOfLoopPageAndLevel101After601Frames)
{
    // Levels 101 and 102 exist; a game started at 102 completes it.
    dir.write("level101.lua", "marker");
    dir.write("level102.lua", "marker");
    float saved_start = g_start_level;
    g_start_level = 102.0f;
    enter_screen(SCREEN_MENU);
    g_menu_choice = 1;
    frame();
    frame();
    ASSERT_EQ(g_screen_mode, SCREEN_IN_GAME);
    EXPECT_STREQ(g_level_name, "level102");

    // What the game tick does when the level is complete.
    g_level_advance = 1;
    g_level_end_request = 2;
    frame();
    EXPECT_EQ(g_screen_mode, SCREEN_END_OF_LOOP) << "no level 103: the end-of-loop page";
    EXPECT_EQ(g_level_number, 101);
    EXPECT_EQ(g_loop_value, 2.0f);
    EXPECT_EQ(g_fade, 0.01f) << "the page ran in the same frame";
    EXPECT_EQ(g_mode_frames, 1);

    EXPECT_EQ(frames_until_screen_changes(1000), 600) << "601 frames with the first";
    EXPECT_EQ(g_screen_mode, SCREEN_START_LEVEL);
    EXPECT_EQ(g_fade, -1.0f);
    EXPECT_GT(headless::count("front_logo 2"), 0);
    frame();
    EXPECT_EQ(g_screen_mode, SCREEN_IN_GAME);
    EXPECT_STREQ(g_level_name, "level101");
    g_start_level = saved_start;
}

TEST_F(FrameStates, TitleScreensTakeNoMenuInput)
{
    sample.keys = INPUT_KEY_SELECT;
    g_player_input[0].move[0] = 0.5f;
    frame(4);
    EXPECT_EQ(g_player_input[0].move[0], 0.0f) << "input_reset after the screen's ticks were taken";
    EXPECT_EQ(g_player_input[0].buttons, 0u) << "keys count only after 30 frames";
}

} // namespace
