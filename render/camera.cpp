// camera.cpp -- the camera state and the world-pass modelview.

#include "render/camera.h"

CameraState g_camera;

void camera_defaults(void)
{
}

void camera_init(void)
{
}

void camera_matrix(void)
{
}

void camera_position(float out[3])
{
    out[0] = 0.0f;
    out[1] = 0.0f;
    out[2] = 0.0f;
}
