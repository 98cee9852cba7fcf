// bullet.cpp -- the bullet list.

#include "world/bullet.h"

int g_bullet_count;
Gamer *g_bullet_ship;
float g_bullet_heading;

void bullet_reset(void)
{
    g_bullet_count = 0;
    g_bullet_ship = nullptr;
    g_bullet_heading = 0.0f;
}

void bullet_free_all(void)
{
    g_bullet_count = 0;
}

void bullet_update_all(void)
{
}

void bullet_kill_in_radius(const float point[3], float radius)
{
    (void)point;
    (void)radius;
}
