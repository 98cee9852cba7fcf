// texslot.h -- the pictures of the front end and the HUD: each lives in a slot of its
// owner (a texture record, null while forgotten), loaded by path through the texture
// cache; binding one under the blend function its drawing chose; quads.
#pragma once

#include <cstdint>

struct TextureRecord;

// Loads the bitmap at path (with the mask at mask_path when not null) through the cache
// with flags. The record; null only when a path does not fit the cache's buffers.
TextureRecord *texslot_load(const char *path, const char *mask_path, uint32_t flags);
// The same for "<folder><name>" and "<folder><mask>".
TextureRecord *texslot_load_in(const char *folder, const char *name, const char *mask, uint32_t flags);
// The handle of a slot: 0 while it is empty or its record has no GL texture (even the
// fallback bitmap missing), and then its picture is not drawn.
uint32_t texslot_handle(const TextureRecord *slot);
// Binds a slot's texture through the one bind function, then sets the blend function the
// drawing picks (additive when non-zero, else normal), whatever the texture's flags say.
void texslot_bind(const TextureRecord *slot, int additive);
// One quad of an open GL_QUADS run: corners (x1, y1), (x2, y1), (x2, y2), (x1, y2) at
// height z with the texture coordinates (u1, v1), (u2, v1), (u2, v2), (u1, v2).
void texslot_quad(float x1, float y1, float x2, float y2, float z, float u1, float v1, float u2, float v2);
// The same as a run of its own with the whole texture, (0, 0) at (x1, y1).
void texslot_draw_quad(float x1, float y1, float x2, float y2, float z);
