// bullet_draw.cpp -- drawing the bullets: each live shot's model with its bone matrices,
// and under every enemy shot the dark sprite of its size.

#include "world/bullet.h"

#include "render/hudgfx.h"
#include "render/model.h"

void bullet_draw_all(void)
{
    zgl_models_begin();
    for (Bullet *b = g_bullets; b; b = b->next) {
        if (b->life <= 0.0f || b->model_mode == ACTOR_MODEL_NONE) {
            continue;
        }
        actor_draw(b, b->hit_flash);
        if (!b->ship) {
            hudgfx_add_bullet_sprite(b->position, b->radius);
        }
    }
    zgl_models_end();
}
