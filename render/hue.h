// hue.h -- the hue rotation matrix: turns the hue of RGB colours while keeping their
// luminance, so one set of bitmaps and colours serves many tints.
#pragma once

#include <cstdint>

// The matrix, row by row ([row][col]); identity until the first angle is set. A colour
// (r, g, b) becomes r' = r m00 + g m10 + b m20 + m30, and likewise for g' and b'.
extern float g_hue_matrix[4][4];

// Wraps the angle into -180..180 and builds the global hue matrix.
void hue_set_angle(float degrees);
// Builds the global hue matrix for an angle in degrees, taken as it is.
void hue_build_matrix(float degrees);
// Applies the matrix to n pixels whose first three bytes are r, g, b, advancing by
// stride bytes (at least 3; bytes past the third are left alone); results are
// truncated toward zero and clamped to 0..255.
void hue_apply_rgb(uint8_t *pixels, int n, int stride, int ignored);
void hue_apply_rgb_clamped(uint8_t *pixels, int n, int stride);
