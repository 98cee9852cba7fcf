// frame_local.h -- the frame module's drawing, for frame.cpp only.
#pragma once

constexpr int FRAME_MENU_DELAY = 60;   // frames on the menu screen before the menus take input and show

void frame_draw_game_clear(void);
void frame_draw_game(void);
void frame_draw_front_clear(int screen);
void frame_draw_front_overlay(int screen);
void frame_draw_front_pages(int screen);
