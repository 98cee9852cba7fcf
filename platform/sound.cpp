// sound.cpp -- the sound mixer and the named sound table.

#include "platform/sound.h"

void sound_init(void)
{
}

void sound_shutdown(void)
{
}

void sound_load_ambient(void)
{
}

void sound_stop_from(int group)
{
    (void)group;
}
