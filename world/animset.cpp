// animset.cpp -- the registry of the level's animation sets.

#include "world/animset.h"

void anim_sets_free_all(void)
{
}
