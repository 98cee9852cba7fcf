// The face batch in a real context: both draw paths give the same pixels for overlapping
// translucent faces produced in random order, the higher drawn over the lower; and the
// generated footprints as they lie on the floor under the play camera.

#include "tests/render/gl_fixture.h"

#include "core/mt.h"
#include "game/frame.h"
#include "render/camera.h"
#include "render/footprint.h"

#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>

namespace {

class GlBatch : public GlScene {
protected:
    void SetUp() override
    {
        GlScene::SetUp();
        mt_seed(11);
        camera_defaults();
        camera_matrix();
        zgl_disable_depth_test();
        zgl_enable_blend();
        zgl_depth_mask_off();
    }
    void TearDown() override
    {
        footprint_free();
        g_camera = CameraState{};
        GlScene::TearDown();
    }
    // A square of the floor at a height, as a batch item of two faces.
    static void add_square(uint32_t handle, float cx, float cz, float half, float y, uint32_t rgba)
    {
        int first = 0;
        BatchVertex *v = zbatch_reserve(4, 2, &first);
        ASSERT_NE(v, nullptr);
        v[0] = {cx - half, y, cz - half, 0, 0, rgba};
        v[1] = {cx + half, y, cz - half, 1, 0, rgba};
        v[2] = {cx + half, y, cz + half, 1, 1, rgba};
        v[3] = {cx - half, y, cz + half, 0, 1, rgba};
        uint32_t n = (uint32_t)first;
        int bucket = zbatch_bucket_of_height(y);
        zbatch_add_face(n, n + 1, n + 2, handle, bucket);
        zbatch_add_face(n, n + 2, n + 3, handle, bucket);
    }
    // The window pixel of a world point under the current modelview and projection.
    static void window_of(const float p[3], int *x, int *y)
    {
        GLdouble mv[16], pr[16], wx, wy, wz;
        GLint vp[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, mv);
        glGetDoublev(GL_PROJECTION_MATRIX, pr);
        glGetIntegerv(GL_VIEWPORT, vp);
        gluProject(p[0], p[1], p[2], mv, pr, vp, &wx, &wy, &wz);
        *x = (int)wx;
        *y = (int)wy;
    }
};

TEST_F(GlBatch, BothPathsDrawTheSamePixelsHigherOverLower)
{
    write_rgb_bitmap(dir, "white.bmp", 16, 16, [](int x, int y) {
        uint8_t v = (uint8_t)(((x / 4 + y / 4) & 1) ? 255 : 200);
        return std::array<uint8_t, 3>{v, v, v};
    });
    write_rgb_bitmap(dir, "glow.bmp", 16, 16, [](int x, int y) {
        return std::array<uint8_t, 3>{(uint8_t)(x * 16), 90, (uint8_t)(y * 16)};
    });
    const uint32_t plain = zgl_texture_record_handle(request_texture("white.bmp", TEX_OWNED | TEX_RGBA));
    const uint32_t plain2 = zgl_texture_record_handle(request_texture("white.bmp", TEX_OWNED));
    const uint32_t glow = zgl_texture_record_handle(request_texture("glow.bmp", TEX_OWNED | TEX_ADDITIVE));
    const uint32_t handles[3] = {plain, plain2, glow};

    // The named pair: red above green where they overlap.
    struct Square {
        uint32_t handle;
        float x, z, half, y;
        uint32_t rgba;
    };
    std::vector<Square> squares = {
        {plain2, -25.0f, 0.0f, 8.0f, 20.0f, 0xc00000ffu},   // red, higher
        {plain2, -19.0f, 0.0f, 8.0f, 5.0f, 0xc000ff00u},    // green, lower
    };
    for (int i = 0; i < 40; i++) {
        float x = (float)(mt_rand() % 40);
        float z = (float)(mt_rand() % 100) - 50.0f;
        float y = (float)(mt_rand() % 30);
        uint32_t rgba = (0x60u + (mt_rand() % 0x80u)) << 24 | (mt_rand() & 0xffffffu);
        squares.push_back({handles[mt_rand() % 3], x, z, 3.0f + (float)(mt_rand() % 6), y, rgba});
    }
    std::vector<uint8_t> screens[2];
    for (int path = 0; path < 2; path++) {
        g_render_alternaterenderpath = (float)path;
        clear_to(0.15f, 0.15f, 0.2f);
        zgl_blend_normal();
        zbatch_reset();
        std::vector<Square> order = squares;
        std::shuffle(order.begin(), order.end(), std::minstd_rand(path + 1));
        for (const Square &s : order) {
            add_square(s.handle, s.x, s.z, s.half, s.y, s.rgba);
        }
        zbatch_flush();
        zbatch_unlock_arrays();
        screens[path] = gl_read_screen(W, H);
        gl_save_screen(path ? "batch_expanded" : "batch_indexed", W, H);
    }
    ASSERT_EQ(screens[0].size(), screens[1].size());
    size_t differing = 0;
    for (size_t i = 0; i < screens[0].size(); i++) {
        differing += screens[0][i] != screens[1][i];
    }
    EXPECT_EQ(differing, 0u) << "the two paths differ";

    // Where only the red and the green square overlap, red lies on top.
    const float overlap[3] = {-22.0f, 20.0f, 0.0f};
    int x, y;
    window_of(overlap, &x, &y);
    std::array<int, 3> p = gl_pixel(x, y);
    EXPECT_GT(p[0], 140) << "red on top";
    EXPECT_LT(p[1], 80) << "green under it";
}

TEST_F(GlBatch, FootprintsLieOnTheFloor)
{
    // The generated prints, as the game loads them.
    for (const char *name : {"z_footprint1.bmp", "z_footprint2.bmp"}) {
        std::filesystem::create_directories("bitmaps");
        std::filesystem::copy_file(std::string(GLIMMERFALL_ASSETS) + "/styles/bitmaps/" + name, bitmap_path(name));
    }
    footprint_init();
    ASSERT_NE(g_footprint_handles[0] & TEX_NAME_MASK, g_footprint_handles[1] & TEX_NAME_MASK);
    EXPECT_EQ(log.errors(), 0);
    // A walk across the floor: clawed prints turning left and right, then round pads, the
    // oldest fading out.
    float m[16];
    for (int i = 0; i < 12; i++) {
        float heading = (float)(i * 30) * 0.017453292f;
        for (int k = 0; k < 16; k++) {
            m[k] = (k % 5 == 0) ? 1.0f : 0.0f;
        }
        m[0] = std::cos(heading);
        m[2] = -std::sin(heading);
        m[8] = std::sin(heading);
        m[10] = std::cos(heading);
        m[12] = -40.0f + (float)i * 7.0f;
        m[14] = (i & 1) ? -8.0f : 8.0f;
        footprint_add(m, 2.0f + (float)(i % 3), 200.0f - (float)i * 12.0f, i >= 8);
    }
    clear_to(0.45f, 0.42f, 0.38f);
    g_frame_dt = 0.0f;
    footprint_draw();
    zbatch_flush();
    zbatch_unlock_arrays();
    gl_save_screen("footprints", W, H);

    // A round pad's middle is dark; the far corner of its triangle, clamped border, is floor.
    const Footprint &pad = g_footprints[8];
    const float middle[3] = {pad.x, 0.0f, pad.z};
    int x, y;
    window_of(middle, &x, &y);
    std::array<int, 3> dark = gl_pixel(x, y);
    EXPECT_LT(dark[0], 30) << "the pad darkens the floor";
    // The point of u, v = (1.5, 0.2) in the triangle: beyond the bitmap's right edge.
    zbatch_reset();
    footprint_emit(&pad, pad.size, pad.angle, 0xff000000u, g_footprint_handles[1]);
    const BatchVertex *v = &g_batch_vertices[1];
    float corner[3];
    corner[0] = v[0].x + 0.75f * (v[1].x - v[0].x) + 0.1f * (v[2].x - v[0].x);
    corner[1] = 0.0f;
    corner[2] = v[0].z + 0.75f * (v[1].z - v[0].z) + 0.1f * (v[2].z - v[0].z);
    window_of(corner, &x, &y);
    expect_rgb(x, y, 115, 107, 97, 1, "the clamped border leaves the floor");
}

}  // namespace
