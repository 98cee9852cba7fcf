// Paths: refused tables and names declared twice, the table transform as a rotation,
// stop points and wrapping, the nearest and next point running forward and backward,
// and the generated form's fields.

#include "core/mathlib.h"
#include "world/path.h"

#include "tests/support/log_capture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

class Paths : public ::testing::Test {
protected:
    void SetUp() override { paths_reset(); }
    void TearDown() override { paths_free_all(); }

    // c_add_a_path's table form: p0 .. p5 and the script's points (a, b, c) per point.
    static Path *add(const char *name, std::vector<float> p, const std::vector<float> &table)
    {
        p.push_back((float)table.size());
        p.insert(p.end(), table.begin(), table.end());
        path_add(name, p.data(), PATH_MODE_TABLE);
        return path_find(name, 0);
    }
    // n points on a circle of radius 10 in the arena: point k at k x 360 / n degrees
    // from +x toward +z.
    static std::vector<float> circle(int n)
    {
        std::vector<float> t;
        for (int k = 0; k < n; k++) {
            float a = (float)k * 2.0f * 3.14159265f / (float)n;
            t.insert(t.end(), {-10.0f * sinf(a), 10.0f * cosf(a), 0.0f});   // game (b, c, -a)
        }
        return t;
    }
    static std::vector<float> at(float degrees)
    {
        float a = degrees * DEG2RAD;
        return {10.0f * cosf(a), 0.0f, 10.0f * sinf(a)};
    }
    LogCapture log;
};

TEST_F(Paths, AShortTableIsRefusedANameDeclaredTwiceFindsTheNewer)
{
    std::vector<float> none = {0, 100, 100, 0, 0, 0};
    EXPECT_EQ(add("short", none, {1, 2, 3, 4, 5}), nullptr);
    EXPECT_EQ(log.count_containing("*** [paths] add path wrong values"), 1);
    Path *first = add("loop", none, circle(4));
    Path *second = add("loop", {0, 50, 50, 0, 0, 0}, circle(4));
    ASSERT_NE(first, nullptr);
    EXPECT_NE(second, first);
    EXPECT_FLOAT_EQ(second->x_scale, 0.5f);
    EXPECT_EQ(log.count_containing("*** [paths] already added loop"), 1);
    EXPECT_EQ(path_find("nowhere", 1), nullptr);
    EXPECT_EQ(log.count_containing("*** [paths] not found nowhere"), 1);
}

TEST_F(Paths, ASquareTurnedByFortyFiveDegreesStaysASquare)
{
    Path *p = add("square-path", {0, 100, 100, 45, 0, 0}, {10, 10, 0, 10, -10, 0, -10, -10, 0, -10, 10, 0});
    ASSERT_NE(p, nullptr);
    float q[4][3];
    for (int k = 0; k < 4; k++) {
        path_point_target(p, q[k], k);
    }
    for (int k = 0; k < 4; k++) {
        EXPECT_NEAR(sqrtf(vec_dist2_xz(q[k], q[(k + 1) % 4])), 20.0f, 1e-3f) << "side " << k;
    }
    EXPECT_NEAR(sqrtf(vec_dist2_xz(q[0], q[2])), 20.0f * sqrtf(2.0f), 1e-3f);
    EXPECT_NEAR(sqrtf(vec_dist2_xz(q[1], q[3])), 20.0f * sqrtf(2.0f), 1e-3f);
    // The corners turn onto the axes.
    EXPECT_NEAR(fminf(fabsf(q[0][0]), fabsf(q[0][2])), 0.0f, 1e-3f);
}

TEST_F(Paths, StopIntervalFourFlagsEveryFourthPointAndIndexesWrap)
{
    Path *p = add("stops", {4, 100, 100, 0, 0, 0}, circle(13));
    ASSERT_NE(p, nullptr);
    for (int k = 0; k < 13; k++) {
        int r = path_point_target(p, nullptr, k);
        EXPECT_EQ(r & PATH_POS_INDEX, k);
        EXPECT_EQ((r & PATH_POS_JUMP) != 0, k == 4 || k == 8 || k == 12) << k;
    }
    float out[3];
    EXPECT_EQ(path_point_target(p, out, 13), 0);
    float first[3];
    path_point_target(p, first, 0);
    EXPECT_EQ(out[0], first[0]);
    EXPECT_EQ(path_point_target(p, nullptr, -1), 12 | PATH_POS_JUMP);
    EXPECT_EQ(path_point_target(p, nullptr, 3 | PATH_POS_REACHED), 4 | PATH_POS_JUMP) << "reached: the next one";
}

TEST_F(Paths, FollowAndNextPointRunForwardAndBackward)
{
    Path *fwd = add("fwd", {0, 100, 100, 0, 0, 0}, circle(8));
    Path *back = add("back", {256, 100, 100, 0, 0, 0}, circle(8));
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->mode & PATH_MODE_BACKWARD, PATH_MODE_BACKWARD);
    std::vector<float> past2 = at(95);   // point 2 stands at 90, point 3 at 135
    std::vector<float> before2 = at(85);
    float out[3];
    EXPECT_EQ(path_follow(fwd, past2.data(), out, 0), 3) << "forward: on to the next";
    EXPECT_NEAR(out[2], 10.0f * sinf(135 * DEG2RAD), 1e-4f);
    EXPECT_EQ(path_follow(fwd, before2.data(), nullptr, 0), 2);
    EXPECT_EQ(path_follow(back, past2.data(), nullptr, 0), 8 - 1 - 2);
    EXPECT_EQ(path_follow(back, before2.data(), nullptr, 0), 8 - 1 - 1) << "backward: on to the previous";
    EXPECT_EQ(path_follow(fwd, past2.data(), nullptr, 0x40), 6) << "farthest: 95 + 180 is nearest point 6";

    EXPECT_EQ(path_next_point(fwd, past2.data(), 1, 0), 2) << "towards 3, forward";
    EXPECT_EQ(path_next_point(fwd, past2.data(), 5, 0), 4) << "towards 3, backward";
    EXPECT_EQ(path_next_point(fwd, past2.data(), 3, 0), 3);
    EXPECT_EQ(path_next_point(fwd, past2.data(), 7, 0), 0) << "wrapped";
}

TEST_F(Paths, AGeneratedPathRunsThroughThePylonsAtItsFraction)
{
    const float edge[2] = {0, 75};
    const float back[2] = {-1, 75};
    path_add("edge-path", edge, PATH_MODE_GENERATED);
    path_add("edge-path-back", back, PATH_MODE_GENERATED);
    Path *p = path_find("edge-path", 0);
    Path *b = path_find("edge-path-back", 0);
    ASSERT_NE(p, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(p->mode, PATH_MODE_GENERATED);
    EXPECT_EQ(b->mode, PATH_MODE_GENERATED | PATH_MODE_BACKWARD);
    EXPECT_EQ(p->count, 24);
    EXPECT_FLOAT_EQ(p->x_scale, 0.75f);
    EXPECT_EQ(p->points, nullptr);
    EXPECT_EQ(path_point_target(p, nullptr, 24), 0);
    EXPECT_EQ(path_point_target(b, nullptr, -1), 23);
}

}  // namespace
