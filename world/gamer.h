// gamer.h -- the player ships.
#pragma once

// The ships' glow rings around the level's start and end (additive pass).
void gamer_draw_rings(void);
// The local ship's aim marker, with mouse aim while the level plays.
void gamer_draw_aim(void);
