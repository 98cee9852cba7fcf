// beastie_draw.cpp -- drawing the enemies of both lists.

#include "world/beastie.h"

#include "render/model.h"

static void beasties_draw_list(Beastie *b)
{
    for (; b; b = b->next) {
        if (b->lifecycle == BEASTIE_REMOVED || b->launch_delay > 0.0f || b->model_mode == ACTOR_MODEL_NONE) {
            continue;
        }
        // A hit ends the fade-in.
        if (b->hit_flash && b->instance.materialise) {
            b->instance.materialise = 0;
        }
        actor_draw(b, b->hit_flash);
    }
}

void beasties_draw_all(void)
{
    zgl_models_begin();
    beasties_draw_list(g_beasties);
    beasties_draw_list(g_ground_beasties);
    zgl_models_end();
}
