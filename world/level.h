// level.h -- the running level's state that the simulation reads: its clock, its end,
// its speed and the bounds of what moved in it. The level driver (game/level_driver.cpp)
// resets and advances it; the enemies, ships, shots and the level scripts read it.
#pragma once

// Level state, reset by game_level_start unless noted.
extern int g_level_ticks;          // ticks since the level started; -200..0 is the lead-in
extern int g_time_limit;           // ticks left; counts down while g_level_ticks > 0; negative = overtime
extern int g_death_ticks;          // 0 while the players live; counts ticks after a death
extern int g_game_over;            // 1 once no ship has lives left (set to 0 by game_session_start)
extern int g_level_end_ticks;      // ticks since the level-end condition first held
extern int g_no_more_beasties;     // 1 once the script launched its last wave; above 1 counts down per script call
extern int g_time_skip_off;        // non-zero: exactly one script call per tick
extern int g_beasties_active;      // active enemies this tick (written by the enemy lists)
extern int g_debris_count;         // debris pieces still moving (written by the debris update)
extern int g_level_playing;        // 1 while the level runs (recomputed every tick)
extern int g_ticks_left;           // ticks still to run in this frame; 1 marks the frame's last tick
extern int g_level_variant;        // a per-level random choice 0..14 read by enemy movement
extern float g_level_bounds[6];    // min x, y, z, max x, y, z of positions seen this level

// Difficulty, written by game_set_difficulty.
extern float g_difficulty;         // mean skill plus the game type's base skill
extern int g_difficulty_level;     // g_difficulty / 30, truncated
extern float g_gameloop_budget;    // script calls per tick at most while fast-forwarding
extern float g_speed_factor;       // (100 + g_difficulty) * 0.01
extern float g_time_factor;        // 1.0
extern float g_trigger_factor;     // 1.0

// Widens g_level_bounds around a position by twice the radius (x and z only).
void game_grow_bounds(const float pos[3], float radius);
// Sets the difficulty globals from the players' mean skill.
void game_set_difficulty(float skill);
