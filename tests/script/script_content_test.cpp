// The embedded scripts as the game's content: every record compiles and runs, every
// dofilx target exists, every level runs to its last wave without a script error, every
// type is defined before it is used, the vocabulary carries its numbers, and no script can
// reach a file or the environment.

#include "script/lua_bind.h"
#include "script/lua_host.h"
#include "script/script_store.h"

#include "core/mt.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/settings.h"
#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int FIRST_LEVEL = 100;
constexpr int LAST_LEVEL = 189;
constexpr int GAMELOOP_CALLS = 20000;

std::string record_text(int i)
{
    return std::string(g_script_store[i].text, g_script_store[i].length);
}

bool is_level_record(int i)
{
    return strncmp(g_script_store[i].name, "level", 5) == 0;
}

std::string level_name(int level)
{
    return "level" + std::to_string(level);
}

// Game settings the scripts read, restored after each test.
class ScriptContent : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_level = g_level_number;
        saved_two = g_two_player;
        saved_model1 = g_render_modelnum1;
        saved_model2 = g_render_modelnum2;
        saved_gfx = g_render_backgroundgfx;
    }
    void TearDown() override
    {
        if (g_lua) {
            lua_close(g_lua);
            g_lua = nullptr;
        }
        world_cleanup_level();
        g_actor_name_count = 0;
        g_level_number = saved_level;
        g_two_player = saved_two;
        g_render_modelnum1 = saved_model1;
        g_render_modelnum2 = saved_model2;
        g_render_backgroundgfx = saved_gfx;
    }
    int saved_level = 101;
    int saved_two = 0;
    float saved_model1 = 0.0f;
    float saved_model2 = 0.0f;
    float saved_gfx = 0.0f;
};

TEST_F(ScriptContent, EveryRecordCompiles)
{
    lua_State *L = luaL_newstate();
    for (int i = 0; i < SCRIPT_COUNT; i++) {
        const ScriptRecord &r = g_script_store[i];
        int status = luaL_loadbuffer(L, r.text, r.length, r.name);
        EXPECT_EQ(status, 0) << r.name << ": " << (status ? lua_tostring(L, -1) : "");
        lua_settop(L, 0);
    }
    lua_close(L);
}

TEST_F(ScriptContent, EveryDofilxTargetIsInTheStore)
{
    LogCapture log;
    std::regex literal("dofilx\\(\\s*\"([^\"]*)\"\\s*\\)");
    int targets = 0;
    for (int i = 0; i < SCRIPT_COUNT; i++) {
        std::string text = record_text(i);
        for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) {
            std::string target = (*it)[1];
            script_set_name(target.c_str());
            EXPECT_GE(script_find(), 0) << g_script_store[i].name << " runs " << target;
            targets++;
        }
    }
    EXPECT_GT(targets, 100);
    EXPECT_EQ(log.errors(), 0) << log.joined();
}

TEST_F(ScriptContent, NoRecordCanReachAFileOrTheEnvironment)
{
    std::regex library("\\b(io|os|debug|package)\\s*\\.");
    std::regex loader("\\b(require|module|dofile|loadfile|loadstring|load|getfenv|setfenv)\\s*\\(");
    std::regex own_random("math\\s*\\.\\s*random");
    for (int i = 0; i < SCRIPT_COUNT; i++) {
        std::string text = record_text(i);
        EXPECT_FALSE(std::regex_search(text, library)) << g_script_store[i].name;
        EXPECT_FALSE(std::regex_search(text, loader)) << g_script_store[i].name;
        // Random draws come from c_zrand, so a restarted level replays them.
        EXPECT_FALSE(std::regex_search(text, own_random)) << g_script_store[i].name;
    }
    // And a level's state offers no way there.
    g_level_number = 101;
    LogCapture log;
    lua_initlevel("level101");
    for (const char *name : {"io", "os", "debug", "package", "require", "dofile", "loadfile",
                             "load", "loadstring"}) {
        EXPECT_EQ(lua_test_string(name), "<nil>") << name;
    }
    lua_freelevel();
    world_cleanup_level();
}

TEST_F(ScriptContent, EverySharedAndTypeScriptRunsInAFreshState)
{
    for (int i = 0; i < SCRIPT_COUNT; i++) {
        if (is_level_record(i)) {
            continue;
        }
        LogCapture log;
        g_lua = lua_open(0);
        lua_register_all();
        lua_test_run("cur_level_num = 150");
        lua_run_mem_script("actor.lua");
        lua_run_mem_script("actor_place.lua");
        lua_dobuffer(g_lua, g_script_store[i].text, g_script_store[i].length, g_script_store[i].name);
        EXPECT_EQ(log.count_containing("lua error"), 0) << g_script_store[i].name << "\n" << log.joined();
        EXPECT_EQ(log.script_errors(), 0) << g_script_store[i].name << "\n" << log.joined();
        lua_close(g_lua);
        g_lua = nullptr;
        world_cleanup_level();
    }
}

TEST_F(ScriptContent, LevelScriptsHaveTheLevelShape)
{
    for (int level = FIRST_LEVEL; level <= LAST_LEVEL; level++) {
        script_set_name((level_name(level) + ".lua").c_str());
        int index = script_find();
        ASSERT_GE(index, 0);
        std::string text = record_text(index);
        const std::string parts[] = {
            "\ncur_level_num = " + std::to_string(level) + "\n",
            "\ndofilx(\"everything.lua\")\n",
            "\nfunction LEVEL_start()\n",
            "\nfunction LEVEL_gameloop()\n",
            "\nactor_plopper( \"",
            "c_no_more_beasties_to_come()",
        };
        size_t at = 0;
        for (const std::string &part : parts) {
            size_t found = text.find(part, at);
            EXPECT_NE(found, std::string::npos) << level_name(level) << " lacks " << part;
            if (found != std::string::npos) {
                at = found;
            }
        }
        // Every path a level declares is one it launches on.
        static const std::regex declared("c_add_a_path\\(\\s*\"([^\"]+)\"");
        for (std::sregex_iterator m(text.begin(), text.end(), declared), end; m != end; ++m) {
            std::string name = "\"" + (*m)[1].str() + "\"";
            EXPECT_NE(text.find(name, (size_t)m->position() + m->length()), std::string::npos)
                << level_name(level) << " never uses " << name;
        }
    }
}

// Runs one level as the level driver does: the script, LEVEL_start, then gameloop calls
// until the script has no more waves. Returns the call that said so (0: never).
int run_level(int level, int calls)
{
    g_level_number = level;
    g_no_more_beasties = 0;
    lua_initlevel(level_name(level).c_str());
    int reached = 0;
    for (int i = 1; i <= calls; i++) {
        lua_call_level_gameloop();
        if (g_no_more_beasties == 1 && reached == 0) {
            reached = i;
        }
    }
    return reached;
}

TEST_F(ScriptContent, EveryLevelRunsToItsLastWaveWithoutAScriptError)
{
    size_t memory_peak = 0;
    long steps_peak = 0;
    int heaviest = 0;
    for (int level = FIRST_LEVEL; level <= LAST_LEVEL; level++) {
        LogCapture log;
        mt_seed(level);
        g_render_modelnum1 = (float)(level % 5);
        g_two_player = level % 3 == 0;
        g_render_modelnum2 = (float)((level + 2) % 5);
        g_render_backgroundgfx = (float)(level % 4);
        int reached = run_level(level, GAMELOOP_CALLS);
        EXPECT_GT(reached, 0) << level_name(level) << " never calls c_no_more_beasties_to_come";
        EXPECT_EQ(log.count_containing("lua error"), 0) << level_name(level) << "\n" << log.joined();
        EXPECT_EQ(log.script_errors(), 0) << level_name(level) << "\n" << log.joined();
        if (lua_memory_peak(g_lua) > memory_peak) {
            memory_peak = lua_memory_peak(g_lua);
            heaviest = level;
        }
        steps_peak = std::max(steps_peak, lua_call_steps_peak(g_lua));
        lua_freelevel();
        world_cleanup_level();
    }
    // The guards sit far above what the content needs.
    printf("script memory: at most %zu bytes (level%d); instructions: at most %ld in one call\n",
           memory_peak, heaviest, steps_peak);
    EXPECT_LT(memory_peak * 16, LUA_MEMORY_CAP);
    EXPECT_LT(steps_peak * 10, LUA_CALL_BUDGET);
}

TEST_F(ScriptContent, EveryShipChoiceFindsItsScripts)
{
    for (int model = -1; model <= 5; model++) {
        LogCapture log;
        g_render_modelnum1 = (float)model;
        g_render_modelnum2 = (float)(4 - model);
        g_two_player = 1;
        run_level(101, 1);
        EXPECT_EQ(log.script_errors(), 0) << "model " << model << "\n" << log.joined();
        EXPECT_EQ(log.count_containing("lua error"), 0) << log.joined();
        lua_freelevel();
        world_cleanup_level();
    }
}

// A registry of type names standing in for the actor types: the checking bindings below
// wrap the real ones and note every use of a type that was not defined before it.
struct TypeCheck {
    std::set<std::string> defined;
    std::vector<std::string> launched;
    std::vector<std::string> problems;
    std::string script;
};
TypeCheck g_check;

std::string arg_string(lua_State *L, int index)
{
    return lua_type(L, index) == LUA_TSTRING ? lua_tostring(L, index) : std::string("<not a string>");
}

std::string element_string(lua_State *L, int table, int k)
{
    lua_rawgeti(L, table, k);
    std::string s = lua_type(L, -1) == LUA_TSTRING ? lua_tostring(L, -1) : "<not a string>";
    lua_pop(L, 1);
    return s;
}

void require_defined(const std::string &what, const std::string &name)
{
    if (!g_check.defined.count(name)) {
        g_check.problems.push_back(g_check.script + ": " + what + " " + name + " before it is defined");
    }
}

const std::set<std::string> g_conditions = {
    "my_time_alive", "my_time_alive__pass_path", "beasties_time_alive", "my_health",
    "my_health__change_parent__via_null_actor_and_check",
    "my_health__change_child__via_null_actor_and_check", "player_dist_less_than",
    "track_beastie_dist_less_than", "less_beasties_active", "more_beasties_active",
    "count_extended_children",
};

// Checks one call, then hands it to the real binding held as upvalue 1.
int checking_binding(lua_State *L)
{
    std::string name = lua_tostring(L, lua_upvalueindex(2));
    if (name == "c_preload_model" && lua_istable(L, 1)) {
        std::string type = element_string(L, 1, 1);
        if (g_check.defined.count(type)) {
            g_check.problems.push_back(g_check.script + ": " + type + " is preloaded twice");
        }
        if (lua_getn(L, 1) != 77) {
            g_check.problems.push_back(g_check.script + ": " + type + " has a table of " +
                                       std::to_string(lua_getn(L, 1)) + " elements");
        }
        g_check.defined.insert(type);
    } else if (name == "c_is_model_preloaded") {
        lua_pushnumber(L, g_check.defined.count(arg_string(L, 1)) ? 0 : 1);
        return 1;
    } else if (name == "c_launch_new_actor" && lua_istable(L, 1)) {
        std::string type = element_string(L, 1, 1);
        require_defined("launches", type);
        g_check.launched.push_back(type);
    } else if (name == "c_add_a_weapon") {
        require_defined("fires", arg_string(L, 1));
    } else if (name == "c_set_trigger_mutate") {
        std::string type = arg_string(L, 1);
        if (type != "byebye") {
            require_defined("mutates into", type);
        }
        if (!g_conditions.count(arg_string(L, 2))) {
            g_check.problems.push_back(g_check.script + ": unknown condition " + arg_string(L, 2));
        }
    } else if (name == "c_set_trigger_state") {
        if (!g_conditions.count(arg_string(L, 1))) {
            g_check.problems.push_back(g_check.script + ": unknown condition " + arg_string(L, 1));
        }
    } else if (name == "c_set_trigger_spawn") {
        require_defined("spawns", arg_string(L, 1));
    } else if (name == "c_room_attach") {
        require_defined("attaches", arg_string(L, 1));
    } else if (name == "c_add_fizz_to_room") {
        require_defined("beams with", arg_string(L, 1));
    } else if (name == "c_add_fizz_between") {
        require_defined("beams with", arg_string(L, 1));
        require_defined("beams from", arg_string(L, 2));
        std::string b = arg_string(L, 4);
        if (b.rfind("pylon-", 0) != 0) {
            require_defined("beams to", b);
        }
    }
    int count = lua_gettop(L);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, count, 1);
    return 1;
}

void install_checks()
{
    const char *names[] = {"c_preload_model", "c_is_model_preloaded", "c_launch_new_actor",
                           "c_add_a_weapon", "c_set_trigger_mutate", "c_set_trigger_state",
                           "c_set_trigger_spawn", "c_room_attach", "c_add_fizz_to_room",
                           "c_add_fizz_between"};
    for (const char *name : names) {
        lua_getglobal(g_lua, name);
        lua_pushstring(g_lua, name);
        lua_pushcclosure(g_lua, checking_binding, 2);
        lua_setglobal(g_lua, name);
    }
}

// Starts a level as lua_initlevel does, with the checking bindings in place.
void start_checked_level(int level)
{
    g_check = TypeCheck();
    g_check.script = level_name(level);
    g_level_number = level;
    g_actor_name_count = 0;
    lua_collect_actor_names((level_name(level) + ".lua").c_str());
    g_lua = lua_open(0);
    lua_register_all();
    install_checks();
    lua_run_mem_script((level_name(level) + ".lua").c_str());
    lua_getglobal(g_lua, "LEVEL_start");
    lua_protected_call(g_lua, 0, 0);
}

bool is_boss(const std::string &name)
{
    return name == "motha_2_emerge" || name == "robo_mom" || name == "geopus" ||
           name == "powerpimp_emerge";
}

TEST_F(ScriptContent, EveryTypeIsDefinedBeforeItIsUsed)
{
    for (int level = FIRST_LEVEL; level <= LAST_LEVEL; level++) {
        LogCapture log;
        mt_seed(level);
        g_two_player = level % 2;
        g_render_modelnum1 = (float)(level % 5);
        g_render_modelnum2 = (float)((level + 1) % 5);
        g_time_skip_off = 0;
        start_checked_level(level);
        // Fast-forward runs until the boss of a milestone level comes; from its launch on,
        // the escorts keep to the clock.
        const bool milestone = level % 10 == 9;
        int boss_call = -1;
        int wrong_pace = 0;
        for (int i = 0; i < GAMELOOP_CALLS; i++) {
            size_t before = g_check.launched.size();
            lua_call_level_gameloop();
            if (boss_call < 0 && std::any_of(g_check.launched.begin() + (long)before, g_check.launched.end(), is_boss)) {
                boss_call = i;
            }
            wrong_pace += (g_time_skip_off != 0) != (milestone && boss_call >= 0);
        }
        EXPECT_EQ(wrong_pace, 0) << level_name(level) << ": skip-off not from the boss's launch on";
        EXPECT_TRUE(!milestone || boss_call >= 0) << level_name(level);
        EXPECT_TRUE(g_check.problems.empty()) << g_check.problems.front();
        EXPECT_EQ(log.script_errors(), 0) << level_name(level) << "\n" << log.joined();
        // The room, the floor and the ships are always launched.
        int ships = 0;
        for (const std::string &type : g_check.launched) {
            ships += type.rfind("player_", 0) == 0;
        }
        EXPECT_EQ(ships, 1 + g_two_player) << level_name(level);
        EXPECT_TRUE(std::count(g_check.launched.begin(), g_check.launched.end(), "roomer") == 1)
            << level_name(level);
        // Every type the level plops was preloaded for it.
        for (int i = 0; i < g_actor_name_count; i++) {
            EXPECT_TRUE(g_check.defined.count(g_actor_names[i]))
                << level_name(level) << " plops " << g_actor_names[i];
        }
        lua_close(g_lua);
        g_lua = nullptr;
        world_cleanup_level();
    }
}

TEST_F(ScriptContent, LevelsPreloadOnlyWhatTheyNeedFrom101On)
{
    // Level 100 preloads every enemy type; level 101 only its own and what those use.
    start_checked_level(100);
    size_t everything = g_check.defined.size();
    lua_close(g_lua);
    g_lua = nullptr;
    world_cleanup_level();
    start_checked_level(101);
    EXPECT_LT(g_check.defined.size(), everything - 40);
    EXPECT_TRUE(g_check.defined.count("robot_green"));
    EXPECT_TRUE(g_check.defined.count("bullet_robo"));
    EXPECT_FALSE(g_check.defined.count("geopus"));
    // The overtime chaser is there on every level.
    EXPECT_TRUE(g_check.defined.count("end_chaser"));
}

// The distinct types a level script plops, from its column-0 lines.
std::vector<std::string> plopped(int level)
{
    g_actor_name_count = 0;
    lua_collect_actor_names((level_name(level) + ".lua").c_str());
    std::vector<std::string> names(g_actor_names, g_actor_names + g_actor_name_count);
    g_actor_name_count = 0;
    return names;
}


TEST_F(ScriptContent, LevelsGrowFromGentleToMixedWithBossesAtTheMilestones)
{
    for (int level = 101; level <= LAST_LEVEL; level++) {
        std::vector<std::string> names = plopped(level);
        ASSERT_FALSE(names.empty()) << level_name(level);
        int bosses = (int)std::count_if(names.begin(), names.end(), is_boss);
        if (level % 10 == 9) {
            EXPECT_GE(bosses, 1) << level_name(level) << " is a milestone without a boss";
        } else {
            EXPECT_EQ(bosses, 0) << level_name(level);
        }
        if (level <= 108) {
            EXPECT_LE(names.size(), 2u) << level_name(level) << " is not gentle";
        }
        if (level >= 170) {
            EXPECT_GE(names.size() - bosses, 6u) << level_name(level) << " mixes too few families";
        }
    }
    int final_bosses = 0;
    for (const std::string &name : plopped(189)) {
        final_bosses += is_boss(name);
    }
    EXPECT_EQ(final_bosses, 4);
}

TEST_F(ScriptContent, LaterLevelsLaunchFasterAndDenserWaves)
{
    // Count the launches and the calls until the last wave in a run of early and late levels.
    auto measure = [](int first, int last, double *launches, double *length) {
        *launches = 0;
        *length = 0;
        for (int level = first; level <= last; level++) {
            mt_seed(level);
            start_checked_level(level);
            int reached = 0;
            for (int i = 1; i <= GAMELOOP_CALLS && !reached; i++) {
                g_no_more_beasties = 0;
                lua_call_level_gameloop();
                if (g_no_more_beasties == 1) {
                    reached = i;
                }
            }
            *launches += (double)g_check.launched.size();
            *length += reached;
            lua_close(g_lua);
            g_lua = nullptr;
            world_cleanup_level();
        }
    };
    double early_launches, early_length, late_launches, late_length;
    measure(101, 105, &early_launches, &early_length);
    measure(181, 185, &late_launches, &late_length);
    double early_rate = early_launches / early_length;
    double late_rate = late_launches / late_length;
    EXPECT_GT(late_launches, early_launches * 3);
    EXPECT_GT(late_rate, early_rate * 3);
}

TEST_F(ScriptContent, PlopperPlacesWavesInsideTheArena)
{
    g_lua = lua_open(0);
    lua_register_all();
    lua_run_mem_script("actor.lua");
    lua_run_mem_script("actor_place.lua");
    // Launch tables are kept in the script instead of being launched.
    lua_test_run("launched = {} function c_launch_new_actor(t) launched[#launched + 1] = t return 0 end");
    mt_seed(5);
    lua_test_run("actor_plopper('ring_type', 4, plop_ring, 40, 0.5, 30, 80)");
    ASSERT_EQ(lua_test_eval("#launched"), 4);
    for (int i = 1; i <= 4; i++) {
        std::string t = "launched[" + std::to_string(i) + "]";
        double x = lua_test_eval(t + "[ci_posn_x]");
        double z = lua_test_eval(t + "[ci_posn_z]");
        EXPECT_NEAR(std::sqrt(x * x + z * z), 40.0, 1e-6);
        // Facing the centre: the heading points back along the position.
        double heading = lua_test_eval(t + "[ci_angle]") * M_PI / 180.0;
        EXPECT_NEAR(std::sin(heading) * 40.0, -x, 1e-6);
        EXPECT_NEAR(std::cos(heading) * 40.0, -z, 1e-6);
        EXPECT_EQ(lua_test_eval(t + "[ci_launch_delay]"), (i - 1) * 0.5);
        EXPECT_EQ(lua_test_eval(t + "[ci_hue_shift]"), 30);
        EXPECT_EQ(lua_test_eval(t + "[ci_model_size]"), 80);
    }
    double x1 = lua_test_eval("launched[1][ci_posn_x]"), z1 = lua_test_eval("launched[1][ci_posn_z]");
    double x2 = lua_test_eval("launched[2][ci_posn_x]"), z2 = lua_test_eval("launched[2][ci_posn_z]");
    EXPECT_NEAR(x1 * x2 + z1 * z2, 0.0, 1e-6);   // a quarter turn apart

    const char *modes[] = {"plop_edge, 0", "plop_cluster, 30", "plop_path, 'star-path'",
                           "plop_centre, 6", "plop_line, 60"};
    for (const char *mode : modes) {
        lua_test_run(std::string("launched = {} actor_plopper('t', 12, ") + mode + ")");
        ASSERT_EQ(lua_test_eval("#launched"), 12) << mode;
        for (int i = 1; i <= 12; i++) {
            std::string t = "launched[" + std::to_string(i) + "]";
            double x = lua_test_eval(t + "[ci_posn_x]");
            double z = lua_test_eval(t + "[ci_posn_z]");
            EXPECT_LE(std::sqrt(x * x + z * z), 60.0) << mode;
            EXPECT_EQ(lua_test_string("launched_path"), "<nil>");
        }
    }
    EXPECT_EQ(lua_test_eval("launched[1][ci_path_name] == '' and 1 or 0"), 1);
    lua_test_run("launched = {} actor_plopper('t', 2, plop_path, 'star-path')");
    EXPECT_EQ(lua_test_eval("launched[2][ci_path_name] == 'star-path' and 1 or 0"), 1);
}

TEST_F(ScriptContent, VocabularyCarriesEveryNumber)
{
    g_lua = lua_open(0);
    lua_register_all();
    lua_run_mem_script("actor_table.lua");
    const char *cp[] = {
        "actor_name", "model_dir", "model_name", "actor_type", "hit_delay", "mutate_hit_delay",
        "move_type", "weight", "hit_power", "i_collide_with_beasties", "these_collide_with_me",
        "i_avoid_these_beasties", "in_beastie_count", "in_screen_zoom_box", "move_speed_min",
        "move_speed_max", "move_acceleration", "move_deceleration", "move_inertia_accn",
        "move_inertia_decn", "burst_length_min", "burst_length_max", "burst_delay_min",
        "burst_delay_max", "look_ahead_dist", "repel_dist", "target_stop_dist",
        "target_delay_min", "target_delay_max", "turn_lock_angle_inner", "turn_lock_angle_outer",
        "turn_speed_still", "turn_acceleration_still", "turn_inertia_still", "turn_speed_moving",
        "turn_acceleration_moving", "turn_inertia_moving", "turn_speed_aiming", "health_regain",
        "health_percent", "health_type", "health_byebye_percent", "launch_scale_min",
        "launch_scale_max", "launch_hue_shift", "bullet_spray_angle", "blank",
        "player_bullet_rate", "random_offset_x", "random_offset_z", "random_trajectory_offset",
        "random_trajectory_offset_delay_min", "random_trajectory_offset_delay_max",
        "random_edge_inner_percent", "random_edge_outer_percent", "fence_bounce_percent",
        "max_explosion_multiply", "rolly_polly_multiply", "angle_grid_size", "num_spawn_min",
        "num_spawn_max", "scale_spawn_min", "scale_spawn_max", "score", "bonus_seq_hit",
        "bonus_seq_score", "level_end_score", "geopus_style", "fade_in_translucent",
        "multiple_beast_shoot_rate", "multiple_beast_base_num", "difficulty_adjust_speed",
        "difficulty_adjust_shoot", "spin_speed_min", "spin_speed_max", "i_am_repelled_by",
        "move_target",
    };
    for (int i = 0; i < 77; i++) {
        EXPECT_EQ(lua_test_number(("cp_" + std::string(cp[i])).c_str()), i + 1) << cp[i];
    }
    const char *ci[] = {"actor_name", "unique_name", "path_name", "model_size", "posn_x", "posn_y",
                        "posn_z", "angle", "anim_delay", "hue_shift", "launch_delay"};
    for (int i = 0; i < 11; i++) {
        EXPECT_EQ(lua_test_number(("ci_" + std::string(ci[i])).c_str()), i + 1) << ci[i];
    }
    const char *w[] = {"gun_type", "gun_bone_name", "shaft_bone_name", "fire_anim_name",
                       "aim_anim_name", "flare_exp_name", "flare_exp_scale", "aim_delay",
                       "bullet_scale", "barrel_offset", "no_shoot_dist", "no_shoot_angle",
                       "recoil_angle", "recoil_dist", "reload_random"};
    for (int i = 0; i < 15; i++) {
        EXPECT_EQ(lua_test_number(("w_" + std::string(w[i])).c_str()), i + 2) << w[i];
    }
    std::map<std::string, double> constants = {
        {"cat_ground", 1}, {"cat_fence", 2}, {"cat_fizz", 4}, {"cat_player", 8},
        {"cat_bullet", 16}, {"cat_beastie", 32}, {"cat_block", 64}, {"cat_robot", 128},
        {"cat_blocker", 256}, {"cat_crystal", 512}, {"cat_flyer", 1024}, {"cat_webblob", 2048},
        {"cat_mergeblob", 4096}, {"cat_motha", 8192}, {"cat_geopus", 16384},
        {"cat_any_beastie", 0x10000}, {"cmt_track", 1}, {"cmt_path", 2}, {"cmt_flock", 4},
        {"cmt_fixed_dirn", 8}, {"cmt_random", 16}, {"cmt_avoid", 32}, {"cmt_repelled", 64},
        {"cmt_grid_fill", 128}, {"cmt_anim_to_move", 256}, {"cmt_anim_to_turn", 512},
        {"cmt_apply_no_dirn", 1024}, {"cmt_face_gamer", 2048}, {"cmt_sidestep_bullet", 4096},
        {"cmt_rolly_polly", 0x2000}, {"cmt_wheels", 0x4000}, {"cmt_angle_grid", 0x8000},
        {"cmt_track_player", 0x10000}, {"cmt_target_start_position", 0x20000000},
        {"cmt_target_nearest_beastie", 0x40000000}, {"health_chunk_regain", 1},
        {"health_damagable", 2}, {"health_damagable_check_parent", 3},
        {"health_no_damage_check_parent_and_drop", 4}, {"exp_no_align", 0}, {"exp_align", 1},
    };
    for (const auto &c : constants) {
        EXPECT_EQ(lua_test_number(c.first.c_str()), c.second) << c.first;
    }
}

TEST_F(ScriptContent, FoolListsInsteadOfSettingWhileSetterIsOn)
{
    LogCapture log;
    g_lua = lua_open(0);
    lua_register_all();
    lua_test_run("setter = 1");
    lua_run_mem_script("actor_table.lua");
    EXPECT_EQ(lua_test_string("cp_actor_type"), "<nil>");
    EXPECT_EQ(log.count("-cp_actor_type  4.000000 "), 1);
    EXPECT_EQ(log.count_containing("-cmt_"), 19);
}

TEST_F(ScriptContent, PreloadTableHoldsEveryDefaultWithTheMoveTargetLast)
{
    g_lua = lua_open(0);
    lua_register_all();
    lua_run_mem_script("actor.lua");
    lua_test_run("t = ACTOR_preload('name', 'dir', 'model')");
    lua_getglobal(g_lua, "t");
    EXPECT_EQ(lua_getn(g_lua, -1), 77);
    lua_pop(g_lua, 1);
    EXPECT_EQ(lua_test_eval("t[cp_move_target] == 'track_player' and 1 or 0"), 1);
    EXPECT_EQ(lua_test_eval("t[cp_actor_name] == 'name' and t[cp_model_dir] == 'dir' and "
                            "t[cp_model_name] == 'model' and 1 or 0"),
              1);
    std::map<std::string, double> defaults = {
        {"actor_type", 32}, {"hit_delay", 0.01}, {"mutate_hit_delay", 0.01},
        {"i_collide_with_beasties", 8}, {"these_collide_with_me", 24}, {"in_beastie_count", 1},
        {"target_delay_min", 0.01}, {"target_delay_max", 0.05}, {"turn_lock_angle_inner", 360},
        {"turn_lock_angle_outer", 360}, {"health_percent", 100}, {"launch_scale_min", 100},
        {"launch_scale_max", 100}, {"blank", 1}, {"player_bullet_rate", 0.1},
        {"random_edge_outer_percent", 90}, {"fence_bounce_percent", 50}, {"num_spawn_min", 1},
        {"num_spawn_max", 1}, {"scale_spawn_min", 100}, {"scale_spawn_max", 100},
        {"difficulty_adjust_speed", 100}, {"difficulty_adjust_shoot", 100}, {"move_type", 0},
        {"score", 0}, {"geopus_style", 0}, {"i_am_repelled_by", 0}, {"look_ahead_dist", 0},
    };
    for (const auto &d : defaults) {
        EXPECT_EQ(lua_test_eval("t[cp_" + d.first + "]"), d.second) << d.first;
    }
    // Every number slot holds a number.
    EXPECT_EQ(lua_test_eval("(function() for k = 4, 76 do if type(t[k]) ~= 'number' then "
                            "return k end end return 0 end)()"),
              0);

    lua_test_run("w = WEAPON_preload('shot')");
    EXPECT_EQ(lua_test_eval("w[ci_actor_name] == 'shot' and w[w_gun_type] == 'no_bone_aim' and 1 or 0"), 1);
    EXPECT_EQ(lua_test_eval("w[w_flare_exp_scale] + w[w_aim_delay] + w[w_bullet_scale] + w[w_no_shoot_dist]"),
              100 + 1 + 100 + 9);

    lua_test_run("l = ACTOR_PreLaunch('robot_green') l:setposn(1, 2, 3) l:setanimdelay(0.5)");
    EXPECT_EQ(lua_test_eval("l[ci_posn_x] + l[ci_posn_y] + l[ci_posn_z]"), 6);
    EXPECT_EQ(lua_test_eval("l[ci_anim_delay]"), 0.5);
    EXPECT_EQ(lua_test_eval("l[ci_unique_name] == '' and l[ci_path_name] == '' and l[ci_model_size] == 0 "
                            "and 1 or 0"),
              1);
}

} // namespace
