// room.cpp -- the room and its pylons. No room actor exists yet, so the room calls
// change nothing and the pylons give no positions.

#include "world/room.h"

void room_reset(void)
{
}

Beastie *room_beastie(void)
{
    return nullptr;
}

void room_pylons_animate(void)
{
}

void room_random_pylon_position(float out[3], float minimum, float range)
{
    (void)out;
    (void)minimum;
    (void)range;
}

int room_pylon_position(float out[3], float scale, int index, int backward)
{
    (void)out;
    (void)scale;
    (void)backward;
    return index;
}

int room_nearest_pylon(const float p[3], float out[3], float scale, int backward, int options)
{
    (void)p;
    (void)out;
    (void)scale;
    (void)backward;
    (void)options;
    return 0;
}

void room_goto(const char *anim)
{
    (void)anim;
}

void room_attach(const char *type_name, const char *bone, float x, float y, float z, float hue)
{
    (void)type_name;
    (void)bone;
    (void)x;
    (void)y;
    (void)z;
    (void)hue;
}
