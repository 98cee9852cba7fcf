// room.cpp -- the room and its pylons. No room actor exists yet, so the room calls
// change nothing.

#include "world/room.h"

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
