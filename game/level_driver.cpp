// level_driver.cpp -- the level driver: level start, the game tick, the level end.

#include "game/level_driver.h"

int g_level_ticks;
int g_time_limit;
int g_time_bonus_rate;
int g_death_ticks;
int g_game_over;
int g_level_end_ticks;
int g_no_more_beasties;
int g_time_skip_off;
int g_beasties_active;
int g_debris_count;
float g_gameloop_budget = 100.0f;
int g_level_playing;
int g_ticks_left;
float g_beep_accumulator = 1000.0f;
int g_level_variant;
int g_time_bonus = -1;
int g_level_end_award = -1;
int g_level_end_tick;
float g_level_bounds[6];
int g_session_active;

float g_difficulty;
int g_difficulty_level;
float g_speed_factor = 1.0f;
float g_time_factor = 1.0f;
float g_trigger_factor = 1.0f;

void game_session_start(void)
{
    g_game_over = 0;
    game_level_start();
    g_session_active = 1;
}

void game_session_end(void)
{
    g_session_active = 0;
}

void game_level_start(void)
{
}

void game_tick(int ticks_left)
{
    g_ticks_left = ticks_left;
}

void game_draw_world(void)
{
}

void game_draw_bullets(void)
{
}

void game_grow_bounds(const float pos[3], float radius)
{
    float r2 = 2.0f * radius;
    if (pos[0] - r2 < g_level_bounds[0]) {
        g_level_bounds[0] = pos[0] - r2;
    }
    if (pos[0] + r2 > g_level_bounds[3]) {
        g_level_bounds[3] = pos[0] + r2;
    }
    if (pos[2] - r2 < g_level_bounds[2]) {
        g_level_bounds[2] = pos[2] - r2;
    }
    if (pos[2] + r2 > g_level_bounds[5]) {
        g_level_bounds[5] = pos[2] + r2;
    }
}

void game_set_difficulty(float skill)
{
    g_difficulty = skill;
    g_difficulty_level = (int)(skill / 30.0f);
    g_gameloop_budget = 100.0f + skill;
    g_speed_factor = (100.0f + skill) * 0.01f;
    g_time_factor = 1.0f;
    g_trigger_factor = 1.0f;
}

void game_abandon(void)
{
}
