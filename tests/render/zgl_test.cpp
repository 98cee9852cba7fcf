// GL state without a context: the extension word search and the background hue bag.

#include "render/zgl.h"

#include "core/mt.h"
#include "tests/support/log_capture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

TEST(ZglExtensions, OnlyWholeWordsCount)
{
    const char *name = "GL_EXT_compiled_vertex_array";
    EXPECT_EQ(zgl_extension_in_list("GL_ARB_multitexture GL_EXT_compiled_vertex_array", name), 1)
        << "the last word";
    EXPECT_EQ(zgl_extension_in_list("GL_EXT_compiled_vertex_array GL_EXT_x", name), 1);
    EXPECT_EQ(zgl_extension_in_list("GL_EXT_compiled_vertex_array_longer GL_EXT_x", name), 0);
    EXPECT_EQ(zgl_extension_in_list("XGL_EXT_compiled_vertex_array", name), 0);
    EXPECT_EQ(zgl_extension_in_list("GL_EXT_compiled_vertex_array_2 GL_EXT_compiled_vertex_array", name), 1)
        << "the search goes on past a longer name";
    EXPECT_EQ(zgl_extension_in_list("GL_A GL_B", ""), 0);
    EXPECT_EQ(zgl_extension_in_list("GL_A GL_B", "GL_A GL_B"), 0) << "a name with a blank";
    EXPECT_EQ(zgl_extension_in_list(nullptr, name), 0);
}

// The base hue (0, 60, ... 300) a pick was jittered from: jitter lies in [-30, 30).
int base_of(float hue)
{
    return (((int)std::floor((hue + 30.0f) / 60.0f)) % 6 + 6) % 6;
}

TEST(ZglHueBag, SixPicksAfterARefillTakeEachHueOnce)
{
    mt_seed(1234);
    g_hue_bag_count = 0;
    g_hue_bag[0] = 100.0f;
    float first = zgl_pick_background_hue();
    EXPECT_GE(first, 70.0f) << "the first pick is the hue drawn at start-up";
    EXPECT_LT(first, 130.0f);
    EXPECT_EQ(g_hue_bag_count, 6);
    for (int round = 0; round < 3; round++) {
        std::set<int> bases;
        for (int i = 0; i < 6; i++) {
            float hue = zgl_pick_background_hue();
            EXPECT_GE(hue, -180.0f);
            EXPECT_LE(hue, 180.0f);
            EXPECT_EQ(hue, g_background_hue);
            bases.insert(base_of(hue));
        }
        EXPECT_EQ(bases.size(), 6u) << "round " << round;
        EXPECT_EQ(g_hue_bag_count, 6) << "the sixth pick refilled the bag";
    }
}

TEST(ZglHueBag, PickRemovesTheDrawnHueKeepingTheOrder)
{
    mt_seed(99);
    g_hue_bag_count = 6;
    for (int i = 0; i < 6; i++) {
        g_hue_bag[i] = 60.0f * (float)i;
    }
    float hue = zgl_pick_background_hue();
    EXPECT_EQ(g_hue_bag_count, 5);
    int removed = base_of(hue);
    int k = 0;
    for (int base = 0; base < 6; base++) {
        if (base != removed) {
            EXPECT_EQ(g_hue_bag[k++], 60.0f * (float)base);
        }
    }
}

} // namespace

namespace {

TEST(ZglNoContext, FlushAndStopDoNothingBeforeInit)
{
    ASSERT_EQ(g_gl_ready, 0);
    LogCapture log;
    zgl_stop();
    zgl_flush();
    zgl_check_error(21);
    zgl_set_pixel_alignment(8);
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(g_pixel_alignment, 9) << "nothing was set without a context";
}

} // namespace
