// shell.h -- the program shell's application state, shared with the window layer, and
// the frame clock that every layer animating by the frame reads.
#pragma once

constexpr int SHELL_BASE_DIR_SIZE = 4096;

// Non-zero ends the main loop after the current frame (SDL quit event, menu quit, shut-down).
extern int g_app_quit;
// Set by the window layer when it iconified a full-screen window for a web page;
// cleared with a video restart when focus returns.
extern int g_app_iconified;
// The working directory at start cut at its last '/'; empty when it cannot be read.
extern char g_base_dir[SHELL_BASE_DIR_SIZE];

// The frame clock, written by the frame function (game/frame.cpp) for each frame it runs.
extern int g_frame_steps;          // logic steps run in this frame; 0 while paused
extern float g_frame_dt;           // the same as a float: the time step of animations and effects
extern float g_fade;               // below 0 no fade; front-end screens raise it to 1 by 0.01 per frame

// Fills g_base_dir from a working directory path (null: empty).
void shell_set_base_dir(const char *cwd);
