// The model gallery: each family drawn from the play camera and at three-quarter view
// into build/screens/, through the engine's loader and bone matrices, to be looked at.
// The checks here are the ones a picture can fail: the model is on screen where it
// stands, at the size the art direction gives its kind.

#include "core/file.h"
#include "core/mem.h"
#include "render/camera.h"
#include "world/animplay.h"

#include "tests/support/log_capture.h"
#include "tests/support/model_scene.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

const std::string TREE = GLIMMERFALL_ASSETS;

class ModelGallery : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        robot = actor_load_model_data("beasties", "robot_green");
        bolt = actor_load_model_data("bullets", "bullet_robo");
        ASSERT_NE(robot, nullptr);
        ASSERT_NE(bolt, nullptr);
        ASSERT_NE(robot->mesh, nullptr);
        ASSERT_NE(bolt->mesh, nullptr);
    }
    void TearDown() override
    {
        scene.clear();
        anim_sets_free_all();
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    // An actor of a set at (x, z) with a heading, after an animation ran for ticks.
    PreviewActor &stand(AnimSet *set, float x, float z, float heading, const char *anim, int ticks)
    {
        // Shots fly at the height of the robot's gun.
        return scene.stand(set, x, set == bolt ? 4.5f : 0.0f, z, heading, anim, ticks);
    }
    void draw_all(ModelPreview &p) { scene.draw_all(p); }
    void from_play_camera(AnimSet *set, float heading, int ticks, float extent[2], float centre[2])
    {
        scene.measure(set, heading, ticks, extent, centre);
    }
    static void save(const ModelPreview &p, const char *name) { ModelScene::save(p, name); }

    TreeStyles styles{TREE};
    ModelScene scene{TREE};
    AnimSet *robot = nullptr;
    AnimSet *bolt = nullptr;
};

TEST_F(ModelGallery, RobotGreenFromThePlayCameraAndAtThreeQuarterView)
{
    float extent[2], centre[2];
    from_play_camera(robot, 0, 30, extent, centre);
    EXPECT_GE(extent[1], 5.0f) << "a medium enemy is 5-9 units across from above";
    EXPECT_LE(extent[1], 9.0f);
    EXPECT_NEAR(centre[0], 512.0f, 40.0f) << "drawn where it stands";
    EXPECT_NEAR(centre[1], 384.0f, 40.0f);

    // A wave as the player sees it: walkers, a shooter with its shots, one emerging.
    for (int i = 0; i < 4; i++) {
        stand(robot, -18.0f + 12.0f * i, 10.0f, -40.0f + 35.0f * i, "walk", 7 + 11 * i);
    }
    PreviewActor &shooter = stand(robot, 6, -14, 150, "fire", 5);
    (void)shooter;
    stand(robot, -16, -12, 60, "emerge", 40);
    for (int i = 0; i < 3; i++) {
        PreviewActor &b = stand(bolt, 2.0f - 4.5f * i, -6.0f + 3.5f * i, 150, nullptr, 20 + 10 * i);
        (void)b;
    }
    ModelPreview wave(1024, 768, 0x202428);
    wave.camera_top(0, 0, 115, 45);
    draw_all(wave);
    save(wave, "robot_green_top");
    ModelPreview close(1024, 768, 0x202428);
    close.camera_top(0, 0, 40, 45);
    draw_all(close);
    save(close, "robot_green_top_close");
    scene.clear();

    // Three-quarter view of the poses.
    stand(robot, 0, 0, -30, nullptr, 40);
    stand(robot, -7.5f, 5, -30, "walk", 25);
    stand(robot, 7.5f, -5, -30, "fire", 4);
    ModelPreview poses(1024, 768, 0x202428);
    const float eye[3] = {-16, 15, 22};
    const float target[3] = {0, 2.5f, 0};
    poses.camera_look(eye, target, 45);
    draw_all(poses);
    EXPECT_GT(poses.covered(), 20000);
    save(poses, "robot_green_3q");
    scene.clear();

    stand(robot, -6, 0, -30, "byebye", 15);
    stand(robot, 0, 0, -30, "emerge", 28);
    stand(robot, 6, 0, -30, "hitbounce", 5);
    ModelPreview states(1024, 768, 0x202428);
    states.camera_look(eye, target, 45);
    draw_all(states);
    save(states, "robot_green_states_3q");
}

TEST_F(ModelGallery, BulletRoboFromThePlayCameraAndAtThreeQuarterView)
{
    float extent[2], centre[2];
    from_play_camera(bolt, 90, 3, extent, centre);
    EXPECT_GE(extent[0], 0.6f) << "a shot is 0.6-1.5 units across, its glow included";
    EXPECT_LE(extent[0], 2.0f);

    for (int i = 0; i < 5; i++) {
        stand(bolt, -6.0f + 3.0f * i, 0, 90, nullptr, 3 + 9 * i);
    }
    stand(bolt, 4, 4, 0, "die", 5);
    ModelPreview close(1024, 768, 0x202428);
    close.camera_top(0, 0, 20.5f, 45);
    draw_all(close);
    save(close, "bullet_robo_top_close");
    ModelPreview side(1024, 768, 0x202428);
    const float eye[3] = {-5, 8.5f, 7};
    const float target[3] = {0, 4.5f, 0};
    side.camera_look(eye, target, 45);
    draw_all(side);
    save(side, "bullet_robo_3q");
}

}  // namespace
