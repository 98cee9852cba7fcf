// hudgfx.cpp -- HUD graphics.

#include "render/hudgfx.h"

#include "render/footprint.h"

uint32_t g_hit_texture_handle;

void hudgfx_load(void)
{
    footprint_init();
}

void hud_bind_texture(void)
{
}

void hud_draw_meter(float kind, int count, float unused, float offset)
{
    (void)kind;
    (void)count;
    (void)unused;
    (void)offset;
}

void hud_draw_box(float unused, float offset)
{
    (void)unused;
    (void)offset;
}

void hud_draw_ping_pulse(int points, int step, float unused, float offset, float *phase)
{
    (void)points;
    (void)step;
    (void)unused;
    (void)offset;
    (void)phase;
}
