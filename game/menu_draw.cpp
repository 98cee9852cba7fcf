// menu_draw.cpp -- drawing the menu pages: the fade-in of their letters, the pulsing
// highlight, the footer hints, the pictures behind pages 9 to 11 and the end-of-loop page.

#include "game/menu.h"
#include "game/menu_local.h"

#include "core/mt.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/highscore.h"
#include "game/settings.h"
#include "platform/input.h"
#include "render/font.h"
#include "render/title.h"

#include <cstdio>

constexpr int MENU_TWINKLE_START = 60;     // frames over which the letters of a page appear
constexpr int MENU_TWINKLE_DONE = 128;     // a timer this high has finished
constexpr int MENU_TWINKLE_MIN_STEP = 3;
constexpr int MENU_TWINKLE_MAX_STEP = 18;
constexpr int MENU_FRAMES_MAX = 855;
constexpr int MENU_HINT_FRAMES = 600;      // the main page's hints wait this long without a select
constexpr uint8_t MENU_KEY_WAIT_BLUE = 55;
constexpr uint32_t MENU_FOOTER_COLOUR = 0xff379bffu;   // (255, 155, 55, 255)
constexpr float MENU_FOOTER_Y = -11.8f;
constexpr float MENU_FOOTER_UPPER_Y = -10.3f;
constexpr float MENU_FOOTER_Z = -3.0f;

// Footer hint slots.
constexpr int TEXT_HINT_CHANGE = 17;
constexpr int TEXT_HINT_MOVE = 18;
constexpr int TEXT_HINT_CHOOSE = 19;
constexpr int TEXT_HINT_BIND = 20;
constexpr int TEXT_HINT_BIND_ROW = 21;
constexpr int TEXT_HINT_LETTER = 24;
constexpr int TEXT_HINT_CONFIRM = 25;
constexpr int TEXT_HINT_TABLES = 26;
constexpr int TEXT_BONUS = 0;
constexpr int TEXT_MULTIPLIER = 51;
constexpr int TEXT_GAME_TYPE = 31;

static uint32_t menu_pack(int r, int g, int b, int a)
{
    return (uint32_t)r | (uint32_t)g << 8 | (uint32_t)b << 16 | (uint32_t)a << 24;
}

// Starts and advances the fade-in timers: one per character drawn this frame.
static void menu_twinkle(void)
{
    int step = MENU_TWINKLE_MIN_STEP * g_frame_steps;
    step = step < MENU_TWINKLE_MIN_STEP ? MENU_TWINKLE_MIN_STEP : step > MENU_TWINKLE_MAX_STEP ? MENU_TWINKLE_MAX_STEP : step;
    const int r = MENU_TWINKLE_START - g_menu_frames;
    for (int32_t &t : g_twinkle) {
        if (t == 0) {
            // A character starts with chance 1/r, so the page has appeared after 60 frames.
            if (r < 2 || (((mt_draw_rand() & 0x7fff) * (uint32_t)r) >> 15) == 0) {
                t = 1;
            }
        } else if (t < MENU_TWINKLE_DONE) {
            t += step;
        }
    }
}

// The page's own text updates before it is drawn.
static void menu_page_texts(MenuItem *items)
{
    if (g_menu_page == MENU_PAGE_SCORES) {
        score_format_table(items, g_hs_first_row, g_hs_table);
        g_menu_item = 1;
    } else if (g_menu_page == MENU_PAGE_NAME) {
        g_menu_item = 1;
        const char *cursor = g_menu_cursor_on && (g_menu_blink & 16) ? "_" : "";
        snprintf(items[1].text, MENU_TEXT_SIZE, "> %s%s", g_name_buffer, cursor);
        score_format_blank(items[4].text);
    } else if (g_menu_page == MENU_PAGE_CONTROLS) {
        menu_fill_control_keys();
    }
}

// The three pulse values, brightened so the strongest is 255; returns the boost.
static int menu_pulse(int v[3])
{
    static const int add[3] = {3, 5, 7};
    int m = 0;
    for (int i = 0; i < 3; i++) {
        g_menu_pulse[i] += add[i];
        v[i] = (g_menu_pulse[i] >> 1) & 511;
        if (v[i] > 255) {
            v[i] = 511 - v[i];
        }
        m = v[i] > m ? v[i] : m;
    }
    int boost = 255 - m;
    for (int i = 0; i < 3; i++) {
        v[i] += boost;
    }
    return boost;
}

// Draws one line of the page and takes its timers.
static void menu_draw_line(const float pos[3], uint32_t colour, const char *text, int *used)
{
    *used += g_glyph_sink.string(pos, colour, text, g_twinkle + *used, MENU_TWINKLE_COUNT - *used);
}

static void menu_draw_rows(MenuItem *items, int count, const int v[3], int boost, int *used)
{
    for (int i = 0; i < count; i++) {
        MenuItem &m = items[i];
        float pos[3] = {m.x, m.y, m.z};
        uint32_t colour = menu_pack(m.r, m.g, m.b, m.a);
        if (i != g_menu_item) {
            m.draw_w = 0;
        }
        if (i == g_menu_item && g_menu_page != MENU_PAGE_SCORES) {
            if (g_key_wait) {
                colour = menu_pack(m.r, m.g, MENU_KEY_WAIT_BLUE, m.a);
            } else {
                pos[2] = m.z + 0.5f;
                colour = menu_pack(boost, 255, boost, 255);
            }
        } else if (g_menu_page == MENU_PAGE_SCORES && i >= 3) {
            // The table lines pulse and darken down the page.
            colour = menu_pack(v[0] * (count - i) / count, v[1] * (count - i) / count, v[2] * (count - i) / count, m.a);
        }
        m.draw_x = pos[0];
        m.draw_y = pos[1];
        m.draw_z = pos[2];
        menu_draw_line(pos, colour, m.text, used);
    }
}

static void menu_footer(int slot, float y, int *used)
{
    const float pos[3] = {0.0f, y, MENU_FOOTER_Z};
    menu_draw_line(pos, MENU_FOOTER_COLOUR, menu_text(slot), used);
}

static void menu_footers(int count, int *used)
{
    const float y = MENU_FOOTER_Y;
    switch (g_menu_page) {
    case MENU_PAGE_VIDEO:
    case MENU_PAGE_SOUND:
        menu_footer(TEXT_HINT_CHANGE, y, used);
        break;
    case MENU_PAGE_TYPE:
    case MENU_PAGE_STAGE:
    case MENU_PAGE_SHIPS:
        menu_footer(TEXT_HINT_CHANGE, MENU_FOOTER_UPPER_Y, used);
        menu_footer(TEXT_HINT_CONFIRM, y, used);
        break;
    case MENU_PAGE_CONTROLS:
        if (g_menu_item == 1 || g_menu_item >= count - 2) {
            menu_footer(TEXT_HINT_CHANGE, y, used);
        } else {
            menu_footer(TEXT_HINT_BIND, y, used);
            menu_footer(TEXT_HINT_BIND_ROW, y - 1.0f, used);
        }
        break;
    case MENU_PAGE_NAME:
        menu_footer(TEXT_HINT_LETTER, y, used);
        menu_footer(TEXT_HINT_CHOOSE, y - 1.0f, used);
        break;
    case MENU_PAGE_SCORES:
        menu_footer(TEXT_HINT_TABLES, MENU_FOOTER_UPPER_Y, used);
        menu_footer(TEXT_HINT_MOVE, -11.3f, used);
        menu_footer(TEXT_HINT_CONFIRM, -12.8f, used);
        break;
    case MENU_PAGE_MAIN:
        if (g_menu_frames <= MENU_HINT_FRAMES) {
            break;
        }
        [[fallthrough]];
    case MENU_PAGE_SETTINGS:
        menu_footer(TEXT_HINT_MOVE, y, used);
        menu_footer(TEXT_HINT_CHOOSE, y - 1.0f, used);
        break;
    default:
        break;
    }
}

void menu_draw(void)
{
    int count = 0;
    MenuItem *items = menu_page(g_menu_page, &count);
    font_bind();
    menu_twinkle();
    g_menu_blink = (g_menu_blink + 1) & 255;
    if (items) {
        menu_page_texts(items);
    }
    int v[3];
    int boost = menu_pulse(v);
    int used = 0;
    if (items) {
        menu_draw_rows(items, count, v, boost, &used);
    }
    if (g_menu_frames < MENU_FRAMES_MAX) {
        g_menu_frames++;
    }
    menu_footers(count, &used);
    if (g_menu_page != MENU_PAGE_NAME && g_menu_page != MENU_PAGE_LAUNCH && g_menu_page != MENU_PAGE_FINISHED &&
        g_menu_page != MENU_PAGE_LOOP) {
        const float pointer[3] = {g_menu_pointer[0], g_menu_pointer[1], g_menu_pointer_z};
        menu_draw_cursor(pointer);
    }
}

void menu_draw_page_models(void)
{
    if (g_menu_page == MENU_PAGE_TYPE) {
        menu_draw_belt(0, g_game_type, 0);
        // The open game types pulse; the locked ones are drawn faint.
        for (int i = 0; i < MENU_GAME_TYPES; i++) {
            menu_draw_belt(i, (float)i, i < menu_types_open() ? 2 : 1);
        }
        menu_draw_arrows(1);
    } else if (g_menu_page == MENU_PAGE_STAGE) {
        menu_draw_arrows(1);
    } else if (g_menu_page == MENU_PAGE_SHIPS) {
        menu_draw_ship_picture(g_render_modelnum1, g_render_modelhue1, 0);
        if (g_two_player) {
            menu_draw_ship_picture(g_render_modelnum2, g_render_modelhue2, 1);
            menu_draw_arrows(2);
            menu_draw_arrows(3);
        } else {
            menu_draw_arrows(0);
        }
    }
}

void menu_end_page(void)
{
    if (g_finished) {
        int count = 0;
        MenuItem *items = menu_page(MENU_PAGE_FINISHED, &count);
        int type = g_wrap_count < 0 ? 0 : g_wrap_count > 7 ? 7 : g_wrap_count;
        snprintf(items[1].text, MENU_TEXT_SIZE, "%s", menu_text(TEXT_GAME_TYPE + type));
        menu_item_colour(items, 1, type);
        if (g_wrap_steps < 1) {
            snprintf(items[3].text, MENU_TEXT_SIZE, " ");
        } else {
            snprintf(items[3].text, MENU_TEXT_SIZE, "+ %s x%d %s", menu_text(TEXT_BONUS), g_wrap_steps,
                     menu_text(TEXT_MULTIPLIER));
        }
    }
    int page = g_finished ? MENU_PAGE_FINISHED : MENU_PAGE_LOOP;
    if (g_menu_page != page) {
        menu_set_page(page);
    }
    g_menu_item = -1;
    menu_draw();
    g_menu_item = 0;
}
