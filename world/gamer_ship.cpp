// gamer_ship.cpp -- one player ship's tick: its input, momentum and collision, the
// spinner and shield, the aim, firing from the player bullet table and smart bombs; and
// the damage and loss of a life.

#include "world/gamer_local.h"

#include "core/mathlib.h"
#include "core/mt.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "render/camera.h"
#include "world/actortype.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/level.h"
#include "world/powerup.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

constexpr float GAMER_TICK = 0.01f;           // seconds of one tick
constexpr float GAMER_MOUSE_AIM = 1.0f;       // the input type of mouse aim
constexpr int GAMER_GROW_TICKS = 100;         // the ship grows in before the start, out after the end
constexpr int GAMER_STILL_TICKS = -100;       // before this level tick the ship does not move
constexpr int GAMER_FROZEN_MAX = 7;           // short freezes count down; a death's timer stays
constexpr float GAMER_SHIELD_COVER = 0.1f;    // seconds a shield that took a hit still covers
constexpr float GAMER_KNOCK_DECAY = 0.9f;
constexpr float GAMER_KNOCK_REST = 0.01f;
constexpr float GAMER_AIM_DISTANCE_SCALE = 0.00015f;
constexpr float GAMER_MISSILE_REACH = 36.0f;
constexpr uint32_t GAMER_MISSILE_COLLIDE_MASK = 0x10002;   // enemies and fences
constexpr float GAMER_BOMB_COOLDOWN = 0.5f;
constexpr float GAMER_BOMB_HOLD = 0.01f;      // a held bomb button keeps the cooldown from running out
constexpr float GAMER_BOMB_SHAKE = 90.0f;
constexpr float GAMER_SHARE_DEATH = 0.1f;
constexpr float GAMER_SHARE_BOMB = 0.05f;

// ---------------------------------------------------------------------------------------
// Models

// The root matrix of a ship model: pitched by tilt, turned by heading, scaled, at pos.
static void gamer_pose(Actor *a, float tilt, float heading, float scale, const float pos[3])
{
    float *m = a->matrix_block;
    if (!m) {
        return;
    }
    float sa = sinf(tilt * DEG2RAD), ca = cosf(tilt * DEG2RAD);
    float sb = sinf(heading * DEG2RAD), cb = cosf(heading * DEG2RAD);
    m[0] = cb * scale;
    m[1] = 0.0f;
    m[2] = -sb * scale;
    m[4] = sb * sa * scale;
    m[5] = ca * scale;
    m[6] = sa * cb * scale;
    m[8] = ca * sb * scale;
    m[9] = -sa * scale;
    m[10] = ca * cb * scale;
    m[3] = m[7] = m[11] = 0.0f;
    m[12] = pos[0];
    m[13] = pos[1];
    m[14] = pos[2];
    m[15] = 1.0f;
}

// The random animations of the actor's block that are not playing count down and start.
static void gamer_random_anims(Actor *a, float *timers)
{
    const ActorParams *p = a->params;
    for (int i = 0; i < p->random_anim_count && i < MAX_RANDOM_ANIMS; i++) {
        const RandomAnim *r = &p->random_anims[i];
        if (anim_is_playing(&a->anim, r->anim) == 1) {
            continue;
        }
        timers[i] -= GAMER_TICK;
        if (timers[i] < 0.0f) {
            timers[i] = r->delay_min + mt_rand_unit() * r->delay_range;
            anim_play(&a->anim, r->anim, r->speed_min + mt_rand_unit() * r->speed_range, 0);
        }
    }
}

// The animation step of every actor: history, animation, bone matrices, hit spheres.
static void gamer_animate(Actor *a, float scale)
{
    if (a->anim.start_counter) {
        a->anim.start_counter--;
        anim_trail_set_position(&a->anim, a->position);
    }
    anim_update(&a->anim);
    anim_build_matrices(&a->anim);
    anim_update_hit_spheres(a, 0, scale);
}

// An extra model at pos: posed, its random animations, animated.
static void gamer_part_pose(GamerPart *part, float tilt, float heading, float scale, const float pos[3])
{
    Actor *a = &part->actor;
    memcpy(a->position, pos, sizeof(a->position));
    gamer_pose(a, tilt, heading, scale, pos);
    gamer_random_anims(a, part->random_anim_timers);
    gamer_animate(a, scale);
}

static void gamer_explode(Actor *a, int event)
{
    const float *at = a->position;
    if (a->anim.hit_spheres && a->anim.set && a->anim.set->sphere_count > 0) {
        at = a->anim.hit_spheres[0].centre;
    }
    actortype_spawn_explosions(a->type, event, at, a->matrix_block, a->scale, 0.0f);
}

// A raised shield took a hit: it pops and covers for a tenth of a second more.
static void gamer_shield_cover(Gamer *g)
{
    if (g->shield_timer > GAMER_SHIELD_COVER) {
        g->shield_timer = GAMER_SHIELD_COVER;
        if (g->shield.on) {
            gamer_explode(&g->shield.actor, EXPLOSION_EVENT_BYE_BYE);
        }
    }
}

// ---------------------------------------------------------------------------------------
// Damage

void gamer_take_damage(Gamer *g, float damage)
{
    if (!(damage > 0.0f)) {
        return;
    }
    g->hit_flash = ACTOR_HIT_FLASH;
    if (g->energy > 0.0f && !gamer_invulnerable()) {
        g->energy -= damage;
        if (g->energy <= 0.0f) {
            gamer_lose_life(g);
        }
    }
}

void gamer_lose_life(Gamer *g)
{
    if (g->death_timer) {
        return;
    }
    gamer_explode(g, EXPLOSION_EVENT_BYE_BYE);
    g->out_of_play = 1;
    g->death_timer = GAMER_DEATH_TIMER;
    GameInfo *gi = &g->info;
    if (gamer_is_second(g)) {
        GameInfo *stock = &g_gamer_first->info;
        if (stock->lives > 0) {
            stock->lives--;
        } else {
            gi->lives = -1;
        }
    } else {
        gi->lives--;
    }
    if (g_two_player) {
        gamer_share_value(g, GAMER_SHARE_DEATH);
    } else {
        gi->step_back = 1;
        gi->running_total_at_death = gi->running_total;
        if (gi->lives >= 0) {
            gi->bomb_refill = 1;
        }
    }
    if (gi->lives < 0) {
        g->energy = -1.0f;
    }
    memset(g->momentum, 0, sizeof(g->momentum));
    memset(g->velocity, 0, sizeof(g->velocity));
    g->threeway_timer = g->laser_timer = g->missile_timer = 0.0f;
    g->spinner_timer = g->shield_timer = 0.0f;
    gi->shield_carry = 0;
    gamer_count_ships();
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
    uint32_t all = 0;
    for (Gamer *g = g_gamers; g; g = g->next) {
        if (!(g->energy > 0.0f)) {
            continue;
        }
        uint32_t r = 0;
        if (g->spinner_timer > 0.0f && g->spinner.on) {
            r = actor_spheres_damage_test(&g->spinner.actor);
        }
        if (!r && g->shield_timer > 0.0f && g->shield.on) {
            r = actor_spheres_damage_test(&g->shield.actor);
            if (r && damage != 0.0f) {
                g->shield_timer = 0.0f;
                gamer_explode(&g->shield.actor, EXPLOSION_EVENT_BYE_BYE);
            }
        }
        if (!r) {
            r = actor_spheres_damage_test(g);
            if (r) {
                r |= ACTOR_HIT_DAMAGE;
                float d = damage;
                if (g->shield_timer > 0.0f) {
                    d = 0.0f;
                    gamer_shield_cover(g);
                }
                gamer_take_damage(g, d);
            }
        }
        all |= r;
    }
    return all;
}

// ---------------------------------------------------------------------------------------
// Firing and bombs

// A missile: an enemy of its own kind that flies off along the heading.
static void gamer_launch_missile(Gamer *g, const GamerBullet *gb, float heading)
{
    Beastie *b = new Beastie;
    if (beastie_init(b, "", g->position, gb->scale, heading, 0.0f, 0.0f, gb->type, nullptr) != 0) {
        beastie_destroy(b, 1);
        return;
    }
    b->category = (int)cat_bullet;
    b->collide_mask = GAMER_MISSILE_COLLIDE_MASK;
    b->collided_by_mask = 0;
    b->shooter = g;
    beastie_start(b, 0, BEASTIE_START_MUTATE);
    beastie_set_target_point(b, heading, GAMER_MISSILE_REACH);
}

// A running weapon timer falls and names the slot that fires: the last running one wins.
static int gamer_run_weapon(float *timer, int slot, int current)
{
    if (*timer > 0.0f) {
        *timer -= GAMER_TICK;
        return slot;
    }
    return current;
}

static void gamer_fire(Gamer *g, uint32_t fire)
{
    int slot = gamer_is_second(g) ? GAMER_BULLET_P2 : GAMER_BULLET_P1;
    int threeway = g->threeway_timer > 0.0f;
    slot = gamer_run_weapon(&g->threeway_timer, GAMER_BULLET_THREEWAY, slot);
    slot = gamer_run_weapon(&g->laser_timer, GAMER_BULLET_LASER, slot);
    slot = gamer_run_weapon(&g->missile_timer, GAMER_BULLET_MISSILE, slot);
    if (!(g->fire_cooldown <= 0.0f && (fire & INPUT_BUTTON_FIRE) && slot < g_gamer_bullet_count)) {
        g->fire_cooldown -= GAMER_TICK;
        return;
    }
    const GamerBullet *gb = &g_gamer_bullets[slot];
    if (slot == GAMER_BULLET_MISSILE) {
        gamer_launch_missile(g, gb, g->aim_heading);
    } else {
        bullet_spawn_heading(gb->type, nullptr, g, g->aim_heading, 0.0f, gb->scale, slot);
        if (threeway && gb->type && gb->type->params) {
            float spray = gb->type->params->bullet_spray_angle;
            bullet_spawn_heading(gb->type, nullptr, g, g->aim_heading + spray, 0.0f, gb->scale, slot);
            bullet_spawn_heading(gb->type, nullptr, g, g->aim_heading - spray, 0.0f, gb->scale, slot);
        }
    }
    g->fire_cooldown = gb->interval;
    anim_play_by_name(&g->anim, "fire", 1.0f, 0);
}

static void gamer_bomb(Gamer *g, uint32_t fire)
{
    int held = (fire & INPUT_BUTTON_BOMB) != 0;
    if (g->bomb_cooldown > 0.0f) {
        if (!held || g->bomb_cooldown > GAMER_BOMB_HOLD) {
            g->bomb_cooldown -= GAMER_TICK;
        }
        return;
    }
    if (!held) {
        return;
    }
    GameInfo *stock = gamer_is_second(g) ? &g_gamer_first->info : &g->info;
    if (stock->bombs <= 0) {
        return;
    }
    stock->bombs--;
    actortype_spawn_explosions(g->type, EXPLOSION_EVENT_SMART_BOMB, g->position, g->matrix_block, g->scale, 0.0f);
    g->bomb_cooldown = GAMER_BOMB_COOLDOWN;
    g_camera.bump = GAMER_BOMB_SHAKE;
    if (g_two_player) {
        gamer_share_value(g, GAMER_SHARE_BOMB);
    }
}

// ---------------------------------------------------------------------------------------
// The tick

// What the ship reads of its input this tick, in its own signs.
struct GamerInput {
    float move[2];     // x, y
    float fire[2];     // x, y
    uint32_t buttons;
    int mouse;         // aimed with the mouse
};

static GamerInput gamer_read_input(Gamer *g)
{
    GamerInput in = {};
    const PlayerInput *pi = g->info.input;
    if (pi) {
        in = GamerInput{{pi->move[0], pi->move[1]}, {pi->fire[0], pi->fire[1]}, pi->buttons,
                        pi->input_type == GAMER_MOUSE_AIM};
    }
    if (g_camera.side) {
        for (float *v : {&in.move[0], &in.move[1], &in.fire[0], &in.fire[1]}) {
            *v = -*v;
        }
    }
    if (in.mouse) {
        if (in.buttons & INPUT_BUTTON_FIRE_ONLY) {
            in.buttons |= INPUT_BUTTON_FIRE;
        }
    } else if (in.buttons & INPUT_BUTTON_FIRE_ONLY) {
        // Fire lock: the aim is taken from the stick once, then held.
        in.buttons |= INPUT_BUTTON_FIRE;
        if (!g->lock_latch) {
            in.fire[0] = in.move[0];
            in.fire[1] = in.move[1];
        } else {
            in.fire[0] = in.fire[1] = 0.0f;
        }
        g->lock_latch = 1;
    } else {
        g->lock_latch = 0;
    }
    return in;
}

static void gamer_freeze(Gamer *g)
{
    if (g->info.lives < 0) {
        g->death_timer = 1;
        return;
    }
    if (g->death_timer >= 1 && g->death_timer <= GAMER_FROZEN_MAX) {
        g->death_timer--;
    }
    if (g_game_over || g_level_end_ticks || g_level_ticks < 0) {
        g->death_timer = 1;
    }
}

// The ship's size: it grows in over the last ticks before the start and shrinks away
// after the level's end.
static float gamer_size_factor(void)
{
    float f = 1.0f;
    if (g_level_end_ticks > 0) {
        f = 1.0f - 0.01f * (float)g_level_end_ticks;
    } else if (g_level_ticks < 0) {
        f = 1.0f + 0.01f * (float)g_level_ticks;
    }
    return f > 0.0f ? f : 0.0f;
}

// Steering with momentum; returns 1 while the stick steers. d receives the tick's push.
static int gamer_steer(Gamer *g, const float move[2], float d[2])
{
    const ActorParams *p = g->params;
    float s = p->move_speed_range;
    d[0] = s * move[0];
    d[1] = -s * move[1];
    float len2 = d[0] * d[0] + d[1] * d[1];
    if (len2 > s * s) {
        float r = s * fast_recip(sqrtf(len2));
        d[0] *= r;
        d[1] *= r;
    }
    int steering = d[0] != 0.0f || d[1] != 0.0f;
    float k = steering ? p->move_inertia_accn : p->move_inertia_decn;
    g->momentum[0] = g->momentum[0] * k + d[0];
    g->momentum[2] = g->momentum[2] * k + d[1];
    g->velocity[0] = g->momentum[0] + g->knock[0];
    g->velocity[1] = 0.0f;
    g->velocity[2] = g->momentum[2] + g->knock[2];
    for (int i : {0, 2}) {
        g->knock[i] *= GAMER_KNOCK_DECAY;
        if (g->knock[i] > -GAMER_KNOCK_REST && g->knock[i] < GAMER_KNOCK_REST) {
            g->knock[i] = 0.0f;
        }
    }
    return steering;
}

// The mouse aim point, pulled inside the view and written back to the input record.
static void gamer_mouse_aim(Gamer *g, const float fire[2])
{
    float p[3] = {fire[0], 0.0f, -fire[1]};
    frustum_clamp_point(p);
    if (PlayerInput *pi = g->info.input) {
        float sign = g_camera.side ? -1.0f : 1.0f;
        pi->fire[0] = sign * p[0];
        pi->fire[1] = -sign * p[2];
    }
    float dx = p[0] - g->position[0];
    float dz = p[2] - g->position[2];
    g->aim[0] = p[0];
    g->aim[1] = -p[2];
    g->aim[2] = (dx * dx + dz * dz) * GAMER_AIM_DISTANCE_SCALE;
    g->aim_heading = atan2f(dx, dz) * RAD2DEG;
}

void gamer_update(Gamer *g)
{
    if (g->hit_flash > 0) {
        g->hit_flash--;
    }
    GamerInput in = gamer_read_input(g);
    gamer_freeze(g);
    if (g->death_timer) {
        in.move[0] = in.move[1] = 0.0f;
    }
    float f = gamer_size_factor();
    float d[2];
    int steering = gamer_steer(g, in.move, d);
    gamer_random_anims(g, g->random_anim_timers);

    // Collision: a beam touched costs a whole life, enemies their hit power.
    float damage = 0.0f;
    uint32_t r = 0;
    if (g_level_ticks > GAMER_STILL_TICKS) {
        g_gamer_damage = 0.0f;
        r = actor_move_collide(g);
        damage = g_gamer_damage;
        if (r & ACTOR_HIT_FIZZ) {
            damage = 1.0f;
        }
    }

    int spun = 0;
    if (g->spinner_timer > 0.0f) {
        g->spinner_timer -= GAMER_TICK;
        if (g->spinner.on) {
            float k = g->spinner_timer < 1.0f ? g->spinner_timer : 1.0f;
            gamer_part_pose(&g->spinner, g->tilt, 0.0f, k * g->spinner.actor.scale, g->position);
            if (actor_bone_spheres_collide(&g->spinner.actor)) {
                spun = 1;
                damage = 0.0f;
                r &= ACTOR_HIT_FIZZ;
            }
        }
    }
    g->info.shield_carry = 0;
    if (g->shield_timer > 0.0f) {
        g_powerup_no_drop = GAMER_NO_DROP_SHIELD;
        if (g->shield_timer >= 1.0f) {
            g->info.shield_carry = 1;
        } else {
            g->shield_timer -= GAMER_TICK;
        }
        if (!spun && g->shield.on) {
            gamer_part_pose(&g->shield, g->tilt, 0.0f, f * g->shield.actor.scale, g->position);
            if (actor_bone_spheres_collide(&g->shield.actor)) {
                damage = 0.0f;
                gamer_shield_cover(g);
            }
        }
    }

    if (r & ACTOR_HIT_DAMAGE) {
        if (g->shield_timer > 0.0f) {
            damage = 0.0f;
            gamer_shield_cover(g);
        }
        gamer_take_damage(g, damage);
    } else if (r & ACTOR_HIT_FIZZ) {
        // A push off a fence: knocked back along the bounce.
        float a = atan2f(g->velocity[0], g->velocity[2]);
        float k = g->params->fence_bounce;
        g->knock[0] = sinf(a) * k;
        g->knock[2] = cosf(a) * k;
    }

    if (in.mouse) {
        gamer_mouse_aim(g, in.fire);
    } else if (in.fire[0] != 0.0f || in.fire[1] != 0.0f) {
        g->aim_heading = atan2f(in.fire[0], -in.fire[1]) * RAD2DEG;
    }
    if (steering) {
        g->move_heading = atan2f(d[0], d[1]) * RAD2DEG;
    }

    if (g->hull.on) {
        const ActorParams *hp = g->hull.actor.params;
        float at[3] = {g->position[0], g->position[1] + hp->bullet_spray_angle, g->position[2]};
        gamer_part_pose(&g->hull, g->tilt, g->move_heading, f * g->hull.actor.scale, at);
    }
    g->position[1] = g->radius;
    gamer_pose(g, g->tilt, g->aim_heading, f * g->scale, g->position);
    gamer_animate(g, f * g->scale);

    uint32_t fire = g->death_timer ? 0u : in.buttons;
    gamer_fire(g, fire);
    gamer_bomb(g, fire);

    if (g->position[1] < 0.0f && !g_game_over) {
        g->position[1] = 0.0f;
    }
}

// The effect of a picked-up power-up on the ship: kinds 1-3 start one weapon timer and
// end the other two, 4 raises the shield, 5 starts the spinner, 6 pays its points.
static void gamer_take_powerup(Gamer *g, const ActorParams *p)
{
    const float v = p->target_delay_range;
    switch (p->bonus_seq_hit) {
    case 1:
        g->threeway_timer += v;
        g->laser_timer = g->missile_timer = 0.0f;
        break;
    case 2:
        g->laser_timer += v;
        g->threeway_timer = g->missile_timer = 0.0f;
        break;
    case 3:
        g->missile_timer += v;
        g->threeway_timer = g->laser_timer = 0.0f;
        break;
    case 4:
        g->shield_timer = 1.0f;
        if (g->shield.on) {
            gamer_part_pose(&g->shield, g->tilt, 0.0f, g->shield.actor.scale, g->position);
        }
        break;
    case 5:
        g->spinner_timer += v;
        if (g->spinner.on) {
            gamer_part_pose(&g->spinner, g->tilt, 0.0f, g->spinner.actor.scale, g->position);
        }
        break;
    case 6:
        gamer_add_score(g, p->score, 1);
        break;
    default:
        break;
    }
}

int gamer_collect_powerup(ActorType *type, const float point[3], float radius)
{
    if (!type || !type->params || !point) {
        return 0;
    }
    for (Gamer *g = g_gamers; g; g = g->next) {
        float reach = radius + g->radius;
        if (g->out_of_play || vec_dist2_xz(g->position, point) > reach * reach) {
            continue;
        }
        gamer_take_powerup(g, type->params);
        sound_play_named(SOUND_PICKUP_POWERUP);
        return 1;
    }
    return 0;
}
