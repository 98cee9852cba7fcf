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

int audio_Load(const char *name, int group, int mode)
{
    (void)name;
    (void)group;
    (void)mode;
    return -1;
}

void sound_play_named(int id)
{
    (void)id;
}

void sound_play_named_scaled(int id, float f)
{
    (void)id;
    (void)f;
}

void sound_play_at(int index, const float pos[3], int extra_priority)
{
    (void)index;
    (void)pos;
    (void)extra_priority;
}

void sound_stop(int index)
{
    (void)index;
}
