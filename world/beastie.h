// beastie.h -- the enemies: the main list and the ground list (scenery such as the
// room), the per-tick pass over them, their drawing and the mass operations the level
// driver uses.
#pragma once

#include "world/actor.h"

#include <cstdint>

struct Path;

constexpr int BEASTIE_NAME_SIZE = 64;
constexpr int BEASTIE_MAX_CANDIDATES = 1024;   // collision candidates gathered per tick

// Lifecycle states.
constexpr int BEASTIE_CONSTRUCTED = 0;
constexpr int BEASTIE_EMERGING = 1;
constexpr int BEASTIE_MUTATING = 2;
constexpr int BEASTIE_SUBMERGING = 3;
constexpr int BEASTIE_IDLE = 4;
// beastie_start's mode for the product of a mutation.
constexpr int BEASTIE_START_MUTATE = 2;

// An enemy: an Actor built from its type, driven by the type's current block.
struct Beastie : Actor {
    Beastie *next = nullptr;
    const float *parent_bone = nullptr;   // matrix of the parent bone it hangs on
    Beastie *parent = nullptr;            // attachment parent
    Beastie *first_parent = nullptr;
    Beastie *child_owner = nullptr;       // whose child list holds it
    Beastie *health_parent = nullptr;
    int lifecycle = BEASTIE_CONSTRUCTED;
    float hit_clock = 0.0f;      // hittable and alive while below 0
    float anim_delay = 0.0f;     // seconds
    float launch_delay = 0.0f;   // seconds
    float heading = 0.0f;        // degrees, -180..180
    float target_point[3] = {0, 0, 0};
    Path *path = nullptr;
    int path_pos = 0;
    int candidate_count = 0;
    Beastie **candidates = nullptr;   // gathered by the pair pass for movers among enemies
    char unique_name[BEASTIE_NAME_SIZE] = {};
};

// The main list and the ground list (cat_ground enemies), and the enemy being updated.
extern Beastie *g_beasties;
extern Beastie *g_ground_beasties;
extern Beastie *g_current_beastie;

// Sets up a constructed enemy of the type at position (scale, heading in degrees, delays
// in seconds, path or null) and lists it. 0, or -1 when it is not listed: no type ("***
// enemy help <name>") or no skeleton for it; the caller then deletes it.
int beastie_init(Beastie *b, const char *unique_name, const float position[3], float scale, float heading,
                 float anim_delay, float launch_delay, ActorType *type, Path *path);
// Starts it emerging, or mutating with mode BEASTIE_START_MUTATE; update_now runs one
// update at once.
void beastie_start(Beastie *b, int update_now, int mode);
// Releases what the enemy holds and its Actor part; bit 0 of flags deletes it.
void beastie_destroy(Beastie *b, int flags);
// Attaches child to the parent's bone (a matrix index) at the parent's scale.
void beastie_attach_to_parent(Beastie *child, Beastie *parent, int bone, float parent_scale);
// owner takes child into its child array.
void beastie_add_child(Beastie *owner, Beastie *child);
// The first enemy of that unique name (main list, then ground list); null for "".
Beastie *beastie_find_by_unique_name(const char *name);

// Collision of the current collider with enemies: a moving ship (category cat_player)
// against every live enemy a ship may hit, other movers against the current enemy's
// candidates sharing a bit with mask. Hit flags.
uint32_t beasties_collide_collider(int category, uint32_t mask);
// The damage test of the current collider against every live main-list enemy that shots
// may hit; an enemy touched takes the hit. Hit flags, joined.
uint32_t beasties_hit_by_collider(void);

// Clears both list heads and the current enemy (level start).
void beasties_reset(void);
// Deletes every enemy of both lists (level end and the restart after a death).
void beasties_free_all(void);
// The per-tick pass: triggers, removal, pair collision, updates; writes g_beasties_active.
void beasties_update_all(void);
// Draws every enemy that is launched and has a model.
void beasties_draw_all(void);
// Settles the ground list after the level script placed the scenery (level start).
void beasties_settle(void);
// Every enemy shot launched as an actor dies (while the level is not running).
void beasties_kill_bullets(void);
// An "end_chaser" at a random point of the room's edge, when the level defines that type
// (overtime).
void beasties_spawn_end_chaser(void);
