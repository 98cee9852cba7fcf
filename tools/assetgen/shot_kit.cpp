// shot_kit.cpp -- the bitmaps, paints and shot tracks the ships, shots and missiles share.

#include "assetgen/shot_kit.h"

#include "assetgen/model_bitmaps.h"

#include <algorithm>
#include <cmath>

namespace {

ImageRgb draw_panel(int)
{
    return bitmap_panel(64, 2, 224, 0x5a17);
}

ImageRgb draw_white(int)
{
    return bitmap_fill(8, 0xffffff);
}

ImageRgb draw_strip(int)
{
    return bitmap_strip(32, 0xffffff);
}

ImageRgb draw_glow(int)
{
    return bitmap_glow(64, 0xffffff, 0x909090, 1.2f, 0, 0);
}

// A hot glow that flickers over eight frames: the core swells and four spikes turn.
ImageRgb hot_glow(int frame, uint32_t core, uint32_t edge)
{
    float swell = 1.0f + 0.4f * (float)((frame * 3) % 8) / 7.0f;
    return bitmap_glow(32, core, edge, swell, 4, 11.25f * (float)frame);
}

ImageRgb draw_glow_orange(int f)
{
    return hot_glow(f, 0xfff4c8, 0xff6a10);
}

ImageRgb draw_glow_red(int f)
{
    return hot_glow(f, 0xffe8d8, 0xff2418);
}

ImageRgb draw_glow_magenta(int f)
{
    return hot_glow(f, 0xffe4fa, 0xff1cb4);
}

ImageRgb draw_glow_violet(int f)
{
    return hot_glow(f, 0xf4e8ff, 0xb03cff);
}

ImageRgb draw_glow_yellow(int f)
{
    return hot_glow(f, 0xfffff0, 0xffb400);
}

// Forked sparks from the middle: four jagged arcs, different every frame.
ImageRgb draw_crackle(int frame)
{
    const int side = 64;
    ImageRgb img = bitmap_glow(side, 0x603090, 0x180828, 2.5f, 0, 0);
    uint32_t seed = 0x9e37u + (uint32_t)frame * 7919u;
    auto rnd = [&seed]() {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        return (float)(seed >> 8) * (1.0f / 16777216.0f);
    };
    for (int arc = 0; arc < 4; arc++) {
        float a = (float)arc * 1.5708f + rnd() * 1.2f;
        float x = side * 0.5f, y = side * 0.5f;
        for (int step = 0; step < 11; step++) {
            a += (rnd() - 0.5f) * 1.4f;
            float nx = x + std::cos(a) * 2.6f, ny = y + std::sin(a) * 2.6f;
            for (int k = 0; k < 6; k++) {
                float t = (float)k / 6.0f;
                int px = (int)(x + (nx - x) * t), py = (int)(y + (ny - y) * t);
                for (int oy = -1; oy <= 1; oy++) {
                    for (int ox = -1; ox <= 1; ox++) {
                        int qx = px + ox, qy = py + oy;
                        if (qx < 1 || qy < 1 || qx >= side - 1 || qy >= side - 1) {
                            continue;
                        }
                        float w = (ox == 0 && oy == 0) ? 1.0f : 0.35f;
                        float fade = 1.0f - (float)step / 12.0f;
                        uint8_t *p = img.at(qx, qy);
                        const float c[3] = {245, 215, 255};
                        for (int ch = 0; ch < 3; ch++) {
                            p[ch] = (uint8_t)std::min(255.0f, (float)p[ch] + c[ch] * w * fade);
                        }
                    }
                }
            }
            x = nx;
            y = ny;
        }
    }
    return img;
}

}  // namespace

const Bitmap KIT_PANEL = {"ship_panel", 0, draw_panel, nullptr};
const Bitmap KIT_WHITE = {"shot_white", 0, draw_white, nullptr};
const Bitmap KIT_STRIP = {"shot_trail", 0, draw_strip, nullptr};
const Bitmap KIT_GLOW = {"shot_glow", 0, draw_glow, nullptr};
const Bitmap KIT_GLOW_ORANGE = {"shot_glow_orange", 8, draw_glow_orange, nullptr};
const Bitmap KIT_GLOW_RED = {"shot_glow_red", 8, draw_glow_red, nullptr};
const Bitmap KIT_GLOW_MAGENTA = {"shot_glow_magenta", 8, draw_glow_magenta, nullptr};
const Bitmap KIT_GLOW_VIOLET = {"shot_glow_violet", 8, draw_glow_violet, nullptr};
const Bitmap KIT_GLOW_YELLOW = {"shot_glow_yellow", 8, draw_glow_yellow, nullptr};
const Bitmap KIT_CRACKLE = {"shot_crackle", 8, draw_crackle, nullptr};

Paint kit_lit(const Bitmap *b, uint32_t colour)
{
    return paint_plate(b, colour);
}

Paint kit_radial(const Bitmap *b, uint32_t colour)
{
    return kit_lit(b, colour).lit(Lighting::Radial);
}

Paint kit_unlit(const Bitmap *b, uint32_t colour)
{
    return paint_light(b, colour);
}

Paint kit_glow(const Bitmap *b, uint32_t colour, float frames_per_tick)
{
    Paint p = paint_glow(b, colour);
    p.anim_speed = frames_per_tick;
    return p;
}

Track &kit_flight(ModelBuilder &m, float speed, float seconds, float beat, const std::function<void(Key &, int)> &pose)
{
    Track &fly = m.track("fire").once();
    fly.key(0.01f);
    int keys = std::max(1, (int)lroundf(seconds / beat));
    for (int k = 1; k <= keys; k++) {
        Key &key = fly.key(beat).forward(speed * beat * 100.0f);
        pose(key, k);
    }
    return fly;
}

Track &kit_die(ModelBuilder &m, std::initializer_list<int> bones, float flare, float seconds)
{
    Track &die = m.track("die").once();
    Key &burst = die.key(0.05f);
    Key &gone = die.key(std::max(0.02f, seconds - 0.05f)).ease_in(30);
    for (int b : bones) {
        burst.scale(b, flare);
        gone.scale(b, 0.02f);
    }
    return die;
}
