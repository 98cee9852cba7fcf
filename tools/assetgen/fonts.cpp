// fonts.cpp -- the font pages: Latin-1 glyphs rasterised with FreeType into four 8 x 8
// grids of 32-pixel cells, a white colour page with a soft shade and a mask page that
// adds a dark outline, so text reads over any part of the arena.

#include "assetgen/fonts.h"

#include <algorithm>
#include <cmath>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

constexpr int CELL = 32;               // pixels a cell side
constexpr int GRID = 8;                // cells a page side
constexpr int PAGE = CELL * GRID;      // pixels a page side
constexpr int INNER_LO = 2;            // glyph pixels stay inside [2, 29] of a cell: the outline
constexpr int INNER_HI = CELL - 3;     // takes one more, and the outer ring stays empty for filtering
constexpr float GLYPH_WIDEN = 1.35f;   // horizontal stretch of the monospaced face

struct RenderedPages {
    bool done = false;
    std::string error;
    FontPage pages[FONT_PAGES];
};

// Coverage of one cell (0..255), rows from the top.
bool render_glyph(FT_Face face, int code, int baseline, uint8_t cell[CELL][CELL])
{
    for (int y = 0; y < CELL; y++) {
        for (int x = 0; x < CELL; x++) {
            cell[y][x] = 0;
        }
    }
    FT_UInt index = FT_Get_Char_Index(face, (FT_ULong)code);
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0) {
        return false;
    }
    FT_GlyphSlot g = face->glyph;
    const FT_Bitmap &bm = g->bitmap;
    int advance = (int)(g->advance.x >> 6);
    int left = (CELL - advance) / 2 + g->bitmap_left;
    int top = baseline - g->bitmap_top;
    bool any = false;
    for (unsigned r = 0; r < bm.rows; r++) {
        for (unsigned c = 0; c < bm.width; c++) {
            int x = left + (int)c;
            int y = top + (int)r;
            if (x < INNER_LO || x > INNER_HI || y < INNER_LO || y > INNER_HI) {
                continue;
            }
            uint8_t v = bm.buffer[(int)r * bm.pitch + (int)c];
            cell[y][x] = v;
            any = any || v > 0;
        }
    }
    return any;
}

void render_all(RenderedPages &out, const char *font_path)
{
    FT_Library lib;
    if (FT_Init_FreeType(&lib) != 0) {
        out.error = "FreeType does not start";
        return;
    }
    FT_Face face;
    if (FT_New_Face(lib, font_path, 0, &face) != 0) {
        out.error = std::string("cannot open the font ") + font_path;
        FT_Done_FreeType(lib);
        return;
    }
    // The largest size whose ascender and descender fit the cell's inner rows. The
    // game advances its pen by 0.9 of a cell whatever the character, so the glyphs are
    // widened to fill that advance rather than stand apart.
    int px = INNER_HI - INNER_LO + 1;
    int ascender = 0;
    for (; px > 8; px--) {
        FT_Set_Pixel_Sizes(face, (FT_UInt)std::lround(px * GLYPH_WIDEN), (FT_UInt)px);
        ascender = (int)(face->size->metrics.ascender >> 6);
        int descender = (int)(-face->size->metrics.descender >> 6);
        if (ascender + descender <= INNER_HI - INNER_LO + 1) {
            break;
        }
    }
    int baseline = INNER_LO + ascender;
    for (int p = 0; p < FONT_PAGES; p++) {
        FontPage &page = out.pages[p];
        page.colour = ImageRgb(PAGE, PAGE);
        page.mask = ImageGrey(PAGE, PAGE);
        for (int slot = 0; slot < GRID * GRID; slot++) {
            int code = 32 + 64 * p + slot;
            if (!font_code_has_glyph(code)) {
                continue;
            }
            uint8_t cell[CELL][CELL];
            if (!render_glyph(face, code, baseline, cell)) {
                continue;
            }
            int cx = (code & 7) * CELL;
            int cy = (slot >> 3) * CELL;
            for (int y = 0; y < CELL; y++) {
                for (int x = 0; x < CELL; x++) {
                    float cover = cell[y][x] / 255.0f;
                    // The outline: the strongest neighbour, diagonals a little weaker.
                    float around = 0.0f;
                    for (int dy = -1; dy <= 1; dy++) {
                        for (int dx = -1; dx <= 1; dx++) {
                            int yy = y + dy;
                            int xx = x + dx;
                            if (yy < 0 || yy >= CELL || xx < 0 || xx >= CELL) {
                                continue;
                            }
                            float w = (dx != 0 && dy != 0) ? 0.7f : 1.0f;
                            around = std::max(around, w * cell[yy][xx] / 255.0f);
                        }
                    }
                    float alpha = std::max(cover, 0.8f * around);
                    // White at the top of the cell shading to a warm light grey below.
                    float shade = 1.0f - 0.22f * (float)y / CELL;
                    uint8_t *rgb = page.colour.at(cx + x, cy + y);
                    rgb[0] = (uint8_t)std::lround(255.0f * cover * shade);
                    rgb[1] = (uint8_t)std::lround(255.0f * cover * (shade - 0.02f * (float)y / CELL));
                    rgb[2] = (uint8_t)std::lround(255.0f * cover * (shade - 0.06f * (float)y / CELL));
                    page.mask.at(cx + x, cy + y) = (uint8_t)std::lround(255.0f * alpha);
                }
            }
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    out.done = true;
}

RenderedPages &rendered(const char *font_path)
{
    static RenderedPages pages;
    static bool tried = false;
    if (!tried) {
        tried = true;
        render_all(pages, font_path);
    }
    return pages;
}

}  // namespace

bool font_code_has_glyph(int code)
{
    // Blank, delete, the C1 control range and the no-break space draw nothing.
    return (code > 32 && code < 127) || (code > 160 && code <= 255);
}

const FontPage *font_pages(const char *font_path, std::string *error)
{
    RenderedPages &r = rendered(font_path);
    if (!r.done) {
        if (error) {
            *error = r.error;
        }
        return nullptr;
    }
    return r.pages;
}

Bytes font_page_colour_bmp(const char *font_path, int page)
{
    const FontPage *pages = font_pages(font_path, nullptr);
    if (!pages || page < 0 || page >= FONT_PAGES) {
        return {};
    }
    return bmp_write_24(pages[page].colour);
}

Bytes font_page_mask_bmp(const char *font_path, int page)
{
    const FontPage *pages = font_pages(font_path, nullptr);
    if (!pages || page < 0 || page >= FONT_PAGES) {
        return {};
    }
    return bmp_write_grey(pages[page].mask);
}
