// decals.cpp -- the footprint bitmaps, drawn as soft shapes with 4 x 4 supersampling.

#include "assetgen/decals.h"

#include "assetgen/formats.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int DECAL_SAMPLES = 4;        // per axis and pixel

// 1 inside an ellipse at (cu, cv) with radii (ru, rv), 0 outside.
float ellipse(float u, float v, float cu, float cv, float ru, float rv)
{
    float du = (u - cu) / ru;
    float dv = (v - cv) / rv;
    return du * du + dv * dv <= 1.0f ? 1.0f : 0.0f;
}

// 1 inside the triangle a, b, c.
float triangle(float u, float v, const float a[2], const float b[2], const float c[2])
{
    auto side = [&](const float p[2], const float q[2]) { return (q[0] - p[0]) * (v - p[1]) - (q[1] - p[1]) * (u - p[0]); };
    float s0 = side(a, b);
    float s1 = side(b, c);
    float s2 = side(c, a);
    return (s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0) ? 1.0f : 0.0f;
}

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

Bytes decal_footprint_claw()
{
    return decal_render([](float u, float v) {
        // The heel pad, pressed deepest in its middle.
        const float pu = 0.36f;
        const float pv = 0.50f;
        float du0 = (u - pu) / 0.15f;
        float dv0 = (v - pv) / 0.19f;
        float r2 = du0 * du0 + dv0 * dv0;
        float best = r2 <= 1.0f ? 1.0f - 0.25f * r2 : 0.0f;
        // Three toes fanned toward +u, each with a claw scratched further out.
        for (int t = -1; t <= 1; t++) {
            float a = 0.7f * (float)t;
            float du = std::cos(a);
            float dv = std::sin(a);
            float cu = pu + 0.27f * du;
            float cv = pv + 0.27f * dv;
            best = std::max(best, 0.95f * ellipse(u, v, cu, cv, 0.075f, 0.075f));
            const float tip[2] = {cu + 0.165f * du, cv + 0.165f * dv};
            const float l[2] = {cu - 0.03f * dv, cv + 0.03f * du};
            const float r[2] = {cu + 0.03f * dv, cv - 0.03f * du};
            best = std::max(best, 0.9f * triangle(u, v, tip, l, r));
        }
        return best;
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
