// gamer_draw.cpp -- drawing the player ships' rings and aim marker.

#include "world/gamer.h"

void gamer_draw_rings(void)
{
}

void gamer_draw_aim(void)
{
}
