// gameinfo.cpp -- the game's per-player records and the level sequence.

#include "game/gameinfo.h"

GameInfo g_gameinfo[GAMEINFO_PLAYERS];
int32_t g_score_thresholds[SCORE_THRESHOLDS];

int g_level_number = 101;
float g_start_level = 101.0f;
float g_game_type;
int g_two_player;
float g_base_skill;
float g_wrap_skill;
float g_loop_value = 1.0f;
int g_level_advance;
int g_wrap_count;
int g_wrap_steps;
int g_levels_completed;
int g_finished;

void game_reset(void)
{
    g_level_number = (int)g_start_level;
}

void gameinfo_set(int player, const GameInfo *in, int completed, int ticks)
{
    (void)completed;
    if (player >= 1 && player <= GAMEINFO_PLAYERS && in) {
        g_gameinfo[player - 1] = *in;
        g_gameinfo[player - 1].play_ticks += ticks;
    }
}

void gameinfo_get(int player, GameInfo *out)
{
    if (player >= 1 && player <= GAMEINFO_PLAYERS && out) {
        *out = g_gameinfo[player - 1];
    }
}

int level_next(void)
{
    return 0;
}

void gameinfo_check_high_score(void)
{
}
