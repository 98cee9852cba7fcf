// fizz.h -- energy beams between bones of two actors: room fences, barriers that burn
// ships and the decorative links the beam rules make. Each tick a beam follows its two
// end matrices, is stretched between them, fades in and out through its strength, and is
// a collision line for movers whose mask names fences or beams.
//
// A beam never outlives the memory of its ends: every beam of an actor that dies, leaves
// or is deleted starts dying and lets go of both ends (fizz_kill_for_actor); a dying beam
// reads neither end again. Main thread only.
#pragma once

#include "world/actor.h"
#include "world/recycle.h"

#include <cstdint>

// Beam flags.
constexpr uint32_t FIZZ_RULE_BEAM = 1;   // made by a beam rule
constexpr uint32_t FIZZ_ROOM_BEAM = 2;   // made by c_add_fizz_to_room
constexpr uint32_t FIZZ_BARRIER = 4;     // damages ships that touch it
constexpr uint32_t FIZZ_DYING = 0x100;   // fades out and is removed

// Strength bounds: drawn above the first, collides above the second.
constexpr float FIZZ_DRAW_STRENGTH = 0.02f;
constexpr float FIZZ_COLLIDE_STRENGTH = 0.5f;

struct Fizz : Actor {
    RECYCLED_RECORD
    Fizz *next = nullptr;
    float strength = -1.0f;            // -1 built, 0.01 attached, 0 .. 1; removed at <= 0
    float base_scale = 0.0f;
    uint32_t flags = 0;                // FIZZ_* kind bits
    const float *matrix_a = nullptr;   // the two ends: bone matrices of two actors
    const float *matrix_b = nullptr;
    Actor *actor_a = nullptr;
    Actor *actor_b = nullptr;
    float min_length2 = 0.0f;          // squared X/Z length band outside which it weakens
    float max_length2 = 0.0f;
    float flicker_period = 0.0f;       // seconds; 0 steady
    float flicker_clock = 0.0f;
    float angle = 0.0f;                // heading of the beam in degrees
    float end_a[3] = {};               // end A's position
    float span[3] = {};                // end B minus end A
    float inv_length2 = 0.0f;          // 1 / (dx^2 + dz^2); 0 for a zero-length span
    float line[4] = {};                // a, 0, c, d: a x + c z + d = 0 in X/Z, (a, c) its normal
    float stretch = 0.0f;              // X scale of the model between the ends
    float model_radius = 0.0f;         // hit sphere 0's radius in model units (the half-length)
    float random_anim_timers[MAX_RANDOM_ANIMS] = {};
};

// The beams, newest first.
extern Fizz *g_fizz;
// Heading in degrees of the beam that last turned a mover back.
extern float g_fizz_bounce_angle;

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

// Every beam with an end on the actor starts dying and lets go of its ends. Called when
// enemies die, submerge, leave the arena or are deleted, and when bullets end.
void fizz_kill_for_actor(const Actor *a);

// Empties the beam list (level start).
void fizz_reset(void);
// Releases and deletes every beam (level end and the restart after a death).
void fizz_free_all(void);
// Per tick: updates the beams and removes those whose strength ran out.
void fizz_update_all(void);
// Every beam starts dying (each tick of the level end).
void fizz_kill_all(void);
// Per frame: draws the beams above FIZZ_DRAW_STRENGTH whose stretched sphere is in view.
void fizz_draw_all(void);

// One tick of a beam (fizz_update_all runs it and removes the spent ones).
void fizz_update(Fizz *f);
// 1 when a beam of the type, alive (strength above 0) and made by a rule, joins a and b
// in either order.
int fizz_exists_between(const ActorType *type, const Actor *a, const Actor *b);
// The actor release; bit 0 of flags deletes the beam.
void fizz_destroy(Fizz *f, int flags);
// 1 while the game holds still: over, the level ended, or a death being counted. Beams
// then shrink with their strength and the rules rest.
int fizz_game_frozen(void);
// Radius of the sphere round the stretched beam (its drawing is culled by it).
float fizz_draw_radius(const Fizz *f);
