// powerup_draw.cpp -- drawing the power-ups.

#include "world/powerup.h"

#include "render/model.h"

void powerups_draw_all(void)
{
    zgl_models_begin();
    for (PowerUp *pu = g_powerups; pu; pu = pu->next) {
        if (pu->life > 0.0f && pu->model_mode != ACTOR_MODEL_NONE) {
            zgl_draw_model(&pu->instance, pu->anim.matrices, pu->anim.light_dirs, pu->hit_flash, pu->model_mode);
        }
    }
    zgl_models_end();
}
