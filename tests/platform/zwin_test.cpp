// The window layer's arithmetic: mode index clamp and wrap, the gamma ramp, and the
// depth and flags of the mode to set.

#include "platform/zwin.h"

#include "game/settings.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class ZwinModes : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_count = zwin_mode_count;
        const int sizes[5][2] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}};
        for (int i = 0; i < 5; i++) {
            zwin_modes[i] = VideoMode{0, 0, (uint16_t)sizes[i][0], (uint16_t)sizes[i][1]};
        }
        zwin_mode_count = 5;
    }
    void TearDown() override
    {
        zwin_mode_count = saved_count;
        g_render_resolution = 1.0f;
    }
    int saved_count = 0;
};

TEST_F(ZwinModes, ResetClampsAndMenuWrapsAnIndexBeyondTheTable)
{
    g_render_resolution = 7.9f;
    EXPECT_EQ(zwin_reset_index(), 4);
    EXPECT_EQ(g_render_resolution, 4.0f);

    g_render_resolution = 7.9f;
    int w = 0;
    int h = 0;
    zwin_clamp_mode(&w, &h);
    EXPECT_EQ(g_render_resolution, 0.0f);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
}

TEST_F(ZwinModes, NegativeIndexClampsToFirstAndWrapsToLast)
{
    g_render_resolution = -0.5f;   // truncates to 0: a valid index
    EXPECT_EQ(zwin_reset_index(), 0);
    int w = 0;
    int h = 0;
    g_render_resolution = -0.5f;
    zwin_clamp_mode(&w, &h);
    EXPECT_EQ(g_render_resolution, 0.0f);

    g_render_resolution = -1.0f;
    EXPECT_EQ(zwin_reset_index(), 0);
    g_render_resolution = -1.0f;
    zwin_clamp_mode(&w, &h);
    EXPECT_EQ(g_render_resolution, 4.0f);
    EXPECT_EQ(w, 1600);
    EXPECT_EQ(h, 1200);

    g_render_resolution = 2.99f;
    zwin_clamp_mode(&w, &h);
    EXPECT_EQ(w, 1024) << "inside the table the index is kept";
    EXPECT_EQ(g_render_resolution, 2.0f);
}

TEST_F(ZwinModes, EmptyTableNeverIndexesAndFallsBackTo640x480)
{
    zwin_mode_count = 0;
    g_render_resolution = 3.0f;
    EXPECT_EQ(zwin_reset_index(), -1);
    EXPECT_EQ(g_render_resolution, 3.0f) << "the player's choice survives";
    int w = 0;
    int h = 0;
    zwin_clamp_mode(&w, &h);
    EXPECT_EQ(w, ZWIN_FALLBACK_WIDTH);
    EXPECT_EQ(h, ZWIN_FALLBACK_HEIGHT);
    EXPECT_EQ(g_render_resolution, 3.0f);
}

TEST(ZwinGamma, RampsForDarkNeutralAndBright)
{
    uint16_t ramp[ZWIN_GAMMA_SIZE];
    zwin_gamma_ramp(0.5f, ramp);
    for (int i = 0; i < ZWIN_GAMMA_SIZE; i++) {
        ASSERT_EQ(ramp[i], i * 256) << i;
    }
    zwin_gamma_ramp(0.0f, ramp);
    for (int i = 0; i <= 127; i++) {
        ASSERT_EQ(ramp[i], 0) << i;
    }
    EXPECT_EQ(ramp[128], 128);
    EXPECT_EQ(ramp[255], 255 * 256 - 32640);
    zwin_gamma_ramp(1.0f, ramp);
    EXPECT_EQ(ramp[0], 32640);
    EXPECT_EQ(ramp[127], 127 * 256 + 32640);
    for (int i = 128; i < ZWIN_GAMMA_SIZE; i++) {
        ASSERT_EQ(ramp[i], 65280) << i;
    }
}

TEST(ZwinVideoMode, DepthAndFlagsFollowFullScreenAndColourDepth)
{
    float saved_full = g_render_fullscreen;
    float saved_depth = g_render_colourdepth;
    g_render_fullscreen = 1.0f;
    g_render_colourdepth = 1.0f;
    EXPECT_EQ(zwin_mode_depth(), 16);
    EXPECT_EQ(zwin_mode_flags(), (uint32_t)(SDL_OPENGL | SDL_FULLSCREEN));
    g_render_colourdepth = 2.0f;
    EXPECT_EQ(zwin_mode_depth(), 32);
    g_render_colourdepth = 1.5f;
    EXPECT_EQ(zwin_mode_depth(), 32) << "only exactly 1 means 16 bits";

    for (float windowed : {0.0f, 0.5f, -1.0f, 2.0f}) {
        g_render_fullscreen = windowed;
        g_render_colourdepth = 1.0f;
        EXPECT_EQ(zwin_mode_depth(), 0) << windowed << ": the desktop's depth";
        EXPECT_EQ(zwin_mode_flags(), (uint32_t)SDL_OPENGL) << windowed;
    }
    g_render_fullscreen = saved_full;
    g_render_colourdepth = saved_depth;
}

} // namespace
