// beastie.h -- the enemies: an Actor built from an ActorType and driven by its current
// parameter block. Creation and list insertion, the lifecycle and the per-tick update,
// hits, death and submerging, the links between parents and children, the movement laws,
// the two enemy lists with the per-tick pass over them, the queries by name, type,
// category and distance, and the mass kills of the level driver.
//
// Life of an enemy: new Beastie; beastie_init lists it (or fails: the creator deletes
// it); beastie_start plays "emerge" (or "mutate"); the list pass updates it every tick
// until it dies or submerges and its animation ends (lifecycle BEASTIE_REMOVED); the next
// pass unlinks and deletes it. Other code never deletes a listed enemy.
//
// Links between enemies are BeastieLink handles (slot and creation serial): a link to an
// enemy that has been deleted reads as none, however its memory is reused.
//
// Randomness comes only from the game's generator (core/mt.h), drawn in a fixed order;
// nothing depends on where enemies are allocated. Main thread only.
#pragma once

#include <cmath>

#include "world/actor.h"
#include "world/recycle.h"
#include "world/trigger.h"
#include "world/weapon.h"

#include <cstdint>

struct Gamer;
struct Path;

constexpr int BEASTIE_NAME_SIZE = 64;
constexpr int BEASTIE_MAX_CANDIDATES = 1024;   // collision candidates gathered per tick
constexpr int BEASTIE_MAX_CHILDREN = 128;      // slots of a child array
// Enemies alive at once (handle slots). Each enemy takes a block of the memory pool,
// whose 8192 records run out first.
constexpr int BEASTIE_MAX = 8192;
// Longest anim delay a launch may give, in seconds: the level start settles the ground
// enemies 0.01 s a pass until every delay has run out.
constexpr float BEASTIE_MAX_ANIM_DELAY = 60.0f;

// Lifecycle states.
constexpr int BEASTIE_CONSTRUCTED = 0;
constexpr int BEASTIE_EMERGING = 1;
constexpr int BEASTIE_MUTATING = 2;
constexpr int BEASTIE_SUBMERGING = 3;
constexpr int BEASTIE_IDLE = 4;
constexpr int BEASTIE_MOVING = 5;
constexpr int BEASTIE_TURNING = 6;     // turning on the spot
constexpr int BEASTIE_AIMING = 7;
constexpr int BEASTIE_DYING = -1;
constexpr int BEASTIE_REMOVED = -2;    // the next list pass deletes it
// beastie_start's mode for the product of a mutation (any other mode emerges).
constexpr int BEASTIE_START_MUTATE = 2;

// Hit flags an enemy reads beside the ACTOR_HIT_* ones.
constexpr uint32_t BEASTIE_HIT_LETHAL = ACTOR_HIT_NEGATIVE;   // health drops to 0 at once
constexpr uint32_t BEASTIE_HIT_CRYSTAL = 0x800000;            // two crystals touched

// geopus_style bits: how parents and children hang together.
constexpr int GEOPUS_CHAIN = 1;           // dying takes the next child of its owner along
constexpr int GEOPUS_ARRANGE = 2;         // arranges its children around itself; spins / scale
constexpr int GEOPUS_RELEASE = 4;         // a dying parent releases it instead of killing it
constexpr int GEOPUS_TAKE_PARENT = 8;     // its death or submerging takes its parent along
constexpr int GEOPUS_NO_CHILDREN = 16;    // dies once at no health and no child has health
constexpr int GEOPUS_COUNT = 32;          // counts its children's families; dies below 2

// A link to an enemy: none (serial 0), or the enemy's handle slot and creation serial.
struct BeastieLink {
    uint32_t serial;
    int32_t slot;
};

// An enemy: an Actor built from its type, driven by its current block (Actor::params).
struct Beastie : Actor {
    RECYCLED_RECORD
    Beastie *next = nullptr;
    // What the pair and collider passes read of other enemies, together after the actor's
    // fields they read.
    float hit_clock = 0.0f;               // hittable and alive while below 0; 3600 dying
    uint32_t move_bits = 0;               // cmt_* bits in force
    BeastieLink parent = {};              // attachment parent
    int lifecycle = BEASTIE_CONSTRUCTED;
    int candidate_count = 0;
    Beastie **candidates = nullptr;       // BEASTIE_MAX_CANDIDATES, made on first use
    float launch_delay = 0.0f;            // seconds before it takes part at all
    // The rest.
    const float *parent_bone = nullptr;   // matrix of the parent's bone it hangs on (parent set)
    float local_matrix[16] = {};          // placement relative to that bone
    BeastieLink first_parent = {};        // the parent it hung on, kept after release
    int linked_count = 0;                 // enemies attached to this one
    BeastieLink child_owner = {};         // whose child array holds this one
    BeastieLink *children = nullptr;      // BEASTIE_MAX_CHILDREN slots, made on the first child
    int extended_children = 0;            // children and grandchildren (GEOPUS_COUNT)
    BeastieLink health_parent = {};       // c_link_health_to_parent
    float least_drop = 0.0f;              // least height above the health parent seen
    float full_health = 0.0f;             // health when whole; 0 once dead
    float health = 0.0f;
    float regain = 0.0f;                  // regrowth of health_damagable_check_parent
    float retarget_timer = 0.0f;          // seconds
    float anim_delay = 0.0f;              // seconds before animations start (settling)
    float detach_timer = 0.0f;            // seconds until a spawned child lets go
    float spawn_count = 0.0f;             // children still to come from a spawn state
    float angles[3] = {};                 // root rotation x, yaw, z in degrees
    float angle_trig[3][3] = {{NAN, 0, 1}, {NAN, 0, 1}, {NAN, 0, 1}};   // each angle as the root
                                          // matrix last took it, with its sine and cosine
    float roll_quat[4] = {0, 0, 0, 1};    // orientation of a cmt_rolly_polly enemy
    float random_offset[3] = {};          // x/z scatter of the target
    float edge_target[3] = {};            // random point towards the pylon ring
    float target_point[3] = {};
    float extra_velocity[3] = {};         // added once on the next tick (pushes, recoil)
    float move_speed = 0.0f;              // chosen top speed
    float speed = 0.0f;                   // current speed
    float last_speed = 0.0f;              // speed of the last movement tick
    float heading = 0.0f;                 // degrees, -180..180
    float turn_rate = 0.0f;               // degrees per tick
    float spin_speed = 0.0f;              // degrees per tick
    float aim_angle = 0.0f;               // direction of the player, degrees
    float burst_timer = 0.0f;
    float burst_pause = 0.0f;
    float path_wait = 0.0f;
    float trajectory_offset = 0.0f;       // degrees added to the wanted angle
    float trajectory_delay = 0.0f;        // seconds until redrawn
    uint32_t collide_flags = 0;           // result of the last collision step
    int bounce_counter = 0;               // 9 after a barrier; counts sidesteps down
    float turn_reference[7] = {0, 0, 0, 1, 0, 0, 0};   // bone 2's pose before a turn animation
    int turn_anim = 0;                    // 1 while a turn animation runs
    Path *path = nullptr;
    int path_pos = 0;                     // point index with PATH_POS_* flags
    int flock_slot = 0;                   // 1..n: the type's flock point; 0 none
    Gamer *shooter = nullptr;             // the ship that fired this actor as a shot
    int weapon_shot = 0;                  // 1: an enemy weapon fired it as a shot
    float state_values[TRIGGER_MAX_STATES] = {};   // one per trigger state of the type
    float random_anim_timers[MAX_RANDOM_ANIMS] = {};
    WeaponState weapon_state = {};
    int wheel_left = 0;                   // wheel bones (cmt_wheels)
    int wheel_right = 0;
    float wheel_roll = 0.0f;              // roll per unit of forward speed
    float wheel_turn = 0.0f;              // roll per degree of turn
    float wheel_heading = 0.0f;           // last heading
    float wheel_left_angles[3] = {};
    float wheel_right_angles[3] = {};
    uint32_t serial = 0;                  // creation serial (1, 2, ... from the level start)
    int slot = -1;                        // handle slot, -1 when not listed
    uint32_t mark = 0;                    // the replacement pass that picked it
    char unique_name[BEASTIE_NAME_SIZE] = {};
};

// The main list and the ground list (cat_ground enemies: scenery such as the room).
extern Beastie *g_beasties;
extern Beastie *g_ground_beasties;
// The enemy being updated (its candidates serve the collision step).
extern Beastie *g_current_beastie;
// The largest number of collision candidates one enemy gathered (statistic).
extern int g_beastie_candidate_peak;

// ---------------------------------------------------------------------------------------
// Links

BeastieLink beastie_link(const Beastie *b);   // none for null or an unlisted enemy
Beastie *beastie_get(BeastieLink link);        // the enemy, or null once it has gone

// The attachment parent while it is listed, else null.
inline Beastie *beastie_parent(const Beastie *b)
{
    return b->parent.serial ? beastie_get(b->parent) : nullptr;   // most hang on nothing
}

// A new mark for a pass that picks enemies before it acts on them (Beastie::mark): the
// enemies' own passes and the trigger states' replacement of linked enemies.
uint32_t beastie_new_mark(void);

// ---------------------------------------------------------------------------------------
// One enemy

// Sets up a constructed enemy of the type at position (scale, heading in degrees, delays
// in seconds, path or null) and lists it. 0, or -1 when it is not listed: no type ("***
// enemy help <name>"), no skeleton for it, or BEASTIE_MAX enemies at once; the caller
// then deletes it. Anim delays are clamped to 0 .. BEASTIE_MAX_ANIM_DELAY.
int beastie_init(Beastie *b, const char *unique_name, const float position[3], float scale, float heading,
                 float anim_delay, float launch_delay, ActorType *type, Path *path);
// Starts it emerging, or mutating with mode BEASTIE_START_MUTATE; update_now runs one
// update at once.
void beastie_start(Beastie *b, int update_now, int mode);
// One tick (the list pass calls it for every listed enemy).
void beastie_update(Beastie *b);
// A hit the collision step found (ACTOR_HIT_* and BEASTIE_HIT_* flags): hit animation
// and sound, damage, a kill scored for g_bullet_ship, sidestepping.
void beastie_take_hit(Beastie *b, uint32_t flags);
// Death: releases its links (its children die or are let go), its beams start dying,
// "byebye" plays and the "bye_bye" explosions spawn; explode_only spawns the explosions
// and nothing else. Nothing happens while dying, submerging or removed.
void beastie_die(Beastie *b, int explode_only);
// Submerging: as death with the "submerge" animation and explosions; its children
// submerge too; keep_parent spares the parent a GEOPUS_TAKE_PARENT enemy would take along.
void beastie_submerge(Beastie *b, int keep_parent);
// Zero velocity and extra velocity; an enemy ever attached takes its root matrix's
// heading as heading and yaw.
void beastie_stop(Beastie *b);
// Releases what the enemy holds (child array, candidates, handle slot) and its Actor
// part; bit 0 of flags deletes it. Only for unlisted enemies (the list pass and frees).
void beastie_destroy(Beastie *b, int flags);
// target = position + (sin a, 0, cos a) x distance.
void beastie_set_target_point(Beastie *b, float angle, float distance);
// The speed factor of the difficulty for this enemy's block.
float beastie_difficulty_factor(const Beastie *b);

// Parents and children. Bones are matrix indexes (0 the parent's own matrix).
// child hangs on the parent's bone with the scales sx, sy, sz and no offset.
void beastie_attach_spawned(Beastie *child, Beastie *parent, int bone, float sx, float sy, float sz);
// child hangs on the parent's bone where it stands (c_link_to_parent): its position is
// the offset, its yaw the turn and its scale / parent_scale the size.
void beastie_attach_to_parent(Beastie *child, Beastie *parent, int bone, float parent_scale);
// owner keeps child in its child array (first free slot; a full array leaves it out).
void beastie_add_child(Beastie *owner, Beastie *child);
// Clears child's slot in owner's array; returns the child in the next slot, or null.
Beastie *beastie_remove_child(Beastie *owner, Beastie *child);
// Listed children plus their own counts (slots of enemies gone are cleared).
int beastie_count_children(Beastie *b);
void beastie_arrange_children(Beastie *b);
void beastie_die_if_no_children(Beastie *b);
// Cuts b's links when it dies (kill 1: its children die or, GEOPUS_RELEASE, are let go)
// or submerges (kill 0: they submerge); keep_parent spares the parent.
void beastie_release_links(Beastie *b, int kill, int keep_parent);

// ---------------------------------------------------------------------------------------
// Movement

// Movement bits, speeds, spin, weapons' reloads, edge target and offsets from the current
// block: at creation and whenever a trigger state switches the block.
void beastie_setup_movement(Beastie *b);
// One tick of movement (moving and turning states).
void beastie_move(Beastie *b);
// Target choice, once a tick from beastie_move.
void beastie_pick_target(Beastie *b);
// One tick of turning towards angle: 1 when it lies to the left (difference 0 or more),
// 2 when to the right.
int beastie_turn_towards(Beastie *b, float angle);
// velocity = (sin h, 0, cos h) x move speed x difficulty factor.
void beastie_set_velocity(Beastie *b);
// Completes turning by animation (anim_to_turn: the cmt_anim_to_turn bit, else 0): 1 while
// a turn animation plays (speed 0), 2 when one just ended and its turn was applied, else 0.
// stop_now stops the three movement slots first.
int beastie_finish_turn_anim(Beastie *b, uint32_t anim_to_turn, int stop_now);
// A new edge target and random offsets.
void beastie_random_trajectory(Beastie *b);
// Let go of its parent: stopped, parent link and bone cleared, a new trajectory.
void beastie_release(Beastie *b);

// ---------------------------------------------------------------------------------------
// The lists

// Clears both list heads, the current enemy, the handles and the creation serial (level start).
void beasties_reset(void);
// Deletes every enemy of both lists (level end and the restart after a death).
void beasties_free_all(void);
// The per-tick pass: triggers and removal, the type timers, pair collision and updates of
// the main list, then the ground list; writes g_beasties_active.
void beasties_update_all(void);
// Draws every enemy that is launched and has a model.
void beasties_draw_all(void);
// Settles the ground list after the level script placed the scenery (level start).
void beasties_settle(void);

// Collision of the current collider with enemies: a moving ship (category cat_player)
// against every live enemy a ship may hit, other movers against the current enemy's
// candidates sharing a bit with mask. Hit flags.
uint32_t beasties_collide_collider(int category, uint32_t mask);
// The pair test of the list pass: crystals push each other; else a moving enemy records
// the other as a candidate when they are within reach (a's reach given, b's its radius,
// doubled when moving).
void beasties_collide_pair(Beastie *a, Beastie *b, uint32_t a_bits, float a_reach);
// The damage test of the current collider against every live main-list enemy that shots
// may hit; an enemy touched takes the hit. Hit flags, joined.
uint32_t beasties_hit_by_collider(void);

// Queries. "Live" enemies have a hit clock below 0; distances are squared over the floor
// (x, z); ties keep the first enemy of the list. asker (or null) is never an answer.
// The first enemy of the type (main list, then ground list); null for "".
Beastie *beastie_find_by_name(const char *type_name);
// The first enemy of that unique name (same order); null for a null or empty name.
Beastie *beastie_find_by_unique_name(const char *name);
// The nearest live main-list enemy of the type within start (squared); *count = how many
// live ones there are. Null and 0 when the type is missing or counts none alive.
Beastie *beastie_nearest_of_type(const float point[3], const char *type_name, int *count, float start,
                                 const Beastie *asker);
// The nearest live main-list enemy of a category sharing a bit with mask within start;
// *count = all such live enemies.
Beastie *beastie_nearest_of_category(const float point[3], uint32_t mask, int *count, float start,
                                     const Beastie *asker);
// The nearest live main-list enemy of category 32 or above with full health above 0.
Beastie *beastie_nearest_target(const float point[3], const Beastie *asker);
// The least squared distance to a live enemy of the type, or start.
float beastie_nearest_distance_of_type(const float point[3], const ActorType *type, float start,
                                       const Beastie *asker);
// The enemy's position while it is in the main list, else null.
const float *beastie_position_if_listed(const Beastie *b);

// Mass operations of the level driver.
// Kills every main-list enemy with a level-end score that is not already dying,
// submerging or removed, marks each with a floating score and returns the sum.
int beasties_kill_scoring(void);
// Every enemy shot launched as an actor dies (while the level is not running): those an
// enemy weapon fired, and cat_bullet enemies no ship fired. The ships' missiles fly on.
void beasties_kill_bullets(void);
// An "end_chaser" at a random point of the room's edge, when the level defines that type
// (overtime).
void beasties_spawn_end_chaser(void);
