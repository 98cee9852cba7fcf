// camera.cpp -- the camera state and the world-pass modelview.

#include "render/camera.h"

void camera_defaults(void)
{
}

void camera_matrix(void)
{
}
