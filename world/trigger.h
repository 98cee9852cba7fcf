// trigger.h -- trigger states: the scripted behaviour of an enemy type. Each state tests a
// condition against a per-enemy value and, when it fires, switches the enemy to its own
// parameter block, mutates it into another type, spawns enemies or kills it. The actor
// types add the states (c_set_trigger_state, c_set_trigger_mutate, c_set_trigger_spawn).
#pragma once

struct ActorParams;
struct Beastie;

constexpr int TRIGGER_MAX_STATES = 32;   // per type: each enemy keeps one value per state
constexpr int TRIGGER_NAME_SIZE = 64;

// Condition ids.
constexpr int TRIGGER_MY_TIME_ALIVE = 1;          // "my_time_alive" and names beginning with it
constexpr int TRIGGER_MY_TIME_ALIVE_PATH = 2;     // "my_time_alive__pass_path"
constexpr int TRIGGER_TYPE_TIME_ALIVE = 3;        // "beasties_time_alive"
constexpr int TRIGGER_MY_HEALTH = 4;              // "my_health" and names beginning with it
constexpr int TRIGGER_HEALTH_CHANGE_PARENT = 5;   // "my_health__change_parent__via_null_actor_and_check"
constexpr int TRIGGER_HEALTH_CHANGE_CHILD = 6;    // "my_health__change_child__via_null_actor_and_check"
constexpr int TRIGGER_PLAYER_DIST = 7;            // "player_dist_less_than" (values squared)
constexpr int TRIGGER_TRACK_DIST = 8;             // "track_beastie_dist_less_than" (values squared)
constexpr int TRIGGER_LESS_ACTIVE = 9;            // "less_beasties_active"
constexpr int TRIGGER_MORE_ACTIVE = 10;           // "more_beasties_active"
constexpr int TRIGGER_COUNT_CHILDREN = 11;        // "count_extended_children"
constexpr int TRIGGER_SPAWN = 12;                 // c_set_trigger_spawn

struct TriggerState {
    TriggerState *next;
    int condition;          // TRIGGER_*
    float value_min;        // spawn: the animation progress where spawning starts
    float value_range;
    float spawn_interval;   // spawn: seconds between children
    float attach_time;      // spawn: seconds a child hangs on the spawner's bone (> 0)
    float count_min;        // mutation: fewest new enemies; spawn: squared blocking distance
    float count_max;        // mutation: most new enemies; spawn: 0
    float scale_min;        // mutation: size fraction; spawn: 1.0
    float scale_range;      // mutation: size spread; spawn: 1.0
    int spawn_anim;         // spawn: the spawner's animation that drives spawning
    int spawn_bone;         // spawn: matrix index where a child is attached (0 = the actor)
    ActorParams *params;    // a parameter state's own block (owned), else null
    char type_name[TRIGGER_NAME_SIZE];    // mutation/spawn: the type created ("byebye": die);
                                          // parameter states: the state's optional name
    char other_name[TRIGGER_NAME_SIZE];   // conditions 5, 6: the type replaced; 9, 10: the type counted
};

// The thresholds of one evaluation pass over an enemy's states.
struct TriggerPass {
    float player_dist;    // least player distance of the pass
    float count_below;
    float count_above;
    float track_dist;
    float type_time;      // the type's time alive
};
extern TriggerPass g_trigger_pass;

// The id of a condition name, or 0 after "*** state? <name>" for an unknown one.
int trigger_condition_id(const char *name);
// A state's starting value for one enemy: value_min + r x value_range.
void trigger_state_initial_value(const TriggerState *s, float *value);
// One state tested against one enemy's value (the enemy module evaluates; nothing fires
// until it lands).
void trigger_evaluate(TriggerState *s, Beastie *b, float *value);
