// The bindings: lua_get_args over counts and types, each binding's result and log lines,
// the random numbers, the level-driver words and the player numbers.

#include "script/lua_bind.h"

#include "core/mt.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/settings.h"
#include "render/zgl.h"
#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"
#include "world/actortype.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// get_args(...) calls lua_get_args with the s, n, t held as upvalues and answers its
// result; the test then reads the argument slots.
int get_args_probe(lua_State *L)
{
    int s = (int)lua_tonumber(L, lua_upvalueindex(1));
    int n = (int)lua_tonumber(L, lua_upvalueindex(2));
    int t = (int)lua_tonumber(L, lua_upvalueindex(3));
    lua_pushnumber(L, lua_get_args(L, s, n, t));
    return 1;
}

class GetArgs : public LuaStateTest {
protected:
    // Registers probe name taking s strings, n numbers and t tables.
    void probe(const char *name, int s, int n, int t)
    {
        lua_pushnumber(g_lua, s);
        lua_pushnumber(g_lua, n);
        lua_pushnumber(g_lua, t);
        lua_pushcclosure(g_lua, get_args_probe, 3);
        lua_setglobal(g_lua, name);
    }
    LogCapture log;
};

TEST_F(GetArgs, CountMismatchReadsNothingAndLogsGivenAndExpected)
{
    probe("s1n2", 1, 2, 0);
    g_lua_numbers[0] = 99.0f;
    EXPECT_EQ(lua_test_eval("s1n2('a', 1)"), -1);
    EXPECT_EQ(lua_test_eval("s1n2('a', 1, 2, 3)"), -1);
    EXPECT_EQ(log.count("*** [lua] incorrect num arguments 2 3"), 1);
    EXPECT_EQ(log.count("*** [lua] incorrect num arguments 4 3"), 1);
    EXPECT_EQ(g_lua_numbers[0], 99.0f);
}

TEST_F(GetArgs, NumbersServeAsStringsAndNumericStringsAsNumbers)
{
    probe("s1n1", 1, 1, 0);
    EXPECT_EQ(lua_test_eval("s1n1(42, '3.5')"), 0);
    EXPECT_STREQ(g_lua_strings[1], "42");
    EXPECT_EQ(g_lua_numbers[0], 3.5f);
    EXPECT_EQ(g_lua_string_count, 1);
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(GetArgs, BadArgumentsGiveZeroAndTheLastBadPosition)
{
    probe("s2n2", 2, 2, 0);
    EXPECT_EQ(lua_test_eval("s2n2(true, 'ok', 'seven', 1)"), 3);
    EXPECT_STREQ(g_lua_strings[1], "");
    EXPECT_STREQ(g_lua_strings[2], "ok");
    EXPECT_EQ(g_lua_numbers[0], 0.0f);
    EXPECT_EQ(g_lua_numbers[1], 1.0f);
    EXPECT_EQ(lua_test_eval("s2n2({}, 'ok', 2, nil)"), 4);
    EXPECT_EQ(lua_test_eval("s2n2('a', false, 2, 3)"), 2);
    // Numbers that are not finite (as floats) are bad too, and reach no slot.
    for (const char *bad : {"0/0", "1/0", "-1/0", "1e39", "'inf'"}) {
        EXPECT_EQ(lua_test_eval(std::string("s2n2('a', 'b', 1, ") + bad + ")"), 4) << bad;
        EXPECT_EQ(g_lua_numbers[1], 0.0f) << bad;
    }
    probe("n1t", 0, 1, 1);
    EXPECT_EQ(lua_test_eval("n1t(1, { 2, 0/0, 'x' })"), 2);
    EXPECT_EQ(g_lua_numbers[3], 0.0f);
    // Nothing is logged here: the binding logs its own line.
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(GetArgs, TableElementsFollowTheirCountAndStringsAreAppended)
{
    probe("s1n1t", 1, 1, 1);
    EXPECT_EQ(lua_test_eval("s1n1t('name', 5, { 1, 'x', '4', true, 3 })"), 0);
    EXPECT_EQ(g_lua_numbers[0], 5.0f);
    EXPECT_EQ(g_lua_numbers[1], 5.0f);   // the element count
    EXPECT_EQ(g_lua_numbers[2], 1.0f);
    EXPECT_EQ(g_lua_numbers[3], 0.0f);   // a string element
    EXPECT_EQ(g_lua_numbers[4], 4.0f);   // a numeric string is a number
    EXPECT_EQ(g_lua_numbers[5], 0.0f);   // other types are skipped silently
    EXPECT_EQ(g_lua_numbers[6], 3.0f);
    EXPECT_EQ(g_lua_string_count, 2);
    EXPECT_STREQ(g_lua_strings[1], "name");
    EXPECT_STREQ(g_lua_strings[2], "x");
}

TEST_F(GetArgs, TableSizeFollowsNOrTheLargestKeyAndHolesAreZero)
{
    probe("t", 0, 0, 1);
    EXPECT_EQ(lua_test_eval("t({ n = 2, 7, 8, 9 })"), 0);
    EXPECT_EQ(g_lua_numbers[0], 2.0f);
    EXPECT_EQ(g_lua_numbers[2], 8.0f);
    EXPECT_EQ(lua_test_eval("t({ 1, nil, 3 })"), 0);
    EXPECT_EQ(g_lua_numbers[0], 3.0f);
    EXPECT_EQ(g_lua_numbers[2], 0.0f);
    EXPECT_EQ(g_lua_numbers[3], 3.0f);
    EXPECT_EQ(lua_test_eval("t({ n = 4, 6 })"), 0);
    EXPECT_EQ(g_lua_numbers[1], 6.0f);
    EXPECT_EQ(g_lua_numbers[4], 0.0f);
}

TEST_F(GetArgs, MissingOrEmptyTablesAreBadArguments)
{
    probe("n1t", 0, 1, 1);
    EXPECT_EQ(lua_test_eval("n1t(1, {})"), 2);
    EXPECT_EQ(g_lua_numbers[1], 0.0f);
    EXPECT_EQ(lua_test_eval("n1t(1, 'table')"), 2);
    EXPECT_EQ(lua_test_eval("n1t(1, nil)"), 2);
    EXPECT_EQ(lua_test_eval("n1t('x', 'table')"), 2);
    EXPECT_EQ(lua_test_eval("n1t(1, { n = 0, 5 })"), 2);
}

TEST_F(GetArgs, TablesThatOverrunTheNumberSlotsAreRefused)
{
    probe("t", 0, 0, 1);
    probe("n1t", 0, 1, 1);
    lua_test_run("big = {} for i = 1, 255 do big[i] = i end");
    // Count in slot 0 and 255 elements in slots 1..255: just fits.
    EXPECT_EQ(lua_test_eval("t(big)"), 0);
    EXPECT_EQ(g_lua_numbers[LUA_MAX_NUMBERS - 1], 255.0f);
    // One number more, or one element more: refused, and nothing past the slots written.
    EXPECT_EQ(lua_test_eval("n1t(1, big)"), 2);
    lua_test_run("big[256] = 256");
    EXPECT_EQ(lua_test_eval("t(big)"), 1);
    EXPECT_EQ(lua_test_eval("t({ n = 1e12 })"), 1);
}

TEST_F(GetArgs, TablesThatOverrunTheStringSlotsAreRefused)
{
    probe("t", 0, 0, 1);
    probe("s1t", 1, 0, 1);
    lua_test_run("words = {} for i = 1, 32 do words[i] = 'w' .. i end");
    EXPECT_EQ(lua_test_eval("t(words)"), 0);
    EXPECT_EQ(g_lua_string_count, LUA_MAX_STRINGS);
    EXPECT_STREQ(g_lua_strings[LUA_MAX_STRINGS], "w32");
    EXPECT_EQ(lua_test_eval("s1t('first', words)"), 2);
    EXPECT_EQ(g_lua_string_count, LUA_MAX_STRINGS);
}

TEST_F(GetArgs, StringsAreCopiesThatOutliveTheirLuaValues)
{
    probe("s1", 1, 0, 0);
    EXPECT_EQ(lua_test_eval("s1(string.rep('ab', 20) .. 'end')"), 0);
    lua_test_run("collectgarbage('collect') junk = {} for i = 1, 1000 do junk[i] = 'x' .. i end "
                 "collectgarbage('collect')");
    std::string expected;
    for (int i = 0; i < 20; i++) {
        expected += "ab";
    }
    EXPECT_EQ(std::string(g_lua_strings[1]), expected + "end");
    EXPECT_EQ(lua_test_eval("s1(string.rep('z', 1000))"), 0);
    EXPECT_EQ(strlen(g_lua_strings[1]), (size_t)LUA_STRING_SIZE - 1);
}

// Runs "r = <call>" and returns r; log lines are read from the capture.
struct BindingCase {
    const char *code;
    double result;
    std::vector<std::string> lines;
};

class Bindings : public LuaStateTest {
protected:
    double call(const std::string &code) { return lua_test_eval(code); }
    // Each call answers its result and logs exactly its lines.
    void check_cases(const std::vector<BindingCase> &cases)
    {
        for (const BindingCase &c : cases) {
            log.clear();
            EXPECT_EQ(call(c.code), c.result) << c.code;
            EXPECT_EQ(log.lines(), c.lines) << c.code;
        }
    }
    LogCapture log;
};

TEST_F(Bindings, CommonPatternAnswersAndLogsEachBinding)
{
    check_cases({
        {"c_set_random_anim('a', 1, 2, 3, 4)", 0, {}},
        {"c_set_random_anim('a', 1, 2, 3)", -1,
         {"*** [lua] incorrect num arguments 4 5", "*** [lua] incorrect argument -1 in c_set_random_anim"}},
        {"c_set_random_anim('a', 1, 'x', 3, 4)", 3, {"*** [lua] incorrect argument 3 in c_set_random_anim"}},
        {"c_set_use_anim_for('move_forward', 'walk', 80, 120)", 0, {}},
        {"c_set_use_anim_for('move_forward', {}, 80, 120)", 2,
         {"*** [lua] incorrect argument 2 in c_set_use_anim_for"}},
        {"c_set_trigger_spawn('t', 'a', 'b', 1, 2, 3, 4)", 0, {}},
        {"c_set_trigger_spawn('t', 'a', 'b', 1, 2, 3, nil)", 7,
         {"*** [lua] incorrect argument 7 in c_set_trigger_spawn"}},
        {"c_add_particle_to_anim('a', 'b', 'p')", 0, {}},
        {"c_add_particle_to_anim('a', 'b')", -1,
         {"*** [lua] incorrect num arguments 2 3", "*** [lua] incorrect argument -1 in c_add_particle_to_anim"}},
        {"c_add_footprint_to_anim('a', 'b', '2', 1, 2, 3)", 0, {}},
        {"c_add_footprint_to_anim('a', 'b', '2', 1, 2, 'x')", 6,
         {"*** [lua] incorrect argument 6 in c_add_footprint_to_anim"}},
        {"c_add_particle_to_explosion('e', 'a', '', 'p')", 0, {}},
        {"c_add_particle_to_explosion('e', 'a', 'b', true)", 4,
         {"*** [lua] incorrect argument 4 in c_add_particle_to_explosion"}},
        {"c_add_some_wheels('l', 'r', 1, 1)", 0, {}},
        {"c_add_some_wheels('l', 'r', 1)", -1,
         {"*** [lua] incorrect num arguments 3 4", "*** [lua] incorrect argument -1 in c_add_some_wheels"}},
        {"c_room_goto('circle', 0)", 0, {"*** room goto wrong values"}},
        {"c_room_goto('circle')", -1,
         {"*** [lua] incorrect num arguments 1 2", "*** [lua] incorrect argument -1 in c_room_goto"}},
        {"c_room_attach('pylon-1_1', 'pylon01', 100, 100, 100, 0)", 0, {"*** room attach wrong values 0 pylon-1_1"}},
        {"c_room_attach('pylon-1_1', 'pylon01', 100, 'y', 100, 0)", 4,
         {"*** [lua] incorrect argument 4 in c_room_attach"}},
        {"c_link_health_to_parent('boss')", 0, {}},
        {"c_link_health_to_parent()", -1,
         {"*** [lua] incorrect num arguments 0 1", "*** [lua] incorrect argument -1 in c_link_health_to_parent"}},
        {"c_add_fizz_to_room('f', 'a', 'x', 'b', 'y', 100, 0)", 0, {"*** room fizz wrong values"}},
        {"c_add_fizz_to_room('f', 'a', 'x', 'b', 'y', 100, {})", 7,
         {"*** [lua] incorrect argument 7 in c_add_fizz_to_room"}},
        {"c_add_fizz_between('f', 'a', 'x', 'pylon-', 'y', 'fizz', 100, 1, 2, 0)", 0, {}},
        {"c_add_fizz_between('f', 'a', 'x', 'pylon-', 'y', 'fizz', 100, 1, 2)", -1,
         {"*** [lua] incorrect num arguments 9 10", "*** [lua] incorrect argument -1 in c_add_fizz_between"}},
        {"c_add_flock_type(1, 2, 3, 4)", 0, {}},
        {"c_add_flock_type(1, 2, 3, 'far')", 4, {"*** [lua] incorrect argument 4 in c_add_flock_type"}},
        {"c_change_bitmap('a.bmp', 'b.bmp')", 0, {}},
        {"c_change_bitmap('a.bmp')", -1,
         {"*** [lua] incorrect num arguments 1 2", "*** [lua] incorrect argument -1 in c_change_bitmap"}},
    });
}

TEST_F(Bindings, WeaponAndExplosionTakeATrailingSequence)
{
    check_cases({
        {"c_add_a_weapon('shot', 'g', 'b', 's', 'f', 'a', 'x', 100, 1, 100, 0, 9, 0, 0, 0, 0, { 2, 1.5 })",
         0, {}},
        {"c_add_a_weapon('shot', 'g', 'b', 's', 'f', 'a', 'x', 100, 1, 100, 0, 9, 0, 0, 0, 0, {})", 17,
         {"*** [lua] incorrect argument 17 in c_add_a_weapon"}},
        {"c_add_a_weapon('shot', 'g', 'b', 's', 'f', 'a', 'x', 100, 1, 100, 0, 9, 0, 0, 0, 0)", -1,
         {"*** [lua] incorrect num arguments 16 17", "*** [lua] incorrect argument -1 in c_add_a_weapon"}},
        {"c_set_use_explosion_for('bye_bye', 'exp', 0, 100, 0, 80, 120, { 0, 0.1 })", 0, {}},
        {"c_set_use_explosion_for('bye_bye', 'exp', 0, 100, 0, 80, 120, 3)", 8,
         {"*** [lua] incorrect argument 8 in c_set_use_explosion_for"}},
    });
    // The sequence follows the nine weapon numbers and its count.
    EXPECT_EQ(call("c_add_a_weapon('shot', 'g', 'b', 's', 'f', 'a', 'x', 1, 2, 3, 4, 5, 6, 7, 8, 9, { 2, 1.5 })"),
              0);
    EXPECT_EQ(g_lua_numbers[8], 9.0f);
    EXPECT_EQ(g_lua_numbers[9], 2.0f);
    EXPECT_EQ(g_lua_numbers[11], 1.5f);
}

TEST_F(Bindings, TriggerStateFormsByArgumentCount)
{
    check_cases({
        {"c_set_trigger_state('my_health', 'calm', 50, 60, { 1, 2 })", 0, {}},
        {"c_set_trigger_state('my_health', true, 50, 60, { 1, 2 })", 2,
         {"*** [lua] incorrect argument 2 in c_set_trigger_state a"}},
        {"c_set_trigger_state('my_health', 50, 60, { 1, 2 })", 0, {}},
        {"c_set_trigger_state('my_health', 50, 60, 'x')", 4,
         {"*** [lua] incorrect argument 4 in c_set_trigger_state b"}},
        {"c_set_trigger_state('my_health', 'calm', { 1, 2 })", 0, {}},
        {"c_set_trigger_state('my_health', { 1, 2 })", -1,
         {"*** [lua] incorrect num arguments 2 3", "*** [lua] incorrect argument -1 in c_set_trigger_state b"}},
        {"c_set_trigger_state()", -1,
         {"*** [lua] incorrect num arguments 0 3", "*** [lua] incorrect argument -1 in c_set_trigger_state b"}},
    });
    // Four values: a and b, then the table's count and elements.
    EXPECT_EQ(call("c_set_trigger_state('my_time_alive', 1.5, 2.5, { 7, 'target' })"), 0);
    EXPECT_EQ(g_lua_numbers[0], 1.5f);
    EXPECT_EQ(g_lua_numbers[1], 2.5f);
    EXPECT_EQ(g_lua_numbers[2], 2.0f);
    EXPECT_EQ(g_lua_numbers[3], 7.0f);
    EXPECT_STREQ(g_lua_strings[2], "target");
}

TEST_F(Bindings, MutateSoundAndLinkTakeAnOptionalArgument)
{
    check_cases({
        {"c_set_trigger_mutate('new', 'my_health', 'old', 0, 0, 1, 2, 80, 100)", 0, {}},
        {"c_set_trigger_mutate('new', 'my_health', 0, 0, 1, 2, 80, 100)", 0, {}},
        {"c_set_trigger_mutate('new', 'my_health', 0, 0, 1, 2, 80)", -1,
         {"*** [lua] incorrect num arguments 7 8", "*** [lua] incorrect argument -1 in c_set_trigger_mutate"}},
        {"c_set_trigger_mutate('new', 'my_health', 'old', 0, 0, 1, 2, 'x', 100)", 8,
         {"*** [lua] incorrect argument 8 in c_set_trigger_mutate"}},
        {"c_add_sound_to_anim('walk', 'step')", 0, {}},
        {"c_add_sound_to_anim('walk', 'step', 3)", 0, {}},
        {"c_add_sound_to_anim('walk')", -1,
         {"*** [lua] incorrect num arguments 1 3", "*** [lua] incorrect argument -1 in c_add_sound_to_anim"}},
        {"c_add_sound_to_anim('walk', 'step', 'loud')", 3,
         {"*** [lua] incorrect argument 3 in c_add_sound_to_anim"}},
        {"c_add_sound_to_event('hit_fence', 'clang')", 0, {}},
        {"c_add_sound_to_event('hit_fence', 'clang', 2, 3)", -1,
         {"*** [lua] incorrect num arguments 4 3", "*** [lua] incorrect argument -1 in c_add_sound_to_event"}},
        {"c_add_sound_to_explosion('exp', 'explode', 'boom')", 0, {}},
        {"c_add_sound_to_explosion('exp', 'explode', 'boom', 1)", 0, {}},
        {"c_add_sound_to_explosion('exp', 'explode', {}, 1)", 3,
         {"*** [lua] incorrect argument 3 in c_add_sound_to_explosion"}},
        {"c_link_to_parent('mom', 'arm_x', 'owner')", 0, {}},
        {"c_link_to_parent('mom', 'arm_x')", 0, {}},
        {"c_link_to_parent('mom')", -1,
         {"*** [lua] incorrect num arguments 1 2", "*** [lua] incorrect argument -1 in c_link_to_parent"}},
    });
}

TEST_F(Bindings, TrailToBoneLogsOnlyABadCall)
{
    check_cases({
        {"c_add_trail_to_bone('tail_x', 1, 2, 3, 4, 5, 6)", 0, {}},
        {"c_add_trail_to_bone('tail_x', 1, 2, 3, 4, 5, 'x')", 7,
         {"*** [lua] incorrect argument 7 in c_add_trail_to_bone"}},
        {"c_add_trail_to_bone()", -1,
         {"*** [lua] incorrect num arguments 0 7", "*** [lua] incorrect argument -1 in c_add_trail_to_bone"}},
    });
}

TEST_F(Bindings, PathTakesATableOrAPylonFormAndRefusesOtherCounts)
{
    check_cases({
        {"c_add_a_path('p', 0, 100, 100, 0, 0, 0, { 1, 2, 3, 4, 5, 6 })", 0, {}},
        {"c_add_a_path('p', 0, 100, 100, 0, 0, 0, {})", 8, {"*** [lua] incorrect argument 8 in c_add_a_path"}},
        {"c_add_a_path('edge-path', -1, 75)", 0, {}},
        {"c_add_a_path('edge-path', 'x', 75)", 2, {"*** [lua] incorrect argument 2 in c_add_a_path"}},
        {"c_add_a_path('p', 1, 2, 3, 4)", 0, {"*** [lua] incorrect argument 0 in c_add_a_path"}},
        {"c_add_a_path()", 0, {"*** [lua] incorrect argument 0 in c_add_a_path"}},
    });
    EXPECT_EQ(call("c_add_a_path('edge-path', -1, 75)"), 0);
    EXPECT_EQ(g_lua_numbers[0], -1.0f);
    EXPECT_EQ(g_lua_numbers[1], 75.0f);
}

TEST_F(Bindings, BackgroundColourNeedsExactlyTwoNumbers)
{
    check_cases({
        {"c_background_colour(0, 50)", 0, {}},
        {"c_background_colour(50)", 0, {"*** [lua] incorrect argument 1 in c_background_colour"}},
        {"c_background_colour(0, 50, 1)", 0, {"*** [lua] incorrect argument 1 in c_background_colour"}},
        {"c_background_colour(0, 'bright')", 0, {"*** [lua] incorrect argument 2 in c_background_colour"}},
        {"c_background_colour(0, 0/0)", 0, {"*** [lua] incorrect argument 2 in c_background_colour"}},
    });
    for (float c : g_background_colour) {
        EXPECT_EQ(c, c) << "a NaN percentage never reaches the colour";
    }
    // Nor does one the colour is given directly: the clamp makes it 0.
    zgl_set_background_colour(0.0f, std::nanf(""));
    for (float c : g_background_colour) {
        EXPECT_EQ(c, 0.0f);
    }
    EXPECT_EQ(call("c_background_colour(0, 100)"), g_background_hue);
    EXPECT_GT(g_background_colour[0], 0.0f) << "a good call after a bad one takes effect";
}

TEST_F(Bindings, ModelQueriesAnswerZeroOnABadCall)
{
    g_actor_name_count = 0;
    int saved_level = g_level_number;
    g_level_number = 120;
    check_cases({
        {"c_is_model_preloaded('robot_green')", 1, {}},
        {"c_is_model_preloaded('')", 1, {}},
        {"c_is_model_preloaded('a', 'b')", 0,
         {"*** [lua] incorrect num arguments 2 1", "*** [lua] incorrect argument -1 in c_is_model_preloaded"}},
        {"c_is_model_preloaded(nil)", 0, {"*** [lua] incorrect argument 1 in c_is_model_preloaded"}},
        {"c_is_model_needed('robot_green')", 0, {}},
        {"c_is_model_needed(true)", 0, {"*** [lua] incorrect argument 1 in c_is_model_needed"}},
    });
    std::string text = "actor_plopper( \"robot_green\", 2 )\n";
    lua_collect_actor_names_text(text.data(), (uint32_t)text.size());
    EXPECT_EQ(call("c_is_model_needed('robot_green')"), 1);
    g_level_number = 100;
    EXPECT_EQ(call("c_is_model_needed('trackfly_1')"), 1);
    g_level_number = saved_level;
    g_actor_name_count = 0;
}

TEST_F(Bindings, PreloadModelSplitsItsTable)
{
    lua_run_mem_script("actor.lua");
    EXPECT_EQ(call("c_preload_model(42)"), 1);
    EXPECT_EQ(log.count("*** [lua] not a table for c_preload_model"), 1);
    log.clear();
    lua_test_run("t = ACTOR_preload('robot_green', 'beasties', 'robot_green') "
                 "t[cp_move_speed_max] = 0.25 t[cp_move_target] = 'nearest_beastie'");
    EXPECT_EQ(call("c_preload_model(t)"), 0);
    EXPECT_EQ(log.script_errors(), 0) << log.joined();
    EXPECT_STREQ(g_lua_strings[1], "robot_green");
    EXPECT_STREQ(g_lua_strings[2], "beasties");
    EXPECT_STREQ(g_lua_strings[3], "robot_green");
    EXPECT_STREQ(g_lua_strings[4], "nearest_beastie");
    EXPECT_EQ(g_lua_numbers[4], 32.0f);      // cp_actor_type: cat_beastie
    EXPECT_EQ(g_lua_numbers[16], 0.25f);     // cp_move_speed_max
    EXPECT_EQ(g_lua_numbers[48], 0.1f);      // cp_player_bullet_rate
    EXPECT_EQ(g_lua_numbers[76], 0.0f);      // cp_i_am_repelled_by
}

TEST_F(Bindings, PreloadModelLogsBadElementsByPosition)
{
    lua_run_mem_script("actor.lua");
    lua_test_run("t = ACTOR_preload('a', 'b', 'c') t[2] = true t[10] = {} t[77] = false");
    EXPECT_EQ(call("c_preload_model(t)"), 0);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** [lua] incorrect argument 2 in c_preload_model",
                                                     "*** [lua] incorrect argument 10 in c_preload_model",
                                                     "*** [lua] incorrect argument 77 in c_preload_model"}));
    EXPECT_EQ(g_lua_numbers[10], 0.0f);

    // A number that is not finite cancels the call.
    log.clear();
    lua_test_run("t = ACTOR_preload('nan_type', 'b', 'c') t[16] = 0/0");
    EXPECT_EQ(call("c_preload_model(t)"), 0);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** [lua] incorrect argument 16 in c_preload_model"}));
    EXPECT_EQ(call("c_is_model_preloaded('nan_type')"), 1) << "no type was made";
}

TEST_F(Bindings, PreloadModelRefusesATableBeyondTheNumberSlots)
{
    lua_test_run("t = { 'a', 'b', 'c' } for i = 4, 299 do t[i] = i end t[300] = 'target'");
    EXPECT_EQ(call("c_preload_model(t)"), 0);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** [lua] incorrect argument 256 in c_preload_model"}));
}

TEST_F(Bindings, PreloadModelDoesNotSeeAnEarlierCallsNumbers)
{
    lua_run_mem_script("actor.lua");
    lua_test_run("t = ACTOR_preload('a', 'b', 'c')");
    EXPECT_EQ(call("c_preload_model(t)"), 0);
    EXPECT_EQ(g_lua_numbers[43], 100.0f);
    EXPECT_EQ(call("c_preload_model({ 'a', 'b', 'c', 5, 'target' })"), 0);
    EXPECT_EQ(g_lua_numbers[4], 5.0f);
    EXPECT_EQ(g_lua_numbers[43], 0.0f);
    EXPECT_STREQ(g_lua_strings[4], "target");
}

TEST_F(Bindings, LaunchSplitsItsTableAndLogsBadElements)
{
    lua_run_mem_script("actor.lua");
    EXPECT_EQ(call("c_launch_new_actor()"), 1);
    EXPECT_EQ(log.count("*** [lua] not a table for c_launch_model"), 1);
    log.clear();
    lua_test_run("t = ACTOR_PreLaunch('robot_green') t:setall(1, 2, 3, 45, 80, 10, 0.5, 'edge-path')");
    EXPECT_EQ(call("t:launch()"), 0);
    EXPECT_EQ(log.script_errors(), 0);
    EXPECT_STREQ(g_lua_strings[1], "robot_green");
    EXPECT_STREQ(g_lua_strings[3], "edge-path");
    EXPECT_EQ(g_lua_numbers[4], 80.0f);
    EXPECT_EQ(g_lua_numbers[5], 1.0f);
    EXPECT_EQ(g_lua_numbers[8], 45.0f);
    EXPECT_EQ(g_lua_numbers[11], 0.5f);
    log.clear();
    lua_test_run("t[2] = nil t[6] = 'high' t[7] = 1/0");
    EXPECT_EQ(call("c_launch_new_actor(t)"), 0);
    // The bad elements cancel the call: the type, never defined here, is not looked for.
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** [lua] incorrect argument a 2 in c_launch_model",
                                                     "*** [lua] incorrect argument b 6 in c_launch_model",
                                                     "*** [lua] incorrect argument b 7 in c_launch_model"}));
    EXPECT_EQ(g_lua_numbers[7], 0.0f);
}

TEST_F(Bindings, RandomBoundsFollowTheArguments)
{
    mt_seed(1234);
    lua_test_run("lo = {} hi = {} "
                 "calls = { function() return c_zrand() end, function() return c_zrand(5) end, "
                 "  function() return c_zrand(2, 4) end, function() return c_zrand(-3) end, "
                 "  function() return c_zrand('x') end, function() return c_zrand(3, 'x') end, "
                 "  function() return c_zrand(1, 2, 3) end, function() return c_zrand(4, 2) end } "
                 "for k = 1, #calls do lo[k] = 1e9 hi[k] = -1e9 "
                 "  for i = 1, 4000 do local v = calls[k]() "
                 "    if v < lo[k] then lo[k] = v end if v > hi[k] then hi[k] = v end end end");
    struct Bound {
        double low;
        double high;
    } bounds[] = {{0, 1}, {0, 5}, {2, 4}, {-3, 0}, {0, 0}, {0, 3}, {0, 1}, {2, 4}};
    for (int k = 0; k < 8; k++) {
        double lo = lua_test_eval("lo[" + std::to_string(k + 1) + "]");
        double hi = lua_test_eval("hi[" + std::to_string(k + 1) + "]");
        EXPECT_GE(lo, bounds[k].low - 1e-6) << "call " << k + 1;
        EXPECT_LE(hi, bounds[k].high + 1e-6) << "call " << k + 1;
        // 4000 draws come close to both ends.
        EXPECT_NEAR(lo, bounds[k].low, (bounds[k].high - bounds[k].low) * 0.01 + 1e-6) << "call " << k + 1;
        EXPECT_NEAR(hi, bounds[k].high, (bounds[k].high - bounds[k].low) * 0.01 + 1e-6) << "call " << k + 1;
    }
}

TEST_F(Bindings, RandomNumbersAreTheGamesOwnDraws)
{
    // The same seed gives the same draws, scaled as the game scales a 15-bit number.
    mt_seed(77);
    lua_test_run("a = c_zrand(10, 20) b = c_zrand_int(100)");
    mt_seed(77);
    float r1 = (float)(mt_rand() & 32767);
    float r2 = (float)(mt_rand() & 32767);
    EXPECT_EQ((float)lua_test_number("a"), 10.0f + r1 * 10.0f * 3.0518509e-05f);
    EXPECT_EQ(lua_test_number("b"), (double)(int)(r2 * 100.0f * 3.0518509e-05f));
}

TEST_F(Bindings, RandomIntegerReachesItsTopOnlyOnTheLargestDraw)
{
    // Find the first draw of a seed whose low 15 bits are all set.
    mt_seed(4321);
    int at = 0;
    while ((mt_rand() & 32767) != 32767) {
        at++;
        ASSERT_LT(at, 1000000);
    }
    mt_seed(4321);
    lua_test_run("seen = {} top_at = -1 for i = 0, " + std::to_string(at) +
                 " do local v = c_zrand_int(10) seen[v] = true if v == 10 and top_at < 0 then "
                 "top_at = i end end");
    EXPECT_EQ(lua_test_number("top_at"), at);
    for (int v = 0; v <= 9; v++) {
        EXPECT_EQ(lua_test_eval("seen[" + std::to_string(v) + "] and 1 or 0"), 1) << v;
    }
    // Capped at the high bound: a reversed range always answers it.
    EXPECT_EQ(call("c_zrand_int(10, 5)"), 5);
}

TEST_F(Bindings, PrintWritesOneLineAsText)
{
    EXPECT_EQ(call("c_print('speed ', 1.5, true, ' and %s%n', {})"), 0);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"-speed  1.500000  and %s%n"}));
    log.clear();
    EXPECT_EQ(call("c_print()"), 0);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"-"}));
    log.clear();
    EXPECT_EQ(call("c_print(string.rep('x', 400), 1e300)"), 0);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].size(), 255u);
}

TEST_F(Bindings, LevelDriverWords)
{
    g_no_more_beasties = 0;
    EXPECT_EQ(call("c_no_more_beasties_to_come('ignored', 3)"), 0);
    EXPECT_EQ(g_no_more_beasties, 1);

    EXPECT_EQ(call("c_set_time_limit(1234.9)"), 0);
    EXPECT_EQ(g_time_limit, 1234);
    EXPECT_EQ(call("c_set_time_limit()"), 0);
    EXPECT_EQ(g_time_limit, 6000);
    EXPECT_EQ(call("c_set_time_limit('soon', 105)"), 0);
    EXPECT_EQ(g_time_limit, 6000);
    EXPECT_EQ(call("c_set_time_limit(1e30)"), 0);
    EXPECT_EQ(g_time_limit, 2147483647);
    EXPECT_EQ(call("c_set_time_limit(-7.5, 0)"), 0);
    EXPECT_EQ(g_time_limit, -7);

    EXPECT_EQ(call("c_time_skip_off(1)"), 0);
    EXPECT_EQ(g_time_skip_off, 1);
    EXPECT_EQ(call("c_time_skip_off(1, 2)"), 0);
    EXPECT_EQ(g_time_skip_off, 0);
    EXPECT_EQ(call("c_time_skip_off(3.7)"), 0);
    EXPECT_EQ(g_time_skip_off, 3);
    EXPECT_EQ(call("c_time_skip_off()"), 0);
    EXPECT_EQ(g_time_skip_off, 0);
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(Bindings, PlayerNumbersFollowTheShipChoices)
{
    float saved1 = g_render_modelnum1;
    float saved2 = g_render_modelnum2;
    int saved_two = g_two_player;
    g_render_modelnum1 = 2.0f;
    g_render_modelnum2 = 3.9f;
    g_two_player = 0;
    g_player_number = 5;
    EXPECT_EQ(call("c_get_player_num(1)"), 3);
    EXPECT_EQ(g_player_number, 0);
    EXPECT_EQ(call("c_get_player_num(2)"), -1);
    EXPECT_EQ(g_player_number, 0);
    EXPECT_EQ(call("c_get_player_num()"), 3);
    EXPECT_EQ(call("c_get_player_num(2, 2)"), 3);
    g_two_player = 1;
    EXPECT_EQ(call("c_get_player_num(2)"), 4);
    EXPECT_EQ(g_player_number, 1);
    EXPECT_EQ(call("c_get_player_num(1)"), 3);
    EXPECT_EQ(g_player_number, 0);
    g_render_modelnum1 = saved1;
    g_render_modelnum2 = saved2;
    g_two_player = saved_two;
}

TEST_F(Bindings, GraphicsAndDemoLevels)
{
    float saved = g_render_backgroundgfx;
    g_render_backgroundgfx = 2.7f;
    EXPECT_EQ(call("c_get_gfx_level('ignored')"), 2);
    g_render_backgroundgfx = saved;
    EXPECT_EQ(call("c_get_demo_level()"), 0);
}

TEST_F(Bindings, DofilxRunsStoreScriptsInTheCallingState)
{
    EXPECT_EQ(lua_test_run("dofilx('actor_table.lua')"), 0);
    EXPECT_EQ(lua_test_number("cat_geopus"), 16384);
    EXPECT_EQ(log.errors(), 0);
    lua_test_run("dofilx('missing.lua')");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** lua cant find in mem missing_lua"}));
    log.clear();
    lua_test_run("dofilx('a.lua', 'b.lua')");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** [lua] incorrect num arguments 2 1",
                                                     "*** [lua] incorrect argument -1 in c_dofile_x"}));
    log.clear();
    lua_test_run("dofilx(false)");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** [lua] incorrect argument 1 in c_dofile_x"}));
}

TEST_F(Bindings, ErrorMessageLogsTheMessageAsText)
{
    lua_test_run("_ERRORMESSAGE('broken %s %d')");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"\n* lua error", "* lua error * broken %s %d"}));
    log.clear();
    lua_test_run("_ERRORMESSAGE({})");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"\n* lua error", "* lua error * (no message)"}));
    log.clear();
    // An error object that is not a string reaches the hook without a message, here the
    // same as the last: it is counted, and the count told when the level ends.
    EXPECT_NE(lua_dobuffer(g_lua, "error({})", 9, "x"), 0);
    EXPECT_TRUE(log.lines().empty()) << log.joined();
    lua_error_flush();
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"* lua error * (no message) ... repeated 1 times"}));
}

TEST_F(Bindings, NoBindingRaisesAnErrorWhateverItIsGiven)
{
    const char *argument_lists[] = {
        "", "nil", "true, false", "{}, {}, {}", "1e309, -1e309, 0/0",
        "'a', 'b', 'c', 'd', 'e', 'f', 'g', 1, 2, 3, 4, 5, 6, 7, 8, 9, { n = 1e9 }",
        "function() end, coroutine.create(function() end)",
    };
    for (const char *name : LUA_TEST_HOST_FUNCTIONS) {
        for (const char *args : argument_lists) {
            std::string code = std::string("pcall_ok = pcall(") + name + (args[0] ? ", " : "") + args + ")";
            lua_test_run(code);
            EXPECT_EQ(lua_test_eval("pcall_ok and 1 or 0"), 1) << code;
        }
    }
    g_time_limit = 6000;
    g_no_more_beasties = 0;
}

} // namespace
