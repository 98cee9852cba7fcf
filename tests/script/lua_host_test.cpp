// The script host: the actor-name collector, the level's state, its entry functions and
// their log lines.

#include "script/lua_host.h"

#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "script/lua_adapter.h"
#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ActorNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_actor_name_count = 0;
        saved_level = g_level_number;
    }
    void TearDown() override
    {
        g_actor_name_count = 0;
        g_level_number = saved_level;
    }
    void collect(const std::string &text)
    {
        lua_collect_actor_names_text(text.data(), (uint32_t)text.size());
    }
    std::vector<std::string> names() const
    {
        return std::vector<std::string>(g_actor_names, g_actor_names + g_actor_name_count);
    }
    LogCapture log;
    int saved_level = 101;
};

TEST_F(ActorNames, ColumnZeroCallsAreCollectedWithOrWithoutABlank)
{
    collect("actor_plopper( \"robot_green\", 4, plop_edge )\n"
            "actor_plopper(\"trackfly_1\", 2)\n"
            "actor_plopper(\t\"spinner_1\",3)");
    EXPECT_EQ(names(), (std::vector<std::string>{"robot_green", "trackfly_1", "spinner_1"}));
}

TEST_F(ActorNames, IndentedOrDifferentLinesAreNotSeen)
{
    collect("    actor_plopper( \"robot_green\", 4 )\n"
            "\tactor_plopper( \"trackfly_1\", 4 )\n"
            "x = 1 actor_plopper( \"spinner_1\", 4 )\n"
            "-- actor_plopper( \"ninjoo_1\", 4 )\n"
            "actor_plopper ( \"weelee_small\", 4 )\n"
            "actor_plopper( name, 4 )\n"
            "actor_plopper(\n");
    EXPECT_TRUE(names().empty());
    g_level_number = 120;
    EXPECT_EQ(lua_is_model_needed("robot_green"), 0);
}

TEST_F(ActorNames, DuplicatesAreCollectedOnce)
{
    collect("actor_plopper( \"robot_green\", 4 )\n"
            "actor_plopper( \"robot_green\", 2 )\n"
            "actor_plopper(\"robot_green\",1)\n"
            "actor_plopper( \"trackfly_1\", 4 )\n");
    EXPECT_EQ(names(), (std::vector<std::string>{"robot_green", "trackfly_1"}));
}

TEST_F(ActorNames, SixtyFourSlotsThenEachExtraNameIsLoggedAndDropped)
{
    std::string text;
    for (int i = 0; i < 66; i++) {
        text += "actor_plopper( \"type_" + std::to_string(i) + "\", 1 )\n";
    }
    text += "actor_plopper( \"type_3\", 1 )\n";
    collect(text);
    ASSERT_EQ(g_actor_name_count, MAX_ACTOR_NAMES);
    EXPECT_EQ(names().back(), "type_63");
    EXPECT_EQ(log.count("*** [lua] need more actor name slots 64"), 2);
}

TEST_F(ActorNames, ALongTokenIsReadWithinItsSlot)
{
    std::string long_name(300, 'a');
    collect("actor_plopper( \"" + long_name + "\", 1 )\n"
            "actor_plopper( \"" + std::string(61, 'b') + "\", 1 )\n");
    // The first token is cut inside the name, so no closing quote is left: no name.
    ASSERT_EQ(g_actor_name_count, 1);
    EXPECT_EQ(std::string(g_actor_names[0]), std::string(61, 'b'));
}

TEST_F(ActorNames, LastLineWithoutNewlineAndEmptyTexts)
{
    collect("");
    lua_collect_actor_names_text(nullptr, 10);
    collect("actor_plopper( \"end\"");
    EXPECT_EQ(names(), (std::vector<std::string>{"end"}));
}

TEST_F(ActorNames, ModelsAreNeededWhenCollectedOrBelowLevel101)
{
    collect("actor_plopper( \"robot_green\", 4 )\n");
    g_level_number = 101;
    EXPECT_EQ(lua_is_model_needed("robot_green"), 1);
    EXPECT_EQ(lua_is_model_needed("trackfly_1"), 0);
    EXPECT_EQ(lua_is_model_needed(nullptr), 0);
    g_level_number = 100;
    EXPECT_EQ(lua_is_model_needed("trackfly_1"), 1);
}

TEST_F(ActorNames, StoreScriptsAreReadByFileName)
{
    lua_collect_actor_names("level101.lua");
    EXPECT_EQ(names(), (std::vector<std::string>{"robot_green"}));
    lua_collect_actor_names("no_such_level.lua");
    EXPECT_EQ(g_actor_name_count, 1);
    EXPECT_EQ(log.count("*** lua cant find in mem no_such_level_lua"), 1);
}

class LuaHost : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (g_lua) {
            lua_freelevel();
        }
        world_cleanup_level();
        g_actor_name_count = 0;
    }
    LogCapture log;
};

TEST_F(LuaHost, InitLevelRunsTheScriptAndLevelStartAndLogsEachStep)
{
    g_no_more_beasties = 0;
    lua_initlevel("level101");
    ASSERT_NE(g_lua, nullptr);
    EXPECT_EQ(log.lines().front(), "\n[lua] initlevel level101");
    EXPECT_EQ(log.count("[lua] LEVEL_start"), 1);
    EXPECT_EQ(log.count_containing("lua error"), 0) << log.joined();
    EXPECT_EQ(log.script_errors(), 0) << log.joined();
    EXPECT_EQ(g_actor_name_count, 1);
    // LEVEL_start has run: the level set its time limit.
    EXPECT_EQ(g_time_limit, 6000);
    EXPECT_EQ(lua_test_number("cur_level_num"), 101);
}

TEST_F(LuaHost, FreeLevelClosesTheStateAndLogs)
{
    lua_initlevel("level102");
    ASSERT_NE(g_lua, nullptr);
    log.clear();
    lua_freelevel();
    EXPECT_EQ(g_lua, nullptr);
    EXPECT_EQ(log.count(" [lua] freelevel"), 1);
    // Entry calls without a state do nothing.
    lua_call_level_gameloop();
    EXPECT_EQ(lua_run_mem_script("actor.lua"), 0);
    lua_freelevel();
    EXPECT_EQ(g_lua, nullptr);
}

TEST_F(LuaHost, RestartGivesAFreshState)
{
    lua_initlevel("level101");
    lua_test_run("leftover = 1");
    lua_freelevel();
    lua_initlevel("level101");
    EXPECT_EQ(lua_test_string("leftover"), "<nil>");
}

TEST_F(LuaHost, MissingLevelScriptIsLoggedAndLevelStartReportedMissing)
{
    lua_initlevel("level999");
    ASSERT_NE(g_lua, nullptr);
    EXPECT_EQ(log.count("*** lua cant find in mem level999_lua"), 2);
    EXPECT_EQ(log.count("\n* lua error"), 1);
    EXPECT_EQ(log.count_containing("* lua error * attempt to call a nil value"), 1);
}

TEST_F(LuaHost, AScriptErrorInGameloopIsReportedAndTheNextCallRuns)
{
    g_lua = lua_open(0);
    lua_register_all();
    lua_test_run("calls = 0\n"
                 "function LEVEL_gameloop()\n"
                 "    calls = calls + 1\n"
                 "    if calls <= 3 then local t = nil; t.x = 1 end\n"
                 "    if calls <= 5 then error('other') end\n"
                 "end\n");
    int top = lua_gettop(g_lua);
    lua_call_level_gameloop();
    EXPECT_EQ(log.count("\n* lua error"), 1);
    EXPECT_EQ(log.count("* lua error * test:4: attempt to index local 't' (a nil value)"), 1)
        << log.joined();
    lua_call_level_gameloop();
    lua_call_level_gameloop();
    EXPECT_EQ(log.count("\n* lua error"), 1) << "the same error again is counted, not logged";
    // A different error tells the count of the last one first; the level's end, its own.
    lua_call_level_gameloop();
    lua_call_level_gameloop();
    lua_call_level_gameloop();
    EXPECT_EQ(lua_test_number("calls"), 6);
    EXPECT_EQ(lua_gettop(g_lua), top);
    lua_freelevel();
    EXPECT_EQ(log.lines(), (std::vector<std::string>{
                               "\n* lua error",
                               "* lua error * test:4: attempt to index local 't' (a nil value)",
                               "* lua error * test:4: attempt to index local 't' (a nil value) ... repeated 2 times",
                               "\n* lua error",
                               "* lua error * test:5: other",
                               "* lua error * test:5: other ... repeated 1 times",
                               " [lua] freelevel",
                           }));
}

// A level state with a LEVEL_gameloop of code, as the host runs it.
void open_level_with_loop(const std::string &code)
{
    g_lua = lua_open(0);
    lua_register_all();
    lua_test_run("calls = 0\n"
                 "function LEVEL_gameloop()\n"
                 "    calls = calls + 1\n" +
                 code + "\nend\n");
}

TEST_F(LuaHost, AnEndlessLoopEndsAtTheBudgetAndTheNextCallRuns)
{
    // Also when the script catches the error: it meets it again at its next instruction.
    open_level_with_loop("if calls == 1 then while true do end end\n"
                         "if calls == 2 then while true do pcall(function() while true do end end) end end");
    lua_call_level_gameloop();
    EXPECT_EQ(log.count_containing("* lua error * test:4: more than 1000000 instructions in one call"), 1)
        << log.joined();
    lua_call_level_gameloop();
    EXPECT_EQ(log.count_containing("more than 1000000 instructions in one call"), 2) << log.joined();
    lua_call_level_gameloop();
    EXPECT_EQ(lua_test_number("calls"), 3) << "the level goes on";
}

TEST_F(LuaHost, ABacktrackingPatternIsRefusedBeforeItRuns)
{
    open_level_with_loop("if calls == 1 then found = string.find(string.rep('a', 40), '.-.-.-.-.-.-.-.-.-.-b') end\n"
                         "if calls == 2 then first, rest = string.match('robot_green', '^(%a+)_(%a+)$') end\n"
                         "if calls == 3 then n = 0 for w in string.gmatch(string.rep('ab ', 100), '%a+') do n = n + 1 end end");
    lua_call_level_gameloop();
    EXPECT_EQ(log.count_containing("* lua error * test:4: pattern match over 40 characters too costly for one call"),
              1)
        << log.joined();
    lua_call_level_gameloop();
    lua_call_level_gameloop();
    EXPECT_EQ(lua_test_string("first"), "robot");
    EXPECT_EQ(lua_test_string("rest"), "green");
    EXPECT_EQ(lua_test_number("n"), 100) << "patterns of bounded cost still run";
    EXPECT_EQ(log.count_containing("lua error"), 2) << log.joined();
}

TEST_F(LuaHost, AStringGrownWithoutEndStopsAtTheCapAndIsCollected)
{
    open_level_with_loop("if calls == 1 then local s = 'x' while true do s = s .. s end end\n"
                         "big = string.rep('y', 1000)");
    lua_call_level_gameloop();
    EXPECT_EQ(log.count("* lua error * not enough memory"), 1) << log.joined();
    EXPECT_LE(lua_memory_peak(g_lua), LUA_MEMORY_CAP);
    EXPECT_LT(lua_memory_used(g_lua), LUA_MEMORY_CAP / 4) << "the failed call's strings are gone";
    lua_call_level_gameloop();
    EXPECT_EQ(lua_test_number("calls"), 2);
    EXPECT_EQ(lua_test_string("big").size(), 1000u) << "the next call has its room";
}

TEST_F(LuaHost, RunMemScriptLeavesTheStackAsFound)
{
    g_lua = lua_open(0);
    lua_register_all();
    int top = lua_gettop(g_lua);
    EXPECT_EQ(lua_run_mem_script("actor_table.lua"), 0);
    EXPECT_EQ(lua_gettop(g_lua), top);
    EXPECT_EQ(lua_test_number("cp_move_target"), 77);
    EXPECT_EQ(lua_run_mem_script("nothing.lua"), 0);
    EXPECT_EQ(lua_gettop(g_lua), top);
    EXPECT_EQ(log.count("*** lua cant find in mem nothing_lua"), 1);
}

TEST_F(LuaHost, EveryBindingIsRegisteredAsAHostFunction)
{
    g_lua = lua_open(0);
    lua_register_all();
    for (const char *name : LUA_TEST_HOST_FUNCTIONS) {
        lua_getglobal(g_lua, name);
        EXPECT_TRUE(lua_iscfunction(g_lua, -1)) << name;
        lua_pop(g_lua, 1);
    }
}

} // namespace
