// menu.h -- the front end's menus: pages, their control and the language texts.
#pragma once

// The menus' result for the frame function: 0 none or one of these.
constexpr int MENU_CHOICE_QUIT = -1;
constexpr int MENU_CHOICE_PLAY = 1;
constexpr int MENU_CHOICE_MODE = 2;          // apply the video mode
constexpr int MENU_CHOICE_TEXTURES = 3;      // texture settings changed
constexpr int MENU_CHOICE_NAME_ENTRY = 9;    // high-score name entry pending
extern int g_menu_choice;

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
// Language text slot id (0..99); never null.
const char *menu_text(int id);
