// sounds.h -- the game's synthesised sounds: the named interface and event sounds, the
// ambient loops "ambi-00" .. "ambi-03", the ships' and shots' (sounds_ships.h), the
// explosions' (sounds_explosions.h), then the sets listed in sounds_list.cpp (the
// enemies').
#pragma once

#include "assetgen/bytes.h"

#include <cstdint>
#include <string>
#include <vector>

// A set of sounds kept in a file of its own (the enemies' sounds ...): its names and the
// samples of one of them (empty for a name it does not have).
struct SoundSet {
    std::vector<std::string> (*names)();
    std::vector<int16_t> (*samples)(const std::string &name);
};
// sounds_list.cpp: every set besides the interface and ambient sounds of sounds.cpp.
extern const SoundSet SOUND_SETS[];
extern const int SOUND_SET_COUNT;

// Every sound name, in catalogue order (file names without ".wav").
std::vector<std::string> sound_names();
// The samples (22050 Hz, mono) of a named sound; empty for an unknown name.
std::vector<int16_t> sound_samples(const std::string &name);
// The WAV file of a named sound; empty for an unknown name.
Bytes sound_build(const std::string &name);
