// GL state in a real context (under X): the state after zgl_init_gl, the projection and
// its view-volume corners, the fade quad's pixels, clear colours and the caches.

#include "render/zgl.h"

#include "game/settings.h"
#include "platform/zwin.h"
#include "tests/support/log_capture.h"

#include <GL/gl.h>
#include <SDL.h>
#include <cstdlib>
#include <cmath>
#include <gtest/gtest.h>

namespace {

class ZglContext : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The test X server now and then resets a connection opened right after
        // another one closed; SDL then reports that it cannot open the display.
        // Only X: SDL would otherwise fall back to a text-mode driver.
        setenv("SDL_VIDEODRIVER", "x11", 1);
        int result = -1;
        for (int attempt = 0; attempt < 5 && result != 0; attempt++) {
            result = SDL_Init(SDL_INIT_VIDEO);
        }
        ASSERT_EQ(result, 0) << SDL_GetError();
        g_render_fullscreen = 0.0f;
        g_video_width = 640;
        g_video_height = 480;
        ASSERT_EQ(zwin_set_video_mode(), 1);
    }
    static void TearDownTestSuite() { SDL_Quit(); }

    void SetUp() override
    {
        zgl_init_gl();
        zgl_setup_view(640, 480);
    }

    // One pixel of the back buffer, 0..255 per channel.
    static void pixel(int x, int y, int rgb[3])
    {
        GLubyte p[4] = {0, 0, 0, 0};
        glReadBuffer(GL_BACK);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        for (int i = 0; i < 3; i++) {
            rgb[i] = p[i];
        }
    }

    static void expect_grey(int x, int y, int value)
    {
        int rgb[3];
        pixel(x, y, rgb);
        for (int i = 0; i < 3; i++) {
            EXPECT_NEAR(rgb[i], value, 1) << "pixel " << x << "," << y << " channel " << i;
        }
    }

    LogCapture log;
};

TEST_F(ZglContext, InitSetsTheFixedState)
{
    log.clear();
    zgl_init_gl();
    const GLenum off[] = {GL_NORMALIZE, GL_ALPHA_TEST, GL_BLEND, GL_CULL_FACE, GL_DITHER, GL_DEPTH_TEST,
                          GL_FOG, GL_LINE_STIPPLE, GL_COLOR_LOGIC_OP, GL_POLYGON_STIPPLE, GL_STENCIL_TEST,
                          GL_TEXTURE_1D, GL_SCISSOR_TEST, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R,
                          GL_TEXTURE_GEN_Q, GL_LINE_SMOOTH, GL_POINT_SMOOTH, GL_POLYGON_SMOOTH, GL_LIGHT0,
                          GL_LIGHTING, GL_COLOR_MATERIAL};
    for (GLenum cap : off) {
        EXPECT_FALSE(glIsEnabled(cap)) << std::hex << cap;
    }
    const GLenum on[] = {GL_TEXTURE_2D, GL_VERTEX_ARRAY, GL_COLOR_ARRAY, GL_TEXTURE_COORD_ARRAY};
    for (GLenum cap : on) {
        EXPECT_TRUE(glIsEnabled(cap)) << std::hex << cap;
    }
    auto integer = [](GLenum what) {
        GLint v = -1;
        glGetIntegerv(what, &v);
        return v;
    };
    EXPECT_EQ(integer(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_EQ(integer(GL_FRONT_FACE), GL_CCW);
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_LEQUAL);
    EXPECT_EQ(integer(GL_PACK_ALIGNMENT), 1);
    EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 1);
    EXPECT_EQ(integer(GL_SHADE_MODEL), GL_SMOOTH);
    EXPECT_EQ(integer(GL_PERSPECTIVE_CORRECTION_HINT), GL_FASTEST);
    EXPECT_EQ(integer(GL_FOG_HINT), GL_FASTEST);
    EXPECT_EQ(integer(GL_POLYGON_SMOOTH_HINT), GL_FASTEST);
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);

    GLint v = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &v);
    EXPECT_EQ(v, GL_MODULATE);
    const GLenum params[][2] = {{GL_TEXTURE_WRAP_S, GL_REPEAT}, {GL_TEXTURE_WRAP_T, GL_REPEAT},
                                {GL_TEXTURE_MAG_FILTER, GL_LINEAR}, {GL_TEXTURE_MIN_FILTER, GL_LINEAR}};
    for (const auto &p : params) {
        glGetTexParameteriv(GL_TEXTURE_2D, p[0], &v);
        EXPECT_EQ(v, (GLint)p[1]) << std::hex << p[0];
    }
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &v);
    EXPECT_EQ(v, GL_OBJECT_LINEAR);
    GLfloat plane[4];
    glGetTexGenfv(GL_S, GL_OBJECT_PLANE, plane);
    EXPECT_FLOAT_EQ(plane[0], 0.1f);
    EXPECT_EQ(plane[1] + plane[2] + plane[3], 0.0f);
    glGetTexGenfv(GL_T, GL_OBJECT_PLANE, plane);
    EXPECT_FLOAT_EQ(plane[2], 0.1f);
    EXPECT_EQ(plane[0] + plane[1] + plane[3], 0.0f);

    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    for (int i = 0; i < 16; i++) {
        EXPECT_EQ(m[i], (i % 5 == 0) ? 1.0f : 0.0f);
    }
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(clear[0] + clear[1] + clear[2], 0.0f);
    EXPECT_EQ(clear[3], 1.0f);
    EXPECT_EQ(g_background_colour[0] + g_background_colour[1] + g_background_colour[2], 0.0f);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

    EXPECT_EQ(g_gl_ready, 1);
    EXPECT_EQ(g_voodoo, 0);
    EXPECT_EQ(g_hue_bag_count, 0);
    EXPECT_GE(g_background_hue, -180.0f);
    EXPECT_LE(g_background_hue, 180.0f);
    EXPECT_EQ(log.count_containing("[gl] vendor "), 1);
    EXPECT_EQ(log.errors(), 0);
    bool cva = zgl_has_extension("GL_EXT_compiled_vertex_array");
    EXPECT_EQ(g_lock_arrays_fn != nullptr, cva);
    EXPECT_EQ(g_unlock_arrays_fn != nullptr, cva);
    EXPECT_EQ(log.count_containing("[gl] GL_EXT_compiled_vertex_array "), cva ? 1 : 0);
}

TEST_F(ZglContext, ProjectionCornersMatchTheFieldOfView)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 480);
    GLboolean mask = GL_TRUE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_EQ(mask, GL_FALSE) << "left off after the view set-up";
    EXPECT_EQ(g_fov, 45.0f);
    EXPECT_NEAR(g_camera_height, 115.0f, 1e-4f);
    EXPECT_FLOAT_EQ(g_aspect, 640.0f / 480.0f);

    // Half the near plane's height is tan(22.5 degrees); its width is 4/3 of that.
    const float y = 0.41421356f;
    const float x = y * 4.0f / 3.0f;
    const float near[4][3] = {{-x, -y, -1.0f}, {x, -y, -1.0f}, {x, y, -1.0f}, {-x, y, -1.0f}};
    for (int c = 0; c < 4; c++) {
        for (int i = 0; i < 3; i++) {
            EXPECT_NEAR(g_frustum_eye_corners[c][i], near[c][i], 1e-4f) << "near corner " << c;
            EXPECT_NEAR(g_frustum_eye_corners[c + 4][i], 1000.0f * near[c][i], 0.5f) << "far corner " << c;
        }
    }

    zgl_setup_view(800, 400);
    EXPECT_FLOAT_EQ(g_aspect, 2.0f);
    EXPECT_NEAR(g_frustum_eye_corners[2][0], 2.0f * y, 1e-4f);
    zgl_set_projection_only(15.0f);
    EXPECT_EQ(g_fov, 60.0f);
    EXPECT_NEAR(g_camera_height, 87.5f, 1e-4f);
    EXPECT_NEAR(g_frustum_eye_corners[2][1], 0.57735027f, 1e-4f) << "tan 30 degrees";
}

TEST_F(ZglContext, FadeQuadCoversTheScreenWithItsAlpha)
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const struct {
        float alpha;
        int grey;
        int expected;   // over white: 255 (1 - alpha) + 255 alpha colour
    } cases[] = {{0.5f, 1, 154}, {0.6f, 0, 102}, {1.0f, 1, 53}, {1.0f, 0, 0}};
    for (const auto &c : cases) {
        zgl_set_background_rgb(255.0f, 255.0f, 255.0f, 1.0f);
        zgl_clear();
        zgl_set_overlay_matrix();
        zgl_draw_fade_quad(c.alpha, c.grey);
        expect_grey(0, 0, c.expected);
        expect_grey(639, 479, c.expected);
        expect_grey(320, 240, c.expected);
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    }
    glDisable(GL_BLEND);
}

TEST_F(ZglContext, ClearColoursClampEaseAndBrighten)
{
    GLfloat clear[4];
    zgl_set_background_rgb(510.0f, 0.0f, -5.0f, 1.0f);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(clear[0], 1.0f);
    EXPECT_EQ(clear[1], 0.0f);
    EXPECT_EQ(clear[2], 0.0f);
    EXPECT_EQ(g_background_colour[0], 1.0f);
    EXPECT_EQ(g_background_colour[2], 0.0f);

    g_clear_colour[0] = g_clear_colour[1] = g_clear_colour[2] = 0.0f;
    for (int i = 0; i < 100; i++) {
        zgl_fade_clear_to_a();
    }
    float expected = 0.12941177f * (1.0f - std::pow(0.99f, 100.0f));
    EXPECT_NEAR(g_clear_colour[1], expected, 1e-5f) << "time constant of 100 calls";
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(clear[1], g_clear_colour[1]);

    float before = g_clear_colour[0];
    zgl_fade_clear_to_b();
    EXPECT_FLOAT_EQ(g_clear_colour[0], 0.99f * before + 0.01f * 0.20784315f);
    zgl_restore_clear_colour();
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(clear[2], 0.12941177f);

    zgl_set_background_rgb(127.5f, 51.0f, 255.0f, 1.0f);
    zgl_brighten_background();
    EXPECT_FLOAT_EQ(g_background_colour[0], 0.75f);
    EXPECT_FLOAT_EQ(g_background_colour[1], 0.3f);
    EXPECT_FLOAT_EQ(g_background_colour[2], 1.5f) << "not clamped; GL clamps";
}

TEST_F(ZglContext, BackgroundColourIsTheOrangeAtTheLevelsHue)
{
    g_background_hue = 0.0f;
    EXPECT_EQ(zgl_set_background_colour(0.0f, 100.0f), 0.0f);
    const float tolerance = 1.5f / 255.0f;   // the hue matrix may lose one step
    EXPECT_NEAR(g_background_colour[0], 1.0f, tolerance);
    EXPECT_NEAR(g_background_colour[1], 0.6f, tolerance);
    EXPECT_NEAR(g_background_colour[2], 0.0f, tolerance);
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(clear[1], g_background_colour[1]);
    zgl_set_background_colour(0.0f, 50.0f);
    EXPECT_NEAR(g_background_colour[0], 0.5f, tolerance);
}

TEST_F(ZglContext, PixelAlignmentCallsGlOnlyOnAChange)
{
    auto unpack = [] {
        GLint v = 0;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &v);
        return v;
    };
    zgl_set_pixel_alignment(8);
    EXPECT_EQ(unpack(), 8);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    zgl_set_pixel_alignment(8);
    EXPECT_EQ(unpack(), 4) << "no GL call for an unchanged value";
    zgl_set_pixel_alignment(4);
    EXPECT_EQ(unpack(), 1) << "anything but 8 means 1";

    zgl_set_pixel_alignment(8);
    zgl_init_gl();   // a new context starts at 1: the cache must follow
    EXPECT_EQ(unpack(), 1);
    zgl_set_pixel_alignment(8);
    EXPECT_EQ(unpack(), 8);
}

TEST_F(ZglContext, GlErrorsAreLoggedWithThePlace)
{
    log.clear();
    glEnable(0x7fff);   // not a capability
    zgl_check_error(21);
    EXPECT_EQ(log.count("*** [gl] error num 500 at 21"), 1);
    zgl_check_error(21);
    EXPECT_EQ(log.errors(), 1) << "the error was taken";
}

} // namespace
