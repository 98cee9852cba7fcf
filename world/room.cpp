// room.cpp -- the room and its pylons. No room actor exists yet, so the room calls
// change nothing and the pylons give no positions.

#include "world/room.h"

void room_reset(void)
{
}

void room_random_pylon_position(float out[3], float minimum, float range)
{
    (void)out;
    (void)minimum;
    (void)range;
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
