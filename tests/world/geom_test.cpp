// Geometry against closed forms: quaternion product and slerp, rotation matrices, the
// 3x3 inverse, headings, grid snapping and the elastic contact of two discs.

#include "world/geom.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float EPS = 1e-5f;

void expect_quat(const float q[4], float x, float y, float z, float w)
{
    EXPECT_NEAR(q[0], x, EPS);
    EXPECT_NEAR(q[1], y, EPS);
    EXPECT_NEAR(q[2], z, EPS);
    EXPECT_NEAR(q[3], w, EPS);
}

TEST(GeomQuat, ProductAndSlerp)
{
    const float i[4] = {1, 0, 0, 0};
    const float j[4] = {0, 1, 0, 0};
    float k[4];
    geom_quat_mul(k, i, j);
    expect_quat(k, 0, 0, 1, 0);
    geom_quat_mul(k, j, i);
    expect_quat(k, 0, 0, -1, 0);

    // a: no turn; b: 90 degrees about z.
    const float a[4] = {0, 0, 0, 1};
    const float h = sqrtf(0.5f);
    const float b[4] = {0, 0, h, h};
    float out[4];
    geom_quat_slerp(out, a, b, 1.0f);
    expect_quat(out, 0, 0, 0, 1);
    geom_quat_slerp(out, a, b, 0.0f);
    expect_quat(out, 0, 0, h, h);
    geom_quat_slerp(out, a, b, 0.5f);
    expect_quat(out, 0, 0, sinf(0.3926991f), cosf(0.3926991f));
    // The same turn written as -b: still the 45 degrees between, not the long way round.
    const float minus_b[4] = {0, 0, -h, -h};
    geom_quat_slerp(out, a, minus_b, 0.5f);
    float sign = out[3] < 0 ? -1.0f : 1.0f;
    EXPECT_NEAR(sign * out[2], sinf(0.3926991f), EPS);
    EXPECT_NEAR(sign * out[3], cosf(0.3926991f), EPS);
}

TEST(GeomMatrix, RotationsAreOrthonormalAndIdentityIsLeftAlone)
{
    const float quats[3][4] = {{0.1f, 0.7f, -0.3f, 0.5f}, {0, 0, sqrtf(0.5f), sqrtf(0.5f)}, {0.9f, -0.1f, 0.2f, 0.1f}};
    const geom_v4 sevens = {7.0f, 7.0f, 7.0f, 7.0f};
    for (const auto &raw : quats) {
        float q[4];
        float len = sqrtf(raw[0] * raw[0] + raw[1] * raw[1] + raw[2] * raw[2] + raw[3] * raw[3]);
        for (int c = 0; c < 4; c++) {
            q[c] = raw[c] / len;
        }
        geom_v4 m[3] = {sevens, sevens, sevens};
        ASSERT_EQ(geom_quat_columns(q, m), 0);
        for (int c1 = 0; c1 < 3; c1++) {
            for (int c2 = 0; c2 < 3; c2++) {
                float d = m[c1][0] * m[c2][0] + m[c1][1] * m[c2][1] + m[c1][2] * m[c2][2];
                EXPECT_NEAR(d, c1 == c2 ? 1.0f : 0.0f, EPS);
            }
            EXPECT_EQ(m[c1][3], 0.0f) << "column " << c1 << "'s fourth float";
        }
        // A rotation, not a reflection: column 0 x column 1 = column 2.
        EXPECT_NEAR(m[0][1] * m[1][2] - m[0][2] * m[1][1], m[2][0], EPS);
        // The same rotation into a matrix: the 3x3 block, the translation zeroed, the
        // fourth row kept.
        float mat[16];
        for (float &e : mat) {
            e = 7.0f;
        }
        ASSERT_EQ(geom_quat_to_matrix(q, mat), 0);
        for (int c = 0; c < 3; c++) {
            for (int r = 0; r < 3; r++) {
                EXPECT_EQ(mat[4 * c + r], m[c][r]);
            }
            EXPECT_EQ(mat[4 * c + 3], 7.0f) << "elements 3, 7, 11 untouched";
            EXPECT_EQ(mat[12 + c], 0.0f);
        }
        EXPECT_EQ(mat[15], 7.0f);
    }
    // 90 degrees about z takes x to y.
    geom_v4 m[3];
    ASSERT_EQ(geom_quat_columns(quats[1], m), 0);
    EXPECT_NEAR(m[0][0], 0.0f, EPS);
    EXPECT_NEAR(m[0][1], 1.0f, EPS);
    const float still[4] = {0, 0, 0, 1};
    geom_v4 kept[3] = {sevens, sevens, sevens};
    EXPECT_EQ(geom_quat_columns(still, kept), 1);
    float still_mat[16] = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    EXPECT_EQ(geom_quat_to_matrix(still, still_mat), 1);
    EXPECT_TRUE(std::all_of(still_mat, still_mat + 16, [](float e) { return e == 3.0f; }));
    for (const geom_v4 &col : kept) {
        for (int r = 0; r < 4; r++) {
            EXPECT_EQ(col[r], 7.0f);
        }
    }
}

TEST(GeomMatrix, InverseTimesMatrixIsIdentityAndSingularGivesZero)
{
    float m[16] = {2.0f, 0.5f, -1.0f, 0, 0.3f, 3.0f, 0.2f, 0, -0.7f, 0.1f, 1.5f, 0, 4, 5, 6, 1};
    float inv[16] = {};
    inv[12] = 9.0f;
    geom_mat3_inverse(m, inv);
    EXPECT_EQ(inv[12], 9.0f) << "only the 3x3 block is written";
    for (int col = 0; col < 3; col++) {
        for (int row = 0; row < 3; row++) {
            float v = m[row] * inv[col * 4] + m[4 + row] * inv[col * 4 + 1] + m[8 + row] * inv[col * 4 + 2];
            EXPECT_NEAR(v, row == col ? 1.0f : 0.0f, EPS);
        }
    }
    // A collapsed bone's matrix has no inverse: its light direction is zero, not NaN.
    const float zero[16] = {};
    const float light[3] = {0, 1, 0};
    float out[3] = {5, 5, 5};
    geom_light_dir_to_local(zero, light, out);
    EXPECT_EQ(out[0], 0.0f);
    EXPECT_EQ(out[1], 0.0f);
    EXPECT_EQ(out[2], 0.0f);
}

TEST(GeomAngles, HeadingsAndSnaps)
{
    const float dirs[4][3] = {{1, 0, 0}, {0, 0, -1}, {-1, 0, 0}, {0, 0, 1}};
    const float headings[4] = {0, 90, 180, -90};
    for (int i = 0; i < 4; i++) {
        EXPECT_NEAR(geom_heading_degrees(dirs[i]), headings[i], 1e-4f) << i;
    }
    const float scaled[3] = {0, 0, -7.5f};
    EXPECT_NEAR(geom_heading_degrees(scaled), 90.0f, 1e-4f);
    EXPECT_EQ(geom_snap_to_multiple(5, 10), 0.0f);
    EXPECT_EQ(geom_snap_to_multiple(-5, 10), 0.0f);
    EXPECT_EQ(geom_snap_to_multiple(6, 10), 10.0f);
    EXPECT_EQ(geom_snap_to_multiple(-6, 10), -10.0f);
    EXPECT_EQ(geom_snap_to_multiple(23, 10), 20.0f);
}

// Contact of discs 2 apart at distance d: the exchange along the line of centres keeps
// momentum (masses are the weights + 0.1) and energy, the tangential parts stay, and
// the discs end d apart.
TEST(GeomContact, DiscsKeepMomentumAndEnergyAndEndApart)
{
    for (float start : {1.2f, 2.0f}) {
        const float d = 2.0f;
        float pa[3] = {0, 5, 0};
        float pb[3] = {start * 0.6f, 5, start * 0.8f};
        float va[3] = {0.3f, 0.7f, 0.2f};
        float vb[3] = {-0.1f, -0.4f, -0.5f};
        const float wa = 1.0f, wb = 2.5f;
        const float ma = wa + 0.1f, mb = wb + 0.1f;
        const float n[2] = {0.6f, 0.8f};
        float momentum[2] = {ma * va[0] + mb * vb[0], ma * va[2] + mb * vb[2]};
        float ua = va[0] * n[0] + va[2] * n[1];
        float ub = vb[0] * n[0] + vb[2] * n[1];
        float energy = ma * ua * ua + mb * ub * ub;
        float ta = va[0] * -n[1] + va[2] * n[0];
        ASSERT_EQ(geom_moving_spheres_contact(pa, va, wa, pb, vb, wb, d), 1) << "from " << start;
        EXPECT_NEAR(ma * va[0] + mb * vb[0], momentum[0], 1e-5f);
        EXPECT_NEAR(ma * va[2] + mb * vb[2], momentum[1], 1e-5f);
        float ua2 = va[0] * n[0] + va[2] * n[1];
        float ub2 = vb[0] * n[0] + vb[2] * n[1];
        EXPECT_NEAR(ma * ua2 * ua2 + mb * ub2 * ub2, energy, 1e-5f);
        EXPECT_NEAR(va[0] * -n[1] + va[2] * n[0], ta, 1e-6f) << "tangential part stays";
        EXPECT_NE(ua2, ua) << "the normal parts were exchanged";
        EXPECT_EQ(va[1], 0.7f) << "only x and z change";
        EXPECT_NEAR(sqrtf((pb[0] - pa[0]) * (pb[0] - pa[0]) + (pb[2] - pa[2]) * (pb[2] - pa[2])), d, 1e-5f);
        EXPECT_EQ(pa[1], 5.0f);
    }
    float pa[3] = {0, 0, 0};
    float pb[3] = {2.01f, 0, 0};
    float v[3] = {1, 0, 0};
    float w[3] = {0, 0, 0};
    EXPECT_EQ(geom_moving_spheres_contact(pa, v, 1, pb, w, 1, 2.0f), 0) << "apart: no contact";
    EXPECT_EQ(v[0], 1.0f);
}

}  // namespace
