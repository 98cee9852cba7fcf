// frame.h -- the frame function: the 10 ms gate, the logic ticks of one frame and the
// screen state machine (title screens, menus, level start, play, end-of-loop page).
#pragma once

// 0 in game, 2 start level, 3 menu, 8 and 9 title screens, 10 end-of-loop page.
extern int g_screen_mode;

// One pass of the main loop. Returns 1 when a frame ran, 0 when none was due.
int game_frame_main(void);
// Enters the first title screen; called once by init_game.
void game_frame_enter(void);
// Releases what game_frame_enter took; called by free_game.
void game_frame_leave(void);
