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
