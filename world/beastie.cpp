// beastie.cpp -- one enemy: creation and list insertion, start, the per-tick update in its
// fixed order, hits, death, submerging and release. Movement is in beastie_move.cpp, the
// links in beastie_link.cpp, the lists in beastie_list.cpp.

#include "world/beastie_local.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "platform/sound.h"
#include "render/particle.h"
#include "world/actortype.h"
#include "world/animset.h"
#include "world/bullet.h"
#include "world/fizz.h"
#include "world/gamer.h"
#include "world/geom.h"
#include "world/level.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>

// Half the side of the arena square an enemy may stand in.
constexpr float BEASTIE_ARENA_EDGE = 100.0f;
// Seconds a dying or submerging enemy keeps out of every live test.
constexpr float BEASTIE_GONE_CLOCK = 3600.0f;
// Regrowth of health_damagable_check_parent is complete at this value.
constexpr float BEASTIE_REGROWN = 100.0f;
// Level-end ticks after which the enemies rise out of the arena.
constexpr int BEASTIE_RISE_AFTER = 100;
// Distance ahead of a new enemy its first target point lies.
constexpr float BEASTIE_TARGET_AHEAD = 36.0f;

// The bone whose pose turning by animation reads (the model convention).
constexpr int BEASTIE_TURN_BONE = 2;

// ---------------------------------------------------------------------------------------
// Helpers shared by the enemy files

void beastie_explode(Beastie *b, int event)
{
    const float *at = b->position;
    if (b->anim.hit_spheres && b->anim.set && b->anim.set->sphere_count > 0) {
        at = b->anim.hit_spheres[0].centre;
    }
    actortype_spawn_explosions(b->type, event, at, b->matrix_block, b->radius, b->heading);
}

// Angle k's entry of angle_trig for the angle a: its sine and cosine, made again only
// when a differs from the angle they were made for (bit for bit what they would be).
static const float *beastie_angle_trig(Beastie *b, int k, float a)
{
    float *t = b->angle_trig[k];
    if (memcmp(&t[0], &a, sizeof(float)) != 0) {
        t[0] = a;
        t[1] = sinf(a * DEG2RAD);
        t[2] = cosf(a * DEG2RAD);
    }
    return t;
}

const float *beastie_yaw_trig(Beastie *b, float heading)
{
    return beastie_angle_trig(b, 1, heading);
}

void beastie_build_root_matrix(Beastie *b)
{
    float *m = b->matrix_block;
    if (!m) {
        return;
    }
    // An angle that did not change keeps its sine and cosine (most enemies stand at a
    // fixed x and z angle and turn only now and then, and the yaw's were mostly made by
    // the movement for the same heading this tick).
    for (int k = 0; k < 3; k++) {
        beastie_angle_trig(b, k, b->angles[k]);
    }
    const float sa = b->angle_trig[0][1], ca = b->angle_trig[0][2];
    const float sb = b->angle_trig[1][1], cb = b->angle_trig[1][2];
    const float sc = b->angle_trig[2][1], cc = b->angle_trig[2][2];
    float s = b->scale;
    m[0] = cb * cc * s;
    m[1] = cb * sc * s;
    m[2] = -sb * s;
    m[4] = (sb * sa * cc - ca * sc) * s;
    m[5] = (sb * sa * sc + ca * cc) * s;
    m[6] = sa * cb * s;
    m[8] = (sa * sc + ca * sb * cc) * s;
    m[9] = (ca * sb * sc - sa * cc) * s;
    m[10] = ca * cb * s;
    m[3] = m[7] = m[11] = 0.0f;
    m[12] = b->position[0];
    m[13] = b->position[1];
    m[14] = b->position[2];
    m[15] = 1.0f;
}

void beastie_draw_offsets(Beastie *b)
{
    b->random_offset[0] = mt_rand_signed() * b->params->random_offset_x;
    b->random_offset[1] = 0.0f;
    b->random_offset[2] = mt_rand_signed() * b->params->random_offset_z;
}

void beastie_draw_trajectory(Beastie *b)
{
    const ActorParams *p = b->params;
    b->trajectory_offset = mt_rand_signed() * p->random_trajectory_offset;
    b->trajectory_delay = p->random_trajectory_delay_min + mt_rand_unit() * p->random_trajectory_delay_range;
}

void beastie_new_spin(Beastie *b)
{
    const ActorParams *p = b->params;
    b->spin_speed = p->spin_speed_min + mt_rand_unit() * p->spin_speed_range;
    if ((mt_rand() & 0x7FFF) >= 0x4000) {
        b->spin_speed = -b->spin_speed;
    }
    if (p->geopus_style & GEOPUS_ARRANGE) {
        b->spin_speed *= b->inv_scale;
    }
    float v = p->turn_speed_moving;
    anim_play_by_name(&b->anim, "spin1_x", v + mt_rand_unit() * v, 0);
}

void beastie_launch_fixed(Beastie *b)
{
    beastie_set_velocity(b);
    beastie_new_spin(b);
}

void beastie_random_anims(Beastie *b)
{
    const ActorParams *p = b->params;
    for (int i = 0; i < p->random_anim_count && i < MAX_RANDOM_ANIMS; i++) {
        const RandomAnim *r = &p->random_anims[i];
        if (anim_is_playing(&b->anim, r->anim) == 1) {
            continue;
        }
        b->random_anim_timers[i] -= 0.01f;
        if (b->random_anim_timers[i] < 0.0f) {
            b->random_anim_timers[i] = r->delay_min + mt_rand_unit() * r->delay_range;
            anim_play(&b->anim, r->anim, r->speed_min + mt_rand_unit() * r->speed_range, 0);
        }
    }
}

float beastie_difficulty_factor(const Beastie *b)
{
    float f = g_speed_factor;
    if (f <= 1.0f) {
        return f;
    }
    return 1.0f + (f - 1.0f) * b->params->difficulty_adjust_speed;
}

void beastie_set_target_point(Beastie *b, float angle, float distance)
{
    b->target_point[0] = b->position[0] + sinf(angle * DEG2RAD) * distance;
    b->target_point[1] = b->position[1];
    b->target_point[2] = b->position[2] + cosf(angle * DEG2RAD) * distance;
}

// ---------------------------------------------------------------------------------------
// Creation

// The place of b in a list: enemies of one type stand together. Without a unique name b
// follows the first enemy of its type; with one, the last of the first run of its type.
static void beastie_insert(Beastie **head, Beastie *b, int named)
{
    Beastie **link = head;
    for (Beastie *e = *head; e; e = e->next) {
        if (e->type == b->type && (!named || (e->next && e->next->type != b->type))) {
            link = &e->next;
            break;
        }
        link = &e->next;
    }
    b->next = *link;
    *link = b;
    g_beasties_listed = 1;
}

static float beastie_clamp_anim_delay(float d)
{
    if (!(d > 0.0f)) {
        return 0.0f;
    }
    return d < BEASTIE_MAX_ANIM_DELAY ? d : BEASTIE_MAX_ANIM_DELAY;
}

int beastie_init(Beastie *b, const char *unique_name, const float position[3], float scale, float heading,
                 float anim_delay, float launch_delay, ActorType *type, Path *path)
{
    if (!unique_name) {
        unique_name = "";
    }
    if (!type || !type->params) {
        con_printf("*** enemy help %s", unique_name);
        return -1;
    }
    const ActorParams *p = type->params;
    if (actor_setup_type(b, type, p->actor_type, p->collide_mask, p->collided_by_mask, scale) != 0) {
        return -1;
    }
    if (beastie_handle_take(b) != 0) {
        return -1;
    }
    b->least_drop = FLT_MAX;
    b->lifecycle = BEASTIE_IDLE;
    b->path = path;
    b->path_pos = 0;
    weapon_clear(&b->weapon_state);

    b->full_health = b->health = anim_reset_bone_health(b, p->health_fraction);
    b->regain = 0.0f;
    b->hit_clock = p->hit_delay;
    b->anim_delay = beastie_clamp_anim_delay(anim_delay);
    b->launch_delay = launch_delay == launch_delay ? launch_delay : 0.0f;

    b->heading = angle_wrap180(heading);
    if (p->angle_grid_size > 1.0f) {
        b->heading = geom_snap_to_multiple(b->heading, p->angle_grid_size);
    }
    b->aim_angle = b->heading;
    if (type->flock_count > 0) {
        b->flock_slot = 1 + (int)(((mt_rand() & 0x7FFF) * (uint32_t)type->flock_count) >> 15);
    }
    for (int i = 0; i < p->random_anim_count && i < MAX_RANDOM_ANIMS; i++) {
        b->random_anim_timers[i] = p->random_anims[i].delay_min + mt_rand_unit() * p->random_anims[i].delay_range;
    }
    beastie_setup_movement(b);

    memcpy(b->position, position, sizeof(b->position));
    memcpy(b->target_point, position, sizeof(b->target_point));
    b->angles[0] = (b->move_bits & cmt_rolly_polly) ? 0.0f : -90.0f;
    b->angles[1] = (b->move_bits & cmt_rolly_polly) ? 0.0f : b->heading;
    b->angles[2] = 0.0f;
    beastie_build_root_matrix(b);

    if (b->move_bits & cmt_wheels) {
        b->wheel_left = type->wheel_left;
        b->wheel_right = type->wheel_right;
        b->wheel_roll = type->wheel_a;
        b->wheel_turn = type->wheel_b;
        b->wheel_heading = b->heading;
    }
    if (p->actor_type == (int)cat_crystal) {
        b->heading = mt_rand_signed() * 180.0f;
        float v = p->turn_speed_moving;
        anim_play_by_name(&b->anim, "spin1_x", v + mt_rand_unit() * v, 0);
    }
    memset(b->state_values, 0, sizeof(b->state_values));
    actortype_init_state_values(type, b->state_values);
    g_beasties_active++;
    snprintf(b->unique_name, sizeof(b->unique_name), "%s", unique_name);
    if (p->actor_type != (int)cat_ground) {
        // Its tick builds only the bones the logic reads; the rest wait for the draw. (The
        // ground's enemies, the room among them, settle with updates that do not build.)
        anim_defer_late_bones(&b->anim);
    }
    beastie_insert(p->actor_type == (int)cat_ground ? &g_ground_beasties : &g_beasties, b, unique_name[0] != 0);
    return 0;
}

void beastie_start(Beastie *b, int update_now, int mode)
{
    if (!b->type || !b->params) {
        return;
    }
    const ActorParams *p = b->params;
    if (mode == BEASTIE_START_MUTATE) {
        b->lifecycle = BEASTIE_MUTATING;
        anim_play(&b->anim, b->type->named_anims[ACTORTYPE_ANIM_MUTATE], 1.0f, 0);
        actortype_spawn_explosions(b->type, EXPLOSION_EVENT_MUTATE, b->position, b->matrix_block, b->radius,
                                   b->heading);
        b->hit_clock = p->mutate_hit_delay;
        b->retarget_timer = p->target_delay_min + mt_rand_unit() * p->target_delay_range;
    } else {
        b->lifecycle = BEASTIE_EMERGING;
        anim_play(&b->anim, b->type->named_anims[ACTORTYPE_ANIM_EMERGE], 1.0f, 0);
        actortype_spawn_explosions(b->type, EXPLOSION_EVENT_EMERGE, b->position, b->matrix_block, b->radius,
                                   b->heading);
    }
    if (update_now) {
        beastie_update(b);
    }
}

void beastie_destroy(Beastie *b, int flags)
{
    // Its beams (room fences and rule beams whatever its type) must not keep its matrices.
    fizz_kill_for_actor(b);
    actortype_forget_beastie(b);
    beastie_handle_drop(b);
    if (g_current_beastie == b) {
        g_current_beastie = nullptr;
    }
    recycle_give(b->children);
    b->children = nullptr;
    recycle_give(b->candidates);
    b->candidates = nullptr;
    b->candidate_count = 0;
    actor_destroy(b, 0);
    if (flags & 1) {
        delete b;
    }
}

// ---------------------------------------------------------------------------------------
// Update

static int beastie_level_ended(void)
{
    return g_level_end_ticks > 0;
}

// Lifecycle step of the emerging and mutating states: the animation has ended.
static void beastie_emerged(Beastie *b)
{
    if (!b->move_bits) {
        b->lifecycle = BEASTIE_IDLE;
        return;
    }
    b->lifecycle = BEASTIE_MOVING;
    if (b->move_bits & cmt_anim_to_turn) {
        anim_get_bone_pose(&b->anim, b->turn_reference, BEASTIE_TURN_BONE);
    }
    if (b->move_bits & cmt_fixed_dirn) {
        beastie_launch_fixed(b);
    }
    beastie_random_trajectory(b);
}

// The update's life-cycle state: an emerging or mutating enemy starts to move once its
// animation has ended. 1 when the update ends here (the enemy was removed).
static int beastie_lifecycle_step(Beastie *b)
{
    const ActorType *t = b->type;
    switch (b->lifecycle) {
    case BEASTIE_EMERGING:
    case BEASTIE_MUTATING: {
        int anim = t->named_anims[b->lifecycle == BEASTIE_EMERGING ? ACTORTYPE_ANIM_EMERGE : ACTORTYPE_ANIM_MUTATE];
        if (anim_has_ended(&b->anim, anim) && g_level_ticks > 0) {
            beastie_emerged(b);
        }
        return 0;
    }
    case BEASTIE_SUBMERGING:
    case BEASTIE_DYING: {
        memset(b->velocity, 0, sizeof(b->velocity));
        memset(b->extra_velocity, 0, sizeof(b->extra_velocity));
        int anim = t->named_anims[b->lifecycle == BEASTIE_SUBMERGING ? ACTORTYPE_ANIM_SUBMERGE : ACTORTYPE_ANIM_BYEBYE];
        if (anim_has_ended(&b->anim, anim)) {
            b->lifecycle = BEASTIE_REMOVED;
            return 1;
        }
        return 0;
    }
    case BEASTIE_MOVING:
    case BEASTIE_TURNING:
        if (g_level_ticks > 0 && !beastie_level_ended() && b->move_bits && !beastie_parent(b)) {
            beastie_move(b);
        }
        return 0;
    case BEASTIE_AIMING:
        for (float &v : b->velocity) {
            v *= b->params->move_inertia_decn;
        }
        beastie_turn_towards(b, b->aim_angle);
        b->angles[1] = b->heading;
        return 0;
    case BEASTIE_REMOVED:
        return 1;
    default:
        return 0;
    }
}

// The child rules of geopus_style, applied each update before the enemy moves.
static void beastie_links_step(Beastie *b)
{
    int style = b->params->geopus_style;
    if (b->lifecycle <= BEASTIE_SUBMERGING || style == 0) {
        return;
    }
    if (style & GEOPUS_ARRANGE) {
        beastie_arrange_children(b);
    }
    if (style & GEOPUS_NO_CHILDREN) {
        beastie_die_if_no_children(b);
    }
    if ((style & GEOPUS_COUNT) && !beastie_parent(b)) {
        b->extended_children = beastie_count_children(b);
        if (b->extended_children < 2 && b->linked_count != 0) {
            beastie_die(b, 0);
        }
    }
}

// The move of an enemy that hangs from no parent bone: its velocity, with collision.
static void beastie_move_free(Beastie *b)
{
    if (g_level_ticks <= 0) {
        return;
    }
    if (b->collide_mask == 0) {
        for (int c = 0; c < 3; c++) {
            b->position[c] += b->velocity[c];
        }
        return;
    }
    if (b->category & (int)cat_bullet) {
        Gamer *ship = g_bullet_ship;
        g_bullet_ship = b->shooter;
        uint32_t h = actor_move_collide_damaging(b);
        g_bullet_ship = ship;
        if (h) {
            beastie_take_hit(b, BEASTIE_HIT_LETHAL);
        }
        return;
    }
    uint32_t h = actor_move_collide(b);
    b->collide_flags |= h;
    if (h & ACTOR_HIT_FIZZ) {
        beastie_hit_barrier(b);
    }
}

void beastie_hit_barrier(Beastie *b)
{
    b->bounce_counter = 9;
    if (b->move_bits & cmt_fixed_dirn) {
        b->heading = angle_wrap180(g_fizz_bounce_angle + mt_rand_signed() * 45.0f);
        beastie_set_velocity(b);
    }
    if (b->params->fence_bounce < 0.0f) {
        beastie_take_hit(b, BEASTIE_HIT_LETHAL);
    }
}

// Rows of the root matrix scaled by k: row r is elements 4r .. 4r + 2.
static void beastie_scale_row(float *m, int row, float k)
{
    for (int c = 0; c < 3; c++) {
        m[4 * row + c] *= k;
    }
}

static float beastie_clamp01(float x)
{
    return x < 0.0f ? 0.0f : x > 1.0f ? 1.0f : x;
}

// Placement of the root matrix: moved freely or carried by the parent's bone, grown in
// while the level enters, raised once it has ended.
static void beastie_place(Beastie *b)
{
    float *m = b->matrix_block;
    if (!m) {
        return;
    }
    int t = g_level_ticks;
    int style = g_level_variant;
    if (!beastie_level_ended()) {
        if (!b->parent_bone) {
            beastie_move_free(b);
            beastie_build_root_matrix(b);
            if (t < 0) {
                // The level's entry style: the enemies grow in along some axes.
                float f = beastie_clamp01(-0.0075f * (float)t - 0.5f);
                float g = (1.0f - f) * (1.0f - f) * (1.0f - f) * (1.0f - f);
                if (!(style & 1)) {
                    beastie_scale_row(m, 0, g);
                }
                if (!(style & 2)) {
                    beastie_scale_row(m, 1, g);
                }
                beastie_scale_row(m, 2, g);
            }
        } else {
            float root[16];
            geom_matrix_multiply(root, b->parent_bone, b->local_matrix);
            memcpy(m, root, sizeof(root));
            b->position[0] = m[12];
            b->position[1] = m[13];
            b->position[2] = m[14];
            if (t < 0 && !b->move_bits) {
                // ... and the scenery slides in from one side.
                float d = (0.005f * (float)t) * (0.005f * (float)t) * 300.0f;
                switch ((style >> 2) & 3) {
                case 0: m[12] -= d; break;
                case 1: m[12] += d; break;
                case 2: m[14] -= d; break;
                default: m[14] += d; break;
                }
                float k = 1.0f - beastie_clamp01(-0.005f * (float)t);
                for (int row = 0; row < 3; row++) {
                    beastie_scale_row(m, row, k * k);
                }
            }
        }
    } else if (g_level_end_ticks > BEASTIE_RISE_AFTER && !g_game_over) {
        m[13] += 0.012f * (float)g_level_end_ticks - 1.0f;
    }
}

// Health by kind, after the enemy was placed.
static void beastie_health_step(Beastie *b)
{
    if (b->lifecycle < 0 || b->lifecycle == BEASTIE_SUBMERGING) {
        return;
    }
    const ActorParams *p = b->params;
    switch (p->health_type) {
    case health_damagable_check_parent:
        if (b->regain > 0.0f) {
            b->regain += p->health_regain;
            if (b->regain >= BEASTIE_REGROWN) {
                b->regain = 0.0f;
                b->full_health = b->health = anim_reset_bone_health(b, p->health_fraction);
                beastie_start(b, 0, BEASTIE_START_MUTATE);
            }
        }
        break;
    case health_chunk_regain:
        if (b->full_health > 0.0f && b->health < b->full_health) {
            b->health = anim_heal_bone_health(b, b->inv_scale * p->health_regain, p->health_fraction);
            // Grows back slowly towards the size its health stands for.
            actor_set_scale(b, 0.75f * b->scale + 0.25f * b->health / (b->full_health * b->inv_scale));
        }
        break;
    case health_no_damage_check_parent_and_drop: {
        float floor_y = 0.0f;
        if (Beastie *hp = beastie_get(b->health_parent)) {
            b->hit_clock = p->mutate_hit_delay;
            float drop = b->position[1] - hp->position[1];
            if (drop < b->least_drop) {
                b->least_drop = drop;
            }
            floor_y = hp->position[1] + b->least_drop;
        }
        if (b->position[1] > floor_y) {
            b->position[1] -= 0.15f;
        }
        break;
    }
    default:
        break;
    }
}

// The weapons, after the animation advanced, and the aiming state they hold the enemy in.
static void beastie_weapons_step(Beastie *b)
{
    if (b->params->weapon_count <= 0 || b->lifecycle <= BEASTIE_SUBMERGING) {
        return;
    }
    int aim = weapon_tick(&b->weapon_state);
    if (aim == 0) {
        if (b->lifecycle == BEASTIE_AIMING) {
            b->lifecycle = b->move_bits ? BEASTIE_MOVING : BEASTIE_IDLE;
            if (b->move_bits & cmt_fixed_dirn) {
                beastie_set_velocity(b);
            }
        }
        return;
    }
    if (b->lifecycle == BEASTIE_AIMING) {
        return;
    }
    b->lifecycle = BEASTIE_AIMING;
    if (b->move_bits & cmt_anim_to_turn) {
        for (int slot = 0; slot < MOVE_SLOT_COUNT; slot++) {
            actor_move_anim_state(b, slot);
        }
        beastie_finish_turn_anim(b, cmt_anim_to_turn, 1);
    }
    if (aim > 0) {
        anim_play(&b->anim, aim, 1.0f, 0);
    }
}

// Wheels roll with the forward speed and turn against each other.
static void beastie_wheels_step(Beastie *b)
{
    float h = -b->heading * DEG2RAD;
    float f = cosf(h) * b->velocity[2] - sinf(h) * b->velocity[0];
    if (f != 0.0f) {
        b->wheel_left_angles[0] += f * b->wheel_roll;
        b->wheel_right_angles[0] += f * b->wheel_roll;
    }
    float d = angle_wrap180(b->wheel_heading - b->heading);
    b->wheel_left_angles[0] += d * b->wheel_turn;
    b->wheel_right_angles[0] -= d * b->wheel_turn;
    b->wheel_heading = b->heading;
    anim_set_bone_euler(&b->anim, b->wheel_left_angles, b->wheel_left);
    anim_set_bone_euler(&b->anim, b->wheel_right_angles, b->wheel_right);
}

void beastie_update(Beastie *b)
{
    const ActorParams *p = b->params;
    if (!p || !b->type) {
        return;
    }
    if (p->in_beastie_count) {
        g_beasties_active++;
    }
    if (b->launch_delay > 0.0f) {
        b->launch_delay -= 0.01f;
        if (b->launch_delay > 0.0f) {
            return;
        }
    }
    Beastie *current = g_current_beastie;
    g_current_beastie = b;
    b->hit_clock -= 0.01f;
    if (b->parent_bone && !beastie_parent(b)) {
        // The parent has gone: never read its freed matrices.
        b->parent_bone = nullptr;
    }
    if (b->detach_timer > 0.0f) {
        b->detach_timer -= 0.01f;
        if (b->detach_timer <= 0.0f) {
            beastie_release(b);
            if (b->move_bits & cmt_fixed_dirn) {
                b->heading = angle_wrap180(b->heading + mt_rand_signed() * p->bullet_spray_angle);
                beastie_launch_fixed(b);
            }
        }
    }
    if (p->in_screen_zoom_box) {
        game_grow_bounds(b->position, b->radius);
    }
    b->type->tick_count++;
    if (!g_game_over) {
        if (b->hit_flash > 0) {
            b->hit_flash--;
        } else if (b->hit_flash < 0) {
            b->hit_flash++;
        }
        if (fabsf(b->position[0]) > BEASTIE_ARENA_EDGE || fabsf(b->position[2]) > BEASTIE_ARENA_EDGE) {
            // Out of the arena: gone at once, without an animation or explosion of its
            // own; its children and beams are let go as on any death.
            if (b->lifecycle != BEASTIE_DYING) {
                b->lifecycle = BEASTIE_DYING;
                beastie_release_links(b, 1, 0);
                fizz_kill_for_actor(b);
            }
        }
    }
    if (beastie_lifecycle_step(b)) {
        g_current_beastie = current;
        return;
    }
    p = b->params;   // a trigger or the movement may have switched the block
    beastie_links_step(b);
    beastie_random_anims(b);
    b->velocity[0] += b->extra_velocity[0];
    b->velocity[2] += b->extra_velocity[2];
    memset(b->extra_velocity, 0, sizeof(b->extra_velocity));
    beastie_place(b);
    beastie_health_step(b);
    if (b->anim.start_counter) {
        b->anim.start_counter--;
        anim_trail_set_position(&b->anim, b->position);
    }
    g_particle_scale = b->scale;
    anim_update(&b->anim);
    beastie_weapons_step(b);
    if (b->move_bits & cmt_wheels) {
        beastie_wheels_step(b);
    }
    anim_build_matrices(&b->anim);
    anim_update_hit_spheres(b, 0, b->scale);
    g_current_beastie = current;
}

// ---------------------------------------------------------------------------------------
// Hits, death, submerging

// The sidestep of a cmt_sidestep_bullet enemy from the current shot.
static void beastie_sidestep(Beastie *b)
{
    const ActorParams *p = b->params;
    float reach = 0.5f * p->target_stop_dist_sq;
    if (reach < 1.0f) {
        reach = 18.0f;
        if (b->bounce_counter > 0) {
            b->bounce_counter--;
        }
    }
    if (b->bounce_counter == 0 && g_bullet_ship) {
        float h = g_bullet_heading;
        const float *s = g_bullet_ship->position;
        float lx = b->position[0] - s[0], lz = b->position[2] - s[2];
        float left = sinf((h + 90.0f) * DEG2RAD) * lx + cosf((h + 90.0f) * DEG2RAD) * lz;
        float right = sinf((h - 90.0f) * DEG2RAD) * lx + cosf((h - 90.0f) * DEG2RAD) * lz;
        float angle = left >= right ? h + 90.0f : h - 90.0f;
        b->heading = angle_wrap180(angle);
        beastie_set_target_point(b, angle, reach);
    }
    b->edge_target[0] = b->target_point[0];
    b->edge_target[2] = b->target_point[2];
    b->trajectory_offset = 0.0f;
    b->trajectory_delay = 1.0f;
    memset(b->random_offset, 0, sizeof(b->random_offset));
    b->burst_timer = p->burst_length_min + mt_rand_unit() * p->burst_length_range;
    b->burst_pause = 0.0f;
}

void beastie_take_hit(Beastie *b, uint32_t flags)
{
    const ActorType *t = b->type;
    const ActorParams *p = b->params;
    if (!t || !p) {
        return;
    }
    int sound;
    if (!(flags & (ACTOR_HIT_DAMAGE | BEASTIE_HIT_LETHAL))) {
        anim_play(&b->anim, t->named_anims[ACTORTYPE_ANIM_HITBOUNCE], 1.0f, 0);
        sound = t->event_sounds[ACTORTYPE_SOUND_HIT_NULL_BONE];
    } else {
        sound = t->event_sounds[ACTORTYPE_SOUND_HIT_ACTIVE_BONE];
    }
    if (sound >= 0) {
        sound_play_at(sound, b->position, 0);
    }
    if (b->full_health != 0.0f) {
        b->health = (flags & BEASTIE_HIT_LETHAL) ? 0.0f : anim_total_bone_health(b);
        int dead = p->health_type == health_chunk_regain ? b->health / b->full_health <= p->health_byebye_fraction
                                                         : b->health <= 0.0f;
        if (dead) {
            b->full_health = 0.0f;
            gamer_score_kill(g_bullet_ship, b);
            if (p->health_type == health_damagable) {
                beastie_die(b, 1);
            } else if (p->health_type == health_damagable_check_parent) {
                b->regain = p->health_regain;
                beastie_die(b, beastie_get(b->health_parent) ? 1 : 0);
            } else {
                beastie_die(b, 0);
            }
        }
    }
    if ((b->move_bits & cmt_sidestep_bullet) && g_bullet_ship && (flags & (ACTOR_HIT_TOUCH | ACTOR_HIT_DAMAGE))) {
        beastie_sidestep(b);
    }
}

static int beastie_gone(const Beastie *b)
{
    return b->lifecycle == BEASTIE_REMOVED || b->lifecycle == BEASTIE_DYING || b->lifecycle == BEASTIE_SUBMERGING;
}

void beastie_die(Beastie *b, int explode_only)
{
    if (beastie_gone(b)) {
        return;
    }
    beastie_stop(b);
    int event = EXPLOSION_EVENT_BYE_BYE;
    if (!explode_only) {
        beastie_release_links(b, 1, 0);
        fizz_kill_for_actor(b);
        b->lifecycle = BEASTIE_DYING;
        b->hit_clock = BEASTIE_GONE_CLOCK;
        anim_play(&b->anim, b->type->named_anims[ACTORTYPE_ANIM_BYEBYE], 1.0f, 0);
        int kind = b->params->health_type;
        if (kind == health_damagable || kind == health_damagable_check_parent) {
            event = EXPLOSION_EVENT_BYE_BYE_DAMAGABLE;
        }
    }
    beastie_explode(b, event);
}

void beastie_submerge(Beastie *b, int keep_parent)
{
    if (beastie_gone(b)) {
        return;
    }
    beastie_stop(b);
    beastie_release_links(b, 0, keep_parent);
    fizz_kill_for_actor(b);
    b->lifecycle = BEASTIE_SUBMERGING;
    b->hit_clock = BEASTIE_GONE_CLOCK;
    anim_play(&b->anim, b->type->named_anims[ACTORTYPE_ANIM_SUBMERGE], 1.0f, 0);
    beastie_explode(b, EXPLOSION_EVENT_SUBMERGE);
}

void beastie_stop(Beastie *b)
{
    memset(b->velocity, 0, sizeof(b->velocity));
    memset(b->extra_velocity, 0, sizeof(b->extra_velocity));
    if (b->first_parent.serial != 0 && b->matrix_block) {
        // Model -Y is forward: the heading of minus the second column.
        const float *m = b->matrix_block;
        b->heading = atan2f(-m[4], -m[6]) * RAD2DEG;
        b->angles[1] = b->heading;
    }
}
