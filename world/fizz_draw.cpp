// fizz_draw.cpp -- drawing the beams.

#include "world/fizz.h"

#include "render/model.h"

constexpr float FIZZ_DRAW_STRENGTH = 0.02f;   // fainter beams are not drawn

void fizz_draw_all(void)
{
    zgl_models_begin();
    for (Fizz *f = g_fizz; f; f = f->next) {
        if (f->strength <= FIZZ_DRAW_STRENGTH || f->model_mode == ACTOR_MODEL_NONE) {
            continue;
        }
        if (f->hit_flash) {
            f->instance.materialise = 0;
        }
        zgl_draw_model(&f->instance, f->anim.matrices, f->anim.light_dirs, f->hit_flash, f->model_mode);
    }
    zgl_models_end();
}
