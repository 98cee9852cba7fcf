// lua_host.h -- the script host: the one Lua state of the running level, the level
// script's start and per-tick entry functions, and the actor names the level launches.
#pragma once

#include <cstdint>

struct lua_State;

// The level's Lua state; null between lua_freelevel and the next lua_initlevel.
extern lua_State *g_lua;

constexpr int MAX_ACTOR_NAMES = 64;       // distinct types one level script plops
constexpr int ACTOR_NAME_SIZE = 64;       // a type name, terminator included

// The distinct names that the level script passes to actor_plopper on lines starting
// in column 0, packed from 0, and their count.
extern char g_actor_names[MAX_ACTOR_NAMES][ACTOR_NAME_SIZE];
extern int g_actor_name_count;

// Runs one embedded script in g_lua under its record name; a missing script is logged
// by the store, a script error through _ERRORMESSAGE. The stack is left as found.
// Returns 0.
int lua_run_mem_script(const char *file_name);

// Appends to g_actor_names the type names of a script's column-0 actor_plopper lines;
// nothing when the script is missing.
void lua_collect_actor_names(const char *file_name);
// The same over one script text of length bytes (not terminated).
void lua_collect_actor_names_text(const char *text, uint32_t length);

// 1 when the name was collected from the level script, or on levels below 101 (which
// preload everything); else 0. The body of c_is_model_needed.
int lua_is_model_needed(const char *name);

// Opens the base, string and math libraries in g_lua and registers the bindings.
void lua_register_all(void);

// Starts the level script of a level name such as "level101": collects its actor names,
// opens a fresh state, runs the script and calls its LEVEL_start.
void lua_initlevel(const char *level_name);

// One call of the level script's LEVEL_gameloop (from the game tick).
void lua_call_level_gameloop(void);

// Closes the level's state; g_lua is null afterwards.
void lua_freelevel(void);
