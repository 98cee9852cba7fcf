// bullet_draw.cpp -- drawing the bullets.

#include "world/bullet.h"

void bullet_draw_all(void)
{
}
