// mt.h -- the random generators: MT19937. The simulation's generator is seeded with the
// time at start and with the level's seed at each level start so a level replays its
// draws; the drawing generator feeds effects that only show (particles), so how many
// frames are drawn never changes what the simulation draws.
#pragma once

#include <cstdint>

void mt_seed(uint32_t seed);
// Next 32-bit output; seeds itself with 5489 when never seeded.
uint32_t mt_rand(void);
// (r & 0x7fff) / 32767 in [0, 1]: the game's usual fraction.
float mt_rand_unit(void);
// (r & 0x7fff) * 2/32767 - 1 in [-1, 1].
float mt_rand_signed(void);

// The drawing generator: the same algorithm on a state of its own.
void mt_draw_seed(uint32_t seed);
// Next 32-bit output; seeds itself with MT_DRAW_DEFAULT_SEED when never seeded.
uint32_t mt_draw_rand(void);
constexpr uint32_t MT_DRAW_DEFAULT_SEED = 19650218u;
