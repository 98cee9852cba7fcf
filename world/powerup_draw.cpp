// powerup_draw.cpp -- drawing the power-ups.

#include "world/powerup.h"

void powerups_draw_all(void)
{
}
