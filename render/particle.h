// particle.h -- the particle system: effects loaded once per level as templates, live
// emitters (holders) started by animation events at bone matrices, stepped and drawn once
// per frame into the face batch.
//
// A holder follows its matrix (one matrix of the starting actor's bone-matrix block),
// emits while its time left is above 0 and is freed by the step once it has stopped and
// its ring is empty. Whoever frees a matrix block must first detach the holders started
// on it (particle_detach_owner with the block), since the step reads the matrix.
#pragma once

#include "core/particle_file.h"

#include <cstdint>

constexpr int PARTICLE_MAX_HOLDERS = 4096;
constexpr int PARTICLE_MAX_TEMPLATES = 256;
constexpr int PARTICLE_RING_SIZE = 1024;          // particles of one holder's ring
constexpr float PARTICLE_VIEW_RADIUS = 50.0f;     // a holder is drawn while this sphere is in view
constexpr float PARTICLE_CREDIT_TICKS = 6.0f;     // a long frame earns emission for at most this

// A live emitter: the template's record with its run-time fields in use.
using ParticleHolder = ParticleEmitter;

// One particle (48 bytes). Velocity and spin are per tick, life in seconds.
struct Particle {
    float pos[3];
    float vel[3];
    float size;
    float angle;        // degrees
    float spin;         // degrees per tick
    float life;         // seconds left
    int32_t zigzag;     // ticks to the next switch of axis (zigzag effects)
    uint32_t colour;    // RGBA, red in the lowest byte
};
static_assert(sizeof(Particle) == 48, "a particle is 48 bytes");

// The pools. The live list is dense from 0 to the live count - 1, and each live holder's
// live index is its position there.
extern ParticleHolder g_particle_holders[PARTICLE_MAX_HOLDERS];
extern ParticleHolder *g_particle_live[PARTICLE_MAX_HOLDERS];
extern int g_particle_live_count;
extern int g_particle_high_water;          // holders taken since the last reset
extern ParticleEmitter g_particle_templates[PARTICLE_MAX_TEMPLATES];
extern int g_particle_template_count;
// Ring blocks taken from the memory pool (in use or waiting on the free list); they go
// back to the pool at level release.
extern int g_particle_ring_blocks;
// The scale of the actor whose animation starts effects: set by the actor update before
// its animation events fire; scales box, size and grow of each holder started.
extern float g_particle_scale;
// The particle amount, 0.25 .. 1 (console "render_particles" of game/settings.cpp's table).
extern float g_render_particles;

// Every holder free, counts 0, the ring blocks back to the pool (level set-up).
void particle_init_holders(void);
// Logs "[particle] info pre=<templates> use=<high-water>", then releases every holder,
// forgets the templates and gives the ring blocks back to the pool (level release).
void particle_info(void);
// Frees every live holder; the high-water mark goes back to 0 (the restart after a
// death, and particle_info). The rings wait on the free list.
void particle_release_all(void);
// Every live holder stops emitting and lets go of its matrix (while the level is not
// running).
void particle_detach_all(void);
// Every live holder started with this owner (an actor's bone-matrix block) lets go of
// its matrix; it stops emitting unless its effect is ownerless, which goes on emitting
// where it stands. Call before the block is freed. A null owner does nothing.
void particle_detach_owner(const void *owner);

// The template index of an effect: found among this level's templates by exact name, or
// loaded from the particles folder. -1 (logged) for an empty or too long name, a file
// that cannot be read, or a full table ("*** [particle] need more holders").
int particle_find_or_load(const char *name);
// Starts a holder of a template at a matrix (4 x 4 column-major, translation in 12-14):
// it stands at the matrix's translation and follows the matrix until detached. owner is
// the bone-matrix block the matrix belongs to (only compared, by particle_detach_owner).
// A null matrix starts it at the template's position, following nothing. Box, size and
// grow are scaled by g_particle_scale. Null when the index is not a template of this
// level, all holders are live or no ring can be had; nothing is logged.
ParticleHolder *particle_start_at_bone(int template_index, const float *matrix, const void *owner);

// Takes a free holder, live with a copy of the template (a cleared record for none) and
// an empty ring. Null when all holders are live or no ring can be had.
ParticleHolder *particle_holder_new(const ParticleEmitter *tmpl);
// Frees a live holder: the last live holder moves into its live slot, its ring goes back
// to the free list. Null or a holder that is not live does nothing.
void particle_holder_free(ParticleHolder *holder);

// Steps every live holder by g_frame_dt ticks (nothing while it is 0): follows, ages,
// moves and draws its particles, emits, interpolates its stages; frees the holders that
// have stopped and emptied. Once per drawn game frame, before the face batch is flushed.
void particle_update_draw(void);
// Fills a ring slot with a new particle of the holder. emission_scale multiplies the
// velocity turned by the holder's matrix (0: not turned); see the step.
void particle_spawn(const ParticleHolder *holder, Particle *p, float emission_scale);

// Drawing (particle_draw.cpp).
// A visible particle after its move: its fade, spin, alpha and size, then its triangle.
void particle_draw(const ParticleHolder *holder, Particle *p, float dt);
// One particle triangle into the face batch: lying flat at the particle's height, the
// texture's unit square on the square of half-diagonal size turned by angle (degrees);
// the far corners take texture coordinate uv_extent. Nothing when the batch is full.
void particle_add_face(const Particle *p, float size, float angle, float uv_extent, uint32_t colour,
                       uint32_t handle);
// The same particle as only the square its picture covers (two faces): the same picture
// where the triangle's far corners draw nothing, for half the fill.
void particle_add_square(const Particle *p, float size, float angle, float uv_extent, uint32_t colour,
                         uint32_t handle);
// Takes the frame's projection and eye for the choice between the two (the step calls it
// before it draws).
void particle_draw_begin(void);
