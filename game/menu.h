// menu.h -- the front end's menus: pages, their control and the language texts.
#pragma once

#include <cstdint>

// The menus' result for the frame function: 0 none or one of these.
constexpr int MENU_CHOICE_QUIT = -1;
constexpr int MENU_CHOICE_PLAY = 1;
constexpr int MENU_CHOICE_MODE = 2;          // apply the video mode
constexpr int MENU_CHOICE_TEXTURES = 3;      // texture settings changed
constexpr int MENU_CHOICE_NAME_ENTRY = 9;    // high-score name entry pending
extern int g_menu_choice;

// One row of a menu page.
struct MenuItem {
    float x, y, z;                  // position; x 0 centres the row on its text
    float draw_x, draw_y, draw_z;   // where it was last drawn
    uint32_t draw_w;
    uint8_t r, g, b, a;             // alpha 0 hides the row
    char text[128];
};

// The name being typed on the name-entry page.
extern char g_name_buffer[16];
// The start stage chosen in the menus, 1 .. the stages open.
extern float g_start_stage;

// Languages, menu texts, the high-score file and the main menu page (from init_game).
void menu_init(void);
// Frees the language texts (from free_game).
void menu_free_languages(void);
// Resets the menu state and opens a page: 1 pause, 2 name entry, 3 high scores, else main.
void menu_start(int mode);
// One tick of menu logic; leaves its result in g_menu_choice.
void menu_control(void);
// Draws the current page in the overlay space.
void menu_draw(void);
// Draws the 3D pictures behind the pages that have them.
void menu_draw_page_models(void);
// Draws the end-of-loop page.
void menu_end_page(void);
// The first row of a page and its row count; null and 0 for another number.
MenuItem *menu_page(int page, int *count);
// Copies player colour i (clamped to 0..7) into a row, keeping its alpha.
void menu_item_colour(MenuItem *items, int row, int i);
// Language text slot id (0..99); never null.
const char *menu_text(int id);
