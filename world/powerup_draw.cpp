// powerup_draw.cpp -- drawing the power-ups.

#include "world/powerup.h"

#include "render/model.h"

void powerups_draw_all(void)
{
    zgl_models_begin();
    for (PowerUp *pu = g_powerups; pu; pu = pu->next) {
        if (pu->life > 0.0f && pu->model_mode != ACTOR_MODEL_NONE) {
            actor_draw(pu, pu->hit_flash);
        }
    }
    zgl_models_end();
}
