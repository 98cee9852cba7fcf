// frame.h -- the frame function: the 10 ms gate, the logic ticks of one frame and the
// screen state machine (title screens, menus, level start, play, end-of-loop page).
#pragma once

#include "core/shell.h"

#include <cstdint>

constexpr uint32_t FRAME_GATE_MS = 9;      // a frame runs once more than this has passed
constexpr int FRAME_MAX_BACKLOG = 100;     // ticks; a longer stall is dropped, not caught up

// Screen states.
constexpr int SCREEN_IN_GAME = 0;
constexpr int SCREEN_START_LEVEL = 2;
constexpr int SCREEN_MENU = 3;
constexpr int SCREEN_TITLE_1 = 8;          // white
constexpr int SCREEN_TITLE_2 = 9;          // black
constexpr int SCREEN_END_OF_LOOP = 10;

// Level-end requests of the game tick.
constexpr int LEVEL_END_GAME_OVER = 1;
constexpr int LEVEL_END_COMPLETE = 2;      // and any higher value

extern int g_screen_mode;          // one of the SCREEN_* states
extern int g_level_end_request;    // 0, or a LEVEL_END_* request, handled at the next frame in game
extern int g_mode_frames;          // frames (not ticks) in the current front-end screen; 900 ends it
extern uint32_t g_last_frame_ms;   // clock reading of the last frame that ran
// The frame clock this function keeps (g_frame_steps, g_frame_dt, g_fade) is core/shell.h's.

// The clock and the drawing of the frame function. The state machine calls nothing
// else that needs a window, so tests can run it with their own clock and no drawing.
struct FrameHooks {
    uint32_t (*clock)(void);           // milliseconds; zwin_ticks
    void (*game_clear)(void);          // in game: ease the clear colour, clear
    void (*game_draw)(void);           // in game: every pass, the overlay, the pause page, swap
    void (*front_clear)(int screen);   // front end: the screen's clear colour, clear
    void (*front_overlay)(int screen); // blending, overlay matrix, the title scene behind the menu
    int (*front_logo)(int page);       // a logo page: 1 drawn, 0 missing (ends the page)
    void (*front_pages)(int screen);   // page pictures, the menu or end-of-loop page, swap
};
extern FrameHooks g_frame_hooks;
extern const FrameHooks FRAME_HOOKS_DEFAULT;

// One pass of the main loop. Returns 1 when a frame ran, 0 when none was due.
int game_frame_main(void);
// Allocates the face batch and enters the first title screen; called once by init_game.
void game_frame_enter(void);
// Frees the face batch; called by free_game.
void game_frame_leave(void);
