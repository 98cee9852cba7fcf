// settings.h -- the game's float settings (console variables saved in "config.cfg"),
// their defaults and ranges, and the routines that keep them in range.
#pragma once

// The settings live in the modules that read them; the table of settings.cpp registers
// each under its name:
#include "platform/sound.h"     // g_sound_sfxvol, g_sound_menuvol
#include "platform/zwin.h"      // g_render_resolution, g_render_colourdepth, g_render_brightness, g_render_fullscreen
#include "render/batch.h"       // g_render_alternaterenderpath
#include "render/hudgfx.h"      // g_render_biggcrosshair
#include "render/model.h"       // g_render_backgroundgfx
#include "render/particle.h"    // g_render_particles
#include "render/tex.h"         // g_render_16bittexture, g_render_trilinear
#include "script/lua_bind.h"    // g_render_modelnum1, g_render_modelnum2
#include "world/gamer.h"        // g_render_modelhue1, g_render_modelhue2

// The settings no other layer reads.
extern float g_sound_devnum;
extern float g_render_levelnum;
extern float g_render_sync;

// Sets the defaults and registers every setting (these and the modules' above) in their
// save order.
void init_register_vars(void);
// Clamps every ranged setting (the input settings included), then wraps the ship choices.
void settings_clamp(void);
// Wraps ship and hue choices; when both players chose the same ship, moves one of them
// in the direction of the last menu change (1/-1 player 1, 2/-2 player 2, 0 none).
void settings_wrap_models(int dir);
