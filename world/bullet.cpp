// bullet.cpp -- the bullet list.

#include "world/bullet.h"

int g_bullet_count;

void bullet_reset(void)
{
    g_bullet_count = 0;
}

void bullet_free_all(void)
{
    g_bullet_count = 0;
}

void bullet_update_all(void)
{
}
