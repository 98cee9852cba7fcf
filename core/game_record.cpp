// game_record.cpp -- the storage of the players' game records and of the values of the
// game in progress (written by game/gameinfo.cpp).

#include "core/game_record.h"

GameInfo g_gameinfo[GAMEINFO_PLAYERS];
int32_t g_score_thresholds[SCORE_THRESHOLDS];

int g_level_number = 101;
int g_two_player;
float g_base_skill;
float g_loop_value = 1.0f;
int g_wrap_count;
int g_finished;
