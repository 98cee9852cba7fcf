// gl_fixture.h -- the set-up of render's GL tests: one window for the suite, then per test
// a fresh GL state, an empty texture cache and face batch, a clean pool, and a working
// folder with the test bitmaps under "bitmaps/".
#pragma once

#include "core/file.h"
#include "core/mem.h"
#include "game/settings.h"
#include "render/batch.h"
#include "render/tex.h"
#include "render/zgl.h"
#include "tests/render/tex_files.h"
#include "tests/support/gl_window.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

class GlScene : public ::testing::Test {
protected:
    static constexpr int W = 640;
    static constexpr int H = 480;
    static void SetUpTestSuite() { ASSERT_TRUE(gl_window_open(W, H)); }
    static void TearDownTestSuite() { gl_window_close(); }
    void SetUp() override
    {
        mem_init();
        // Textures as the tests' pictures expect them: 32 bits, no trilinear filter,
        // whatever settings another test registered.
        g_render_16bittexture = 0.0f;
        g_render_trilinear = 0.0f;
        g_render_alternaterenderpath = 0.0f;
        use_test_bitmaps();
        zgl_init_gl();
        zgl_setup_view(W, H);
        zgl_texture_init();
        zbatch_alloc();
    }
    void TearDown() override
    {
        zbatch_free();
        zgl_texture_free_all();
        zgl_reset_draw_state();
        file_free_textures();
        EXPECT_EQ(mem_usage, 0u) << "a pool block leaked";
        mem_init();
        g_bitmaps_dir[0] = 0;
        g_render_16bittexture = 0.0f;
        g_render_trilinear = 0.0f;
        g_render_alternaterenderpath = 0.0f;
    }
    static void clear_to(float r, float g, float b)
    {
        glClearColor(r, g, b, 1.0f);
        zgl_clear();
    }
    static void expect_rgb(int x, int y, int r, int g, int b, int tolerance, const char *what)
    {
        std::array<int, 3> p = gl_pixel(x, y);
        EXPECT_NEAR(p[0], r, tolerance) << what << " at " << x << "," << y;
        EXPECT_NEAR(p[1], g, tolerance) << what << " at " << x << "," << y;
        EXPECT_NEAR(p[2], b, tolerance) << what << " at " << x << "," << y;
    }
    TempDir dir{true};
    LogCapture log;
};
