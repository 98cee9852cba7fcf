// models_arena.h -- what the arena's families share: the room and its floors, the pylons,
// the beams, the power-ups and the explosions. Paints for solid and glowing shapes, the
// common glow pictures, and the picture makers the families draw their own bitmaps with.
// Deterministic: the same arguments draw the same pixels.
#pragma once

#include "assetgen/models.h"

// A solid shape tinted by colour (0xRRGGBB) over a picture, lit as asked.
Paint arena_solid(const Bitmap *bitmap, uint32_t colour, Lighting light = Lighting::Normal);
// A glow: added to the picture, unlit, clamped, black transparent.
Paint arena_glow(const Bitmap *bitmap, uint32_t colour);
// The same glow running through an animated bitmap at speed frames per tick.
Paint arena_glow_anim(const Bitmap *bitmap, uint32_t colour, float speed);

// Shared pictures: a plain white fill for flat colours, a soft round glow, a thin bright
// ring and a four-pointed star (all white on black, tinted by the vertex colour).
extern const Bitmap ARENA_WHITE;
extern const Bitmap ARENA_GLOW;
extern const Bitmap ARENA_RING;
extern const Bitmap ARENA_STAR;

// Value noise summed over octaves, 0..1, tiling every period cells in x and y (period 0:
// no tiling). Used for fire, smoke, crackle and floor grain.
float arena_noise(float x, float y, int octaves, uint32_t seed, int period = 0);
// A colour scaled by k (0..1+) into a picture's pixel, clamped.
void arena_put(ImageRgb &img, int x, int y, uint32_t rgb, float k);
// 0 below a, 1 above b, smooth between.
float arena_smooth(float a, float b, float x);
// The position on a picture of side pixels as -1..1 from its centre.
inline float arena_centred(int pixel, int side)
{
    return ((float)pixel + 0.5f) / (float)side * 2.0f - 1.0f;
}
// A white picture of w x h pixels on black whose brightness at each pixel is
// brightness(x, y), both -1 .. 1 from the centre (y from the top row down).
template <class F>
ImageRgb arena_picture(int w, int h, F brightness)
{
    ImageRgb img(w, h);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            arena_put(img, x, y, 0xffffff, brightness(arena_centred(x, w), arena_centred(y, h)));
        }
    }
    return img;
}
