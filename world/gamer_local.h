// gamer_local.h -- what the ship files share among themselves.
#pragma once

#include "world/gamer.h"

// The death timer of a ship that lost a life (it stays out until the level restarts).
constexpr int GAMER_DEATH_TIMER = 1000;

// One ship's tick: input, movement, collision, parts, aim, firing and bombs.
void gamer_update(Gamer *g);
// Arms the random-animation timers of an actor's block.
void gamer_arm_random_anims(const Actor *a, float *timers);
// 1 while the hidden keys are enabled and F1 was pressed: no damage is taken.
int gamer_invulnerable(void);
// 1 for a ship of a two-player game other than the first gamer.
int gamer_is_second(const Gamer *g);
// Recounts g_gamer_count, g_gamer_in_play and g_gamer_with_lives from the ships.
void gamer_count_ships(void);
