// menu_pointer.cpp -- the menus' mouse pointer: it highlights the row under it, and its
// clicks change the values that pages 9, 10 and 11 show as pictures.

#include "game/menu.h"
#include "game/menu_local.h"

#include "game/gameinfo.h"
#include "game/settings.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "render/font.h"

#include <cstring>


// An open interval test.
static int menu_inside(float v, float lo, float hi)
{
    return v > lo && v < hi;
}

// Rows the pointer never highlights.
static int menu_hover_excluded(int page, int row)
{
    int type = (int)g_player_input[g_controls_player].input_type;
    switch (page) {
    case MENU_PAGE_SCORES:
    case MENU_PAGE_NAME:
    case MENU_PAGE_LAUNCH:
    case MENU_PAGE_FINISHED:
    case MENU_PAGE_LOOP:
        return 1;
    case MENU_PAGE_VIDEO:
        return row == 2 && g_render_fullscreen == 0.0f;
    case MENU_PAGE_CONTROLS:
        return (type == 1 && row >= 6 && row <= 9) || (type == 2 && row == 13);
    case MENU_PAGE_TYPE:
    case MENU_PAGE_STAGE:
        return row >= 3;
    default:
        return 0;
    }
}

static int menu_hover(MenuItem *items, int count, float px, float py)
{
    int hit = 0;
    for (int i = 1; i < count; i++) {
        if (menu_hover_excluded(g_menu_page, i)) {
            continue;
        }
        float width = GLYPH_ADVANCE * (float)strnlen(items[i].text, MENU_TEXT_SIZE);
        float left = items[i].x == 0.0f ? -width / 2.0f : items[i].x;
        if (menu_inside(py, items[i].y - 1.01f, items[i].y + 0.01f) && menu_inside(px, left, left + width)) {
            g_menu_item = i;
            hit = 1;
        }
    }
    return hit;
}

// The two arrows beside a picture: -1 left, +1 right, 0 neither.
static int menu_arrow(float px, float py)
{
    if (!menu_inside(py, -1.0f, 0.7f)) {
        return 0;
    }
    return menu_inside(px, -7.5f, -3.5f) ? -1 : menu_inside(px, 3.0f, 7.0f) ? 1 : 0;
}

static int menu_wrap_step(int v, int step, int lo, int hi)
{
    v += step;
    return v < lo ? hi : v > hi ? lo : v;
}

static void menu_click_type(float px, float py)
{
    // A click on a locked belt, like one on a stage not yet open, chooses nothing.
    if (menu_inside(py, -2.9f, -1.3f) && menu_inside(px, -13.0f, 13.0f)) {
        int n = (int)((px + 13.0f) * (float)MENU_GAME_TYPES / 26.0f);
        if (n < menu_types_open()) {
            g_game_type = (float)n;
        }
        g_pointer_click |= MENU_CLICK_ZONE;
    } else if (int step = menu_arrow(px, py)) {
        g_game_type = (float)menu_wrap_step((int)g_game_type, step, 0, menu_types_open() - 1);
        g_pointer_click |= MENU_CLICK_ZONE;
    }
}

static void menu_click_stage(float px, float py)
{
    if (menu_inside(py, -2.5f, -1.1f) && menu_inside(px, -12.0f, 12.0f)) {
        int n = (int)((px + 12.0f) * 9.0f / 24.0f) + 1;
        if (n <= g_stage_count) {
            g_start_stage = (float)n;
        }
        g_pointer_click |= MENU_CLICK_ZONE;
    } else if (int step = menu_arrow(px, py)) {
        g_start_stage = (float)menu_wrap_step((int)g_start_stage, step, 1, g_stage_count);
        g_pointer_click |= MENU_CLICK_ZONE;
    }
}

// The arrows of the ships page step the model (row 1) or the hue (row 2).
static void menu_click_ships(float px, float py)
{
    if (!menu_inside(py, -1.625f, 0.075f)) {
        return;
    }
    int dir = 0;   // settings_wrap_models direction: -1, +1 player 1; -2, +2 player 2
    if (g_two_player) {
        dir = menu_inside(px, -11.0f, -7.0f) ? -1
              : menu_inside(px, -3.0f, -0.1f) ? 1
              : menu_inside(px, 0.1f, 3.0f)   ? -2
              : menu_inside(px, 7.0f, 11.0f)  ? 2
                                              : 0;
    } else {
        dir = menu_inside(px, -7.5f, -3.5f) ? -1 : menu_inside(px, 3.0f, 7.0f) ? 1 : 0;
    }
    if (!dir || (g_menu_item != 1 && g_menu_item != 2)) {
        return;
    }
    int model = g_menu_item == 1;
    float *value = dir == -1 || dir == 1 ? (model ? &g_render_modelnum1 : &g_render_modelhue1)
                                         : (model ? &g_render_modelnum2 : &g_render_modelhue2);
    *value += dir > 0 ? 1.0f : -1.0f;
    g_pointer_click |= MENU_CLICK_ZONE;
    settings_wrap_models(model ? dir : 0);
}

void menu_update_items(MenuItem *items, int count)
{
    const float px = g_menu_pointer[0];
    const float py = g_menu_pointer[1];
    const int buttons = g_menu_click;
    const int before = g_menu_item;
    int hit = menu_hover(items, count, px, py);
    if (buttons) {
        g_pointer_click |= MENU_CLICK_BUTTON;
    }
    if ((buttons & 1) && !g_pointer_prev_buttons) {
        if (g_menu_page == MENU_PAGE_TYPE || g_menu_page == MENU_PAGE_STAGE) {
            if (!hit) {
                g_menu_item = 1;
            }
            if (g_menu_page == MENU_PAGE_TYPE) {
                menu_click_type(px, py);
            } else {
                menu_click_stage(px, py);
            }
        } else if (g_menu_page == MENU_PAGE_SHIPS) {
            menu_click_ships(px, py);
        }
    }
    if (g_menu_item != before) {
        sound_play_named(SOUND_MENU_UPDOWN);
    }
}
