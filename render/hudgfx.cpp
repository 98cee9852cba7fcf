// hudgfx.cpp -- HUD graphics.

#include "render/hudgfx.h"

#include "render/footprint.h"

void hudgfx_load(void)
{
    footprint_init();
}
