// gamer_draw.cpp -- drawing the player ships, their rings and the aim marker.

#include "world/gamer.h"

void gamer_draw_all(void)
{
}

void gamer_draw_rings(void)
{
}

void gamer_draw_aim(void)
{
}
