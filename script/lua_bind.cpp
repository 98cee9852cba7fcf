// lua_bind.cpp -- the bindings the level scripts call. Each one checks and converts its
// arguments, hands them to the module that owns the effect, and answers the script with
// a number: it never raises a Lua error, so a bad call is logged and the script goes on.

#include "script/lua_bind.h"

#include "core/con.h"
#include "core/game_record.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "core/str.h"
#include "render/model.h"
#include "render/tex.h"
#include "render/zgl.h"
#include "script/lua_adapter.h"
#include "script/lua_host.h"
#include "script/script_store.h"
#include "world/actortype.h"
#include "world/level.h"
#include "world/path.h"
#include "world/room.h"

#include <cmath>
#include <cstdio>
#include <cstring>

char g_lua_strings[LUA_MAX_STRINGS + 1][LUA_STRING_SIZE];
int g_lua_string_count;
float g_lua_numbers[LUA_MAX_NUMBERS];
float g_render_modelnum1;
float g_render_modelnum2;
void (*g_lua_level_label)(int level);

// The single-precision 1/32767 that scales a 15-bit random number to 0..1.
constexpr float LUA_RAND_SCALE = 3.0518509e-05f;
// The time limit of a level whose script names none, in ticks.
constexpr int LUA_DEFAULT_TIME_LIMIT = 6000;
// Event name that marks a sound added to an event rather than to an animation.
static const char LUA_SOUND_EVENT[] = "lua_event";

// The value at a stack index as a float in *out: 1 for a number (or a string that reads
// as one) that is finite as a float; -1, with *out 0, for NaN or an infinity (1e39
// becomes one as a float), which would stay in whatever it reached for good; 0, with
// *out 0, for anything else.
static int lua_bind_number(lua_State *L, int index, float *out)
{
    *out = 0.0f;
    if (!lua_isnumber(L, index)) {
        return 0;
    }
    float value = (float)lua_tonumber(L, index);
    if (!std::isfinite(value)) {
        return -1;
    }
    *out = value;
    return 1;
}

// The number at a stack index as a float, 0 when it is not a finite number.
static float lua_bind_float(lua_State *L, int index)
{
    float value;
    lua_bind_number(L, index, &value);
    return value;
}

static void lua_bind_set_string(int slot, const char *text)
{
    str_copy_n(g_lua_strings[slot], text, LUA_STRING_SIZE);
}

// Empties every argument slot (the table bindings read slots by element position, so a
// short table must not see the numbers of an earlier call).
static void lua_bind_clear(void)
{
    memset(g_lua_numbers, 0, sizeof(g_lua_numbers));
    for (int i = 0; i <= LUA_MAX_STRINGS; i++) {
        g_lua_strings[i][0] = 0;
    }
    g_lua_string_count = 0;
}

int lua_get_args(lua_State *L, int s, int n, int t)
{
    int given = lua_gettop(L);
    int expected = s + n + t;
    if (given != expected) {
        con_printf("*** [lua] incorrect num arguments %d %d", given, expected);
        return -1;
    }
    int result = 0;
    g_lua_string_count = 0;
    for (int i = 1; i <= s; i++) {
        if (lua_isstring(L, i)) {
            lua_bind_set_string(i, lua_tostring(L, i));
        } else {
            g_lua_strings[i][0] = 0;
            result = i;
        }
        g_lua_string_count = i;
    }
    for (int i = 0; i < n; i++) {
        int index = s + 1 + i;
        if (lua_bind_number(L, index, &g_lua_numbers[i]) != 1) {
            result = index;
        }
    }
    if (t) {
        int index = s + n + 1;
        if (lua_type(L, index) != LUA_TTABLE) {
            return index;
        }
        int m = lua_getn(L, index);
        g_lua_numbers[n] = (float)m;
        if (m == 0) {
            return index;
        }
        // The count sits in slot n and element k in slot n + k: refuse a table whose
        // elements would run past the number slots.
        if (m > LUA_MAX_NUMBERS - 1 - n) {
            return index;
        }
        int top = lua_gettop(L);
        for (int k = 1; k <= m; k++) {
            lua_rawgeti(L, index, k);
            int number = lua_bind_number(L, -1, &g_lua_numbers[n + k]);
            if (number < 0) {
                result = index;
            } else if (number == 0) {
                if (lua_type(L, -1) == LUA_TSTRING) {
                    if (g_lua_string_count >= LUA_MAX_STRINGS) {
                        lua_settop(L, top);
                        return index;
                    }
                    g_lua_string_count++;
                    lua_bind_set_string(g_lua_string_count, lua_tostring(L, -1));
                }
            }
            lua_settop(L, top);
        }
    }
    return result;
}

// The end of the common pattern: a bad call logs its line; the script gets r.
static int lua_bind_answer(lua_State *L, int r, const char *message)
{
    if (r != 0) {
        con_printf("*** [lua] incorrect argument %d in %s", r, message);
    }
    lua_pushnumber(L, r);
    return 1;
}

// The last string element of the trailing table, or "" when it has none.
static const char *lua_bind_table_string(int fixed_strings)
{
    return g_lua_string_count > fixed_strings ? g_lua_strings[g_lua_string_count] : "";
}

// c_preload_model { name, model folder, model name, cp numbers ..., move target }
static int c_preload_model(lua_State *L)
{
    if (lua_type(L, 1) != LUA_TTABLE) {
        con_printf("*** [lua] not a table for c_preload_model");
        lua_pushnumber(L, 1);
        return 1;
    }
    lua_bind_clear();
    int n = lua_getn(L, 1);
    int cancel = 0;
    if (n > LUA_MAX_NUMBERS - 1) {
        // Element k goes to number slot k: a longer table cannot be taken.
        con_printf("*** [lua] incorrect argument %d in c_preload_model", LUA_MAX_NUMBERS);
        cancel = 1;
    } else {
        int top = lua_gettop(L);
        int last = n > 3 ? n : 3;
        for (int k = 1; k <= last; k++) {
            lua_rawgeti(L, 1, k);
            if (k <= 3 || k == n) {
                int slot = k <= 3 ? k : 4;
                if (lua_isstring(L, -1)) {
                    lua_bind_set_string(slot, lua_tostring(L, -1));
                } else {
                    con_printf("*** [lua] incorrect argument %d in c_preload_model", k);
                    cancel = 1;
                }
            } else {
                int number = lua_bind_number(L, -1, &g_lua_numbers[k]);
                if (number != 1) {
                    con_printf("*** [lua] incorrect argument %d in c_preload_model", k);
                }
                // A number that is not finite cancels the call: it would stay in the type.
                cancel |= number < 0;
            }
            lua_settop(L, top);
        }
        g_lua_string_count = 4;
    }
    if (!cancel) {
        actortype_preload(g_lua_strings[1], g_lua_strings[2], g_lua_strings[3], g_lua_numbers,
                          g_lua_strings[4]);
    }
    lua_pushnumber(L, 0);
    return 1;
}

// c_is_model_preloaded (name): 1 when no type has the name, 0 when one has.
static int c_is_model_preloaded(lua_State *L)
{
    int r = lua_get_args(L, 1, 0, 0);
    if (r != 0) {
        con_printf("*** [lua] incorrect argument %d in c_is_model_preloaded", r);
        lua_pushnumber(L, 0);
        return 1;
    }
    lua_pushnumber(L, actortype_name_unused(g_lua_strings[1]));
    return 1;
}

// c_is_model_needed (name): whether the level plops the type (or preloads everything).
static int c_is_model_needed(lua_State *L)
{
    int r = lua_get_args(L, 1, 0, 0);
    if (r != 0) {
        con_printf("*** [lua] incorrect argument %d in c_is_model_needed", r);
        lua_pushnumber(L, 0);
        return 1;
    }
    lua_pushnumber(L, lua_is_model_needed(g_lua_strings[1]));
    return 1;
}

// c_launch_new_actor { type name, unique name, path name, ci numbers ... }
static int c_launch_new_actor(lua_State *L)
{
    if (lua_type(L, 1) != LUA_TTABLE) {
        con_printf("*** [lua] not a table for c_launch_model");
        lua_pushnumber(L, 1);
        return 1;
    }
    lua_bind_clear();
    int n = lua_getn(L, 1);
    int cancel = 0;
    if (n > LUA_MAX_NUMBERS - 1) {
        con_printf("*** [lua] incorrect argument b %d in c_launch_model", LUA_MAX_NUMBERS);
        cancel = 1;
    } else {
        int top = lua_gettop(L);
        int last = n > 3 ? n : 3;
        for (int k = 1; k <= last; k++) {
            lua_rawgeti(L, 1, k);
            if (k <= 3) {
                if (lua_isstring(L, -1)) {
                    lua_bind_set_string(k, lua_tostring(L, -1));
                } else {
                    con_printf("*** [lua] incorrect argument a %d in c_launch_model", k);
                    cancel = 1;
                }
            } else {
                int number = lua_bind_number(L, -1, &g_lua_numbers[k]);
                if (number != 1) {
                    con_printf("*** [lua] incorrect argument b %d in c_launch_model", k);
                }
                cancel |= number < 0;
            }
            lua_settop(L, top);
        }
        g_lua_string_count = 3;
    }
    if (!cancel) {
        actor_launch(g_lua_strings[1], g_lua_strings[2], g_lua_strings[3], g_lua_numbers);
    }
    lua_pushnumber(L, 0);
    return 1;
}

// c_set_random_anim (anim, speed min, speed max, delay min, delay max)
static int c_set_random_anim(lua_State *L)
{
    int r = lua_get_args(L, 1, 4, 0);
    if (r == 0) {
        actortype_add_random_anim(g_lua_strings[1], g_lua_numbers[0], g_lua_numbers[1],
                                  g_lua_numbers[2], g_lua_numbers[3]);
    }
    return lua_bind_answer(L, r, "c_set_random_anim");
}

// c_set_use_anim_for (slot, anim, speed min, speed max)
static int c_set_use_anim_for(lua_State *L)
{
    int r = lua_get_args(L, 2, 2, 0);
    if (r == 0) {
        actortype_add_move_anim(g_lua_strings[1], g_lua_strings[2], g_lua_numbers[0],
                                g_lua_numbers[1]);
    }
    return lua_bind_answer(L, r, "c_set_use_anim_for");
}

// c_add_a_weapon (7 weapon names, 9 weapon numbers, { reload times })
static int c_add_a_weapon(lua_State *L)
{
    int r = lua_get_args(L, 7, 9, 1);
    if (r == 0) {
        actortype_add_weapon(g_lua_strings[1], g_lua_strings[2], g_lua_strings[3],
                             g_lua_strings[4], g_lua_strings[5], g_lua_strings[6],
                             g_lua_strings[7], g_lua_numbers, (int)g_lua_numbers[9],
                             g_lua_numbers + 10);
    }
    return lua_bind_answer(L, r, "c_add_a_weapon");
}

// c_set_use_explosion_for (event, explosion, align, scale, blast, min, max, { delays })
static int c_set_use_explosion_for(lua_State *L)
{
    int r = lua_get_args(L, 2, 5, 1);
    if (r == 0) {
        actortype_add_explosion(g_lua_strings[1], g_lua_strings[2], g_lua_numbers,
                                (int)g_lua_numbers[5], g_lua_numbers + 6);
    }
    return lua_bind_answer(L, r, "c_set_use_explosion_for");
}

// c_set_trigger_state (condition, [name,] a, b, { cp table }); with three values
// (condition, name, { cp table }) a and b are 0.
static int c_set_trigger_state(lua_State *L)
{
    int count = lua_gettop(L);
    int r;
    int strings;
    int numbers;
    const char *message;
    if (count == 5) {
        strings = 2;
        numbers = 2;
        message = "c_set_trigger_state a";
    } else if (count == 4) {
        strings = 1;
        numbers = 2;
        message = "c_set_trigger_state b";
    } else {
        strings = 2;
        numbers = 0;
        message = "c_set_trigger_state b";
    }
    r = lua_get_args(L, strings, numbers, 1);
    if (r == 0) {
        const char *name = strings == 2 ? g_lua_strings[2] : "";
        float a = numbers ? g_lua_numbers[0] : 0.0f;
        float b = numbers ? g_lua_numbers[1] : 0.0f;
        actortype_add_state(g_lua_strings[1], name, a, b, g_lua_numbers + numbers,
                            lua_bind_table_string(strings));
    }
    return lua_bind_answer(L, r, message);
}

// c_set_trigger_mutate (new type, condition, [other,] a, b, c, d, min, max)
static int c_set_trigger_mutate(lua_State *L)
{
    int strings = lua_gettop(L) == 9 ? 3 : 2;
    int r = lua_get_args(L, strings, 6, 0);
    if (r == 0) {
        actortype_add_mutate(g_lua_strings[1], g_lua_strings[2],
                             strings == 3 ? g_lua_strings[3] : "", g_lua_numbers);
    }
    return lua_bind_answer(L, r, "c_set_trigger_mutate");
}

// c_set_trigger_spawn (type, anim, bone, a, b, c, d)
static int c_set_trigger_spawn(lua_State *L)
{
    int r = lua_get_args(L, 3, 4, 0);
    if (r == 0) {
        actortype_add_spawn(g_lua_strings[1], g_lua_strings[2], g_lua_strings[3],
                            g_lua_numbers[0], g_lua_numbers[1], g_lua_numbers[2],
                            g_lua_numbers[3]);
    }
    return lua_bind_answer(L, r, "c_set_trigger_spawn");
}

// c_add_particle_to_anim (anim, bone, particle)
static int c_add_particle_to_anim(lua_State *L)
{
    int r = lua_get_args(L, 3, 0, 0);
    if (r == 0) {
        actortype_add_particle(nullptr, g_lua_strings[1], g_lua_strings[2], g_lua_strings[3]);
    }
    return lua_bind_answer(L, r, "c_add_particle_to_anim");
}

// The optional priority of the sound bindings: two fixed names plus an optional number.
static int lua_bind_sound_args(lua_State *L, int strings, int *priority)
{
    int numbers = lua_gettop(L) == strings ? 0 : 1;
    int r = lua_get_args(L, strings, numbers, 0);
    *priority = numbers ? trunc_to_int(g_lua_numbers[0]) : 0;
    return r;
}

// c_add_sound_to_anim (anim, sound [, priority])
static int c_add_sound_to_anim(lua_State *L)
{
    int priority;
    int r = lua_bind_sound_args(L, 2, &priority);
    if (r == 0) {
        actortype_add_sound(nullptr, g_lua_strings[1], g_lua_strings[2], priority, nullptr);
    }
    return lua_bind_answer(L, r, "c_add_sound_to_anim");
}

// c_add_sound_to_event (event, sound [, priority])
static int c_add_sound_to_event(lua_State *L)
{
    int priority;
    int r = lua_bind_sound_args(L, 2, &priority);
    if (r == 0) {
        actortype_add_sound(nullptr, g_lua_strings[1], g_lua_strings[2], priority,
                            LUA_SOUND_EVENT);
    }
    return lua_bind_answer(L, r, "c_add_sound_to_event");
}

// c_add_footprint_to_anim (anim, bone, texture, key, size, life)
static int c_add_footprint_to_anim(lua_State *L)
{
    int r = lua_get_args(L, 3, 3, 0);
    if (r == 0) {
        actortype_add_footprint(g_lua_strings[1], g_lua_strings[2], g_lua_strings[3],
                                g_lua_numbers[0], g_lua_numbers[1], g_lua_numbers[2]);
    }
    return lua_bind_answer(L, r, "c_add_footprint_to_anim");
}

// c_add_particle_to_explosion (explosion, anim, bone, particle)
static int c_add_particle_to_explosion(lua_State *L)
{
    int r = lua_get_args(L, 4, 0, 0);
    if (r == 0) {
        actortype_add_particle(g_lua_strings[1], g_lua_strings[2], g_lua_strings[3],
                               g_lua_strings[4]);
    }
    return lua_bind_answer(L, r, "c_add_particle_to_explosion");
}

// c_add_sound_to_explosion (explosion, anim, sound [, priority])
static int c_add_sound_to_explosion(lua_State *L)
{
    int priority;
    int r = lua_bind_sound_args(L, 3, &priority);
    if (r == 0) {
        actortype_add_sound(g_lua_strings[1], g_lua_strings[2], g_lua_strings[3], priority,
                            nullptr);
    }
    return lua_bind_answer(L, r, "c_add_sound_to_explosion");
}

// c_add_trail_to_bone (bone, 6 numbers): accepted and checked, no effect in this game.
static int c_add_trail_to_bone(lua_State *L)
{
    int r = lua_get_args(L, 1, 6, 0);
    return lua_bind_answer(L, r, "c_add_trail_to_bone");
}

// c_add_some_wheels (left bone, right bone, a, b)
static int c_add_some_wheels(lua_State *L)
{
    int r = lua_get_args(L, 2, 2, 0);
    if (r == 0) {
        actortype_add_wheels(g_lua_strings[1], g_lua_strings[2], g_lua_numbers[0],
                             g_lua_numbers[1]);
    }
    return lua_bind_answer(L, r, "c_add_some_wheels");
}

// c_room_goto (anim, unused number)
static int c_room_goto(lua_State *L)
{
    int r = lua_get_args(L, 1, 1, 0);
    if (r == 0) {
        room_goto(g_lua_strings[1]);
    }
    return lua_bind_answer(L, r, "c_room_goto");
}

// c_room_attach (type, bone, x %, y %, z %, hue)
static int c_room_attach(lua_State *L)
{
    int r = lua_get_args(L, 2, 4, 0);
    if (r == 0) {
        room_attach(g_lua_strings[1], g_lua_strings[2], g_lua_numbers[0], g_lua_numbers[1],
                    g_lua_numbers[2], g_lua_numbers[3]);
    }
    return lua_bind_answer(L, r, "c_room_attach");
}

// c_link_to_parent (parent, bone [, owner])
static int c_link_to_parent(lua_State *L)
{
    int strings = lua_gettop(L) == 3 ? 3 : 2;
    int r = lua_get_args(L, strings, 0, 0);
    if (r == 0) {
        actor_link_to_parent(g_lua_strings[1], g_lua_strings[2],
                             strings == 3 ? g_lua_strings[3] : "");
    }
    return lua_bind_answer(L, r, "c_link_to_parent");
}

// c_link_health_to_parent (parent)
static int c_link_health_to_parent(lua_State *L)
{
    int r = lua_get_args(L, 1, 0, 0);
    if (r == 0) {
        actor_link_health_to_parent(g_lua_strings[1]);
    }
    return lua_bind_answer(L, r, "c_link_health_to_parent");
}

// c_add_fizz_to_room (beam type, actor A, bone A, actor B, bone B, scale, hue)
static int c_add_fizz_to_room(lua_State *L)
{
    int r = lua_get_args(L, 5, 2, 0);
    if (r == 0) {
        fizz_add_to_room(g_lua_strings[1], g_lua_strings[2], g_lua_strings[3], g_lua_strings[4],
                         g_lua_strings[5], g_lua_numbers[0], g_lua_numbers[1]);
    }
    return lua_bind_answer(L, r, "c_add_fizz_to_room");
}

// c_add_fizz_between (beam type, type A, bone A, type B, bone B, kind, scale, d1, d2, e)
static int c_add_fizz_between(lua_State *L)
{
    int r = lua_get_args(L, 6, 4, 0);
    if (r == 0) {
        actortype_add_fizz_between(g_lua_strings[1], g_lua_strings[2], g_lua_strings[3],
                                   g_lua_strings[4], g_lua_strings[5], g_lua_strings[6],
                                   g_lua_numbers[0], g_lua_numbers[1], g_lua_numbers[2],
                                   g_lua_numbers[3]);
    }
    return lua_bind_answer(L, r, "c_add_fizz_between");
}

// c_add_flock_type (delay min, delay max, reach min, reach max)
static int c_add_flock_type(lua_State *L)
{
    int r = lua_get_args(L, 0, 4, 0);
    if (r == 0) {
        actortype_add_flock_type(g_lua_numbers[0], g_lua_numbers[1], g_lua_numbers[2],
                                 g_lua_numbers[3]);
    }
    return lua_bind_answer(L, r, "c_add_flock_type");
}

// c_add_a_path (name, p0 .. p5, { points }) or c_add_a_path (name, direction, percent)
static int c_add_a_path(lua_State *L)
{
    int count = lua_gettop(L);
    int r;
    int mode;
    if (count == 8) {
        r = lua_get_args(L, 1, 6, 1);
        mode = PATH_MODE_TABLE;
    } else if (count == 3) {
        r = lua_get_args(L, 1, 2, 0);
        mode = PATH_MODE_GENERATED;
    } else {
        // Neither form: logged with 0 and answered 0, as the scripts have always seen it.
        con_printf("*** [lua] incorrect argument %d in c_add_a_path", 0);
        lua_pushnumber(L, 0);
        return 1;
    }
    if (r == 0) {
        path_add(g_lua_strings[1], g_lua_numbers, mode);
    }
    return lua_bind_answer(L, r, "c_add_a_path");
}

// c_change_bitmap (old name, new name)
static int c_change_bitmap(lua_State *L)
{
    int r = lua_get_args(L, 2, 0, 0);
    if (r == 0) {
        zgl_bitmap_rename(g_lua_strings[1], g_lua_strings[2]);
    }
    return lua_bind_answer(L, r, "c_change_bitmap");
}

// c_background_colour (unused, percent): answers the background hue in degrees.
static int c_background_colour(lua_State *L)
{
    int r = lua_gettop(L) == 2 ? lua_get_args(L, 0, 2, 0) : 1;
    if (r != 0) {
        con_printf("*** [lua] incorrect argument %d in c_background_colour", r);
        lua_pushnumber(L, 0);
        return 1;
    }
    lua_pushnumber(L, zgl_set_background_colour(g_lua_numbers[0], g_lua_numbers[1]));
    return 1;
}

// The bounds of c_zrand and c_zrand_int: () 0..1, (a) 0..a, (a, b) a..b.
static void lua_bind_rand_bounds(lua_State *L, float *low, float *span, float *high)
{
    int count = lua_gettop(L);
    *low = 0.0f;
    *span = 1.0f;
    *high = 1.0f;
    if (count == 1 || count == 2) {
        float a = lua_bind_float(L, 1);
        *span = a;
        *high = a;
        float b;
        if (count == 2 && lua_bind_number(L, 2, &b) == 1) {
            *low = a;
            *span = b - a;
            *high = b;
        }
    }
}

static float lua_bind_rand(lua_State *L, float *high)
{
    float low;
    float span;
    lua_bind_rand_bounds(L, &low, &span, high);
    float r = (float)(mt_rand() & 32767);
    return low + r * span * LUA_RAND_SCALE;
}

// c_zrand ([a [, b]]): a random number from low to low + span, both included.
static int c_zrand(lua_State *L)
{
    float high;
    lua_pushnumber(L, lua_bind_rand(L, &high));
    return 1;
}

// c_zrand_int ([a [, b]]): the same number, capped at high and truncated.
static int c_zrand_int(lua_State *L)
{
    float high;
    float value = lua_bind_rand(L, &high);
    if (value > high) {
        value = high;
    }
    lua_pushnumber(L, trunc_to_int(value));
    return 1;
}

// c_print (...): one log line of "-" and the number and string arguments.
static int c_print(lua_State *L)
{
    char line[CON_LINE_SIZE];
    size_t used = 0;
    line[used++] = '-';
    line[used] = 0;
    int count = lua_gettop(L);
    for (int i = 1; i <= count && used < sizeof(line) - 1; i++) {
        int written = 0;
        if (lua_type(L, i) == LUA_TNUMBER) {
            written = snprintf(line + used, sizeof(line) - used, " %f ", lua_tonumber(L, i));
        } else if (lua_type(L, i) == LUA_TSTRING) {
            written = snprintf(line + used, sizeof(line) - used, "%s", lua_tostring(L, i));
        }
        if (written > 0) {
            used += (size_t)written;
            if (used > sizeof(line) - 1) {
                used = sizeof(line) - 1;
            }
        }
    }
    con_printf("%s", line);
    lua_pushnumber(L, 0);
    return 1;
}

// c_no_more_beasties_to_come (): the level script launched its last wave.
static int c_no_more_beasties_to_come(lua_State *L)
{
    g_no_more_beasties = 1;
    lua_pushnumber(L, 0);
    return 1;
}

// c_set_time_limit ([ticks [, level]])
static int c_set_time_limit(lua_State *L)
{
    int count = lua_gettop(L);
    g_time_limit = count >= 1 && lua_isnumber(L, 1) ? trunc_to_int(lua_tonumber(L, 1))
                                                    : LUA_DEFAULT_TIME_LIMIT;
    if (count >= 2 && lua_isnumber(L, 2)) {
        int level = trunc_to_int(lua_tonumber(L, 2));
        if (level != 0) {
            g_lua_level_label(level);
        }
    }
    lua_pushnumber(L, 0);
    return 1;
}

// c_time_skip_off ([n]): n non-zero runs the script exactly once per tick.
static int c_time_skip_off(lua_State *L)
{
    g_time_skip_off =
        lua_gettop(L) == 1 && lua_isnumber(L, 1) ? trunc_to_int(lua_tonumber(L, 1)) : 0;
    lua_pushnumber(L, 0);
    return 1;
}

// c_get_player_num ([p]): the ship model number (1..) of player 1, or of player 2 when p
// is 2 (-1 without a second player); selects whose types the following calls define.
static int c_get_player_num(lua_State *L)
{
    int p = lua_gettop(L) == 1 && lua_isnumber(L, 1) ? trunc_to_int(lua_tonumber(L, 1)) : 0;
    g_player_number = 0;
    int answer;
    if (p == 2) {
        if (g_two_player == 1) {
            answer = trunc_to_int(g_render_modelnum2) + 1;
            g_player_number = 1;
        } else {
            answer = -1;
        }
    } else {
        answer = trunc_to_int(g_render_modelnum1) + 1;
    }
    lua_pushnumber(L, answer);
    return 1;
}

// c_get_gfx_level (): the background detail setting, 0..3.
static int c_get_gfx_level(lua_State *L)
{
    lua_pushnumber(L, trunc_to_int(g_render_backgroundgfx));
    return 1;
}

// c_get_demo_level (): this game has no demo levels.
static int c_get_demo_level(lua_State *L)
{
    lua_pushnumber(L, 0);
    return 1;
}

// dofilx (file name): runs an embedded script in the calling state.
static int lua_bind_dofilx(lua_State *L)
{
    int r = lua_get_args(L, 1, 0, 0);
    if (r != 0) {
        con_printf("*** [lua] incorrect argument %d in c_dofile_x", r);
        return 0;
    }
    script_set_name(g_lua_strings[1]);
    int index = script_find();
    if (index >= 0) {
        const ScriptRecord *record = &g_script_store[index];
        lua_dobuffer(L, record->text, record->length, record->name);
    }
    return 0;
}

// _ERRORMESSAGE (message): every load and run-time error of a script ends up here.
static int lua_bind_errormessage(lua_State *L)
{
    const char *msg = lua_isstring(L, 1) ? lua_tostring(L, 1) : nullptr;
    if (!msg) {
        msg = "(no message)";
    }
    // A LEVEL_gameloop that fails fails at every call: its line is counted, not repeated.
    if (!lua_error_repeated(msg)) {
        con_printf("\n* lua error");
        con_printf("* lua error * %s", msg);
    }
    return 0;
}

struct LuaBinding {
    const char *name;
    lua_CFunction function;
};

// Registration order; scripts see them as globals.
static const LuaBinding lua_bindings[LUA_BINDING_COUNT] = {
    {"c_preload_model", c_preload_model},
    {"c_is_model_preloaded", c_is_model_preloaded},
    {"c_is_model_needed", c_is_model_needed},
    {"c_launch_new_actor", c_launch_new_actor},
    {"c_set_random_anim", c_set_random_anim},
    {"c_set_use_anim_for", c_set_use_anim_for},
    {"c_add_a_weapon", c_add_a_weapon},
    {"c_set_use_explosion_for", c_set_use_explosion_for},
    {"c_set_trigger_state", c_set_trigger_state},
    {"c_set_trigger_mutate", c_set_trigger_mutate},
    {"c_set_trigger_spawn", c_set_trigger_spawn},
    {"c_add_particle_to_anim", c_add_particle_to_anim},
    {"c_add_sound_to_anim", c_add_sound_to_anim},
    {"c_add_sound_to_event", c_add_sound_to_event},
    {"c_add_footprint_to_anim", c_add_footprint_to_anim},
    {"c_add_particle_to_explosion", c_add_particle_to_explosion},
    {"c_add_sound_to_explosion", c_add_sound_to_explosion},
    {"c_add_trail_to_bone", c_add_trail_to_bone},
    {"c_add_some_wheels", c_add_some_wheels},
    {"c_room_goto", c_room_goto},
    {"c_room_attach", c_room_attach},
    {"c_link_to_parent", c_link_to_parent},
    {"c_link_health_to_parent", c_link_health_to_parent},
    {"c_add_fizz_to_room", c_add_fizz_to_room},
    {"c_add_fizz_between", c_add_fizz_between},
    {"c_add_flock_type", c_add_flock_type},
    {"c_add_a_path", c_add_a_path},
    {"c_change_bitmap", c_change_bitmap},
    {"c_background_colour", c_background_colour},
    {"c_zrand", c_zrand},
    {"c_zrand_int", c_zrand_int},
    {"c_print", c_print},
    {"c_no_more_beasties_to_come", c_no_more_beasties_to_come},
    {"c_set_time_limit", c_set_time_limit},
    {"c_time_skip_off", c_time_skip_off},
    {"c_get_player_num", c_get_player_num},
    {"c_get_gfx_level", c_get_gfx_level},
    {"c_get_demo_level", c_get_demo_level},
};

void lua_register_bindings(lua_State *L)
{
    for (const LuaBinding &binding : lua_bindings) {
        lua_pushcclosure(L, binding.function, 0);
        lua_setglobal(L, binding.name);
    }
    lua_pushcclosure(L, lua_bind_dofilx, 0);
    lua_setglobal(L, "dofilx");
    lua_pushcclosure(L, lua_bind_errormessage, 0);
    lua_setglobal(L, "_ERRORMESSAGE");
}
