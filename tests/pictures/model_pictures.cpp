// The enemies' pictures, through the engine's loader and bone matrices: robot_green and its
// shot as a wave from the play camera and close; every enemy family as a wave from the
// play camera (NAME_top), at three-quarter view moving, idle and at its own animation
// (NAME_3q) and at a key frame of each life-cycle animation (NAME_states_3q); the turrets,
// the blocker, the walls and their rubble (build/screens/).

#include "tests/support/asset_tree.h"
#include "tests/support/model_scene.h"
#include "tests/tools/enemy_families.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

class ModelPictures : public AssetTreeTest {
protected:
    void TearDown() override
    {
        scene.clear();
        AssetTreeTest::TearDown();
    }
    AnimSet *set_of(const std::string &key)
    {
        AnimSet *set = asset_model_set(key);
        EXPECT_TRUE(set && set->mesh) << key;
        return set && set->mesh ? set : nullptr;
    }
    PreviewActor &stand(AnimSet *set, float x, float y, float z, float heading, const char *anim, int ticks)
    {
        return scene.stand(set, x, y, z, heading, anim, ticks);
    }
    // An actor at (x, z) at the scale its scripts launch it, after its defaults ran and
    // then an animation for some ticks.
    void stand_scaled(AnimSet *set, float scale, float x, float z, float heading, EnemyPose pose)
    {
        PreviewActor &a = scene.stand(set, x, 0, z, heading, nullptr, 0);
        const float pos[3] = {x, 0, z};
        a.place(heading, scale, pos);
        a.tick(3);
        if (pose.anim) {
            a.play(pose.anim);
        }
        a.tick(pose.ticks);
    }
    // The scene drawn from the play camera (or from higher or lower) and saved.
    void top(const char *name, float x, float z, float height)
    {
        ModelPreview p(1024, 768, 0x202428);
        p.camera_top(x, z, height, 45);
        scene.draw_all(p);
        ModelScene::save(p, name);
    }
    void look(const char *name, const float eye[3], const float target[3])
    {
        ModelPreview p(1024, 768, 0x202428);
        p.camera_look(eye, target, 45);
        scene.draw_all(p);
        ModelScene::save(p, name);
    }
    // A camera at three-quarter view that frames a row of `across` units.
    static void frame_row(ModelPreview &p, float across, float size, float height)
    {
        float dist = 0.85f * std::max(across, 2.2f * size);
        const float dir[3] = {-16.0f / 31.0f, 15.0f / 31.0f, 22.0f / 31.0f};
        const float target[3] = {0, height, 0};
        const float eye[3] = {dir[0] * dist, target[1] + dir[1] * dist, dir[2] * dist};
        p.camera_look(eye, target, 45);
    }
    // Places along a row across the three-quarter view.
    static float row_x(float t) { return 0.809f * t; }
    static float row_z(float t) { return 0.588f * t; }
    static int bone_of(const AnimSet *set, const char *name) { return asset_bone_index(set, name); }

    ModelScene scene{tree()};
};

TEST_F(ModelPictures, RobotGreenAndItsShot)
{
    AnimSet *robot = set_of("beasties/robot_green");
    AnimSet *bolt = set_of("bullets/bullet_robo");
    ASSERT_TRUE(robot && bolt);
    // A wave as the player sees it: walkers, a shooter with its shots, one emerging. Shots
    // fly at the height of the robot's gun.
    for (int i = 0; i < 4; i++) {
        stand(robot, -18.0f + 12.0f * i, 0, 10.0f, -40.0f + 35.0f * i, "walk", 7 + 11 * i);
    }
    stand(robot, 6, 0, -14, 150, "fire", 5);
    stand(robot, -16, 0, -12, 60, "emerge", 40);
    for (int i = 0; i < 3; i++) {
        stand(bolt, 2.0f - 4.5f * i, 4.5f, -6.0f + 3.5f * i, 150, nullptr, 20 + 10 * i);
    }
    top("robot_green_top", 0, 0, 115);
    top("robot_green_top_close", 0, 0, 40);
    scene.clear();

    // Three-quarter view of the poses.
    stand(robot, 0, 0, 0, -30, nullptr, 40);
    stand(robot, -7.5f, 0, 5, -30, "walk", 25);
    stand(robot, 7.5f, 0, -5, -30, "fire", 4);
    const float eye[3] = {-16, 15, 22};
    const float target[3] = {0, 2.5f, 0};
    look("robot_green_3q", eye, target);
    scene.clear();

    stand(robot, -6, 0, 0, -30, "byebye", 15);
    stand(robot, 0, 0, 0, -30, "emerge", 28);
    stand(robot, 6, 0, 0, -30, "hitbounce", 5);
    look("robot_green_states_3q", eye, target);
    scene.clear();

    // The shot: five in flight, one flaring out.
    for (int i = 0; i < 5; i++) {
        stand(bolt, -6.0f + 3.0f * i, 4.5f, 0, 90, nullptr, 3 + 9 * i);
    }
    stand(bolt, 4, 4.5f, 4, 0, "die", 5);
    top("bullet_robo_top_close", 0, 0, 20.5f);
    const float side_eye[3] = {-5, 8.5f, 7};
    const float side_target[3] = {0, 4.5f, 0};
    look("bullet_robo_3q", side_eye, side_target);
}

TEST_F(ModelPictures, EveryEnemyFamily)
{
    for (const EnemyFamily &f : enemy_families()) {
        std::string name = f.name;
        AnimSet *set = set_of(std::string(f.folder) + "/" + f.name);
        ASSERT_NE(set, nullptr) << name;

        // A wave from the play camera: moving, its own animation, one emerging.
        bool boss = f.across_max > 12;
        float spread = boss ? 0.6f * f.across_max : std::max(8.0f, 2.2f * f.across_max);
        int count = boss ? 2 : 6;
        for (int i = 0; i < count; i++) {
            float a = 6.2831853f * (float)i / (float)count;
            EnemyPose pose = i % 3 == 0 ? f.own : i % 3 == 1 ? f.moving : EnemyPose{"emerge", 25 + 5 * i};
            stand_scaled(set, f.scale, spread * sinf(a + 1.5707963f), spread * cosf(a + 1.5707963f) * 0.75f,
                         -150.0f + 67.0f * (float)i, {pose.anim, pose.ticks + 7 * i});
        }
        // (The small families' waves cover little of the picture: saved unchecked.)
        ModelPreview wave(1024, 768, 0x202428);
        wave.camera_top(0, 0, 115, 45);
        scene.draw_all(wave);
        scene.clear();
        EXPECT_TRUE(wave.save(name + "_top")) << name;

        // Three-quarter view: moving, idle, its own animation, framed by the bounding
        // sphere at full size.
        float size = 2.0f * set->spheres[0].radius;
        float height = set->spheres[0].centre[2];
        const EnemyPose row[3] = {f.moving, {nullptr, 40}, f.own};
        for (int i = 0; i < 3; i++) {
            float t = 1.2f * size * (float)(i - 1);
            stand_scaled(set, 1.0f, row_x(t), row_z(t), -30, row[i]);
        }
        ModelPreview three(1024, 768, 0x202428);
        frame_row(three, 3.6f * size, size, height);
        scene.draw_all(three);
        scene.clear();
        ModelScene::save(three, (name + "_3q").c_str());

        // A key frame of each life-cycle animation, side by side.
        const std::vector<EnemyPose> &states = enemy_life_poses();
        float n = (float)states.size();
        for (size_t i = 0; i < states.size(); i++) {
            float t = 1.15f * size * ((float)i - 0.5f * (n - 1));
            stand_scaled(set, 1.0f, row_x(t), row_z(t), -30, states[i]);
        }
        ModelPreview life(1024, 768, 0x202428);
        frame_row(life, 1.15f * size * n, size, height);
        scene.draw_all(life);
        scene.clear();
        ModelScene::save(life, (name + "_states_3q").c_str());
    }
}

TEST_F(ModelPictures, TurretsBlockersWallsAndRubble)
{
    AnimSet *big = set_of("beasties/turret_1_big");
    AnimSet *sma = set_of("beasties/turret_1_sma");
    AnimSet *wreck = set_of("beasties/turret_base");
    AnimSet *blocker = set_of("beasties/blocker_red");
    AnimSet *wall = set_of("beasties/wall_1_flat");
    AnimSet *chunks[3] = {set_of("beasties/chunk_1"), set_of("beasties/chunk_2"), set_of("beasties/chunk_3")};
    ASSERT_TRUE(big && sma && wreck && blocker && wall && chunks[0] && chunks[1] && chunks[2]);

    // The turrets as the player meets them: two big ones (one with a gun shot off), small
    // ones around them, one still rising, and a wreck.
    stand(big, -14, 0, 6, 200, nullptr, 40);
    PreviewActor &hurt = stand(big, 12, 0, 8, 150, nullptr, 40);
    hurt.st.bone_health[bone_of(big, "gun_l_x")] = -1.0f;
    hurt.st.bone_health[bone_of(big, "gun_l_coil")] = -1.0f;
    hurt.tick();
    stand(sma, -2, 0, -12, 10, nullptr, 30);
    stand(sma, 22, 0, -10, -60, nullptr, 30);
    stand(sma, -26, 0, -8, 80, "emerge", 35);
    stand(wreck, 2, 0, 16, 0, nullptr, 50);
    top("turrets_top", 0, 0, 115);
    top("turrets_top_close", -2, 2, 50);
    scene.clear();

    stand(big, -5, 0, 0, -40, nullptr, 40);
    stand(sma, 5, 0, -4, -30, nullptr, 40);
    stand(wreck, 6, 0, 6, 0, nullptr, 60);
    const float eye[3] = {-13, 12, 20};
    const float target[3] = {0, 1.5f, 1};
    look("turrets_3q", eye, target);
    scene.clear();

    // Life: rising, bursting, jolted.
    stand(big, -8, 0, 0, -30, "emerge", 30);
    stand(big, 0, 0, 0, -30, "byebye", 15);
    stand(sma, 8, 0, 0, -30, "hitbounce", 4);
    look("turrets_states_3q", eye, target);
    scene.clear();

    // The blocker pushing, walls sliding, rubble tumbling.
    stand(blocker, -10, 0, 2, 20, nullptr, 40);
    stand(blocker, 14, 0, -6, -50, nullptr, 55);
    stand(wall, 0, 0, 16, 0, "spin1_x", 20);
    stand(wall, 2, 0, -16, 90, nullptr, 30);
    for (int i = 0; i < 6; i++) {
        stand(chunks[i % 3], -20.0f + 7.0f * i, 0, -2.0f + 3.0f * (i % 2), 37.0f * i, "spin1_x", 5 + 7 * i);
    }
    top("blockers_top", 0, 0, 115);
    top("blockers_top_close", -2, 2, 50);
    scene.clear();

    stand(blocker, -6, 0, 0, -35, nullptr, 40);
    stand(wall, 5, 0, -5, -20, "spin1_x", 20);
    for (int i = 0; i < 3; i++) {
        stand(chunks[i], 2.0f + 3.5f * i, 0, 6.0f - 1.5f * i, 40.0f * i, "spin1_x", 9 * i + 4);
    }
    look("blockers_3q", eye, target);
}

} // namespace
