// glyph_recorder.h -- stands in for the glyph drawer: every line of text the HUD and the
// menus send is recorded with its position and colour, and no GL is needed.
#pragma once

#include "render/font.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace glyphs {

struct Draw {
    std::string text;
    float x, y, z;
    float r, g, b, a;        // the current colour for a line of text; the string's colour unpacked
    int timers_offered;      // glyph_draw_string: timers it was given (-1 for a line of text)
    int timers_taken;
};

inline std::vector<Draw> &draws()
{
    static std::vector<Draw> list;
    return list;
}

inline float *current()
{
    static float c[4];
    return c;
}

inline void colour(float r, float g, float b, float a)
{
    float *c = current();
    c[0] = r;
    c[1] = g;
    c[2] = b;
    c[3] = a;
}

inline void text(float x, float y, float z, const char *t)
{
    const float *c = current();
    draws().push_back({t, x, y, z, c[0], c[1], c[2], c[3], -1, 0});
}

// Takes one timer per character above a blank, as the glyph drawer does.
inline int string(const float pos[3], uint32_t rgba, const char *t, int32_t *timers, int count)
{
    int taken = 0;
    for (const char *p = t; *p && timers; p++) {
        if ((unsigned char)*p > 32 && taken < count) {
            taken++;
        }
    }
    draws().push_back({t, pos[0], pos[1], pos[2], (float)(rgba & 0xff), (float)(rgba >> 8 & 0xff),
                       (float)(rgba >> 16 & 0xff), (float)(rgba >> 24), count, taken});
    return taken;
}

inline void install()
{
    draws().clear();
    g_glyph_sink = GlyphSink{colour, text, string};
}

inline void restore()
{
    g_glyph_sink = GLYPH_SINK_DEFAULT;
}

// The last draw whose text is t, or null.
inline const Draw *find(const std::string &t)
{
    for (auto it = draws().rbegin(); it != draws().rend(); ++it) {
        if (it->text == t) {
            return &*it;
        }
    }
    return nullptr;
}

inline int count(const std::string &t)
{
    int n = 0;
    for (const Draw &d : draws()) {
        n += d.text == t;
    }
    return n;
}

} // namespace glyphs
