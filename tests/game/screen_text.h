// screen_text.h -- where recorded lines of text land on the screen: the ink of every
// character, read from the generated font's mask pages, laid out as the glyph drawer
// lays a line, and projected through the view of the overlay plane for a window of a
// given shape. The menu and HUD layout tests ask of it whether a letter leaves the
// screen or two lines cover each other.
#pragma once

#include "core/file.h"
#include "core/mem.h"
#include "render/font.h"
#include "render/zgl.h"
#include "tests/game/glyph_recorder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace screen_text {

// The part of a glyph's square its mask covers, in glyph units from the square's lower
// left corner; none for a character without ink.
struct Ink {
    bool any = false;
    float x0 = 1.0f, x1 = 0.0f, y0 = 1.0f, y1 = 0.0f;
};

using InkTable = std::array<Ink, 256>;

// The ink of every character from the English mask pages of the generated menu folder
// (every language draws with them); false when a page does not load.
inline bool load_ink(InkTable *table)
{
    constexpr int CELLS = 8;   // a page is 8 x 8 cells
    for (int page = 0; page < FONT_PAGES; page++) {
        const std::string path = std::string(GLIMMERFALL_ASSETS) + "/menu/font_en_" + std::to_string(page + 1) + "m.bmp";
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        int w = 0, h = 0, channels = 1;
        uint8_t *mask = file_decode_bmp(bytes.data(), (int)bytes.size(), "font mask", &w, &h, &channels);
        if (!mask) {
            return false;
        }
        const int cell_w = w / CELLS;
        const int cell_h = h / CELLS;
        for (int slot = 0; slot < 64; slot++) {
            const int c = 32 + 64 * page + slot;
            if (c > 255) {
                break;   // the last page's cells beyond the byte codes stay empty
            }
            const int column = c & 7;
            const int row = slot >> 3;   // from the top, as the glyph drawer's texture coordinates
            Ink ink;
            for (int y = 0; y < cell_h; y++) {
                // Decoded rows run from the picture's bottom, as the texture's v does.
                const int mem_row = h - 1 - (row * cell_h + y);
                for (int x = 0; x < cell_w; x++) {
                    if (mask[(size_t)mem_row * (size_t)w + (size_t)(column * cell_w + x)] == 0) {
                        continue;
                    }
                    const float gx0 = (float)x / (float)cell_w, gx1 = (float)(x + 1) / (float)cell_w;
                    const float gy1 = 1.0f - (float)y / (float)cell_h, gy0 = 1.0f - (float)(y + 1) / (float)cell_h;
                    ink.any = true;
                    ink.x0 = std::min(ink.x0, gx0);
                    ink.x1 = std::max(ink.x1, gx1);
                    ink.y0 = std::min(ink.y0, gy0);
                    ink.y1 = std::max(ink.y1, gy1);
                }
            }
            (*table)[(size_t)c] = ink;
        }
        mem_free(mask);
    }
    return true;
}

constexpr float SCREEN_MARGIN = 0.98f;

// A rectangle of normalised screen coordinates: -1..1 across and up the window.
struct Box {
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    bool empty() const { return x0 > x1; }
    void add(float x, float y)
    {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    }
    // Inside the screen with a margin of 2% of its half width and height: a letter that
    // touches the edge reads as cut.
    bool inside_screen() const
    {
        const float m = SCREEN_MARGIN;
        return empty() || (x0 >= -m && x1 <= m && y0 >= -m && y1 <= m);
    }
    bool overlaps(const Box &o) const
    {
        return !empty() && !o.empty() && x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1;
    }
};

// A point of the overlay space (z already lowered by the text depth for menu strings)
// in normalised screen coordinates of a window of this aspect (width / height), through
// the projection of g_fov degrees.
inline void project(float x, float y, float z, float aspect, float *sx, float *sy)
{
    const float f = 1.0f / std::tan(g_fov * 0.5f * (float)M_PI / 180.0f);
    const float distance = -(z + ZGL_OVERLAY_Z);
    *sx = x * f / aspect / distance;
    *sy = y * f / distance;
}

// A rectangle of the overlay plane at height z on the screen.
inline Box project_rect(float x0, float y0, float x1, float y1, float z, float aspect)
{
    Box b;
    float sx, sy;
    project(x0, y0, z, aspect, &sx, &sy);
    b.add(sx, sy);
    project(x1, y1, z, aspect, &sx, &sy);
    b.add(sx, sy);
    return b;
}

// The screen box of a line's ink: the pen from glyph_line_start, one GLYPH_ADVANCE per
// character, each character's ink inside its square at height z.
inline Box line_box(const InkTable &ink, float x, float y, float z, const std::string &text, float aspect)
{
    Box b;
    float pen = glyph_line_start(x, text.c_str());
    for (unsigned char c : text) {
        const Ink &k = ink[c];
        if (c > 32 && k.any) {
            Box g = project_rect(pen + k.x0 * GLYPH_SIZE, y + k.y0 * GLYPH_SIZE, pen + k.x1 * GLYPH_SIZE,
                                 y + k.y1 * GLYPH_SIZE, z, aspect);
            b.add(g.x0, g.y0);
            b.add(g.x1, g.y1);
        }
        pen += GLYPH_ADVANCE;
    }
    return b;
}

// The screen box of a recorded draw; menu strings (timers_offered >= 0) lie the text
// depth further back, as glyph_draw_string puts them.
inline Box draw_box(const InkTable &ink, const glyphs::Draw &d, float depth, float aspect)
{
    const float z = d.timers_offered >= 0 ? d.z - depth : d.z;
    return line_box(ink, d.x, d.y, z, d.text, aspect);
}

// The two window shapes the mode table offers that are narrowest: 4:3 and 5:4.
struct Aspect {
    const char *name;
    float value;
};
constexpr Aspect ASPECTS[] = {{"4:3", 4.0f / 3.0f}, {"5:4", 5.0f / 4.0f}};

inline std::string describe(const Box &b)
{
    char s[128];
    snprintf(s, sizeof(s), "x %.3f..%.3f y %.3f..%.3f", (double)b.x0, (double)b.x1, (double)b.y0, (double)b.y1);
    return s;
}

} // namespace screen_text
