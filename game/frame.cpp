// frame.cpp -- the frame function and the screen state machine.

#include "game/frame.h"

int g_screen_mode;

int game_frame_main(void)
{
    return 0;
}

void game_frame_enter(void)
{
    g_screen_mode = 8;
}

void game_frame_leave(void)
{
}
