// level.cpp -- the running level's state that the simulation reads, its bounds and its
// difficulty.

#include "world/level.h"

int g_level_ticks;
int g_time_limit;
int g_death_ticks;
int g_game_over;
int g_level_end_ticks;
int g_no_more_beasties;
int g_time_skip_off;
int g_beasties_active;
int g_debris_count;
int g_level_playing;
int g_ticks_left;
int g_level_variant;
float g_level_bounds[6];

float g_difficulty;
int g_difficulty_level;
float g_gameloop_budget = 100.0f;
float g_speed_factor = 1.0f;
float g_time_factor = 1.0f;
float g_trigger_factor = 1.0f;

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
