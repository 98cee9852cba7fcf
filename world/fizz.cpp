// fizz.cpp -- the beam list.

#include "world/fizz.h"

void fizz_reset(void)
{
}

void fizz_free_all(void)
{
}

void fizz_update_all(void)
{
}

void fizz_kill_all(void)
{
}
