// explosion.h -- explosion types (animation sets under the explosions folder) and the
// debris pieces their uses spawn.
#pragma once

#include "world/actor.h"
#include "world/recycle.h"

struct AnimSet;
struct ExplosionUse;

constexpr int EXPLOSION_NAME_SIZE = 64;

// One explosion model of the level (the set of "<explosions folder><name>").
struct ExplosionType {
    AnimSet *set;
    ExplosionType *next;
    int sound;             // played when the first piece starts, -1 = none
    int explode_anim;      // "explode", -1 when the model has none
    int collide_matrix;    // matrix index of "bonecollide" (1 without it)
    float life_span;       // frames of the first texture minus its speed; 0 when not animated
    float rate;            // animation speed of the first texture, 1.0 when none
    char name[EXPLOSION_NAME_SIZE];
};

// The explosion types, newest first.
extern ExplosionType *g_explosion_types;

// The type of that name from the list, else loaded and listed; null for an empty name
// or when no set can be had.
ExplosionType *explosion_type_find_or_load(const char *name);
// Fills a new record for the explosion name from "<explosions folder><name>" (life span
// and rate from the first texture of its mesh, "explode" and "bonecollide") and lists it
// at the head: 0, or -1 when no set can be had (the record is then not listed and the
// caller destroys it).
int explosion_type_load(ExplosionType *type, const char *name);
// Releases a record (its set belongs to the set registry); flags bit 0 deletes it.
void explosion_type_destroy(ExplosionType *type, int flags);

// The category of a debris piece.
constexpr int DEBRIS_CATEGORY = 0x20000;

// One piece of an explosion: waiting (delay > 0), started (animated, drawn), ended.
struct Debris : Actor {
    RECYCLED_RECORD
    Debris *next = nullptr;
    float life_span = 0.0f;     // from the type: 0 ends with "explode"
    float rate = 1.0f;          // time gained per tick
    int sound = -1;             // played once when it starts (piece 0 only)
    int explode_anim = -1;
    int collide_matrix = 1;
    float alive = 1.0f;         // 0 ends the piece
    float delay = 0.0f;         // seconds before it starts
    float time = 0.0f;
    float blast = 0.0f;         // > 0 pushes enemies once, < 0 damages within the collide bone
};

// The pieces, newest first, and how many the last update saw.
extern Debris *g_debris;

// Spawns the pieces of one use of an actor type's event at position (or at the matrix of
// the use's bone in matrices), sized by scale, turned by heading (aligned uses). Called
// on their owners' events by enemies, ships and bullets. Piece i of n is drawn
// 1 - i / (1.5 n) times its random scale; only piece 0 plays the type's sound.
void explosion_spawn_use(const ExplosionUse *use, const float position[3], const float *matrices, float scale,
                         float heading);
// Every use spawned is also handed to this observer when set (tests; null in the game).
typedef void (*explosion_spawn_hook_t)(const ExplosionUse *use, const float position[3], float scale);
extern explosion_spawn_hook_t g_explosion_spawn_hook;

// One piece of the type at position (weapon flares): no spread, no blast, no delay.
// Null when the type is null or no matrix block is left.
Debris *debris_spawn_one(ExplosionType *type, const float position[3], float scale, float heading);
// The radial push of a positive blast of radius R over every enemy in a moving state
// whose weight is above 0 (main list, then ground list): k = min(2 (1 - q / R^2), 1) with
// q the squared floor distance less the enemy's radius squared; strength / weight,
// capped by cp_max_explosion_multiply when that is set. R of 0 or less pushes nothing.
void explosion_push_beasties(const float position[3], float radius, float strength);

// Empties the explosion type list (level start).
void explosion_types_reset(void);
// Deletes every explosion type and empties the list (level end).
void explosion_types_free(void);

// Releases a piece's actor data (not its list link); flags bit 0 deletes it.
void debris_destroy(Debris *piece, int flags);
// Empties the debris list (level start).
void debris_reset(void);
// Destroys every piece and empties the list (level end and the restart after a death).
void debris_free_all(void);
// Per tick: moves the pieces, removes spent ones and writes g_debris_count.
void debris_update_all(void);
// Per frame: draws the pieces.
void debris_draw_all(void);
