// level_driver.h -- runs one level: resets the world and starts the level script,
// advances it one 1/100 s tick at a time, runs the level-end sequence with its
// bonuses, restarts the level after a lost life and tears the world down.
#pragma once

// Level state, reset by game_level_start unless noted.
extern int g_level_ticks;          // ticks since the level started; -200..0 is the lead-in
extern int g_time_limit;           // ticks left; counts down while g_level_ticks > 0; negative = overtime
extern int g_time_bonus_rate;      // points per second left at the level end, at least 100
extern int g_death_ticks;          // 0 while the players live; counts ticks after a death
extern int g_game_over;            // 1 once no ship has lives left (set to 0 by game_session_start)
extern int g_level_end_ticks;      // ticks since the level-end condition first held
extern int g_no_more_beasties;     // 1 once the script launched its last wave; above 1 counts down per script call
extern int g_time_skip_off;        // non-zero: exactly one script call per tick
extern int g_beasties_active;      // active enemies this tick (written by the enemy lists)
extern int g_debris_count;         // debris pieces still moving (written by the debris update)
extern float g_gameloop_budget;    // script calls per tick at most while fast-forwarding
extern int g_level_playing;        // 1 while the level runs (recomputed every tick)
extern int g_ticks_left;           // ticks still to run in this frame; 1 marks the frame's last tick
extern float g_beep_accumulator;   // drives the countdown beeps
extern int g_level_variant;        // a per-level random choice 0..14 read by enemy movement
extern int g_time_bonus;           // time bonus of the level end, -1 none
extern int g_level_end_award;      // result of the ships' level-end award, -1 none
extern int g_level_end_tick;       // g_level_ticks at the first level-end tick
extern float g_level_bounds[6];    // min x, y, z, max x, y, z of positions seen this level
extern int g_session_active;       // 1 between game_session_start and game_session_end

// Difficulty, written by game_set_difficulty.
extern float g_difficulty;         // mean skill plus the game type's base skill
extern int g_difficulty_level;     // g_difficulty / 30, truncated
extern float g_speed_factor;       // (100 + g_difficulty) * 0.01
extern float g_time_factor;        // 1.0
extern float g_trigger_factor;     // 1.0

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
// Widens g_level_bounds around a position by twice the radius (x and z only).
void game_grow_bounds(const float pos[3], float radius);
// Sets the difficulty globals from the players' mean skill.
void game_set_difficulty(float skill);
// The pause menu's abandon: every ship loses its lives so the game-over sequence follows.
void game_abandon(void);
