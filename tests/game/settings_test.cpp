// The game's settings: registration order of "config.cfg", round trips, clamping and
// the ship-choice wrap.

#include "game/lifecycle.h"
#include "game/settings.h"

#include "core/con.h"
#include "platform/bind.h"
#include "platform/input.h"
#include "tests/game/headless.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

void exec(std::string line)
{
    con_exec(line.data());
}

class Settings : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::install();
        init_console_vars();
    }
    void TearDown() override
    {
        con_config(0);
        headless::restore();
    }
    TempDir dir{true};
    LogCapture log;
};

TEST_F(Settings, FreshConfigListsEveryVariableInRegistrationOrder)
{
    con_save_config();
    EXPECT_EQ(dir.read("config.cfg"),
              "#console\n"
              "language \"en\"\n"
              "language_num 0.000000\n"
              "mouse_speed 1.000000\n"
              "input_type 0.000000\n"
              "joystick_deadzone 0.300000\n"
              "input_type_2 0.000000\n"
              "joystick_deadzone_2 0.300000\n"
              "sound_devnum -1.000000\n"
              "sound_sfxvol 1.000000\n"
              "sound_menuvol 1.000000\n"
              "render_levelnum 101.000000\n"
              "render_modelnum1 1.000000\n"
              "render_modelhue1 0.000000\n"
              "render_modelnum2 2.000000\n"
              "render_modelhue2 0.000000\n"
              "render_alternaterenderpath 0.000000\n"
              "render_biggcrosshair 0.000000\n"
              "render_resolution 1.000000\n"
              "render_colourdepth 1.000000\n"
              "render_sync 0.000000\n"
              "render_brightness 0.500000\n"
              "render_16bittexture 1.000000\n"
              "render_trilinear 1.000000\n"
              "render_particles 1.000000\n"
              "render_backgroundgfx 2.000000\n"
              "render_fullscreen -1.000000\n");
    EXPECT_EQ(con_string_var_count, 1);
    EXPECT_EQ(con_float_var_count, 25);
    EXPECT_EQ(con_command_count, 1);
}

TEST_F(Settings, WriteReadWriteGivesIdenticalBytes)
{
    exec("render_brightness 0.73");
    exec("joystick_deadzone_2 0.45");
    exec("language de");
    exec("render_modelhue2 7");
    exec("render_fullscreen 0");   // runs restart, which clamps
    con_save_config();
    std::string first = dir.read("config.cfg");

    init_console_vars();           // back to the defaults
    EXPECT_EQ(g_render_fullscreen, -1.0f);
    con_config(1);
    EXPECT_EQ(g_render_fullscreen, 0.0f);
    EXPECT_FLOAT_EQ(g_render_brightness, 0.73f);
    EXPECT_STREQ(g_language, "de");
    con_save_config();
    EXPECT_EQ(dir.read("config.cfg"), first);
}

TEST_F(Settings, LoadingTheFileFiresRestartOnceAndMissingFileFallsBackToFullScreen)
{
    con_config(1);
    EXPECT_EQ(g_render_fullscreen, 1.0f);
    EXPECT_EQ(log.count(" [init] restart"), 1);
    EXPECT_EQ(log.count("*** [file] failed to fopen 'config.cfg'"), 1);
}

TEST_F(Settings, ClampBringsEveryRangedSettingInside)
{
    g_sound_sfxvol = 0.2f;
    g_sound_menuvol = 3.0f;
    g_render_biggcrosshair = 0.0f;
    g_render_colourdepth = 5.0f;
    g_render_brightness = -1.0f;
    g_render_particles = 0.5f;
    g_render_backgroundgfx = 4.0f;
    g_player_input[0].input_type = 3.0f;
    g_player_input[1].input_type = -1.0f;
    g_player_input[0].joystick_deadzone = 0.95f;
    g_player_input[1].joystick_deadzone = 0.0f;
    g_mouse_speed = 0.0f;
    g_render_levelnum = 999.0f;
    settings_clamp();
    EXPECT_EQ(g_sound_sfxvol, 0.75f);
    EXPECT_EQ(g_sound_menuvol, 1.0f);
    EXPECT_EQ(g_render_biggcrosshair, 0.25f);
    EXPECT_EQ(g_render_colourdepth, 2.0f);
    EXPECT_EQ(g_render_brightness, 0.0f);
    EXPECT_EQ(g_render_particles, 0.5f) << "values inside stay";
    EXPECT_EQ(g_render_backgroundgfx, 3.0f);
    EXPECT_EQ(g_player_input[0].input_type, 2.0f);
    EXPECT_EQ(g_player_input[1].input_type, 0.0f);
    EXPECT_EQ(g_player_input[0].joystick_deadzone, 0.901f);
    EXPECT_EQ(g_player_input[1].joystick_deadzone, 0.1f);
    EXPECT_EQ(g_mouse_speed, 0.01f);
    EXPECT_EQ(g_render_levelnum, 999.0f) << "unranged";
}

TEST_F(Settings, ShipChoicesWrapAndNeverCoincide)
{
    g_render_modelnum1 = 4.0f;
    g_render_modelnum2 = 4.0f;
    settings_wrap_models(0);
    EXPECT_EQ(g_render_modelnum1, 4.0f);
    EXPECT_EQ(g_render_modelnum2, 0.0f) << "5 wraps to 0";

    g_render_modelnum1 = 2.0f;
    g_render_modelnum2 = 2.0f;
    settings_wrap_models(1);
    EXPECT_EQ(g_render_modelnum1, 3.0f);
    g_render_modelnum1 = 0.0f;
    g_render_modelnum2 = 0.0f;
    settings_wrap_models(-1);
    EXPECT_EQ(g_render_modelnum1, 4.0f);
    g_render_modelnum1 = 0.0f;
    settings_wrap_models(-2);
    EXPECT_EQ(g_render_modelnum2, 4.0f);
    g_render_modelnum1 = 1.0f;
    g_render_modelnum2 = 1.0f;
    settings_wrap_models(2);
    EXPECT_EQ(g_render_modelnum2, 2.0f);

    g_render_modelhue1 = 12.0f;
    g_render_modelhue2 = -1.0f;
    g_render_modelnum1 = -1.0f;
    g_render_modelnum2 = 1.0f;
    settings_wrap_models(0);
    EXPECT_EQ(g_render_modelhue1, 0.0f);
    EXPECT_EQ(g_render_modelhue2, 11.0f);
    EXPECT_EQ(g_render_modelnum1, 4.0f);
}

} // namespace
