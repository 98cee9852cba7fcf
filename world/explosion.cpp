// explosion.cpp -- the explosion types of the level and the debris they throw.

#include "world/explosion.h"

void explosion_types_reset(void)
{
}

void explosion_types_free(void)
{
}

void debris_reset(void)
{
}

void debris_free_all(void)
{
}

void debris_update_all(void)
{
}
