// trigger.cpp -- trigger-state conditions: their names and the values each enemy keeps.

#include "world/trigger.h"

#include "core/con.h"
#include "core/mt.h"

#include <cstring>

TriggerPass g_trigger_pass;

namespace {

struct TriggerName {
    const char *name;
    int id;
};

// Exact names; "my_time_alive..." and "my_health..." prefixes are matched after these.
const TriggerName TRIGGER_NAMES[] = {
    {"my_time_alive__pass_path", TRIGGER_MY_TIME_ALIVE_PATH},
    {"beasties_time_alive", TRIGGER_TYPE_TIME_ALIVE},
    {"my_health__change_parent__via_null_actor_and_check", TRIGGER_HEALTH_CHANGE_PARENT},
    {"my_health__change_child__via_null_actor_and_check", TRIGGER_HEALTH_CHANGE_CHILD},
    {"player_dist_less_than", TRIGGER_PLAYER_DIST},
    {"track_beastie_dist_less_than", TRIGGER_TRACK_DIST},
    {"less_beasties_active", TRIGGER_LESS_ACTIVE},
    {"more_beasties_active", TRIGGER_MORE_ACTIVE},
    {"count_extended_children", TRIGGER_COUNT_CHILDREN},
};

int trigger_begins(const char *name, const char *prefix)
{
    return strncmp(name, prefix, strlen(prefix)) == 0;
}

}  // namespace

int trigger_condition_id(const char *name)
{
    if (!name) {
        name = "";
    }
    for (const TriggerName &t : TRIGGER_NAMES) {
        if (strcmp(name, t.name) == 0) {
            return t.id;
        }
    }
    if (trigger_begins(name, "my_time_alive")) {
        return TRIGGER_MY_TIME_ALIVE;
    }
    if (trigger_begins(name, "my_health")) {
        return TRIGGER_MY_HEALTH;
    }
    con_printf("*** state? %s", name);
    return 0;
}

void trigger_state_initial_value(const TriggerState *s, float *value)
{
    *value = s->value_min + mt_rand_unit() * s->value_range;
}

void trigger_evaluate(TriggerState *s, Beastie *b, float *value)
{
    (void)s;
    (void)b;
    (void)value;
}
