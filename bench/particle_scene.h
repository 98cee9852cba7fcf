// particle_scene.h -- a steady crowd of the generated effects for the benchmarks: the
// catalogue's templates loaded from the generated tree, and emitters started on moving
// matrices across the play view as others end, so the same number stays live.
#pragma once

// Loads the templates (once; the working directory must be the tree's "run"). false when
// an effect does not load.
bool bench_particles_load(void);
// Releases every holder and forgets the templates (before the pool or the texture cache
// is started again).
void bench_particles_forget(void);
// Tops the live holders up to emitters, moves the matrices on, and runs the step.
void bench_particles_frame(int emitters);
// Particles in the live rings now.
int bench_particles_live(void);
