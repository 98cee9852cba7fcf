// lua_adapter.cpp -- Lua 4.0's calls over Lua 5.1: protected calls with 4.0's error hook,
// 4.0's table size rule, and states without file or environment access.

#include "script/lua_adapter.h"

#include "core/con.h"

#include <cstdio>

// Lua ends the process after this returns; it only runs for an error raised outside
// every protected call, which the host never makes.
static int lua_adapter_panic(lua_State *L)
{
    const char *msg = lua_tostring(L, -1);
    con_printf("*** [lua] panic: %s", msg ? msg : "(no message)");
    return 0;
}

lua_State *lua_open(int stacksize)
{
    (void)stacksize;
    lua_State *L = luaL_newstate();
    if (!L) {
        con_printf("*** [lua] cannot open a state");
        return nullptr;
    }
    lua_atpanic(L, lua_adapter_panic);
    return L;
}

// Hands the error value on top of the stack to the script's _ERRORMESSAGE, as 4.0 did,
// and pops it. A hook that is missing or fails itself leaves the message to the log.
static void lua_adapter_report(lua_State *L)
{
    int top = lua_gettop(L);
    // Raw access: a metatable a script put on its globals must not raise an error here,
    // outside every protected call.
    lua_pushliteral(L, "_ERRORMESSAGE");
    lua_rawget(L, LUA_GLOBALSINDEX);
    if (lua_isfunction(L, -1)) {
        lua_pushvalue(L, top);
        if (lua_pcall(L, 1, 0, 0) == 0) {
            lua_settop(L, top - 1);
            return;
        }
    }
    const char *msg = lua_tostring(L, top);
    con_printf("*** [lua] %s", msg ? msg : "(no message)");
    lua_settop(L, top - 1);
}

int lua_protected_call(lua_State *L, int nargs, int nresults)
{
    int status = lua_pcall(L, nargs, nresults, 0);
    if (status != 0) {
        lua_adapter_report(L);
    }
    return status;
}

int lua_dobuffer(lua_State *L, const char *buff, size_t size, const char *name)
{
    int top = lua_gettop(L);
    // "=" makes Lua use the name as it stands in its messages ("actor_lua:12: ...").
    char chunk_name[80];
    snprintf(chunk_name, sizeof(chunk_name), "=%s", name ? name : "?");
    int status = luaL_loadbuffer(L, buff, size, chunk_name);
    if (status == 0) {
        status = lua_pcall(L, 0, LUA_MULTRET, 0);
    }
    if (status != 0) {
        lua_adapter_report(L);
        lua_settop(L, top);
    }
    return status;
}

static int lua_adapter_open(lua_State *L, lua_CFunction open)
{
    int top = lua_gettop(L);
    lua_pushcfunction(L, open);
    int status = lua_protected_call(L, 0, 0);
    lua_settop(L, top);
    return status;
}

int lua_baselibopen(lua_State *L)
{
    int status = lua_adapter_open(L, luaopen_base);
    if (status == 0) {
        static const char *const loaders[] = {"dofile", "loadfile", "load", "loadstring"};
        for (const char *name : loaders) {
            lua_pushnil(L);
            lua_setglobal(L, name);
        }
    }
    return status;
}

int lua_strlibopen(lua_State *L)
{
    return lua_adapter_open(L, luaopen_string);
}

int lua_mathlibopen(lua_State *L)
{
    return lua_adapter_open(L, luaopen_math);
}

// Truncates a script number toward zero into 0 .. LUA_GETN_MAX (NaN gives 0).
static int lua_adapter_count(lua_Number value)
{
    if (!(value > 0)) {
        return 0;
    }
    if (value >= (lua_Number)LUA_GETN_MAX) {
        return LUA_GETN_MAX;
    }
    return (int)value;
}

int lua_getn(lua_State *L, int index)
{
    if (!lua_istable(L, index)) {
        return 0;
    }
    int top = lua_gettop(L);
    if (index < 0 && index > LUA_REGISTRYINDEX) {
        index = top + index + 1;
    }
    // Raw access, so that no metamethod runs outside a protected call.
    lua_pushliteral(L, "n");
    lua_rawget(L, index);
    if (lua_type(L, -1) == LUA_TNUMBER) {
        int n = lua_adapter_count(lua_tonumber(L, -1));
        lua_settop(L, top);
        return n;
    }
    lua_settop(L, top);
    lua_Number max = 0;
    lua_pushnil(L);
    while (lua_next(L, index) != 0) {
        // The value is never nil inside a traversal; only the key's type matters.
        if (lua_type(L, -2) == LUA_TNUMBER) {
            lua_Number key = lua_tonumber(L, -2);
            if (key > max) {
                max = key;
            }
        }
        lua_pop(L, 1);
    }
    lua_settop(L, top);
    return lua_adapter_count(max);
}
