// The turrets, the blocker, the wall and their rubble as game content: their scripts find
// every model, bone and animation they name; the three big-turret types share one set and
// the two small-turret types another; each family has the engine's names, two spheres or
// more and bone health (the face budgets are ModelContent's); a shot-off gun takes the
// bones below it along. (Their pictures are the picture tool's: tests/pictures/.)

#include "assetgen/models.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "world/actor.h"
#include "world/actortype.h"

#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"
#include "tests/support/model_scene.h"
#include "tests/support/script_recorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string TREE = GLIMMERFALL_ASSETS;

const char *const SCRIPTS[] = {"turret_1_big.lua", "turret_1_med.lua",   "turret_1_sma.lua",
                               "turret_base.lua",  "turret_bigemerge.lua", "turret_smallemerge.lua",
                               "blocker_red.lua",  "wall_1_flat.lua",    "chunk_1.lua",
                               "chunk_2.lua",      "chunk_3.lua"};
const std::set<std::string> OWN = {"beasties/turret_1_big", "beasties/turret_1_sma", "beasties/turret_base",
                                   "beasties/blocker_red",  "beasties/wall_1_flat",  "beasties/chunk_1",
                                   "beasties/chunk_2",      "beasties/chunk_3"};
// The shots and the beams these scripts load.
const std::set<std::string> SHOTS = {"bullets/bullet_turret1", "bullets/bullet_turret2", "bullets/missile_turret",
                                     "bullets/laser-1_1sec", "bullets/laser-1_3sec"};
const std::set<std::string> BEAMS = {"fizz/laserfizz-1sec", "fizz/laserfizz-3sec", "fizz/turret-fizz"};

// Both ends of a beam rule name a bone on their type's model.
const char *BEAM_BONES = R"(
local models = {}
rec_wrap("c_preload_model", function(t) models[t[1]] = t[2] .. "/" .. t[3] end)
rec_wrap("c_add_fizz_between", function(beam, a, bone_a, b, bone_b)
    rec_add("bone " .. (models[a] or ("?" .. a)) .. " " .. bone_a)
    rec_add("bone " .. (models[b] or ("?" .. b)) .. " " .. bone_b)
end)
)";

class TurretContent : public ::testing::Test {
protected:
    void SetUp() override { mem_init(); }
    void TearDown() override
    {
        scene.clear();
        world_cleanup_level();
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    static AnimSet *set_of(const std::string &key)
    {
        size_t slash = key.find('/');
        return actor_load_model_data(key.substr(0, slash).c_str(), key.substr(slash + 1).c_str());
    }
    static int bone_of(const AnimSet *set, const char *name)
    {
        for (int i = 0; i < set->bone_count; i++) {
            if (strcmp(set->bones[i].name, name) == 0) {
                return i;
            }
        }
        return -1;
    }

    TreeStyles styles{TREE};
    ModelScene scene{TREE};
};

TEST_F(TurretContent, ScriptsFindEveryModelBoneAndAnimationTheyName)
{
    std::set<std::string> models;
    int names = 0;
    for (const char *script : SCRIPTS) {
        LogCapture log;
        std::vector<std::string> lines = script_record(script, BEAM_BONES);
        EXPECT_EQ(log.count_containing("lua error"), 0) << script << "\n" << log.joined();
        for (const std::string &line : lines) {
            size_t a = line.find(' ');
            size_t b = line.find(' ', a + 1);
            std::string kind = line.substr(0, a);
            if (kind == "sound") {
                continue;
            }
            std::string key = line.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
            models.insert(key);
            AnimSet *set = set_of(key);
            ASSERT_NE(set, nullptr) << script << ": " << line;
            std::string name = b == std::string::npos ? "" : line.substr(b + 1);
            if (kind == "anim") {
                EXPECT_GE(anim_find(set, name.c_str(), 1), 0) << script << ": " << line;
                names++;
            } else if (kind == "bone") {
                EXPECT_GE(bone_of(set, name.c_str()), 0) << script << ": " << line;
                names++;
            }
        }
        world_cleanup_level();
    }
    std::set<std::string> expected = OWN;
    expected.insert(SHOTS.begin(), SHOTS.end());
    expected.insert(BEAMS.begin(), BEAMS.end());
    EXPECT_EQ(models, expected);
    EXPECT_GE(names, 14) << "the turrets' gun, shaft and beam bones";
}

TEST_F(TurretContent, BigAndSmallTurretTypesEachShareOneSet)
{
    LogCapture log;
    g_lua = lua_open(0);
    lua_register_all();
    lua_test_run("cur_level_num = 101");
    lua_run_mem_script("actor.lua");
    lua_run_mem_script("turret_bigemerge.lua");
    lua_run_mem_script("turret_smallemerge.lua");
    EXPECT_EQ(log.count_containing("lua error"), 0) << log.joined();
    const ActorType *big = actortype_find("turret_1_big");
    const ActorType *sma = actortype_find("turret_1_sma");
    ASSERT_NE(big, nullptr);
    ASSERT_NE(sma, nullptr);
    ASSERT_NE(big->set, nullptr);
    for (const char *name : {"turret_1_med", "turret_bigemerge"}) {
        ASSERT_NE(actortype_find(name), nullptr) << name;
        EXPECT_EQ(actortype_find(name)->set, big->set) << name;
    }
    ASSERT_NE(actortype_find("turret_smallemerge"), nullptr);
    EXPECT_EQ(actortype_find("turret_smallemerge")->set, sma->set);
    EXPECT_NE(sma->set, big->set);
    const ActorType *wreck = actortype_find("turret_base");
    ASSERT_NE(wreck, nullptr);
    EXPECT_NE(wreck->set, nullptr);
    // Every gun and rack a weapon names is a bone of the model (none left at -1).
    const ActorType *med = actortype_find("turret_1_med");
    for (const ActorType *t : {big, sma, med}) {
        ASSERT_GE(t->params->weapon_count, 1) << t->name;
        for (int i = 0; i < t->params->weapon_count; i++) {
            EXPECT_GE(t->params->weapons[i].gun_bone, 1) << t->name << " weapon " << i;
        }
    }
    EXPECT_EQ(big->params->weapon_count, 4);
    EXPECT_EQ(big->params->weapons[1].gun_type, WEAPON_GUN_AROUND + WEAPON_GUN_RIDES)
        << "the second gun rides on the first's aim (both turn turret_x)";
    lua_close(g_lua);
    g_lua = nullptr;
}

TEST_F(TurretContent, FamiliesCarryTheEnginesNamesSpheresAndHealth)
{
    struct Family {
        const char *key;
        bool drifts;   // walls and rubble spin as they drift
        float min_across, max_across;
    };
    const Family families[] = {
        {"beasties/turret_1_big", false, 5, 9},  {"beasties/turret_1_sma", false, 4, 7},
        {"beasties/turret_base", false, 5, 9},   {"beasties/blocker_red", false, 5, 9},
        {"beasties/wall_1_flat", true, 5, 9.5f}, {"beasties/chunk_1", true, 2, 4},
        {"beasties/chunk_2", true, 1.5f, 4},      {"beasties/chunk_3", true, 1.2f, 4},
    };
    for (const Family &f : families) {
        AnimSet *set = set_of(f.key);
        ASSERT_NE(set, nullptr) << f.key;
        ASSERT_NE(set->mesh, nullptr) << f.key;
        EXPECT_STREQ(set->bones[0].name, "mainbone_x") << f.key;
        EXPECT_GE(set->sphere_count, 2) << f.key;
        float health = 0;
        for (int i = 0; i < set->bone_count; i++) {
            health += std::max(0.0f, set->bone_health[i]);
        }
        EXPECT_GT(health, 0.0f) << f.key;
        for (const char *once : {"emerge", "submerge", "mutate", "byebye", "hitbounce"}) {
            int t = anim_find(set, once, 1);
            ASSERT_GE(t, 0) << f.key << " " << once;
            EXPECT_LT(set->tracks[t].loop_key, 0) << f.key << " " << once << " plays once";
        }
        int spin = anim_find(set, "spin1_x", 1);
        if (f.drifts) {
            ASSERT_GE(spin, 0) << f.key;
            EXPECT_GE(set->tracks[spin].loop_key, 0) << f.key << " spin1_x loops";
        }
        EXPECT_GE(set->defaults[0], 0) << f.key << " is never frozen";
        float across[2], centre[2];
        scene.measure(set, 30, 30, across, centre);
        EXPECT_GE(across[1], f.min_across) << f.key;
        EXPECT_LE(across[1], f.max_across) << f.key;
    }
}

TEST_F(TurretContent, AShotOffGunTakesTheBonesBelowItAlong)
{
    struct Gun {
        const char *model;
        const char *bone;
    } guns[] = {{"beasties/turret_1_big", "gun_l_x"}, {"beasties/turret_1_big", "gun_r_x"},
                {"beasties/turret_1_big", "gun_x"},   {"beasties/turret_1_big", "rack_x"},
                {"beasties/turret_1_sma", "gun_x"}};
    for (const Gun &g : guns) {
        AnimSet *set = set_of(g.model);
        ASSERT_NE(set, nullptr);
        int bone = bone_of(set, g.bone);
        ASSERT_GE(bone, 0) << g.model << " " << g.bone;
        EXPECT_TRUE(set->bones[bone].breakable) << g.model << " " << g.bone;
        // The bones that hang below it.
        std::vector<bool> below(set->bone_count, false);
        below[bone] = true;
        int children = 0;
        for (int i = bone + 1; i < set->bone_count; i++) {
            below[i] = set->bones[i].parent >= 1 && below[set->bones[i].parent - 1];
            children += below[i];
        }
        EXPECT_GE(children, 1) << g.model << " " << g.bone << " has a part that goes with it";

        // An enemy turret as it stands, hit on the gun's sphere by a shot that kills it.
        Actor a;
        ASSERT_EQ(actor_setup_skeleton(&a, set, (int)cat_beastie, 0, cat_bullet), 0);
        PreviewActor pose(set);
        const float pos[3] = {0, 0, 0};
        pose.place(0, 1.0f, pos);
        memcpy(a.matrix_block, pose.m.data(), sizeof(float) * 16);
        anim_build_matrices(&a.anim);
        a.scale = a.inv_scale = 1.0f;
        anim_update_hit_spheres(&a, 0, 1.0f);
        int sphere = -1;
        for (int s = 1; s < set->sphere_count; s++) {
            if (set->spheres[s].matrix == bone + 1) {
                sphere = s;
            }
        }
        ASSERT_GT(sphere, 0) << g.bone << " has a hit sphere";
        // From just outside the gun's sphere centre toward the turret's middle.
        const float *c = a.anim.hit_spheres[sphere].centre;
        const float *mid = a.anim.hit_spheres[0].centre;
        float dx = mid[0] - c[0], dz = mid[2] - c[2];
        float len = sqrtf(dx * dx + dz * dz);
        ASSERT_GT(len, 0.0f);
        dx /= len;
        dz /= len;
        float at[3] = {c[0] - 0.01f * dx, 0, c[2] - 0.01f * dz};
        float vel[3] = {0.02f * dx, 0, 0.02f * dz};
        g_collider = Collider{0.05f, 0.02f, 1000.0f, nullptr, at, vel};
        g_collide_mode = 0;
        g_collide_owner = nullptr;
        EXPECT_NE(actor_spheres_damage_test(&a) & ACTOR_HIT_DAMAGE, 0u) << g.bone;
        for (int i = 0; i < set->bone_count; i++) {
            if (below[i]) {
                EXPECT_EQ(a.anim.bone_health[i], -1.0f) << g.bone << " takes " << set->bones[i].name;
            } else {
                EXPECT_EQ(a.anim.bone_health[i], set->bone_health[i]) << g.bone << " spares " << set->bones[i].name;
            }
        }
        actor_destroy(&a, 0);
    }
}

}  // namespace
