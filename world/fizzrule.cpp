// fizzrule.cpp -- the beam rules of the level.

#include "world/fizzrule.h"

void fizz_rules_reset(void)
{
}

void fizz_rules_free(void)
{
}

void fizz_rules_tick(void)
{
}
