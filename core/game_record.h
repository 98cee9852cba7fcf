// game_record.h -- the players' game records and the values of the game in progress
// that every layer reads: the ships (world/) carry a record, the HUD graphics and the
// title scene (render/) draw from them, the level scripts ask for them. The game
// information module (game/gameinfo.cpp) keeps them; they are declared and stored here,
// below every reader.
#pragma once

#include <cstdint>

struct PlayerInput;

constexpr int GAMEINFO_PLAYERS = 8;        // records for players 1..8
constexpr int SCORE_THRESHOLDS = 64;       // multiplier steps; a 0 entry ends the table

// One player's record, copied into a ship at its creation and handed back at a level
// end or after a lost life.
struct GameInfo {
    int32_t number;                // 1..8
    int32_t score;
    int32_t lives;
    int32_t bombs;                 // in a two-player game player 1's record holds the shared stock
    int32_t bomb_refill;           // the next ship refills its bombs
    int32_t shield_carry;          // a shield survives into the next life or level
    float skill;                   // 0 or more
    float streak;                  // completed levels in a row, halved by every failure
    float peak_skill;              // highest skill reached
    PlayerInput *input;            // the first PlayerInput for odd numbers, the second for even
    int32_t play_ticks;
    int32_t running_total;         // points counted toward the multiplier
    int32_t multiplier_step;       // the multiplier is step + 1
    int32_t step_back;
    int32_t running_total_at_death;
    int32_t peak_step;             // kept with the high score
    float flash_value;
    float flash_phase;             // degrees, advanced by the HUD's multiplier bar
    int32_t share;
    int32_t points;
};

extern GameInfo g_gameinfo[GAMEINFO_PLAYERS];
extern int32_t g_score_thresholds[SCORE_THRESHOLDS];

extern int g_level_number;         // current level; its script is "level%d"
extern int g_two_player;           // 1 in a two-player game
extern float g_base_skill;         // 30 * game type
extern float g_loop_value;         // 1.0, + 1.0 at every wrap of the level sequence
extern int g_wrap_count;           // difficulty step at the last wrap, 1..7
extern int g_finished;             // set at a wrap; selects the end-of-loop page
