// lua_host.cpp -- the script host: one Lua state per level start, the level script's
// LEVEL_start and LEVEL_gameloop, and the actor names the level script plops.

#include "script/lua_host.h"

#include "core/con.h"
#include "core/game_record.h"
#include "core/str.h"
#include "script/lua_adapter.h"
#include "script/lua_bind.h"
#include "script/script_store.h"

#include <cstdio>
#include <cstring>

lua_State *g_lua;
char g_actor_names[MAX_ACTOR_NAMES][ACTOR_NAME_SIZE];
int g_actor_name_count;

// The literal that starts a line the name collector reads.
static const char LUA_PLOPPER[] = "actor_plopper(";
// Levels below this one preload every type, whatever they plop.
constexpr int LUA_FIRST_SELECTIVE_LEVEL = 101;

int lua_run_mem_script(const char *file_name)
{
    if (!g_lua) {
        return 0;
    }
    int top = lua_gettop(g_lua);
    script_set_name(file_name);
    int index = script_find();
    if (index >= 0) {
        const ScriptRecord *record = &g_script_store[index];
        lua_dobuffer(g_lua, record->text, record->length, record->name);
    }
    lua_settop(g_lua, top);
    return 0;
}

// Reads the name token of one line that starts with LUA_PLOPPER (line .. end, not
// terminated) into name: blanks skipped, the token cut at ACTOR_NAME_SIZE - 1 characters,
// then cut at its last double quote with its first character (the opening quote)
// dropped. Returns 0 when the line gives no name.
static int lua_plopper_name(const char *line, const char *end, char *name)
{
    const char *p = line + sizeof(LUA_PLOPPER) - 1;
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\v' || *p == '\f')) {
        p++;
    }
    char token[ACTOR_NAME_SIZE];
    int len = 0;
    while (p < end && len < ACTOR_NAME_SIZE - 1 && *p != 0 && *p != ' ' && *p != '\t' &&
           *p != '\n' && *p != '\r' && *p != '\v' && *p != '\f') {
        token[len++] = *p++;
    }
    token[len] = 0;
    if (len < 3) {
        return 0;
    }
    char *quote = strrchr(token, '"');
    if (!quote || quote == token) {
        return 0;
    }
    *quote = 0;
    str_copy_n(name, token + 1, ACTOR_NAME_SIZE);
    return name[0] != 0;
}

void lua_collect_actor_names_text(const char *text, uint32_t length)
{
    if (!text) {
        return;
    }
    const char *end = text + length;
    size_t plopper_len = sizeof(LUA_PLOPPER) - 1;
    for (const char *line = text; line < end;) {
        const char *next = static_cast<const char *>(memchr(line, '\n', end - line));
        next = next ? next + 1 : end;
        char name[ACTOR_NAME_SIZE];
        if ((size_t)(next - line) > plopper_len && memcmp(line, LUA_PLOPPER, plopper_len) == 0 &&
            lua_plopper_name(line, next, name)) {
            int known = 0;
            for (int i = 0; i < g_actor_name_count && !known; i++) {
                known = strcmp(g_actor_names[i], name) == 0;
            }
            if (!known) {
                if (g_actor_name_count < MAX_ACTOR_NAMES) {
                    str_copy_n(g_actor_names[g_actor_name_count++], name, ACTOR_NAME_SIZE);
                } else {
                    con_printf("*** [lua] need more actor name slots %d", MAX_ACTOR_NAMES);
                }
            }
        }
        line = next;
    }
}

void lua_collect_actor_names(const char *file_name)
{
    script_set_name(file_name);
    int index = script_find();
    if (index >= 0) {
        lua_collect_actor_names_text(g_script_store[index].text, g_script_store[index].length);
    }
}

int lua_is_model_needed(const char *name)
{
    if (name) {
        for (int i = 0; i < g_actor_name_count; i++) {
            if (strcmp(g_actor_names[i], name) == 0) {
                return 1;
            }
        }
    }
    return g_level_number < LUA_FIRST_SELECTIVE_LEVEL ? 1 : 0;
}

void lua_register_all(void)
{
    if (!g_lua) {
        return;
    }
    lua_baselibopen(g_lua);
    lua_strlibopen(g_lua);
    lua_mathlibopen(g_lua);
    lua_register_bindings(g_lua);
}

// Calls a global function of the level script without arguments or results. A missing
// function or an error inside it reaches _ERRORMESSAGE; the game goes on.
static void lua_call_level_function(const char *name)
{
    if (!g_lua) {
        return;
    }
    int top = lua_gettop(g_lua);
    // Raw access, so that a metatable on the script's globals cannot raise an error
    // outside the protected call.
    lua_pushstring(g_lua, name);
    lua_rawget(g_lua, LUA_GLOBALSINDEX);
    lua_protected_call(g_lua, 0, 0);
    lua_settop(g_lua, top);
}

void lua_initlevel(const char *level_name)
{
    if (g_lua) {
        lua_freelevel();
    }
    char file_name[SCRIPT_LOOKUP_SIZE];
    snprintf(file_name, sizeof(file_name), "%s.lua", level_name ? level_name : "");
    g_actor_name_count = 0;
    lua_collect_actor_names(file_name);
    con_printf("\n[lua] initlevel %s", level_name ? level_name : "");
    g_lua = lua_open(0);
    if (!g_lua) {
        return;
    }
    lua_register_all();
    lua_run_mem_script(file_name);
    con_printf("[lua] LEVEL_start");
    lua_call_level_function("LEVEL_start");
}

void lua_call_level_gameloop(void)
{
    lua_call_level_function("LEVEL_gameloop");
}

void lua_freelevel(void)
{
    if (g_lua) {
        lua_close(g_lua);
        g_lua = nullptr;
    }
    lua_error_flush();
    con_printf(" [lua] freelevel");
}
