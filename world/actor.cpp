// actor.cpp -- the actor base: set-up and release over the animation state and the pool's
// matrix block, hit spheres and bone health, and the movement-slot animations. The
// collision of movers is in actor_collide.cpp.

#include "world/actor.h"

#include "core/con.h"
#include "core/mem.h"
#include "core/mt.h"
#include "render/particle.h"
#include "world/actortype.h"
#include "world/geom.h"

#include <cstring>

Actor::Actor()
{
    actor_construct(this);
}

void actor_construct(Actor *a)
{
    a->anim = AnimState{};
    model_instance_init(&a->instance, nullptr);
    a->inv_scale = 0.0f;
    a->scale = 0.0f;
    a->radius = 0.0f;
    a->matrix_block = nullptr;
    memset(a->position, 0, sizeof(a->position));
    memset(a->velocity, 0, sizeof(a->velocity));
    a->category = 0;
    a->collide_mask = 0;
    a->collided_by_mask = 0;
    a->hit_flash = 0;
    a->model_mode = ACTOR_MODEL_NONE;
    a->type = nullptr;
    a->params = nullptr;
}

int actor_model_mode(const AnimSet *set)
{
    return model_draw_mode(set ? set->model : nullptr);
}

int actor_setup_skeleton(Actor *a, AnimSet *set, int category, uint32_t collide_mask,
                         uint32_t collided_by_mask)
{
    if (!set) {
        con_printf("*** [actor] no skeleton to load");
        return -1;
    }
    a->category = category;
    a->collide_mask = collide_mask;
    a->collided_by_mask = collided_by_mask;
    a->hit_flash = 0;
    memset(a->position, 0, sizeof(a->position));
    memset(a->velocity, 0, sizeof(a->velocity));
    anim_bind_set(&a->anim, set);
    model_instance_free(&a->instance);
    model_instance_init(&a->instance, set->model);
    a->anim.start_counter = 0;
    size_t bytes = sizeof(float) * 16 * ((size_t)set->bone_count + 1);
    a->matrix_block = (float *)mem_alloc(bytes);
    if (!a->matrix_block) {
        // The pool logged its own line; without matrices the actor cannot be updated,
        // drawn or hit, so it is not made at all.
        con_printf("*** [actor] no matrix block for %s", set->name);
        anim_unbind_set(&a->anim);
        return -1;
    }
    memset(a->matrix_block, 0, bytes);
    anim_set_matrices(&a->anim, a->matrix_block);
    if (set->history_length > 0) {
        a->anim.start_counter = 2;
    }
    a->model_mode = actor_model_mode(set);
    return 0;
}

void actor_destroy(Actor *a, int flags)
{
    if (a->matrix_block) {
        particle_detach_owner(a->matrix_block);
        mem_free(a->matrix_block);
        a->matrix_block = nullptr;
    }
    anim_unbind_set(&a->anim);
    model_instance_free(&a->instance);
    if (flags & 1) {
        delete a;
    }
}

void actor_set_scale(Actor *a, float scale)
{
    const AnimSet *set = a->anim.set;
    a->scale = scale;
    a->inv_scale = scale != 0.0f ? 1.0f / scale : 0.0f;
    a->radius = set && set->sphere_count > 0 ? scale * set->spheres[0].radius : scale;
}

int actor_setup_type(Actor *a, ActorType *type, int category, uint32_t collide_mask, uint32_t collided_by_mask,
                     float scale)
{
    if (actor_setup_skeleton(a, type->set, category, collide_mask, collided_by_mask) != 0) {
        return -1;
    }
    a->type = type;
    a->params = type->params;
    actor_set_scale(a, scale);
    return 0;
}

int actor_load_from_file(Actor *a, const char *path)
{
    if (!path) {
        con_printf("*** [actor] no filename to load");
        return -1;
    }
    a->anim.set = anim_set_find_or_load(path);
    model_instance_free(&a->instance);
    a->model_mode = actor_model_mode(a->anim.set);
    return a->anim.set ? 0 : -1;
}

// ---------------------------------------------------------------------------------------
// Hit spheres and bone health

void anim_update_hit_spheres(Actor *a, int ignored, float scale)
{
    (void)ignored;
    const AnimSet *set = a->anim.set;
    if (!set || !a->anim.hit_spheres || !a->anim.matrices) {
        return;
    }
    for (int i = 0; i < set->sphere_count; i++) {
        const HitSphereDef *d = &set->spheres[i];
        HitSphere *s = &a->anim.hit_spheres[i];
        const float *m = a->anim.matrices + 16 * d->matrix;
        s->radius = d->radius * scale;
        geom_transform_point(m, d->centre, s->centre);
    }
}

// The sum of the bone health above 0; 0 for an actor without hit spheres.
static float anim_health_sum(const Actor *a)
{
    const AnimSet *set = a->anim.set;
    if (!set || set->sphere_count <= 0 || !a->anim.bone_health) {
        return 0.0f;
    }
    float sum = 0.0f;
    for (int i = 0; i < set->bone_count; i++) {
        if (a->anim.bone_health[i] > 0.0f) {
            sum += a->anim.bone_health[i];
        }
    }
    return sum;
}

static int anim_has_health(const Actor *a)
{
    return a->anim.set && a->anim.set->sphere_count > 0 && a->anim.bone_health;
}

void actor_set_bone_health(Actor *a, int i, float h)
{
    float *slot = &a->anim.bone_health[i];
    if ((h < 0.0f) != (*slot < 0.0f)) {
        anim_finish_for_bone(&a->anim, i);   // the build reads whether the bone is destroyed
    }
    *slot = h;
}

float anim_reset_bone_health(Actor *a, float factor)
{
    if (!anim_has_health(a)) {
        return 0.0f;
    }
    const AnimSet *set = a->anim.set;
    for (int i = 0; i < set->bone_count; i++) {
        float h = set->bone_health[i];
        actor_set_bone_health(a, i, h > 0.0f ? h * factor : h);
    }
    return anim_health_sum(a);
}

float anim_scale_bone_health(Actor *a, float factor)
{
    if (!anim_has_health(a)) {
        return 0.0f;
    }
    for (int i = 0; i < a->anim.set->bone_count; i++) {
        if (a->anim.bone_health[i] > 0.0f) {
            actor_set_bone_health(a, i, a->anim.bone_health[i] * factor);
        }
    }
    return anim_health_sum(a);
}

float anim_total_bone_health(const Actor *a)
{
    return anim_health_sum(a);
}

float anim_heal_bone_health(Actor *a, float amount, float cap_factor)
{
    if (!anim_has_health(a)) {
        return 0.0f;
    }
    const AnimSet *set = a->anim.set;
    for (int i = 0; i < set->bone_count; i++) {
        float h = a->anim.bone_health[i];
        if (h > 0.0f) {
            float cap = cap_factor * set->bone_health[i];
            h += amount;
            if (h > cap) {
                h = cap;
            }
            actor_set_bone_health(a, i, h);
        }
    }
    return anim_health_sum(a);
}

// ---------------------------------------------------------------------------------------
// Movement-slot animations

static int actor_bad_slot(int slot)
{
    return slot < 0 || slot >= MOVE_SLOT_COUNT;
}

int actor_start_move_anim(Actor *a, int slot, float speed_factor)
{
    if (actor_bad_slot(slot)) {
        return -1;
    }
    if (!a->type || !a->params) {
        return 0;
    }
    const MoveSlot *m = &a->params->move_slots[slot];
    if (anim_any_playing(&a->anim, a->type->move_anims[slot], ACTORTYPE_MOVE_ANIMS) || m->anim < 0) {
        return 0;
    }
    float speed = (m->speed_range * mt_rand_unit() + m->speed_min) * speed_factor;
    if (speed > 0.0f) {
        anim_play(&a->anim, m->anim, speed, 0);
        return 1;
    }
    return 0;
}

int actor_move_anim_playing(const Actor *a, int slot)
{
    if (actor_bad_slot(slot)) {
        return -1;
    }
    if (!a->type) {
        return 0;
    }
    return anim_any_playing(&a->anim, a->type->move_anims[slot], ACTORTYPE_MOVE_ANIMS);
}

int actor_move_anim_state(Actor *a, int slot)
{
    if (actor_bad_slot(slot) || !a->type) {
        return 0;
    }
    return anim_stop_list(&a->anim, a->type->move_anims[slot], ACTORTYPE_MOVE_ANIMS);
}

float actor_move_anim_speed(const Actor *a, int slot)
{
    if (actor_bad_slot(slot)) {
        return -1.0f;
    }
    if (!a->params) {
        return -1.0f;
    }
    return anim_get_progress(&a->anim, a->params->move_slots[slot].anim);
}
