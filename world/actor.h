// actor.h -- the actor base shared by every object in the arena (enemies, player ships,
// bullets, debris, beams, power-ups): its animation state over a shared AnimSet, model
// instance, matrix block, hit spheres with the health of each bone, scale, position and
// velocity, collision category and masks; the movement with collision and the movement
// animations.
//
// Life of an actor: actor_construct (empty), actor_setup_skeleton (binds a set, takes the
// matrix block), the derived constructor sets scale, inverse scale and radius; each tick
// the derived update runs, in this order:
//     if (a->anim.start_counter) { a->anim.start_counter--; anim_trail_set_position(&a->anim, a->position); }
//     anim_update(&a->anim);
//     anim_build_matrices(&a->anim);
//     anim_update_hit_spheres(a, 0, a->scale);
// then moves (actor_move_collide or actor_move_collide_damaging); actor_destroy releases.
//
// Collision: a mover is copied into the one collider record, then each target's sphere
// test reads it and may change the mover's velocity in place. Results are OR-ed hit
// flags (ACTOR_HIT_*). Main thread only.
#pragma once

#include "render/model.h"
#include "world/actorparams.h"
#include "world/animplay.h"

#include <cstdint>

struct ActorType;

// Hit flags, the bits of the collision results.
constexpr uint32_t ACTOR_HIT_FIZZ = 4;              // the mover touched a beam
constexpr uint32_t ACTOR_HIT_BOUNCE = 0x10000;      // the mover bounced off an enemy sphere
constexpr uint32_t ACTOR_HIT_TOUCH = 0x1000000;     // the mover touched a live bone sphere
constexpr uint32_t ACTOR_HIT_DAMAGE = 0x2000000;    // damage dealt (bone, ship, barrier)
constexpr uint32_t ACTOR_HIT_NEGATIVE = 0x4000000;  // negative hit power touched a live enemy bone

// Collision mode while an actor's own bone spheres are tested against the enemies.
constexpr int ACTOR_COLLIDE_BONES = 2;
// The hit flash counter a damaged bone sets.
constexpr int ACTOR_HIT_FLASH = 4;

// Model modes handed to the mesh drawing (model_draw_mode of the set's model).
constexpr int ACTOR_MODEL_NONE = 0;
constexpr int ACTOR_MODEL_OPAQUE = 1;    // the mesh has faces drawn at once
constexpr int ACTOR_MODEL_BATCHED = 2;   // every face goes through the depth buckets

// The fields a collision reads of its targets come first, so that the pair and collider
// passes over hundreds of enemies read few cache lines of each.
struct Actor {
    float inv_scale;             // 1 / scale
    float scale;                 // size factor, 1.0 = model size
    float radius;                // scale x radius of hit sphere 0, or scale without spheres
    float *matrix_block;         // (B + 1) x 16 floats from the memory pool (owned)
    float position[3];
    float velocity[3];           // units per tick
    int category;                // cat_* bits of this actor
    uint32_t collide_mask;       // what it collides with when it moves (+ cat_any_beastie)
    uint32_t collided_by_mask;   // categories that may collide with it
    int hit_flash;               // ACTOR_HIT_FLASH when a bone was damaged; counted down by its owner
    int model_mode;              // ACTOR_MODEL_*
    ActorType *type;
    ActorParams *params;
    AnimState anim;              // set, matrices, hit spheres, bone health, poses, plays, history
    ModelInstance instance;      // the drawable view of the set's mesh

    Actor();
};

// The mover of the current collision.
struct Collider {
    float radius;
    float speed;        // length of the velocity
    float hit_power;
    Actor *actor;
    float *position;    // the mover's position or one of its sphere centres
    float *velocity;    // the mover's velocity (changed in place by bounces and stops)
};

extern Collider g_collider;
// ACTOR_COLLIDE_BONES while an actor's bone spheres are tested; else the current bullet's
// mode word, or 0.
extern int g_collide_mode;
// The actor that fired the current bullet (never damaged by it), or null.
extern Actor *g_collide_owner;
// Hit power of the damaging actors a moving ship touched (read and cleared by the ship).
extern float g_gamer_damage;

// Life cycle.
// Clears the animation state, the matrix block, the model instance and every other field.
void actor_construct(Actor *a);
// Binds set with the category and masks: clears hit flash, start counter, position and
// velocity, binds the set, takes the matrix block of 64 x (B + 1) bytes from the pool and
// installs it, start counter 2 for a set with a matrix history, model mode from the mesh.
// Returns 0; -1 for a null set ("*** [actor] no skeleton to load") and when the pool has
// no block left ("*** [actor] no matrix block ..."): the set is then unbound again and
// the creator must not list the actor.
int actor_setup_skeleton(Actor *a, AnimSet *set, int category, uint32_t collide_mask,
                         uint32_t collided_by_mask);
// actor_setup_skeleton with the type's set and category and masks given, then the type
// and its base block stored and the size set (actor_set_scale). 0 or -1 as the set-up.
int actor_setup_type(Actor *a, ActorType *type, int category, uint32_t collide_mask, uint32_t collided_by_mask,
                     float scale);
// Detaches the particle emitters that follow the matrix block, returns the block to the
// pool, releases the animation state and the model instance; bit 0 of flags deletes a
// plain Actor (derived records delete themselves).
void actor_destroy(Actor *a, int flags);
// The size of a set-up actor: scale, inverse scale and radius (scale x the radius of
// hit sphere 0, or the scale when the set has no spheres). Derived constructors call it
// after actor_setup_skeleton.
void actor_set_scale(Actor *a, float scale);
// Finds or loads the set of a folder path into the actor (null path: "*** [actor] no
// filename to load"); the model instance is reset and the model mode set. 0, or -1 when
// no set results.
int actor_load_from_file(Actor *a, const char *path);
// The model mode of a set's mesh (ACTOR_MODEL_NONE without one).
int actor_model_mode(const AnimSet *set);

// Hit spheres and bone health. The sums run over the bones whose health is above 0; an
// actor whose set has no hit spheres gets 0 and nothing changes.
// Sphere i: radius = definition radius x scale, centre = its matrix applied to the
// definition's centre. After anim_build_matrices.
void anim_update_hit_spheres(Actor *a, int ignored, float scale);
// Bone i's health = h. Every write of bone health goes through it: when a late bone turns
// destroyed or whole, the late bones are built first, from the health their build was
// due with.
void actor_set_bone_health(Actor *a, int i, float h);
// Every bone's health = the set's, times factor where the set's is above 0.
float anim_reset_bone_health(Actor *a, float factor);
// Every health above 0 times factor.
float anim_scale_bone_health(Actor *a, float factor);
float anim_total_bone_health(const Actor *a);
// Every health above 0 grows by amount, capped at cap_factor x the set's value.
float anim_heal_bone_health(Actor *a, float amount, float cap_factor);

// Movement with collision. Both move the actor by its velocity and return hit flags.
// Bounces off what its masks name: enemies (cat_any_beastie), ships (a ship with mask
// cat_player), beams (cat_fence, cat_fizz, with the type's "hit_fence" sound). An actor
// whose set has no hit spheres does not move.
uint32_t actor_move_collide(Actor *a);
// Damages what it touches with the block's hit power: enemies first; when none was hit,
// ships and beams, whose results are joined.
uint32_t actor_move_collide_damaging(Actor *a);
// The bounce test of target's spheres against the collider (fewer than 2 spheres: never).
uint32_t actor_spheres_hit_test(Actor *target);
// The damage test of target's spheres against the collider.
uint32_t actor_spheres_damage_test(Actor *target);
// Each bone sphere of the actor tested against the enemies as a damaging collider.
uint32_t actor_bone_spheres_collide(Actor *a);
// 0 when target's bounding sphere (sphere 0) lies beyond the collider's reach this move,
// so that both sphere tests above would give 0 at their first step: the same distance
// and reach, computed the same way. 1 otherwise (the full test decides). A pass over many
// targets asks this first and skips the call for the far ones.
inline int actor_bound_in_reach(const Actor *target)
{
    const HitSphere *s = target->anim.hit_spheres;
    if (!s) {
        return 1;
    }
    float r = s->radius + g_collider.radius;
    float far2 = (r + g_collider.speed) * (r + g_collider.speed);
    float dx = s->centre[0] - g_collider.position[0];
    float dz = s->centre[2] - g_collider.position[2];
    return dx * dx + dz * dz < far2;
}

// Draws the model with the actor's matrices and the hit flash given: nothing (only the
// texture animation steps) when it is wholly out of the view; a lit model gets its light
// directions first. Each kind's draw loop calls it between zgl_models_begin and _end.
void actor_draw(Actor *a, int hit);

// Movement-slot animations (MOVE_SLOT_*: "move_forward", "turn_left", "turn_right").
// Starts the slot's animation at (range x r + min) x speed_factor: 1 started; 0 when one of
// the slot's animations already plays, the slot has none or the speed is not above 0; -1
// for a bad slot.
int actor_start_move_anim(Actor *a, int slot, float speed_factor);
// 1 when one of the slot's animations plays, else 0; -1 for a bad slot.
int actor_move_anim_playing(const Actor *a, int slot);
// Stops the slot's animations: ANIM_STOPPED when one was playing, else 0 (also for a bad slot).
int actor_move_anim_state(Actor *a, int slot);
// Progress of the slot's animation (anim_get_progress); -1.0 for a bad slot.
float actor_move_anim_speed(const Actor *a, int slot);
