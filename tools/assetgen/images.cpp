// images.cpp -- drawn bitmaps.

#include "assetgen/images.h"

#include "assetgen/formats.h"

#include <algorithm>
#include <cmath>

Bytes image_light()
{
    const int side = 64;
    ImageRgb img(side, side);
    for (int y = 0; y < side; y++) {
        for (int x = 0; x < side; x++) {
            float dx = ((float)x + 0.5f) / side * 2.0f - 1.0f;
            float dy = ((float)y + 0.5f) / side * 2.0f - 1.0f;
            float r2 = dx * dx + dy * dy;
            // A bright core with a long soft fall-off that reaches 0 at the rim.
            float v = r2 >= 1.0f ? 0.0f : (1.0f - r2) * (1.0f - r2);
            v = std::min(1.0f, v * (0.8f + 0.6f * std::exp(-r2 * 12.0f)));
            uint8_t *p = img.at(x, y);
            p[0] = (uint8_t)std::lround(255.0f * v);
            p[1] = (uint8_t)std::lround(246.0f * v);
            p[2] = (uint8_t)std::lround(226.0f * v);
        }
    }
    return bmp_write_24(img);
}
