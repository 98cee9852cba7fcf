// explosion.h -- explosion types (animation sets under the explosions folder) and the
// debris pieces their uses spawn.
#pragma once

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

// Spawns the pieces of one use of an actor type's event at position (or at the matrix of
// the use's bone in matrices), sized by scale, turned by heading (aligned uses). Called
// on their owners' events by enemies, ships and bullets. The pieces themselves come with
// the debris; until then nothing is spawned.
void explosion_spawn_use(const ExplosionUse *use, const float position[3], const float *matrices, float scale,
                         float heading);
// Every use spawned is also handed to this observer when set (tests; null in the game).
typedef void (*explosion_spawn_hook_t)(const ExplosionUse *use, const float position[3], float scale);
extern explosion_spawn_hook_t g_explosion_spawn_hook;

// Empties the explosion type list (level start).
void explosion_types_reset(void);
// Deletes every explosion type and empties the list (level end).
void explosion_types_free(void);

// One piece of the type at position with scale and heading, without spread, blast or
// delay (weapon flares).
void debris_spawn_one(ExplosionType *type, const float position[3], float scale, float heading);

// Empties the debris list (level start).
void debris_reset(void);
// Destroys every piece and empties the list (level end and the restart after a death).
void debris_free_all(void);
// Per tick: moves the pieces, removes spent ones and writes g_debris_count.
void debris_update_all(void);
// Per frame: draws the pieces.
void debris_draw_all(void);
