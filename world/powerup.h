// powerup.h -- the power-ups that drop in the arena.
#pragma once

// Forgets which power-ups dropped in the last game (a new game starts).
void powerups_reset_history(void);
