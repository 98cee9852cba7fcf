// settings.h -- the game's float settings (console variables saved in "config.cfg"),
// their defaults and ranges, and the routines that keep them in range.
#pragma once

extern float g_sound_devnum;
extern float g_sound_sfxvol;               // 0.75 .. 1
extern float g_sound_menuvol;              // 0.75 .. 1
extern float g_render_levelnum;
extern float g_render_modelnum1;           // ship of player 1, wraps 0 .. 4
extern float g_render_modelhue1;           // its hue step, wraps 0 .. 11
extern float g_render_modelnum2;
extern float g_render_modelhue2;
extern float g_render_alternaterenderpath;
extern float g_render_biggcrosshair;       // 0.25 .. 1
extern float g_render_resolution;          // index into the video mode table
extern float g_render_colourdepth;         // 1 .. 2
extern float g_render_sync;
extern float g_render_brightness;          // 0 .. 1, 0.5 the identity gamma
extern float g_render_16bittexture;
extern float g_render_trilinear;
extern float g_render_particles;           // 0.25 .. 1
extern float g_render_backgroundgfx;       // 0 .. 3
extern float g_render_fullscreen;          // -1 until "config.cfg" ran; its change handler is restart

// Sets the defaults and registers the settings above in their save order.
void init_register_vars(void);
// Clamps every ranged setting (the input settings included), then wraps the ship choices.
void settings_clamp(void);
// Wraps ship and hue choices; when both players chose the same ship, moves one of them
// in the direction of the last menu change (1/-1 player 1, 2/-2 player 2, 0 none).
void settings_wrap_models(int dir);
