// hue.cpp -- the hue rotation matrix.

#include "render/hue.h"

void hue_set_angle(float degrees)
{
    (void)degrees;
}

void hue_apply_rgb(uint8_t *pixels, int n, int stride, int ignored)
{
    (void)ignored;
    hue_apply_rgb_clamped(pixels, n, stride);
}

void hue_apply_rgb_clamped(uint8_t *pixels, int n, int stride)
{
    (void)pixels;
    (void)n;
    (void)stride;
}
