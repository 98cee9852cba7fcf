// decals.cpp -- the footprint bitmaps, drawn as soft shapes with 4 x 4 supersampling.

#include "assetgen/decals.h"

#include "assetgen/formats.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int DECAL_SAMPLES = 4;        // per axis and pixel

}  // namespace

// Coverage of a shape given as inside (u, v) over the unit square, u to the right and v
// up (as the game maps the bitmap), scaled to 0..peak.
Bytes decal_render(const std::function<float(float u, float v)> &inside, float edge)
{
    ImageRgb img(DECAL_SIDE, DECAL_SIDE);
    for (int y = 0; y < DECAL_SIDE; y++) {
        for (int x = 0; x < DECAL_SIDE; x++) {
            float sum = 0.0f;
            for (int sy = 0; sy < DECAL_SAMPLES; sy++) {
                for (int sx = 0; sx < DECAL_SAMPLES; sx++) {
                    float u = ((float)x + ((float)sx + 0.5f) / DECAL_SAMPLES) / DECAL_SIDE;
                    float v = 1.0f - ((float)y + ((float)sy + 0.5f) / DECAL_SAMPLES) / DECAL_SIDE;
                    bool border = u < edge || u > 1.0f - edge || v < edge || v > 1.0f - edge;
                    sum += border ? 0.0f : std::clamp(inside(u, v), 0.0f, 1.0f);
                }
            }
            uint8_t grey = (uint8_t)std::lround(255.0f * sum / (DECAL_SAMPLES * DECAL_SAMPLES));
            uint8_t *p = img.at(x, y);
            p[0] = p[1] = p[2] = grey;
        }
    }
    return bmp_write_24(img);
}

Bytes decal_footprint_sole()
{
    return decal_render([](float u, float v) {
        // A walker's sole, toe toward +v: a rounded slab, wider at the toe than the heel.
        const float cu = 0.5f;
        const float heel = 0.17f;
        const float toe = 0.83f;
        if (v < heel || v > toe) {
            return 0.0f;
        }
        float t = (v - heel) / (toe - heel);   // 0 at the heel, 1 at the toe
        float half = 0.15f + 0.05f * t;
        // Round both ends: the corners fall away within a quarter-width of them.
        float r = 0.6f * half;
        float du = std::fabs(u - cu);
        float end_d = std::min(v - heel, toe - v);
        if (end_d < r) {
            float k = r - end_d;
            half -= r - std::sqrt(std::max(0.0f, r * r - k * k));
        }
        if (du > half) {
            return 0.0f;
        }
        // The rim presses deepest; inside it, treads: chevrons pointing to the toe.
        float rim = std::min(half - du, end_d);
        if (rim < 0.025f) {
            return 1.0f;
        }
        float chevron = std::fmod((v - heel) - 0.6f * du + 1.0f, 0.085f) / 0.085f;
        return chevron < 0.55f ? 0.95f : 0.45f;
    });
}

Bytes decal_footprint_pad()
{
    return decal_render([](float u, float v) {
        // A round pad with a soft rim and a faint ring where its edge pressed deeper.
        float r = std::hypot(u - 0.5f, v - 0.5f) / 0.30f;
        if (r >= 1.0f) {
            return 0.0f;
        }
        float rim = std::min(1.0f, (1.0f - r) * 6.0f);
        float ring = 0.85f + 0.15f * std::exp(-(r - 0.8f) * (r - 0.8f) * 60.0f);
        return rim * ring;
    });
}
