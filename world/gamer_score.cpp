// gamer_score.cpp -- scoring: every point passes through the player's multiplier, which
// climbs the threshold table; kills score by type with a bonus for a run of one type; the
// level end pays for the enemies left standing; in a two-player game the points gather in
// player 1's record and a share tracks how the pair is doing.

#include "world/gamer_local.h"

#include "core/mathlib.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "render/camera.h"
#include "render/footprint.h"
#include "world/actortype.h"
#include "world/beastie.h"
#include "world/explosion.h"
#include "world/powerup.h"

#include <climits>

// Floating score numbers of a kill: red, yellow for the bonus of a run.
constexpr uint32_t GAMER_SCORE_COLOUR = 0xFF4040FFu;
constexpr uint32_t GAMER_BONUS_COLOUR = 0xFF00FFFFu;
constexpr float GAMER_SCORE_LIFE = 1.5f;
// Where the multiplier's sparkle goes: toward this x, pulled to the edge of the view.
constexpr float GAMER_MULTIPLY_EDGE = 1000.0f;
constexpr float GAMER_FLASH_STEP = 1.0f;
constexpr float GAMER_FLASH_BACK = 0.5f;
constexpr float GAMER_SHARE_BALANCE = 0.05f;
constexpr int GAMER_BOMB_LEVEL = 9;   // levels ending in 9 pay the bombs left

// T[i], 0 beyond the table (no further step).
static int64_t gamer_threshold(int i)
{
    return i >= 0 && i < SCORE_THRESHOLDS ? g_score_thresholds[i] : 0;
}

static int32_t gamer_clamp_int(int64_t v)
{
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : (int32_t)v;
}

static void gamer_multiply_sparkle(Gamer *g)
{
    float at[3] = {g_camera.side ? GAMER_MULTIPLY_EDGE : -GAMER_MULTIPLY_EDGE, 0.0f, 0.0f};
    frustum_clamp_point(at);
    actortype_spawn_explosions(g->type, EXPLOSION_EVENT_MULTIPLY_EXTRA, at, nullptr, g->scale, 0.0f);
}

int gamer_add_score(Gamer *g, int points, int counts)
{
    if (!g || (g_hidden_keys & 1) || points == 0) {
        return 0;
    }
    GameInfo *gi = &g->info;
    if (counts) {
        gi->running_total = gamer_clamp_int((int64_t)gi->running_total + points);
        gi->share = gamer_clamp_int((int64_t)gi->share + points);
        gi->points = gamer_clamp_int((int64_t)gi->points + points);
    }
    if (gamer_is_second(g) && g_gamer_first) {
        return gamer_add_score(g_gamer_first, points, counts);
    }
    int64_t t = gamer_threshold(gi->multiplier_step);
    if (t != 0 && gi->running_total > t) {
        gi->multiplier_step++;
        if (gi->multiplier_step > gi->peak_step) {
            gi->peak_step = gi->multiplier_step;
        }
        gi->flash_value = GAMER_FLASH_STEP;
        gi->flash_phase = 0.0f;
        sound_play_named(SOUND_SCORE_MULTIPLY);
        gamer_multiply_sparkle(g);
    }
    int32_t added = gamer_clamp_int((int64_t)points * (gi->multiplier_step + 1));
    gi->score = gamer_clamp_int((int64_t)gi->score + added);
    return added;
}

void gamer_step_back(GameInfo *gi)
{
    int step = gi->multiplier_step;
    int lower = step - 1;
    if (lower < 0) {
        gi->multiplier_step = 0;
        gi->running_total = 0;
    } else {
        int64_t from = gamer_threshold(step - 1);   // T[-1] is 0
        int64_t to = gamer_threshold(step);
        double progress = to != from ? (double)(gi->running_total_at_death - from) / (double)(to - from) : 0.0;
        progress = progress < 0.0 ? 0.0 : progress > 1.0 ? 1.0 : progress;
        int64_t base = gamer_threshold(lower - 1);
        int64_t span = gamer_threshold(lower) - base;
        gi->multiplier_step = lower;
        gi->running_total = gamer_clamp_int(base + (int64_t)(progress * (double)span));
    }
    gi->flash_value = GAMER_FLASH_BACK;
    gi->flash_phase = 0.0f;
    gi->step_back = 0;
}

void gamer_score_kill(Gamer *g, Beastie *b)
{
    if (g && g_gamer_kill_hook) {
        g_gamer_kill_hook(g, b);
    }
    if (!g || !b || g->out_of_play || !b->params) {
        return;
    }
    const ActorParams *p = b->params;
    int points = p->score;
    uint32_t colour = GAMER_SCORE_COLOUR;
    if (b->type != g->last_killed) {
        g->last_killed = b->type;
        g->kill_run = 1;
    } else {
        g->kill_run++;
        if (p->bonus_seq_hit != 0 && g->kill_run >= p->bonus_seq_hit) {
            g->kill_run = 0;
            points = p->bonus_seq_score;
            colour = GAMER_BONUS_COLOUR;
        }
    }
    if (points != 0) {
        int added = gamer_add_score(g, points, 1);
        scorepop_add(b->position, GAMER_SCORE_LIFE, colour, added);
    }
    powerups_spawn_timer(b->position);
}

gamer_kill_hook_t g_gamer_kill_hook;

int gamer_award_level_end(void)
{
    int sum = beasties_kill_scoring();
    if (sum != 0) {
        for (Gamer *g = g_gamers; g; g = g->next) {
            if (g->energy > 0.0f) {
                gamer_add_score(g, sum, 0);
            }
        }
    }
    Gamer *first = g_gamer_first;
    if (first && g_level_number % 10 == GAMER_BOMB_LEVEL) {
        return first->info.bombs;
    }
    return 0;
}

// The ship of a pair that is not the first gamer, or null.
static Gamer *gamer_other(void)
{
    for (Gamer *g = g_gamers; g; g = g->next) {
        if (g != g_gamer_first) {
            return g;
        }
    }
    return nullptr;
}

void gamer_share_value(Gamer *g, float fraction)
{
    Gamer *first = g_gamer_first;
    Gamer *other = gamer_other();
    if (!first || !other || first->info.share <= 0) {
        return;
    }
    // The change is truncated toward zero, then the share kept within 0 .. S.
    double s = first->info.share;
    double o = other->info.share;
    if (g == first) {
        o += (double)(int64_t)(s * (1.0 - o / s) * fraction);
        other->info.share = gamer_clamp_int((int64_t)(o < s ? o : s));
    } else {
        o -= (double)(int64_t)(s * (o / s) * fraction);
        other->info.share = gamer_clamp_int((int64_t)(o > 0.0 ? o : 0.0));
    }
}

int gamer_balance_pair(void)
{
    Gamer *first = g_gamer_first;
    Gamer *other = gamer_other();
    if (!first || !other || first->info.points == 0) {
        return -1;
    }
    double r = 1.0 - (double)other->info.points / (double)first->info.points;
    if (r <= 0.5) {
        gamer_share_value(first, GAMER_SHARE_BALANCE);
        return 1;
    }
    gamer_share_value(other, GAMER_SHARE_BALANCE);
    return 0;
}

void gamer_bonus_extra_explosions(void)
{
    static const float origin[3] = {0.0f, 0.0f, 0.0f};
    if (Gamer *g = g_gamer_first) {
        actortype_spawn_explosions(g->type, EXPLOSION_EVENT_BONUS_EXTRA, origin, nullptr, g->scale, 0.0f);
    }
}
