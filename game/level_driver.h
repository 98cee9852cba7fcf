// level_driver.h -- runs one level: resets the world and starts the level script,
// advances it one 1/100 s tick at a time, runs the level-end sequence with its
// bonuses, restarts the level after a lost life and tears the world down.
#pragma once

#include "world/level.h"

// Level state the simulation reads (the clock, the end, the speed, the bounds and the
// difficulty) is world/level.h's; the driver's own, reset by game_level_start unless noted:
extern int g_time_bonus_rate;      // points per second left at the level end, at least 100
extern float g_beep_accumulator;   // drives the countdown beeps
extern int g_time_bonus;           // time bonus of the level end, -1 none
extern int g_level_end_award;      // result of the ships' level-end award, -1 none
extern int g_level_end_tick;       // g_level_ticks at the first level-end tick
extern int g_session_active;       // 1 between game_session_start and game_session_end

// Spawns one end chaser in overtime: beasties_spawn_end_chaser; tests count the calls.
extern void (*g_level_spawn_end_chaser)(void);

// g_game_over = 0, game_level_start, g_session_active = 1.
void game_session_start(void);
// Frees every world list and the script state when a session is active.
void game_session_end(void);
// Starts (or after a death restarts) the level named by g_level_name.
void game_level_start(void);
// One logic step; ticks_left is the number of ticks still to run in this frame.
void game_tick(int ticks_left);
// Draw hooks of the frame function.
void game_draw_world(void);
void game_draw_bullets(void);
// The pause menu's abandon: every ship loses its lives so the game-over sequence follows.
void game_abandon(void);
