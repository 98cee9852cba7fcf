// scorepop.cpp -- the floating score numbers: a fixed pool per level, filled at the
// first free entry, drawn and aged once a frame.

#include "render/footprint.h"

#include "core/mem.h"

#include <cstring>

ScorePop *g_scorepops;

void scorepop_alloc(void)
{
    if (!g_scorepops) {
        g_scorepops = static_cast<ScorePop *>(mem_alloc(sizeof(ScorePop) * MAX_SCOREPOPS));
    }
    if (g_scorepops) {
        memset(g_scorepops, 0, sizeof(ScorePop) * MAX_SCOREPOPS);
    }
}

void scorepop_free(void)
{
    mem_free(g_scorepops);
    g_scorepops = nullptr;
}

void scorepop_add(const float pos[3], float life, uint32_t colour, int value)
{
    if (!g_scorepops || !pos) {
        return;
    }
    for (int i = 0; i < MAX_SCOREPOPS; i++) {
        ScorePop *p = &g_scorepops[i];
        if (p->life > 0.0f) {
            continue;
        }
        *p = ScorePop{};
        p->x = pos[0];
        p->y = pos[1];
        p->z = pos[2];
        p->life = life;
        p->colour = colour;
        p->value = value;
        return;
    }
}

void scorepop_update_draw(float dt)
{
    if (!g_scorepops) {
        return;
    }
    for (int i = 0; i < MAX_SCOREPOPS; i++) {
        ScorePop *p = &g_scorepops[i];
        if (p->life > 0.0f) {
            scorepop_draw_one(p);
        }
        p->life -= dt;
    }
}
