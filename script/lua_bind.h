// lua_bind.h -- the functions the level scripts call: the 38 c_* bindings, dofilx and
// _ERRORMESSAGE, the argument buffers they share, and lua_get_args that fills them.
#pragma once

struct lua_State;

constexpr int LUA_MAX_STRINGS = 32;       // string arguments of one call, table strings included
constexpr int LUA_STRING_SIZE = 256;      // one string argument, terminator included
constexpr int LUA_MAX_NUMBERS = 256;      // number arguments of one call, table count and elements included
constexpr int LUA_BINDING_COUNT = 38;     // c_preload_model .. c_get_demo_level

// String arguments of the current binding call, numbered from 1 (slot 0 is unused):
// the fixed string arguments, then the string elements of a trailing table. Copies, so a
// body may use them while Lua collects garbage; longer strings are cut at 255 characters.
extern char g_lua_strings[LUA_MAX_STRINGS + 1][LUA_STRING_SIZE];
extern int g_lua_string_count;            // slots 1 .. count hold this call's strings

// Number arguments of the current binding call, from slot 0: the fixed number arguments,
// then a trailing table's element count and its elements, one slot per element.
extern float g_lua_numbers[LUA_MAX_NUMBERS];

// The ships the players chose, 0 .. 4 (consoles "render_modelnum1" and "render_modelnum2" of
// game/settings.cpp's table), which c_get_player_num reports to the level scripts.
extern float g_render_modelnum1;
extern float g_render_modelnum2;

// The HUD's caption for a level number (hud_set_level_label), which c_set_time_limit
// forms again: the one call of the bindings into game/, handed over at start-up
// (init_imports) so that script/ links below game/.
extern void (*g_lua_level_label)(int level);

// Fetches the arguments of a binding: s strings, n numbers and, when t is 1, a table.
// Returns 0 when every argument was usable, -1 for a wrong argument count (logged), else
// the stack index of the last bad argument: a non-string, a non-number, a missing or
// empty table, or a table whose elements do not fit the argument buffers.
int lua_get_args(lua_State *L, int s, int n, int t);

// Registers the bindings in their fixed order, then dofilx and _ERRORMESSAGE.
void lua_register_bindings(lua_State *L);

