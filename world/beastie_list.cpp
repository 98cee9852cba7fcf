// beastie_list.cpp -- the enemy lists and the per-tick pass over them.

#include "world/beastie.h"

void beasties_reset(void)
{
}

void beasties_free_all(void)
{
}

void beasties_update_all(void)
{
}

void beasties_settle(void)
{
}

void beasties_kill_bullets(void)
{
}

void beasties_spawn_end_chaser(void)
{
}
