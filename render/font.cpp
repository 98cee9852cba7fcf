// font.cpp -- the font pages and glyph drawing.

#include "render/font.h"

void title_load_fonts(void)
{
}

void font_bind(void)
{
}
