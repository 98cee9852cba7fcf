// actorparams.cpp -- parameter blocks: the fill from a script's cp_* table with its
// fix-ups, the move target, the copy into a trigger state's block and the release.

#include "world/actorparams.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/str.h"

#include <cstring>
#include <new>

// Hit delay of an actor that must never be hit: an hour of game time.
constexpr float ACTORPARAMS_NEVER = 3600.0f;

static uint32_t actorparams_bits(float value)
{
    return (uint32_t)trunc_to_int(value);
}

static float actorparams_clamp01(float value)
{
    if (value < 0.0f) {
        return 0.0f;
    }
    return value > 1.0f ? 1.0f : value;
}

// A minimum/maximum pair as minimum and range, both at least 0; range holds the maximum.
static void actorparams_min_range(float *min, float *range)
{
    if (*min < 0.0f) {
        *min = 0.0f;
    }
    *range -= *min;
    if (*range < 0.0f) {
        *range = 0.0f;
    }
}

void actorparams_from_cp(ActorParams *p, const float *cp)
{
    memset(p, 0, sizeof(*p));

    // The integer fields and the hit values, as the script gave them; the fix-ups below
    // read and correct them in this order.
    p->actor_type = trunc_to_int(cp[cp_actor_type]);
    p->hit_delay = cp[cp_hit_delay];
    p->mutate_hit_delay = cp[cp_mutate_hit_delay];
    p->move_type = actorparams_bits(cp[cp_move_type]);
    p->weight = cp[cp_weight];
    p->hit_power = cp[cp_hit_power];
    p->collide_mask = actorparams_bits(cp[cp_i_collide_with_beasties]);
    p->collided_by_mask = actorparams_bits(cp[cp_these_collide_with_me]);
    p->avoid_mask = actorparams_bits(cp[cp_i_avoid_these_beasties]);
    p->in_beastie_count = trunc_to_int(cp[cp_in_beastie_count]);
    p->in_screen_zoom_box = trunc_to_int(cp[cp_in_screen_zoom_box]);
    p->repelled_by_mask = actorparams_bits(cp[cp_i_am_repelled_by]);
    p->health_type = trunc_to_int(cp[cp_health_type]);
    p->score = trunc_to_int(cp[cp_score]);
    p->bonus_seq_hit = trunc_to_int(cp[cp_bonus_seq_hit]);
    p->bonus_seq_score = trunc_to_int(cp[cp_bonus_seq_score]);
    p->level_end_score = trunc_to_int(cp[cp_level_end_score]);
    p->geopus_style = trunc_to_int(cp[cp_geopus_style]);
    p->fade_in_translucent = trunc_to_int(cp[cp_fade_in_translucent]);

    // A rolling multiplier above one makes the actor roll.
    if (cp[cp_rolly_polly_multiply] > 1.0f) {
        p->move_type |= cmt_rolly_polly;
    }
    // Below the enemy categories nothing moves, and only bullets hit.
    if (p->actor_type < (int)cat_beastie) {
        p->in_beastie_count = 0;
        p->move_type = 0;
        p->collided_by_mask &= cat_bullet;
    }
    // What never moves never runs into anything.
    if (p->move_type == 0) {
        p->collide_mask = 0;
    }
    // Avoiding is never done; repelling needs both the bit and a mask.
    p->avoid_mask = 0;
    p->move_type &= ~cmt_avoid;
    if (!(p->move_type & cmt_repelled)) {
        p->repelled_by_mask = 0;
    }
    if (p->repelled_by_mask == 0) {
        p->move_type &= ~cmt_repelled;
    }
    // What nothing collides with is never hit.
    if (p->collided_by_mask == 0) {
        p->hit_delay = ACTORPARAMS_NEVER;
        p->mutate_hit_delay = ACTORPARAMS_NEVER;
    }
    // Ships are met through their own test, never through the mask.
    if (p->collide_mask > 31) {
        p->collide_mask |= cat_any_beastie;
    }
    p->collide_mask &= ~cat_player;
    // A moving actor that rolls or faces the player takes no direction from its move;
    // a grid size above one snaps its heading.
    if (p->move_type != 0) {
        if (p->move_type & (cmt_rolly_polly | cmt_face_gamer)) {
            p->move_type |= cmt_apply_no_dirn;
        }
        if (cp[cp_angle_grid_size] > 1.0f) {
            p->move_type |= cmt_angle_grid;
        }
    }

    // The remaining fields; a range field holds the script's maximum until the
    // minimum is taken off it below.
    p->move_speed_min = cp[cp_move_speed_min];
    p->move_speed_range = cp[cp_move_speed_max];
    p->move_acceleration = cp[cp_move_acceleration];
    p->move_deceleration = cp[cp_move_deceleration];
    p->move_inertia_accn = cp[cp_move_inertia_accn];
    p->move_inertia_decn = cp[cp_move_inertia_decn];
    p->burst_length_min = cp[cp_burst_length_min];
    p->burst_length_range = cp[cp_burst_length_max];
    p->burst_delay_min = cp[cp_burst_delay_min];
    p->burst_delay_range = cp[cp_burst_delay_max];
    p->repel_dist_sq = cp[cp_repel_dist] * cp[cp_repel_dist];
    p->target_stop_dist_sq = cp[cp_target_stop_dist] * cp[cp_target_stop_dist];
    p->target_delay_min = cp[cp_target_delay_min];
    p->target_delay_range = cp[cp_target_delay_max];
    p->turn_lock_angle_inner = cp[cp_turn_lock_angle_inner];
    p->turn_lock_angle_outer = cp[cp_turn_lock_angle_outer];
    p->turn_speed_still = cp[cp_turn_speed_still];
    p->turn_acceleration_still = cp[cp_turn_acceleration_still];
    p->turn_inertia_still = cp[cp_turn_inertia_still];
    p->turn_speed_moving = cp[cp_turn_speed_moving];
    p->turn_acceleration_moving = cp[cp_turn_acceleration_moving];
    p->turn_inertia_moving = cp[cp_turn_inertia_moving];
    p->turn_speed_aiming = cp[cp_turn_speed_aiming];
    p->health_regain = cp[cp_health_regain];
    p->health_fraction = cp[cp_health_percent] * 0.01f;
    p->health_byebye_fraction = cp[cp_health_byebye_percent] * 0.01f;
    p->launch_scale_min = cp[cp_launch_scale_min] * 0.01f;
    p->launch_scale_range = cp[cp_launch_scale_max] * 0.01f;
    p->launch_hue_shift = cp[cp_launch_hue_shift];
    p->bullet_spray_angle = cp[cp_bullet_spray_angle];
    p->random_offset_x = cp[cp_random_offset_x];
    p->random_offset_z = cp[cp_random_offset_z];
    p->random_trajectory_offset = cp[cp_random_trajectory_offset];
    p->random_trajectory_delay_min = cp[cp_random_trajectory_offset_delay_min];
    p->random_trajectory_delay_range = cp[cp_random_trajectory_offset_delay_max];
    p->random_edge_inner = cp[cp_random_edge_inner_percent] * 0.01f;
    p->random_edge_range = cp[cp_random_edge_outer_percent] * 0.01f;
    p->fence_bounce = cp[cp_fence_bounce_percent] * 0.01f;
    p->max_explosion_multiply = cp[cp_max_explosion_multiply];
    p->rolly_polly_multiply = cp[cp_rolly_polly_multiply];
    p->angle_grid_size = cp[cp_angle_grid_size] > 1.0f ? cp[cp_angle_grid_size] : 1.0f;
    p->num_spawn_min = cp[cp_num_spawn_min];
    p->num_spawn_range = cp[cp_num_spawn_max];
    p->scale_spawn_min = cp[cp_scale_spawn_min] * 0.01f;
    p->scale_spawn_range = cp[cp_scale_spawn_max] * 0.01f;
    p->multiple_beast_shoot_rate = cp[cp_multiple_beast_shoot_rate] * 0.01f;
    p->multiple_beast_base_num = cp[cp_multiple_beast_base_num];
    p->difficulty_adjust_speed = cp[cp_difficulty_adjust_speed] * 0.01f;
    p->difficulty_adjust_shoot = cp[cp_difficulty_adjust_shoot] * 0.01f;
    p->spin_speed_min = cp[cp_spin_speed_min];
    p->spin_speed_range = cp[cp_spin_speed_max];

    // Minimum and range, neither below 0.
    actorparams_min_range(&p->move_speed_min, &p->move_speed_range);
    actorparams_min_range(&p->burst_length_min, &p->burst_length_range);
    actorparams_min_range(&p->burst_delay_min, &p->burst_delay_range);
    actorparams_min_range(&p->launch_scale_min, &p->launch_scale_range);
    actorparams_min_range(&p->random_trajectory_delay_min, &p->random_trajectory_delay_range);
    actorparams_min_range(&p->spin_speed_min, &p->spin_speed_range);
    if (p->target_delay_min < 0.0f) {
        p->target_delay_min = 0.0f;
    }
    if (p->actor_type >= (int)cat_beastie) {
        p->target_delay_range -= p->target_delay_min;
    }
    if (p->target_delay_range < 0.0f) {
        p->target_delay_range = 0.0f;
    }
    // Inertias are fractions kept per tick: 0 to 1.
    p->move_inertia_accn = actorparams_clamp01(p->move_inertia_accn);
    p->move_inertia_decn = actorparams_clamp01(p->move_inertia_decn);
    p->turn_inertia_still = actorparams_clamp01(p->turn_inertia_still);
    p->turn_inertia_moving = actorparams_clamp01(p->turn_inertia_moving);
    // Without an offset the trajectory is never redrawn.
    if (p->random_trajectory_offset < 1.0f) {
        p->random_trajectory_offset = 0.0f;
        p->random_trajectory_delay_min = ACTORPARAMS_NEVER;
        p->random_trajectory_delay_range = ACTORPARAMS_NEVER;
    }
    // These ranges may be negative: the scripts use them as signed spreads.
    p->random_edge_range -= p->random_edge_inner;
    p->num_spawn_range -= p->num_spawn_min;
    p->scale_spawn_range -= p->scale_spawn_min;
    // An actor that counts as an enemy also keeps the camera's zoom box on it.
    if (p->in_beastie_count != 0) {
        p->in_screen_zoom_box = 1;
    }
    // No animation of a move slot until the type names one.
    for (int i = 0; i < MOVE_SLOT_COUNT; i++) {
        p->move_slots[i].anim = -1;
    }
    p->weapon_count = 0;
    p->random_anim_count = 0;
}

void actorparams_set_move_target(ActorParams *p, const char *name)
{
    if (!(p->move_type & cmt_track)) {
        return;
    }
    if (!name) {
        name = "";
    }
    if (name[0] == 0 || strnlen(name, sizeof(p->move_target_name)) >= sizeof(p->move_target_name)
        || strncmp(name, "track_player", 12) == 0) {
        p->move_type |= cmt_track_player;
    } else if (strncmp(name, "start_position", 14) == 0) {
        p->move_type = (p->move_type & ~cmt_track) | cmt_target_start_position;
    } else if (strncmp(name, "nearest_beastie", 15) == 0) {
        p->move_type = (p->move_type & ~cmt_track) | cmt_target_nearest_beastie;
    } else {
        str_copy64(p->move_target_name, name);
    }
}

void actorparams_set_no_contact(ActorParams *p)
{
    p->hit_delay = ACTORPARAMS_NEVER;
    p->mutate_hit_delay = ACTORPARAMS_NEVER;
    p->in_beastie_count = 0;
    p->move_type = 0;
    p->collide_mask = 0;
    p->collided_by_mask = 0;
    p->avoid_mask = 0;
}

int actorparams_weapon_seq(Weapon *w, const float *seq, int count)
{
    delete[] w->seq;
    w->seq = nullptr;
    w->seq_count = 0;
    if (!seq || count <= 0) {
        con_printf("*** [actor] weapon sequence of %d entries", count);
        return -1;
    }
    w->seq = new (std::nothrow) float[count];
    if (!w->seq) {
        con_printf("*** [actor] no memory for a weapon sequence of %d entries", count);
        return -1;
    }
    memcpy(w->seq, seq, sizeof(float) * (size_t)count);
    w->seq_count = count;
    return 0;
}

void actorparams_clear_weapons(ActorParams *p)
{
    for (int i = 0; i < p->weapon_count; i++) {
        delete[] p->weapons[i].seq;
        p->weapons[i].seq = nullptr;
        p->weapons[i].seq_count = 0;
    }
    p->weapon_count = 0;
}

int actorparams_copy(ActorParams *to, const ActorParams *from)
{
    memcpy(to->move_slots, from->move_slots, sizeof(to->move_slots));
    to->random_anim_count = from->random_anim_count;
    memcpy(to->random_anims, from->random_anims, sizeof(to->random_anims));
    actorparams_clear_weapons(to);
    for (int i = 0; i < from->weapon_count; i++) {
        Weapon *w = &to->weapons[i];
        *w = from->weapons[i];
        w->seq = nullptr;
        if (actorparams_weapon_seq(w, from->weapons[i].seq, from->weapons[i].seq_count) != 0) {
            return -1;
        }
        to->weapon_count = i + 1;
    }
    return 0;
}

void actorparams_destroy(ActorParams *p, int flags)
{
    if (!p) {
        return;
    }
    actorparams_clear_weapons(p);
    if (flags & 1) {
        delete p;
    }
}
