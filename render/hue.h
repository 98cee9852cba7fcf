// hue.h -- the hue rotation matrix: turns the hue of RGB colours while keeping their
// luminance, so one set of bitmaps and colours serves many tints.
#pragma once

#include <cstdint>

// Wraps the angle into -180..180 and builds the global hue matrix.
void hue_set_angle(float degrees);
// Applies the matrix to n pixels whose first three bytes are r, g, b, advancing by
// stride bytes; results are truncated and clamped to 0..255.
void hue_apply_rgb(uint8_t *pixels, int n, int stride, int ignored);
void hue_apply_rgb_clamped(uint8_t *pixels, int n, int stride);
