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

// A new state with a panic handler that logs, no library open. stacksize is 4.0's
// initial stack size; 0 (the only value the game passes) means Lua's default, and 5.1
// grows the stack itself. Null when Lua cannot allocate the state (logged).
lua_State *lua_open(int stacksize);

// The base library without dofile, loadfile, load and loadstring, so no chunk can come
// from a file or from text a script builds. 0, or a Lua error code (reported).
int lua_baselibopen(lua_State *L);
// The string library. 0 or a reported Lua error code.
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
