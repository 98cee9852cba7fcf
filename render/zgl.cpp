// zgl.cpp -- the GL context state.

#include "render/zgl.h"

float zgl_set_background_colour(float ignored, float percent)
{
    (void)ignored;
    (void)percent;
    return 0.0f;
}
