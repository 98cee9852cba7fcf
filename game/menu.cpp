// menu.cpp -- the menu pages: their rows and places, the menu state, menu_start and the
// player colour table.

#include "game/menu.h"
#include "game/menu_local.h"

#include "core/con.h"
#include "game/highscore.h"
#include "platform/input.h"
#include "platform/zwin.h"
#include "render/font.h"

#include <cstdio>
#include <cstring>

int g_menu_choice;
int g_menu_page;
int g_menu_item = 1;
int g_menu_frames;
float g_start_stage = 1.0f;
int g_stage_count = 1;
int g_type_reach;
int g_hs_first_row;
int g_hs_table;
char g_name_buffer[MENU_NAME_SIZE];
int g_name_length;

int32_t g_twinkle[MENU_TWINKLE_COUNT];
int32_t g_menu_pulse[3];
int g_menu_blink;
int g_menu_cursor_on;
int g_key_wait;
int g_controls_player;
int32_t g_key_seen;
int g_name_letter;
float g_menu_prev_axes[3];
int g_menu_prev_select;
int g_select_after_page;
int32_t g_bound_held;
int g_pointer_moved;
int g_pointer_click;
int g_pointer_prev_buttons;
float g_menu_pointer_z;
MenuVideoSnapshot g_video_snapshot;

const MenuCalls MENU_CALLS_DEFAULT = {zwin_set_gamma, zwin_open_url, score_insert};
MenuCalls g_menu_calls = MENU_CALLS_DEFAULT;

const uint8_t g_player_colours[8][4] = {
    {255, 255, 255, 255}, {255, 255, 5, 255}, {255, 155, 5, 255}, {15, 200, 15, 255},
    {180, 5, 255, 255},   {55, 105, 255, 255}, {125, 50, 5, 255}, {9, 9, 18, 255},
};

constexpr float MENU_Z = 6.0f;                         // rows lie here unless a page says otherwise
constexpr uint8_t MENU_WHITE[4] = {255, 255, 255, 255};
constexpr uint8_t MENU_PICTURE_TEXT[4] = {96, 192, 192, 255};   // names and numbers under the pictures
constexpr uint8_t MENU_SCALE[4] = {48, 96, 0, 100};            // the stage scale behind the choosable part
constexpr uint8_t MENU_BONUS[4] = {255, 55, 0, 255};
// The controls page's label rows: as far left as a 5:4 screen shows the first letter at
// the languages' text depth (the highlight a little nearer), so a label and the longest default binding fit beside it.
constexpr float MENU_CONTROLS_X = -16.0f;

static constexpr MenuItem menu_row(float x, float y, float z, const uint8_t colour[4], const char *text = "")
{
    MenuItem m{};
    m.x = x;
    m.y = y;
    m.z = z;
    m.r = colour[0];
    m.g = colour[1];
    m.b = colour[2];
    m.a = colour[3];
    for (int i = 0; i < MENU_TEXT_SIZE - 1 && text[i]; i++) {
        m.text[i] = text[i];
    }
    return m;
}

static MenuItem menu_page0[] = {
    menu_row(-11, 1.5f, MENU_Z, MENU_TITLE), menu_row(-11, 0, MENU_Z, MENU_PLAIN),
    menu_row(-11, -1, MENU_Z, MENU_PLAIN),   menu_row(-11, -2, MENU_Z, MENU_PLAIN),
    menu_row(-11, -3, MENU_Z, MENU_PLAIN),   menu_row(-11, -4, MENU_Z, MENU_PLAIN),
    menu_row(-11, -5, MENU_Z, MENU_PLAIN),   menu_row(-11, -7.5f, MENU_Z, MENU_PLAIN),
};
static MenuItem menu_page1[] = {
    menu_row(-11, -0.5f, MENU_Z, MENU_TITLE), menu_row(-11, -2, MENU_Z, MENU_LIT),
    menu_row(-11, -3, MENU_Z, MENU_PLAIN),    menu_row(-11, -4, MENU_Z, MENU_PLAIN),
    menu_row(-11, -5, MENU_Z, MENU_PLAIN),    menu_row(-11, -6, MENU_Z, MENU_PLAIN),
    menu_row(-11, -7.3f, MENU_Z, MENU_PLAIN),
};
static MenuItem menu_page2[] = {
    menu_row(-11, 4.5f, MENU_Z, MENU_TITLE),    menu_row(-12.5f, 3, MENU_Z, MENU_PLAIN),
    menu_row(-12.5f, 2, MENU_Z, MENU_PLAIN),    menu_row(-12.5f, 1, MENU_Z, MENU_PLAIN),
    menu_row(-12.5f, 0, MENU_Z, MENU_PLAIN),    menu_row(-12.5f, -1, MENU_Z, MENU_PLAIN),
    menu_row(-12.5f, -2, MENU_Z, MENU_PLAIN),   menu_row(-12.5f, -3, MENU_Z, MENU_PLAIN),
    menu_row(-12.5f, -4, MENU_Z, MENU_PLAIN),   menu_row(-12.5f, -5, MENU_Z, MENU_PLAIN),
    menu_row(-12.5f, -6, MENU_Z, MENU_PLAIN),   menu_row(-11, -7.3f, MENU_Z, MENU_PLAIN),
};
static MenuItem menu_page3[] = {
    menu_row(-11, -3.5f, MENU_Z, MENU_TITLE), menu_row(-11, -5, MENU_Z, MENU_PLAIN),
    menu_row(-11, -6, MENU_Z, MENU_PLAIN),    menu_row(-11, -7.3f, MENU_Z, MENU_PLAIN),
};
static MenuItem menu_page4[] = {
    menu_row(-7, -5, MENU_Z, MENU_TITLE),
    menu_row(-7, -6, MENU_Z, MENU_PLAIN),
    menu_row(-7, -7.3f, MENU_Z, MENU_PLAIN),
};
static MenuItem menu_page5[] = {
    menu_row(-11, 6.5f, MENU_Z, MENU_TITLE), menu_row(-12, 4.75f, 5.5f, MENU_PLAIN),
    menu_row(-15.5f, 3.25f, 0, MENU_TITLE),  menu_row(-15.5f, 2, 0, MENU_PLAIN),
    menu_row(-15.5f, 1, 0, MENU_PLAIN),      menu_row(-15.5f, 0, 0, MENU_PLAIN),
    menu_row(-15.5f, -1, 0, MENU_PLAIN),     menu_row(-15.5f, -2, 0, MENU_PLAIN),
    menu_row(-15.5f, -3, 0, MENU_PLAIN),     menu_row(-15.5f, -4, 0, MENU_PLAIN),
    menu_row(-15.5f, -5, 0, MENU_PLAIN),     menu_row(-15.5f, -6, 0, MENU_PLAIN),
    menu_row(-15.5f, -7, 0, MENU_PLAIN),
};
static MenuItem menu_page6[] = {
    menu_row(-11, 0, MENU_Z, MENU_TITLE),      menu_row(-11, -2.5f, MENU_Z, MENU_PLAIN),
    menu_row(-11, -1.5f, MENU_Z, MENU_PLAIN),  menu_row(-15.5f, -5.5f, 0, MENU_PLAIN),
    menu_row(-15.5f, -6.5f, 0, MENU_PLAIN),    menu_row(-11, -6.7f, MENU_Z, MENU_PLAIN),
};
static MenuItem menu_page7[] = {
    menu_row(-11, 4, MENU_Z, MENU_TITLE),
    menu_row(0, -0.25f, 12, MENU_PLAIN),
};
static MenuItem menu_page8[] = {
    menu_row(0, 9, 0, MENU_TITLE),        menu_row(0, 7.5f, 0, MENU_LIT),
    menu_row(MENU_CONTROLS_X, 6, 0, MENU_PLAIN),      menu_row(MENU_CONTROLS_X, 5, 0, MENU_PLAIN),
    menu_row(MENU_CONTROLS_X, 4, 0, MENU_PLAIN),      menu_row(MENU_CONTROLS_X, 3, 0, MENU_PLAIN),
    menu_row(MENU_CONTROLS_X, 1.5f, 0, MENU_PLAIN),   menu_row(MENU_CONTROLS_X, 0.5f, 0, MENU_PLAIN),
    menu_row(MENU_CONTROLS_X, -0.5f, 0, MENU_PLAIN),  menu_row(MENU_CONTROLS_X, -1.5f, 0, MENU_PLAIN),
    menu_row(MENU_CONTROLS_X, -3, 0, MENU_PLAIN),     menu_row(MENU_CONTROLS_X, -4.5f, 0, MENU_PLAIN),
    menu_row(MENU_CONTROLS_X, -5.5f, 0, MENU_PLAIN),  menu_row(MENU_CONTROLS_X, -7, 0, MENU_LIT),
    menu_row(0, -8.3f, 0, MENU_PLAIN),
};
static MenuItem menu_page9[] = {
    menu_row(0, 4, MENU_Z, MENU_TITLE),
    menu_row(0, 2.5f, MENU_Z, MENU_PLAIN),
    menu_row(-11, -5.5f, MENU_Z, MENU_PLAIN),
    menu_row(0, -2.875f, 12, MENU_PICTURE_TEXT),
};
static MenuItem menu_page10[] = {
    menu_row(0, 4, MENU_Z, MENU_TITLE),
    menu_row(0, 2.5f, MENU_Z, MENU_PLAIN),
    menu_row(-11, -5.5f, MENU_Z, MENU_PLAIN),
    menu_row(0, -0.22f, 24, MENU_PICTURE_TEXT),
    menu_row(0, -1.5f, MENU_Z, MENU_SCALE, "1 10 20 30 40 50 60 70 80"),
    menu_row(0, -1.5f, MENU_Z, MENU_PLAIN),
};
static MenuItem menu_page11[] = {
    menu_row(0, 4, MENU_Z, MENU_TITLE),
    menu_row(0, 2.5f, MENU_Z, MENU_PLAIN),
    menu_row(0, -3.5f, MENU_Z, MENU_PLAIN),
    menu_row(-11, -5.5f, MENU_Z, MENU_PLAIN),
};
static MenuItem menu_page12[] = {
    menu_row(0, 3, MENU_Z, MENU_WHITE),
    menu_row(0, -4.5f, MENU_Z, MENU_WHITE),
    menu_row(0, -7.3f, MENU_Z, MENU_WHITE),
    menu_row(0, -5.75f, MENU_Z, MENU_BONUS),
};
static MenuItem menu_page13[] = {
    menu_row(0, -4, MENU_Z, MENU_WHITE),
    menu_row(0, -5, MENU_Z, MENU_WHITE),
    menu_row(0, -6, MENU_Z, MENU_WHITE),
};

struct MenuPageEntry {
    MenuItem *items;
    int count;
};

#define MENU_PAGE_ENTRY(rows) {rows, (int)(sizeof(rows) / sizeof(rows[0]))}
static const MenuPageEntry menu_pages[MENU_PAGE_COUNT] = {
    MENU_PAGE_ENTRY(menu_page0),  MENU_PAGE_ENTRY(menu_page1),  MENU_PAGE_ENTRY(menu_page2),
    MENU_PAGE_ENTRY(menu_page3),  MENU_PAGE_ENTRY(menu_page4),  MENU_PAGE_ENTRY(menu_page5),
    MENU_PAGE_ENTRY(menu_page6),  MENU_PAGE_ENTRY(menu_page7),  MENU_PAGE_ENTRY(menu_page8),
    MENU_PAGE_ENTRY(menu_page9),  MENU_PAGE_ENTRY(menu_page10), MENU_PAGE_ENTRY(menu_page11),
    MENU_PAGE_ENTRY(menu_page12), MENU_PAGE_ENTRY(menu_page13),
};
#undef MENU_PAGE_ENTRY

MenuItem *menu_page(int page, int *count)
{
    if (page < 0 || page >= MENU_PAGE_COUNT) {
        if (count) {
            *count = 0;
        }
        return nullptr;
    }
    if (count) {
        *count = menu_pages[page].count;
    }
    return menu_pages[page].items;
}

static int menu_clamp_colour(int i)
{
    return i < 0 ? 0 : i > 7 ? 7 : i;
}

void menu_player_colour(int i)
{
    const uint8_t *c = g_player_colours[menu_clamp_colour(i)];
    g_glyph_sink.colour(c[0] / 255.0f, c[1] / 255.0f, c[2] / 255.0f, c[3] / 255.0f);
}

void menu_item_colour(MenuItem *items, int row, int i)
{
    const uint8_t *c = g_player_colours[menu_clamp_colour(i)];
    items[row].r = c[0];
    items[row].g = c[1];
    items[row].b = c[2];
}

void menu_fill_words(int v)
{
    for (int32_t &t : g_twinkle) {
        t = v;
    }
}

void menu_write_at(char *row, int column, const char *value)
{
    if (column < 0 || column >= MENU_TEXT_SIZE - 1) {
        return;
    }
    int len = (int)strnlen(row, MENU_TEXT_SIZE - 1);
    for (int i = len; i < column; i++) {
        row[i] = ' ';
    }
    snprintf(row + column, (size_t)(MENU_TEXT_SIZE - column), "%s", value);
}

void menu_set_page(int page)
{
    g_menu_page = page;
    con_printf("[submenu] page %d", page);
}

int menu_types_open(void)
{
    return g_type_reach < 0 ? 1 : g_type_reach >= MENU_GAME_TYPES ? MENU_GAME_TYPES : g_type_reach + 1;
}

int menu_bind_set(float input_type)
{
    int type = (int)input_type;
    return type == 0 ? 1 : type == 1 ? 2 : 0;
}

void menu_start(int mode)
{
    int page = mode == MENU_START_PAUSE   ? MENU_PAGE_PAUSE
               : mode == MENU_START_NAME  ? MENU_PAGE_NAME
               : mode == MENU_START_SCORES ? MENU_PAGE_SCORES
                                          : MENU_PAGE_MAIN;
    menu_set_page(page);
    g_menu_choice = 0;
    for (float &a : g_menu_prev_axes) {
        a = 1.0f;
    }
    // A key still held from before the page opened is not a new press.
    g_menu_prev_select = 1;
    g_menu_item = 1;
    g_key_wait = 0;
    g_controls_player = 0;
    g_menu_frames = 0;
    g_hs_first_row = 0;
    g_hs_table = 0;
    g_name_letter = 0;
    g_name_length = 0;
    g_name_buffer[0] = '\0';
    g_pointer_prev_buttons = 1;
    g_pointer_moved = 0;
    g_select_after_page = 0;
    g_bound_held = 0;
    if (mode == MENU_START_NAME && g_input_frame) {
        g_key_seen = g_input_frame->last_code;
    }
    menu_fill_words(0);
    g_last_page = g_menu_page;
}

void menu_init(void)
{
    menu_init_languages();
    menu_parse_text();
    score_init();
    menu_start(MENU_START_MAIN);
}
