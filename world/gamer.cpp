// gamer.cpp -- the player ships: their standing in the level, the hand-back of their
// game records and the difficulty derived from their skill.

#include "world/gamer.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/settings.h"
#include "platform/input.h"
#include "world/actortype.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

int g_gamer_count;
int g_gamer_in_play;
int g_gamer_with_lives;

Gamer *g_gamers;
GamerBullet g_gamer_bullets[GAMER_MAX_BULLETS];
int g_gamer_bullet_count;
static ActorType *gamer_shield_type;
static ActorType *gamer_spinner_type;
static int gamer_next_number = 1;

// The ship's category and masks: it collides with every enemy, fences, beams, ships and
// blocks, and is hit by enemies, ships and bullets.
constexpr uint32_t GAMER_COLLIDE_MASK = 0x1004E;
constexpr uint32_t GAMER_COLLIDED_BY_MASK = 0x10018;

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

int gamer_collect_powerup(ActorType *type, const float point[3], float radius)
{
    (void)type;
    (void)point;
    (void)radius;
    return 0;
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

int gamer_init(Gamer *g, ActorType *type, const float pos[3], float size, float angle)
{
    if (!type || !type->params) {
        con_printf("*** gamer help");
        return -1;
    }
    if (actor_setup_type(g, type, (int)cat_player, GAMER_COLLIDE_MASK, GAMER_COLLIDED_BY_MASK, size) != 0) {
        return -1;
    }
    g->move_heading = angle;
    g->aim_heading = angle;
    g->energy = 1.0f;
    memcpy(g->position, pos, sizeof(g->position));
    g->position[1] += g->radius;
    g->player_number = gamer_next_number++;
    g->next = g_gamers;
    g_gamers = g;
    return 0;
}

void gamer_destroy(Gamer *g, int flags)
{
    actor_destroy(g, 0);
    if (flags & 1) {
        delete g;
    }
}

void gamer_add_bullet_type(ActorType *type, float interval, float scale)
{
    if (g_gamer_bullet_count >= GAMER_MAX_BULLETS) {
        con_printf("*** [gamer] too many bullets");
        return;
    }
    int n = g_gamer_bullet_count++;
    g_gamer_bullets[n] = GamerBullet{interval, scale, type};
    if (n == GAMER_BULLET_SHIELD) {
        gamer_shield_type = type;
    } else if (n == GAMER_BULLET_SPINNER) {
        gamer_spinner_type = type;
    }
}

float gamer_hue(void)
{
    float own = 30.0f * g_render_modelhue1;
    float other = 30.0f * g_render_modelhue2;
    int n = g_gamer_bullet_count;
    if (n >= 6) {
        return other;
    }
    if (n == 0) {
        return own;
    }
    float hue = angle_wrap180(own + 180.0f);
    if (g_two_player) {
        for (float alternative : {own - 90.0f, own + 90.0f}) {
            if (fabsf(angle_wrap180(hue - other)) > 60.0f) {
                break;
            }
            hue = angle_wrap180(alternative);
        }
    }
    return hue;
}

gamer_kill_hook_t g_gamer_kill_hook;

Gamer *gamer_nearest_live(const float point[3])
{
    Gamer *best = nullptr;
    float best_d2 = 0.0f;
    for (Gamer *g = g_gamers; g; g = g->next) {
        if (g->energy > 0.0f) {
            float d2 = vec_dist2_xz(point, g->position);
            if (!best || d2 < best_d2) {
                best = g;
                best_d2 = d2;
            }
        }
    }
    return best;
}

const float *gamer_nearest_live_position(const float point[3])
{
    const Gamer *g = gamer_nearest_live(point);
    if (!g) {
        g = g_gamers;
    }
    return g ? g->position : nullptr;
}

void gamer_score_kill(Gamer *g, Beastie *b)
{
    if (g && g_gamer_kill_hook) {
        g_gamer_kill_hook(g, b);
    }
}

uint32_t gamer_spheres_hit_test_all(void)
{
    uint32_t flags = 0;
    for (Gamer *g = g_gamers; g; g = g->next) {
        if (g->energy > 0.0f) {
            flags |= actor_spheres_hit_test(g);
        }
    }
    return flags;
}

uint32_t gamer_hit_by_actor(float damage)
{
    // The body: a touch of a live ship's bone sphere is a damaging contact. (The spinner,
    // the shield and the damage itself come with the ship's update.)
    (void)damage;
    uint32_t flags = 0;
    for (Gamer *g = g_gamers; g; g = g->next) {
        if (g->energy > 0.0f && (actor_spheres_damage_test(g) & ACTOR_HIT_TOUCH)) {
            flags |= ACTOR_HIT_DAMAGE;
        }
    }
    return flags;
}

void gamer_reset_globals(void)
{
    g_gamers = nullptr;
    g_gamer_bullet_count = 0;
    gamer_shield_type = nullptr;
    gamer_spinner_type = nullptr;
    gamer_next_number = 1;
}

void gamer_free_all(void)
{
    while (Gamer *g = g_gamers) {
        g_gamers = g->next;
        gamer_destroy(g, 1);
    }
    gamer_reset_globals();
}
