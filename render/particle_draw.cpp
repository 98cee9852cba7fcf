// particle_draw.cpp -- how a particle looks: its fade over life, alpha, size and turn,
// and the flat face it puts into the face batch: one triangle, or the square its picture
// shows where the rest of the triangle would draw nothing.

#include "render/particle.h"

#include "core/file.h"
#include "core/mathlib.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/tex.h"
#include "render/zgl.h"

#include <cmath>

// Pixels a unit spans at a unit's distance from the eye (the projection's focal length in
// pixels), and the eye, taken once a step by particle_draw_begin.
static float particle_focal_pixels;
static float particle_eye[3];

// The triangle's far corners reach twice as far as the picture's square, so half of its
// pixels take the clamped edge of the texture. Where that edge draws nothing at every mip
// level the square is drawn on (the levels stay inside the texture's clear border while the
// square is at least size / border pixels across; a quarter more to spare for a tilted
// view and the blend of two levels), the square alone gives the same picture for half the
// fill, at the cost of a second face.
constexpr float PARTICLE_SQUARE_MARGIN = 1.25f;

void particle_draw_begin(void)
{
    float half = 0.5f * g_fov * DEG2RAD;
    particle_focal_pixels = half > 0.0f ? 0.5f * (float)g_gl_height / tanf(half) : 0.0f;
    camera_position(particle_eye);
}

// 1 when the particle may be drawn as its square: its picture's edge draws nothing (a
// clamped texture with a clear border), the square lies inside the triangle (uv extent 2
// or more) and it is big enough on screen that no mip level beyond the border is read.
static int particle_square_drawn(const ParticleHolder *h, const Particle *p, float size)
{
    const TextureRecord *t = h->texture_record;
    const uint32_t clamped = TEX_CLAMP_S | TEX_CLAMP_T;
    if (!t || t->clear_border <= 0 || !t->colour || (t->flags & clamped) != clamped || (t->flags & TEX_ANIMATED) ||
        !(h->uv_extent >= 2.0f) || particle_focal_pixels <= 0.0f) {
        return 0;
    }
    float d[3] = {p->pos[0] - particle_eye[0], p->pos[1] - particle_eye[1], p->pos[2] - particle_eye[2]};
    float dist = sqrtf(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    // The square's side on screen: 2 sqrt 2 size / uv extent units at dist.
    float side = 2.8284271f * size / h->uv_extent * particle_focal_pixels;
    float texels = (float)(t->colour->width > t->colour->height ? t->colour->width : t->colour->height);
    return side * (float)t->clear_border >= PARTICLE_SQUARE_MARGIN * texels * dist;
}

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
    if (particle_square_drawn(h, p, size)) {
        particle_add_square(p, size, p->angle, h->uv_extent, colour, h->texture);
    } else {
        particle_add_face(p, size, p->angle, h->uv_extent, colour, h->texture);
    }
}

// Where the particle lies: its point, and its first corner p + (a, b), its half-diagonal
// size turned by angle (degrees) on the floor plane.
struct ParticlePlace {
    float x, y, z;
    float a, b;
};

static ParticlePlace particle_place(const Particle *p, float size, float angle)
{
    ParticlePlace at{p->pos[0], p->pos[1], p->pos[2], 0.0f, size};
    if (angle != 0.0f) {
        float r = angle * DEG2RAD;
        at.a = size * sinf(r);
        at.b = size * cosf(r);
    }
    return at;
}

void particle_add_face(const Particle *p, float size, float angle, float uv_extent, uint32_t colour,
                       uint32_t handle)
{
    int first = 0;
    BatchVertex *v = zbatch_reserve(3, 1, &first);
    if (!v) {
        return;
    }
    const ParticlePlace at = particle_place(p, size, angle);
    const float x = at.x, y = at.y, z = at.z, a = at.a, b = at.b;
    // The far corners at twice the half-diagonal: with uv_extent 2 on a clamped texture
    // the unit square covers p + (a, b), p + (-b, a), p - (a, b), p + (b, -a).
    v[0] = {x + a, y, z + b, 0.0f, 0.0f, colour};
    v[1] = {x - a - 2.0f * b, y, z - b + 2.0f * a, uv_extent, 0.0f, colour};
    v[2] = {x - a + 2.0f * b, y, z - b - 2.0f * a, 0.0f, uv_extent, colour};
    const uint32_t n = (uint32_t)first;
    zbatch_add_face(n, n + 1, n + 2, handle, zbatch_bucket_of_height(y));
}

void particle_add_square(const Particle *p, float size, float angle, float uv_extent, uint32_t colour,
                         uint32_t handle)
{
    int first = 0;
    BatchVertex *v = zbatch_reserve(4, 2, &first);
    if (!v) {
        return;
    }
    const ParticlePlace at = particle_place(p, size, angle);
    const float x = at.x, y = at.y, z = at.z, a = at.a, b = at.b;
    // The triangle's corner p + (a, b) takes (0, 0) and its edges run to its far corners at
    // uv_extent, so the unit square's corners lie 1 / uv_extent along those edges.
    const float k = 1.0f / uv_extent;
    const float ux = k * (-2.0f * a - 2.0f * b), uz = k * (2.0f * a - 2.0f * b);
    const float vx = k * (-2.0f * a + 2.0f * b), vz = k * (-2.0f * a - 2.0f * b);
    v[0] = {x + a, y, z + b, 0.0f, 0.0f, colour};
    v[1] = {x + a + ux, y, z + b + uz, 1.0f, 0.0f, colour};
    v[2] = {x + a + ux + vx, y, z + b + uz + vz, 1.0f, 1.0f, colour};
    v[3] = {x + a + vx, y, z + b + vz, 0.0f, 1.0f, colour};
    const uint32_t n = (uint32_t)first;
    const int bucket = zbatch_bucket_of_height(y);
    zbatch_add_face(n, n + 1, n + 2, handle, bucket);
    zbatch_add_face(n, n + 2, n + 3, handle, bucket);
}
