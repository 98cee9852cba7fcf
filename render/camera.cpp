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
