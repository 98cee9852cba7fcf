// hudgfx.h -- the HUD's graphics: arena textures, icons, the multiplier bar, crosshair,
// rings and bullet sprites.
#pragma once

// Loads the arena textures and the footprint pool (level set-up).
void hudgfx_load(void);
