// lua_adapter.cpp -- Lua 4.0's calls over Lua 5.1: protected calls with 4.0's error hook,
// 4.0's table size rule, and states without file or environment access.

#include "script/lua_adapter.h"

#include "core/con.h"
#include "core/str.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

// What a state has used: its memory (through the capped allocator) and the
// instructions of the host call running in it. One record per open state, found
// through the state's allocator data.
struct LuaMeter {
    int in_use;
    size_t used;               // bytes held by the state
    size_t peak;               // the most it ever held
    long steps;                // instructions of the running host call, in hook steps
    long steps_peak;           // the most one host call took
    int depth;                 // host calls running (a chunk run through dofilx nests)
};
// More than the game's one level state and what a test holds beside it.
constexpr int LUA_MAX_STATES = 16;
static LuaMeter lua_meters[LUA_MAX_STATES];
// The instructions between two looks at the budget.
constexpr int LUA_HOOK_STEP = 1000;

// Lua's allocator, capped at LUA_MEMORY_CAP bytes per state. Frees and shrinks always
// succeed, as Lua requires; a growth past the cap fails, which Lua raises as a memory
// error in the script. The state's last free (its own block) releases the meter.
static void *lua_adapter_alloc(void *ud, void *ptr, size_t osize, size_t nsize)
{
    LuaMeter *m = static_cast<LuaMeter *>(ud);
    size_t held = ptr ? osize : 0;
    if (nsize == 0) {
        free(ptr);
        m->used -= held;
        if (m->used == 0) {
            m->in_use = 0;
        }
        return nullptr;
    }
    if (nsize > held && nsize - held > LUA_MEMORY_CAP - m->used) {
        return nullptr;
    }
    void *block = realloc(ptr, nsize);
    if (!block) {
        if (nsize > held) {
            return nullptr;
        }
        block = ptr;   // a shrink must not fail: the block stays as it was
    }
    m->used = m->used - held + nsize;
    if (m->used > m->peak) {
        m->peak = m->used;
    }
    return block;
}

static LuaMeter *lua_adapter_meter(lua_State *L)
{
    void *ud = nullptr;
    lua_getallocf(L, &ud);
    return static_cast<LuaMeter *>(ud);
}

// Runs every LUA_HOOK_STEP instructions of a host call; past the budget it raises an
// error in the script, which ends the call.
static void lua_adapter_count_hook(lua_State *L, lua_Debug *ar)
{
    (void)ar;
    LuaMeter *m = lua_adapter_meter(L);
    if (m->depth == 0) {
        return;   // code the host did not call (a test's own) has no budget
    }
    m->steps += lua_gethookcount(L);
    if (m->steps > LUA_CALL_BUDGET) {
        // From here on at every instruction: a script that catches the error with pcall
        // meets it again at its next instruction outside.
        lua_sethook(L, lua_adapter_count_hook, LUA_MASKCOUNT, 1);
        // Level 0: inside a hook the running script function is the current one.
        luaL_where(L, 0);
        lua_pushfstring(L, "more than %d instructions in one call", (int)LUA_CALL_BUDGET);
        lua_concat(L, 2);
        lua_error(L);
    }
}

// A host call into the state starts: the outermost one starts a fresh budget.
static void lua_adapter_enter(lua_State *L)
{
    LuaMeter *m = lua_adapter_meter(L);
    if (m->depth++ == 0) {
        m->steps = 0;
        // The hook stays between calls (it ignores code the host did not call); only a
        // call that ran out of budget left it at every instruction.
        if (lua_gethookcount(L) != LUA_HOOK_STEP) {
            lua_sethook(L, lua_adapter_count_hook, LUA_MASKCOUNT, LUA_HOOK_STEP);
        }
    }
}

// A host call ended with status: after a memory error the garbage of the failed call is
// collected at once, so that the next call finds the room it left.
static void lua_adapter_leave(lua_State *L, int status)
{
    LuaMeter *m = lua_adapter_meter(L);
    if (--m->depth == 0 && m->steps > m->steps_peak) {
        m->steps_peak = m->steps;
    }
    if (status == LUA_ERRMEM) {
        lua_gc(L, LUA_GCCOLLECT, 0);
    }
}

size_t lua_memory_peak(lua_State *L)
{
    return L ? lua_adapter_meter(L)->peak : 0;
}

size_t lua_memory_used(lua_State *L)
{
    return L ? lua_adapter_meter(L)->used : 0;
}

long lua_call_steps_peak(lua_State *L)
{
    return L ? lua_adapter_meter(L)->steps_peak : 0;
}

// The last script error logged, and how often it came again since.
static char lua_error_last[CON_LINE_SIZE];
static int lua_error_repeats;

int lua_error_repeated(const char *msg)
{
    if (!msg) {
        msg = "";
    }
    if (lua_error_last[0] && strncmp(msg, lua_error_last, sizeof(lua_error_last) - 1) == 0) {
        lua_error_repeats++;
        return 1;
    }
    lua_error_flush();
    str_copy_n(lua_error_last, msg[0] ? msg : " ", sizeof(lua_error_last));
    return 0;
}

void lua_error_flush(void)
{
    if (lua_error_repeats > 0) {
        con_printf("* lua error * %s ... repeated %d times", lua_error_last, lua_error_repeats);
    }
    lua_error_last[0] = 0;
    lua_error_repeats = 0;
}

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
    LuaMeter *m = nullptr;
    for (LuaMeter &slot : lua_meters) {
        if (!slot.in_use) {
            m = &slot;
            break;
        }
    }
    if (!m) {
        con_printf("*** [lua] LUA_MAX_STATES reached. Increase #define value. :)");
        return nullptr;
    }
    // A new state is a new level: the last one's repeated error is told now.
    lua_error_flush();
    *m = LuaMeter{};
    m->in_use = 1;
    lua_State *L = lua_newstate(lua_adapter_alloc, m);
    if (!L) {
        m->in_use = 0;
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
    if (!lua_error_repeated(msg)) {
        con_printf("*** [lua] %s", msg ? msg : "(no message)");
    }
    lua_settop(L, top - 1);
}

int lua_protected_call(lua_State *L, int nargs, int nresults)
{
    lua_adapter_enter(L);
    int status = lua_pcall(L, nargs, nresults, 0);
    if (status != 0) {
        lua_adapter_report(L);
    }
    lua_adapter_leave(L, status);
    return status;
}

int lua_dobuffer(lua_State *L, const char *buff, size_t size, const char *name)
{
    int top = lua_gettop(L);
    // "=" makes Lua use the name as it stands in its messages ("actor_lua:12: ...").
    char chunk_name[80];
    snprintf(chunk_name, sizeof(chunk_name), "=%s", name ? name : "?");
    lua_adapter_enter(L);
    int status = luaL_loadbuffer(L, buff, size, chunk_name);
    if (status == 0) {
        status = lua_pcall(L, 0, LUA_MULTRET, 0);
    }
    if (status != 0) {
        lua_adapter_report(L);
        lua_settop(L, top);
    }
    lua_adapter_leave(L, status);
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

// Lua's pattern matcher backtracks in C, where no instruction is counted: a few
// repeated items over a long subject can keep it busy for hours. Its work is at most
// the start positions (1 when anchored, else the subject length + 1) times the pattern
// length + 1, times the subject length + 1 for every item repeated with "*", "+" or
// "-" and for every "%b" and back-reference, times 2 for every "?". The set of a "["
// item ends at the first "]" after its first character, "%" escaping the next.
static double lua_pattern_cost(const char *p, size_t plen, size_t slen)
{
    constexpr double LUA_COST_CEILING = 1e30;   // far past any budget; stops the product
    const double n = (double)slen + 1.0;
    double cost = (plen > 0 && p[0] == '^') ? 1.0 : n;
    cost *= (double)plen + 1.0;
    size_t i = 0;
    while (i < plen && cost < LUA_COST_CEILING) {
        char c = p[i];
        if (c == '(' || c == ')') {
            i++;
            continue;
        }
        if (c == '%' && i + 1 < plen && (p[i + 1] == 'b' || (p[i + 1] >= '0' && p[i + 1] <= '9'))) {
            cost *= n;
            i += p[i + 1] == 'b' ? 4 : 2;
            continue;
        }
        int frontier = c == '%' && i + 1 < plen && p[i + 1] == 'f';
        if (frontier) {
            i += 2;
            c = i < plen ? p[i] : 0;
        }
        if (c == '[') {
            size_t j = i + 1;
            if (j < plen && p[j] == '^') {
                j++;
            }
            do {
                j += (j < plen && p[j] == '%') ? 2 : 1;
            } while (j < plen && p[j] != ']');
            i = j + 1;
        } else {
            i += c == '%' ? 2 : 1;
        }
        if (!frontier && i < plen) {
            char q = p[i];
            if (q == '*' || q == '+' || q == '-') {
                cost *= n;
                i++;
            } else if (q == '?') {
                cost *= 2.0;
                i++;
            }
        }
    }
    return cost;
}

// string.find, match, gmatch and gsub: the original is upvalue 1; upvalue 2 is true for
// find, whose fourth argument asks for a plain search. The worst case of the match is
// charged to the running call's budget first; past it the call raises an error.
static int lua_adapter_pattern_call(lua_State *L)
{
    size_t slen = 0;
    size_t plen = 0;
    const char *subject = lua_type(L, 1) == LUA_TSTRING || lua_type(L, 1) == LUA_TNUMBER ? lua_tolstring(L, 1, &slen) : nullptr;
    const char *pattern = lua_type(L, 2) == LUA_TSTRING || lua_type(L, 2) == LUA_TNUMBER ? lua_tolstring(L, 2, &plen) : nullptr;
    if (subject && pattern) {
        int plain = lua_toboolean(L, lua_upvalueindex(2)) && lua_toboolean(L, 4);
        double cost = plain ? (double)(slen + 1) * (double)(plen + 1) : lua_pattern_cost(pattern, plen, slen);
        LuaMeter *m = lua_adapter_meter(L);
        double left = (double)(LUA_CALL_BUDGET - (m->depth > 0 ? m->steps : 0));
        if (cost > left) {
            return luaL_error(L, "pattern match over %d characters too costly for one call", (int)slen);
        }
        if (m->depth > 0) {
            m->steps += (long)cost;
        }
    }
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
    return lua_gettop(L);
}

// Puts the budget guard around the string library's pattern functions.
static int lua_adapter_guard_patterns(lua_State *L)
{
    static const char *const names[] = {"find", "match", "gmatch", "gsub"};
    lua_getglobal(L, "string");
    if (!lua_istable(L, -1)) {
        return 0;
    }
    for (const char *name : names) {
        lua_getfield(L, -1, name);
        lua_pushboolean(L, strcmp(name, "find") == 0);
        lua_pushcclosure(L, lua_adapter_pattern_call, 2);
        lua_setfield(L, -2, name);
    }
    return 0;
}

int lua_strlibopen(lua_State *L)
{
    int status = lua_adapter_open(L, luaopen_string);
    if (status == 0) {
        status = lua_adapter_open(L, lua_adapter_guard_patterns);
    }
    return status;
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
