// decals.h -- the floor decals: the two footprint bitmaps that walkers and bosses leave.
// White on black, since the game turns their brightness into alpha and draws them black;
// a black border of an eighth of the side on every edge, since the footprint triangle's
// texture coordinates run to 2 with clamping, so the edge texels (at every mip level)
// cover the rest of the triangle.
#pragma once

#include "assetgen/bytes.h"

#include <functional>

constexpr int DECAL_SIDE = 64;

constexpr float DECAL_BORDER = 0.125f;   // of the side, kept black on every edge

// A DECAL_SIDE square grey bitmap (24-bit, white on black) of a brightness given over
// the unit square (u to the right, v up, as the game maps it; values clamped to 0..1),
// 4 x 4 supersampled, with the fraction edge of the side black on every edge.
Bytes decal_render(const std::function<float(float u, float v)> &inside, float edge = DECAL_BORDER);

// "z_footprint1.bmp": a walker's tread sole, toe toward +v (up in the picture): the
// direction the footprint's bone faces (its -Y, when its X axis is the walker's left).
Bytes decal_footprint_sole();
// "z_footprint2.bmp": a round pad.
Bytes decal_footprint_pad();
