// The camera without a window: its start state, the light, the follow easing, the goals
// of the five styles and the framing of two players close together.

#include "render/camera.h"

#include "core/mt.h"
#include "game/frame.h"
#include "render/zgl.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class Camera : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_camera = CameraState{};
        g_frame_dt = 1.0f;
        mt_seed(5);
        camera_defaults();
    }
    void TearDown() override { g_frame_dt = 0.0f; }
    static void update(const float target[3], int n, int framing = 0)
    {
        const float points[6] = {target[0] - 1, 0, target[2] - 1, target[0] + 1, 0, target[2] + 1};
        for (int i = 0; i < n; i++) {
            camera_update(target, points, framing, 1000);
        }
    }
};

TEST_F(Camera, InitLooksStraightDownFromTheStartHeight)
{
    int sides[2] = {0, 0};
    for (int seed = 1; seed <= 12; seed++) {
        mt_seed(seed);
        g_camera.pitch = 10.0f;   // as a death wobble may have left it
        g_camera.weight = 0.05f;
        camera_init();
        EXPECT_EQ(g_camera.pos[0], 0.0f);
        EXPECT_EQ(g_camera.pos[1], 115.0f);
        EXPECT_EQ(g_camera.pos[2], 0.0f);
        EXPECT_EQ(g_camera.pitch, -90.0f);
        EXPECT_EQ(g_camera.roll, g_camera.side ? -90.0f : 90.0f);
        EXPECT_EQ(g_camera.weight, 0.0f);
        EXPECT_GE(g_camera.drift_mode, 0);
        EXPECT_LE(g_camera.drift_mode, 4);
        sides[g_camera.side]++;
    }
    EXPECT_GT(sides[0], 0);
    EXPECT_GT(sides[1], 0);
}

TEST_F(Camera, LightAtAngleZeroAndItsTurn)
{
    g_camera.light_angle = 0.0f;
    camera_matrix();
    const float len = std::sqrt(1.9f * 1.9f + 1.0f);
    EXPECT_EQ(g_light_dir[0], 0.0f);
    EXPECT_NEAR(g_light_dir[1], 1.9f / len, 0.01f) << "one Newton step of the reciprocal";
    EXPECT_NEAR(g_light_dir[2], 1.0f / len, 0.01f);
    EXPECT_NEAR(g_light_dir[1] / g_light_dir[2], 1.9f, 1e-5f);
    EXPECT_FLOAT_EQ(g_camera.light_angle, 0.3f) << "0.3 degrees a logic step";
}

TEST_F(Camera, FollowWeightReachesItsHoldAfterAHundredUpdates)
{
    const float target[3] = {0, 0, 0};
    update(target, 99);
    EXPECT_LT(g_camera.weight, 0.0499f);
    update(target, 1);
    const float hold = g_camera.weight;
    EXPECT_NEAR(hold, 0.05f, 1e-5f);
    update(target, 200);
    EXPECT_EQ(g_camera.weight, hold);
}

TEST_F(Camera, EachStyleGoesToItsGoal)
{
    const float h = 115.0f;
    const float target[3] = {20.0f, 0.0f, -10.0f};
    struct Goal {
        int style;
        float x, y, z, pitch, yaw;
    };
    // Style 3 leads by a tenth of the target (2, -1), style 1 by 0.15 of its z (-1.5).
    const float reach = 1.0f + 0.085f * h;
    const Goal goals[] = {
        {0, 1.2f * h, 0.0f, 0.0f, -90.0f, 90.0f},
        {1, 0.6f * h, 0.9f * h, -1.5f, -90.0f, 30.0f},
        {2, 0.0f, 1.1f * h, 0.0f, -90.0f, 0.0f},
        {3, 2.0f * reach, 1.07f * h, -reach, -94.0f, 8.0f},
        {4, -1.2f * h, h, 0.0f, -90.0f, -90.0f},
        {7, 0.0f, 1.1f * h, 0.0f, -90.0f, 0.0f},
    };
    for (const Goal &g : goals) {
        camera_init();
        g_camera.style = g.style;
        g_camera.weight = 1.0f;
        update(target, 1);
        EXPECT_NEAR(g_camera.pos[0], g.x, 1e-3f) << "style " << g.style;
        EXPECT_NEAR(g_camera.pos[1], g.y, 1e-3f) << "style " << g.style;
        EXPECT_NEAR(g_camera.pos[2], g.z, 1e-3f) << "style " << g.style;
        EXPECT_NEAR(g_camera.pitch, g.pitch, 1e-3f) << "style " << g.style;
        EXPECT_NEAR(g_camera.yaw, g.yaw, 1e-3f) << "style " << g.style;
    }
}

// How far (degrees) a world point is off the camera's view axis.
float off_axis(const float p[3])
{
    float m[16];
    camera_view_matrix(m);
    float v[3];
    for (int k = 0; k < 3; k++) {
        v[k] = m[k] * p[0] + m[4 + k] * p[1] + m[8 + k] * p[2] + m[12 + k];
    }
    return std::atan2(std::hypot(v[0], v[1]), -v[2]) * 57.29578f;
}

TEST_F(Camera, TwoPlayersCloseTogetherLowerTheCameraAndCentreIt)
{
    const float middle[3] = {30.0f, 0.0f, -20.0f};
    for (int seed : {1, 2, 3, 4}) {
        float height[2];
        float off[2];
        for (int framing = 0; framing < 2; framing++) {
            mt_seed(seed);
            camera_init();
            g_camera.style = 3;
            update(middle, 400, framing);
            height[framing] = g_camera.pos[1];
            off[framing] = off_axis(middle);
        }
        EXPECT_LT(height[1], height[0] - 30.0f) << "side " << g_camera.side;
        EXPECT_LT(off[1], off[0] * 0.5f) << "side " << g_camera.side;
    }
}

}  // namespace
