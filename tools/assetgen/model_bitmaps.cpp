// model_bitmaps.cpp -- picture makers for the models' textures.

#include "assetgen/model_bitmaps.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t hash(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

uint8_t byte_of(float v)
{
    return (uint8_t)std::lround(std::clamp(v, 0.0f, 255.0f));
}

void put(ImageRgb &img, int x, int y, uint32_t rgb, float k)
{
    uint8_t *p = img.at(x, y);
    p[0] = byte_of((float)(rgb >> 16 & 0xff) * k);
    p[1] = byte_of((float)(rgb >> 8 & 0xff) * k);
    p[2] = byte_of((float)(rgb & 0xff) * k);
}

}  // namespace

ImageRgb bitmap_panel(int side, int cells, uint8_t base, uint32_t seed)
{
    ImageRgb img(side, side);
    int cell = std::max(4, side / std::max(1, cells));
    for (int y = 0; y < side; y++) {
        for (int x = 0; x < side; x++) {
            int cx = x % cell;
            int cy = y % cell;
            float v = base + (float)(hash(seed ^ (uint32_t)(y * side + x)) & 15) - 8.0f;
            // A darker seam with a bright bevel just inside it.
            if (cx == 0 || cy == 0) {
                v *= 0.55f;
            } else if (cx == 1 || cy == 1) {
                v *= 1.12f;
            } else if (cx == cell - 1 || cy == cell - 1) {
                v *= 0.85f;
            }
            // Rivets near the corners of each cell.
            int rx = std::min(cx - 3, cell - 4 - cx);
            int ry = std::min(cy - 3, cell - 4 - cy);
            if (rx >= 0 && ry >= 0 && rx <= 1 && ry <= 1 && rx + ry <= 1) {
                v = std::min(255.0f, v * 1.25f);
            }
            uint8_t b = byte_of(v);
            uint8_t *p = img.at(x, y);
            p[0] = b;
            p[1] = b;
            p[2] = b;
        }
    }
    return img;
}

ImageRgb bitmap_glow(int side, uint32_t core, uint32_t edge, float sharpness, int rays, float twist)
{
    ImageRgb img(side, side);
    for (int y = 0; y < side; y++) {
        for (int x = 0; x < side; x++) {
            float dx = ((float)x + 0.5f) / side * 2.0f - 1.0f;
            float dy = ((float)y + 0.5f) / side * 2.0f - 1.0f;
            float r = std::sqrt(dx * dx + dy * dy);
            float fall = r >= 1.0f ? 0.0f : std::pow(1.0f - r, 1.5f);
            if (rays > 0) {
                float a = std::atan2(dy, dx) + twist * 0.017453292f;
                float spike = std::pow(std::fabs(std::cos(a * rays * 0.5f)), 12.0f);
                fall = std::min(1.0f, fall + spike * 0.6f * std::max(0.0f, 1.0f - r));
            }
            float hot = std::exp(-r * r * 6.0f * sharpness);
            uint8_t *p = img.at(x, y);
            for (int c = 0; c < 3; c++) {
                float a = (float)(core >> (16 - 8 * c) & 0xff);
                float b = (float)(edge >> (16 - 8 * c) & 0xff);
                p[c] = byte_of((a * hot + b * (1.0f - hot)) * fall);
            }
        }
    }
    return img;
}

ImageRgb bitmap_strip(int side, uint32_t colour)
{
    ImageRgb img(side, side);
    for (int y = 0; y < side; y++) {
        for (int x = 0; x < side; x++) {
            float across = std::fabs(((float)x + 0.5f) / side * 2.0f - 1.0f);
            float k = std::pow(std::max(0.0f, 1.0f - across), 0.8f);
            put(img, x, y, colour, k * (1.0f - 0.6f * (float)y / side));
        }
    }
    return img;
}

ImageRgb bitmap_fill(int side, uint32_t colour)
{
    ImageRgb img(side, side);
    for (int y = 0; y < side; y++) {
        for (int x = 0; x < side; x++) {
            put(img, x, y, colour, 1.0f);
        }
    }
    return img;
}
