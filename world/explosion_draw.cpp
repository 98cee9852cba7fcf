// explosion_draw.cpp -- drawing the debris pieces.

#include "world/explosion.h"

void debris_draw_all(void)
{
}
