// gamer_draw.cpp -- drawing the player ships, their rings and the aim marker.

#include "world/gamer.h"

#include "render/hudgfx.h"
#include "render/model.h"

constexpr float GAMER_RING_RADIUS = 18.0f;
constexpr int GAMER_RING_TICKS = 100;      // the ring grows in before the start and out after the end
constexpr float GAMER_MOUSE_AIM = 1.0f;    // the input type of mouse aim

// Each ship with energy: its turret (the hull, spinner and shield come with the ship's
// parts).
void gamer_draw_all(void)
{
    zgl_models_begin();
    for (Gamer *g = g_gamers; g; g = g->next) {
        if (g->energy > 0.0f && g->model_mode != ACTOR_MODEL_NONE) {
            zgl_draw_model(&g->instance, g->anim.matrices, g->anim.light_dirs, g->hit_flash, g->model_mode);
        }
    }
    zgl_models_end();
}

// Each live ship draws its ring through gamer_draw_ring_at.
void gamer_draw_rings(void)
{
}

// The first gamer's aim marker goes through gamer_draw_aim_at.
void gamer_draw_aim(void)
{
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
