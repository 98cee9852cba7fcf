// tree_arena.h -- a level's world over the generated tree for the beam and boss tests: the
// lists and the level globals of a running level, the named scripts run in a fresh Lua
// state, and enemies launched where a test puts them.
#pragma once

#include "core/mem.h"
#include "game/level_driver.h"
#include "world/actortype.h"
#include "world/beastie.h"
#include "world/fizz.h"
#include "world/fizzrule.h"

#include "tests/script/lua_test_support.h"
#include "tests/support/world_cleanup.h"

#include <gtest/gtest.h>
#include <initializer_list>

// Empty lists, level tick `ticks`, nothing frozen, every tick the frame's last; then the
// scripts run with cur_level_num = level.
inline void tree_arena_begin(int level, int ticks, std::initializer_list<const char *> scripts)
{
    beasties_reset();
    fizz_reset();
    fizz_rules_reset();
    g_level_ticks = ticks;
    g_level_end_ticks = g_game_over = g_death_ticks = 0;
    g_ticks_left = 1;
    g_lua = lua_open(0);
    lua_register_all();
    lua_test_run("cur_level_num = " + std::to_string(level));
    for (const char *script : scripts) {
        lua_run_mem_script(script);
    }
}

// The level's end: the Lua state closed, the world released, the memory pool empty again,
// the level tick back to 0.
inline void tree_arena_end(void)
{
    lua_close(g_lua);
    g_lua = nullptr;
    world_cleanup_level();
    EXPECT_EQ(mem_usage, 0u);
    mem_init();
    g_level_ticks = 0;
}

// An enemy of the type at (x, 0, z), started; null (a test failure) when it cannot be made.
inline Beastie *tree_arena_launch(const char *type, const char *name, float x, float z, float heading = 0.0f)
{
    Beastie *b = new Beastie;
    const float pos[3] = {x, 0.0f, z};
    if (beastie_init(b, name, pos, 1.0f, heading, 0.0f, 0.0f, actortype_find(type), nullptr) != 0) {
        ADD_FAILURE() << type;
        beastie_destroy(b, 1);
        return nullptr;
    }
    beastie_start(b, 0, 0);
    return b;
}
