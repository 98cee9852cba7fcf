// Hue rotation: luminance kept, grey kept, the angle rules and the byte rules.

#include "render/hue.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

float luminance(int r, int g, int b)
{
    return 0.3086f * r + 0.6094f * g + 0.0820f * b;
}

TEST(HueRotation, ZeroAndFullTurnKeepPixelsOrOneLower)
{
    for (float angle : {0.0f, 360.0f, -360.0f, 720.0f}) {
        hue_set_angle(angle);
        for (int v = 0; v < 256; v += 5) {
            uint8_t px[3] = {(uint8_t)v, (uint8_t)(255 - v), (uint8_t)(v / 2)};
            uint8_t in[3] = {px[0], px[1], px[2]};
            hue_apply_rgb(px, 1, 3, 0);
            for (int c = 0; c < 3; c++) {
                EXPECT_LE(px[c], in[c]) << angle;
                EXPECT_GE(px[c] + 1, in[c]) << angle;
            }
        }
    }
}

TEST(HueRotation, GreyStaysGreyAtEveryAngle)
{
    for (int angle = -180; angle <= 180; angle += 15) {
        hue_set_angle((float)angle);
        for (int v = 0; v < 256; v += 17) {
            uint8_t px[3] = {(uint8_t)v, (uint8_t)v, (uint8_t)v};
            hue_apply_rgb(px, 1, 3, 0);
            for (int c = 0; c < 3; c++) {
                EXPECT_NEAR(px[c], v, 1) << angle << " " << v;
            }
        }
    }
}

TEST(HueRotation, OrangeHalfTurnBecomesSkyBlue)
{
    hue_set_angle(180.0f);
    uint8_t px[3] = {255, 153, 0};
    hue_apply_rgb_clamped(px, 1, 3);
    EXPECT_NEAR(px[0], 88, 2);
    EXPECT_NEAR(px[1], 190, 2);
    EXPECT_EQ(px[2], 255);
}

TEST(HueRotation, LuminanceKeptWhileNothingClips)
{
    // Mid-range colours rotate without clipping; their luminance stays within the
    // rounding of three truncated bytes.
    const int colours[][3] = {{120, 90, 60}, {80, 120, 100}, {100, 100, 140}, {130, 110, 90}};
    for (int angle = -170; angle <= 180; angle += 10) {
        hue_set_angle((float)angle);
        for (const auto &c : colours) {
            uint8_t px[3] = {(uint8_t)c[0], (uint8_t)c[1], (uint8_t)c[2]};
            hue_apply_rgb(px, 1, 3, 0);
            bool clipped = px[0] == 0 || px[0] == 255 || px[1] == 0 || px[1] == 255 || px[2] == 0 || px[2] == 255;
            ASSERT_FALSE(clipped) << angle;
            EXPECT_NEAR(luminance(px[0], px[1], px[2]), luminance(c[0], c[1], c[2]), 1.05f) << angle;
        }
    }
}

TEST(HueRotation, RotationIsATurnAboutGrey)
{
    // Three thirds of a turn come back near the start; one third moves red to green.
    hue_set_angle(120.0f);
    uint8_t px[3] = {200, 60, 60};
    hue_apply_rgb(px, 1, 3, 0);
    EXPECT_GT(px[1], px[0]);
    EXPECT_GT(px[1], px[2]);
    hue_apply_rgb(px, 1, 3, 0);
    hue_apply_rgb(px, 1, 3, 0);
    EXPECT_NEAR(px[0], 200, 8);
    EXPECT_NEAR(px[1], 60, 8);
    EXPECT_NEAR(px[2], 60, 8);
}

TEST(HueRotation, AnglesWrapAndClampAtTheByteRange)
{
    hue_set_angle(540.0f);
    float wrapped[4][4];
    for (int i = 0; i < 4; i++) {
        for (int j = 0; j < 4; j++) {
            wrapped[i][j] = g_hue_matrix[i][j];
        }
    }
    hue_set_angle(180.0f);
    for (int i = 0; i < 4; i++) {
        for (int j = 0; j < 4; j++) {
            EXPECT_FLOAT_EQ(wrapped[i][j], g_hue_matrix[i][j]);
        }
    }
    // Saturated colours leave the cube and are clamped, never wrapped: green turned
    // half way comes out near (310, 55, 310), red a third of the way near (-77, 178, -77).
    hue_set_angle(180.0f);
    uint8_t green[3] = {0, 255, 0};
    hue_apply_rgb(green, 1, 3, 0);
    EXPECT_EQ(green[0], 255);
    EXPECT_NEAR(green[1], 55, 1);
    EXPECT_EQ(green[2], 255);
    hue_set_angle(120.0f);
    uint8_t red[3] = {255, 0, 0};
    hue_apply_rgb(red, 1, 3, 0);
    EXPECT_EQ(red[0], 0);
    EXPECT_NEAR(red[1], 178, 1);
    EXPECT_EQ(red[2], 0);
}

TEST(HueRotation, StrideFourLeavesAlpha)
{
    hue_set_angle(90.0f);
    std::vector<uint8_t> px = {200, 50, 10, 7, 10, 200, 50, 99, 90, 90, 90, 255};
    hue_apply_rgb(px.data(), 3, 4, 0);
    EXPECT_EQ(px[3], 7);
    EXPECT_EQ(px[7], 99);
    EXPECT_EQ(px[11], 255);
    EXPECT_NE(px[0], 200);
    // No pixels, a null buffer or a stride below 3 change nothing.
    std::vector<uint8_t> keep = px;
    hue_apply_rgb(px.data(), 0, 4, 0);
    hue_apply_rgb(px.data(), 2, 2, 0);
    hue_apply_rgb(nullptr, 2, 4, 0);
    EXPECT_EQ(px, keep);
}

}  // namespace
