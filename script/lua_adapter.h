// lua_adapter.h -- the Lua 4.0 calls the script host is written against, over Lua 5.1.
// 4.0 reported every load and run-time error through the script's _ERRORMESSAGE and let
// the caller carry on; 5.1's lua_call ends the process on an error outside a protected
// call. So every call into a script goes through lua_dobuffer or lua_protected_call,
// and a state opened here can neither load a file nor reach the environment.
#pragma once

#include <lua.hpp>

#include <cstddef>

// lua.h maps 4.0's lua_open to luaL_newstate without the stack size; ours logs a failure.
#undef lua_open

// The scripts are embedded, so these guard against our own content bugs: a script that
// loops for ever, or builds strings until memory runs out, must not stop the game.
// Memory a state may hold; the heaviest level holds far less (see
// ScriptContent.EveryLevelRunsToItsLastWaveWithoutAScriptError).
constexpr size_t LUA_MEMORY_CAP = 16u << 20;
// Instructions one call from the host (a chunk, LEVEL_start, one LEVEL_gameloop) may run,
// counted with its nested chunks; a pattern match is charged its worst case up front.
// Past it the call ends in an error reported through _ERRORMESSAGE; the next call runs.
constexpr long LUA_CALL_BUDGET = 1000000;

// A new state with the capped allocator, a panic handler that logs, no library open.
// stacksize is 4.0's initial stack size; 0 (the only value the game passes) means Lua's
// default, and 5.1 grows the stack itself. Null when Lua cannot allocate the state or
// LUA_MAX_STATES are open (logged).
lua_State *lua_open(int stacksize);

// What a state used: bytes now and at most, and the most instructions one call from the
// host took (counted in steps of 1000). 0 for a null state.
size_t lua_memory_used(lua_State *L);
size_t lua_memory_peak(lua_State *L);
long lua_call_steps_peak(lua_State *L);

// Script errors are logged once while they repeat: 1 when msg equals the last error
// (it is then only counted), else 0, after logging the count of the last one's repeats.
int lua_error_repeated(const char *msg);
// Logs "* lua error * <message> ... repeated N times" for the last error when it came
// again, and forgets it. Run when the level's state closes.
void lua_error_flush(void);

// The base library without dofile, loadfile, load and loadstring, so no chunk can come
// from a file or from text a script builds. 0, or a Lua error code (reported).
int lua_baselibopen(lua_State *L);
// The string library, its pattern functions (find, match, gmatch, gsub) charged to the
// call's instruction budget. 0 or a reported Lua error code.
int lua_strlibopen(lua_State *L);
// The math library. 0 or a reported Lua error code.
int lua_mathlibopen(lua_State *L);

// Compiles size bytes of buff as a chunk called name and runs it, protected. On success
// the chunk's results are left on the stack. A syntax or run-time error is handed to the
// script's _ERRORMESSAGE (logged directly when that is not a function) and the stack is
// left as before the call. Returns 0 or the Lua error code.
int lua_dobuffer(lua_State *L, const char *buff, size_t size, const char *name);

// Calls the function below nargs arguments on the stack with nresults results, like
// 4.0's lua_call: protected, an error is reported as in lua_dobuffer and the function and
// its arguments are removed. Returns 0 or the Lua error code.
int lua_protected_call(lua_State *L, int nargs, int nresults);

// 4.0's table size: the field n when it is a number, else the largest positive numeric
// key holding a non-nil value; truncated, and clamped to 0 .. LUA_GETN_MAX. 0 for a
// value that is not a table.
constexpr int LUA_GETN_MAX = 0x7fffffff;
int lua_getn(lua_State *L, int index);
