// explosion.h -- explosion types (animation sets under the explosions folder) and the
// debris pieces their uses spawn.
#pragma once

struct AnimSet;

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

// Empties the explosion type list (level start).
void explosion_types_reset(void);
// Deletes every explosion type and empties the list (level end).
void explosion_types_free(void);

// Empties the debris list (level start).
void debris_reset(void);
// Destroys every piece and empties the list (level end and the restart after a death).
void debris_free_all(void);
// Per tick: moves the pieces, removes spent ones and writes g_debris_count.
void debris_update_all(void);
// Per frame: draws the pieces.
void debris_draw_all(void);
