// beastie_move.cpp -- how an enemy moves: the movement set-up from its block, target
// choice (edge of the room, other enemies, flocks, paths, the players, repellers),
// turning with its lock angles and inertia, speed with bursts, velocity and yaw, turning
// by animation and rolling.

#include "world/beastie_local.h"

#include "core/mathlib.h"
#include "core/mt.h"
#include "world/actortype.h"
#include "world/gamer.h"
#include "world/geom.h"
#include "world/path.h"
#include "world/room.h"

#include <cmath>
#include <cstring>

// Squared distance within which two trackers of one type meet at one of them.
constexpr float BEASTIE_PAIR_MEET_SQ = 200.0f;
// Distance ahead of the heading an enemy heads for when it finds no target.
constexpr float BEASTIE_AHEAD = 36.0f;
// A repeller sends the target this far away.
constexpr float BEASTIE_REPEL_FAR = 1000.0f;
// Headings closer than this to the wanted angle need no turn, degrees.
constexpr float BEASTIE_TURN_DEAD = 3.0f;
// Movement bit: the players repel the enemy instead of other enemies.
constexpr uint32_t BEASTIE_REPELLED_BY_PLAYER = 0x400000;
// The bone that turning by animation reads (the model convention).
constexpr int BEASTIE_TURN_BONE = 2;

void beastie_random_trajectory(Beastie *b)
{
    room_random_pylon_position(b->edge_target, b->params->random_edge_inner, b->params->random_edge_range);
    beastie_draw_offsets(b);
}

void beastie_setup_movement(Beastie *b)
{
    const ActorParams *p = b->params;
    b->move_bits = p->move_type;
    if (b->move_bits) {
        if (!b->path) {
            b->move_bits &= ~cmt_path;
        } else {
            b->move_bits = (b->move_bits & ~cmt_random) | cmt_path;
        }
        if (b->type && b->type->wheels) {
            b->move_bits |= cmt_wheels;
        }
    }
    b->burst_timer = p->burst_length_min + mt_rand_unit() * p->burst_length_range;
    b->burst_pause = 0.0f;
    b->move_speed = p->move_speed_min + mt_rand_unit() * p->move_speed_range;
    b->path_wait = 0.0f;
    b->turn_rate = 0.0f;
    float previous = b->spin_speed;
    b->spin_speed = p->spin_speed_min + mt_rand_unit() * p->spin_speed_range;
    if (!(b->move_bits & cmt_face_gamer)) {
        int negative = b->lifecycle < BEASTIE_IDLE ? (mt_rand() & 0x7FFF) >= 0x4000 : previous < 0.0f;
        if (negative) {
            b->spin_speed = -b->spin_speed;
        }
    }
    weapon_reset_reload(&b->weapon_state, b);
    beastie_random_trajectory(b);
    beastie_draw_trajectory(b);
}

void beastie_set_velocity(Beastie *b)
{
    float v = b->move_speed * beastie_difficulty_factor(b);
    b->velocity[0] = sinf(b->heading * DEG2RAD) * v;
    b->velocity[1] = 0.0f;
    b->velocity[2] = cosf(b->heading * DEG2RAD) * v;
}

// ---------------------------------------------------------------------------------------
// Target choice

// The chase point of a path follower whose point was reached, or null.
static const float *beastie_chase_point(Beastie *b, const float *found)
{
    const ActorParams *p = b->params;
    if (b->move_bits & cmt_repelled) {
        int count;
        Beastie *r = beastie_nearest_of_category(b->position, p->repelled_by_mask, &count, p->repel_dist_sq, b);
        return r ? r->position : nullptr;
    }
    if (b->move_bits & cmt_track_player) {
        Gamer *g = gamer_nearest_live(b->position);
        return g ? g->position : nullptr;
    }
    if (found) {
        return found;
    }
    return (b->move_bits & cmt_random) ? b->edge_target : nullptr;
}

// The path's part of the target choice: found receives the point to head for.
static void beastie_follow_path(Beastie *b, const float *found_before, float found[3])
{
    Path *path = b->path;
    if (b->path_pos & PATH_POS_REACHED) {
        const float *chase = beastie_chase_point(b, found_before);
        int new_edge = 0;
        if (chase) {
            if (b->path_wait > 0.0f) {
                b->path_pos &= PATH_POS_INDEX;
            } else {
                b->path_wait = 0.0f;
                int current = b->path_pos & PATH_POS_INDEX;
                b->path_pos = path_next_point(path, chase, current, 0);
                new_edge = (b->move_bits & cmt_random) && b->path_pos == current;
            }
        }
        if (!(b->path_wait > 0.0f)) {
            if (new_edge) {
                room_random_pylon_position(b->edge_target, b->params->random_edge_inner,
                                           b->params->random_edge_range);
            }
            beastie_draw_offsets(b);
        }
    }
    b->path_pos &= ~PATH_POS_HOLD;
    b->path_pos = path_point_target(path, found, b->path_pos);
    if (b->path_pos & PATH_POS_JUMP) {
        b->path_pos &= PATH_POS_INDEX;
        memcpy(b->position, found, sizeof(float) * 3);
    }
}

// The repeller's push: a target far away from it.
static void beastie_repel(Beastie *b)
{
    const ActorParams *p = b->params;
    const float *r = nullptr;
    if (b->move_bits & BEASTIE_REPELLED_BY_PLAYER) {
        Gamer *g = gamer_nearest_live(b->position);
        r = g ? g->position : nullptr;
    } else {
        int count;
        Beastie *e = beastie_nearest_of_category(b->position, p->repelled_by_mask, &count, p->repel_dist_sq, b);
        r = e ? e->position : nullptr;
    }
    if (!r) {
        return;
    }
    float dx = r[0] - b->position[0], dz = r[2] - b->position[2];
    float d2 = dx * dx + dz * dz;
    if (d2 >= p->repel_dist_sq) {
        return;
    }
    float d = sqrtf(d2);
    float inv = d != 0.0f ? 1.0f / d : 0.0f;
    b->target_point[0] = b->position[0] - BEASTIE_REPEL_FAR * dx * inv;
    b->target_point[1] = r[1];
    b->target_point[2] = b->position[2] - BEASTIE_REPEL_FAR * dz * inv;
}

void beastie_pick_target(Beastie *b)
{
    const ActorParams *p = b->params;
    uint32_t bits = b->move_bits;
    b->trajectory_delay -= 0.01f;
    if (b->trajectory_delay < 0.0f) {
        beastie_draw_trajectory(b);
    }
    b->path_wait -= 0.01f;
    b->retarget_timer -= 0.01f;
    if (b->retarget_timer >= 0.0f) {
        return;
    }
    b->retarget_timer = p->target_delay_min + mt_rand_unit() * p->target_delay_range;
    if (!(bits & (cmt_track | cmt_path | cmt_flock))) {
        if (bits & cmt_target_nearest_beastie) {
            if (Beastie *t = beastie_nearest_target(b->position, b)) {
                for (int c = 0; c < 3; c++) {
                    b->target_point[c] = t->position[c] + b->random_offset[c];
                }
            } else {
                beastie_set_target_point(b, b->heading, BEASTIE_AHEAD);
            }
        } else if (!(bits & cmt_target_start_position)) {
            for (int c = 0; c < 3; c++) {
                b->target_point[c] = b->edge_target[c] + b->random_offset[c];
            }
        }
    } else {
        float point[3];
        const float *found = nullptr;
        if ((bits & cmt_track) && !(bits & cmt_track_player)) {
            int count = 0;
            Beastie *t = beastie_nearest_of_type(b->position, p->move_target_name, &count, 3.4e38f, b);
            if (t) {
                found = t->position;
                if (count == 1 && vec_dist2_xz(b->position, t->position) < BEASTIE_PAIR_MEET_SQ) {
                    // Both of a pair head for the older one's place, so they meet.
                    found = b->serial < t->serial ? b->position : t->position;
                }
            }
        } else if ((bits & cmt_flock) && !(bits & cmt_track) && b->flock_slot > 0 && b->flock_slot <= b->type->flock_count) {
            found = b->type->flock[b->flock_slot - 1].point;
        }
        if ((bits & cmt_path) && b->path) {
            beastie_follow_path(b, found, point);
            found = point;
        }
        if (!found) {
            found = gamer_nearest_live_position(b->position);
        }
        if (found) {
            for (int c = 0; c < 3; c++) {
                b->target_point[c] = found[c] + b->random_offset[c];
            }
        }
    }
    if ((bits & cmt_repelled) && !(bits & cmt_path)) {
        beastie_repel(b);
    }
}

// ---------------------------------------------------------------------------------------
// Turning

// One step of at most step from rate towards goal.
static float beastie_step_towards(float rate, float goal, float step)
{
    if (rate < goal) {
        rate += step;
        return rate > goal ? goal : rate;
    }
    rate -= step;
    return rate < goal ? goal : rate;
}

int beastie_turn_towards(Beastie *b, float angle)
{
    const ActorParams *p = b->params;
    float d = angle_wrap180(angle - b->heading);
    float acc, limit, inertia;
    if (b->lifecycle == BEASTIE_AIMING) {
        acc = limit = p->turn_speed_aiming;
        inertia = 0.0f;
    } else {
        float lock = b->lifecycle == BEASTIE_TURNING ? p->turn_lock_angle_inner : p->turn_lock_angle_outer;
        if (fabsf(d) >= lock) {
            if (b->lifecycle == BEASTIE_MOVING) {
                b->lifecycle = BEASTIE_TURNING;
            }
        } else if (b->lifecycle == BEASTIE_TURNING) {
            b->lifecycle = BEASTIE_MOVING;
        }
        if (b->lifecycle == BEASTIE_TURNING) {
            acc = p->turn_acceleration_still;
            limit = p->turn_speed_still;
            inertia = p->turn_inertia_still;
        } else {
            acc = p->turn_acceleration_moving;
            limit = p->turn_speed_moving;
            inertia = p->turn_inertia_moving;
        }
    }
    float wanted = 0.0f;
    if (d < 0.0f) {
        wanted = d <= -BEASTIE_TURN_DEAD ? -limit : 0.0f;
    } else {
        wanted = d >= BEASTIE_TURN_DEAD ? limit : 0.0f;
    }
    float previous = b->turn_rate;
    float rate = beastie_step_towards(previous, wanted, acc);
    rate = rate < -limit ? -limit : rate > limit ? limit : rate;
    rate = rate * (1.0f - inertia) + previous * inertia;
    b->turn_rate = rate;
    b->heading = angle_wrap180(b->heading + rate);
    return d >= 0.0f ? 1 : 2;
}

int beastie_finish_turn_anim(Beastie *b, uint32_t anim_to_turn, int stop_now)
{
    if (!anim_to_turn) {
        return 0;
    }
    if (stop_now) {
        actor_move_anim_state(b, MOVE_SLOT_FORWARD);
        actor_move_anim_state(b, MOVE_SLOT_TURN_LEFT);
        actor_move_anim_state(b, MOVE_SLOT_TURN_RIGHT);
    } else if (actor_move_anim_playing(b, MOVE_SLOT_TURN_LEFT) == 1 ||
               actor_move_anim_playing(b, MOVE_SLOT_TURN_RIGHT) == 1) {
        b->speed = 0.0f;
        return 1;
    }
    if (!b->turn_anim) {
        return 0;
    }
    // The turn the animation made on bone 2 goes into the heading; the bone goes back.
    float pose[7] = {0, 0, 0, 1, 0, 0, 0};
    anim_get_bone_pose(&b->anim, pose, BEASTIE_TURN_BONE);
    anim_set_bone_pose(&b->anim, b->turn_reference, BEASTIE_TURN_BONE);
    float yaw = quat_get_yaw(pose);
    b->heading = angle_wrap180(b->heading + yaw);
    b->angles[1] = angle_wrap180(b->angles[1] + yaw);
    if (const float *m = b->matrix_block) {
        float o[3] = {pose[4] - b->turn_reference[4], pose[5] - b->turn_reference[5], pose[6] - b->turn_reference[6]};
        for (int c = 0; c < 3; c += 2) {
            b->position[c] += m[c] * o[0] + m[4 + c] * o[1] + m[8 + c] * o[2];
        }
    }
    b->speed = 0.0f;
    b->turn_anim = 0;
    return 2;
}

// The wanted angle of a cmt_angle_grid enemy (dx, dz to the target).
static float beastie_grid_angle(const Beastie *b, float wanted, float dx, float dz)
{
    const ActorParams *p = b->params;
    if (p->angle_grid_size == 90.0f) {
        float q = 0.25f * p->target_stop_dist_sq;
        float dx2 = dx * dx, dz2 = dz * dz;
        if (dx2 >= q && dz2 >= q) {
            float rem = fmodf(b->heading, 90.0f);
            if (rem > -3.0f && rem < 3.0f && fabsf(angle_wrap180(wanted - b->heading)) <= 90.0f) {
                wanted = b->heading;
            }
        } else if (dx2 >= q) {
            wanted = dx > 0.0f ? 90.0f : -90.0f;
        } else {
            wanted = dz > 0.0f ? 0.0f : 180.0f;
        }
    }
    return geom_snap_to_multiple(wanted, p->angle_grid_size);
}

// ---------------------------------------------------------------------------------------
// Moving

void beastie_move(Beastie *b)
{
    const ActorParams *p = b->params;
    uint32_t bits = b->move_bits;
    float k = beastie_difficulty_factor(b);
    int accelerating = 0;
    float dx = 0.0f, dz = 0.0f;
    if (!(bits & cmt_fixed_dirn)) {
        if (b->collide_flags) {
            if (!(bits & (cmt_path | cmt_grid_fill))) {
                beastie_random_trajectory(b);
            }
            b->collide_flags = 0;
        }
        beastie_pick_target(b);
        dx = b->target_point[0] - b->position[0];
        dz = b->target_point[2] - b->position[2];
        float d2 = dx * dx + dz * dz;
        if (d2 < p->target_stop_dist_sq) {
            if (bits & cmt_path) {
                b->path_pos |= PATH_POS_REACHED;
                b->retarget_timer = 0.0f;
            } else if (!(bits & cmt_grid_fill)) {
                beastie_random_trajectory(b);
            }
        }
        if (d2 > p->target_stop_dist_sq) {
            b->speed += p->move_acceleration;
            accelerating = 1;
        } else {
            b->speed -= p->move_deceleration;
        }
    } else {
        if (b->collide_flags) {
            beastie_new_spin(b);
            b->collide_flags = 0;
        }
        b->speed += p->move_acceleration;
        accelerating = 1;
    }
    float top = b->move_speed * k;
    if (bits & cmt_anim_to_move) {
        float f = anim_forward_distance(&b->anim) * b->scale;
        b->speed = f > 0.0f ? f : 0.0f;
        top = b->speed;
    }
    if (beastie_finish_turn_anim(b, bits & cmt_anim_to_turn, 0) == 1) {
        accelerating = 0;
    }
    if (!(bits & cmt_fixed_dirn)) {
        float wanted = atan2f(dx, dz) * RAD2DEG + b->trajectory_offset;
        if (bits & cmt_angle_grid) {
            wanted = beastie_grid_angle(b, wanted, dx, dz);
        }
        int side = beastie_turn_towards(b, wanted);
        if (b->lifecycle == BEASTIE_TURNING) {
            b->speed = 0.0f;
            accelerating = 0;
            if ((bits & cmt_anim_to_turn) && !b->turn_anim) {
                int slot = side == 1 ? MOVE_SLOT_TURN_LEFT : MOVE_SLOT_TURN_RIGHT;
                if (actor_start_move_anim(b, slot, 1.0f) == 1) {
                    b->turn_anim = 1;
                }
            }
        }
    }
    if (b->burst_pause <= 0.0f) {
        b->burst_timer -= 0.01f;
        if (b->burst_timer <= 0.0f) {
            b->burst_timer = p->burst_length_min + mt_rand_unit() * p->burst_length_range;
            b->burst_pause = p->burst_delay_min + mt_rand_unit() * p->burst_delay_range;
        }
    }
    if (b->burst_pause > 0.0f) {
        b->burst_pause -= 0.01f;
        b->speed = 0.0f;
    }
    b->speed = b->speed < 0.0f ? 0.0f : b->speed > top ? top : b->speed;
    if (!(bits & cmt_anim_to_move)) {
        if (b->speed > 0.0f) {
            actor_start_move_anim(b, MOVE_SLOT_FORWARD, k);
        }
    } else if (accelerating) {
        actor_start_move_anim(b, MOVE_SLOT_FORWARD, k * b->move_speed);
    }
    if (!(bits & cmt_fixed_dirn)) {
        float inertia = (b->speed == 0.0f || b->speed < b->last_speed) ? p->move_inertia_decn : p->move_inertia_accn;
        const float *trig = beastie_yaw_trig(b, b->heading);
        float want[3] = {trig[1] * b->speed, 0.0f, trig[2] * b->speed};
        for (int c = 0; c < 3; c++) {
            b->velocity[c] = inertia * b->velocity[c] + (1.0f - inertia) * want[c];
        }
        if (!(bits & cmt_apply_no_dirn)) {
            b->angles[1] = b->heading;
        } else if (!(bits & cmt_face_gamer)) {
            b->angles[1] = angle_wrap180(b->angles[1] + b->spin_speed);
        } else if (Gamer *g = gamer_nearest_live(b->position)) {
            float to = atan2f(g->position[0] - b->position[0], g->position[2] - b->position[2]) * RAD2DEG;
            float d = angle_wrap180(to - b->angles[1]);
            float spin = fabsf(b->spin_speed);
            if (d > spin) {
                b->angles[1] = angle_wrap180(b->angles[1] + spin);
            } else if (d < -spin) {
                b->angles[1] = angle_wrap180(b->angles[1] - spin);
            }
        }
    } else {
        if (!(bits & cmt_apply_no_dirn)) {
            b->angles[1] = angle_wrap180(b->angles[1] + b->spin_speed);
        }
        if (p->move_inertia_decn < 1.0f) {
            b->velocity[0] *= p->move_inertia_decn;
            b->velocity[2] *= p->move_inertia_decn;
            b->spin_speed *= p->move_inertia_decn;
        }
    }
    if (bits & cmt_rolly_polly) {
        float f = p->rolly_polly_multiply;
        float delta[3] = {b->velocity[2] * f, 0.0f, -b->velocity[0] * f};
        geom_quat_rotate_euler(b->angles, b->roll_quat, delta);
    }
    b->last_speed = b->speed;
}
