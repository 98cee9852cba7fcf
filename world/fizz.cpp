// fizz.cpp -- the beam list: beams made between bones of two actors. They do not run,
// draw or collide yet.

#include "world/fizz.h"

#include "core/con.h"
#include "world/actortype.h"

Fizz *g_fizz;

int fizz_init(Fizz *f, float scale, ActorType *type, uint32_t flags)
{
    if (!type || !type->params) {
        con_printf("*** fizz help");
        return -1;
    }
    if (actor_setup_type(f, type, (int)cat_fizz, 0, 0, scale) != 0) {
        return -1;
    }
    f->base_scale = scale;
    f->flags = flags;
    f->min_length2 = 0.0f;
    f->max_length2 = 11900.0f;
    f->next = g_fizz;
    g_fizz = f;
    return 0;
}

// Matrix i of an actor, or null when it has no such matrix.
static const float *fizz_end(const Actor *a, int i)
{
    if (!a || !a->matrix_block || !a->anim.set || i < 0 || i > a->anim.set->bone_count) {
        return nullptr;
    }
    return a->matrix_block + 16 * i;
}

void fizz_attach(Fizz *f, Actor *a, int i, Actor *b, int j)
{
    f->matrix_a = fizz_end(a, i);
    f->matrix_b = fizz_end(b, j);
    f->actor_a = a;
    f->actor_b = b;
    f->strength = 0.01f;
}

uint32_t fizz_collide_sphere(ActorType *type, float position[3], float velocity[3], float radius, float speed,
                             float bounce, int is_ship, uint32_t mask)
{
    (void)type;
    (void)position;
    (void)velocity;
    (void)radius;
    (void)speed;
    (void)bounce;
    (void)is_ship;
    (void)mask;
    return 0;
}

void fizz_reset(void)
{
    g_fizz = nullptr;
}

void fizz_free_all(void)
{
    while (Fizz *f = g_fizz) {
        g_fizz = f->next;
        actor_destroy(f, 0);
        delete f;
    }
}

void fizz_update_all(void)
{
}

void fizz_kill_all(void)
{
}
