// Maths: angle wrapping, quaternions, planes and the frustum tests.

#include "core/mathlib.h"

#include "tests/support/log_capture.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(AngleWrap, KeepsBothEndsAndStepsByWholeTurns)
{
    EXPECT_EQ(angle_wrap180(540.0f), 180.0f);
    EXPECT_EQ(angle_wrap180(-540.0f), -180.0f);
    EXPECT_EQ(angle_wrap180(180.0f), 180.0f);
    EXPECT_EQ(angle_wrap180(-180.0f), -180.0f);
    EXPECT_EQ(angle_wrap180(181.0f), -179.0f);
    EXPECT_EQ(angle_wrap180(-181.0f), 179.0f);
    EXPECT_EQ(angle_wrap180(725.5f), 5.5f);
    EXPECT_EQ(angle_wrap180(0.0f), 0.0f);
}

TEST(AngleWrap, HugeValuesAndNonFiniteInputEndInRange)
{
    EXPECT_EQ(angle_wrap180(1.0e9f), -80.0f);   // 1e9 = 2777778 turns - 80 degrees
    EXPECT_EQ(angle_wrap180(-1.0e9f), 80.0f);
    float max = std::numeric_limits<float>::max();
    for (float a : {max, -max, 3.0e20f, -7.7e30f}) {
        float w = angle_wrap180(a);
        EXPECT_GE(w, -180.0f) << a;
        EXPECT_LE(w, 180.0f) << a;
    }
    EXPECT_EQ(angle_wrap180(std::numeric_limits<float>::infinity()), 0.0f);
    EXPECT_EQ(angle_wrap180(-std::numeric_limits<float>::infinity()), 0.0f);
    EXPECT_EQ(angle_wrap180(std::numeric_limits<float>::quiet_NaN()), 0.0f);
}

TEST(Quaternion, FromEulerWrapsItsInputAndBuildsTheRotation)
{
    float angles[3] = {0.0f, 0.0f, 450.0f};
    float q[4];
    quat_from_euler(angles, q);
    EXPECT_EQ(angles[2], 90.0f);
    EXPECT_EQ(q[0], 0.0f);
    EXPECT_EQ(q[1], 0.0f);
    EXPECT_NEAR(q[2], 0.70710678f, 1e-6f);
    EXPECT_NEAR(q[3], 0.70710678f, 1e-6f);

    float zero[3] = {0, 0, 0};
    quat_from_euler(zero, q);
    EXPECT_EQ(q[0], 0.0f);
    EXPECT_EQ(q[3], 1.0f) << "zero half angles skip the trigonometry";
}

TEST(Quaternion, EulerRoundTrips)
{
    const float cases[][3] = {
        {10, 20, 30}, {-45, 60, 170}, {179, -89, -179}, {0, 45, 0}, {-120, 5, 95}, {33, -70, -10},
    };
    for (const auto &c : cases) {
        float in[3] = {c[0], c[1], c[2]};
        float q[4];
        float out[3];
        quat_from_euler(in, q);
        quat_to_euler(q, out);
        for (int i = 0; i < 3; i++) {
            EXPECT_NEAR(out[i], c[i], 0.05f) << c[0] << " " << c[1] << " " << c[2] << " axis " << i;
        }
    }
    const float identity[4] = {0, 0, 0, 1};
    float out[3] = {9, 9, 9};
    quat_to_euler(identity, out);
    EXPECT_EQ(out[0], 0.0f);
    EXPECT_EQ(out[1], 0.0f);
    EXPECT_EQ(out[2], 0.0f);
}

TEST(Quaternion, YawMatchesTheEulerYaw)
{
    for (float yaw : {-170.0f, -90.0f, -12.5f, 0.0f, 45.0f, 135.0f}) {
        float angles[3] = {0, 0, yaw};
        float q[4];
        quat_from_euler(angles, q);
        EXPECT_NEAR(quat_get_yaw(q), yaw, 0.01f);
    }
    const float minus_identity[4] = {0, 0, 0, -1};
    EXPECT_EQ(quat_get_yaw(minus_identity), 0.0f);
}

TEST(Quaternion, MatrixOfAQuarterTurnAboutZ)
{
    float angles[3] = {0, 0, 90};
    float q[4];
    float m[3][4];
    quat_from_euler(angles, q);
    quat_to_matrix34(q, m);
    const float want[3][4] = {{0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 1, 0}};
    for (int r = 0; r < 3; r++) {
        for (int k = 0; k < 4; k++) {
            EXPECT_NEAR(m[r][k], want[r][k], 1e-6f) << r << "," << k;
        }
    }
}

TEST(Heading, FourDirections)
{
    const float east[3] = {1, 0, 0}, north[3] = {0, 0, -1}, west[3] = {-1, 0, 0}, south[3] = {0, 0, 1};
    EXPECT_NEAR(vec_heading(east), 0.0f, 1e-4f);
    EXPECT_NEAR(vec_heading(north), 90.0f, 1e-4f);
    EXPECT_NEAR(vec_heading(west), 180.0f, 1e-4f);
    EXPECT_NEAR(vec_heading(south), -90.0f, 1e-4f);
    const float diagonal[3] = {-3, 0, 3};
    EXPECT_NEAR(vec_heading(diagonal), -135.0f, 0.2f);
    const float zero[3] = {0, 0, 0};
    EXPECT_EQ(vec_heading(zero), 0.0f);
    // Slightly longer than unit after the fast reciprocal: the root is clamped, not NaN.
    const float big[3] = {0, 0, -12345.678f};
    EXPECT_FALSE(std::isnan(vec_heading(big)));
}

TEST(FastRecip, IsWithinTwoPercentOfTheTrueReciprocal)
{
    // The magic constant with one Newton step is good to about 1.6 %.
    for (float t : {1.0f, 4.0f, 0.25f, 3.0f, 254.558f, -20.0f, 1e-3f, 7e5f}) {
        EXPECT_NEAR(fast_recip(t) * t, 1.0f, 0.02f) << t;
    }
    EXPECT_EQ(fast_recip(4.0f), 0.25f);
}

TEST(Plane, FromPointsOnHandWorkedCases)
{
    const float p0[3] = {0, 0, 5}, p1[3] = {2, 0, 5}, p2[3] = {0, 2, 5};
    float plane[4];
    plane_from_points(plane, p0, p1, p2);
    EXPECT_EQ(plane[0], 0.0f);
    EXPECT_EQ(plane[1], 0.0f);
    EXPECT_EQ(plane[2], 1.0f);
    EXPECT_EQ(plane[3], -5.0f);

    const float a[3] = {0, 0, 0}, b[3] = {1, 1, 1}, c[3] = {2, 2, 2};
    plane_from_points(plane, a, b, c);
    for (float v : plane) {
        EXPECT_EQ(v, 0.0f);
    }
}

TEST(Plane, CheckedVariantLogsDegenerateInput)
{
    LogCapture log;
    const float a[3] = {0, 0, 0}, b[3] = {1, 1, 1}, c[3] = {2, 2, 2};
    float plane[4] = {1, 1, 1, 1};
    plane_from_points_checked(plane, a, b, c);
    EXPECT_EQ(log.count("  cross product = 0"), 1);
    EXPECT_EQ(plane[3], 0.0f);
    float zero[3] = {0, 0, 0};
    vec_normalize(zero);
    EXPECT_EQ(log.count("z 0.000000"), 1);
    EXPECT_EQ(zero[0], 0.0f);
}

class Frustum : public ::testing::Test {
protected:
    void SetUp() override { memcpy(saved, g_frustum_planes, sizeof(saved)); }
    void TearDown() override { memcpy(g_frustum_planes, saved, sizeof(saved)); }
    float saved[4][4];
};

TEST_F(Frustum, SidePlanesOfASymmetricViewVolumeFaceInward)
{
    // A 90-degree view down -z: near square of half-size 1 at z = -1, far of 10 at z = -10;
    // corners in the order window (0,0), (w,0), (w,h), (0,h), near then far.
    const float corners[8][3] = {
        {-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
        {-10, -10, -10}, {10, -10, -10}, {10, 10, -10}, {-10, 10, -10},
    };
    frustum_planes_from_corners(g_frustum_planes, corners);
    const float s = 0.70710678f;
    const float want[4][4] = {{s, 0, -s, 0}, {-s, 0, -s, 0}, {0, -s, -s, 0}, {0, s, -s, 0}};
    for (int p = 0; p < 4; p++) {
        for (int k = 0; k < 4; k++) {
            EXPECT_NEAR(g_frustum_planes[p][k], want[p][k], 2e-3f) << "plane " << p << " term " << k;
        }
    }
    const float centre[3] = {0, 0, -5};
    EXPECT_EQ(frustum_sphere_visible(centre, 0.0f), 1);
    const float left[3] = {-6, 0, -5};   // 1/sqrt(2) outside the left plane
    EXPECT_EQ(frustum_sphere_visible(left, 0.5f), 0);
    EXPECT_EQ(frustum_sphere_visible(left, 0.75f), 1);
    const float above[3] = {0, 7, -5};   // sqrt(2) outside the top plane
    EXPECT_EQ(frustum_sphere_visible(above, 1.3f), 0);
    EXPECT_EQ(frustum_sphere_visible(above, 1.5f), 1);
}

TEST_F(Frustum, SphereTouchingAPlaneFromOutsideIsVisible)
{
    const float box[4][4] = {{1, 0, 0, 10}, {-1, 0, 0, 10}, {0, 0, 1, 10}, {0, 0, -1, 10}};
    memcpy(g_frustum_planes, box, sizeof(box));
    const float p[3] = {12, 0, 0};
    EXPECT_EQ(frustum_sphere_visible(p, 2.0f), 1);
    EXPECT_EQ(frustum_sphere_visible(p, 1.99f), 0);
    const float zero_planes[4][4] = {};
    memcpy(g_frustum_planes, zero_planes, sizeof(zero_planes));
    EXPECT_EQ(frustum_sphere_visible(p, 0.0f), 1) << "a degenerate plane hides nothing";
}

TEST_F(Frustum, ClampPullsAPointBackInside)
{
    // z <= 10, z >= -10, x <= 10, x >= -10
    const float box[4][4] = {{0, 0, -1, 10}, {0, 0, 1, 10}, {-1, 0, 0, 10}, {1, 0, 0, 10}};
    memcpy(g_frustum_planes, box, sizeof(box));
    float outside[3] = {20, 3, 30};
    frustum_clamp_point(outside);
    EXPECT_NEAR(outside[0], 10.0f, 0.2f);   // as close as the fast reciprocal gets
    EXPECT_EQ(outside[1], 3.0f);
    EXPECT_NEAR(outside[2], 10.0f, 0.2f);
    float inside[3] = {5, 0, -5};
    frustum_clamp_point(inside);
    EXPECT_EQ(inside[0], 5.0f);
    EXPECT_EQ(inside[2], -5.0f);
    float origin[3] = {0, 0, 0};
    frustum_clamp_point(origin);
    EXPECT_EQ(origin[0], 0.0f);
    EXPECT_EQ(origin[2], 0.0f);
}

TEST(Vectors, DistancesCrossAndScaledDifference)
{
    const float a[3] = {1, 2, 3}, b[3] = {4, 6, 3};
    EXPECT_EQ(vec_dist2_xz(a, b), 9.0f);
    EXPECT_EQ(vec_dist2(a, b), 25.0f);
    EXPECT_EQ(vec_dist(a, b), 5.0f);
    float out[3];
    vec_ma(a, 2.0f, b, out);
    EXPECT_EQ(out[0], -7.0f);
    EXPECT_EQ(out[1], -10.0f);
    EXPECT_EQ(out[2], -3.0f);
    const float x[3] = {1, 0, 0}, y[3] = {0, 1, 0};
    vec_cross(x, y, out);
    EXPECT_EQ(out[2], 1.0f);
    float v[3] = {3, 0, 4};
    vec_normalize(v);
    EXPECT_NEAR(v[0], 0.6f, 1e-6f);
    EXPECT_NEAR(v[2], 0.8f, 1e-6f);
}

} // namespace
