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

int bullet_fire_player(ActorType *type, Gamer *ship, float heading, float scale, int kind)
{
    (void)type;
    (void)ship;
    (void)heading;
    (void)scale;
    (void)kind;
    return -1;
}
