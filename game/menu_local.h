// menu_local.h -- the menu module's own state, shared by its pages, text, control,
// pointer and drawing files.
#pragma once

#include "game/menu.h"

// Row colours.
constexpr uint8_t MENU_PLAIN[4] = {48, 96, 0, 255};
constexpr uint8_t MENU_TITLE[4] = {100, 100, 255, 255};
constexpr uint8_t MENU_LIT[4] = {96, 96, 0, 255};

// g_label_columns entries.
constexpr int MENU_COLUMN_VIDEO = 0;
constexpr int MENU_COLUMN_SOUND = 1;
constexpr int MENU_COLUMN_KEYS = 2;
constexpr int MENU_COLUMN_DEVICE = 3;

// The settings the video page's back row compares with when it applies the changes.
struct MenuVideoSnapshot {
    float resolution;
    float colourdepth;
    float fullscreen;
    float texture16;
    float trilinear;
};

extern int32_t g_twinkle[MENU_TWINKLE_COUNT];
extern int32_t g_menu_pulse[3];
extern int g_menu_blink;               // frame counter mod 256: the name cursor blinks on bit 16
extern int g_menu_cursor_on;           // the page shows a blinking cursor (name entry)
extern int g_key_wait;                 // the controls page waits for an input to bind
extern int g_controls_player;          // 0 or 1: whose controls page 8 shows
extern int32_t g_key_seen;             // the last input code already used
extern int g_name_letter;              // 0..35 letters and digits, 36 "delete"
extern float g_menu_prev_axes[3];      // player 1 vertical, horizontal; player 2 horizontal
extern int g_menu_prev_select;
extern int32_t g_bound_held;           // the input code the controls page just bound, while still held
extern int g_select_after_page;        // a web page opened: ticks select must still rest before it counts
extern int g_pointer_moved;            // latch: the pointer left its rest place
extern int g_pointer_click;            // bit 1 a mouse button is down, bit 2 a click hit a value zone
extern int g_pointer_prev_buttons;
extern float g_menu_pointer_z;         // the pointer's depth: the z of the page's title
extern MenuVideoSnapshot g_video_snapshot;
extern int g_label_columns[4];         // MENU_COLUMN_*: where values follow their labels
extern char g_key_names[MENU_KEY_NAMES][MENU_KEY_NAME_SIZE];

constexpr int MENU_CLICK_BUTTON = 1;
constexpr int MENU_CLICK_ZONE = 2;

// Writes value into a row at column: the row is padded with blanks up to the column and
// everything after it is replaced; whatever passes the row's end is cut.
void menu_write_at(char *row, int column, const char *value);
// Sets a page and logs the change ("[submenu] page %d").
void menu_set_page(int page);
constexpr int MENU_GAME_TYPES = 8;
// How many game types can be chosen: type 0 and those up to g_type_reach, 1..8.
int menu_types_open(void);
// The bind set of an input type: joystick for 0, mouse for 1, keyboard for 2.
int menu_bind_set(float input_type);
