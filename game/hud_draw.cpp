// hud_draw.cpp -- drawing the in-game overlay: score, lives, bombs, multiplier,
// difficulty, clock, caption and shares; and at a level end the banners and the animated
// payment of the time bonus and the bomb bonus into player 1's score.

#include "game/hud.h"
#include "game/hud_local.h"

#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/menu.h"
#include "game/settings.h"
#include "platform/sound.h"
#include "render/camera.h"
#include "render/font.h"
#include "render/hudgfx.h"
#include "render/zgl.h"

#include <climits>
#include <cstdarg>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

constexpr float HUD_GREEN[4] = {0.5f, 0.9f, 0.1f, 1.0f};
constexpr float HUD_RED[4] = {0.9f, 0.25f, 0.0f, 1.0f};
constexpr float HUD_HELP_BLUE[4] = {0.3f, 0.6f, 0.9f, 0.6f};

// The corner texts in play stand HUD_EDGE_X out from the middle: at 19 units their outer
// letters left a 5:4 screen (1280 x 1024), the narrowest the mode table offers.
constexpr float HUD_EDGE_X = 18.4f;
constexpr float HUD_EDGE_IN = 19.0f - HUD_EDGE_X;   // how far the corner texts moved in
constexpr float HUD_CAPTION_PLAY[3] = {-HUD_EDGE_X, -14.5f, -6.0f};
constexpr float HUD_SCORE_PLAY[3] = {-HUD_EDGE_X, 13.25f, -6.0f};
constexpr float HUD_SHARE_PLAY_TWO[3] = {-5.4f, -14.5f, -6.0f};

constexpr float HUD_GLIDE_FROM_TICKS = -100.0f;
constexpr float HUD_GLIDE_MAX = 0.09f;
constexpr float HUD_GLIDE_RATE = 0.001f;
constexpr float HUD_OFFSET_RATE = 0.1f;
constexpr float HUD_SNAP_DISTANCE = 3.0f;       // depth follows once the element is this close
constexpr float HUD_FADE_DONE = 0.5f;
constexpr float HUD_FADE_RATE = 0.005f;
constexpr float HUD_BLINK_RATE = 0.01f;
constexpr float HUD_BLINK_PAY = 0.25f;
constexpr float HUD_PULSE_RATE = 0.06f;
constexpr float HUD_FLASH_STEP = 0.02f;
constexpr float HUD_TIME_PHASE_END = 420.0f;    // end-timer ticks of the time bonus phase
constexpr float HUD_TIME_FADE_FROM = 370.0f;
constexpr float HUD_KILL_PHASE_FROM = 470.0f;
constexpr float HUD_BANNER_FADE_FROM = 300.0f;
constexpr float HUD_BANNER_GONE = 350.0f;
constexpr int HUD_SCORE_EASE_LIMIT = 16;        // a larger gap closes by an eighth per frame
constexpr int HUD_DIFFICULTY_STEP = 30;         // difficulty points per level of the colour table
constexpr int HUD_DIFFICULTY_HIGH = 7;
constexpr int HUD_BOMB_BONUS_FROM = 10;         // bombs above nine pay their first steps at once
constexpr int HUD_FIRST_LEVEL = 101;
constexpr float HUD_HELP_Z = -6.0f;             // the first level's help labels
constexpr float HUD_HELP_GAP = 0.3f;            // between the lives and bombs labels and the icons

// Language text slots.
constexpr int TEXT_TIME_BONUS = 42;
constexpr int TEXT_BOMB_STEP = 43;
constexpr int TEXT_BOMB_TOTAL = 46;
constexpr int TEXT_HELP_DIFFICULTY = 49;
constexpr int TEXT_HELP_SCORE = 50;
constexpr int TEXT_HELP_MULTIPLIER = 51;
constexpr int TEXT_HELP_LIVES = 52;
constexpr int TEXT_HELP_BOMBS = 53;
constexpr int TEXT_HELP_CLOCK = 54;

static void hud_colour(const float c[4])
{
    g_glyph_sink.colour(c[0], c[1], c[2], c[3]);
}

static void hud_colour_alpha(const float c[4], float alpha)
{
    g_glyph_sink.colour(c[0], c[1], c[2], alpha);
}

static void hud_text(float x, float y, float z, const char *text)
{
    g_glyph_sink.text(x, y, z, text);
}

// Formats into the first scratch buffer and draws.
static void hud_printf(float x, float y, float z, const char *fmt, ...) __attribute__((format(printf, 4, 5)));
static void hud_printf(float x, float y, float z, const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    vsnprintf(g_hud.scratch[0], HUD_SCRATCH_SIZE, fmt, args);
    va_end(args);
    hud_text(x, y, z, g_hud.scratch[0]);
}

// The bomb bonus of step i: 3000, 7000, 10000, 20000 ... 50000, then 10000 x (i - 1).
static int64_t hud_bomb_step(int i)
{
    static const int64_t first[7] = {3000, 7000, 10000, 20000, 30000, 40000, 50000};
    return i < 7 ? first[i < 0 ? 0 : i] : 10000 * (int64_t)(i - 1);
}

static int64_t hud_bomb_sum(int last)
{
    int64_t sum = 0;
    for (int i = 0; i <= last; i++) {
        sum += hud_bomb_step(i);
    }
    return sum;
}

static int hud_clamp_int(int64_t v)
{
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : (int)v;
}

static void hud_add_score(int64_t points)
{
    GameInfo *p1 = g_hud.player1;
    if (!p1) {
        return;
    }
    p1->score = hud_clamp_int((int64_t)p1->score + points);
    g_hud.shown_score = p1->score;
}

static void hud_glide_element(float p[3], const float target[3], int lead, float g)
{
    // The lead axis (x for the caption, y for the others) and the other flat axis always
    // move; depth follows only once the lead axis is close.
    int other = lead == 0 ? 1 : 0;
    p[lead] = (1.0f - g) * p[lead] + g * target[lead];
    p[other] = (1.0f - g) * p[other] + g * target[other];
    if (std::fabs(p[lead] - target[lead]) < HUD_SNAP_DISTANCE) {
        p[2] = (1.0f - g) * p[2] + g * target[2];
    }
}

static void hud_glide(float dt)
{
    if ((float)g_hud.level_ticks <= HUD_GLIDE_FROM_TICKS) {
        return;
    }
    if (g_hud.glide < HUD_GLIDE_MAX) {
        g_hud.glide += dt * HUD_GLIDE_RATE;
    }
    const int ending = g_camera.end_view != 0;
    if (!ending) {
        g_hud.offset -= dt * HUD_OFFSET_RATE;
        if (g_hud.offset < 0.0f) {
            g_hud.offset = 0.0f;
        }
    } else {
        g_hud.offset += dt * HUD_OFFSET_RATE;
    }
    const float g = g_hud.glide;
    hud_glide_element(g_hud.caption_pos, ending ? HUD_CAPTION_START : HUD_CAPTION_PLAY, 0, g);
    hud_glide_element(g_hud.score_pos, ending ? HUD_SCORE_START : HUD_SCORE_PLAY, 1, g);
    if (g_two_player) {
        hud_glide_element(g_hud.share_pos, ending ? HUD_SHARE_START_TWO : HUD_SHARE_PLAY_TWO, 1, g);
    }
}

static void hud_draw_difficulty(void)
{
    const float offset = g_hud.offset;
    int level = (int)(g_difficulty / (float)HUD_DIFFICULTY_STEP);
    level = level < 0 ? 0 : level > HUD_DIFFICULTY_HIGH ? HUD_DIFFICULTY_HIGH : level;
    float shade = level < HUD_DIFFICULTY_HIGH ? 0.0f : 1.0f;
    g_glyph_sink.colour(shade, shade, shade, 1.0f);
    hud_draw_box(0.0f, offset + 0.06f);
    menu_player_colour(level);
    hud_draw_box(0.0f, offset);
    font_bind();
    char *text = g_hud.scratch[1];
    snprintf(text, HUD_SCRATCH_SIZE, "%d%%", (int)(g_difficulty * 100.0f / (float)HUD_DIFFICULTY_STEP));
    const float y = -13.5f - offset;
    if (level >= HUD_DIFFICULTY_HIGH) {
        g_glyph_sink.colour(1.0f, 1.0f, 1.0f, 1.0f);
        hud_text(-17.0f, y, -6.0f, strlen(text) == 4 ? "^^^^" : "^^^^^");
        menu_player_colour(level);
    }
    hud_text(-17.0f, y, -6.0f, text);
    hud_colour(HUD_GREEN);
}

static void hud_draw_count(int n, float y)
{
    if (n >= 10) {
        hud_printf(16.2f, y, -6.0f, "x%d", n);
    } else if (n >= 5) {
        hud_printf(17.1f, y, -6.0f, "x%d", n);
    }
}

// Lives and bomb counts, the score (mode 0) and the multiplier.
void hud_draw_score(GameInfo *record, int mode)
{
    const float offset = g_hud.offset;
    hud_draw_count(record->lives, offset + 13.25f);
    hud_draw_count(record->bombs, offset + 12.25f);
    if (mode == 0) {
        int gap = record->score - g_hud.shown_score;
        if (gap < 0) {
            g_hud.shown_score = record->score;
        } else {
            g_hud.shown_score += gap > HUD_SCORE_EASE_LIMIT ? gap / 8 : gap;
        }
        const float *p = g_hud.score_pos;
        if (g_hud.shown_score == 0) {
            hud_text(p[0], p[1], p[2] + 2.0f * g_hud.bonus_pulse, "---");
        } else {
            hud_printf(p[0], p[1], p[2] + 2.0f * g_hud.bonus_pulse, "%d", g_hud.shown_score);
        }
    }
    if (record->multiplier_step != 0) {
        hud_colour(HUD_RED);
        float y = offset + 7.6f;
        float z = 9.0f;
        if (record->flash_value > 0.0f) {
            record->flash_value -= HUD_FLASH_STEP;
            float f = record->flash_value > 0.0f ? record->flash_value : 0.0f;
            y -= 7.125f * f;
            z = 18.0f * f + 9.0f;
        }
        hud_printf(-1.125f, y, z, "*%d", record->multiplier_step + 1);
        hud_colour(HUD_GREEN);
    }
}

// The pen x at which a line ends (its last glyph's square) at right.
static float hud_right_aligned(float right, const char *text)
{
    const size_t n = strlen(text);
    return n == 0 ? right : right - GLYPH_SIZE - GLYPH_ADVANCE * (float)(n - 1);
}

static void hud_draw_help(void)
{
    const float offset = g_hud.offset;
    hud_colour(HUD_HELP_BLUE);
    hud_text(-15.2f, -13.5f - offset, -6.0f, menu_text(TEXT_HELP_DIFFICULTY));
    hud_text(-HUD_EDGE_X, offset + 12.25f, -6.0f, menu_text(TEXT_HELP_SCORE));
    const char *multiplier = menu_text(TEXT_HELP_MULTIPLIER);
    hud_text(-0.45f * (float)strlen(multiplier), offset + 12.25f, -6.0f, multiplier);
    // The lives and bombs labels end left of the widest icon row, four lives in a
    // two-player game among them. The row lies on the plane z 0, the labels at z -6: seen
    // from the eye its left edge stands there at that edge x (30 + 6) / 30.
    const float scale = (-ZGL_OVERLAY_Z - HUD_HELP_Z) / -ZGL_OVERLAY_Z;
    const float right = hud_meter_row_left() * scale - HUD_HELP_GAP;
    const char *lives = menu_text(TEXT_HELP_LIVES);
    hud_text(hud_right_aligned(right, lives), offset + 13.25f, HUD_HELP_Z, lives);
    const char *bombs = menu_text(TEXT_HELP_BOMBS);
    hud_text(hud_right_aligned(right, bombs), offset + 12.25f, HUD_HELP_Z, bombs);
    const char *clock = menu_text(TEXT_HELP_CLOCK);
    hud_text(HUD_EDGE_X - 0.9f * (float)strlen(clock), -13.5f - offset, -6.0f, clock);
}

static float hud_banner_alpha(void)
{
    return g_hud.offset < 2.0f ? g_hud.offset * 0.5f : 1.0f;
}

static void hud_draw_banners(void)
{
    const float offset = g_hud.offset;
    const float timer = g_hud.end_timer;
    const float base = hud_banner_alpha();
    if (g_hud.banner1) {
        float alpha = base;
        if (g_level_number % 10 != 9 && timer > HUD_BANNER_FADE_FROM) {
            alpha *= (HUD_BANNER_GONE - timer) * 0.02f;
        }
        hud_colour_alpha(HUD_GREEN, alpha < 0.0f ? 0.0f : alpha);
        hud_text(g_two_player ? 0.0f : -4.5f, 3.0f, 14.0f, g_hud.banner1);
    }
    if (g_hud.banner2) {
        hud_colour_alpha(HUD_GREEN, base);
        hud_text(0.0f, offset * 0.05f - 7.5f, offset * 0.3f - 4.5f, g_hud.banner2);
    }
}

// The blink and the pulse of a payment phase; 1 when a step is due. Once no step is left
// (more 0) the blink is held, however long the frame was.
static int hud_blink_due(float dt, int more)
{
    g_hud.blink -= dt * HUD_BLINK_RATE;
    if (g_hud.bonus_pulse > 0.0f) {
        g_hud.bonus_pulse -= dt * HUD_PULSE_RATE;
    }
    if (!more) {
        g_hud.blink = 1.0f;
        return 0;
    }
    if (g_hud.blink < HUD_BLINK_PAY) {
        g_hud.blink = 1.0f;
        g_hud.bonus_pulse = 1.0f;
        return 1;
    }
    return 0;
}

static void hud_draw_shown_multiplier(float alpha)
{
    if (g_hud.shown_step > 0) {
        hud_colour_alpha(HUD_RED, alpha);
        hud_printf(2.5f, -1.025f, 18.0f, "*%d", g_hud.shown_step + 1);
    }
}

static void hud_time_bonus_phase(float dt, int m)
{
    const float timer = g_hud.end_timer;
    const int bonus = g_hud.time_bonus;
    float alpha = bonus == 0 ? 0.5f : 1.0f;
    alpha *= hud_banner_alpha();
    if (timer > HUD_TIME_FADE_FROM) {
        alpha *= (HUD_TIME_PHASE_END - timer) * 0.02f;
    }
    hud_colour_alpha(HUD_GREEN, alpha < 0.0f ? 0.0f : alpha);
    hud_printf(-8.25f, 0.0f, 2.5f * g_hud.bonus_pulse, "%s %d", menu_text(TEXT_TIME_BONUS), bonus);
    if (bonus <= 0) {
        return;
    }
    if (hud_blink_due(dt, g_hud.shown_step < m)) {
        int k = 1;
        if (g_hud.shown_step < m) {
            g_hud.shown_step++;
        }
        if (g_hud.shown_step < m - 3) {
            // Steps far below the multiplier are paid in one go.
            g_hud.shown_step = m - 3;
            k = m - 2;
        }
        hud_add_score((int64_t)k * bonus);
        sound_play_named(g_hud.shown_step < 1 ? SOUND_TIME_BONUS : SOUND_PING_MULTIPLY_COUNT);
    }
    if (g_hud.shown_step == m) {
        g_hud.blink = 1.0f;
    }
    hud_draw_shown_multiplier(g_hud.blink);
}

// Between the two phases: the multiplier shown in full and the first bomb steps added up.
static void hud_bomb_bonus_setup(int m)
{
    g_hud.shown_step = m;
    g_hud.blink = 1.0f;
    g_hud.bomb_ready = 1;
    const int n = g_hud.kill_count;
    if (n < HUD_BOMB_BONUS_FROM) {
        g_hud.kill_step = 0;
        g_hud.kill_bonus = (int)hud_bomb_step(0);
    } else {
        g_hud.kill_step = n - 9;
        g_hud.kill_bonus = hud_clamp_int(hud_bomb_sum(n - 9));
    }
}

static void hud_bomb_bonus_phase(float dt)
{
    hud_colour(HUD_GREEN);
    if (g_hud.kill_bonus >= 1) {
        hud_printf(-8.25f, 0.0f, 2.5f * g_hud.bonus_pulse, "%d %s %d", g_hud.kill_step + 1,
                   menu_text(TEXT_BOMB_STEP), g_hud.kill_bonus);
    } else {
        hud_printf(-8.25f, 0.0f, 2.5f * g_hud.bonus_pulse, "%s %d", menu_text(TEXT_BOMB_TOTAL), -g_hud.kill_bonus);
    }
    const int n = g_hud.kill_count;
    if (hud_blink_due(dt, g_hud.kill_step < n)) {
        int64_t paid = (int64_t)g_hud.kill_bonus * (g_hud.shown_step + 1);
        if (paid > 0) {
            hud_add_score(paid);
        }
        if (g_hud.kill_step < n) {
            g_hud.kill_step++;
        }
        g_hud.kill_bonus = g_hud.kill_step < n ? (int)hud_bomb_step(g_hud.kill_step) : -hud_clamp_int(hud_bomb_sum(n - 1));
        sound_play_named(SOUND_PING_BOMB_COUNT);
    }
    hud_draw_shown_multiplier(1.0f);
}

void hud_draw(void)
{
    const float dt = g_frame_dt;
    GameInfo *p1 = g_hud.player1;
    hud_colour(HUD_GREEN);
    hud_bind_texture();
    if (p1) {
        hud_draw_meter(g_render_modelnum1, p1->lives, 0.0f, g_hud.offset);
        hud_draw_meter(-1.0f, p1->bombs, 0.0f, g_hud.offset);
        hud_draw_ping_pulse(p1->running_total, p1->multiplier_step, 0.0f, g_hud.offset, &p1->flash_phase);
    }
    hud_draw_difficulty();
    hud_glide(dt);

    const float pulse = g_hud.clock_pulse;
    hud_printf(13.5f - HUD_EDGE_IN - pulse, -14.5f - g_hud.offset + 0.8f * pulse, 2.0f * pulse - 6.0f, "%3d:%.2d",
               g_hud.clock_seconds, g_hud.clock_hundredths);
    if (p1) {
        hud_draw_score(p1, 0);
    }
    if (g_hud.caption_fade < HUD_FADE_DONE) {
        g_hud.caption_fade += dt * HUD_FADE_RATE;
        g_glyph_sink.colour(1.0f - g_hud.caption_fade, 0.9f, 0.1f, 1.0f);
    }
    hud_text(g_hud.caption_pos[0], g_hud.caption_pos[1], g_hud.caption_pos[2], g_hud.caption);

    GameInfo *p2 = g_hud.player2;
    if (g_two_player && p1 && p2 && p1->points != 0) {
        int s = hud_clamp_int(100 * (int64_t)p2->points / p1->points);
        hud_colour(HUD_RED);
        hud_printf(g_hud.share_pos[0], g_hud.share_pos[1], g_hud.share_pos[2], "P1=%d%% P2=%d%%", 100 - s, s);
    }
    if (g_level_number == HUD_FIRST_LEVEL && (int)g_game_type == 0 && g_loop_value <= 1.0f) {
        hud_draw_help();
    }
    if (g_hud.end_timer == 0.0f) {
        return;
    }
    g_hud.end_timer += dt;
    hud_draw_banners();
    const int m = p1 ? p1->multiplier_step : 0;
    const float timer = g_hud.end_timer;
    if (g_hud.time_bonus >= 0 && timer <= HUD_TIME_PHASE_END) {
        hud_time_bonus_phase(dt, m);
    }
    // A long frame may jump over the window between the phases; the set-up still runs once.
    if (timer > HUD_TIME_PHASE_END && (timer <= HUD_KILL_PHASE_FROM || !g_hud.bomb_ready)) {
        hud_bomb_bonus_setup(m);
    }
    if (g_hud.kill_count > 0 && timer > HUD_KILL_PHASE_FROM) {
        hud_bomb_bonus_phase(dt);
    }
}
