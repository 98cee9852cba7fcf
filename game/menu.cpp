// menu.cpp -- menu pages, menu control and language texts.

#include "game/menu.h"

#include "game/highscore.h"

int g_menu_choice;
char g_name_buffer[16];
float g_start_stage = 1.0f;

void menu_init(void)
{
    score_init();
}

MenuItem *menu_page(int page, int *count)
{
    (void)page;
    if (count) {
        *count = 0;
    }
    return nullptr;
}

void menu_item_colour(MenuItem *items, int row, int i)
{
    (void)items;
    (void)row;
    (void)i;
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
