// models_enemy_kit.cpp -- the enemy families' shared pictures, paints and life-cycle
// tracks (models_enemy_kit.h).

#include "assetgen/models_enemy_kit.h"

#include "assetgen/model_bitmaps.h"

#include <algorithm>
#include <cmath>

namespace enemy_kit {

namespace {

constexpr float TAU = 6.2831853f;

uint32_t mix(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

// Smooth value noise over a lattice of cells x cells that wraps, so the picture tiles.
float noise(float u, float v, int cells, uint32_t seed)
{
    float x = u * cells, y = v * cells;
    int x0 = (int)std::floor(x), y0 = (int)std::floor(y);
    float fx = x - x0, fy = y - y0;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    auto at = [&](int i, int j) {
        uint32_t u = (uint32_t)((i % cells + cells) % cells);
        uint32_t w = (uint32_t)((j % cells + cells) % cells);
        uint32_t h = mix(seed ^ (u * 73856093u) ^ (w * 19349663u));
        return (float)(h & 0xffff) / 65535.0f;
    };
    float a = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    float b = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return a + (b - a) * fy;
}

uint8_t grey(float v)
{
    return (uint8_t)std::lround(std::clamp(v, 0.0f, 255.0f));
}

ImageRgb picture(int side, const std::function<float(float u, float v)> &value)
{
    ImageRgb img(side, side);
    for (int y = 0; y < side; y++) {
        for (int x = 0; x < side; x++) {
            uint8_t g = grey(value(((float)x + 0.5f) / side, ((float)y + 0.5f) / side));
            uint8_t *p = img.at(x, y);
            p[0] = p[1] = p[2] = g;
        }
    }
    return img;
}

ImageRgb draw_panel(int)
{
    return bitmap_panel(64, 2, 224, 0x5e1e);
}

// Hide: soft blotches and fine speckle.
ImageRgb draw_skin(int)
{
    return picture(64, [](float u, float v) {
        float blot = noise(u, v, 4, 0x51) * 0.6f + noise(u, v, 8, 0x52) * 0.4f;
        float speck = noise(u, v, 32, 0x53);
        return 178.0f + 70.0f * blot - (speck > 0.82f ? 40.0f : 0.0f);
    });
}

// Chitin: four glossy bands along v with dark grooves between them.
ImageRgb draw_shell(int)
{
    return picture(64, [](float u, float v) {
        float band = std::fmod(v * 4.0f, 1.0f);
        float groove = band < 0.1f ? 0.45f : 1.0f;
        float gloss = 0.8f + 0.2f * std::cos((band - 0.45f) * TAU);
        return (200.0f + 30.0f * noise(u, v, 8, 0x61)) * groove * gloss;
    });
}

// Membrane: pale, with radial veins along u and one vein ring.
ImageRgb draw_membrane(int)
{
    return picture(64, [](float u, float v) {
        float across = std::fabs(std::fmod(u * 8.0f + 0.08f * std::sin(v * TAU * 2), 1.0f) - 0.5f);
        float vein = across > 0.44f ? 0.55f : 1.0f;
        float ring = std::fabs(v - 0.72f) < 0.025f ? 0.6f : 1.0f;
        return (205.0f + 40.0f * noise(u, v, 4, 0x71)) * vein * ring;
    });
}

// Eye spot: concentric rings by v (a sphere's latitude): a dark pupil at the pole, a
// bright ring, a dark ring, then the plain wing.
ImageRgb draw_eyespot(int)
{
    return picture(64, [](float, float v) {
        if (v > 0.9f) {
            return 40.0f;
        }
        if (v > 0.78f) {
            return 255.0f;
        }
        if (v > 0.68f) {
            return 70.0f;
        }
        return 215.0f;
    });
}

// Crystal: a bright gradient with diagonal streaks.
ImageRgb draw_facet(int)
{
    return picture(64, [](float u, float v) {
        float streak = std::pow(std::fabs(std::sin((u + v) * TAU * 2.5f)), 24.0f);
        return 150.0f + 80.0f * v + 60.0f * streak + 15.0f * noise(u, v, 8, 0x81);
    });
}

ImageRgb draw_fill(int)
{
    return bitmap_fill(8, 0xffffff);
}

ImageRgb draw_glow(int)
{
    return bitmap_glow(64, 0xffffff, 0x8c8c8c, 1.2f, 0, 0);
}

ImageRgb draw_spark(int)
{
    return bitmap_glow(64, 0xffffff, 0x9a9a9a, 2.0f, 4, 45);
}

ImageRgb draw_strip(int)
{
    return bitmap_strip(32, 0xffffff);
}

const Bitmap PANEL = {"enemy_panel", 0, draw_panel, nullptr};
const Bitmap SKIN = {"enemy_skin", 0, draw_skin, nullptr};
const Bitmap SHELL = {"enemy_shell", 0, draw_shell, nullptr};
const Bitmap MEMBRANE = {"enemy_membrane", 0, draw_membrane, nullptr};
const Bitmap EYESPOT = {"enemy_eyespot", 0, draw_eyespot, nullptr};
const Bitmap FACET = {"enemy_facet", 0, draw_facet, nullptr};
const Bitmap FILL = {"enemy_fill", 0, draw_fill, nullptr};
const Bitmap GLOW = {"enemy_glow", 0, draw_glow, nullptr};
const Bitmap SPARK = {"enemy_spark", 0, draw_spark, nullptr};
const Bitmap STRIP = {"enemy_strip", 0, draw_strip, nullptr};

Paint paint(const Bitmap &b, uint32_t colour, Lighting light)
{
    Paint p;
    p.bitmap = &b;
    p.colour = rgb(colour);
    p.light = light;
    return p;
}

Paint additive(const Bitmap &b, uint32_t colour)
{
    Paint p = paint(b, colour, Lighting::Unlit);
    p.additive = true;
    p.clamp = true;
    return p;
}

void call(const KeyOps &extra, int k, Key &key)
{
    if (extra) {
        extra(k, key);
    }
}

}  // namespace

Paint plate(uint32_t colour)
{
    return paint(PANEL, colour, Lighting::Normal);
}

Paint smooth(uint32_t colour)
{
    return paint(FILL, colour, Lighting::Normal);
}

Paint gloss(uint32_t colour)
{
    return paint(FILL, colour, Lighting::Radial);
}

Paint skin(uint32_t colour)
{
    return paint(SKIN, colour, Lighting::Radial);
}

Paint shell(uint32_t colour)
{
    return paint(SHELL, colour, Lighting::Normal);
}

Paint membrane(uint32_t colour)
{
    return paint(MEMBRANE, colour, Lighting::Normal);
}

Paint eyespot(uint32_t colour)
{
    return paint(EYESPOT, colour, Lighting::Normal);
}

Paint facet(uint32_t colour)
{
    return paint(FACET, colour, Lighting::Normal);
}

Paint lamp(uint32_t colour)
{
    return paint(FILL, colour, Lighting::Unlit);
}

Paint glow(uint32_t colour)
{
    return additive(GLOW, colour);
}

Paint spark(uint32_t colour)
{
    return additive(SPARK, colour);
}

Paint trail(uint32_t colour)
{
    return additive(STRIP, colour);
}

Track &emerge_rise(ModelBuilder &m, int root, float depth, float seconds, const KeyOps &extra)
{
    Track &t = m.track("emerge").once();
    Key *k = &t.key(0.01f).move(root, 0, 0, -depth).scale(root, 0.7f);
    call(extra, 0, *k);
    k = &t.key(seconds * 0.55f).ease_out(30).move(root, 0, 0, -0.08f * depth).scale(root, 1.0f);
    call(extra, 1, *k);
    k = &t.key(seconds * 0.25f).move(root, 0, 0, 0.06f * depth).scale(root, 1.04f);
    call(extra, 2, *k);
    k = &t.key(seconds * 0.2f).ease_in(40);
    call(extra, 3, *k);
    return t;
}

Track &emerge_swoop(ModelBuilder &m, int root, float height, float seconds, const KeyOps &extra)
{
    Track &t = m.track("emerge").once();
    Key *k = &t.key(0.01f).move(root, 0, 0, height).scale(root, 0.2f).turn(root, 0, 0, -170);
    call(extra, 0, *k);
    k = &t.key(seconds * 0.5f).ease_out(40).move(root, 0, 0, 0.25f * height).scale(root, 0.8f).turn(root, 0, 0, -60);
    call(extra, 1, *k);
    k = &t.key(seconds * 0.3f).move(root, 0, 0, -0.05f * height).scale(root, 1.06f).turn(root, 0, 0, 8);
    call(extra, 2, *k);
    k = &t.key(seconds * 0.2f).ease_in(40);
    call(extra, 3, *k);
    return t;
}

Track &submerge_sink(ModelBuilder &m, int root, float depth, float seconds, const KeyOps &extra)
{
    Track &t = m.track("submerge").once();
    Key *k = &t.key(seconds * 0.25f).move(root, 0, 0, -0.08f * depth).scale(root, 1.0f, 1.0f, 0.85f);
    call(extra, 0, *k);
    k = &t.key(seconds * 0.75f).ease_out(60).move(root, 0, 0, -depth).scale(root, 0.7f);
    call(extra, 1, *k);
    return t;
}

Track &byebye_burst(ModelBuilder &m, int root, float turn, float drop, float seconds, const KeyOps &extra)
{
    Track &t = m.track("byebye").once();
    Key *k = &t.key(seconds * 0.25f).scale(root, 1.25f).turn(root, 0, 0, turn * 0.2f);
    call(extra, 0, *k);
    k = &t.key(seconds * 0.75f).ease_out(50).scale(root, 0.05f).move(root, 0, 0, -drop).turn(root, 0, 0, turn);
    call(extra, 1, *k);
    return t;
}

Track &mutate_pop(ModelBuilder &m, int root, float from_scale, const KeyOps &extra)
{
    Track &t = m.track("mutate").once();
    Key *k = &t.key(0.01f).scale(root, from_scale);
    call(extra, 0, *k);
    k = &t.key(0.28f).ease_out(30).scale(root, 1.18f);
    call(extra, 1, *k);
    k = &t.key(0.14f).scale(root, 0.94f);
    call(extra, 2, *k);
    k = &t.key(0.14f).ease_in(40);
    call(extra, 3, *k);
    return t;
}

Track &hitbounce_recoil(ModelBuilder &m, int bone, float pitch, float lift, const KeyOps &extra)
{
    Track &t = m.track("hitbounce", bone).once();
    Key *k = &t.key(0.05f).turn(bone, pitch, 0, 0).move(bone, 0, 0, lift);
    call(extra, 0, *k);
    k = &t.key(0.17f).ease_in(40);
    call(extra, 1, *k);
    return t;
}

Track &spin_loop(ModelBuilder &m, const char *name, int bone, int axis, float seconds)
{
    Track &t = m.track(name, bone).loop();
    for (int q = 1; q <= 4; q++) {
        float a = 90.0f * (float)q;
        t.key(seconds * 0.25f).turn(bone, axis == 0 ? a : 0, axis == 1 ? a : 0, axis == 2 ? a : 0);
    }
    return t;
}

}  // namespace enemy_kit
