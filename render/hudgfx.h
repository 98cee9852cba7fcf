// hudgfx.h -- the HUD's graphics: arena textures, icons, the multiplier bar, crosshair,
// rings and bullet sprites.
#pragma once

#include <cstdint>

struct TextureRecord;

// The HUD's and the arena markers' textures: a record each, null while forgotten.
struct HudTextures {
    TextureRecord *hud;         // the overlay atlas (loaded with the fonts)
    TextureRecord *crosshair;
    TextureRecord *hit;         // the hit flash; its arm region is the long crosshair
    TextureRecord *ring;        // one of the four grid patterns of the ships' glow discs
    TextureRecord *bullet;      // the shadow under enemy bullets
};
extern HudTextures g_hud_tex;
// The hit texture's handle, for the model drawing's hit flash (0 until hudgfx_load).
extern uint32_t g_hit_texture_handle;

// The HUD's animation: the crosshair's pulse and its rate (per logic step), the ring
// pattern of the last level (0..3, its file's number less one) and the bar fill's scroll
// in u.
struct HudMotion {
    float crosshair_pulse;
    float crosshair_rate;
    int ring_index;
    float bar_scroll;
};
extern HudMotion g_hud_motion;
// The long cross of the crosshair, 0.25 .. 1 (console "render_biggcrosshair" of
// game/settings.cpp's table).
extern float g_render_biggcrosshair;

// Loads the arena textures and the footprint pool (level set-up).
void hudgfx_load(void);
// Forgets every HUD texture (the cache was emptied).
void hudgfx_forget_textures(void);
// Binds the HUD texture when it is loaded.
void hud_bind_texture(void);
// One row of icons at the top right, pushed up by offset: kind below 0 the smart bomb,
// else the life; above 4 a single icon (the HUD text writes the count beside it).
void hud_draw_meter(float kind, int count, float unused, float offset);
// The left edge (overlay x at z 0) of the widest row hud_draw_meter draws: what stands
// left of the icons must end before it.
float hud_meter_row_left(void);
// The difficulty box at the lower left, pushed down by offset.
void hud_draw_box(float unused, float offset);
// The multiplier bar: how far points are from multiplier step to the next; phase (degrees)
// is the record's pulse, advanced and stored back.
void hud_draw_ping_pulse(int points, int step, float unused, float offset, float *phase);

// The aim marker on the floor at (a, 0, -b) for aim = {a, b, s}: the long cross along the
// camera's axes (when render_biggcrosshair is above 0.25) and the pulsing ring, larger
// with s.
void hudgfx_draw_crosshair(const float aim[3]);
// A glow disc of radius r on the floor around centre (x, z), brightest at the centre
// (drawn additively).
void hudgfx_draw_ring(const float centre[3], float radius);
// The shadow under a bullet of the given size: one face into the face batch.
void hudgfx_add_bullet_sprite(const float pos[3], float size);
