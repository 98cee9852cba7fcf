// actor_collide.cpp -- movement with collision: the collider record of the actor moving
// now, the bounce and damage tests of one target's hit spheres against it, and the moves
// that run the enemy, ship and beam tests a mover's masks name.

#include "world/actor.h"

#include "platform/sound.h"
#include "world/actortype.h"
#include "world/beastie.h"
#include "world/fizz.h"
#include "world/gamer.h"
#include "world/geom.h"

#include <cmath>

Collider g_collider;
int g_collide_mode;
Actor *g_collide_owner;
float g_gamer_damage;

static float actor_speed(const Actor *a)
{
    const float *v = a->velocity;
    return sqrtf(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

// The collider is the whole actor: its radius, position and velocity.
static void actor_set_collider(Actor *a, float hit_power)
{
    g_collider.radius = a->radius;
    g_collider.speed = actor_speed(a);
    g_collider.hit_power = hit_power;
    g_collider.actor = a;
    g_collider.position = a->position;
    g_collider.velocity = a->velocity;
}

static int actor_sphere_count(const Actor *a)
{
    return a->anim.set && a->anim.hit_spheres ? a->anim.set->sphere_count : 0;
}

// The beam test of a mover whose mask names fences or beams, with the type's "hit_fence"
// sound on a touch.
static uint32_t actor_collide_beams(Actor *a)
{
    float bounce = a->params ? a->params->fence_bounce : 0.0f;
    uint32_t h = fizz_collide_sphere(a->type, a->position, a->velocity, g_collider.radius, g_collider.speed, bounce,
                                     a->category & (int)cat_player, a->collide_mask & (cat_fence | cat_fizz));
    if (h && a->type) {
        int sound = a->type->event_sounds[ACTORTYPE_SOUND_HIT_FENCE];
        if (sound >= 0) {
            sound_play_at(sound, a->position, 0);
        }
    }
    return h;
}

static void actor_apply_velocity(Actor *a)
{
    for (int c = 0; c < 3; c++) {
        a->position[c] += a->velocity[c];
    }
}

uint32_t actor_move_collide(Actor *a)
{
    if (!a->anim.set || a->anim.set->sphere_count <= 0) {
        return 0;
    }
    actor_set_collider(a, g_collider.hit_power);
    uint32_t flags = 0;
    if (a->collide_mask & cat_any_beastie) {
        flags = beasties_collide_collider(a->category, a->collide_mask);
        if (flags) {
            g_collider.speed = actor_speed(a);
        }
    }
    if (a->category == (int)cat_player && (a->collide_mask & cat_player)) {
        uint32_t h = gamer_spheres_hit_test_all();
        if (h) {
            flags |= h;
            g_collider.speed = actor_speed(a);
        }
    }
    if (a->collide_mask & (cat_fence | cat_fizz)) {
        flags |= actor_collide_beams(a);
    }
    actor_apply_velocity(a);
    return flags;
}

uint32_t actor_move_collide_damaging(Actor *a)
{
    actor_set_collider(a, a->params ? a->params->hit_power : 0.0f);
    uint32_t flags = 0;
    if (a->collide_mask & cat_any_beastie) {
        flags = beasties_hit_by_collider();
    }
    if (!flags) {
        // A ship hit and a beam touch in one move are both reported.
        if (a->collide_mask & cat_player) {
            flags = gamer_hit_by_actor(g_collider.hit_power);
        }
        if (a->collide_mask & (cat_fence | cat_fizz)) {
            flags |= actor_collide_beams(a);
        }
    }
    actor_apply_velocity(a);
    return flags;
}

// The squared distances within which sphere s touches the collider now (near2) and
// within its move (far2).
static void actor_sphere_reach(const HitSphere *s, float *near2, float *far2)
{
    float r = s->radius + g_collider.radius;
    *near2 = r * r;
    *far2 = (r + g_collider.speed) * (r + g_collider.speed);
}

// Reflects v in x and z about the unit x/z direction from centre to the point p.
static void actor_reflect_xz(float v[3], const float centre[3], const float p[3])
{
    float nx = p[0] - centre[0];
    float nz = p[2] - centre[2];
    float len = sqrtf(nx * nx + nz * nz);
    if (len <= 0.0f) {
        return;
    }
    nx /= len;
    nz /= len;
    float d = v[0] * nx + v[2] * nz;
    v[0] -= 2.0f * d * nx;
    v[2] -= 2.0f * d * nz;
}

uint32_t actor_spheres_hit_test(Actor *target)
{
    int count = actor_sphere_count(target);
    if (target == g_collider.actor || count < 2) {
        return 0;
    }
    const HitSphere *spheres = target->anim.hit_spheres;
    const GeomSegmentXZ move = geom_segment_xz(g_collider.position, g_collider.velocity);
    for (int i = 0; i < count; i++) {
        const HitSphere *s = &spheres[i];
        float near2, far2;
        actor_sphere_reach(s, &near2, &far2);
        if (i == 0) {
            if (s->radius <= 0.0f || geom_segment_xz_point_near(move, s->centre, near2, far2) < 1) {
                return 0;
            }
            continue;
        }
        // The distance first: most spheres are out of reach, and their bone's health
        // then need not be read.
        if (s->matrix <= 0 || geom_segment_xz_point_near(move, s->centre, near2, far2) <= 0 ||
            target->anim.bone_health[s->matrix - 1] < 0.0f) {
            continue;
        }
        Actor *mover = g_collider.actor;
        float power = target->params ? target->params->hit_power : 0.0f;
        if (mover && mover->category == (int)cat_player && power > 0.0f) {
            g_gamer_damage += power;
            return ACTOR_HIT_DAMAGE;
        }
        actor_reflect_xz(g_collider.velocity, spheres[0].centre, g_collider.position);
        return ACTOR_HIT_BOUNCE;
    }
    return 0;
}

// A damaged bone's health h is shared by the bones listed after bone b - 1 that hang
// below it, up to the bone of the next sphere on another bone.
static void actor_share_bone_health(Actor *a, int sphere, int b, float h)
{
    const AnimSet *set = a->anim.set;
    int next = set->bone_count + 1;
    for (int j = sphere + 1; j < set->sphere_count; j++) {
        if (a->anim.hit_spheres[j].matrix != b) {
            next = a->anim.hit_spheres[j].matrix;
            break;
        }
    }
    int parent = set->bones[b - 1].parent;
    for (int m = b + 1; m < next && m <= set->bone_count && set->bones[m - 1].parent > parent; m++) {
        actor_set_bone_health(a, m - 1, h);
    }
}

uint32_t actor_spheres_damage_test(Actor *target)
{
    int count = actor_sphere_count(target);
    if (target == g_collide_owner || count < 2) {
        return 0;
    }
    const AnimSet *set = target->anim.set;
    const HitSphere *spheres = target->anim.hit_spheres;
    uint32_t flags = 0;
    for (int i = 0; i < count; i++) {
        const HitSphere *s = &spheres[i];
        float near2, far2;
        actor_sphere_reach(s, &near2, &far2);
        if (i == 0) {
            if (s->radius <= 0.0f) {
                return 0;
            }
            int near = geom_segment_point_near_xz(s->centre, g_collider.position, g_collider.velocity, near2, far2);
            if (g_collide_mode == ACTOR_COLLIDE_BONES ? near == 0 : near < 1) {
                return 0;
            }
            continue;
        }
        int b = s->matrix;
        if (b <= 0 || target->anim.bone_health[b - 1] < 0.0f) {
            continue;
        }
        float contact[3];
        if (geom_segment_closest_point_xz(contact, s->centre, g_collider.position, g_collider.velocity, near2) <= 0) {
            continue;
        }
        flags |= ACTOR_HIT_TOUCH;
        float h = target->anim.bone_health[b - 1];
        if (target->category > 31 && h > 0.0f && set->bone_health[b - 1] > 0.0f) {
            float p = g_collider.hit_power;
            if (p > 0.0f) {
                flags |= ACTOR_HIT_DAMAGE;
                float damage = p;
                if (target->params && target->params->health_type == health_chunk_regain) {
                    damage = p * target->inv_scale;
                }
                h -= damage;
                if (h <= 0.0f) {
                    h = set->bones[b - 1].breakable ? -1.0f : 0.0f;
                }
                actor_set_bone_health(target, b - 1, h);
                target->hit_flash = ACTOR_HIT_FLASH;
                actor_share_bone_health(target, i, b, h);
            } else if (p < 0.0f) {
                flags |= ACTOR_HIT_NEGATIVE;
                if (target->params && target->params->hit_power > 0.0f) {
                    flags |= ACTOR_HIT_DAMAGE;
                }
            }
        }
        if (g_collide_mode != ACTOR_COLLIDE_BONES) {
            // The mover stops at the contact.
            g_collider.velocity[0] = contact[0] - g_collider.position[0];
            g_collider.velocity[2] = contact[2] - g_collider.position[2];
            return flags;
        }
        if (flags & (ACTOR_HIT_DAMAGE | ACTOR_HIT_NEGATIVE)) {
            return flags;
        }
    }
    return flags;
}

uint32_t actor_bone_spheres_collide(Actor *a)
{
    int count = actor_sphere_count(a);
    if (count < 2) {
        return 0;
    }
    g_collider.velocity = a->velocity;
    g_collider.hit_power = a->params ? a->params->hit_power : 0.0f;
    g_collider.actor = a;
    g_collider.speed = 0.0f;
    int mode = g_collide_mode;
    g_collide_mode = ACTOR_COLLIDE_BONES;
    uint32_t flags = 0;
    for (int i = 1; i < count; i++) {
        HitSphere *s = &a->anim.hit_spheres[i];
        g_collider.radius = s->radius;
        g_collider.position = s->centre;
        if (a->collide_mask & cat_any_beastie) {
            flags |= beasties_hit_by_collider();
        }
    }
    g_collide_mode = mode;
    return flags;
}
