// actortype.cpp -- the actor-type registry of the running level: construction and release
// of types, c_preload_model, the type timers, the trigger-state values of one enemy, and
// c_launch_new_actor with the links and room beams made right after a launch. The
// definition calls that fill a type are in actortype_define.cpp.

#include "world/actortype_local.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "render/tex.h"
#include "world/animset.h"
#include "world/beastie.h"
#include "world/explosion.h"
#include "world/fizz.h"
#include "world/gamer.h"
#include "world/level.h"
#include "world/path.h"
#include "world/powerup.h"
#include "world/room.h"
#include "world/trigger.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>

int g_player_number;
ActorType *g_actor_types;
Beastie *g_last_launched;
ActorType *g_current_type;
ActorParams *g_current_block;
int g_section_bits;

// Category of a player bullet (cat_player + cat_bullet), of an enemy shot a player ship
// fires as an actor (+ cat_beastie), and of a power-up (+ cat_ground).
constexpr int ACTORTYPE_PLAYER_BULLET = 24;
constexpr int ACTORTYPE_PLAYER_ACTOR_SHOT = 56;
constexpr int ACTORTYPE_POWERUP = 25;
// Player counters above this start again at player 1's hue.
constexpr int ACTORTYPE_MAX_PLAYER_NUMBER = 7;

static const char *const ACTORTYPE_ANIM_NAMES[ACTORTYPE_NAMED_ANIMS] = {"emerge", "submerge", "mutate", "byebye",
                                                                        "hitbounce"};

// The hue the model's colours are turned by while the type's model loads.
static float actortype_load_hue(const ActorParams *p)
{
    if (p->actor_type == (int)cat_player) {
        if (g_player_number > ACTORTYPE_MAX_PLAYER_NUMBER) {
            g_player_number = 0;
        }
        return 30.0f * (g_player_number == 0 ? g_render_modelhue1 : g_render_modelhue2);
    }
    if (p->actor_type == ACTORTYPE_PLAYER_BULLET) {
        return gamer_hue();
    }
    return p->launch_hue_shift;
}

// The first part of a type's construction: everything but the set, so a type whose
// model fails to load is still whole enough to be destroyed.
static void actortype_fill(ActorType *t, const char *name, const float *cp)
{
    memset(t, 0, sizeof(*t));
    t->params = new ActorParams{};
    actorparams_from_cp(t->params, cp);
    t->shoot_factor = 1.0f;
    for (int &a : t->named_anims) {
        a = -1;
    }
    for (int &s : t->event_sounds) {
        s = -1;
    }
    for (auto &slot : t->move_anims) {
        for (int32_t &a : slot) {
            a = -1;
        }
    }
    snprintf(t->name, sizeof(t->name), "%s", name ? name : "");
}

// The last part of a type's construction, once its set is there: what the set's
// spheres and animations decide.
static void actortype_take_set(ActorType *t)
{
    // Fewer than two spheres: the type can be neither hit nor moved nor collided with.
    if (t->set->sphere_count < 2) {
        actorparams_set_no_contact(t->params);
    }
    for (int i = 0; i < ACTORTYPE_NAMED_ANIMS; i++) {
        t->named_anims[i] = anim_find(t->set, ACTORTYPE_ANIM_NAMES[i], 1);
    }
}

int actortype_construct(ActorType *t, const char *name, const char *model_dir, const char *model_name,
                        const float *cp)
{
    actortype_fill(t, name, cp);
    g_preload_hue = actortype_load_hue(t->params);
    t->set = actor_load_model_data(model_dir, model_name);
    if (!t->set) {
        return -1;
    }
    actortype_take_set(t);
    return 0;
}

int actortype_construct_with_set(ActorType *t, const char *name, AnimSet *set, const float *cp)
{
    actortype_fill(t, name, cp);
    t->set = set;
    if (!set) {
        return -1;
    }
    actortype_take_set(t);
    return 0;
}

void actortype_destroy(ActorType *t, int flags)
{
    while (TriggerState *s = t->states) {
        t->states = s->next;
        if (s->params) {
            actorparams_destroy(s->params, 1);
        }
        delete s;
    }
    while (ExplosionUse *u = t->explosions) {
        t->explosions = u->next;
        delete[] u->delays;
        delete u;
    }
    if (t->params) {
        actorparams_destroy(t->params, 1);
        t->params = nullptr;
    }
    if (flags & 1) {
        delete t;
    }
}

ActorType *actortype_find(const char *name)
{
    if (!name || !name[0]) {
        return nullptr;
    }
    for (ActorType *t = g_actor_types; t; t = t->next) {
        if (strcmp(t->name, name) == 0) {
            return t;
        }
    }
    return nullptr;
}

int actortype_name_unused(const char *name)
{
    return actortype_find(name) ? 0 : 1;
}

static void actortype_clear_current(void)
{
    g_current_type = nullptr;
    g_current_block = nullptr;
    g_section_bits = 0;
}

void actortype_preload(const char *name, const char *model_dir, const char *model_name, const float *cp,
                       const char *move_target)
{
    if (name && name[0] && actortype_find(name)) {
        con_printf("*** already loaded %s", name);
        actortype_clear_current();
        return;
    }
    ActorType *t = new ActorType;
    if (actortype_construct(t, name, model_dir, model_name, cp) != 0) {
        actortype_destroy(t, 1);
        actortype_clear_current();
        return;
    }
    t->next = g_actor_types;
    g_actor_types = t;
    g_current_type = t;
    g_current_block = t->params;
    actorparams_set_move_target(t->params, move_target);
    g_section_bits = 0;
    int category = t->params->actor_type;
    if (category == (int)cat_player) {
        t->linked = actortype_find(move_target);
    } else if (category == ACTORTYPE_PLAYER_BULLET || category == ACTORTYPE_PLAYER_ACTOR_SHOT) {
        gamer_add_bullet_type(t, cp[cp_player_bullet_rate], cp[cp_launch_scale_min] * 0.01f);
    } else if (category == ACTORTYPE_POWERUP) {
        powerup_register_type(t);
    }
}

void actortype_update_all(void)
{
    float step = g_level_ticks < 0 ? 0.0f : 0.01f * g_time_factor;
    for (ActorType *t = g_actor_types; t; t = t->next) {
        for (int i = 0; i < t->flock_count; i++) {
            FlockPoint *f = &t->flock[i];
            f->countdown -= 0.01f;
            if (f->countdown < 0.0f) {
                f->countdown = f->delay_min + mt_rand_unit() * f->delay_range;
                room_random_pylon_position(f->point, f->reach_min, f->reach_range);
            }
        }
        t->last_count = t->tick_count;
        const ActorParams *p = t->params;
        if (t->tick_count != 0) {
            float rate = p->multiple_beast_shoot_rate;
            float factor = 1.0f + (p->multiple_beast_base_num - (float)t->tick_count) * rate;
            t->shoot_factor = factor > rate ? factor : rate;
            t->time_alive += step;
        } else {
            t->time_alive = -p->hit_delay;
            t->shoot_factor = 1.0f;
        }
        t->tick_count = 0;
    }
}

void actortype_eval_states(ActorType *t, Beastie *b, float *values)
{
    if (!t->states) {
        return;
    }
    g_trigger_pass = TriggerPass{FLT_MAX, FLT_MAX, 0.0f, FLT_MAX, t->time_alive};
    int i = 0;
    for (TriggerState *s = t->states; s && i < TRIGGER_MAX_STATES; s = s->next, i++) {
        trigger_evaluate(s, b, &values[i]);
    }
}

void actortype_init_state_values(ActorType *t, float *values)
{
    int i = 0;
    for (TriggerState *s = t->states; s && i < TRIGGER_MAX_STATES; s = s->next, i++) {
        trigger_state_initial_value(s, &values[i]);
    }
}

void actortype_set_state_value(ActorType *t, int condition, float value, float *values)
{
    int i = 0;
    for (TriggerState *s = t->states; s && i < TRIGGER_MAX_STATES; s = s->next, i++) {
        if (s->condition == condition) {
            values[i] = value;
        }
    }
}

void actortype_spawn_explosions(const ActorType *t, int event, const float position[3], const float *matrices,
                                float scale, float heading)
{
    for (const ExplosionUse *u = t ? t->explosions : nullptr; u; u = u->next) {
        if (u->event == event) {
            explosion_spawn_use(u, position, matrices, scale, heading);
        }
    }
}

void actortype_forget_beastie(const Beastie *b)
{
    if (g_last_launched == b) {
        g_last_launched = nullptr;
    }
}

// ---------------------------------------------------------------------------------------
// Launch

void actor_launch(const char *type_name, const char *unique_name, const char *path_name, const float *ci)
{
    ActorType *t = actortype_find(type_name);
    if (!t) {
        con_printf("*** launch actor not found %s", type_name ? type_name : "");
        return;
    }
    const ActorParams *p = t->params;
    float size = ci[ci_model_size] * 0.01f;
    if (!(size > 0.0f)) {
        size = p->launch_scale_min + mt_rand_unit() * p->launch_scale_range;
    }
    float pos[3] = {ci[ci_posn_x], ci[ci_posn_y], ci[ci_posn_z]};
    float angle = ci[ci_angle];
    if (p->actor_type == (int)cat_player) {
        Gamer *g = new Gamer;
        if (gamer_init(g, t, pos, size, angle) != 0) {
            gamer_destroy(g, 1);
        }
        return;
    }
    Path *path = path_find(path_name, 0);
    float target[3] = {pos[0], pos[1], pos[2]};
    int path_pos = 0;
    if (path) {
        path_pos = path_follow(path, pos, target, 0);
        angle = atan2f(target[0] - pos[0], target[2] - pos[2]) * (180.0f / 3.14159265f);
    }
    if (!unique_name || !unique_name[0]) {
        con_printf("null");
    }
    Beastie *b = new Beastie;
    if (beastie_init(b, unique_name, pos, size, angle, ci[ci_anim_delay], ci[ci_launch_delay], t, path) != 0) {
        beastie_destroy(b, 1);
        return;
    }
    beastie_start(b, 0, 0);
    g_last_launched = b;
    model_instance_set_hue(&b->instance, ci[ci_hue_shift]);
    if (p->fade_in_translucent) {
        b->instance.materialise = 255;
    }
    if (path) {
        b->path_pos = path_pos;
        memcpy(b->target_point, target, sizeof(target));
    }
}

// The parent links need the enemy launched last and a listed enemy to link to.
static int actortype_can_link(void)
{
    return g_last_launched && g_beasties;
}

void actor_link_to_parent(const char *parent, const char *bone, const char *owner)
{
    if (!actortype_can_link()) {
        return;
    }
    Beastie *o = beastie_find_by_unique_name(owner);
    if (o) {
        beastie_add_child(o, g_last_launched);
    }
    Beastie *p = beastie_find_by_unique_name(parent);
    if (!p || p == g_last_launched) {
        con_printf("*** link to parent wrong values");
        return;
    }
    beastie_attach_to_parent(g_last_launched, p, anim_find_bone(p->anim.set, bone, 1) + 1, p->scale);
}

void actor_link_health_to_parent(const char *parent)
{
    if (!actortype_can_link()) {
        return;
    }
    Beastie *p = beastie_find_by_unique_name(parent);
    if (!p || p == g_last_launched) {
        con_printf("*** link health to parent wrong values");
        return;
    }
    g_last_launched->health_parent = beastie_link(p);
}

void fizz_add_to_room(const char *beam_type, const char *actor_a, const char *bone_a, const char *actor_b,
                      const char *bone_b, float scale, float hue)
{
    ActorType *t = actortype_find(beam_type);
    Beastie *a = beastie_find_by_unique_name(actor_a);
    Beastie *b = beastie_find_by_unique_name(actor_b);
    if (!t || !a || !b) {
        con_printf("*** room fizz wrong values");
        return;
    }
    Fizz *f = new Fizz;
    if (fizz_init(f, scale * 0.01f, t, FIZZ_ROOM_BEAM) != 0) {
        actor_destroy(f, 0);
        delete f;
        return;
    }
    fizz_attach(f, a, anim_find_bone(a->anim.set, bone_a, 1) + 1, b, anim_find_bone(b->anim.set, bone_b, 1) + 1);
    float h = angle_wrap180(hue);
    if (h >= 3.0f || h <= -3.0f) {
        model_instance_set_hue(&f->instance, h);
    }
}

// ---------------------------------------------------------------------------------------
// Level start and end

void actortype_reset(void)
{
    g_player_number = 0;
    g_actor_types = nullptr;
    g_last_launched = nullptr;
    actortype_clear_current();
    room_reset();
}

void actortype_free_all(void)
{
    while (ActorType *t = g_actor_types) {
        g_actor_types = t->next;
        actortype_destroy(t, 1);
    }
    actortype_reset();
}
