// sounds_explosions.h -- the explosions' sounds (styles/sfx/exp_*.wav), bound to the
// explosion types by the scripts' c_add_sound_to_explosion: fire bursts that grow with
// the size of what died, the ship's death, the enemies' emerging, sinking and mutating,
// the shield popping and the smart bomb, the loudest sound of the game.
#pragma once

#include <cstdint>
#include <vector>

std::vector<int16_t> make_exp_small();
std::vector<int16_t> make_exp_medium();
std::vector<int16_t> make_exp_large();
std::vector<int16_t> make_exp_ship();
std::vector<int16_t> make_exp_emerge();
std::vector<int16_t> make_exp_submerge();
std::vector<int16_t> make_exp_mutate();
std::vector<int16_t> make_exp_shield();
std::vector<int16_t> make_exp_bomb();
