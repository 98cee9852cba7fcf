// particles.h -- the game's particle effects: the 684-byte effect files of
// styles/particles/ and the five textures they draw with (styles/bitmaps/p_*.bmp).
#pragma once

#include "assetgen/catalogue.h"
#include "assetgen/formats.h"

#include <string>
#include <vector>

// One effect of the catalogue, as its file holds it.
struct ParticleEffect {
    std::string name;   // the file is styles/particles/<name>.bin
    ParticleOut out;
};

// Every effect, in catalogue order.
const std::vector<ParticleEffect> &particle_effects();
// The textures' file names (below styles/bitmaps/).
const std::vector<std::string> &particle_texture_names();
// Adds the textures and the effect files to the catalogue.
void particles_add_to_catalogue(std::vector<AssetEntry> &catalogue);
