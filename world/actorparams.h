// actorparams.h -- the parameter block of an actor type or of one of its trigger states:
// how its actors collide, move, turn, take damage, score, spawn, shoot and die. Filled
// from the script's numbered parameter table (the cp_* slots) with the fix-ups that keep
// the block consistent; the block owns its weapons' reload sequences. Also the script
// vocabulary the block is read with: the cp_* and ci_* slots and the cat_*, cmt_* and
// health_* constants.
#pragma once

#include "world/weapon.h"

#include <cstdint>

// Slots of an actor type's parameter table (c_preload_model, c_set_trigger_state). A
// table handed to actorparams_from_cp holds CP_COUNT floats, slot k at index k; the
// string slots (1-3, 77) are read by the type and hold 0 there.
constexpr int cp_actor_name = 1;
constexpr int cp_model_dir = 2;
constexpr int cp_model_name = 3;
constexpr int cp_actor_type = 4;
constexpr int cp_hit_delay = 5;
constexpr int cp_mutate_hit_delay = 6;
constexpr int cp_move_type = 7;
constexpr int cp_weight = 8;
constexpr int cp_hit_power = 9;
constexpr int cp_i_collide_with_beasties = 10;
constexpr int cp_these_collide_with_me = 11;
constexpr int cp_i_avoid_these_beasties = 12;
constexpr int cp_in_beastie_count = 13;
constexpr int cp_in_screen_zoom_box = 14;
constexpr int cp_move_speed_min = 15;
constexpr int cp_move_speed_max = 16;
constexpr int cp_move_acceleration = 17;
constexpr int cp_move_deceleration = 18;
constexpr int cp_move_inertia_accn = 19;
constexpr int cp_move_inertia_decn = 20;
constexpr int cp_burst_length_min = 21;
constexpr int cp_burst_length_max = 22;
constexpr int cp_burst_delay_min = 23;
constexpr int cp_burst_delay_max = 24;
constexpr int cp_look_ahead_dist = 25;   // no effect
constexpr int cp_repel_dist = 26;
constexpr int cp_target_stop_dist = 27;
constexpr int cp_target_delay_min = 28;
constexpr int cp_target_delay_max = 29;
constexpr int cp_turn_lock_angle_inner = 30;
constexpr int cp_turn_lock_angle_outer = 31;
constexpr int cp_turn_speed_still = 32;
constexpr int cp_turn_acceleration_still = 33;
constexpr int cp_turn_inertia_still = 34;
constexpr int cp_turn_speed_moving = 35;
constexpr int cp_turn_acceleration_moving = 36;
constexpr int cp_turn_inertia_moving = 37;
constexpr int cp_turn_speed_aiming = 38;
constexpr int cp_health_regain = 39;
constexpr int cp_health_percent = 40;
constexpr int cp_health_type = 41;
constexpr int cp_health_byebye_percent = 42;
constexpr int cp_launch_scale_min = 43;
constexpr int cp_launch_scale_max = 44;
constexpr int cp_launch_hue_shift = 45;
constexpr int cp_bullet_spray_angle = 46;
constexpr int cp_blank = 47;                // no effect
constexpr int cp_player_bullet_rate = 48;   // read by the type for player bullets
constexpr int cp_random_offset_x = 49;
constexpr int cp_random_offset_z = 50;
constexpr int cp_random_trajectory_offset = 51;
constexpr int cp_random_trajectory_offset_delay_min = 52;
constexpr int cp_random_trajectory_offset_delay_max = 53;
constexpr int cp_random_edge_inner_percent = 54;
constexpr int cp_random_edge_outer_percent = 55;
constexpr int cp_fence_bounce_percent = 56;
constexpr int cp_max_explosion_multiply = 57;
constexpr int cp_rolly_polly_multiply = 58;
constexpr int cp_angle_grid_size = 59;
constexpr int cp_num_spawn_min = 60;
constexpr int cp_num_spawn_max = 61;
constexpr int cp_scale_spawn_min = 62;
constexpr int cp_scale_spawn_max = 63;
constexpr int cp_score = 64;
constexpr int cp_bonus_seq_hit = 65;
constexpr int cp_bonus_seq_score = 66;
constexpr int cp_level_end_score = 67;
constexpr int cp_geopus_style = 68;
constexpr int cp_fade_in_translucent = 69;
constexpr int cp_multiple_beast_shoot_rate = 70;
constexpr int cp_multiple_beast_base_num = 71;
constexpr int cp_difficulty_adjust_speed = 72;
constexpr int cp_difficulty_adjust_shoot = 73;
constexpr int cp_spin_speed_min = 74;
constexpr int cp_spin_speed_max = 75;
constexpr int cp_i_am_repelled_by = 76;
constexpr int cp_move_target = 77;
constexpr int CP_COUNT = 78;   // slots 0..77 of a table handed to actorparams_from_cp

// Slots of a launch table (c_launch_new_actor); 1-3 hold strings.
constexpr int ci_actor_name = 1;
constexpr int ci_unique_name = 2;
constexpr int ci_path_name = 3;
constexpr int ci_model_size = 4;
constexpr int ci_posn_x = 5;
constexpr int ci_posn_y = 6;
constexpr int ci_posn_z = 7;
constexpr int ci_angle = 8;
constexpr int ci_anim_delay = 9;
constexpr int ci_hue_shift = 10;
constexpr int ci_launch_delay = 11;

// Collision categories, one bit each; 32 and above are enemy categories.
constexpr uint32_t cat_ground = 1;
constexpr uint32_t cat_fence = 2;
constexpr uint32_t cat_fizz = 4;
constexpr uint32_t cat_player = 8;
constexpr uint32_t cat_bullet = 16;
constexpr uint32_t cat_beastie = 32;
constexpr uint32_t cat_block = 64;
constexpr uint32_t cat_robot = 128;
constexpr uint32_t cat_blocker = 256;
constexpr uint32_t cat_crystal = 512;
constexpr uint32_t cat_flyer = 1024;
constexpr uint32_t cat_webblob = 2048;
constexpr uint32_t cat_mergeblob = 4096;
constexpr uint32_t cat_motha = 8192;
constexpr uint32_t cat_geopus = 16384;
// Added by the fill to a collide mask that names any enemy category: collide with enemies.
constexpr uint32_t cat_any_beastie = 0x10000;

// Movement bits of move_type. Scripts set the bits up to cmt_sidestep_bullet; the fill,
// the move target and the enemy add the others.
constexpr uint32_t cmt_track = 1;
constexpr uint32_t cmt_path = 2;
constexpr uint32_t cmt_flock = 4;
constexpr uint32_t cmt_fixed_dirn = 8;
constexpr uint32_t cmt_random = 16;
constexpr uint32_t cmt_avoid = 32;             // always cleared by the fill
constexpr uint32_t cmt_repelled = 64;
constexpr uint32_t cmt_grid_fill = 128;
constexpr uint32_t cmt_anim_to_move = 256;
constexpr uint32_t cmt_anim_to_turn = 512;
constexpr uint32_t cmt_apply_no_dirn = 1024;
constexpr uint32_t cmt_face_gamer = 2048;
constexpr uint32_t cmt_sidestep_bullet = 4096;
constexpr uint32_t cmt_rolly_polly = 0x2000;
constexpr uint32_t cmt_wheels = 0x4000;
constexpr uint32_t cmt_angle_grid = 0x8000;
constexpr uint32_t cmt_track_player = 0x10000;
constexpr uint32_t cmt_target_start_position = 0x20000000;
constexpr uint32_t cmt_target_nearest_beastie = 0x40000000;

// Health kinds of health_type; 0 is the plain kind.
constexpr int health_chunk_regain = 1;   // damage divided by the actor's scale
constexpr int health_damagable = 2;
constexpr int health_damagable_check_parent = 3;
constexpr int health_no_damage_check_parent_and_drop = 4;

constexpr int MAX_RANDOM_ANIMS = 8;   // random animations of one block
constexpr int MOVE_SLOT_COUNT = 3;    // "move_forward", "turn_left", "turn_right"
constexpr int MOVE_SLOT_FORWARD = 0;
constexpr int MOVE_SLOT_TURN_LEFT = 1;
constexpr int MOVE_SLOT_TURN_RIGHT = 2;

// The animation a movement plays (c_set_use_anim_for): speed = min + r x range.
struct MoveSlot {
    float speed_min;
    float speed_range;
    int anim;   // -1 = none
};

// An animation played now and then (c_set_random_anim).
struct RandomAnim {
    float speed_min;
    float speed_range;
    float delay_min;     // seconds
    float delay_range;
    int anim;
};

// One block. Percentages are fractions here, minimum/maximum pairs minimum and range.
struct ActorParams {
    int actor_type;               // collision category (cat_*)
    float hit_delay;              // seconds after launch before the actor can be hit
    float mutate_hit_delay;       // the same for the product of a mutation
    uint32_t move_type;           // cmt_* bits
    float weight;                 // divides blast pushes
    float hit_power;              // damage dealt by contact
    uint32_t collide_mask;        // categories collided with while moving, + cat_any_beastie
    uint32_t collided_by_mask;    // categories that may hit this actor
    uint32_t avoid_mask;          // always 0 after the fill
    int in_beastie_count;         // non-zero: counts as an active enemy
    int in_screen_zoom_box;       // non-zero: the view keeps the actor in frame
    uint32_t repelled_by_mask;    // categories that push it away (cmt_repelled)
    float move_speed_min;         // units per tick
    float move_speed_range;
    float move_acceleration;
    float move_deceleration;
    float move_inertia_accn;      // 0..1
    float move_inertia_decn;      // 0..1: velocity kept per tick while aiming
    float burst_length_min;       // seconds
    float burst_length_range;
    float burst_delay_min;        // seconds
    float burst_delay_range;
    float repel_dist_sq;
    float target_stop_dist_sq;
    float target_delay_min;       // seconds between re-targeting
    float target_delay_range;     // below category 32: the script's maximum itself
    float turn_lock_angle_inner;  // degrees
    float turn_lock_angle_outer;
    float turn_speed_still;       // degrees per tick
    float turn_acceleration_still;
    float turn_inertia_still;     // 0..1
    float turn_speed_moving;      // also the base speed of "spin1_x"
    float turn_acceleration_moving;
    float turn_inertia_moving;    // 0..1
    float turn_speed_aiming;
    float health_regain;
    float health_fraction;        // scales the model's per-bone health
    int health_type;              // health_* kind
    float health_byebye_fraction;
    float launch_scale_min;       // size when the launch table gives none
    float launch_scale_range;
    float launch_hue_shift;       // degrees
    float bullet_spray_angle;     // degrees; also a released child's heading scatter
    float random_offset_x;
    float random_offset_z;
    float random_trajectory_offset;       // 0 when the script's value is below 1
    float random_trajectory_delay_min;    // seconds; 3600 without an offset
    float random_trajectory_delay_range;
    float random_edge_inner;      // fraction of the way from the centre to the pylons
    float random_edge_range;      // outer minus inner, not clamped
    float fence_bounce;
    float max_explosion_multiply;
    float rolly_polly_multiply;
    float angle_grid_size;        // headings snap to multiples of it; 1.0 = no grid
    float num_spawn_min;
    float num_spawn_range;        // not clamped
    float scale_spawn_min;
    float scale_spawn_range;      // not clamped
    int score;                    // points for a kill
    int bonus_seq_hit;
    int bonus_seq_score;
    int level_end_score;          // paid for each survivor at the level end
    int geopus_style;             // link bits of parents and children
    int fade_in_translucent;
    float multiple_beast_shoot_rate;
    float multiple_beast_base_num;
    float difficulty_adjust_speed;
    float difficulty_adjust_shoot;
    float spin_speed_min;         // degrees per tick
    float spin_speed_range;
    MoveSlot move_slots[MOVE_SLOT_COUNT];
    int weapon_count;
    Weapon weapons[MAX_WEAPONS];
    int random_anim_count;
    RandomAnim random_anims[MAX_RANDOM_ANIMS];
    char move_target_name[64];    // type to track; "" unless the move target names one
};

// Fills p from the table cp (CP_COUNT floats, slot k at index k) with every fix-up. The
// whole block is overwritten: free a block's weapons (actorparams_destroy with flags 0)
// before filling it again. The move target is a separate step.
void actorparams_from_cp(ActorParams *p, const float *cp);

// Applies the table's cp_move_target string when move_type has cmt_track: "", a name of
// 64 characters or more, or one beginning "track_player" tracks the nearest player;
// "start_position..." and "nearest_beastie..." replace cmt_track by their own bit; any
// other name is the type whose nearest enemy is tracked. A null name counts as "".
void actorparams_set_move_target(ActorParams *p, const char *name);

// The block of a type whose model has fewer than 2 hit spheres: never hittable (both hit
// delays 3600.0), not counted as active, no movement, no collision masks.
void actorparams_set_no_contact(ActorParams *p);

// Copies the move slots, the random animations and the weapons of from into to, each
// weapon with a reload sequence of its own; nothing else. to's own weapons are freed
// first. Returns 0, or -1 (logged) when a sequence could not be allocated: to then keeps
// the weapons copied before it.
int actorparams_copy(ActorParams *to, const ActorParams *from);

// Gives w its own copy of count reload times (count > 0), freeing the one it held.
// Returns 0, or -1 (logged, w without a sequence) for a bad count or no memory.
int actorparams_weapon_seq(Weapon *w, const float *seq, int count);

// Frees every weapon's sequence and empties the weapon list (a trigger state's first
// weapon replaces the ones its block inherited).
void actorparams_clear_weapons(ActorParams *p);

// Frees the weapons' sequences; bit 0 of flags deletes the block (made with new).
void actorparams_destroy(ActorParams *p, int flags);
