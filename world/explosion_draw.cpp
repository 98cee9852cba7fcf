// explosion_draw.cpp -- drawing the debris pieces.

#include "world/explosion.h"

#include "render/model.h"

void debris_draw_all(void)
{
    zgl_models_begin();
    for (Debris *d = g_debris; d; d = d->next) {
        if (d->delay > 0.0f || d->time < 0.0f || d->model_mode == ACTOR_MODEL_NONE) {
            continue;
        }
        if (d->hit_flash && d->instance.materialise) {
            d->instance.materialise = 0;
        }
        actor_draw(d, d->hit_flash);
    }
    zgl_models_end();
}
