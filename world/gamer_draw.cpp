// gamer_draw.cpp -- drawing the player ships, their rings and the aim marker.

#include "world/gamer.h"

#include "platform/input.h"
#include "render/hudgfx.h"
#include "render/model.h"
#include "world/level.h"

constexpr float GAMER_RING_RADIUS = 18.0f;
constexpr int GAMER_RING_TICKS = 100;      // the ring grows in before the start and out after the end
constexpr float GAMER_MOUSE_AIM = 1.0f;    // the input type of mouse aim

static void gamer_draw_actor(Actor *a, int hit_flash)
{
    if (a->model_mode != ACTOR_MODEL_NONE && a->matrix_block) {
        actor_draw(a, hit_flash);
    }
}

// Each ship with energy: turret and hull, the spinner and the shield while they run.
void gamer_draw_all(void)
{
    zgl_models_begin();
    for (Gamer *g = g_gamers; g; g = g->next) {
        if (!(g->energy > 0.0f)) {
            continue;
        }
        gamer_draw_actor(g, g->hit_flash);
        if (g->hull.on) {
            gamer_draw_actor(&g->hull.actor, g->hit_flash);
        }
        if (g->spinner.on && g->spinner_timer > 0.0f) {
            gamer_draw_actor(&g->spinner.actor, 0);
        }
        if (g->shield.on && g->shield_timer > 0.0f) {
            gamer_draw_actor(&g->shield.actor, 0);
        }
    }
    zgl_models_end();
}

void gamer_draw_rings(void)
{
    for (const Gamer *g = g_gamers; g; g = g->next) {
        if (g->energy > 0.0f) {
            gamer_draw_ring_at(g->position, g_level_ticks, g_level_end_ticks);
        }
    }
}

void gamer_draw_aim(void)
{
    const Gamer *g = g_gamer_first;
    if (g && g->info.input) {
        gamer_draw_aim_at(g->aim, g->info.input->input_type, g_level_playing);
    }
}

void gamer_draw_ring_at(const float pos[3], int tick, int end_ticks)
{
    float scale = 1.0f;
    if (tick < -GAMER_RING_TICKS || end_ticks >= GAMER_RING_TICKS) {
        return;
    }
    if (tick < 0) {
        scale = 0.01f * (float)(tick + GAMER_RING_TICKS);
    } else if (end_ticks > 0) {
        scale = 0.01f * (float)(GAMER_RING_TICKS - end_ticks);
    }
    hudgfx_draw_ring(pos, GAMER_RING_RADIUS * scale);
}

void gamer_draw_aim_at(const float aim[3], float input_type, int playing)
{
    if (input_type == GAMER_MOUSE_AIM && playing) {
        hudgfx_draw_crosshair(aim);
    }
}
