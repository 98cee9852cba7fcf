// The generated families at the size the art direction gives their kind, as the player
// sees them: each alone under the play camera (1024 x 768, a unit of floor about 8
// pixels), through the engine's loader and bone matrices, at the scale its scripts launch
// it, drawn where it stands. The pictures of the same families are the picture tool's
// (tests/pictures/).

#include "tests/support/asset_tree.h"
#include "tests/support/model_scene.h"
#include "tests/tools/enemy_families.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

class ScreenSize : public AssetTreeTest {
protected:
    void TearDown() override
    {
        scene.clear();
        AssetTreeTest::TearDown();
    }
    // The widest extent in units of an actor alone from the play camera at a scale, after
    // its defaults ran for ticks; the centre of its picture in pixels goes to centre.
    float across(AnimSet *set, float scale, float heading, int ticks, float centre[2] = nullptr)
    {
        PreviewActor &a = scene.stand(set, 0, 0, 0, heading, nullptr, 0);
        const float origin[3] = {0, 0, 0};
        a.place(heading, scale, origin);
        a.tick(ticks);
        ModelPreview alone(1024, 768, 0x202428);
        alone.camera_top(0, 0, 115, 45);
        scene.draw_all(alone);
        scene.clear();
        int box[4];
        alone.covered_box(box);
        if (centre) {
            centre[0] = (box[0] + box[2]) * 0.5f;
            centre[1] = (box[1] + box[3]) * 0.5f;
        }
        return std::max(box[2] - box[0], box[3] - box[1]) / 8.0f;
    }
    ModelScene scene{tree()};
};

TEST_F(ScreenSize, EveryEnemyFamilyIsItsKindsSizeWhereItStands)
{
    std::vector<EnemyFamily> families = enemy_families();
    families.push_back({"beasties", "robot_green", 1.0f, 5, 9, {"walk", 9}, {"fire", 5}});
    for (const EnemyFamily &f : families) {
        const std::string name = std::string(f.folder) + "/" + f.name;
        AnimSet *set = asset_model_set(name);
        ASSERT_TRUE(set && set->mesh) << name;
        float centre[2];
        const float wide = across(set, f.scale, 30, 43, centre);
        EXPECT_GE(wide, f.across_min) << name;
        EXPECT_LE(wide, f.across_max) << name;
        EXPECT_NEAR(centre[0], 512.0f, 8.0f * f.across_max) << name << " drawn where it stands";
        EXPECT_NEAR(centre[1], 384.0f, 8.0f * f.across_max) << name << " drawn where it stands";
    }
    // A shot is 0.6-1.5 units across, its glow included.
    AnimSet *bolt = asset_model_set("bullets/bullet_robo");
    ASSERT_TRUE(bolt && bolt->mesh);
    float extent[2], centre[2];
    scene.measure(bolt, 90, 3, extent, centre);
    EXPECT_GE(extent[0], 0.6f) << "the robot's shot";
    EXPECT_LE(extent[0], 2.0f) << "the robot's shot";
}

TEST_F(ScreenSize, PylonsAndPowerUpsAreTheirKindsSize)
{
    const char *pylons[] = {"pylon-0_0", "pylon-1_1", "pylon-1_2", "pylon-1_3", "pylon-1_4", "pylon-2_1",
                            "pylon-2_2", "pylon-2_3", "pylon-3_1", "pylon-4_1", "pylon-4_2", "pylon-4_3",
                            "pylon-4_4", "pylon-4_5", "pylon-4_6", "pylon-5_1", "pylon-5_2", "pylon-5_3",
                            "pylon-6_1", "pylon-6_2", "pylon-6_3", "pylon-9_9"};
    for (const char *p : pylons) {
        AnimSet *set = asset_model_set(std::string("pylons/") + p);
        ASSERT_TRUE(set && set->mesh) << p;
        const float wide = across(set, 1.0f, 0, 30);
        EXPECT_GE(wide, 3.0f) << p << ": pylons are 3-4 units across, glows and spikes a little more";
        EXPECT_LE(wide, 5.0f) << p;
    }
    const char *kinds[] = {"powerup_3way",  "powerup_laser",   "powerup_missile",
                           "powerup_shield", "powerup_spinner", "powerup_extralife"};
    for (const char *k : kinds) {
        AnimSet *set = asset_model_set(std::string("powerups/") + k);
        ASSERT_TRUE(set && set->mesh) << k;
        const float wide = across(set, 1.0f, 0, 30);
        EXPECT_GE(wide, 2.0f) << k << ": power-ups are 2-3 units across, their glow included";
        EXPECT_LE(wide, 4.5f) << k;
    }
}

} // namespace
