// The player ships, their shots and the enemies' shots and missiles as game content: the
// ship, shot and missile scripts find every model, animation, bone and sound they name;
// every bullet flies by a one-shot "fire..." along its heading and has "die"; the lasers
// fly for the seconds their names give; the missiles carry the enemy life cycle; the
// turret stands on its hull where the engine puts them; the spinner's blades cut as they
// turn; names and spheres (the face budgets are ModelContent's). (Their pictures are the
// picture tool's: tests/pictures/.)

#include "assetgen/models.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "render/camera.h"
#include "render/hue.h"
#include "world/animplay.h"

#include "tests/support/log_capture.h"
#include "tests/support/model_preview.h"
#include "tests/support/model_scene.h"
#include "tests/support/script_recorder.h"
#include "tests/tools/ship_hull.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string TREE = GLIMMERFALL_ASSETS;

// The scripts of the ships, their shots, the enemies' shots and their missiles; the
// player's bullet script runs once per model with the globals player_all.lua sets.
struct ScriptRun {
    const char *script;
    std::string globals;
};

std::string player_bullet(const char *model)
{
    return std::string("player_bullet_name = \"player_bullet_") + model + "\" player_bullet_model = \"" + model + "\"";
}

const std::vector<ScriptRun> &content_scripts()
{
    static const std::vector<ScriptRun> runs = {
        {"player_1.lua", ""}, {"player_2.lua", ""}, {"player_3.lua", ""}, {"player_4.lua", ""}, {"player_5.lua", ""},
        {"player_bullet_1.lua", player_bullet("bullet_1")}, {"player_bullet_1.lua", player_bullet("bullet_3way")},
        {"player_bullet_1.lua", player_bullet("laser_1")}, {"player_missile_1.lua", ""}, {"player_shield.lua", ""},
        {"player_spinner.lua", ""}, {"bullet_ninjoo.lua", ""}, {"bullet_pathfly.lua", ""}, {"bullet_pimp.lua", ""},
        {"bullet_robomom.lua", ""}, {"bullet_splitworm.lua", ""}, {"bullet_trackfly.lua", ""},
        {"bullet_turret1.lua", ""}, {"bullet_turret2.lua", ""}, {"bullet_weelee.lua", ""},
        {"beemspider_bullet.lua", ""}, {"laser-1_1sec.lua", ""}, {"laser-1_2sec.lua", ""}, {"laser-1_3sec.lua", ""},
        {"missile_ninjoo.lua", ""}, {"missile_pimp.lua", ""}, {"missile_robomum.lua", ""},
        {"missile_turret.lua", ""}, {"missile_weelee.lua", ""},
    };
    return runs;
}

// Shots the engine flies as bullets (their category has cat_bullet and not cat_beastie).
const char *const BULLETS[] = {"bullets/bullet_1",        "bullets/bullet_3way",      "bullets/laser_1",
                               "bullets/bullet_ninjoo",   "bullets/bullet_pathfly",   "bullets/bullet_pimp",
                               "bullets/bullet_robomom",  "bullets/bullet_splitworm", "bullets/bullet_trackfly",
                               "bullets/bullet_turret1",  "bullets/bullet_turret2",   "bullets/bullet_weelee",
                               "bullets/beemspider_bullet", "bullets/laser-1_1sec",   "bullets/laser-1_2sec",
                               "bullets/laser-1_3sec"};
// Shots the engine launches as enemies.
const char *const MISSILES[] = {"bullets/missile_1",       "bullets/missile_ninjoo", "bullets/missile_pimp",
                                "bullets/missile_robomum", "bullets/missile_turret", "bullets/missile_weelee"};

class ShipShotContent : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        styles = std::make_unique<TreeStyles>(TREE);
    }
    void TearDown() override
    {
        anim_sets_free_all();
        styles.reset();
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }

    static AnimSet *set_of(const std::string &key)
    {
        size_t slash = key.find('/');
        return actor_load_model_data(key.substr(0, slash).c_str(), key.substr(slash + 1).c_str());
    }

    std::unique_ptr<TreeStyles> styles;
};

// The HSV hue (degrees) and saturation of a vertex colour.
void hue_and_saturation(uint32_t rgba, float *hue, float *sat)
{
    float c[3] = {(float)(rgba & 0xff), (float)(rgba >> 8 & 0xff), (float)(rgba >> 16 & 0xff)};
    float hi = std::max(c[0], std::max(c[1], c[2])), lo = std::min(c[0], std::min(c[1], c[2]));
    *sat = hi > 0 ? (hi - lo) / hi : 0;
    float d = hi - lo > 0 ? hi - lo : 1;
    float h = hi == c[0] ? (c[1] - c[2]) / d : hi == c[1] ? 2 + (c[2] - c[0]) / d : 4 + (c[0] - c[1]) / d;
    *hue = std::fmod(h * 60 + 360, 360);
}

// Vertex colours turned as the engine turns a model's colours at load.
std::vector<uint32_t> turned_colours(const ModelFile *mesh, float hue)
{
    std::vector<uint32_t> out;
    for (int i = 0; i < mesh->draw_vertex_count; i++) {
        out.push_back(mesh->draw_vertices[i].colour);
    }
    if (hue != 0) {
        hue_set_angle(hue);
        hue_apply_rgb((uint8_t *)out.data(), (int)out.size(), 4, 0);
    }
    return out;
}

TEST_F(ShipShotContent, ScriptsFindEveryModelAnimationBoneAndSoundTheyName)
{
    std::set<std::string> models;
    std::set<std::string> sounds;
    for (const ScriptRun &run : content_scripts()) {
        LogCapture log;
        std::vector<std::string> lines = script_record(run.script, run.globals);
        EXPECT_EQ(log.script_errors(), 0) << run.script << "\n" << log.joined();
        EXPECT_EQ(log.count_containing("lua error"), 0) << log.joined();
        for (const std::string &line : lines) {
            size_t a = line.find(' ');
            std::string kind = line.substr(0, a);
            std::string rest = line.substr(a + 1);
            if (kind == "sound") {
                sounds.insert(rest);
                EXPECT_GT(file_exists_size((TREE + "/styles/sfx/" + rest + ".wav").c_str()), 44) << run.script;
                continue;
            }
            size_t b = rest.find(' ');
            std::string key = rest.substr(0, b);
            AnimSet *set = set_of(key);
            ASSERT_NE(set, nullptr) << run.script << ": " << line;
            models.insert(key);
            if (kind == "anim") {
                EXPECT_GE(anim_find(set, rest.substr(b + 1).c_str(), 1), 0) << run.script << ": " << line;
            } else if (kind == "bone") {
                EXPECT_GE(anim_find_bone(set, rest.substr(b + 1).c_str(), 1), 0) << run.script << ": " << line;
            }
        }
    }
    std::set<std::string> expect = {"players/shield", "players/spinner"};
    for (int n = 1; n <= 5; n++) {
        expect.insert("players/ship_" + std::to_string(n));
        expect.insert("players/ship_" + std::to_string(n) + "_hull");
    }
    expect.insert(std::begin(BULLETS), std::end(BULLETS));
    expect.insert(std::begin(MISSILES), std::end(MISSILES));
    EXPECT_EQ(models, expect);
    // The ship's shot, the player's hits and missile, five enemy hit sounds and the
    // missiles' launch, hit and burst.
    EXPECT_GE(sounds.size(), 11u);
}


TEST_F(ShipShotContent, EveryBulletFliesByAOneShotFireAlongItsHeadingAndHasDie)
{
    for (const char *key : BULLETS) {
        AnimSet *set = set_of(key);
        ASSERT_NE(set, nullptr) << key;
        const ModelBuilder *builder = model_family_builder(key);
        ASSERT_NE(builder, nullptr) << key;
        ASSERT_GE(set->defaults[0], 0) << key;
        const AnimTrack &fly = set->tracks[set->defaults[0]];
        EXPECT_EQ(strncmp(fly.name, "fire", 4), 0) << key << ": the flight is default 0, named fire...";
        EXPECT_LT(fly.loop_key, 0) << key << ": the flight plays once";
        int die = anim_find(set, "die", 1);
        ASSERT_GE(die, 0) << key;
        EXPECT_LT(set->tracks[die].loop_key, 0) << key;

        const float start[3] = {3, 4.5f, -2};
        const float heading = 37.0f;
        PreviewFlyer shot(set, heading, start);
        for (int t = 0; t < 40; t++) {
            shot.tick();
        }
        float d[3] = {shot.pos[0] - start[0], shot.pos[1] - start[1], shot.pos[2] - start[2]};
        float len = sqrtf(d[0] * d[0] + d[2] * d[2]);
        ASSERT_GT(len, 0.0f) << key;
        EXPECT_NEAR(len, builder->forward_distance(fly.name, 40), 0.01f * len) << key;
        EXPECT_NEAR(d[0] / len, sinf(heading * 3.14159265f / 180), 1e-4f) << key;
        EXPECT_NEAR(d[2] / len, cosf(heading * 3.14159265f / 180), 1e-4f) << key;
        EXPECT_EQ(d[1], 0.0f) << key << " keeps its height";
        // Players' shots outrun every enemy shot.
        float speed = len / 40;
        bool players = strstr(key, "_1") && !strstr(key, "sec");
        if (players || strstr(key, "3way")) {
            EXPECT_GE(speed, 1.2f) << key;
        } else {
            EXPECT_GE(speed, 0.15f) << key;
            EXPECT_LE(speed, 0.8f) << key;
        }
        // The flight ends by itself; the lasers' after their seconds.
        int ticks = 40;
        while (anim_oneshot_playing(&shot.actor.st) && ticks < 2000) {
            shot.tick();
            ticks++;
        }
        EXPECT_LT(ticks, 600) << key;
        const char *sec = strstr(key, "sec");
        if (sec) {
            int seconds = sec[-1] - '0';
            EXPECT_NEAR(ticks, 100 * seconds, 3) << key;
        }
    }
}

TEST_F(ShipShotContent, MissilesCarryTheEnemyLifeCycleAndCanBeShot)
{
    for (const char *key : MISSILES) {
        AnimSet *set = set_of(key);
        ASSERT_NE(set, nullptr) << key;
        for (const char *once : {"mutate", "byebye", "hitbounce", "emerge", "submerge"}) {
            int a = anim_find(set, once, 1);
            ASSERT_GE(a, 0) << key << " " << once;
            EXPECT_LT(set->tracks[a].loop_key, 0) << key << " " << once;
        }
        ASSERT_GE(set->defaults[0], 0) << key;
        EXPECT_GE(set->tracks[set->defaults[0]].loop_key, 0) << key << ": flying never freezes";
        bool shootable = false;
        for (int i = 1; i < set->sphere_count; i++) {
            int m = set->spheres[i].matrix;
            shootable = shootable || (m > 0 && set->bone_health[m - 1] > 0);
        }
        EXPECT_TRUE(shootable) << key << ": a sphere on a bone with health";
    }
}

TEST_F(ShipShotContent, FamiliesKeepTheirNamesSpheresAndBitmaps)
{
    struct Family {
        std::string key;
        std::vector<const char *> once;
    };
    std::vector<Family> families = {{"players/shield", {"shimmer"}}, {"players/spinner", {}}};
    for (int n = 1; n <= 5; n++) {
        families.push_back({"players/ship_" + std::to_string(n), {"idle", "fire"}});
        families.push_back({"players/ship_" + std::to_string(n) + "_hull", {}});
    }
    for (const char *b : BULLETS) {
        families.push_back({b, {"die"}});
    }
    for (const char *b : MISSILES) {
        families.push_back({b, {"mutate", "byebye", "hitbounce"}});
    }
    for (const Family &f : families) {
        AnimSet *set = set_of(f.key);
        ASSERT_NE(set, nullptr) << f.key;
        ASSERT_NE(set->mesh, nullptr) << f.key;
        EXPECT_STREQ(set->bones[0].name, "mainbone_x") << f.key;
        ASSERT_GE(set->sphere_count, 2) << f.key;
        EXPECT_EQ(set->spheres[0].matrix, 0) << f.key << ": the first sphere bounds the actor";
        int on_bones = 0;
        for (int i = 1; i < set->sphere_count; i++) {
            on_bones += set->spheres[i].matrix > 0;
        }
        EXPECT_GE(on_bones, 1) << f.key;
        for (const char *once : f.once) {
            int a = anim_find(set, once, 1);
            ASSERT_GE(a, 0) << f.key << " " << once;
            EXPECT_LT(set->tracks[a].loop_key, 0) << f.key << " " << once;
        }
        // Nothing stands frozen: the first default animation loops (a shot's flight is a
        // one-shot that moves it).
        ASSERT_GE(set->defaults[0], 0) << f.key;
        if (f.key.rfind("players/", 0) == 0) {
            EXPECT_GE(set->tracks[set->defaults[0]].loop_key, 0) << f.key;
        }
        for (int t = 0; t < set->mesh->texture_count; t++) {
            std::string file = set->mesh->texture_entries[t].colour;
            if (file.size() < 4 || file.compare(file.size() - 4, 4, ".bmp") != 0) {
                file += "/00000.bmp";
            }
            EXPECT_GT(file_exists_size((TREE + "/run/" + file).c_str()), 0) << f.key << " names " << file;
        }
    }
}

TEST_F(ShipShotContent, ShipsTakeTheHueAndThePlayersShotsComeOutCool)
{
    // A ship's colours move under a hue turn (a grey ship would stay grey).
    for (int n = 1; n <= 5; n++) {
        for (std::string key : {"players/ship_" + std::to_string(n), "players/ship_" + std::to_string(n) + "_hull"}) {
            const ModelFile *mesh = set_of(key)->mesh;
            ASSERT_NE(mesh, nullptr) << key;
            std::vector<uint32_t> base = turned_colours(mesh, 0), turned = turned_colours(mesh, 120);
            double moved = 0;
            for (size_t i = 0; i < base.size(); i++) {
                for (int c = 0; c < 3; c++) {
                    moved += std::abs((int)(base[i] >> (8 * c) & 0xff) - (int)(turned[i] >> (8 * c) & 0xff));
                }
            }
            EXPECT_GT(moved / (double)base.size(), 90.0) << key;
        }
    }
    // Each tinted colour of a player's shot, at the hue the engine gives its table slot
    // (the ship's own for bullet_1, + 180 degrees for the others) against the default
    // azure ship, is cool: green, cyan or blue.
    const std::pair<const char *, float> shots[] = {{"bullets/bullet_1", 0},     {"bullets/bullet_3way", 180},
                                                    {"bullets/laser_1", 180},    {"bullets/missile_1", 180},
                                                    {"players/shield", 180},     {"players/spinner", 180}};
    for (const auto &shot : shots) {
        const ModelFile *mesh = set_of(shot.first)->mesh;
        ASSERT_NE(mesh, nullptr) << shot.first;
        int tinted = 0;
        for (uint32_t c : turned_colours(mesh, shot.second)) {
            float hue, sat;
            hue_and_saturation(c, &hue, &sat);
            if (sat < 0.35f) {
                continue;
            }
            tinted++;
            EXPECT_GE(hue, 80.0f) << shot.first << std::hex << " colour " << c;
            EXPECT_LE(hue, 250.0f) << shot.first << std::hex << " colour " << c;
        }
        EXPECT_GT(tinted, 0) << shot.first;
    }
}

TEST_F(ShipShotContent, TurretStandsOnItsHullWhereTheEngineStandsThem)
{
    for (int n = 1; n <= 5; n++) {
        std::string key = "players/ship_" + std::to_string(n);
        AnimSet *turret = set_of(key);
        AnimSet *hull = set_of(key + "_hull");
        ASSERT_NE(turret, nullptr);
        ASSERT_NE(hull, nullptr);
        float h = hull_height(n);
        ASSERT_GT(h, 0.0f) << key;
        float r = turret->spheres[0].radius;
        const float at_turret[3] = {5, r, 7}, at_hull[3] = {5, r + h, 7};
        PreviewActor top(turret), bottom(hull);
        top.place(30, 1, at_turret);
        bottom.place(30, 1, at_hull);
        // World heights of the vertices within 0.3 of the ship's axis, and all of them.
        auto heights = [](const PreviewActor &a, float *low, float *high, float *axis_high) {
            const ModelFile *mesh = a.st.set->mesh;
            *low = 1e9f, *high = -1e9f, *axis_high = -1e9f;
            for (int i = 0; i < mesh->vertex_count; i++) {
                const float *m = a.st.matrices + 16 * mesh->vertex_bones[i];
                const float *p = mesh->positions[i];
                float w[3];
                for (int c = 0; c < 3; c++) {
                    w[c] = m[c] * p[0] + m[4 + c] * p[1] + m[8 + c] * p[2] + m[12 + c];
                }
                *low = std::min(*low, w[1]);
                *high = std::max(*high, w[1]);
                if (fabsf(w[0] - 5) < 0.3f && fabsf(w[2] - 7) < 0.3f) {
                    *axis_high = std::max(*axis_high, w[1]);
                }
            }
        };
        float t_low, t_high, t_axis, h_low, h_high, h_axis;
        heights(top, &t_low, &t_high, &t_axis);
        heights(bottom, &h_low, &h_high, &h_axis);
        EXPECT_NEAR(t_low, h_axis, 0.15f) << key << ": the turret sits on the hull's back";
        EXPECT_GT(t_high, h_high) << key << ": the turret is on top";
        EXPECT_GT(h_low, 0.5f) << key << ": the hull floats above the floor";
        EXPECT_LT(h_high - h_low, 1.2f) << key;
    }
}

TEST_F(ShipShotContent, SpinnerBladesCutRoundTheShipAsTheyTurn)
{
    AnimSet *set = set_of("players/spinner");
    ASSERT_NE(set, nullptr);
    PreviewActor spinner(set);
    const float at_ship[3] = {0, 1.8f, 0};
    spinner.place(0, 1, at_ship);
    auto blades = [&]() {
        std::vector<std::array<float, 3>> centres;
        for (int i = 1; i < set->sphere_count; i++) {
            const HitSphereDef &d = set->spheres[i];
            const float *m = spinner.st.matrices + 16 * d.matrix;
            std::array<float, 3> w;
            for (int c = 0; c < 3; c++) {
                w[c] = m[c] * d.centre[0] + m[4 + c] * d.centre[1] + m[8 + c] * d.centre[2] + m[12 + c];
            }
            centres.push_back(w);
        }
        return centres;
    };
    std::vector<std::array<float, 3>> before = blades();
    ASSERT_GE(before.size(), 3u) << "a sphere on each blade";
    spinner.tick(7);
    std::vector<std::array<float, 3>> after = blades();
    for (size_t i = 0; i < before.size(); i++) {
        EXPECT_GT(set->spheres[i + 1].matrix, 0);
        float r0 = std::hypot(before[i][0], before[i][2]), r1 = std::hypot(after[i][0], after[i][2]);
        EXPECT_NEAR(r0, r1, 0.01f) << "blades circle the ship";
        EXPECT_GT(r0 - set->spheres[i + 1].radius, 1.7f) << "outside the ship's hull";
        float turned = std::atan2(after[i][2], after[i][0]) - std::atan2(before[i][2], before[i][0]);
        turned = std::fabs(std::remainder(turned, 6.2831853f));
        EXPECT_GT(turned, 0.5f) << "a blade sweeps a wide arc in 0.07 s";
    }
}

}  // namespace
