// powerup.cpp -- power-ups: drops, pick-up and their history.

#include "world/powerup.h"

float g_powerup_countdown = 20.0f;

void powerups_reset_history(void)
{
}

void powerups_reset(void)
{
}

void powerups_free_all(void)
{
}

void powerups_tick(void)
{
}
