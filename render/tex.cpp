// tex.cpp -- the texture cache.

#include "render/tex.h"

int g_preload_reload;
float g_preload_hue;

int zgl_texture_find_or_load(char *colour, uint32_t flags, TextureRecord **list, int *count,
                             char *mask, float anim_speed, int anim_mode)
{
    (void)colour;
    (void)flags;
    (void)list;
    (void)mask;
    (void)anim_speed;
    (void)anim_mode;
    return count ? *count : 0;
}

void zgl_texture_init(void)
{
    g_preload_hue = 0.0f;
    g_preload_reload = 0;
}

void zgl_texture_free_all(void)
{
}

void floor_forget_texture(void)
{
}

void zgl_reset_draw_state(void)
{
}

void zgl_blend_normal(void)
{
}

void zgl_blend_additive(void)
{
}

void zgl_bitmap_rename(const char *old_name, const char *new_name)
{
    (void)old_name;
    (void)new_name;
}
