// The script store: record order and names, and finding a script by its file name.

#include "script/script_store.h"

#include "tests/support/log_capture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

int find(const char *file_name)
{
    script_set_name(file_name);
    return script_find();
}

// The store's search order as the game knows it.
std::vector<std::string> expected_record_names()
{
    std::vector<std::string> names = {
        "actor_lua", "actor_place_lua", "actor_table_lua", "beasties_all_lua",
        "beemspider_fizz_lua", "beemspider_1_lua", "beemspider_bullet_lua", "blocker_red_lua",
        "bullet_ninjoo_lua", "bullet_pathfly_lua", "bullet_pimp_lua", "bullet_robo_lua",
        "bullet_robomom_lua", "bullet_splitworm_lua", "bullet_trackfly_lua", "bullet_turret1_lua",
        "bullet_turret2_lua", "bullet_weelee_lua", "chunk_1_lua", "chunk_2_lua", "chunk_3_lua",
        "crystal_large_lua", "crystal_medium_lua", "crystal_small_lua", "crystal_tiny_lua",
        "end_chaser_lua", "everything_lua", "geopus_lua", "laser_1_1sec_lua", "laser_1_2sec_lua",
        "laser_1_3sec_lua", "laserfizz_1sec_lua", "laserfizz_2sec_lua", "laserfizz_3sec_lua",
        "mergeblob_1_big_lua", "mergeblob_1_big_emerge_lua", "mergeblob_1_spawn_lua",
        "missile_ninjoo_lua", "missile_pimp_lua", "missile_robomum_lua", "missile_turret_lua",
        "missile_weelee_lua", "motha_2_lua", "motha_2_emerge_lua", "motha_2_spawn_lua",
        "ninjoo_1_lua", "null_fizz_lua", "pathfly_tiny_lua", "paths_lua", "powerpimp_lua",
        "powerpimp_emerge_lua", "robo_mom_lua", "robot_green_lua", "robot_green_path_lua",
        "robot_yellow_lua", "spinner_1_lua", "trackfly_1_lua", "trackfly_2_lua", "trailer_1_lua",
        "trailer_1_emerge_lua", "trailer_trash_lua", "turret_fizz_lua", "turret_1_big_lua",
        "turret_1_med_lua", "turret_1_sma_lua", "turret_base_lua", "turret_bigemerge_lua",
        "turret_smallemerge_lua", "wall_1_flat_lua", "weblob_fizz_lua", "weblob_tiny2_lua",
        "weelee_big_lua", "weelee_small_lua", "worm_chain_split_lua", "player_1_lua",
        "player_2_lua", "player_3_lua", "player_4_lua", "player_5_lua", "player_all_lua",
        "player_bullet_1_lua", "player_missile_1_lua", "player_shield_lua", "player_spinner_lua",
        "powerup_3way_lua", "powerup_extralife_lua", "powerup_laser_lua", "powerup_missile_lua",
        "powerup_shield_lua", "powerup_spinner_lua",
    };
    for (int level = 100; level <= 189; level++) {
        names.push_back("level" + std::to_string(level) + "_lua");
    }
    std::vector<std::string> room = {
        "fencefizz_1_1_lua", "fencefizz_1_2_lua", "fencefizz_1_3_lua", "fencefizz_1_4_lua",
        "fencefizz_1_5_lua", "fencefizz_1_6_lua", "fencefizz_1_7_lua", "fencefizz_2_1_lua",
        "fencefizz_9_1_lua", "fencefizz_9_9_lua", "floor_chooser_lua", "pylon_chooser_lua",
        "pylon_0_0_lua", "pylon_1_1_lua", "pylon_1_2_lua", "pylon_1_3_lua", "pylon_1_4_lua",
        "pylon_2_1_lua", "pylon_2_2_lua", "pylon_2_3_lua", "pylon_3_1_lua", "pylon_4_1_lua",
        "pylon_4_2_lua", "pylon_4_3_lua", "pylon_4_4_lua", "pylon_4_5_lua", "pylon_4_6_lua",
        "pylon_5_1_lua", "pylon_5_2_lua", "pylon_5_3_lua", "pylon_6_1_lua", "pylon_6_2_lua",
        "pylon_6_3_lua", "pylon_9_9_lua",
    };
    names.insert(names.end(), room.begin(), room.end());
    return names;
}

TEST(ScriptStore, RecordsStandInTheSearchOrderUnderTheirRecordNames)
{
    std::vector<std::string> expected = expected_record_names();
    ASSERT_EQ((int)expected.size(), SCRIPT_COUNT);
    size_t longest = 0;
    for (int i = 0; i < SCRIPT_COUNT; i++) {
        EXPECT_EQ(g_script_store[i].name, expected[i]) << "record " << i;
        longest = std::max(longest, strlen(g_script_store[i].name));
    }
    EXPECT_EQ(longest, 26u);
}

TEST(ScriptStore, RecordTextsAreWholeAndTerminated)
{
    for (int i = 0; i < SCRIPT_COUNT; i++) {
        const ScriptRecord &r = g_script_store[i];
        ASSERT_NE(r.text, nullptr);
        EXPECT_GT(r.length, 0u) << r.name;
        EXPECT_EQ(strlen(r.text), r.length) << r.name << " holds a NUL byte";
        EXPECT_EQ(r.text[r.length - 1], '\n') << r.name << " does not end with a newline";
    }
}

TEST(ScriptStore, FileNamesAreTurnedIntoRecordNames)
{
    LogCapture log;
    EXPECT_EQ(find("actor.lua"), 0);
    EXPECT_STREQ(g_script_name, "actor_lua");
    EXPECT_EQ(find("laser-1_2sec.lua"), 29);
    EXPECT_STREQ(g_script_name, "laser_1_2sec_lua");
    EXPECT_EQ(find("level101.lua"), 91);
    EXPECT_EQ(find("pylon-9_9.lua"), SCRIPT_COUNT - 1);
    // Underscores in the file name are as good as dashes.
    EXPECT_EQ(find("laser_1_2sec.lua"), 29);
    EXPECT_EQ(log.errors(), 0);
}

TEST(ScriptStore, OnlyTheFirstDotAndThreeDashesAreTurned)
{
    LogCapture log;
    // Three dashes are turned; the fourth stays and the name is not found.
    EXPECT_EQ(find("mergeblob-1-big-emerge.lua"), 35);
    EXPECT_EQ(find("mergeblob-1-big-emerge-x.lua"), -1);
    EXPECT_EQ(log.count("*** lua cant find in mem mergeblob_1_big_emerge-x_lua"), 1);
    // A second dot stays too.
    EXPECT_EQ(find("actor.lua.lua"), -1);
    EXPECT_EQ(log.count("*** lua cant find in mem actor_lua.lua"), 1);
}

TEST(ScriptStore, LookupIsExactAndCaseSensitive)
{
    LogCapture log;
    EXPECT_EQ(find("Actor.lua"), -1);
    EXPECT_EQ(find("actor"), -1);
    EXPECT_EQ(find(""), -1);
    EXPECT_EQ(find(nullptr), -1);
    EXPECT_EQ(log.count_containing("*** lua cant find in mem"), 4);
    EXPECT_EQ(log.count("*** lua cant find in mem Actor_lua"), 1);
}

TEST(ScriptStore, LongFileNamesAreCutAtTheLookupBuffer)
{
    LogCapture log;
    std::string name(200, 'x');
    EXPECT_EQ(find(name.c_str()), -1);
    EXPECT_EQ(strlen(g_script_name), (size_t)SCRIPT_LOOKUP_SIZE - 1);
}

TEST(ScriptStore, ExistsAnswersQuietlyAndLeavesTheLookupName)
{
    LogCapture log;
    script_set_name("robot_green.lua");
    EXPECT_EQ(script_exists("level189.lua"), 1);
    EXPECT_EQ(script_exists("level100.lua"), 1);
    EXPECT_EQ(script_exists("laser-1_2sec.lua"), 1) << "converted as a lookup is";
    EXPECT_EQ(script_exists("level190.lua"), 0);
    EXPECT_EQ(script_exists("level99.lua"), 0);
    EXPECT_EQ(script_exists("Level101.lua"), 0);
    EXPECT_EQ(script_exists(""), 0);
    EXPECT_EQ(script_exists(nullptr), 0);
    EXPECT_EQ(log.lines().size(), 0u);
    EXPECT_STREQ(g_script_name, "robot_green.lua");
}

} // namespace
