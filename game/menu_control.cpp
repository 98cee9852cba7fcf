// menu_control.cpp -- one tick of the menus: the highlight, the settings the pages show,
// the way from page to page, the high-score name entry and the result for the frame.

#include "game/menu.h"
#include "game/menu_local.h"

#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/highscore.h"
#include "game/level_driver.h"
#include "game/lifecycle.h"
#include "game/settings.h"
#include "platform/bind.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/zwin.h"

#include <cstdarg>
#include <cstdio>

constexpr float MENU_POINTER_MIN_X = -15.0f;
constexpr float MENU_POINTER_MAX_X = 14.0f;
constexpr float MENU_POINTER_MIN_Y = -11.5f;
constexpr float MENU_POINTER_MAX_Y = 10.25f;
constexpr float MENU_POINTER_REST_X = -9.0f;   // where input_reset leaves the pointer
constexpr float MENU_POINTER_REST_Y = 2.0f;
constexpr float MENU_FADE_FLOOR = 0.1f;        // the title scene stays this bright behind the sub-pages
constexpr float MENU_FADE_STEP = 0.06f;
constexpr float MENU_RATE_VIDEO = 0.002f;      // continuous values per tick at full deflection
constexpr float MENU_RATE_SOUND = 0.0005f;
constexpr float MENU_RATE_CONTROLS = 0.002f;
constexpr float MENU_DEADZONE_MIN = 0.1f;
constexpr float MENU_DEADZONE_MAX = 0.901f;
constexpr float MENU_MOUSE_SPEED_MIN = 0.01f;
constexpr int MENU_LETTERS = 36;               // A..Z and 0..9; letter 36 is "delete"
constexpr int MENU_NAME_LETTERS = 3;
constexpr int MENU_HS_LAST_FIRST_ROW = 10;     // ten lines of twenty rows
constexpr int MENU_HS_TABLES = 16;
constexpr int MENU_MAX_STAGES = 9;
constexpr int MENU_SCALE_WIDTH = 25;           // the full stage scale "1 10 20 ... 80"
constexpr int MENU_FIRST_LEVEL = 101;
constexpr int MENU_WHICH_SCORES = 1;           // zwin_open_url pages
constexpr int MENU_WHICH_HELP = 8;
constexpr int MENU_PAGE_SELECT_REST = 50;      // ticks select must rest after a web page opened (the key repeat's delay)

// Language text slots the values show.
constexpr int TEXT_DEADZONE = 1;
constexpr int TEXT_MOUSE_SPEED = 2;
constexpr int TEXT_ON = 5;
constexpr int TEXT_OFF = 6;
constexpr int TEXT_16_BIT = 7;
constexpr int TEXT_32_BIT = 8;
constexpr int TEXT_TRILINEAR = 9;
constexpr int TEXT_BILINEAR = 10;
constexpr int TEXT_DEVICE = 11;                // 11, 12, 13: input types 0, 1, 2
constexpr int TEXT_DETAIL = 27;                // 27 .. 30: background detail 0 .. 3
constexpr int TEXT_GAME_TYPE = 31;             // 31 .. 38

// What the input of one tick did: edges are -1, 0 or +1.
struct MenuTick {
    float horizontal;          // player 1, right - left
    int vertical_edge;         // +1 down to the next row
    int horizontal_edge;
    int horizontal2_edge;      // player 2
    int select_edge;
    int select;
    int mouse_down;
    int stepped;               // a value of pages 8 .. 11 was stepped
};

static int menu_edge(float value, float previous)
{
    return value != 0.0f && previous == 0.0f ? (value > 0.0f ? 1 : -1) : 0;
}

static float menu_clampf(float v, float lo, float hi)
{
    return v < lo ? lo : v > hi ? hi : v;
}

static int menu_wrap(int v, int lo, int hi)
{
    return v < lo ? hi : v > hi ? lo : v;
}

// Writes a formatted value into a row after its label column.
static void menu_value(MenuItem *item, int column, const char *fmt, ...) __attribute__((format(printf, 3, 4)));
static void menu_value(MenuItem *item, int column, const char *fmt, ...)
{
    char value[MENU_TEXT_SIZE];
    va_list args;
    va_start(args, fmt);
    vsnprintf(value, sizeof(value), fmt, args);
    va_end(args);
    menu_write_at(item->text, column, value);
}

static void menu_percent(MenuItem *item, int column, float v)
{
    menu_value(item, column, "%d%%", (int)(v * 100.0f));
}

static void menu_go(int page)
{
    menu_set_page(page);
    g_menu_item = 1;
}

// ---- values (each tick on its page) ----

static void menu_video_values(MenuItem *items, const MenuTick &t)
{
    const int row = g_menu_item;
    const int step = t.horizontal_edge;
    const int column = g_label_columns[MENU_COLUMN_VIDEO];
    if (step && row == 1) {
        g_render_resolution += (float)step;
    }
    int width = 0;
    int height = 0;
    zwin_clamp_mode(&width, &height);
    menu_value(&items[1], column, "%dx%d", width, height);

    if (step && row == 2 && g_render_fullscreen != 0.0f) {
        g_render_colourdepth += (float)step;
        if (g_render_colourdepth < 1.0f) {
            g_render_colourdepth = 2.0f;
        } else if (g_render_colourdepth > 2.0f) {
            g_render_colourdepth = 1.0f;
        }
    }
    menu_value(&items[2], column, "%s", menu_text(g_render_colourdepth == 1.0f ? TEXT_16_BIT : TEXT_32_BIT));
    const uint8_t grey = 50;
    items[2].r = g_render_fullscreen == 0.0f ? grey : MENU_PLAIN[0];
    items[2].g = g_render_fullscreen == 0.0f ? grey : MENU_PLAIN[1];
    items[2].b = g_render_fullscreen == 0.0f ? grey : MENU_PLAIN[2];

    if (step && row == 3) {
        g_render_fullscreen = 1.0f - g_render_fullscreen;
    }
    menu_value(&items[3], column, "%s", menu_text(g_render_fullscreen != 0.0f ? TEXT_ON : TEXT_OFF));
    if (step && row == 4) {
        g_render_sync = g_render_sync != 0.0f ? 0.0f : 1.0f;
    }
    menu_value(&items[4], column, "%s", menu_text(g_render_sync != 0.0f ? TEXT_ON : TEXT_OFF));
    if (step && row == 5) {
        g_render_16bittexture = g_render_16bittexture != 0.0f ? 0.0f : 1.0f;
    }
    menu_value(&items[5], column, "%s", menu_text(g_render_16bittexture != 0.0f ? TEXT_16_BIT : TEXT_32_BIT));
    if (step && row == 6) {
        g_render_trilinear = g_render_trilinear != 0.0f ? 0.0f : 1.0f;
    }
    menu_value(&items[6], column, "%s", menu_text(g_render_trilinear != 0.0f ? TEXT_TRILINEAR : TEXT_BILINEAR));
    if (step && row == 7) {
        g_render_backgroundgfx = (float)menu_wrap((int)g_render_backgroundgfx + step, 0, 3);
    }
    int detail = (int)g_render_backgroundgfx;
    menu_value(&items[7], column, "%s", menu_text(detail == 0 ? TEXT_DETAIL : detail == 1 ? TEXT_DETAIL + 1
                                                                    : detail == 3 ? TEXT_DETAIL + 3
                                                                                  : TEXT_DETAIL + 2));

    const float dx = t.horizontal;
    if (row == 8) {
        g_render_particles = menu_clampf(g_render_particles + dx * MENU_RATE_VIDEO, 0.25f, 1.0f);
    }
    menu_percent(&items[8], column, g_render_particles);
    if (row == 9) {
        g_render_brightness = menu_clampf(g_render_brightness + dx * MENU_RATE_VIDEO, 0.0f, 1.0f);
        if (dx != 0.0f) {
            g_menu_calls.set_gamma();
        }
    }
    menu_percent(&items[9], column, g_render_brightness);
    if (row == 10) {
        g_render_biggcrosshair = menu_clampf(g_render_biggcrosshair + dx * MENU_RATE_VIDEO, 0.25f, 1.0f);
    }
    if (g_render_biggcrosshair <= 0.25f) {
        menu_value(&items[10], column, "%s", menu_text(TEXT_OFF));
    } else {
        menu_percent(&items[10], column, g_render_biggcrosshair);
    }
}

static void menu_sound_values(MenuItem *items, const MenuTick &t)
{
    const int column = g_label_columns[MENU_COLUMN_SOUND];
    float *volumes[2] = {&g_sound_sfxvol, &g_sound_menuvol};
    for (int i = 0; i < 2; i++) {
        if (g_menu_item == i + 1) {
            *volumes[i] = menu_clampf(*volumes[i] + t.horizontal * MENU_RATE_SOUND, 0.75f, 1.0f);
        }
        menu_value(&items[i + 1], column, "%d%%", (int)((*volumes[i] - 0.75f) * 400.0f));
    }
}

static void menu_controls_values(MenuItem *items, MenuTick &t)
{
    const int row = g_menu_item;
    PlayerInput &in = g_player_input[g_controls_player];
    if (row == 1 || row == 13) {
        g_key_wait = 0;
    }
    if (row == 1 && t.horizontal_edge) {
        // Player 2 steps by 2, so it alternates between the sticks and is never offered the mouse.
        int type = (int)in.input_type + t.horizontal_edge * (g_controls_player == 0 ? 1 : 2);
        in.input_type = (float)(type < 0 ? 2 : type > 2 ? 0 : type);
        t.stepped = 1;
    }
    int type = (int)in.input_type;
    int device = type < 0 ? 0 : type > 2 ? 2 : type;
    menu_value(&items[1], g_label_columns[MENU_COLUMN_DEVICE], "%s", menu_text(TEXT_DEVICE + device));

    char *text = items[13].text;
    if (type == 0) {
        if (row == 13) {
            in.joystick_deadzone = menu_clampf(in.joystick_deadzone + t.horizontal * MENU_RATE_CONTROLS,
                                               MENU_DEADZONE_MIN, MENU_DEADZONE_MAX);
        }
        snprintf(text, MENU_TEXT_SIZE, "%s%d%%", menu_text(TEXT_DEADZONE), (int)(in.joystick_deadzone * 100.0f));
    } else if (type == 1) {
        if (row == 13) {
            g_mouse_speed = g_mouse_speed + t.horizontal * MENU_RATE_CONTROLS;
            if (g_mouse_speed < MENU_MOUSE_SPEED_MIN) {
                g_mouse_speed = MENU_MOUSE_SPEED_MIN;
            }
        }
        snprintf(text, MENU_TEXT_SIZE, "%s%4.2f", menu_text(TEXT_MOUSE_SPEED), g_mouse_speed);
    } else {
        snprintf(text, MENU_TEXT_SIZE, " ");
    }
}

// Page 10's choosable part of the stage scale: the first n numbers of "1 10 20 ... 80",
// padded with blanks to the scale's width so the two lines stand one over the other.
static void menu_stage_scale(char *text, int n)
{
    int len = 0;
    text[0] = '\0';
    for (int s = 1; s <= n && s <= MENU_MAX_STAGES; s++) {
        len += snprintf(text + len, (size_t)(MENU_TEXT_SIZE - len), s == 1 ? "1" : " %d", 10 * s - 10);
    }
    for (; len < MENU_SCALE_WIDTH; len++) {
        text[len] = ' ';
    }
    text[len] = '\0';
}

static void menu_stage_values(MenuItem *items, MenuTick &t)
{
    if (g_menu_item == 1 && t.horizontal_edge && !t.mouse_down) {
        g_start_stage = (float)menu_wrap((int)g_start_stage + t.horizontal_edge, 1, g_stage_count);
        t.stepped = 1;
    }
    for (int row = 3; row <= 5; row++) {
        menu_item_colour(items, row, (int)g_game_type);
    }
    int stage = (int)g_start_stage;
    snprintf(items[3].text, MENU_TEXT_SIZE, "%d", stage <= 1 ? 1 : 10 * stage - 10);
    menu_stage_scale(items[5].text, g_stage_count);
}

static void menu_ship_values(MenuTick &t)
{
    const int row = g_menu_item;
    if ((row == 1 || row == 2) && !t.mouse_down) {
        float *player1 = row == 1 ? &g_render_modelnum1 : &g_render_modelhue1;
        float *player2 = row == 1 ? &g_render_modelnum2 : &g_render_modelhue2;
        *player1 += (float)t.horizontal_edge;
        *player2 += (float)t.horizontal2_edge;
        t.stepped = t.horizontal_edge || t.horizontal2_edge;
    }
    if (t.horizontal_edge) {
        settings_wrap_models(t.horizontal_edge);
    } else if (t.horizontal2_edge) {
        settings_wrap_models(2 * t.horizontal2_edge);
    }
}

static void menu_values(MenuItem *items, MenuTick &t)
{
    switch (g_menu_page) {
    case MENU_PAGE_SETTINGS:
        if (g_menu_item == 1 && t.horizontal_edge) {
            g_language_num += (float)t.horizontal_edge;
            menu_parse_text();
        }
        break;
    case MENU_PAGE_VIDEO:
        menu_video_values(items, t);
        break;
    case MENU_PAGE_SOUND:
        menu_sound_values(items, t);
        break;
    case MENU_PAGE_SCORES:
        if (t.horizontal_edge) {
            g_hs_table = menu_wrap(g_hs_table + t.horizontal_edge, 0, MENU_HS_TABLES - 1);
        }
        g_menu_item = 1;
        score_format_table(items, g_hs_first_row, g_hs_table);
        break;
    case MENU_PAGE_CONTROLS:
        menu_controls_values(items, t);
        break;
    case MENU_PAGE_TYPE:
        if (g_menu_item == 1 && t.horizontal_edge && !t.mouse_down) {
            // Only the game types the level-reached tables opened can be chosen.
            g_game_type = (float)menu_wrap((int)g_game_type + t.horizontal_edge, 0, menu_types_open() - 1);
            t.stepped = 1;
        }
        snprintf(items[3].text, MENU_TEXT_SIZE, "%s", menu_text(TEXT_GAME_TYPE + (int)g_game_type));
        menu_item_colour(items, 3, (int)g_game_type);
        break;
    case MENU_PAGE_STAGE:
        menu_stage_values(items, t);
        break;
    case MENU_PAGE_SHIPS:
        menu_ship_values(t);
        break;
    default:
        break;
    }
}

// ---- rows that cannot be chosen ----

static void menu_vertical_step(int count, int dir)
{
    int row = g_menu_item + dir;
    int type = (int)g_player_input[g_controls_player].input_type;
    if (g_menu_page == MENU_PAGE_VIDEO && row == 2 && g_render_fullscreen == 0.0f) {
        row = dir > 0 ? 3 : 1;
    } else if (g_menu_page == MENU_PAGE_CONTROLS && type == 1 && row >= 6 && row <= 9) {
        row = dir > 0 ? 10 : 5;
    } else if (g_menu_page == MENU_PAGE_CONTROLS && type == 2 && row == 13) {
        row = dir > 0 ? 14 : 12;
    } else if (g_menu_page == MENU_PAGE_TYPE || g_menu_page == MENU_PAGE_STAGE) {
        row = row >= 3 ? 1 : row < 1 ? 2 : row;
    }
    g_menu_item = row >= count ? 1 : row < 1 ? count - 1 : row;
}

// ---- name entry ----

static void menu_name_letter(void)
{
    char *cursor = g_name_buffer + g_name_length;
    if (g_name_letter < 26) {
        cursor[0] = (char)('A' + g_name_letter);
        cursor[1] = '\0';
    } else if (g_name_letter < MENU_LETTERS) {
        cursor[0] = (char)('0' + g_name_letter - 26);
        cursor[1] = '\0';
    } else {
        snprintf(cursor, (size_t)(MENU_NAME_SIZE - g_name_length), "delete");
    }
}

// The letter before the cursor is taken back; the cursor stands on it.
static void menu_name_back(void)
{
    g_name_length = g_name_length > 0 ? g_name_length - 1 : 0;
    g_name_buffer[g_name_length + 1] = '\0';
}

// Returns 1 when the third letter stored the entry (the tick ends there).
static int menu_name_entry(const MenuTick &t)
{
    g_menu_cursor_on = 1;
    g_menu_item = 1;
    if (g_name_length >= MENU_NAME_LETTERS) {
        g_name_length = MENU_NAME_LETTERS - 1;
    }
    if (t.vertical_edge) {
        int top = g_name_length == 0 ? MENU_LETTERS - 1 : MENU_LETTERS;
        g_name_letter += t.vertical_edge;
        g_name_letter = g_name_letter > top ? 0 : g_name_letter < 0 ? top : g_name_letter;
    }
    menu_name_letter();

    int32_t code = g_input_frame ? g_input_frame->last_code : 0;
    if (code != g_key_seen) {
        g_key_seen = code;
        int c = code ? input_key_char(code) : 0;
        if (c < 0) {
            menu_name_back();
        } else if (c > 0) {
            g_name_buffer[g_name_length] = (char)c;
            g_name_buffer[g_name_length + 1] = '\0';
            g_name_length++;
        }
    }
    if (g_name_length < MENU_NAME_LETTERS && t.select_edge) {
        if (g_name_letter < MENU_LETTERS) {
            g_name_length++;
        } else {
            menu_name_back();
        }
    }
    if (g_name_length >= MENU_NAME_LETTERS) {
        g_menu_calls.score_insert(&g_hs_first_row, &g_hs_table);
        return 1;
    }
    return 0;
}

// ---- select ----

// Page 10 when two or more start stages are open, else straight to the ships from stage 1.
static void menu_open_stages(void)
{
    g_stage_count = level_reached_get();
    g_stage_count = g_stage_count < 1 ? 1 : g_stage_count > MENU_MAX_STAGES ? MENU_MAX_STAGES : g_stage_count;
    if (g_stage_count >= 2) {
        // A stage chosen for another table may not be open in this one.
        if ((int)g_start_stage < 1 || (int)g_start_stage > g_stage_count) {
            g_start_stage = 1.0f;
        }
        menu_go(MENU_PAGE_STAGE);
    } else {
        g_start_stage = 1.0f;
        menu_go(MENU_PAGE_SHIPS);
    }
}

static void menu_back_from_stages(void)
{
    menu_go(g_type_reach < 1 ? MENU_PAGE_MAIN : MENU_PAGE_TYPE);
}

// Opens a web page. In full screen that sets the video mode again and iconifies the
// window, which forgets the keys held for a moment: a Return still held would then come
// back as a new press and open the page twice. Select counts again once it was let go
// for MENU_PAGE_SELECT_REST ticks on end (a window that could not be iconified, with no
// activation to wait for, still takes select then).
static void menu_open_page(int which)
{
    g_menu_calls.open_url(which);
    g_select_after_page = MENU_PAGE_SELECT_REST;
}

static void menu_select(int count)
{
    const int row = g_menu_item;
    switch (g_menu_page) {
    case MENU_PAGE_MAIN:
        if (row == 1 || row == 2) {
            g_two_player = row - 1;
            g_type_reach = level_reached_count();
            if (g_type_reach > 0) {
                // A type chosen in the other half of the tables may be locked in this one.
                if ((int)g_game_type < 0 || (int)g_game_type >= menu_types_open()) {
                    g_game_type = 0.0f;
                }
                menu_go(MENU_PAGE_TYPE);
            } else {
                g_game_type = 0.0f;
                menu_open_stages();
            }
        } else if (row == 3) {
            g_hs_first_row = 0;
            g_hs_table = 0;
            menu_go(MENU_PAGE_SCORES);
        } else if (row == 4) {
            menu_open_page(MENU_WHICH_SCORES);
        } else if (row == 5) {
            menu_go(MENU_PAGE_SETTINGS);
        } else if (row == 6) {
            menu_open_page(MENU_WHICH_HELP);
        } else if (row == 7) {
            g_menu_choice = MENU_CHOICE_QUIT;
        }
        break;
    case MENU_PAGE_SETTINGS:
        if (row == 1) {
            g_language_num += 1.0f;
            menu_parse_text();
        } else if (row == 2) {
            g_video_snapshot = MenuVideoSnapshot{g_render_resolution, g_render_colourdepth, g_render_fullscreen,
                                                 g_render_16bittexture, g_render_trilinear};
            menu_go(MENU_PAGE_VIDEO);
        } else if (row == 3) {
            menu_go(MENU_PAGE_SOUND);
        } else if (row == 4 || row == 5) {
            g_controls_player = row - 4;
            g_key_wait = 0;
            menu_go(MENU_PAGE_CONTROLS);
        } else if (row == 6) {
            menu_go(MENU_PAGE_MAIN);
        }
        break;
    case MENU_PAGE_VIDEO:
        if (row == count - 1) {
            const MenuVideoSnapshot &s = g_video_snapshot;
            if (s.texture16 != g_render_16bittexture || s.trilinear != g_render_trilinear) {
                g_menu_choice = MENU_CHOICE_TEXTURES;
            }
            if (s.resolution != g_render_resolution || s.colourdepth != g_render_colourdepth ||
                s.fullscreen != g_render_fullscreen) {
                g_menu_choice = MENU_CHOICE_MODE;
            }
            menu_go(MENU_PAGE_SETTINGS);
        }
        break;
    case MENU_PAGE_SOUND:
        if (row == count - 1) {
            menu_go(MENU_PAGE_SETTINGS);
        }
        break;
    case MENU_PAGE_PAUSE:
        menu_fill_words(0);
        if (row == 1) {
            g_back_latch = 2;
        } else if (row == 2) {
            game_abandon();
            g_back_latch = 2;
        }
        break;
    case MENU_PAGE_SCORES:
        menu_go(MENU_PAGE_MAIN);
        break;
    case MENU_PAGE_NAME:
        if (g_menu_choice == 0) {
            g_hs_first_row = 0;
            g_hs_table = 0;
            menu_go(MENU_PAGE_SCORES);
        }
        break;
    case MENU_PAGE_CONTROLS:
        if (row >= 2 && row <= 12) {
            if (g_input_frame && (g_input_frame->keys & INPUT_KEY_SELECT)) {
                g_key_seen = g_input_frame->last_code;
                g_key_wait = 1;
            }
        } else if (row == count - 1) {
            menu_go(MENU_PAGE_SETTINGS);
        }
        break;
    case MENU_PAGE_TYPE:
        if (row == 1) {
            menu_open_stages();
        } else if (row == 2) {
            menu_go(MENU_PAGE_MAIN);
        }
        break;
    case MENU_PAGE_STAGE:
        if (row == 1) {
            menu_go(MENU_PAGE_SHIPS);
        } else if (row == 2) {
            menu_back_from_stages();
        }
        break;
    case MENU_PAGE_SHIPS:
        if (row == 1) {
            int stage = (int)g_start_stage;
            g_start_level = stage > 1 ? (float)(10 * stage + 90) : (float)MENU_FIRST_LEVEL;
            menu_go(MENU_PAGE_LAUNCH);
        } else if (row == 2) {
            g_menu_item = 1;
        } else if (row == 3) {
            if (g_stage_count < 2) {
                menu_back_from_stages();
            } else {
                menu_go(MENU_PAGE_STAGE);
            }
        }
        break;
    default:
        break;
    }
}

// ---- the tick ----

// What the controls page's key wait did this tick.
enum MenuBinding { MENU_BIND_NONE, MENU_BIND_WAITING, MENU_BIND_DONE };

// The controls page binds the next new input while it waits for a key; the rest of the
// menu's tick waits with it.
static MenuBinding menu_key_binding(void)
{
    if (!g_key_wait) {
        return MENU_BIND_NONE;
    }
    g_menu_prev_select = 1;
    int32_t code = g_input_frame ? g_input_frame->last_code : 0;
    if (g_menu_page == MENU_PAGE_CONTROLS && code != 0 && code != g_key_seen) {
        g_key_seen = code;
        input_menu_setting(menu_bind_set(g_player_input[g_controls_player].input_type), code, g_menu_item - 2,
                           g_controls_player);
        g_key_wait = 0;
        g_bound_held = code;
        return MENU_BIND_DONE;
    }
    return g_key_wait ? MENU_BIND_WAITING : MENU_BIND_NONE;
}

// The input just bound is still held while the samples report it as the last input: the
// ones taken before the binding show no move, the later ones may (Move up, an arrow), and
// neither is a step of the highlight. Returns 1 while it is held.
static int menu_bound_still_held(void)
{
    if (!g_bound_held) {
        return 0;
    }
    if (!g_input_frame || g_input_frame->last_code != g_bound_held) {
        g_bound_held = 0;
        return 0;
    }
    return 1;
}

static void menu_clamp_pointer(void)
{
    float x = g_menu_pointer[0];
    float y = g_menu_pointer[1];
    g_menu_pointer[0] = menu_clampf(x, MENU_POINTER_MIN_X, MENU_POINTER_MAX_X);
    g_menu_pointer[1] = menu_clampf(y, MENU_POINTER_MIN_Y, MENU_POINTER_MAX_Y);
    if (!g_pointer_moved) {
        g_pointer_moved = g_menu_pointer[0] != MENU_POINTER_REST_X || g_menu_pointer[1] != MENU_POINTER_REST_Y ||
                          g_menu_click != 0;
    }
}

static void menu_sounds(const MenuTick &t, int page, int row, int count)
{
    const int last = row == count - 1;
    const int value_pages = page >= MENU_PAGE_CONTROLS && page <= MENU_PAGE_SHIPS;
    const int quiet_horizontal = last || (value_pages && !t.stepped);
    const int quiet_select = (page == MENU_PAGE_CONTROLS || page == MENU_PAGE_VIDEO || page == MENU_PAGE_SOUND) && !last;
    if (t.select_edge && !quiet_select) {
        sound_play_named(SOUND_MENU_SELECT);
    }
    if (t.vertical_edge && page != MENU_PAGE_NAME) {
        sound_play_named(SOUND_MENU_UPDOWN);
    }
    const int horizontal_pages = page == MENU_PAGE_VIDEO || page == MENU_PAGE_SOUND || page == MENU_PAGE_SCORES ||
                                 (page >= MENU_PAGE_CONTROLS && page <= MENU_PAGE_SHIPS);
    // Player 2's horizontal value counts only on the ships page.
    const int horizontal = t.horizontal_edge || (page == MENU_PAGE_SHIPS && t.horizontal2_edge);
    if (horizontal && horizontal_pages && !quiet_horizontal) {
        sound_play_named(SOUND_MENU_LEFTRIGHT);
    }
}

void menu_control(void)
{
    int count = 0;
    MenuItem *items = menu_page(g_menu_page, &count);
    const int page_before = g_menu_page;
    const PlayerInput &p1 = g_player_input[0];

    menu_clamp_pointer();
    g_pointer_click = 0;
    g_menu_cursor_on = 0;
    g_menu_pointer_z = items ? items[0].z : 0.0f;
    if (g_pointer_moved && items) {
        menu_update_items(items, count);
    }
    g_pointer_prev_buttons = g_menu_click;

    MenuTick t{};
    t.horizontal = p1.move[1];
    t.vertical_edge = menu_edge(p1.move[0], g_menu_prev_axes[0]);
    t.horizontal_edge = menu_edge(p1.move[1], g_menu_prev_axes[1]);
    t.horizontal2_edge = menu_edge(g_player_input[1].move[1], g_menu_prev_axes[2]);
    // In play the fire keys (the arrows among them) reach the pause page as buttons: there
    // only the select bit (Return, the first mouse button) selects, so a player who pauses
    // while firing neither resumes nor abandons the game by it.
    t.select = g_menu_page == MENU_PAGE_PAUSE ? (p1.buttons & INPUT_BUTTON_SELECT) != 0 : p1.buttons != 0;
    t.select_edge = t.select && !g_menu_prev_select;
    if (g_select_after_page > 0) {
        g_select_after_page = t.select ? MENU_PAGE_SELECT_REST : g_select_after_page - 1;
        t.select_edge = 0;
    }
    t.mouse_down = g_menu_click != 0;

    if (items) {
        menu_values(items, t);
    }
    if (g_menu_page != MENU_PAGE_MAIN && g_menu_page != MENU_PAGE_PAUSE && g_fade > MENU_FADE_FLOOR) {
        g_fade -= MENU_FADE_STEP;
        if (g_fade < MENU_FADE_FLOOR) {
            g_fade = MENU_FADE_FLOOR;
        }
    }
    const MenuBinding binding = menu_key_binding();
    if (binding == MENU_BIND_WAITING) {
        return;
    }
    const int bound_held = menu_bound_still_held();
    if (bound_held) {
        t.vertical_edge = t.horizontal_edge = t.horizontal2_edge = 0;
        t.select_edge = 0;
    }

    if (t.vertical_edge) {
        if (g_menu_page == MENU_PAGE_SCORES) {
            g_hs_first_row += t.vertical_edge;
            g_hs_first_row = g_hs_first_row < 0 ? 0 : g_hs_first_row > MENU_HS_LAST_FIRST_ROW ? MENU_HS_LAST_FIRST_ROW
                                                                                            : g_hs_first_row;
        } else if (g_menu_page != MENU_PAGE_NAME && count > 0) {
            menu_vertical_step(count, t.vertical_edge);
        }
    }
    if (g_menu_page == MENU_PAGE_MAIN && items) {
        // The title picture stands where the title row would be.
        snprintf(items[0].text, MENU_TEXT_SIZE, " ");
    }
    const int sound_page = g_menu_page;
    const int sound_row = g_menu_item;
    if (g_menu_page == MENU_PAGE_LAUNCH) {
        g_menu_choice = MENU_CHOICE_PLAY;
        g_fade = 0.0f;
    }
    if (g_menu_page == MENU_PAGE_NAME && menu_name_entry(t)) {
        return;
    }
    if (t.select_edge) {
        g_menu_frames = 0;
        const int picture_page =
            g_menu_page == MENU_PAGE_TYPE || g_menu_page == MENU_PAGE_STAGE || g_menu_page == MENU_PAGE_SHIPS;
        if (!(picture_page && (g_pointer_click & MENU_CLICK_ZONE))) {
            menu_select(count);
        }
    }
    menu_sounds(t, sound_page, sound_row, count);
    if (g_menu_page != page_before) {
        if (g_menu_page == MENU_PAGE_LAUNCH) {
            menu_fill_words(128);
            g_fade = 0.0f;
        } else {
            menu_fill_words(0);
        }
    }
    if (bound_held) {
        for (float &a : g_menu_prev_axes) {
            a = 1.0f;
        }
        g_menu_prev_select = 1;
    } else {
        g_menu_prev_axes[0] = p1.move[0];
        g_menu_prev_axes[1] = p1.move[1];
        g_menu_prev_axes[2] = g_player_input[1].move[1];
        g_menu_prev_select = t.select;
    }
    g_last_page = g_menu_page;
}

void menu_fill_control_keys(void)
{
    int count = 0;
    MenuItem *items = menu_page(MENU_PAGE_CONTROLS, &count);
    float type = g_player_input[g_controls_player].input_type;
    input_describe_binds(menu_bind_set(type), g_controls_player);
    for (int action = 0; action < BIND_ACTIONS && action + 2 < count; action++) {
        menu_write_at(items[action + 2].text, g_label_columns[MENU_COLUMN_KEYS], g_bind_texts[action]);
    }
    // Mouse aim replaces the four fire directions.
    for (int row = 6; row <= 9; row++) {
        items[row].a = (int)type == 1 ? 0 : 255;
    }
}
