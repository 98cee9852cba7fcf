// fizz_draw.cpp -- drawing the beams: each strong enough to see and whose stretched sphere
// is in view.

#include "world/fizz.h"

#include "core/mathlib.h"
#include "render/model.h"

void fizz_draw_all(void)
{
    zgl_models_begin();
    for (Fizz *f = g_fizz; f; f = f->next) {
        if (f->strength <= FIZZ_DRAW_STRENGTH || f->model_mode == ACTOR_MODEL_NONE) {
            continue;
        }
        // The model is stretched along the beam: its own radius would cull a long beam
        // whose middle is out of view while its ends are in it.
        if (!frustum_sphere_visible(f->position, fizz_draw_radius(f))) {
            continue;
        }
        if (f->hit_flash) {
            f->instance.materialise = 0;
        }
        actor_draw(f, f->hit_flash);
    }
    zgl_models_end();
}
