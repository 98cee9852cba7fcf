// actor_draw.cpp -- drawing one actor's model: the bones that waited for the draw, the
// view test, the light directions of a lit model, then the mesh drawing with its
// matrices, hit flash and model mode.

#include "world/actor.h"

#include "render/model.h"

void actor_draw(Actor *a, int hit)
{
    anim_finish_matrices(&a->anim);
    if (!zgl_model_in_view(&a->instance, a->anim.matrices)) {
        zgl_model_skip(&a->instance);
        return;
    }
    if (a->anim.light_dirs) {
        anim_build_light_dirs(&a->anim);
    }
    zgl_draw_model(&a->instance, a->anim.matrices, a->anim.light_dirs, hit, a->model_mode);
}
