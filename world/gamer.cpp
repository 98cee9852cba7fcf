// gamer.cpp -- the player ships: their standing in the level, the hand-back of their
// game records and the difficulty derived from their skill.

#include "world/gamer.h"

#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "platform/input.h"

int g_gamer_count;
int g_gamer_in_play;
int g_gamer_with_lives;

// After a wrap of the level sequence the difficulty of the easiest game types starts here.
constexpr float GAMER_WRAP_SKILL_FLOOR = 30.0f;

// Ships beyond the game information table have no record.
static int gamer_records(void)
{
    if (g_gamer_count < 0) {
        return 0;
    }
    return g_gamer_count < GAMEINFO_PLAYERS ? g_gamer_count : GAMEINFO_PLAYERS;
}

int gamer_first_exists(void)
{
    return g_gamer_count > 0;
}

int gamer_update_all(void)
{
    if (g_gamer_with_lives <= 0) {
        return -1;
    }
    return g_gamer_in_play > 0 ? 1 : 0;
}

void gamer_view_target(float bounds[6])
{
    (void)bounds;
}

void gamer_skill_difficulty(void)
{
    int n = gamer_records();
    float sum = 0.0f;
    for (int i = 0; i < n; i++) {
        sum += g_gameinfo[i].skill;
    }
    float skill = (n > 0 ? sum / (float)n : 0.0f) + g_base_skill;
    if (g_loop_value > 1.0f && g_base_skill <= GAMER_WRAP_SKILL_FLOOR && skill < GAMER_WRAP_SKILL_FLOOR) {
        skill = GAMER_WRAP_SKILL_FLOOR;
    }
    game_set_difficulty(skill);
}

void gamer_gameinfo(int completed, int ticks)
{
    int n = gamer_records();
    for (int i = 0; i < n; i++) {
        // The record goes back through a copy: the table is both source and target.
        GameInfo copy = g_gameinfo[i];
        gameinfo_set(i + 1, &copy, completed, ticks);
    }
}

int gamer_award_level_end(void)
{
    if (g_level_number % 10 == 9 && gamer_first_exists()) {
        return g_gameinfo[0].bombs;
    }
    return 0;
}

int gamer_balance_pair(void)
{
    return -1;
}

void gamer_bonus_extra_explosions(void)
{
}

void gamer_tick_countdowns(void)
{
    // Invulnerable: hidden keys enabled and F1 pressed.
    if ((g_hidden_keys & 1) && g_f1_flag == 1.0f) {
        return;
    }
    g_gamer_in_play = 0;
    g_gamer_with_lives = 0;
}

void gamer_reset_globals(void)
{
}

void gamer_free_all(void)
{
}
