// samples.h -- small files of every format the engine reads, written by the
// generator's writers: the seeds of the loaders' fuzz runs and the fixtures of the
// round-trip tests. They are not part of the game's tree.
#pragma once

#include "assetgen/bytes.h"
#include "assetgen/formats.h"

#include <string>

// A mesh of two bones (matrices 1 and 2): a box and a pyramid, extra draw vertices on
// shared positions, pairs, and two textures whose names use backslashes (the second
// an animated folder with an empty mask name).
MeshFile sample_mesh();
// A skeleton of two bones with three animations (one with a bone table) and two hit
// spheres, matching sample_mesh.
AnimFile sample_anim();
// An emitter using every staged field, with backslashes in its texture names.
ParticleOut sample_particle();
// Pictures of odd width (row padding) with distinct pixels.
ImageRgb sample_image(int width, int height);
// The same picture as palette indexes and its palette.
void sample_paletted(int width, int height, std::vector<uint8_t> &indexes, Palette &palette);

// Writes seeds for the fuzz runs into dir: bmp/, model/, anim/ and particle/. Returns the
// number of files written or -1.
int samples_write_seeds(const std::string &dir);
