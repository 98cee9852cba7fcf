// fizz_draw.cpp -- drawing the beams.

#include "world/fizz.h"

void fizz_draw_all(void)
{
}
