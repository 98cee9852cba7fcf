// hudgfx.cpp -- HUD graphics.

#include "render/hudgfx.h"

void hudgfx_load(void)
{
}
