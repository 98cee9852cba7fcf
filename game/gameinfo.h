// gameinfo.h -- one game (from "play" to game over): the per-player records that
// survive from level to level, the game globals, the multiplier thresholds and the
// level sequence.
#pragma once

#include "core/game_record.h"

#include <cstdint>

// The records, the thresholds and the game values other layers read are
// core/game_record.h's; these only the game's own modules read.
extern float g_start_level;        // chosen in the menu, 101 by default
extern float g_game_type;          // 0..7
extern float g_wrap_skill;         // skill mark of the next wrap
extern int g_level_advance;        // set by the level driver when a level is completed
extern int g_wrap_steps;           // multiplier steps granted at the last wrap
extern int g_levels_completed;

// New game: records, globals and thresholds.
void game_reset(void);
// Hands a record back (skill rule); player 1..8, else logged and ignored.
void gameinfo_set(int player, const GameInfo *in, int completed, int ticks);
// Copies a record out; player 1..8, else logged and ignored.
void gameinfo_get(int player, GameInfo *out);
// Advances the level sequence; 1 when it wrapped back to 101.
int level_next(void);
// Game over: name entry when player 1's score earns a place, else the main menu.
void gameinfo_check_high_score(void);
