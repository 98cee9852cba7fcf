// lifecycle.h -- building and tearing down the program's state in fixed orders:
// init_game and free_game once, init_level and free_level around every level, and
// restart, which re-applies the settings and rebuilds the device layers.
#pragma once

#include "render/font.h"

#include <ctime>

constexpr int LEVEL_NAME_SIZE = 64;

// The language setting's value buffer (g_language, console "language") is render/font.h's.
// Console "language_num".
extern float g_language_num;
// "level%d" of the level being set up; the script host runs the script of this name.
extern char g_level_name[LEVEL_NAME_SIZE];
// Wall-clock seconds at the level's set-up; the level driver seeds its draws with it.
extern time_t g_level_start_time;
// The wall clock init_level reads (time by default); tests set their own to replay a
// run of levels from one seed.
extern time_t (*g_lifecycle_clock)(time_t *);

// The steps of restart that need a display: setting the video mode, and the GL state
// with the layers that upload to GL (view, texture cache, fonts). Tests replace them to
// run the life cycle without a window.
struct LifecycleDisplay {
    void (*set_mode)(void);    // zwin_reset_video: a mode that cannot be set ends the process
    void (*init_gl)(void);     // zgl_init_gl, the view for the video size, textures, fonts
};
extern LifecycleDisplay g_lifecycle_display;
extern const LifecycleDisplay LIFECYCLE_DISPLAY_DEFAULT;

// Registers every console variable and command in the save order of "config.cfg",
// after emptying the console tables.
void init_console_vars(void);

// Hands each layer the functions of the layers above it that it calls: the loaders of
// core/ the texture cache and the hue rotation (g_file_imports), the window the GL flush
// (g_zwin_gl_flush), the mixer the camera as its listener (g_sound_listener), the ships
// the game records and the HUD (g_gamer_imports), the bindings the HUD's level caption
// (g_lua_level_label). The first step of init_game; the tests and the benchmarks take
// it before their first case.
void init_imports(void);

// Each returns 0; sub-steps log their own problems.
int init_game(void);
int free_game(void);
int init_level(void);
// Safe when no level is loaded.
int free_level(void);
// The change handler of render_fullscreen; its arguments are ignored.
void restart(const char *name, float *value);
