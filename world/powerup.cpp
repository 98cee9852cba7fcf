// powerup.cpp -- power-ups: drops, pick-up and their history.

#include "world/powerup.h"

void powerups_reset_history(void)
{
}
