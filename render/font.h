// font.h -- glyphs and fonts: the four font pages, the HUD texture and the cursor.
#pragma once

#include <cstdint>

// Loads the font pages, the HUD texture and the cursor (level set-up, restart, return
// to the front end).
void title_load_fonts(void);

struct TextureRecord;

constexpr int FONT_PAGES = 4;   // page p holds the character codes 32 + 64p .. 95 + 64p
// The font pages (null until title_load_fonts) and the page whose texture is bound for
// the quad run in progress.
extern TextureRecord *g_font_pages[FONT_PAGES];
extern int g_font_page;
// The pen: where the next glyph goes, the edge of its square and the advance.
struct GlyphPen {
    float x, y, z;
    float size;
    float width;
};
extern GlyphPen g_glyph_pen;
// What the text drawing takes from the chosen language: the language's depth number,
// taken off every menu z (set by the menus' text module), and the language setting's
// value buffer (console "language", default "en", registered by init_console_vars), whose
// font pages are loaded.
extern float g_menu_text_depth;
extern char *g_language;
// One glyph at the pen inside an open quad run: upright on the overlay plane, or flat on
// the floor reading from the camera's side. Codes 32 or less move the pen only.
void glyph_draw_char(uint8_t c);
void glyph_draw_char_3d(uint8_t c);
// Opens a quad run on the current page, binding it again when something else was bound
// since the page was made current. 0 (no run opened) when the pages have no texture.
int glyph_begin_run(void);
// Binds font page 0 before a run of text.
void font_bind(void);

// The upright lines' glyph square and the pen's advance per character, blanks included.
constexpr float GLYPH_SIZE = 1.0f;
constexpr float GLYPH_ADVANCE = 0.9f;
// Where a line of upright text starts: x, or for an x of exactly 0 the start that centres
// the line (its characters counted, trailing blanks too) on 0. Glyph k then spans
// start + k x GLYPH_ADVANCE to that plus GLYPH_SIZE.
float glyph_line_start(float x, const char *text);
// A line of upright text on the overlay plane in the current colour: glyph size 1,
// advance 0.9; an x of exactly 0 centres the line on 0. Bytes are Latin-1.
void glyph_draw_text(float x, float y, float z, const char *text);
// A line of upright text in colour (packed RGBA, red in the low byte) with an appearance
// timer per drawn character (blanks take none): timers may be null; at most timer_count
// of them are taken, later characters draw fully. pos z is lowered by the language's text
// depth. Returns the number of timers taken.
int glyph_draw_string(const float pos[3], uint32_t colour, const char *text, int32_t *timers, int timer_count);

// Where the HUD and the menus send their text and its colour: the glyph drawer by
// default. Tests put recorders here to read text, position and colour without GL.
struct GlyphSink {
    void (*colour)(float r, float g, float b, float a);   // the current colour (zgl_color4f)
    void (*text)(float x, float y, float z, const char *text);
    int (*string)(const float pos[3], uint32_t colour, const char *text, int32_t *timers, int timer_count);
};
extern GlyphSink g_glyph_sink;
extern const GlyphSink GLYPH_SINK_DEFAULT;
