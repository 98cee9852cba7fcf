// The life cycle without a window: start-up with every kind of "config.cfg", the one
// restart it fires, level set-up and release, shut-down.

#include "game/lifecycle.h"

#include "core/file.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/settings.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "tests/game/headless.h"
#include "tests/support/log_capture.h"
#include "tests/support/sampler_clock.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class Lifecycle : public ::testing::Test {
protected:
    void SetUp() override { headless::install(); }
    void TearDown() override
    {
        game_frame_leave();
        sound_shutdown();   // the restart opened the sound device
        con_config(0);
        headless::restore();
    }

    // Index of the first log line equal to text, or -1.
    int line_index(const std::string &text) const
    {
        const std::vector<std::string> &lines = log.lines();
        for (size_t i = 0; i < lines.size(); i++) {
            if (lines[i] == text) {
                return (int)i;
            }
        }
        return -1;
    }

    TempDir dir{true};
    LogCapture log;
};

TEST_F(Lifecycle, FirstRunWithoutConfigRestartsOnceInFullScreen)
{
    init_game();
    EXPECT_EQ(g_render_fullscreen, 1.0f);
    EXPECT_EQ(log.count(" [init] restart"), 1);
    EXPECT_EQ(headless::calls(), (std::vector<std::string>{"set_mode", "init_gl"}));
    EXPECT_EQ(line_index("[init] init_game"), 0);
    EXPECT_LT(line_index(" [init] restart"), line_index("(test) set_mode"));
    EXPECT_LT(line_index("(test) set_mode"), line_index("(test) init_gl"));
    EXPECT_LT(line_index("(test) init_gl"), line_index("[init] done init_game\n"));
    EXPECT_EQ(g_screen_mode, SCREEN_TITLE_1);
    EXPECT_EQ(g_fade, -1.0f);
}

TEST_F(Lifecycle, SavedWindowedConfigRestartsOnceWindowed)
{
    dir.write("config.cfg", "#console\nrender_brightness 0.700000\nrender_fullscreen 0.000000\n");
    init_game();
    EXPECT_EQ(g_render_fullscreen, 0.0f);
    EXPECT_FLOAT_EQ(g_render_brightness, 0.7f);
    EXPECT_EQ(log.count(" [init] restart"), 1);
    EXPECT_EQ(headless::count("set_mode"), 1);
}

TEST_F(Lifecycle, WithoutAJoystickOrASavedDeviceTheControlsStartOnTheKeyboard)
{
    init_game();
    EXPECT_EQ(g_player_input[0].input_type, INPUT_TYPE_KEYBOARD) << "no joystick was found";
    EXPECT_EQ(g_player_input[1].input_type, INPUT_TYPE_KEYBOARD);
    EXPECT_EQ(log.count("[input] no joystick: player 1's controls start on the keyboard"), 1);
    game_frame_leave();
    con_config(0);

    // A saved choice is kept, the joystick included, and comes through the restart's clamp.
    dir.write("config.cfg", "#console\ninput_type 0.000000\ninput_type_2 1.000000\nrender_fullscreen 0.000000\n");
    init_game();
    EXPECT_EQ(g_player_input[0].input_type, 0.0f);
    EXPECT_EQ(g_player_input[1].input_type, 1.0f);
}

TEST_F(Lifecycle, ConfigWithoutUsableFullScreenLineStillOpensTheWindow)
{
    const char *configs[] = {
        "#console\nrender_brightness 0.6\n",         // hand-edited, line missing
        "#console\nrender_fullscreen -1.000000\n",   // holds the initial value
        "#console\nrender_fullscr",                  // cut short
    };
    for (const char *config : configs) {
        dir.write("config.cfg", config);
        headless::calls().clear();
        log.clear();
        init_game();
        EXPECT_EQ(g_render_fullscreen, 1.0f) << config;
        EXPECT_EQ(log.count(" [init] restart"), 1) << config;
        EXPECT_EQ(headless::count("set_mode"), 1) << config;
        game_frame_leave();
    }
}

TEST_F(Lifecycle, AssetFoldersAreRelativeToTheWorkingDirectory)
{
    init_game();
    EXPECT_STREQ(g_dir_sep, "/");
    EXPECT_STREQ(g_styles_dir, "../styles/");
    EXPECT_STREQ(g_bitmaps_dir, "../styles/bitmaps/");
    EXPECT_STREQ(g_sfx_dir, "../styles/sfx/");
    EXPECT_STREQ(g_particles_dir, "../styles/particles/");
    EXPECT_STREQ(g_explosions_dir, "../styles/explosions/");
    EXPECT_STREQ(g_menu_dir, "../menu/");
}

TEST_F(Lifecycle, FirstRestartClampsTheSettings)
{
    dir.write("config.cfg", "#console\nsound_sfxvol 0.1\nrender_fullscreen 0\n");
    init_game();
    EXPECT_EQ(g_render_biggcrosshair, 0.25f) << "default 0 becomes 0.25";
    EXPECT_EQ(g_sound_sfxvol, 0.75f);
}

TEST_F(Lifecycle, FirstRestartKeepsTheBindingsFile)
{
    // The first restart shuts the input down before it was ever started; the bindings
    // in memory are still empty then and must not replace the player's file.
    const std::string binds = "BIND key97 fire_left\nBIND mousebutton1 fire_only\n";
    dir.write("bindwin32.cfg", binds);
    dir.write("config.cfg", "#console\nrender_fullscreen 0\n");
    init_game();
    EXPECT_EQ(dir.read("bindwin32.cfg"), binds);
    EXPECT_EQ(log.count("*** [file] failed to fopen 'bindwin32.cfg'"), 0) << "read at the restart";
}

TEST_F(Lifecycle, ASettingsLineAmongTheBindingsStartsNoSecondSampler)
{
    // Run through the console, "render_fullscreen 2" would restart the video, and with
    // it the input, while the input is starting.
    SamplerClock clock;
    dir.write("config.cfg", "#console\nrender_fullscreen 0\n");
    dir.write("bindwin32.cfg", "BIND key97 fire_left\nrender_fullscreen 2\n");
    init_game();
    EXPECT_EQ(log.count(" [init] restart"), 1);
    EXPECT_EQ(log.count("*** [input] bindwin32.cfg line 2 is not a binding, skipped: render_fullscreen 2"), 1);
    EXPECT_EQ(g_render_fullscreen, 0.0f);
    EXPECT_EQ(clock.running(), 1);

    input_take_pending();
    clock.fire(100);
    EXPECT_EQ(input_take_pending(), 100) << "one sample an interval";
    input_shutdown();
    EXPECT_EQ(clock.running(), 0) << "a sampler runs on after the shut-down";
}

TEST_F(Lifecycle, InitLevelNamesTheLevelAndStartsTheDriver)
{
    init_game();
    g_level_number = 123;
    g_f2_flag = 1;
    log.clear();
    time_t before = time(nullptr);
    init_level();
    EXPECT_STREQ(g_level_name, "level123");
    EXPECT_EQ(log.lines().front(), "\n[init] start init_level level123");
    EXPECT_EQ(log.lines().back(), "[init] done init_level");
    EXPECT_GE(g_level_start_time, before);
    EXPECT_EQ(g_f2_flag, 0);
    EXPECT_EQ(g_session_active, 1);
    EXPECT_EQ(g_game_over, 0);
    free_level();
    EXPECT_EQ(g_session_active, 0);
}

TEST_F(Lifecycle, FreeLevelIsSafeWithoutALevel)
{
    free_level();
    free_level();
    EXPECT_EQ(log.count("[init] start free_level"), 2);
    EXPECT_EQ(log.count("[init] done free_level\n"), 2);
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(Lifecycle, FreeGameReleasesInOrderAndSavesTheSettings)
{
    dir.write("config.cfg", "#console\nrender_fullscreen 0\nrender_brightness 0.25\n");
    init_game();
    log.clear();
    free_game();
    int start = line_index("[init] start free_game");
    int level = line_index("[init] start free_level");
    int done = line_index("[init] done free_game\n");
    EXPECT_EQ(start, 0);
    EXPECT_LT(start, level);
    EXPECT_LT(level, done);
    EXPECT_EQ(log.count("[gl] stop"), 0) << "GL never came up";
    std::string saved = dir.read("config.cfg");
    EXPECT_NE(saved.find("\nrender_fullscreen 0.000000\n"), std::string::npos);
    EXPECT_NE(saved.find("\nrender_brightness 0.250000\n"), std::string::npos);
}

TEST_F(Lifecycle, RestartFromTheConsoleRebuildsTheDisplay)
{
    init_game();
    headless::calls().clear();
    char line[] = "render_fullscreen 0";
    con_exec(line);
    EXPECT_EQ(headless::calls(), (std::vector<std::string>{"set_mode", "init_gl"}));
    char again[] = "render_fullscreen 0";
    con_exec(again);
    EXPECT_EQ(headless::count("set_mode"), 1) << "an unchanged value fires nothing";

    // A setting changed while a restart runs does not start another inside it.
    g_lifecycle_display.set_mode = [] {
        headless::set_mode();
        char inner[] = "render_fullscreen 3";
        con_exec(inner);
    };
    char outer[] = "render_fullscreen 2";
    con_exec(outer);
    EXPECT_EQ(headless::count("set_mode"), 2);
    EXPECT_EQ(log.count(" [init] restart"), 3) << "the start's, the line above's and this one";
    EXPECT_EQ(log.count("*** [init] restart asked for while one runs; ignored"), 1);
}

} // namespace
