// particle.h -- the particle system: emitters started by animation events, stepped and
// drawn once per frame into the face batch.
#pragma once

// Every holder free; counts 0 (at level set-up).
void particle_init_holders(void);
// Logs the template count and high-water mark, then releases every holder (at level release).
void particle_info(void);
// Frees every live holder (the restart after a death, and particle_info).
void particle_release_all(void);
// Every live holder stops emitting and lets go of its matrix (while the level is not running).
void particle_detach_all(void);
// Steps and draws every live emitter (once per drawn game frame).
void particle_update_draw(void);
// Starts an emitter of a template at a bone matrix, following it; owner is the actor's
// matrix block (animation events).
void particle_start_at_bone(int template_index, const float *matrix, const void *owner);
// Every live emitter of this owner (an actor's matrix block) stops emitting and lets go of
// its matrix: the actor frees the block next.
void particle_detach_owner(const void *owner);
// The template index of a particle effect of the level, found or loaded by name; -1 when
// it cannot be had.
int particle_find_or_load(const char *name);
