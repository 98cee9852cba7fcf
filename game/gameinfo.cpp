// gameinfo.cpp -- the game's per-player records, the skill rule, the multiplier
// thresholds and the level sequence with its wrap back to level 101.

#include "game/gameinfo.h"

#include "core/con.h"
#include "core/file.h"
#include "game/highscore.h"
#include "game/level_driver.h"
#include "platform/input.h"
#include "render/camera.h"
#include "script/script_store.h"
#include "world/powerup.h"

#include <cstdio>

float g_start_level = 101.0f;
float g_game_type;
float g_wrap_skill;
int g_level_advance;
int g_wrap_steps;
int g_levels_completed;

constexpr int GAMEINFO_CAMERA_STYLE = 3;          // the camera's play style
constexpr float GAMEINFO_POWERUP_COUNTDOWN = 20.0f; // seconds before the first drop
// The threshold table: three seeds, then even steps, then zeros (no further step).
static const float GAMEINFO_THRESHOLD_SEEDS[3] = {50000.0f, 200000.0f, 500000.0f};
constexpr int32_t GAMEINFO_THRESHOLD_STEP = 300000;
constexpr int GAMEINFO_LAST_THRESHOLD = 48;
constexpr float GAMEINFO_SKILL_GAIN = 0.18f;
constexpr float GAMEINFO_SKILL_GAIN_MAX = 2.4f;
constexpr float GAMEINFO_SKILL_LOSS_MIN = 2.0f;

static void gameinfo_build_thresholds(void)
{
    for (int i = 0; i < SCORE_THRESHOLDS; i++) {
        if (i < 3) {
            g_score_thresholds[i] = (int32_t)GAMEINFO_THRESHOLD_SEEDS[i];
        } else if (i <= GAMEINFO_LAST_THRESHOLD) {
            g_score_thresholds[i] = g_score_thresholds[i - 1] + GAMEINFO_THRESHOLD_STEP;
        } else {
            g_score_thresholds[i] = 0;
        }
    }
}

void game_reset(void)
{
    g_base_skill = 30.0f * g_game_type;
    g_level_number = (int)g_start_level;
    g_loop_value = 1.0f;
    g_level_advance = 0;
    g_wrap_count = 0;
    g_wrap_steps = 0;
    g_levels_completed = 0;
    g_camera.style = GAMEINFO_CAMERA_STYLE;
    g_finished = 0;
    g_wrap_skill = g_base_skill;

    for (int i = 0; i < GAMEINFO_PLAYERS; i++) {
        GameInfo *g = &g_gameinfo[i];
        *g = GameInfo{};
        g->number = i + 1;
        g->lives = 3;
        g->bombs = 3;
        g->input = &g_player_input[i & 1];
    }
    // The pair shares player 1's stock.
    if (g_two_player) {
        g_gameinfo[0].lives = 4;
        g_gameinfo[0].bombs = 5;
        g_gameinfo[1].lives = 0;
        g_gameinfo[1].bombs = 0;
    }
    gameinfo_build_thresholds();
    g_powerup_countdown = GAMEINFO_POWERUP_COUNTDOWN;
    g_difficulty = 0.0f;
    g_difficulty_level = 0;
}

static int gameinfo_valid_player(int player)
{
    if (player < 1 || player > GAMEINFO_PLAYERS) {
        con_printf("*** help gameinfo");
        return 0;
    }
    return 1;
}

void gameinfo_set(int player, const GameInfo *in, int completed, int ticks)
{
    if (!gameinfo_valid_player(player) || !in) {
        return;
    }
    GameInfo *g = &g_gameinfo[player - 1];
    *g = *in;
    g->play_ticks += ticks;
    if (completed) {
        g->streak += 1.0f;
        float gain = g->streak * GAMEINFO_SKILL_GAIN;
        if (gain > GAMEINFO_SKILL_GAIN_MAX) {
            gain = GAMEINFO_SKILL_GAIN_MAX;
        }
        g->skill += gain;
        if (g->skill > g->peak_skill) {
            g->peak_skill = g->skill;
        }
        return;
    }
    g->streak *= 0.5f;
    float f = 0.2f;
    if (g_loop_value > 1.0f) {
        f /= g_loop_value;
    }
    if (g_two_player) {
        f *= 0.5f;
    }
    float loss = f * g->skill;
    if (loss < GAMEINFO_SKILL_LOSS_MIN) {
        loss = GAMEINFO_SKILL_LOSS_MIN;
    }
    g->skill -= loss;
    if (g->skill < 0.0f) {
        g->skill = 0.0f;
    }
}

void gameinfo_get(int player, GameInfo *out)
{
    if (!gameinfo_valid_player(player) || !out) {
        return;
    }
    *out = g_gameinfo[player - 1];
}

// The highest multiplier step the table allows: the index of its first zero entry.
static int gameinfo_max_step(void)
{
    for (int i = 0; i < SCORE_THRESHOLDS; i++) {
        if (g_score_thresholds[i] == 0) {
            return i;
        }
    }
    return SCORE_THRESHOLDS - 1;
}

// A wrap grants k multiplier steps to every record, keeping each record's progress
// past its current threshold. The jump stops at the table's last step.
static void gameinfo_jump_steps(int k)
{
    int max_step = gameinfo_max_step();
    for (GameInfo &g : g_gameinfo) {
        int step = g.multiplier_step;
        if (step < 0 || step >= max_step) {
            continue;
        }
        int jump = k < max_step - step ? k : max_step - step;
        if (step > 0) {
            g.running_total -= g_score_thresholds[step - 1];
        }
        g.running_total += g_score_thresholds[step + jump - 1];
        g.multiplier_step = step + jump;
    }
}

// A level is playable when its marker file exists and is not empty, and the store
// holds its script: a marker beyond the embedded levels would start a level without
// one, which ends the game at once. The marker's text is never read.
static int gameinfo_level_exists(int level)
{
    char name[32];
    snprintf(name, sizeof(name), "level%d.lua", level);
    return file_exists_size(name) > 0 && script_exists(name);
}

int level_next(void)
{
    if (g_level_number < 100) {
        g_level_number = 100;
    }
    if (!g_level_advance) {
        return 0;
    }
    g_level_number += 1;
    g_levels_completed += 1;
    if (g_level_number % 10 == 0) {
        for (GameInfo &g : g_gameinfo) {
            g.lives += 1;
            g.bombs += 1;
        }
    }
    int wrapped = 0;
    if (!gameinfo_level_exists(g_level_number)) {
        int count = (int)(g_difficulty / 30.0f);
        g_wrap_count = count < 1 ? 1 : count > 7 ? 7 : count;
        g_loop_value += 1.0f;
        g_level_number = 101;
        g_wrap_steps = 0;
        g_finished = 0;
        if (g_base_skill + 30.0f <= g_difficulty) {
            int k = (int)((g_difficulty - g_wrap_skill) / 30.0f);
            g_finished = 1;
            g_wrap_steps = k;
            if (k > 0) {
                gameinfo_jump_steps(k);
            }
        }
        if (g_base_skill < 30.0f) {
            g_finished = 1;
        }
        g_wrap_skill += 30.0f;
        wrapped = 1;
    }
    level_reached_update(0);
    g_level_advance = 0;
    return wrapped;
}

void gameinfo_check_high_score(void)
{
    score_check_new(&g_gameinfo[0]);
}
