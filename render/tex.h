// tex.h -- the texture cache: every bitmap the game draws becomes a cached GL texture
// with its mask, animated frames and blending flags; also the blend switching and the
// bitmap rename table that the scripts fill.
#pragma once

#include <cstdint>

// TextureHandle flag bits (the GL texture name sits in bits 0-15).
constexpr uint32_t TEX_NAME_MASK = 0x0000ffffu;
constexpr uint32_t TEX_OWNED = 0x00010000u;
constexpr uint32_t TEX_UNLIT = 0x00040000u;
constexpr uint32_t TEX_RADIAL = 0x00080000u;
constexpr uint32_t TEX_DEPTH_SORTED = 0x00200000u;
constexpr uint32_t TEX_RGBA = 0x00400000u;
constexpr uint32_t TEX_MASK = 0x00800000u;
constexpr uint32_t TEX_ADDITIVE = 0x01000000u;
constexpr uint32_t TEX_CLAMP_S = 0x02000000u;
constexpr uint32_t TEX_CLAMP_T = 0x04000000u;
constexpr uint32_t TEX_MIPMAP = 0x08000000u;
constexpr uint32_t TEX_ANIMATED = 0x10000000u;
constexpr uint32_t TEX_SHARED = 0x20000000u;

struct TextureRecord;

// Set by the texture cache around loads; read by the bitmap preload cache.
extern int g_preload_reload;     // non-zero: colour images are loaded afresh
extern float g_preload_hue;      // degrees; colour images are hue-rotated when non-zero

// Finds or loads the texture for a colour bitmap (and mask) and appends it to the
// caller's list; returns the index in that list. Names may be null and are lower-cased
// in place.
int zgl_texture_find_or_load(char *colour, uint32_t flags, TextureRecord **list, int *count,
                             char *mask, float anim_speed, int anim_mode);
// Empties the cache (called by restart, init_level and on return to the menus).
void zgl_texture_init(void);
// Deletes every GL texture the cache owns.
void zgl_texture_free_all(void);
// Forgets the floor's texture slot after the cache was emptied.
void floor_forget_texture(void);
// End of every frame: blending off, normal blend function, nothing bound.
void zgl_reset_draw_state(void);
// Switch the blend function to normal (source alpha, one minus source alpha) or
// additive (source alpha, one) when it is not already.
void zgl_blend_normal(void);
void zgl_blend_additive(void);
// The body of c_change_bitmap: later loads of old_name use new_name.
void zgl_bitmap_rename(const char *old_name, const char *new_name);
