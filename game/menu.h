// menu.h -- the front end's menus: pages, their control and the language texts.
#pragma once

#include "core/lang.h"
#include "render/font.h"
#include "render/title.h"

#include <cstdint>

// The language text slots (MENU_TEXT_SIZE, MENU_TEXT_SLOTS, menu_text) are core/lang.h's;
// the language's text depth (g_menu_text_depth) render/font.h's and the page the title
// scene last saw (g_last_page) render/title.h's.

// The menus' result for the frame function: 0 none or one of these.
constexpr int MENU_CHOICE_QUIT = -1;
constexpr int MENU_CHOICE_PLAY = 1;
constexpr int MENU_CHOICE_MODE = 2;          // apply the video mode
constexpr int MENU_CHOICE_TEXTURES = 3;      // texture settings changed
constexpr int MENU_CHOICE_NAME_ENTRY = 9;    // high-score name entry pending
extern int g_menu_choice;

constexpr int MENU_PAGE_COUNT = 14;
constexpr int MENU_KEY_NAMES = 256;
constexpr int MENU_KEY_NAME_SIZE = 32;
constexpr int MAX_LANGUAGES = 64;
constexpr int MENU_TWINKLE_COUNT = 1024;     // one fade-in timer per drawn character of a page
constexpr int MENU_NAME_SIZE = 16;           // three letters, or two and the word "delete" at the cursor

// Pages by role.
constexpr int MENU_PAGE_MAIN = 0;
constexpr int MENU_PAGE_SETTINGS = 1;
constexpr int MENU_PAGE_VIDEO = 2;
constexpr int MENU_PAGE_SOUND = 3;
constexpr int MENU_PAGE_PAUSE = 4;
constexpr int MENU_PAGE_SCORES = 5;
constexpr int MENU_PAGE_NAME = 6;
constexpr int MENU_PAGE_LAUNCH = 7;
constexpr int MENU_PAGE_CONTROLS = 8;
constexpr int MENU_PAGE_TYPE = 9;
constexpr int MENU_PAGE_STAGE = 10;
constexpr int MENU_PAGE_SHIPS = 11;
constexpr int MENU_PAGE_FINISHED = 12;
constexpr int MENU_PAGE_LOOP = 13;

// menu_start modes.
constexpr int MENU_START_MAIN = 0;
constexpr int MENU_START_PAUSE = 1;
constexpr int MENU_START_NAME = 2;
constexpr int MENU_START_SCORES = 3;

// One row of a page. Row 0 is the title; the text comes from the language file and the
// value rows rewrite it at run time.
struct MenuItem {
    float x, y, z;                   // an x of exactly 0 centres the row on its text
    float draw_x, draw_y, draw_z;    // where menu_draw drew it last
    uint32_t draw_w;                 // 0 for every row drawn without the highlight
    uint8_t r, g, b, a;              // an alpha of 0 hides the row
    char text[MENU_TEXT_SIZE];
};

extern int g_menu_page;              // 0..13
extern int g_menu_item;              // the highlighted row; -1 while the end-of-loop page draws
extern int g_menu_frames;            // frames since menu_start or the last select, up to 855
extern float g_start_stage;          // the chosen start stage, 1..g_stage_count
extern int g_stage_count;            // start stages open in the chosen table, at least 1
extern int g_type_reach;             // game types open beyond the first
extern int g_hs_first_row;           // the high-score view: first row 0..10
extern int g_hs_table;               //   and table 0..15
extern char g_name_buffer[MENU_NAME_SIZE];   // the name being typed, the cursor letter last
extern int g_name_length;            // letters fixed, 0..3
extern int g_language_count;         // languages loaded, 0..MAX_LANGUAGES

// The menus' calls that reach outside the game state: the gamma ramp, the web browser
// and the high-score insertion. Tests replace them to count the calls.
struct MenuCalls {
    void (*set_gamma)(void);                          // zwin_set_gamma
    void (*open_url)(int which);                      // zwin_open_url
    void (*score_insert)(int *first_row, int *table); // score_insert
};
extern MenuCalls g_menu_calls;
extern const MenuCalls MENU_CALLS_DEFAULT;

// Languages, menu texts, the high-score file and the main menu page (from init_game).
void menu_init(void);
// Frees the language texts (from free_game).
void menu_free_languages(void);
// Loads every language of "languages.txt" (only "en" without it); a language without
// its own files takes the English ones, one without those is left out.
void menu_init_languages(void);
// Fills the pages, the text slots, the label columns and the key names from the
// language language_num selects. Without any language every slot reads "xxxx".
void menu_parse_text(void);
// The selected language's menu or keys text and its length, after bringing language_num
// into range (wrapping both ways); null and length 0 while no language is loaded.
const char *menu_get_language_text(int *length);
const char *menu_get_language_keys(int *length);
// Just past the next '\n' of text, or at its terminating NUL.
const char *text_next_line(const char *p);
// Resets the menu state and opens a page: 1 pause, 2 name entry, 3 high scores, else main.
void menu_start(int mode);
// One tick of menu logic; leaves its result in g_menu_choice.
void menu_control(void);
// The pointer half of menu_control: hover and clicks on the page's rows and pictures.
void menu_update_items(MenuItem *items, int count);
// Writes the shown player's bound inputs into the controls page.
void menu_fill_control_keys(void);
// Draws the current page in the overlay space.
void menu_draw(void);
// Draws the 3D pictures behind the pages that have them.
void menu_draw_page_models(void);
// Draws the end-of-loop page.
void menu_end_page(void);
// A page's rows and their count; null and 0 for a page outside 0..13.
MenuItem *menu_page(int page, int *count);
// The current colour from the player colour table (i clamped to 0..7).
void menu_player_colour(int i);
// A row takes the red, green and blue of player colour i (clamped to 0..7).
void menu_item_colour(MenuItem *items, int row, int i);
// Sets every twinkle timer to v (0 fades the page in, 128 shows it at once).
void menu_fill_words(int v);
// The player colour table (RGBA), also the game types' colours.
extern const uint8_t g_player_colours[8][4];
