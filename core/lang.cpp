// lang.cpp -- the language text slots and their lookup.

#include "core/lang.h"

char g_menu_texts[MENU_TEXT_SLOTS][MENU_TEXT_SIZE];

const char *menu_text(int id)
{
    return g_menu_texts[id >= 0 && id < MENU_TEXT_SLOTS ? id : 0];
}
