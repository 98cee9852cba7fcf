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

// Each returns 0; sub-steps log their own problems.
int init_game(void);
int free_game(void);
int init_level(void);
// Safe when no level is loaded.
int free_level(void);
// The change handler of render_fullscreen; its arguments are ignored.
void restart(const char *name, float *value);
