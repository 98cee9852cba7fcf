// The enemy families as game content, through the engine's loader: every family has the
// engine's life-cycle animations (and "spin1_x" for drifters), two hit spheres or more,
// the bones and animations of its own moves and those its scripts name (the face budgets are
// ModelContent's); its scripts find every name they use in it and every sound in the tree; the
// movers cover their family's ground a tick; the spider's turns turn bone 2; the spawn
// beats rise past their scripts' thresholds and fall back once a cycle.

#include "assetgen/models.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "world/animplay.h"

#include "tests/support/asset_tree.h"
#include "tests/support/log_capture.h"
#include "tests/support/model_preview.h"
#include "tests/support/script_recorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct EnemyFamily {
    const char *key;                    // folder/name
    std::vector<const char *> scripts;  // the types that use the model
    std::vector<const char *> anims;    // beyond the life cycle: its own moves and the scripts'
    std::vector<const char *> bones;
    bool drifter;                       // "spin1_x"
};

const EnemyFamily FAMILIES[] = {
    {"beasties/robot_green", {"robot_green.lua", "robot_green_path.lua"}, {"walk", "fire"}, {"gun_x"}, false},
    {"beasties/robot_yellow", {"robot_yellow.lua"}, {"walk", "fire", "aim"}, {"gun_x"}, false},
    {"beasties/ninjoo_1", {"ninjoo_1.lua"}, {}, {"hand_x", "back_x"}, false},
    {"beasties/trackfly_1", {"trackfly_1.lua"}, {"buzz"}, {}, false},
    {"beasties/trackfly_2", {"trackfly_2.lua"}, {"buzz"}, {}, false},
    {"beasties/pathfly_tiny", {"pathfly_tiny.lua"}, {}, {}, false},
    {"beasties/spinner_1", {"spinner_1.lua"}, {}, {}, true},
    {"beasties/end_chaser", {"end_chaser.lua"}, {}, {}, false},
    {"beasties/motha_2_spawn", {"motha_2_spawn.lua"}, {}, {}, false},
    {"beasties/weelee_small", {"weelee_small.lua"}, {"roll"}, {"wheel_l_x", "wheel_r_x", "gun_x"}, false},
    {"beasties/weelee_big", {"weelee_big.lua"}, {"roll"}, {"wheel_l_x", "wheel_r_x", "gun_x", "hatch_x"}, false},
    {"beasties/crystal", {"crystal_large.lua", "crystal_medium.lua", "crystal_small.lua", "crystal_tiny.lua"}, {"glint"},
     {}, true},
    {"beasties/weblob_tiny2", {"weblob_tiny2.lua"}, {}, {"mainbone_x"}, false},
    {"beasties/beemspider_1", {"beemspider_1.lua"}, {"walk", "turn_l", "turn_r"}, {"jaw_x", "mainbone_x"}, false},
    {"beasties/mergeblob_1", {"mergeblob_1_big.lua", "mergeblob_1_big_emerge.lua", "mergeblob_1_spawn.lua"}, {"wobble"},
     {"mainbone_x"}, false},
    {"beasties/trailer_1", {"trailer_1.lua", "trailer_1_emerge.lua"}, {"trail"}, {"tail_x"}, false},
    {"beasties/trailer_trash", {"trailer_trash.lua"}, {"pulse"}, {}, false},
    {"beasties/worm_chain_split", {"worm_chain_split.lua"}, {"slither"}, {"head_x"}, false},
    {"bosses/motha_2", {"motha_2.lua", "motha_2_emerge.lua"}, {"hatch"}, {"belly_x", "wing_l_x", "wing_r_x"}, false},
    {"bosses/robo_mom", {"robo_mom.lua"}, {"stomp", "hatch"},
     {"hatch_x", "gun_x", "arm_x", "back_x", "eye_x", "mainbone_x"}, false},
    {"bosses/robo_mom_pod", {"robo_mom.lua"}, {"pulse"}, {"core"}, false},
    {"bosses/geopus", {"geopus.lua"}, {"crawl", "grow"}, {"arm_tip_x", "mouth_x"}, false},
    {"bosses/powerpimp", {"powerpimp.lua", "powerpimp_emerge.lua"}, {}, {"gun_x", "hat_x"}, false},
};

const char *const LIFE_CYCLE[] = {"emerge", "submerge", "mutate", "byebye", "hitbounce"};
const char *const EVENTS[] = {"hit_active_bone", "hit_null_bone", "hit_fence"};

using EnemyModels = AssetTreeTest;

bool loops(const AnimSet *set, const char *anim)
{
    int i = anim_find(set, anim, 1);
    return i >= 0 && set->tracks[i].loop_key >= 0;
}

bool is_default(const AnimSet *set, const char *anim)
{
    int i = anim_find(set, anim, 1);
    for (int d = 0; d < ANIM_DEFAULTS; d++) {
        if (i >= 0 && set->defaults[d] == i) {
            return true;
        }
    }
    return false;
}

TEST_F(EnemyModels, EveryFamilyHasTheEnginesAnimationsTwoSpheresAndItsNames)
{
    for (const EnemyFamily &f : FAMILIES) {
        AnimSet *set = asset_model_set(f.key);
        ASSERT_NE(set, nullptr) << f.key;
        ASSERT_NE(set->mesh, nullptr) << f.key;
        EXPECT_STREQ(set->bones[0].name, "mainbone_x") << f.key;
        EXPECT_GE(set->sphere_count, 2) << f.key << ": a type with fewer never moves, collides or takes hits";
        for (const char *anim : LIFE_CYCLE) {
            EXPECT_GE(anim_find(set, anim, 1), 0) << f.key << " " << anim;
            EXPECT_FALSE(loops(set, anim)) << f.key << " " << anim << " must end for the enemy to leave its state";
        }
        if (f.drifter) {
            EXPECT_TRUE(loops(set, "spin1_x")) << f.key;
        }
        for (const char *anim : f.anims) {
            EXPECT_GE(anim_find(set, anim, 1), 0) << f.key << " " << anim;
        }
        for (const char *bone : f.bones) {
            int b = asset_bone_index(set, bone);
            EXPECT_GE(b, 0) << f.key << " " << bone;
            if (b >= 0) {
                EXPECT_EQ(set->bones[b].breakable, 0) << f.key << " " << bone << ": a collapsed gun fires from the origin";
            }
        }
        for (int t = 0; t < set->mesh->texture_count; t++) {
            for (const char *name : {set->mesh->texture_entries[t].colour, set->mesh->texture_entries[t].mask}) {
                std::string file = name;
                if (file.empty() || file == "(null)") {
                    continue;
                }
                if (file.compare(file.size() - 4, 4, ".bmp") != 0) {
                    file += "/00000.bmp";
                }
                EXPECT_GT(file_exists_size((tree() + "/run/" + file).c_str()), 0) << f.key << " names " << name;
            }
        }
    }
}

// Beyond the shared recorder's names: spawn animations and bones, wheel bones, the ends
// of beams on types the script defined, which events get a sound and the death sound.
const char *MORE_RECORDERS = R"(
local models = {}
rec_wrap("c_preload_model", function(t) models[t[cp_actor_name]] = t[cp_model_dir] .. "/" .. t[cp_model_name] end)
rec_wrap("c_set_trigger_spawn", function(type, anim, bone)
    rec_add("anim " .. rec_model .. " " .. anim)
    rec_add("bone " .. rec_model .. " " .. bone)
end)
rec_wrap("c_add_some_wheels", function(l, r)
    rec_add("bone " .. rec_model .. " " .. l)
    rec_add("bone " .. rec_model .. " " .. r)
end)
rec_wrap("c_add_fizz_between", function(beam, a, bone_a, b, bone_b)
    if models[a] then rec_add("bone " .. models[a] .. " " .. bone_a) end
    if models[b] then rec_add("bone " .. models[b] .. " " .. bone_b) end
end)
rec_wrap("c_add_sound_to_event", function(event) rec_add("event " .. rec_model .. " " .. event) end)
rec_wrap("c_add_sound_to_anim", function(anim, sound)
    if anim == "byebye" then rec_add("death " .. rec_model .. " " .. sound) end
end)
)";

TEST_F(EnemyModels, ScriptsFindEveryNameInTheirModelAndEverySoundInTheTree)
{
    for (const EnemyFamily &f : FAMILIES) {
        AnimSet *set = asset_model_set(f.key);
        ASSERT_NE(set, nullptr) << f.key;
        for (const char *script : f.scripts) {
            LogCapture log;
            std::vector<std::string> lines = script_record(script, MORE_RECORDERS);
            // Beams strung to pylons find no pylon type outside a level.
            EXPECT_EQ(log.script_errors() - log.count("*** fizz between wrong values"), 0) << script << "\n"
                                                                                             << log.joined();
            EXPECT_EQ(log.count_containing("lua error"), 0) << script << "\n" << log.joined();
            std::set<std::string> events;
            int names = 0;
            bool dies_aloud = false;
            for (const std::string &line : lines) {
                size_t a = line.find(' ');
                size_t b = line.find(' ', a + 1);
                std::string kind = line.substr(0, a);
                std::string model = line.substr(a + 1, b == std::string::npos ? b : b - a - 1);
                std::string name = b == std::string::npos ? "" : line.substr(b + 1);
                if (kind == "sound") {
                    // Every sound the script names, its shots' included, is in the tree.
                    std::string file = tree() + "/styles/sfx/" + model + ".wav";
                    EXPECT_GT(file_exists_size(file.c_str()), 44) << script << ": sound " << model;
                    continue;
                }
                if (model != f.key || ((kind == "anim" || kind == "bone") && name.empty())) {
                    continue;   // a shot, a beam or another family the script loads; no gun bone
                }
                names++;
                if (kind == "anim") {
                    EXPECT_GE(anim_find(set, name.c_str(), 1), 0) << script << ": animation " << name;
                } else if (kind == "bone") {
                    EXPECT_GE(asset_bone_index(set, name), 0) << script << ": bone " << name;
                } else if (kind == "event") {
                    events.insert(name);
                } else if (kind == "death") {
                    dies_aloud = true;
                }
            }
            EXPECT_GE(names, 6) << script << " defines its type on " << f.key;
            for (const char *event : EVENTS) {
                EXPECT_EQ(events.count(event), 1u) << script << " sets a sound for " << event;
            }
            EXPECT_TRUE(dies_aloud) << script;
        }
    }
}

// The ground an animation covers at speed 1 in ticks, as the engine plays it.
float ground_of(AnimSet *set, const char *anim, int ticks)
{
    PreviewActor a(set);
    const float origin[3] = {0, 0, 0};
    a.place(0, 1.0f, origin);
    a.tick();
    EXPECT_EQ(anim_play_by_name(&a.st, anim, 1.0f, 0), 1) << anim;
    float ground = 0;
    for (int t = 0; t < ticks; t++) {
        a.tick();
        ground += std::max(anim_forward_distance(&a.st), 0.0f);
    }
    return ground;
}

TEST_F(EnemyModels, MoversCoverTheirFamilysGround)
{
    struct Mover {
        const char *key, *anim;
        float min, max;   // the family's ground, units a tick (its script's move speeds are factors near 1)
    };
    const Mover movers[] = {
        {"beasties/robot_yellow", "walk", 0.12f, 0.18f},  {"beasties/weelee_small", "roll", 0.14f, 0.2f},
        {"beasties/weelee_big", "roll", 0.09f, 0.13f},    {"beasties/beemspider_1", "walk", 0.07f, 0.1f},
        {"beasties/worm_chain_split", "slither", 0.14f, 0.18f}, {"bosses/robo_mom", "stomp", 0.05f, 0.07f},
        {"bosses/geopus", "crawl", 0.03f, 0.05f},
    };
    for (const Mover &mv : movers) {
        AnimSet *set = asset_model_set(mv.key);
        ASSERT_NE(set, nullptr) << mv.key;
        EXPECT_TRUE(loops(set, mv.anim)) << mv.key;
        float speed = ground_of(set, mv.anim, 300) / 300.0f;
        EXPECT_GE(speed, mv.min) << mv.key << " " << mv.anim;
        EXPECT_LE(speed, mv.max) << mv.key << " " << mv.anim;
    }
    // Nothing else covers ground: turns, life cycle, the idle loops.
    AnimSet *spider = asset_model_set("beasties/beemspider_1");
    for (const char *anim : {"turn_l", "turn_r", "emerge", "hitbounce", "throb"}) {
        EXPECT_EQ(ground_of(spider, anim, 100), 0.0f) << anim;
    }
}

TEST_F(EnemyModels, SpiderTurnsCarryTheirYawOnBoneTwoWithoutOffset)
{
    AnimSet *spider = asset_model_set("beasties/beemspider_1");
    ASSERT_NE(spider, nullptr);
    for (float dir : {1.0f, -1.0f}) {
        PreviewActor a(spider);
        const float heading = 30.0f;
        const float origin[3] = {0, 0, 0};
        a.place(heading, 1.0f, origin);
        a.tick();
        ASSERT_EQ(anim_play_by_name(&a.st, dir > 0 ? "turn_l" : "turn_r", 1.0f, 0), 1);
        int ticks = 0;
        while (anim_oneshot_playing(&a.st) && ticks < 500) {
            a.tick();
            ticks++;
        }
        EXPECT_LT(ticks, 100) << "a turn is a short step";
        float pose[7];
        anim_get_bone_pose(&a.st, pose, 2);
        EXPECT_NEAR(pose[4], 0.0f, 1e-5f);
        EXPECT_NEAR(pose[5], 0.0f, 1e-5f);
        EXPECT_NEAR(pose[6], 0.0f, 1e-5f);
        // The body now faces the heading grown (turn_l) or shrunk (turn_r) by 45 degrees:
        // bone 2's forward axis, minus its matrix's second column, on the floor.
        const float *m = &a.m[(2 + 1) * 16];
        float fx = -m[4], fz = -m[6];
        float faced = std::atan2(fx, fz) * 180.0f / 3.14159265f;
        EXPECT_NEAR(faced, heading + 45.0f * dir, 0.5f) << (dir > 0 ? "turn_l" : "turn_r");
    }
}

TEST_F(EnemyModels, SpawnBeatsCrossTheirScriptsThresholdOncePerCycle)
{
    struct Beat {
        const char *key, *anim;
        float threshold;   // the spawn trigger's progress, from the script
        float seconds;     // the beat its script's comment promises
    };
    const Beat beats[] = {
        {"bosses/motha_2", "hatch", 0.5f, 3.0f},       {"bosses/robo_mom", "hatch", 0.6f, 4.0f},
        {"bosses/geopus", "grow", 0.5f, 5.0f},         {"beasties/mergeblob_1", "wobble", 0.33f, 2.0f},
        {"beasties/trailer_1", "trail", 0.9f, 1.5f},
    };
    for (const Beat &b : beats) {
        AnimSet *set = asset_model_set(b.key);
        ASSERT_NE(set, nullptr) << b.key;
        EXPECT_TRUE(is_default(set, b.anim)) << b.key << ": nothing else starts it";
        EXPECT_TRUE(loops(set, b.anim)) << b.key;
        PreviewActor a(set);
        const float origin[3] = {0, 0, 0};
        a.place(0, 1.0f, origin);
        int index = anim_find(set, b.anim, 1);
        int beat = (int)std::lround(b.seconds * 100.0f);
        std::vector<int> rises;
        bool below = false;
        for (int t = 0; t < 5 * beat; t++) {
            a.tick();
            float p = anim_get_progress(&a.st, index);
            if (p < b.threshold) {
                below = true;
            } else if (below) {
                rises.push_back(t);
                below = false;
            }
        }
        // Past the start (the first default blends in from the rest pose), one rise a beat.
        ASSERT_GE(rises.size(), 4u) << b.key << " " << b.anim;
        for (size_t i = 2; i < rises.size(); i++) {
            EXPECT_NEAR(rises[i] - rises[i - 1], beat, 2) << b.key << " " << b.anim << ": one spawn a beat";
        }
    }
}

}  // namespace
