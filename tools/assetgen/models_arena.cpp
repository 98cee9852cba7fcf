// models_arena.cpp -- paints and pictures shared by the arena's families.

#include "assetgen/models_arena.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t mix_hash(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

float lattice(int x, int y, uint32_t seed)
{
    return (float)(mix_hash((uint32_t)x * 0x9e3779b1u ^ mix_hash((uint32_t)y + seed)) & 0xffff) / 65535.0f;
}

int wrap(int v, int period)
{
    if (period <= 0) {
        return v;
    }
    v %= period;
    return v < 0 ? v + period : v;
}

ImageRgb draw_white(int)
{
    ImageRgb img(8, 8);
    std::fill(img.rgb.begin(), img.rgb.end(), (uint8_t)255);
    return img;
}

ImageRgb draw_glow(int)
{
    return arena_picture(64, 64, [](float dx, float dy) {
        float r = std::sqrt(dx * dx + dy * dy);
        // Clear from 0.94 outward: the outermost texels stay black for clamping.
        float k = r >= 0.94f ? 0.0f : std::pow(1.0f - r / 0.94f, 1.8f);
        return std::min(1.0f, k + 0.6f * std::exp(-r * r * 40.0f));
    });
}

ImageRgb draw_ring(int)
{
    return arena_picture(128, 128, [](float dx, float dy) {
        float r = std::sqrt(dx * dx + dy * dy);
        float d = r - 0.84f;
        float k = std::exp(-d * d / 0.0009f) + 0.35f * std::exp(-d * d / 0.012f);
        if (r < 0.84f) {
            k += 0.12f * arena_smooth(0.3f, 0.84f, r);
        }
        return k * (1.0f - arena_smooth(0.9f, 0.97f, r));
    });
}

ImageRgb draw_star(int)
{
    return arena_picture(64, 64, [](float dx, float dy) {
        float r = std::sqrt(dx * dx + dy * dy);
        float arms = std::exp(-std::fabs(dx) * 28.0f) + std::exp(-std::fabs(dy) * 28.0f);
        float k = arms * std::max(0.0f, 1.0f - r / 0.94f) + std::exp(-r * r * 30.0f);
        return std::min(1.0f, k * (1.0f - arena_smooth(0.86f, 0.94f, r)));
    });
}

}  // namespace

const Bitmap ARENA_WHITE = {"arena_white", 0, draw_white, nullptr};
const Bitmap ARENA_GLOW = {"arena_glow", 0, draw_glow, nullptr};
const Bitmap ARENA_RING = {"arena_ring", 0, draw_ring, nullptr};
const Bitmap ARENA_STAR = {"arena_star", 0, draw_star, nullptr};

Paint arena_solid(const Bitmap *bitmap, uint32_t colour, Lighting light)
{
    Paint p;
    p.bitmap = bitmap;
    p.colour = rgb(colour);
    p.light = light;
    return p;
}

Paint arena_glow(const Bitmap *bitmap, uint32_t colour)
{
    Paint p = arena_solid(bitmap, colour, Lighting::Unlit);
    p.additive = true;
    p.clamp = true;
    return p;
}

Paint arena_glow_anim(const Bitmap *bitmap, uint32_t colour, float speed)
{
    Paint p = arena_glow(bitmap, colour);
    p.anim_speed = speed;
    return p;
}

float arena_noise(float x, float y, int octaves, uint32_t seed, int period)
{
    float sum = 0.0f, weight = 0.0f, amp = 1.0f;
    for (int o = 0; o < octaves; o++) {
        int p = period > 0 ? period << o : 0;
        float fx = x * (float)(1 << o), fy = y * (float)(1 << o);
        int ix = (int)std::floor(fx), iy = (int)std::floor(fy);
        float tx = fx - (float)ix, ty = fy - (float)iy;
        tx = tx * tx * (3.0f - 2.0f * tx);
        ty = ty * ty * (3.0f - 2.0f * ty);
        uint32_t s = seed + (uint32_t)o * 7919u;
        float a = lattice(wrap(ix, p), wrap(iy, p), s), b = lattice(wrap(ix + 1, p), wrap(iy, p), s);
        float c = lattice(wrap(ix, p), wrap(iy + 1, p), s), d = lattice(wrap(ix + 1, p), wrap(iy + 1, p), s);
        sum += amp * ((a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty);
        weight += amp;
        amp *= 0.5f;
    }
    return weight > 0.0f ? sum / weight : 0.0f;
}

void arena_put(ImageRgb &img, int x, int y, uint32_t rgb, float k)
{
    uint8_t *p = img.at(x, y);
    for (int c = 0; c < 3; c++) {
        float v = (float)(rgb >> (16 - 8 * c) & 0xff) * k;
        p[c] = (uint8_t)std::lround(std::clamp(v, 0.0f, 255.0f));
    }
}

float arena_smooth(float a, float b, float x)
{
    float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}
