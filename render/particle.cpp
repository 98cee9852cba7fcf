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

void particle_start_at_bone(int template_index, const float *matrix, const void *owner)
{
    (void)template_index;
    (void)matrix;
    (void)owner;
}

void particle_detach_owner(const void *owner)
{
    (void)owner;
}

int particle_find_or_load(const char *name)
{
    (void)name;
    return -1;
}
