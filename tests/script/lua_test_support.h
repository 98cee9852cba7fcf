// lua_test_support.h -- shared by the script tests: a level's Lua state opened as a level
// start opens it, and small helpers that run code in it and read its globals.
#pragma once

#include "script/lua_adapter.h"
#include "script/lua_host.h"
#include "tests/support/world_cleanup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// Runs code in g_lua as one chunk, unprotected by the host's error hook so that a test
// sees its own mistakes; returns the Lua status.
inline int lua_test_run(const std::string &code)
{
    int top = lua_gettop(g_lua);
    int status = luaL_loadbuffer(g_lua, code.data(), code.size(), "=test");
    if (status == 0) {
        status = lua_pcall(g_lua, 0, 0, 0);
    }
    if (status != 0) {
        ADD_FAILURE() << "test chunk failed: " << lua_tostring(g_lua, -1) << "\n" << code;
    }
    lua_settop(g_lua, top);
    return status;
}

// A global of g_lua as a number (NaN when it is not one).
inline double lua_test_number(const char *name)
{
    lua_getglobal(g_lua, name);
    double value = lua_isnumber(g_lua, -1) ? lua_tonumber(g_lua, -1) : 0.0 / 0.0;
    lua_pop(g_lua, 1);
    return value;
}

// A global of g_lua as a string ("<nil>" when absent, "<type>" when not a string).
inline std::string lua_test_string(const char *name)
{
    lua_getglobal(g_lua, name);
    std::string value;
    if (lua_isnil(g_lua, -1)) {
        value = "<nil>";
    } else if (lua_type(g_lua, -1) == LUA_TSTRING) {
        value = lua_tostring(g_lua, -1);
    } else {
        value = std::string("<") + lua_typename(g_lua, lua_type(g_lua, -1)) + ">";
    }
    lua_pop(g_lua, 1);
    return value;
}

// The result of one expression evaluated in g_lua, as a number.
inline double lua_test_eval(const std::string &expression)
{
    lua_test_run("lua_test_result = " + expression);
    return lua_test_number("lua_test_result");
}

// Every host function a level state offers, in registration order.
inline const char *const LUA_TEST_HOST_FUNCTIONS[] = {
    "c_preload_model", "c_is_model_preloaded", "c_is_model_needed", "c_launch_new_actor",
    "c_set_random_anim", "c_set_use_anim_for", "c_add_a_weapon", "c_set_use_explosion_for",
    "c_set_trigger_state", "c_set_trigger_mutate", "c_set_trigger_spawn",
    "c_add_particle_to_anim", "c_add_sound_to_anim", "c_add_sound_to_event",
    "c_add_footprint_to_anim", "c_add_particle_to_explosion", "c_add_sound_to_explosion",
    "c_add_trail_to_bone", "c_add_some_wheels", "c_room_goto", "c_room_attach",
    "c_link_to_parent", "c_link_health_to_parent", "c_add_fizz_to_room",
    "c_add_fizz_between", "c_add_flock_type", "c_add_a_path", "c_change_bitmap",
    "c_background_colour", "c_zrand", "c_zrand_int", "c_print",
    "c_no_more_beasties_to_come", "c_set_time_limit", "c_time_skip_off",
    "c_get_player_num", "c_get_gfx_level", "c_get_demo_level", "dofilx", "_ERRORMESSAGE",
};

// A fresh level state (libraries and bindings) for each test, closed afterwards.
class LuaStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_lua = lua_open(0);
        ASSERT_NE(g_lua, nullptr);
        lua_register_all();
    }
    void TearDown() override
    {
        if (g_lua) {
            lua_close(g_lua);
            g_lua = nullptr;
        }
        world_cleanup_level();
    }
};
