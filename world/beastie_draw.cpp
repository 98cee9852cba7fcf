// beastie_draw.cpp -- drawing the enemies of both lists.

#include "world/beastie.h"

void beasties_draw_all(void)
{
}
