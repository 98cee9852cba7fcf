// particle_draw.cpp -- how a particle looks: its fade over life, alpha, size and turn,
// and the one flat triangle it puts into the face batch.

#include "render/particle.h"

#include "core/mathlib.h"
#include "render/batch.h"

#include <cmath>

void particle_draw(const ParticleHolder *h, Particle *p, float dt)
{
    // The fade value: 1 while the remaining life times the fade factor is at least 1,
    // then down to 0 at death (up from 0 for an inverse effect). A negative fade factor
    // from a file must not wrap the alpha byte.
    float t = h->fade * p->life;
    if (t > 1.0f) {
        t = 1.0f;
    }
    float a = (h->flags & PARTICLE_INVERSE) ? 1.0f - t : t;
    if (!(a > 0.0f)) {
        a = 0.0f;
    } else if (a > 1.0f) {
        a = 1.0f;
    }
    if (h->flags & PARTICLE_SPIN) {
        p->angle += dt * p->spin;
    }
    uint32_t colour = p->colour;
    if (h->flags & PARTICLE_ALPHA_FADE) {
        uint32_t q = a < 1.0f ? (uint32_t)(256.0f * a) : 255u;
        colour = (colour & 0x00ffffffu) | ((((colour >> 24) * q) >> 8) << 24);
    }
    float size = p->size;
    if (h->flags & PARTICLE_GROW) {
        size *= a + (1.0f - a) * h->grow;
    }
    particle_add_face(p, size, p->angle, h->uv_extent, colour, h->texture);
}

void particle_add_face(const Particle *p, float size, float angle, float uv_extent, uint32_t colour,
                       uint32_t handle)
{
    int first = 0;
    BatchVertex *v = zbatch_reserve(3, 1, &first);
    if (!v) {
        return;
    }
    float a = 0.0f;
    float b = size;
    if (angle != 0.0f) {
        float r = angle * DEG2RAD;
        a = size * sinf(r);
        b = size * cosf(r);
    }
    const float x = p->pos[0];
    const float y = p->pos[1];
    const float z = p->pos[2];
    // The far corners at twice the half-diagonal: with uv_extent 2 on a clamped texture
    // the unit square covers p + (a, b), p + (-b, a), p - (a, b), p + (b, -a).
    v[0] = {x + a, y, z + b, 0.0f, 0.0f, colour};
    v[1] = {x - a - 2.0f * b, y, z - b + 2.0f * a, uv_extent, 0.0f, colour};
    v[2] = {x - a + 2.0f * b, y, z - b - 2.0f * a, 0.0f, uv_extent, colour};
    const uint32_t n = (uint32_t)first;
    zbatch_add_face(n, n + 1, n + 2, handle, zbatch_bucket_of_height(y));
}
