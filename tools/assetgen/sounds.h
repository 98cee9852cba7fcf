// sounds.h -- the game's synthesised sounds: the named interface and event sounds, the
// ambient loops "ambi-00" .. "ambi-03", the ships' and shots' (sounds_ships.h) and the
// explosions' (sounds_explosions.h).
#pragma once

#include "assetgen/bytes.h"

#include <cstdint>
#include <string>
#include <vector>

// Every sound name, in catalogue order (file names without ".wav").
std::vector<std::string> sound_names();
// The samples (22050 Hz, mono) of a named sound; empty for an unknown name.
std::vector<int16_t> sound_samples(const std::string &name);
// The WAV file of a named sound; empty for an unknown name.
Bytes sound_build(const std::string &name);
