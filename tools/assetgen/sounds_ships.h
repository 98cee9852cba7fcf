// sounds_ships.h -- the sounds of the player ships, their shots and the enemies' shots and
// missiles, bound to their animations and events by the ship, shot and missile scripts.
#pragma once

#include <cstdint>
#include <vector>

// The ship's shot (its "fire" animation): short, soft and never tiring at 11 a second.
std::vector<int16_t> make_player_fire();
// A player's shot striking something (its "die").
std::vector<int16_t> make_hit_player_shot();
// The player's missile bursting (its "byebye").
std::vector<int16_t> make_player_missile_blast();
// Enemy shots striking a ship: small bolts, plasma orbs, heavy shells and globs, the
// weelee's bouncing ball, laser bolts.
std::vector<int16_t> make_shot_hit_bolt();
std::vector<int16_t> make_shot_hit_plasma();
std::vector<int16_t> make_shot_hit_shell();
std::vector<int16_t> make_shot_hit_ball();
std::vector<int16_t> make_shot_hit_laser();
// Enemy missiles: launched ("mutate"), hit (their event sounds) and bursting ("byebye").
std::vector<int16_t> make_missile_launch();
std::vector<int16_t> make_missile_hit();
std::vector<int16_t> make_missile_blast();
