// fizz.h -- energy beams between bones of two actors.
#pragma once

#include "world/actor.h"

#include <cstdint>

// Beam flags.
constexpr uint32_t FIZZ_RULE_BEAM = 1;   // made by a beam rule
constexpr uint32_t FIZZ_ROOM_BEAM = 2;   // made by c_add_fizz_to_room
constexpr uint32_t FIZZ_BARRIER = 4;     // damages ships that touch it

struct Fizz : Actor {
    Fizz *next = nullptr;
    float strength = -1.0f;
    float base_scale = 0.0f;
    uint32_t flags = 0;
    const float *matrix_a = nullptr;   // the two ends: bone matrices of two actors
    const float *matrix_b = nullptr;
    Actor *actor_a = nullptr;
    Actor *actor_b = nullptr;
    float min_length2 = 0.0f;
    float max_length2 = 0.0f;
    float flicker_period = 0.0f;
};

// The beams, newest first.
extern Fizz *g_fizz;

// Sets up a constructed beam of the type (scale, FIZZ_* flags) and lists it; a null type
// logs "*** fizz help" and lists nothing. 0, or -1 when not listed: the caller deletes it.
int fizz_init(Fizz *f, float scale, ActorType *type, uint32_t flags);
// Joins the beam's ends to matrix i of a and matrix j of b (indexes outside the actors'
// matrices leave that end free).
void fizz_attach(Fizz *f, Actor *a, int i, Actor *b, int j);
// A moving sphere (position, velocity, radius, speed) against every beam: bounce is the
// mover's fence bounce, is_ship non-zero for a ship, mask its cat_fence / cat_fizz bits.
// ACTOR_HIT_FIZZ when it touched a beam, ACTOR_HIT_DAMAGE when a ship touched a barrier.
uint32_t fizz_collide_sphere(ActorType *type, float position[3], float velocity[3], float radius, float speed,
                             float bounce, int is_ship, uint32_t mask);

// Empties the beam list (level start).
void fizz_reset(void);
// Releases and deletes every beam (level end and the restart after a death).
void fizz_free_all(void);
// Per tick: updates the beams and removes those whose strength ran out.
void fizz_update_all(void);
// Every beam starts dying (each tick of the level end).
void fizz_kill_all(void);
// Per frame: draws the visible beams.
void fizz_draw_all(void);
