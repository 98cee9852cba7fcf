// title.cpp -- title, logo and floor graphics.

#include "render/title.h"

#include "render/tex.h"
#include "render/zgl.h"

void title_load_draw(void)
{
}

int title_logo_draw(int page)
{
    (void)page;
    return 1;
}

void title_forget_textures(void)
{
}

void menu_draw_ship_picture(float model, float hue, int player)
{
    (void)model;
    (void)hue;
    (void)player;
}

void menu_draw_arrows(int kind)
{
    (void)kind;
}

void menu_draw_belt(int i, float belt, int mode)
{
    (void)i;
    (void)belt;
    (void)mode;
}

void menu_draw_cursor(const float pos[3])
{
    (void)pos;
}

void zgl_flush_and_forget_floor(void)
{
    zgl_flush();
    floor_forget_texture();
}
