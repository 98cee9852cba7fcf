// sounds_list.cpp -- the sound sets kept in files of their own, after the interface and
// ambient sounds of sounds.cpp: one line each.

#include "assetgen/sounds.h"

std::vector<std::string> enemy_sound_names();
std::vector<int16_t> enemy_sound_samples(const std::string &name);

const SoundSet SOUND_SETS[] = {
    {enemy_sound_names, enemy_sound_samples},
};
const int SOUND_SET_COUNT = (int)(sizeof(SOUND_SETS) / sizeof(SOUND_SETS[0]));
