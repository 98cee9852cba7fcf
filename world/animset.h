// animset.h -- the animation sets: skinned models with their bones, hit spheres and
// animations, loaded once per model folder and shared by every actor of a type.
#pragma once

// Destroys every set and empties the registry (level start and level end).
void anim_sets_free_all(void);
