// The face batch through the GL recorder: the order of draws and switches within and
// across buckets, the empty frame, both draw paths, the bucket edges and the pool limits.

#include "tests/render/rec_fixture.h"

#include "core/mt.h"

#include <string>
#include <vector>

namespace {

constexpr uint32_t HANDLE_A = TEX_OWNED | 5;
constexpr uint32_t HANDLE_B = TEX_OWNED | TEX_ADDITIVE | 6;
constexpr uint32_t HANDLE_D = TEX_OWNED | 7;

class Batch : public Recorded {
protected:
    // One face at one height; its vertices carry its id in x, so draws can be read back.
    static void add_face(uint32_t handle, float height, float id)
    {
        int first = 0;
        BatchVertex *v = zbatch_reserve(3, 1, &first);
        ASSERT_NE(v, nullptr);
        for (int k = 0; k < 3; k++) {
            v[k] = {id, height, (float)k, 0.0f, 0.0f, 0xff000000u | (uint32_t)id};
        }
        uint32_t n = (uint32_t)first;
        zbatch_add_face(n, n + 1, n + 2, handle, zbatch_bucket_of_height(height));
    }
    // The drawn faces as (texture, face id), one entry per triangle, in draw order.
    static std::vector<std::pair<unsigned, int>> drawn()
    {
        std::vector<std::pair<unsigned, int>> out;
        for (const GlEvent &e : glrec_events()) {
            if (e.op != GlOp::DrawElements && e.op != GlOp::DrawArrays) {
                continue;
            }
            for (size_t i = 0; i < e.positions.size(); i += 3) {
                out.push_back({e.texture, (int)e.positions[i][0]});
            }
        }
        return out;
    }
    static std::vector<unsigned> binds()
    {
        std::vector<unsigned> out;
        for (const GlEvent &e : glrec_only(GlOp::Bind)) {
            out.push_back(e.texture);
        }
        return out;
    }
};

TEST_F(Batch, AnEmptyFrameDrawsNothing)
{
    zbatch_flush();
    EXPECT_TRUE(glrec_only(GlOp::DrawElements).empty());
    EXPECT_TRUE(glrec_only(GlOp::DrawArrays).empty());
    EXPECT_EQ(g_batch_vertex_count, 1);
    EXPECT_EQ(g_batch_max_faces, 0);
}

TEST_F(Batch, FacesOfTheCurrentHandleGoFirstInTheirBucket)
{
    zgl_texture_bind(HANDLE_A);
    // Pushed at the head: the bucket lists them A(3), B(2), A(1).
    add_face(HANDLE_A, 10.0f, 1);
    add_face(HANDLE_B, 10.0f, 2);
    add_face(HANDLE_A, 10.0f, 3);
    glrec_events().clear();
    zbatch_flush();
    using P = std::pair<unsigned, int>;
    EXPECT_EQ(drawn(), (std::vector<P>{{5, 3}, {5, 1}, {6, 2}}));
    EXPECT_EQ(binds(), std::vector<unsigned>{6});
    std::vector<GlEvent> draws = glrec_only(GlOp::DrawElements);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].count, 6);
    EXPECT_EQ(draws[0].dst, (unsigned)GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(draws[1].count, 3);
    EXPECT_EQ(draws[1].dst, (unsigned)GL_ONE) << "B is additive";
    // Each draw names only the vertices of its faces, packed from the start: GL copies
    // every vertex between a draw's lowest and highest index.
    EXPECT_EQ(draws[0].lo, 0);
    EXPECT_EQ(draws[0].hi, 5) << "A's two faces, six vertices";
    EXPECT_EQ(draws[1].lo, 0);
    EXPECT_EQ(draws[1].hi, 2) << "B's one face, three vertices";
}

TEST_F(Batch, OtherHandlesAreGroupedInOrderOfFirstAppearance)
{
    zgl_texture_bind(HANDLE_A);
    add_face(HANDLE_B, 10.0f, 1);
    add_face(HANDLE_D, 10.0f, 2);
    add_face(HANDLE_B, 10.0f, 3);
    glrec_events().clear();
    zbatch_flush();
    using P = std::pair<unsigned, int>;
    EXPECT_EQ(drawn(), (std::vector<P>{{6, 3}, {6, 1}, {7, 2}}));
    EXPECT_EQ(binds(), (std::vector<unsigned>{6, 7})) << "one switch to B, one to D";
    EXPECT_EQ(glrec_only(GlOp::DrawElements).size(), 2u);
}

TEST_F(Batch, LowestGeometryIsDrawnFirst)
{
    EXPECT_EQ(zbatch_bucket_of_height(600.0f), 0);
    EXPECT_EQ(zbatch_bucket_of_height(-20.0f), 520);
    EXPECT_EQ(zbatch_bucket_of_heights(600.0f, 600.0f, 600.0f), 0);
    EXPECT_EQ(zbatch_bucket_of_heights(-20.0f, -20.0f, -20.0f), 520);
    EXPECT_EQ(zbatch_bucket_of_height(0.0f), 500);
    EXPECT_EQ(zbatch_bucket_of_height(499.5f), 0);
    EXPECT_EQ(zbatch_bucket_of_height(-523.5f), 1023);
    // Below the scale's reach the float trick would wrap to the top buckets: the lowest
    // geometry's bucket instead.
    for (float y : {-524.0f, -600.0f, -5000.0f, -1.0e30f}) {
        EXPECT_EQ(zbatch_bucket_of_height(y), 1023) << y;
        EXPECT_EQ(zbatch_bucket_of_heights(y, y, y), 1023) << y;
    }

    zgl_texture_bind(HANDLE_A);
    add_face(HANDLE_A, 600.0f, 1);
    add_face(HANDLE_A, -20.0f, 2);
    add_face(HANDLE_A, -600.0f, 3);
    add_face(HANDLE_A, 30.0f, 4);
    glrec_events().clear();
    zbatch_flush();
    using P = std::pair<unsigned, int>;
    EXPECT_EQ(drawn(), (std::vector<P>{{5, 3}, {5, 2}, {5, 4}, {5, 1}}));
}

TEST_F(Batch, BothPathsDrawTheSameFacesWithTheSameSwitches)
{
    const uint32_t handles[3] = {HANDLE_A, HANDLE_B, HANDLE_D};
    auto fill = [&]() {
        mt_seed(77);
        for (int i = 1; i <= 60; i++) {
            add_face(handles[mt_rand() % 3], (float)(mt_rand() % 7) * 3.0f, (float)i);
        }
    };
    std::vector<std::vector<GlEvent>> runs;
    for (float path : {0.0f, 1.0f}) {
        g_render_alternaterenderpath = path;
        zgl_reset_draw_state();
        zbatch_reset();
        fill();
        glrec_events().clear();
        g_batch_max_expanded = 0;
        zbatch_flush();
        std::vector<GlEvent> draws;
        for (const GlEvent &e : glrec_events()) {
            if (e.op == GlOp::DrawElements || e.op == GlOp::DrawArrays) {
                draws.push_back(e);
            }
        }
        runs.push_back(draws);
    }
    ASSERT_EQ(runs[0].size(), runs[1].size());
    ASSERT_GT(runs[0].size(), 3u);
    int largest = 0;
    for (size_t i = 0; i < runs[0].size(); i++) {
        EXPECT_EQ(runs[0][i].op, GlOp::DrawElements);
        EXPECT_EQ(runs[1][i].op, GlOp::DrawArrays);
        EXPECT_EQ(runs[0][i].texture, runs[1][i].texture) << "draw " << i;
        EXPECT_EQ(runs[0][i].dst, runs[1][i].dst) << "draw " << i;
        EXPECT_EQ(runs[0][i].positions, runs[1][i].positions) << "draw " << i;
        EXPECT_EQ(runs[0][i].colours, runs[1][i].colours) << "draw " << i;
        largest = std::max(largest, runs[1][i].count);
    }
    EXPECT_EQ(g_batch_max_expanded, largest);
    EXPECT_EQ(largest % 3, 0);
}

TEST_F(Batch, FacesWithoutATextureAreNotDrawn)
{
    zgl_texture_bind(HANDLE_A);
    add_face(HANDLE_A, 10.0f, 1);
    add_face(0, 10.0f, 2);
    add_face(HANDLE_A, 10.0f, 3);
    glrec_events().clear();
    zbatch_flush();
    using P = std::pair<unsigned, int>;
    EXPECT_EQ(drawn(), (std::vector<P>{{5, 3}, {5, 1}}));
}

TEST_F(Batch, AnItemThatDoesNotFitAddsNothingAndIsCounted)
{
    int first = 0;
    for (int i = 0; i < BATCH_MAX_FACES; i++) {
        ASSERT_NE(zbatch_reserve(2, 1, &first), nullptr) << i;
        zbatch_add_face(first, first + 1, first, HANDLE_A, 3);
    }
    EXPECT_EQ(log.errors(), 0);
    int vertices = g_batch_vertex_count;
    EXPECT_EQ(zbatch_reserve(2, 1, &first), nullptr) << "the face pool is full";
    EXPECT_EQ(zbatch_reserve(0, 1, &first), nullptr);
    EXPECT_EQ(g_batch_vertex_count, vertices) << "nothing of a refused item is written";
    EXPECT_EQ(g_batch_dropped, 2);
    EXPECT_EQ(log.count("*** [zgl] BATCH_MAX_FACES reached. Increase #define value. :)"), 1) << "once a level";

    zbatch_reset();
    ASSERT_NE(zbatch_reserve(BATCH_MAX_VERTICES - 2, 0, &first), nullptr);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(zbatch_reserve(2, 1, &first), nullptr) << "vertex 0 is never written: one vertex short";
    EXPECT_EQ(g_batch_face_count, 0);
    EXPECT_EQ(log.errors(), 1) << "still the level's first drop only";

    zbatch_level_start();
    EXPECT_EQ(log.count("[zgl] batch items dropped last level: 3"), 1);
    EXPECT_EQ(zbatch_reserve(2, 0, &first), nullptr);
    EXPECT_EQ(log.count("*** [zgl] BATCH_MAX_VERTICES reached. Increase #define value. :)"), 1)
        << "a new level logs its first drop again";
    zbatch_flush();
    EXPECT_EQ(g_batch_vertex_count, 1);
}

}  // namespace
