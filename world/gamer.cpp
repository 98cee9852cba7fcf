// gamer.cpp -- the player ships: building and releasing them, the player bullet table,
// the list queries of the enemies, the update of all ships with the view point, the
// hand-back of their game records and the difficulty derived from their skill.

#include "world/gamer.h"
#include "world/gamer_local.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "platform/input.h"
#include "render/camera.h"
#include "world/actortype.h"
#include "world/level.h"
#include "world/powerup.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

int g_gamer_count;
int g_gamer_in_play;
int g_gamer_with_lives;

Gamer *g_gamers;
Gamer *g_gamer_first;
float g_gamer_view[3];
GamerBullet g_gamer_bullets[GAMER_MAX_BULLETS];
int g_gamer_bullet_count;
float g_render_modelhue1;
float g_render_modelhue2;
GamerImports g_gamer_imports;
static ActorType *gamer_shield_type;
static ActorType *gamer_spinner_type;
static int gamer_next_number = 1;

// The ship's category and masks: it collides with every enemy, fences, beams, ships and
// blocks, and is hit by enemies, ships and bullets. Its extra models touch enemies and
// blocks and are hit by enemies and bullets.
constexpr uint32_t GAMER_COLLIDE_MASK = 0x1004E;
constexpr uint32_t GAMER_COLLIDED_BY_MASK = 0x10018;
constexpr uint32_t GAMER_PART_COLLIDE_MASK = 0x10040;
constexpr uint32_t GAMER_PART_COLLIDED_BY_MASK = 0x10010;

// Smart bombs a refilled stock holds (one player, two players).
constexpr int GAMER_REFILL_BOMBS = 3;
constexpr int GAMER_REFILL_BOMBS_PAIR = 5;
// A ship in play widens the level's bounds by this radius.
constexpr float GAMER_BOUNDS_RADIUS = 6.0f;
// The camera frames the ships only after the opening of the level.
constexpr int GAMER_FRAMING_TICKS = 150;
// After a wrap of the level sequence the difficulty of the easiest game types starts here.
constexpr float GAMER_WRAP_SKILL_FLOOR = 30.0f;

// ---------------------------------------------------------------------------------------
// Building and releasing

void gamer_arm_random_anims(const Actor *a, float *timers)
{
    const ActorParams *p = a->params;
    for (int i = 0; i < p->random_anim_count && i < MAX_RANDOM_ANIMS; i++) {
        timers[i] = p->random_anims[i].delay_min + mt_rand_unit() * p->random_anims[i].delay_range;
    }
}

// One extra model of the ship from its type at pos; size not above 0: the block's launch
// size. Left off when the type is missing or cannot be set up.
static void gamer_part_init(GamerPart *part, ActorType *type, const float pos[3], float size)
{
    part->on = 0;
    if (!type || !type->params) {
        return;
    }
    if (!(size > 0.0f)) {
        size = type->params->launch_scale_min;
    }
    if (actor_setup_type(&part->actor, type, (int)cat_player, GAMER_PART_COLLIDE_MASK, GAMER_PART_COLLIDED_BY_MASK,
                         size) != 0) {
        return;
    }
    memcpy(part->actor.position, pos, sizeof(part->actor.position));
    gamer_arm_random_anims(&part->actor, part->random_anim_timers);
    part->on = 1;
}

void gamer_count_ships(void)
{
    int count = 0, in_play = 0, with_lives = 0;
    for (const Gamer *g = g_gamers; g; g = g->next) {
        count++;
        in_play += !g->out_of_play;
        with_lives += g->info.lives >= 0;
    }
    g_gamer_count = count;
    g_gamer_in_play = in_play;
    g_gamer_with_lives = with_lives;
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
    gamer_arm_random_anims(g, g->random_anim_timers);
    gamer_part_init(&g->hull, type->linked, pos, size);
    gamer_part_init(&g->spinner, gamer_spinner_type, pos, 0.0f);
    gamer_part_init(&g->shield, gamer_shield_type, pos, 0.0f);

    g->move_heading = angle;
    g->aim_heading = angle;
    g->energy = 1.0f;
    g->tilt = -90.0f;
    memcpy(g->position, pos, sizeof(g->position));
    g->position[1] += g->radius;

    g->player_number = gamer_next_number++;
    g_gamer_imports.record_get(g->player_number, &g->info);
    GameInfo *gi = &g->info;
    if (gi->lives < 0) {
        g->out_of_play = 1;
        g->death_timer = GAMER_DEATH_TIMER;
        g->energy = -1.0f;
    } else if (gi->shield_carry) {
        g->shield_timer = 1.0f;
    }
    if (gi->bomb_refill) {
        gi->bombs = g_two_player ? GAMER_REFILL_BOMBS_PAIR : GAMER_REFILL_BOMBS;
        gi->bomb_refill = 0;
    }
    if (gi->step_back) {
        gamer_step_back(gi);
    }

    g->next = g_gamers;
    g_gamers = g;
    if (!g_gamer_first) {
        g_gamer_first = g;
    }
    g_gamer_imports.show_record(gi, g->player_number);
    gamer_count_ships();
    return 0;
}

void gamer_destroy(Gamer *g, int flags)
{
    actor_destroy(&g->hull.actor, 0);
    actor_destroy(&g->spinner.actor, 0);
    actor_destroy(&g->shield.actor, 0);
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

void gamer_reset_globals(void)
{
    g_gamers = nullptr;
    g_gamer_first = nullptr;
    g_gamer_bullet_count = 0;
    gamer_shield_type = nullptr;
    gamer_spinner_type = nullptr;
    memset(g_gamer_view, 0, sizeof(g_gamer_view));
    gamer_next_number = 1;
    g_powerup_no_drop = -1;
    g_gamer_imports.show_record(nullptr, 1);
    g_gamer_imports.show_record(nullptr, 2);
    gamer_count_ships();
}

void gamer_free_all(void)
{
    while (Gamer *g = g_gamers) {
        g_gamers = g->next;
        gamer_destroy(g, 1);
    }
    gamer_reset_globals();
}

// ---------------------------------------------------------------------------------------
// Queries

int gamer_first_exists(void)
{
    return g_gamer_first != nullptr;
}

int gamer_invulnerable(void)
{
    return (g_hidden_keys & 1) && g_f1_flag == 1.0f;
}

int gamer_is_second(const Gamer *g)
{
    return g_two_player && g != g_gamer_first;
}

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

// ---------------------------------------------------------------------------------------
// All ships

int gamer_update_all(void)
{
    float sum[3] = {0.0f, 0.0f, 0.0f};
    int in_play = 0;
    g_powerup_no_drop = -1;
    for (Gamer *g = g_gamers; g; g = g->next) {
        gamer_update(g);
        if (!g->out_of_play) {
            game_grow_bounds(g->position, GAMER_BOUNDS_RADIUS);
            for (int i = 0; i < 3; i++) {
                sum[i] += g->position[i];
            }
            in_play++;
        }
    }
    if (in_play > 1) {
        float r = fast_recip((float)in_play);
        for (int i = 0; i < 3; i++) {
            sum[i] *= r;
        }
    }
    memcpy(g_gamer_view, sum, sizeof(g_gamer_view));
    gamer_count_ships();
    if (g_gamer_with_lives == 0) {
        return -1;
    }
    if (g_gamer_in_play > 0) {
        return 1;
    }
    // Both ships of a pair are out: the first gamer steps back and refills at the restart.
    Gamer *first = g_gamer_first;
    if (g_two_player && first) {
        first->info.step_back = 1;
        first->info.running_total_at_death = first->info.running_total;
        if (first->info.lives >= 0) {
            first->info.bomb_refill = 1;
        }
    }
    return 0;
}

void gamer_view_target(float bounds[6])
{
    int framing = !g_game_over && !g_level_end_ticks && g_level_ticks > GAMER_FRAMING_TICKS && g_beasties_active > 0 &&
                  !g_death_ticks;
    camera_update(g_gamer_view, bounds, framing, g_level_ticks);
    bounds[0] = bounds[3] = g_gamer_view[0];
    bounds[2] = bounds[5] = g_gamer_view[2];
}

void gamer_skill_difficulty(void)
{
    int n = 0;
    float sum = 0.0f;
    // The records of the table: after a level's hand-back they hold the new skill.
    for (const Gamer *g = g_gamers; g; g = g->next) {
        if (g->player_number >= 1 && g->player_number <= GAMEINFO_PLAYERS) {
            sum += g_gameinfo[g->player_number - 1].skill;
            n++;
        }
    }
    float skill = (n > 0 ? sum / (float)n : 0.0f) + g_base_skill;
    if (g_loop_value > 1.0f && g_base_skill <= GAMER_WRAP_SKILL_FLOOR && skill < GAMER_WRAP_SKILL_FLOOR) {
        skill = GAMER_WRAP_SKILL_FLOOR;
    }
    game_set_difficulty(skill);
}

void gamer_gameinfo(int completed, int ticks)
{
    for (const Gamer *g = g_gamers; g; g = g->next) {
        g_gamer_imports.record_set(g->player_number, &g->info, completed, ticks);
    }
}

void gamer_tick_countdowns(void)
{
    for (Gamer *g = g_gamers; g; g = g->next) {
        g->hit_flash = ACTOR_HIT_FLASH;
        g->info.lives = 0;
        g->death_timer = 0;
        if (!gamer_invulnerable()) {
            g->energy -= 1.0f;
            if (g->energy <= 0.0f) {
                gamer_lose_life(g);
            }
        }
    }
    gamer_count_ships();
}
