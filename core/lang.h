// lang.h -- the language texts that every layer writes on screen: the text slots of the
// chosen language's menu file. The menus' text module (game/menu_text.cpp) fills them;
// the controls page's key list (platform/) and the floating scores (render/) read them.
#pragma once

constexpr int MENU_TEXT_SIZE = 128;          // a row's text and a language slot, terminator included
constexpr int MENU_TEXT_SLOTS = 100;

// The slots of the chosen language, filled by menu_parse_text.
extern char g_menu_texts[MENU_TEXT_SLOTS][MENU_TEXT_SIZE];

// Language text slot id (0..99); any other id gives slot 0. Never null.
const char *menu_text(int id);
