// Footprints and score numbers without a window: the pools' limits and reuse, the fade of
// a footprint and where its triangle puts the bitmap.

#include "render/footprint.h"

#include "core/file.h"
#include "core/mem.h"
#include "game/frame.h"
#include "render/batch.h"
#include "render/tex.h"
#include "tests/support/log_capture.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class Pools : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        zgl_texture_init();
        zbatch_alloc();
        footprint_init();
        scorepop_alloc();
        g_frame_dt = 1.0f;
    }
    void TearDown() override
    {
        footprint_free();
        scorepop_free();
        zbatch_free();
        file_free_textures();
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
        g_frame_dt = 0.0f;
    }
    // A bone matrix at (x, z) whose first column points along +x.
    static void at(float m[16], float x, float z)
    {
        for (int i = 0; i < 16; i++) {
            m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
        }
        m[12] = x;
        m[14] = z;
    }
    LogCapture log;
};

TEST_F(Pools, AFullFootprintPoolIgnoresTheNext)
{
    float m[16];
    for (int i = 0; i < MAX_FOOTPRINTS; i++) {
        at(m, (float)i, 0.0f);
        footprint_add(m, 1.0f, 50.0f, 0);
    }
    at(m, -7.0f, 3.0f);
    footprint_add(m, 1.0f, 50.0f, 1);
    for (int i = 0; i < MAX_FOOTPRINTS; i++) {
        ASSERT_EQ(g_footprints[i].x, (float)i);
        ASSERT_EQ(g_footprints[i].texture, 0);
    }
    // Once one has faded out, its slot takes the next.
    g_footprints[17].life = 0.0f;
    footprint_add(m, 1.0f, 50.0f, 1);
    EXPECT_EQ(g_footprints[17].x, -7.0f);
    EXPECT_EQ(g_footprints[17].texture, 1);
}

TEST_F(Pools, AFootprintStaysDarkThenFadesLinearly)
{
    float m[16];
    at(m, 4.0f, 5.0f);
    footprint_add(m, 2.0f, 150.0f, 0);
    int last_alpha = 256;
    for (int step = 0; step < 160; step++) {
        float life = g_footprints[0].life;
        zbatch_reset();
        footprint_draw();
        if (life <= 0.0f) {
            EXPECT_EQ(g_batch_face_count, 0) << "a dead footprint is not drawn";
            continue;
        }
        ASSERT_EQ(g_batch_face_count, 1);
        int alpha = (int)(g_batch_vertices[1].colour >> 24);
        EXPECT_EQ(g_batch_vertices[1].colour & 0xffffffu, 0u) << "black";
        if (life >= 99.0f) {
            EXPECT_EQ(alpha, 255) << "life " << life;
        } else {
            // floor(2.56 x life), taken from float bits: one step either way at the edges.
            EXPECT_NEAR(alpha, std::floor(2.56 * life), 1.0) << "life " << life;
        }
        EXPECT_LE(alpha, last_alpha);
        last_alpha = alpha;
    }
    EXPECT_EQ(last_alpha, 2) << "the last step drawn had life 1";
}

TEST_F(Pools, TheBitmapIsCentredOnTheFootprintAtFloorHeight)
{
    float m[16];
    at(m, 10.0f, -6.0f);
    footprint_add(m, 3.0f, 50.0f, 1);
    footprint_draw();
    ASSERT_EQ(g_batch_face_count, 1);
    EXPECT_EQ(g_batch_buckets[500], &g_batch_faces[0]) << "height 0 is bucket 500";
    EXPECT_EQ(g_batch_faces[0].handle, g_footprint_handles[1]);
    const BatchVertex *v = &g_batch_vertices[1];
    // u, v run 0 .. 2 over the triangle: (0.5, 0.5) of the bitmap is its centre.
    float cx = v[0].x + 0.25f * (v[1].x - v[0].x) + 0.25f * (v[2].x - v[0].x);
    float cz = v[0].z + 0.25f * (v[1].z - v[0].z) + 0.25f * (v[2].z - v[0].z);
    EXPECT_NEAR(cx, 10.0f, 1e-4f);
    EXPECT_NEAR(cz, -6.0f, 1e-4f);
    EXPECT_NEAR(std::hypot(v[0].x - 10.0f, v[0].z + 6.0f), 3.0f, 1e-4f) << "a corner is size away";
    for (int k = 0; k < 3; k++) {
        EXPECT_EQ(v[k].y, 0.0f);
    }
}

TEST_F(Pools, AFullScorePopPoolDropsTheNewOneAndReusesExpiredOnes)
{
    const float pos[3] = {1.0f, 2.0f, 3.0f};
    for (int i = 0; i < MAX_SCOREPOPS; i++) {
        scorepop_add(pos, 1.0f + (float)i, 0xffffffffu, i);
    }
    scorepop_add(pos, 5.0f, 0xffffffffu, -1);
    for (int i = 0; i < MAX_SCOREPOPS; i++) {
        ASSERT_EQ(g_scorepops[i].value, i);
    }
    // The first two run out after two frames of life 1: the next two take their places.
    scorepop_update_draw(1.0f);
    scorepop_update_draw(1.0f);
    scorepop_add(pos, 3.0f, 0xffffffffu, -2);
    scorepop_add(pos, 3.0f, 0xffffffffu, -3);
    scorepop_add(pos, 3.0f, 0xffffffffu, -4);
    EXPECT_EQ(g_scorepops[0].value, -2);
    EXPECT_EQ(g_scorepops[1].value, -3);
    EXPECT_EQ(g_scorepops[1].life, 3.0f);
    EXPECT_EQ(g_scorepops[2].value, 2) << "life 3 - 2 is still live; -4 was dropped";
}

}  // namespace
