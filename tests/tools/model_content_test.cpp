// The generated models as game content: the root motion agrees with the axis convention
// (a walk covers the ground its builder says; a shot flies along its heading at its
// height), the scripts that use a family find every model, animation and bone they name,
// the engine's own names are there, and the models keep to their budgets.

#include "assetgen/models.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "world/animplay.h"

#include "tests/support/log_capture.h"
#include "tests/support/model_preview.h"
#include "tests/support/script_recorder.h"
#include "tests/support/temp_dir.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string TREE = GLIMMERFALL_ASSETS;

class ModelContent : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        snprintf(saved_styles, sizeof(saved_styles), "%s", g_styles_dir);
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s/styles/", relative_path(TREE).c_str());
    }
    void TearDown() override
    {
        anim_sets_free_all();
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_styles);
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    char saved_styles[FILE_DIR_SIZE];
};


TEST_F(ModelContent, WalkCoversTheBuildersGroundAtTheScriptsSpeed)
{
    AnimSet *robot = actor_load_model_data("beasties", "robot_green");
    ASSERT_NE(robot, nullptr);
    const ModelBuilder *builder = model_family_builder("beasties/robot_green");
    ASSERT_NE(builder, nullptr);
    const float origin[3] = {0, 0, 0};
    PreviewFlyer walker(robot, 0, origin);
    walker.tick();
    ASSERT_EQ(anim_play_by_name(&walker.actor.st, "walk", 1.0f, 0), 1);
    float ground = 0;
    for (int t = 0; t < 100; t++) {
        walker.tick();
        ground += std::max(anim_forward_distance(&walker.actor.st), 0.0f);
    }
    float expect = builder->forward_distance("walk", 100);
    EXPECT_NEAR(ground, expect, 0.002f * expect);
    EXPECT_NEAR(walker.pos[2], ground, 1e-3f) << "heading 0 walks along +z";
    // robot_green.lua moves at 0.08 .. 0.12 units a tick.
    EXPECT_GE(ground / 100, 0.08f);
    EXPECT_LE(ground / 100, 0.12f);
}

TEST_F(ModelContent, ShotFliesAlongItsHeadingAtItsHeight)
{
    AnimSet *bolt = actor_load_model_data("bullets", "bullet_robo");
    ASSERT_NE(bolt, nullptr);
    const ModelBuilder *builder = model_family_builder("bullets/bullet_robo");
    ASSERT_NE(builder, nullptr);
    for (float heading : {0.0f, 90.0f, -135.0f, 37.0f}) {
        const float start[3] = {3, 4.5f, -2};
        PreviewFlyer shot(bolt, heading, start);
        for (int t = 0; t < 250; t++) {
            shot.tick();
        }
        float d[3] = {shot.pos[0] - start[0], shot.pos[1] - start[1], shot.pos[2] - start[2]};
        float len = sqrtf(d[0] * d[0] + d[2] * d[2]);
        float h = heading * 3.14159265f / 180.0f;
        EXPECT_NEAR(len, builder->forward_distance("fire", 250), 0.01f) << heading;
        EXPECT_NEAR(d[0] / len, sinf(h), 1e-5f) << heading;
        EXPECT_NEAR(d[2] / len, cosf(h), 1e-5f) << heading;
        EXPECT_EQ(d[1], 0.0f) << "a shot keeps its height";
        // The flight ends by itself (the bullet then goes).
        int ticks = 250;
        while (anim_oneshot_playing(&shot.actor.st) && ticks < 1000) {
            shot.tick();
            ticks++;
        }
        EXPECT_GT(ticks, 390);
        EXPECT_LT(ticks, 420);
    }
}

// The face budgets of tools/assetgen/README.md, by the kind of each family and so its size
// on screen.
struct FaceBudget {
    const char *kind;
    int min_faces, max_faces;
};

FaceBudget face_budget(const std::string &folder, const std::string &name)
{
    static const std::set<std::string> small = {"trackfly_1", "trackfly_2", "pathfly_tiny", "spinner_1",
                                                "end_chaser", "motha_2_spawn", "crystal", "weblob_tiny2",
                                                "trailer_trash", "robo_mom_pod"};
    static const std::set<std::string> rubble = {"chunk_1", "chunk_2", "chunk_3"};
    if (folder == "bullets") {
        return name.rfind("missile_", 0) == 0 ? FaceBudget{"missile", 20, 100} : FaceBudget{"shot", 10, 26};
    }
    if (folder == "beasties") {
        if (rubble.count(name)) {
            return {"rubble", 24, 40};
        }
        return small.count(name) ? FaceBudget{"small enemy", 40, 180} : FaceBudget{"medium enemy", 140, 400};
    }
    if (folder == "bosses") {
        // A boss's linked parts are small enemies on screen.
        return small.count(name) ? FaceBudget{"small enemy", 40, 180} : FaceBudget{"boss", 600, 1250};
    }
    if (folder == "players") {
        if (name == "shield") {
            return {"shield", 100, 140};
        }
        if (name == "spinner") {
            return {"spinner", 140, 170};
        }
        return name.find("_hull") != std::string::npos ? FaceBudget{"hull", 150, 230} : FaceBudget{"turret", 50, 100};
    }
    if (folder == "pylons") {
        return {"pylon", 100, 240};
    }
    if (folder == "powerups") {
        return {"power-up", 90, 190};
    }
    if (folder == "explosions") {
        return {"explosion piece", 4, 90};
    }
    if (folder == "fizz") {
        return name == "null-fizz" ? FaceBudget{"null beam", 0, 0} : FaceBudget{"beam", 8, 40};
    }
    return {"room", 1, 1500};
}

TEST_F(ModelContent, EveryFamilyKeepsTheFaceBudgetOfItsSizeOnScreen)
{
    for (int i = 0; i < MODEL_FAMILY_COUNT; i++) {
        const std::string folder = MODEL_FAMILIES[i].folder, name = MODEL_FAMILIES[i].name;
        const ModelFiles *files = model_family_files(folder + "/" + name);
        ASSERT_NE(files, nullptr) << folder << "/" << name;
        FaceBudget b = face_budget(folder, name);
        int faces = (int)files->mesh.faces.size();
        EXPECT_GE(faces, b.min_faces) << folder << "/" << name << " (" << b.kind << ")";
        EXPECT_LE(faces, b.max_faces) << folder << "/" << name << " (" << b.kind << ")";
    }
}

AnimSet *set_of(const std::string &key)
{
    size_t slash = key.find('/');
    return actor_load_model_data(key.substr(0, slash).c_str(), key.substr(slash + 1).c_str());
}

bool has_bone(const AnimSet *set, const std::string &name)
{
    for (int i = 0; i < set->bone_count; i++) {
        if (name == set->bones[i].name) {
            return true;
        }
    }
    return false;
}

TEST_F(ModelContent, ScriptsFindEveryModelAnimationAndBoneTheyName)
{
    std::set<std::string> models;
    int names = 0;
    for (const char *script : {"robot_green.lua", "robot_green_path.lua", "bullet_robo.lua"}) {
        LogCapture log;
        std::vector<std::string> lines = script_record(script);
        EXPECT_EQ(log.script_errors(), 0) << script << "\n" << log.joined();
        EXPECT_EQ(log.count_containing("lua error"), 0) << log.joined();
        for (const std::string &line : lines) {
            size_t a = line.find(' ');
            size_t b = line.find(' ', a + 1);
            std::string kind = line.substr(0, a);
            if (kind == "sound") {
                continue;
            }
            std::string key = line.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
            AnimSet *set = set_of(key);
            ASSERT_NE(set, nullptr) << script << ": " << line;
            models.insert(key);
            if (kind == "anim") {
                EXPECT_GE(anim_find(set, line.substr(b + 1).c_str(), 1), 0) << script << ": " << line;
                names++;
            } else if (kind == "bone") {
                EXPECT_TRUE(has_bone(set, line.substr(b + 1))) << script << ": " << line;
                names++;
            }
        }
    }
    EXPECT_EQ(models, (std::set<std::string>{"beasties/robot_green", "bullets/bullet_robo"}));
    EXPECT_GE(names, 6) << "walk, fire and gun_x from both robot scripts";
}

TEST_F(ModelContent, FamiliesCarryTheEnginesNamesSpheresAndBitmaps)
{
    struct Family {
        const char *key;
        std::vector<const char *> anims;
    };
    const Family families[] = {
        {"beasties/robot_green", {"emerge", "submerge", "mutate", "byebye", "hitbounce", "walk", "fire"}},
        {"bullets/bullet_robo", {"fire", "die"}},
    };
    for (const Family &f : families) {
        AnimSet *set = set_of(f.key);
        ASSERT_NE(set, nullptr) << f.key;
        ASSERT_NE(set->mesh, nullptr) << f.key;
        EXPECT_STREQ(set->bones[0].name, "mainbone_x") << f.key;
        EXPECT_GE(set->sphere_count, 2) << f.key << ": anything that moves or is hit has two spheres or more";
        for (const char *anim : f.anims) {
            EXPECT_GE(anim_find(set, anim, 1), 0) << f.key << " " << anim;
        }
        for (int t = 0; t < set->mesh->texture_count; t++) {
            for (const char *name : {set->mesh->texture_entries[t].colour, set->mesh->texture_entries[t].mask}) {
                std::string file = name;
                if (file.empty() || file == "(null)") {
                    continue;
                }
                if (file.size() < 4 || file.compare(file.size() - 4, 4, ".bmp") != 0) {
                    file += "/00000.bmp";
                }
                EXPECT_GT(file_exists_size((TREE + "/run/" + file).c_str()), 0) << f.key << " names " << name;
            }
        }
    }
    // A shot flies by a one-shot whose name begins with "fire", started as it appears.
    AnimSet *bolt = set_of("bullets/bullet_robo");
    const AnimTrack &fly = bolt->tracks[bolt->defaults[0]];
    EXPECT_EQ(strncmp(fly.name, "fire", 4), 0);
    EXPECT_LT(fly.loop_key, 0);
    // The robot's walk loops; its other state animations play once.
    AnimSet *robot = set_of("beasties/robot_green");
    EXPECT_GE(robot->tracks[anim_find(robot, "walk", 1)].loop_key, 0);
    for (const char *once : {"emerge", "submerge", "mutate", "byebye", "hitbounce", "fire"}) {
        EXPECT_LT(robot->tracks[anim_find(robot, once, 1)].loop_key, 0) << once;
    }
}

}  // namespace
