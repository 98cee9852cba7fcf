// font.cpp -- the font pages and glyph drawing.

#include "render/font.h"

#include "render/zgl.h"

const GlyphSink GLYPH_SINK_DEFAULT = {zgl_color4f, glyph_draw_text, glyph_draw_string};
GlyphSink g_glyph_sink = GLYPH_SINK_DEFAULT;

void title_load_fonts(void)
{
}

void font_bind(void)
{
}

void glyph_draw_text(float x, float y, float z, const char *text)
{
    (void)x;
    (void)y;
    (void)z;
    (void)text;
}

int glyph_draw_string(const float pos[3], uint32_t colour, const char *text, int32_t *timers, int timer_count)
{
    (void)pos;
    (void)colour;
    (void)text;
    (void)timers;
    (void)timer_count;
    return 0;
}
