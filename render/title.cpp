// title.cpp -- title, logo and floor graphics.

#include "render/title.h"

#include "render/tex.h"
#include "render/zgl.h"

void title_load_draw(void)
{
}

int title_logo_draw(int page)
{
    (void)page;
    return 1;
}

void title_forget_textures(void)
{
}

void zgl_flush_and_forget_floor(void)
{
    zgl_flush();
    floor_forget_texture();
}
