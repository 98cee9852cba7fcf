// footprint.cpp -- footprints and floating score numbers.

#include "render/footprint.h"

void footprint_draw(void)
{
}

void footprint_clear(void)
{
}

void footprint_free(void)
{
}

void footprint_add(const float *matrix, float size, float life, int texture)
{
    (void)matrix;
    (void)size;
    (void)life;
    (void)texture;
}

void scorepop_alloc(void)
{
}

void scorepop_free(void)
{
}

void scorepop_update_draw(float dt)
{
    (void)dt;
}
