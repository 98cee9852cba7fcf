// rec_fixture.h -- the set-up of the recorder tests: GL "up" through the stand-in, an
// empty texture cache and face batch, a clean pool.
#pragma once

#include "core/file.h"
#include "core/mem.h"
#include "game/settings.h"
#include "render/batch.h"
#include "render/tex.h"
#include "render/zgl.h"
#include "tests/render/gl_recorder.h"
#include "tests/support/log_capture.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

class Recorded : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        glrec_reset();
        g_render_alternaterenderpath = 0.0f;
        zgl_init_gl();
        zgl_texture_init();
        zbatch_alloc();
        glrec_events().clear();
    }
    void TearDown() override
    {
        zbatch_free();
        file_free_textures();
        EXPECT_EQ(mem_usage, 0u) << "a pool block leaked";
        mem_init();
        g_render_alternaterenderpath = 0.0f;
        g_bitmaps_dir[0] = 0;
    }
    // GL has what the cache says: the bound name, and the blend function of the current
    // handle's additive bit.
    static void expect_cache_true(const char *where)
    {
        EXPECT_EQ(glrec_state().bound, g_bound_texture) << where;
        unsigned want = (g_current_handle & TEX_ADDITIVE) ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA;
        EXPECT_EQ(glrec_state().blend_dst, want) << where;
        EXPECT_EQ(glrec_state().blend_src, (unsigned)GL_SRC_ALPHA) << where;
    }
    LogCapture log;
};
