// hud.cpp -- the in-game overlay's state and the level driver's setters: the clock, the
// caption and the level-end banners and bonuses.

#include "game/hud.h"
#include "game/hud_local.h"

#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/menu.h"

#include <cstdio>
#include <cstring>

HudState g_hud;

constexpr int HUD_START_TICKS = -1000;           // the level driver has not reported yet
constexpr float HUD_PULSE_SCALE = 0.05f;
constexpr float HUD_PULSE_WARNING = 100.0f;      // the clock swells only with the last beeps

// Language text slots.
constexpr int TEXT_LEVEL = 41;
constexpr int TEXT_LEVEL_COMPLETE = 44;
constexpr int TEXT_GAME_OVER = 45;
constexpr int TEXT_TENTH_BANNER = 47;
constexpr int TEXT_TENTH_BANNER2 = 48;
constexpr int TEXT_PAIR_CARRIED = 55;            // gamer_balance_pair 0: player 1 did most
constexpr int TEXT_PAIR_SHARED = 56;             // 1: the work was shared

static void hud_copy3(float dst[3], const float src[3])
{
    memcpy(dst, src, 3 * sizeof(float));
}

// The level number may come from a script: taken wide, so any int gives its caption.
void hud_set_level_label(int level)
{
    long long shown = (long long)level - 100;
    if (g_loop_value > 1.0f) {
        snprintf(g_hud.caption, sizeof(g_hud.caption), "%s %lld [%d]", menu_text(TEXT_LEVEL), shown,
                 (int)g_loop_value);
    } else {
        snprintf(g_hud.caption, sizeof(g_hud.caption), "%s %lld", menu_text(TEXT_LEVEL), shown);
    }
}

void hud_init_level(void)
{
    hud_set_level_label(g_level_number);
    g_hud.level_ticks = HUD_START_TICKS;
    g_hud.end_timer = 0.0f;
    g_hud.time_bonus = -1;
    g_hud.kill_count = -1;
    g_hud.banner1 = nullptr;
    g_hud.banner2 = nullptr;
    g_hud.clock_seconds = 0;
    g_hud.clock_hundredths = 0;
    hud_copy3(g_hud.caption_pos, HUD_CAPTION_START);
    hud_copy3(g_hud.score_pos, HUD_SCORE_START);
    hud_copy3(g_hud.share_pos, g_two_player ? HUD_SHARE_START_TWO : HUD_SHARE_START_ONE);
    g_hud.glide = 0.0f;
    g_hud.offset = HUD_START_OFFSET;
    g_hud.caption_fade = 0.0f;
    g_hud.clock_pulse = 0.0f;
    g_hud.blink = HUD_START_BLINK;
    g_hud.bonus_pulse = 0.0f;
    g_hud.shown_step = -1;
    g_hud.kill_step = 0;
    g_hud.kill_bonus = 0;
    g_hud.bomb_ready = 0;
    g_difficulty = 0.0f;
}

void hud_set_player_ref(GameInfo *info, int player)
{
    if (player == 1) {
        g_hud.player1 = info;
    } else {
        g_hud.player2 = info;
    }
}

void hud_set_counter(int ticks, int left, float warning)
{
    g_hud.level_ticks = ticks;
    g_hud.clock_pulse = 0.0f;
    if (g_hud.end_timer != 0.0f) {
        return;
    }
    if (left < 1) {
        g_hud.clock_seconds = 0;
        g_hud.clock_hundredths = 0;
    } else {
        g_hud.clock_seconds = left / 100;
        g_hud.clock_hundredths = left % 100;
        if (warning <= HUD_PULSE_WARNING) {
            g_hud.clock_pulse = warning * HUD_PULSE_SCALE;
        }
    }
}

void hud_set_text(int bonus, int kills, int result)
{
    if (g_hud.end_timer != 0.0f) {
        return;
    }
    g_hud.end_timer = 1.0f;
    if (bonus < 0) {
        g_hud.time_bonus = -1;
        g_hud.kill_count = -1;
        snprintf(g_hud.caption, sizeof(g_hud.caption), "%s", menu_text(TEXT_GAME_OVER));
        return;
    }
    g_hud.time_bonus = bonus;
    g_hud.kill_count = kills;
    g_hud.bomb_ready = 0;
    g_hud.banner1 = menu_text(TEXT_LEVEL_COMPLETE);
    if (g_level_number % 10 == 9) {
        g_hud.banner1 = menu_text(TEXT_TENTH_BANNER);
        g_hud.banner2 = menu_text(TEXT_TENTH_BANNER2);
    }
    if (g_two_player) {
        if (result == 1) {
            g_hud.banner1 = menu_text(TEXT_PAIR_SHARED);
        } else if (result == 0) {
            g_hud.banner1 = menu_text(TEXT_PAIR_CARRIED);
        }
    }
}
