// model_bitmaps.h -- picture makers for the models' textures: metal panels, glows and
// soft strips, in the colours a family asks for. Deterministic: the same arguments
// draw the same pixels.
#pragma once

#include "assetgen/formats.h"

// A square of plating: base grey with darker seams every side / cells pixels, rivets at
// the seams' crossings and a faint grain. Meant to be tinted by vertex colours.
ImageRgb bitmap_panel(int side, int cells, uint8_t base, uint32_t seed);
// A radial glow on black (additive textures): colour at the core fading to black at the
// rim; rays > 0 adds that many soft spikes turned by twist (degrees); sharpness above 1
// tightens the core.
ImageRgb bitmap_glow(int side, uint32_t core, uint32_t edge, float sharpness, int rays, float twist);
// A strip for ribbons: bright along its middle column, fading to black at both sides
// and toward the bottom row.
ImageRgb bitmap_strip(int side, uint32_t colour);
// One colour all over (for faces whose look is their vertex colour alone).
ImageRgb bitmap_fill(int side, uint32_t colour);
