// fonts.h -- the font pages: four 256 x 256 pages of 8 x 8 cells holding the character
// codes 32 + 64p .. 95 + 64p (page p), character c in column c & 7 and row
// ((c - 32) & 63) >> 3 from the top; a colour page and a mask page each.
#pragma once

#include "assetgen/bytes.h"
#include "assetgen/formats.h"

#include <string>

constexpr int FONT_PAGES = 4;
constexpr int FONT_CELL = 32;

struct FontPage {
    ImageRgb colour;
    ImageGrey mask;
};

// Whether a Latin-1 code gets a glyph (printable ASCII and 161..255).
bool font_code_has_glyph(int code);
// The four pages rendered from the font file (once per process), or null with the
// reason in error.
const FontPage *font_pages(const char *font_path, std::string *error);
// The BMP files of one page (0..3); empty when the font cannot be rendered.
Bytes font_page_colour_bmp(const char *font_path, int page);
Bytes font_page_mask_bmp(const char *font_path, int page);
