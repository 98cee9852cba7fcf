// scorepop_draw.cpp -- how one floating score number looks: its value in glyphs lying flat
// over the place of the kill, fading once its life is 1 or less.

#include "render/footprint.h"

#include "core/lang.h"
#include "core/shell.h"
#include "render/font.h"
#include "render/zgl.h"

#include <GL/gl.h>
#include <cstdio>

constexpr uint32_t SCOREPOP_FADE_STEP = 6;      // alpha lost per logic step once fading
constexpr float SCOREPOP_FULL_SIZE = 2.5f;
constexpr float SCOREPOP_FADE_SIZE = 1.5f;      // plus the life left
constexpr int SCOREPOP_ZERO_TEXT = 0;           // language text shown for a value below 1

void scorepop_draw_one(ScorePop *pop)
{
    if (!pop) {
        return;
    }
    float size = SCOREPOP_FULL_SIZE;
    if (pop->life <= 1.0f) {
        // Still while paused (no steps); stops at transparent instead of wrapping round.
        const int steps = g_frame_steps > 0 ? g_frame_steps : 0;
        const uint32_t drop = SCOREPOP_FADE_STEP * (uint32_t)(steps < 256 ? steps : 256);
        const uint32_t alpha = pop->colour >> 24;
        pop->colour = (pop->colour & 0x00ffffffu) | (alpha > drop ? alpha - drop : 0u) << 24;
        size = pop->life + SCOREPOP_FADE_SIZE;
    }
    zgl_color_rgba(pop->colour);
    char number[16];
    const char *text = number;
    if (pop->value >= 1) {
        snprintf(number, sizeof(number), "%d", pop->value);
    } else {
        text = menu_text(SCOREPOP_ZERO_TEXT);
    }
    g_glyph_pen.x = pop->x - size * 0.5f;
    g_glyph_pen.y = pop->y;
    g_glyph_pen.z = pop->z;
    g_glyph_pen.size = size;
    g_glyph_pen.width = size * 0.9f;
    if (!glyph_begin_run()) {
        return;
    }
    for (const char *s = text; *s; s++) {
        glyph_draw_char_3d((uint8_t)*s);
    }
    glEnd();
}
