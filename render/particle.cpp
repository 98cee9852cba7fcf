// particle.cpp -- particle emitters and their particles.

#include "render/particle.h"

void particle_init_holders(void)
{
}

void particle_info(void)
{
}

void particle_release_all(void)
{
}

void particle_detach_all(void)
{
}

void particle_update_draw(void)
{
}
