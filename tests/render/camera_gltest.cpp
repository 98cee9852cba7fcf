// The camera in a real context: the view volume's world corners that camera_matrix
// builds land on the window's corners through GL's own modelview and projection.

#include "tests/render/gl_fixture.h"

#include "core/mt.h"
#include "render/camera.h"

#include <GL/glu.h>

namespace {

using GlCamera = GlScene;

TEST_F(GlCamera, WorldCornersProjectOntoTheWindowCorners)
{
    mt_seed(3);
    camera_defaults();
    g_camera.style = 3;
    const float target[3] = {40.0f, 0.0f, -30.0f};
    const float points[6] = {38, 0, -32, 42, 0, -28};
    for (int i = 0; i < 300; i++) {
        camera_update(target, points, 1, 1000);
    }
    g_camera.roll += 17.0f;   // any turn at all
    camera_matrix();
    ASSERT_GT(std::abs(g_camera.yaw), 5.0f) << "a tilted camera, not the start view";

    GLdouble modelview[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const double window[4][2] = {{0, 0}, {W, 0}, {W, H}, {0, H}};
    for (int i = 0; i < 8; i++) {
        const float *c = g_frustum_world_corners[i];
        GLdouble wx, wy, wz;
        ASSERT_EQ(gluProject(c[0], c[1], c[2], modelview, projection, viewport, &wx, &wy, &wz), GL_TRUE);
        EXPECT_NEAR(wx, window[i % 4][0], 1.0) << "corner " << i;
        EXPECT_NEAR(wy, window[i % 4][1], 1.0) << "corner " << i;
        EXPECT_NEAR(wz, i < 4 ? 0.0 : 1.0, 1e-3) << "corner " << i;
    }
    g_camera = CameraState{};
}

}  // namespace
