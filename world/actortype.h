// actortype.h -- the actor types that the level scripts define: the registry of the
// running level, the definition calls that fill the current type or trigger-state block,
// the launch of enemies and player ships, parent links and room beams.
#pragma once

#include "world/actorparams.h"

#include <cstdint>

struct AnimSet;
struct Beastie;
struct ExplosionType;
struct TriggerState;

constexpr int ACTORTYPE_NAME_SIZE = 64;
constexpr int ACTORTYPE_MOVE_ANIMS = 16;   // distinct animations of one movement slot
constexpr int ACTORTYPE_MAX_FLOCK = 8;     // flock points of one type
constexpr int ACTORTYPE_MAX_SEQUENCE = 256;   // reload times or piece delays of one call

// The animations the engine plays on a type's life-cycle events (named_anims).
constexpr int ACTORTYPE_ANIM_EMERGE = 0;
constexpr int ACTORTYPE_ANIM_SUBMERGE = 1;
constexpr int ACTORTYPE_ANIM_MUTATE = 2;
constexpr int ACTORTYPE_ANIM_BYEBYE = 3;
constexpr int ACTORTYPE_ANIM_HITBOUNCE = 4;
constexpr int ACTORTYPE_NAMED_ANIMS = 5;

// The type's event sounds (c_add_sound_to_event).
constexpr int ACTORTYPE_SOUND_HIT_ACTIVE_BONE = 0;
constexpr int ACTORTYPE_SOUND_HIT_NULL_BONE = 1;
constexpr int ACTORTYPE_SOUND_HIT_FENCE = 2;
constexpr int ACTORTYPE_EVENT_SOUNDS = 3;

// Events an explosion use is spawned on.
constexpr int EXPLOSION_EVENT_BYE_BYE = 0;            // "bye_bye..." (a bone name may follow)
constexpr int EXPLOSION_EVENT_BYE_BYE_DAMAGABLE = 1;  // "bye_bye_damagable"
constexpr int EXPLOSION_EVENT_EMERGE = 2;
constexpr int EXPLOSION_EVENT_MUTATE = 3;
constexpr int EXPLOSION_EVENT_SUBMERGE = 4;
constexpr int EXPLOSION_EVENT_HIT_ACTIVE_BONE = 5;
constexpr int EXPLOSION_EVENT_HIT_NULL_BONE = 6;
constexpr int EXPLOSION_EVENT_SMART_BOMB = 7;
constexpr int EXPLOSION_EVENT_BONUS_EXTRA = 8;
constexpr int EXPLOSION_EVENT_MULTIPLY_EXTRA = 9;

// Section bits: a trigger-state section is open, and its first random animation or
// weapon replaced the lists its block inherited.
constexpr int ACTORTYPE_SECTION_STATE = 1;
constexpr int ACTORTYPE_SECTION_ANIMS = 2;
constexpr int ACTORTYPE_SECTION_WEAPONS = 4;

// One c_set_use_explosion_for: the pieces an event spawns.
struct ExplosionUse {
    ExplosionUse *next;
    ExplosionType *type;
    int event;           // EXPLOSION_EVENT_*
    int align;           // 1: the pieces take the owner's heading
    int bone;            // matrix index of the bone a "bye_bye<bone>" event names, else -1
    float spread;        // random position spread per unit of the owner's scale
    float blast;         // > 0 pushes enemies once, < 0 damages
    float scale_min;     // piece scale
    float scale_range;
    int count;           // pieces
    float *delays;       // seconds per piece (owned)
};

// A point of the room a flock of the type gathers at, moved now and then.
struct FlockPoint {
    float point[3];
    float countdown;     // seconds to the next move
    float delay_min;
    float delay_range;
    float reach_min;     // fraction of the pylons' distance from the centre
    float reach_range;
};

struct ActorType {
    ActorType *next;
    AnimSet *set;
    ActorType *linked;           // a player type: the type named by its move target (hull)
    int tick_count;              // live actors counted this tick
    int last_count;              // the previous tick's count
    float time_alive;            // seconds the type has had live actors
    float shoot_factor;          // fire-rate factor from the number alive; 1.0 when none
    int named_anims[ACTORTYPE_NAMED_ANIMS];     // -1 when the model lacks one
    int event_sounds[ACTORTYPE_EVENT_SOUNDS];   // -1 = none
    int beam_flag;               // c_add_fizz_between: 1 joins enemies, -1 other ends
    int32_t move_anims[MOVE_SLOT_COUNT][ACTORTYPE_MOVE_ANIMS];   // per slot, -1 = empty
    int wheels;                  // 1 after c_add_some_wheels
    int wheel_left;              // bone indexes
    int wheel_right;
    float wheel_a;
    float wheel_b;
    ActorParams *params;         // the base block (owned)
    int state_count;             // at most TRIGGER_MAX_STATES
    TriggerState *states;        // newest first (owned)
    ExplosionUse *explosions;    // newest first (owned)
    int flock_count;
    FlockPoint flock[ACTORTYPE_MAX_FLOCK];
    char name[ACTORTYPE_NAME_SIZE];
};

// The type list of the running level, newest first.
extern ActorType *g_actor_types;
// The enemy the last c_launch_new_actor made (links name it); null when it is gone.
extern Beastie *g_last_launched;

// The player counter: 0 while player 1's types are defined, 1 for player 2's; written by
// c_get_player_num, read when a player ship type takes its hue.
extern int g_player_number;

// Body of c_preload_model. cp holds the script's numbers indexed by the cp_* constants
// (entries 1..77, strings as 0); move_target is the table's cp_move_target string ("" when
// none). Logs "*** already loaded %s" for a name already defined.
void actortype_preload(const char *name, const char *model_dir, const char *model_name,
                       const float *cp, const char *move_target);

// 1 when no type has this name (also for an empty or null name), else 0.
int actortype_name_unused(const char *name);

// Body of c_launch_new_actor: ci holds the launch numbers indexed by the ci_* constants
// (entries 4..11 used); unique_name and path_name may be "".
void actor_launch(const char *type_name, const char *unique_name, const char *path_name,
                  const float *ci);

// The definition calls below add to the current type or to the block of the trigger
// state added last; without a current type they do nothing. Each logs its own
// "*** ... wrong values" line when refused.

// c_set_random_anim (anim, speed min %, speed max %, delay min s, delay max s).
void actortype_add_random_anim(const char *anim, float min, float max, float delay_min,
                               float delay_max);
// c_set_use_anim_for (slot "move_forward" / "turn_left" / "turn_right", anim, min %, max %).
void actortype_add_move_anim(const char *slot, const char *anim, float min, float max);
// c_add_a_weapon: the seven weapon names, the nine weapon numbers (w_flare_exp_scale ..
// w_reload_random, in index order) and the reload sequence (seq_count > 0).
void actortype_add_weapon(const char *bullet_type, const char *gun_type, const char *gun_bone,
                          const char *shaft_bone, const char *fire_anim, const char *aim_anim,
                          const char *flare, const float *values, int seq_count,
                          const float *seq);
// c_set_use_explosion_for: values are align, scale %, blast, piece scale min %, max %;
// seq holds one delay per piece (seq_count > 0).
void actortype_add_explosion(const char *event, const char *explosion, const float *values,
                             int seq_count, const float *seq);
// c_set_trigger_state: condition name, optional state name ("" when absent), the value
// bounds a and b, and the state's own parameter table: cp[0] is its element count,
// cp[k] element k (strings as 0); move_target is the table's last string ("" when none).
void actortype_add_state(const char *condition, const char *name, float a, float b,
                         const float *cp, const char *move_target);
// c_set_trigger_mutate: values are a, b, count min, count max, scale min %, max %;
// other is the optional third name ("" when absent).
void actortype_add_mutate(const char *new_type, const char *condition, const char *other,
                          const float *values);
// c_set_trigger_spawn (type, anim, bone, progress %, interval s, attach s, block distance).
void actortype_add_spawn(const char *type, const char *anim, const char *bone, float a,
                         float b, float c, float d);
// c_add_particle_to_anim (explosion null) and c_add_particle_to_explosion.
void actortype_add_particle(const char *explosion, const char *anim, const char *bone,
                            const char *particle);
// The body of both on the set the effect goes on: the effect's template found or loaded
// and the animation found in the set, else "*** add particle wrong values"; then the
// animation starts the effect at the bone's matrix (index + 1; an empty bone name is
// bone 0) when it starts and at every loop, once per bone and effect.
struct AnimSet;
void actortype_attach_particle(AnimSet *set, const char *anim, const char *bone, const char *particle);
// c_add_sound_to_anim (explosion and event null), c_add_sound_to_event (anim holds the
// event name, event is "lua_event") and c_add_sound_to_explosion (explosion set).
void actortype_add_sound(const char *explosion, const char *anim, const char *sound,
                         int priority, const char *event);
// c_add_footprint_to_anim (anim, bone, texture "1"/"2", key, size, life s).
void actortype_add_footprint(const char *anim, const char *bone, const char *texture,
                             float key, float size, float life);
// c_add_some_wheels (left bone, right bone, a, b).
void actortype_add_wheels(const char *left_bone, const char *right_bone, float a, float b);
// c_add_fizz_between (beam type, type A, bone A, type B or "pylon-" prefix, bone B, kind,
// scale %, min distance, max distance, e).
void actortype_add_fizz_between(const char *beam_type, const char *type_a, const char *bone_a,
                                const char *type_b, const char *bone_b, const char *kind,
                                float scale, float d1, float d2, float e);
// c_add_flock_type (delay min, delay max, reach min %, reach max %).
void actortype_add_flock_type(float a, float b, float c, float d);

// c_link_to_parent: the last launched enemy hangs on the named parent's bone; owner
// ("" when absent) takes it into its child array.
void actor_link_to_parent(const char *parent, const char *bone, const char *owner);
// c_link_health_to_parent: the last launched enemy's health parent.
void actor_link_health_to_parent(const char *parent);
// c_add_fizz_to_room: a beam now between bones of two actors found by unique name.
void fizz_add_to_room(const char *beam_type, const char *actor_a, const char *bone_a,
                      const char *actor_b, const char *bone_b, float scale, float hue);

// Registry.
// Fills t for the model of cp (the script's numbers by cp_* slot) and its load hue; 0, or
// -1 when the model cannot be loaded (t->set null; t must still be destroyed). Does not
// list the type.
int actortype_construct(ActorType *t, const char *name, const char *model_dir,
                        const char *model_name, const float *cp);
// Frees the states with their blocks, the explosion uses, the base block; bit 0 of flags
// deletes the type.
void actortype_destroy(ActorType *t, int flags);
// The type of that name, or null (also for an empty name).
ActorType *actortype_find(const char *name);
// The type timers, once per tick (from the enemy update).
void actortype_update_all(void);
// Trigger states of a type over one enemy's values (one per state, in list order).
void actortype_eval_states(ActorType *t, Beastie *b, float *values);
void actortype_init_state_values(ActorType *t, float *values);
void actortype_set_state_value(ActorType *t, int condition, float value, float *values);
// An enemy is being deleted: forget it if it was launched last.
void actortype_forget_beastie(const Beastie *b);

// Level start: clears the player counter, the list, the current type and block, the
// section bits and the last launched enemy, and resets the room.
void actortype_reset(void);
// Level end: destroys every type, then clears as actortype_reset does.
void actortype_free_all(void);
