// menu.cpp -- menu pages, menu control and language texts.

#include "game/menu.h"

int g_menu_choice;

void menu_init(void)
{
}

void menu_free_languages(void)
{
}

void menu_start(int mode)
{
    (void)mode;
    g_menu_choice = 0;
}

void menu_control(void)
{
}

void menu_draw(void)
{
}

void menu_draw_page_models(void)
{
}

void menu_end_page(void)
{
}

const char *menu_text(int id)
{
    (void)id;
    return "";
}
