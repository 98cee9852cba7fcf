// trigger.cpp -- trigger states: the condition names, the values each enemy keeps, the
// tests of one evaluation pass and the actions of a state that fires (its block, a
// mutation, a spawn, death), and the replacement of linked enemies.

#include "world/trigger.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "world/actortype.h"
#include "world/animset.h"
#include "world/beastie.h"
#include "world/gamer.h"

#include <cfloat>
#include <cmath>
#include <cstring>

// Values that keep a state from firing again: time conditions, health and child ones.
constexpr float TRIGGER_DONE_TIME = 3600.0f;
constexpr float TRIGGER_DONE_HEALTH = -3600.0f;
// A new enemy heads for a point this far ahead.
constexpr float TRIGGER_TARGET_AHEAD = 36.0f;

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

// Where a mutation or spawn places its enemies: the root bone's place.
static void trigger_place(const Beastie *b, float out[3])
{
    const float *m = b->matrix_block;
    if (m && b->anim.set && b->anim.set->bone_count > 0) {
        memcpy(out, m + 16 + 12, sizeof(float) * 3);
    } else {
        memcpy(out, b->position, sizeof(float) * 3);
    }
}

// The enemies of a mutation (every condition but 12) or a spawn (12).
static void trigger_create(const TriggerState *s, Beastie *b, ActorType *type)
{
    int condition = s->condition;
    float place[3];
    trigger_place(b, place);
    int n;
    if (condition == TRIGGER_SPAWN) {
        n = 1;
        if (s->count_min > 0.01f && beastie_nearest_distance_of_type(place, type, FLT_MAX, nullptr) < s->count_min) {
            n = 0;
        }
    } else {
        n = trunc_to_int(s->count_min + mt_rand_unit() * (s->count_max - s->count_min) + 0.5f);
        if (n < 1) {
            n = 1;
        }
    }
    float heading = n == 1 ? b->heading : (float)trunc_to_int(mt_rand_signed() * 180.0f);
    const ActorParams *p = b->params;
    for (int i = 0; i < n; i++) {
        float size = condition == TRIGGER_SPAWN ? p->scale_spawn_min + mt_rand_unit() * p->scale_spawn_range
                                                : s->scale_min + mt_rand_unit() * s->scale_range;
        Beastie *c = new Beastie;
        Path *path = condition == TRIGGER_MY_TIME_ALIVE_PATH ? b->path : nullptr;
        if (beastie_init(c, "", place, size, heading, 0.0f, 0.0f, type, path) != 0) {
            beastie_destroy(c, 1);
            return;
        }
        beastie_start(c, 1, BEASTIE_START_MUTATE);
        if (condition == TRIGGER_SPAWN && s->attach_time > 0.0f) {
            float ratio = b->scale != 0.0f ? size / b->scale : size;
            beastie_attach_spawned(c, b, s->spawn_bone, ratio, ratio, ratio);
            c->detach_timer = s->attach_time;
        }
        if (condition == TRIGGER_MY_TIME_ALIVE_PATH) {
            c->path_pos = b->path_pos;
            memcpy(c->target_point, b->target_point, sizeof(c->target_point));
        }
        if (n > 1) {
            c->position[0] += sinf(c->heading * DEG2RAD) * c->radius;
            c->position[2] += cosf(c->heading * DEG2RAD) * c->radius;
        }
        beastie_set_target_point(c, c->heading, TRIGGER_TARGET_AHEAD);
        heading = (float)trunc_to_int(heading + 90.0f + mt_rand_unit() * 60.0f);
    }
}

// The action of a state that fired (conditions other than 5 and 6).
static void trigger_fire(const TriggerState *s, Beastie *b)
{
    if (s->params) {
        if (b->params != s->params) {
            b->params = s->params;
            beastie_setup_movement(b);
        }
        return;
    }
    ActorType *type = actortype_find(s->type_name);
    if (!type) {
        if (strcmp(s->type_name, "byebye") == 0) {
            beastie_die(b, 0);
        }
        return;
    }
    trigger_create(s, b, type);
    if (s->condition != TRIGGER_SPAWN) {
        beastie_submerge(b, 0);
    }
}

// The spawn timer: counts down from the threshold of the spawner's animation.
static void trigger_spawn_timer(TriggerState *s, Beastie *b, float *value)
{
    float progress = anim_get_progress(&b->anim, s->spawn_anim);
    if (progress < s->value_min) {
        *value = 0.0f;
        b->spawn_count = b->params->num_spawn_min + mt_rand_unit() * b->params->num_spawn_range;
        return;
    }
    if (b->spawn_count > 0.0f) {
        *value -= 0.01f;
        if (*value <= 0.0f) {
            *value = s->spawn_interval;
            b->spawn_count -= 1.0f;
            trigger_fire(s, b);
        }
    }
}

void trigger_evaluate(TriggerState *s, Beastie *b, float *value)
{
    float v = *value;
    TriggerPass *pass = &g_trigger_pass;
    switch (s->condition) {
    case TRIGGER_MY_TIME_ALIVE:
    case TRIGGER_MY_TIME_ALIVE_PATH:
        if (-b->hit_clock > v) {
            *value = TRIGGER_DONE_TIME;
            trigger_fire(s, b);
        }
        break;
    case TRIGGER_TYPE_TIME_ALIVE:
        if (v < 0.0f) {
            *value = TRIGGER_DONE_TIME;
            trigger_fire(s, b);
        } else if (pass->type_time > 0.0f) {
            if (pass->type_time > v) {
                b->type->time_alive = 0.0f;
                actortype_set_state_value(b->type, TRIGGER_TYPE_TIME_ALIVE, -1.0f, b->state_values);
            }
            pass->type_time = 0.0f;
        }
        break;
    case TRIGGER_MY_HEALTH:
    case TRIGGER_HEALTH_CHANGE_PARENT:
    case TRIGGER_HEALTH_CHANGE_CHILD: {
        float limit = v > 0.0f ? v * b->full_health * 0.01f : v;
        if (b->health <= limit) {
            *value = TRIGGER_DONE_HEALTH;
            if (s->condition == TRIGGER_MY_HEALTH) {
                trigger_fire(s, b);
            } else {
                trigger_spawn_children(b, s->type_name, s->other_name, s->condition);
            }
        }
        break;
    }
    case TRIGGER_PLAYER_DIST:
        if (v < pass->player_dist) {
            Gamer *g = gamer_nearest_live(b->position);
            if (g && vec_dist2_xz(b->position, g->position) < v) {
                pass->player_dist = v;
                trigger_fire(s, b);
            }
        }
        break;
    case TRIGGER_TRACK_DIST:
        if (!(b->params->move_type & cmt_track_player) && v < pass->track_dist) {
            const ActorType *t = actortype_find(b->params->move_target_name);
            if (t && beastie_nearest_distance_of_type(b->position, t, FLT_MAX, b) < v) {
                pass->track_dist = v;
                trigger_fire(s, b);
            }
        }
        break;
    case TRIGGER_LESS_ACTIVE:
        if (v < pass->count_below) {
            const ActorType *t = actortype_find(s->other_name);
            if (t && (float)t->tick_count < v) {
                pass->count_below = v;
                trigger_fire(s, b);
            }
        }
        break;
    case TRIGGER_MORE_ACTIVE:
        if (v > pass->count_above) {
            const ActorType *t = actortype_find(s->other_name);
            if (t && (float)t->tick_count > v) {
                pass->count_above = v;
                trigger_fire(s, b);
            }
        }
        break;
    case TRIGGER_COUNT_CHILDREN:
        if (b->extended_children != 0 && (float)b->extended_children < v) {
            *value = TRIGGER_DONE_HEALTH;
            b->path = nullptr;
            b->move_bits &= ~cmt_path;
            trigger_fire(s, b);
        }
        break;
    case TRIGGER_SPAWN:
        trigger_spawn_timer(s, b, value);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------
// Replacement of linked enemies

// Whether q is one that conditions 5 and 6 replace.
static int trigger_replaceable(const Beastie *q, const ActorType *old_type)
{
    return q->type == old_type && q->lifecycle >= 0 && q->lifecycle != BEASTIE_SUBMERGING;
}

// The parent whose enemies of old type condition 5 or 6 replaces, for q; else null.
static Beastie *trigger_replaced_on(const Beastie *q, int condition, const Beastie *p, const Beastie *g)
{
    Beastie *r = beastie_parent(q);
    if (!r) {
        return nullptr;
    }
    if (condition == TRIGGER_HEALTH_CHANGE_PARENT) {
        return r == g ? r : nullptr;
    }
    return (beastie_parent(r) == p || beastie_get(r->first_parent) == p) ? r : nullptr;
}

void trigger_spawn_children(Beastie *b, const char *new_type, const char *old_type, int condition)
{
    Beastie *p = beastie_get(b->first_parent);
    ActorType *type = actortype_find(new_type);
    const ActorType *old = actortype_find(old_type);
    if (!p || !type || !old) {
        return;
    }
    Beastie *g = nullptr;
    if (condition == TRIGGER_HEALTH_CHANGE_PARENT) {
        g = beastie_get(p->first_parent);
        if (!g) {
            return;
        }
    }
    // Every match first, then the replacements: a new enemy of the old type (new type
    // equal to the old) is never replaced in its turn.
    uint32_t mark = beastie_new_mark();
    for (Beastie *q = g_beasties; q; q = q->next) {
        if (trigger_replaceable(q, old) && trigger_replaced_on(q, condition, p, g)) {
            q->mark = mark;
        }
    }
    for (Beastie *q = g_beasties; q; q = q->next) {
        if (q->mark != mark || !trigger_replaceable(q, old)) {
            continue;
        }
        Beastie *r = trigger_replaced_on(q, condition, p, g);
        if (!r) {
            continue;
        }
        Beastie *c = new Beastie;
        if (beastie_init(c, "", q->position, q->scale, q->heading, 0.0f, 0.0f, type, nullptr) != 0) {
            beastie_destroy(c, 1);
            return;
        }
        beastie_start(c, 1, BEASTIE_START_MUTATE);
        memset(c->position, 0, sizeof(c->position));
        beastie_attach_to_parent(c, r, anim_find_bone(r->anim.set, "mainbone_x", 1) + 1, r->scale);
        beastie_submerge(q, 0);
    }
}
