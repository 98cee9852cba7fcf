// player_scripts.h -- a level's Lua state with the real player scripts run (the ships,
// their shots, shield, spinner and the power-ups of player_all.lua, as level 101 defines
// them), and its release with everything the scripts made.
#pragma once

#include "game/settings.h"
#include "script/lua_host.h"

#include "tests/script/lua_test_support.h"
#include "tests/support/world_cleanup.h"

// Both players fly the first ship, as at a first start before any setting was read.
inline void player_scripts_open(void)
{
    g_render_modelnum1 = 0.0f;
    g_render_modelnum2 = 0.0f;
    g_lua = lua_open(0);
    lua_register_all();
    lua_test_run("cur_level_num = 101");
    lua_run_mem_script("actor.lua");
    lua_run_mem_script("player_all.lua");
}

inline void player_scripts_close(void)
{
    lua_close(g_lua);
    g_lua = nullptr;
    world_cleanup_level();
}
