// The Lua 4.0 calls over Lua 5.1: protected calls with the error hook, 4.0's table size,
// and states that cannot reach files or the environment.

#include "script/lua_adapter.h"

#include "tests/support/log_capture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A bare state with the three libraries and an error hook that records what it gets.
class LuaAdapter : public ::testing::Test {
protected:
    void SetUp() override
    {
        L = lua_open(0);
        ASSERT_NE(L, nullptr);
        EXPECT_EQ(lua_baselibopen(L), 0);
        EXPECT_EQ(lua_strlibopen(L), 0);
        EXPECT_EQ(lua_mathlibopen(L), 0);
        reported.clear();
        lua_pushcfunction(L, record_error);
        lua_setglobal(L, "_ERRORMESSAGE");
    }
    void TearDown() override { lua_close(L); }

    int run(const std::string &code, const char *name = "chunk")
    {
        return lua_dobuffer(L, code.data(), code.size(), name);
    }
    std::string global_type(const char *name)
    {
        lua_getglobal(L, name);
        std::string type = lua_typename(L, lua_type(L, -1));
        lua_pop(L, 1);
        return type;
    }
    int getn(const std::string &table_expression)
    {
        EXPECT_EQ(run("t = " + table_expression), 0);
        lua_getglobal(L, "t");
        int n = lua_getn(L, -1);
        lua_pop(L, 1);
        return n;
    }

    static int record_error(lua_State *state)
    {
        const char *msg = lua_tostring(state, 1);
        reported.push_back(msg ? msg : "(no message)");
        return 0;
    }

    lua_State *L = nullptr;
    static std::vector<std::string> reported;
};

std::vector<std::string> LuaAdapter::reported;

TEST_F(LuaAdapter, NoLibraryReachesFilesOrTheEnvironment)
{
    for (const char *name : {"io", "os", "debug", "package", "require", "module", "dofile",
                             "loadfile", "load", "loadstring"}) {
        EXPECT_EQ(global_type(name), "nil") << name;
    }
    for (const char *name : {"string", "math", "pairs", "tostring", "setmetatable"}) {
        EXPECT_NE(global_type(name), "nil") << name;
    }
}

TEST_F(LuaAdapter, DobufferRunsAChunkAndLeavesItsResults)
{
    int top = lua_gettop(L);
    EXPECT_EQ(run("x = 6 * 7 return 1, 2"), 0);
    EXPECT_EQ(lua_gettop(L), top + 2);
    lua_getglobal(L, "x");
    EXPECT_EQ(lua_tonumber(L, -1), 42);
    EXPECT_TRUE(reported.empty());
}

TEST_F(LuaAdapter, SyntaxErrorsReachTheHookUnderTheChunkName)
{
    int top = lua_gettop(L);
    EXPECT_NE(run("x = = 1", "level101_lua"), 0);
    EXPECT_EQ(lua_gettop(L), top);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].rfind("level101_lua:1:", 0), 0u) << reported[0];
}

TEST_F(LuaAdapter, RunTimeErrorsReachTheHookAndTheStateGoesOn)
{
    int top = lua_gettop(L);
    EXPECT_NE(run("y = 1 local t = nil t.x = 1 y = 2", "actor_lua"), 0);
    EXPECT_EQ(lua_gettop(L), top);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].find("actor_lua:1:"), std::string::npos) << reported[0];
    lua_getglobal(L, "y");
    EXPECT_EQ(lua_tonumber(L, -1), 1);
    lua_pop(L, 1);
    EXPECT_EQ(run("y = 3"), 0);
    lua_getglobal(L, "y");
    EXPECT_EQ(lua_tonumber(L, -1), 3);
}

TEST_F(LuaAdapter, ProtectedCallReportsAndRemovesTheFunction)
{
    EXPECT_EQ(run("function bad(a) error('bad ' .. a) end"), 0);
    int top = lua_gettop(L);
    lua_getglobal(L, "bad");
    lua_pushstring(L, "news");
    EXPECT_NE(lua_protected_call(L, 1, 0), 0);
    EXPECT_EQ(lua_gettop(L), top);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].find("bad news"), std::string::npos);

    // Calling nil is an error like any other.
    lua_getglobal(L, "missing");
    EXPECT_NE(lua_protected_call(L, 0, 0), 0);
    EXPECT_EQ(lua_gettop(L), top);
    EXPECT_EQ(reported.size(), 2u);
}

TEST_F(LuaAdapter, WithoutAHookTheErrorIsLogged)
{
    LogCapture log;
    lua_pushnil(L);
    lua_setglobal(L, "_ERRORMESSAGE");
    EXPECT_NE(run("error('lost')", "x"), 0);
    EXPECT_EQ(log.count("*** [lua] x:1: lost"), 1);

    // A hook that fails itself does not lose the message either.
    EXPECT_EQ(run("_ERRORMESSAGE = function() error('hook') end"), 0);
    EXPECT_NE(run("error('kept')", "y"), 0);
    EXPECT_EQ(log.count("*** [lua] y:1: kept"), 1);
}

TEST_F(LuaAdapter, AStrictGlobalsTableCannotAbortTheHost)
{
    LogCapture log;
    EXPECT_EQ(run("_ERRORMESSAGE = nil "
                  "setmetatable(_G, { __index = function(t, k) error('undefined ' .. k) end })"),
              0);
    EXPECT_NE(run("error('inside')", "z"), 0);
    EXPECT_EQ(log.count("*** [lua] z:1: inside"), 1);
}

TEST_F(LuaAdapter, RecursionEndsInAnErrorNotACrash)
{
    EXPECT_NE(run("function f() return 1 + f() end f()"), 0);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].find("stack overflow"), std::string::npos) << reported[0];
}

TEST_F(LuaAdapter, GetnTakesTheFieldNWhenItIsANumber)
{
    EXPECT_EQ(getn("{ n = 2, 7, 8, 9 }"), 2);
    EXPECT_EQ(getn("{ n = 5 }"), 5);
    EXPECT_EQ(getn("{ n = 3.9, 1 }"), 3);
    EXPECT_EQ(getn("{ n = -4, 1, 2 }"), 0);
    EXPECT_EQ(getn("{ n = 1e300 }"), LUA_GETN_MAX);
    EXPECT_EQ(getn("{ n = 0/0 }"), 0);
}

TEST_F(LuaAdapter, GetnElseTakesTheLargestNumericKey)
{
    EXPECT_EQ(getn("{}"), 0);
    EXPECT_EQ(getn("{ 4, 5, 6 }"), 3);
    EXPECT_EQ(getn("{ 1, nil, 3 }"), 3);
    EXPECT_EQ(getn("{ [10] = 1, [2] = 2 }"), 10);
    EXPECT_EQ(getn("{ [2.5] = 1 }"), 2);
    EXPECT_EQ(getn("{ [-3] = 1, x = 2 }"), 0);
    EXPECT_EQ(getn("{ n = 'many', 1, 2 }"), 2);
    // A metatable does not take part: the count is raw.
    EXPECT_EQ(getn("setmetatable({ 1 }, { __index = function() return 99 end })"), 1);
    lua_pushnumber(L, 5);
    EXPECT_EQ(lua_getn(L, -1), 0);
    lua_pop(L, 1);
}

} // namespace
