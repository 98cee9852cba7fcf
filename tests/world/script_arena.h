// script_arena.h -- the fixture of tests that define actor types through the real
// bindings: a level's Lua state, a temporary styles folder (and its explosions folder)
// for models written from sets built in memory, the type registry and ship globals reset,
// and at the end no running animation and an empty memory pool.
#pragma once

#include "core/file.h"
#include "core/mem.h"
#include "world/actortype.h"
#include "world/animplay.h"
#include "world/gamer.h"
#include "world/powerup.h"

#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"
#include "tests/world/anim_synth.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

class ScriptArena : public LuaStateTest {
protected:
    void SetUp() override
    {
        LuaStateTest::SetUp();
        mem_init();
        snprintf(saved_styles, sizeof(saved_styles), "%s", g_styles_dir);
        snprintf(saved_explosions, sizeof(saved_explosions), "%s", g_explosions_dir);
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s/", dir.path().c_str());
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s/explosions/", dir.path().c_str());
        actortype_reset();
        gamer_reset_globals();
        powerups_reset();
    }
    void TearDown() override
    {
        LuaStateTest::TearDown();
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_styles);
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", saved_explosions);
        EXPECT_EQ(anim_plays_in_use(), 0);
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    // The set as "<folder>/anim.bin" under the styles folder.
    void write(const std::string &folder, const AnimSynth &s)
    {
        Bytes bytes = anim_write(s.file);
        dir.write(folder + "/anim.bin", std::string(bytes.begin(), bytes.end()));
    }
    static void lua(const std::string &code) { ASSERT_EQ(lua_test_run(code), 0) << code; }
    // The type of that name (a test failure when none).
    static ActorType *type(const char *name)
    {
        ActorType *t = actortype_find(name);
        EXPECT_NE(t, nullptr) << name;
        return t;
    }

    TempDir dir;
    char saved_styles[FILE_DIR_SIZE];
    char saved_explosions[FILE_DIR_SIZE];
    LogCapture log;
};
