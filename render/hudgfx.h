// hudgfx.h -- the HUD's graphics: arena textures, icons, the multiplier bar, crosshair,
// rings and bullet sprites.
#pragma once

#include <cstdint>

// The hit texture's handle, for the model drawing's hit flash (0 until hudgfx_load).
extern uint32_t g_hit_texture_handle;

// Loads the arena textures and the footprint pool (level set-up).
void hudgfx_load(void);
// Binds the HUD texture when it is loaded.
void hud_bind_texture(void);
// One row of icons at the top right, pushed up by offset: kind below 0 the smart bomb,
// else the life; above 4 a single icon (the HUD text writes the count beside it).
void hud_draw_meter(float kind, int count, float unused, float offset);
// The difficulty box at the lower left, pushed down by offset.
void hud_draw_box(float unused, float offset);
// The multiplier bar: how far points are from multiplier step to the next; phase (degrees)
// is the record's pulse, advanced and stored back.
void hud_draw_ping_pulse(int points, int step, float unused, float offset, float *phase);
