// mt.h -- the random generators (MT19937): the simulation's, seeded with the time at
// start and with the level's seed at each level start so a level replays its draws, and
// the drawing's own.
#pragma once

#include <cstdint>

void mt_seed(uint32_t seed);
// Next 32-bit output; seeds itself with 5489 when never seeded.
uint32_t mt_rand(void);
// (r & 0x7fff) / 32767 in [0, 1]: the game's usual fraction.
float mt_rand_unit(void);
// (r & 0x7fff) * 2/32767 - 1 in [-1, 1].
float mt_rand_signed(void);
// The drawing's own generator (MT19937 from the default seed): effects decided while
// drawing take their draws here, never from the simulation's sequence.
uint32_t mt_draw_rand(void);
// Reseeds the drawing's generator (tests replay a run of effects).
void mt_draw_seed(uint32_t seed);
