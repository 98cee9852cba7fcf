// particle.cpp -- the particle system's simulation: the holder pool with its dense live
// list, the template table, the ring blocks, and the per-frame step with its emission,
// motion and stages. The look of a drawn particle is particle_draw.cpp's.

#include "render/particle.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mem.h"
#include "core/mt.h"
#include "core/shell.h"

#include <cmath>
#include <cstring>

ParticleHolder g_particle_holders[PARTICLE_MAX_HOLDERS];
ParticleHolder *g_particle_live[PARTICLE_MAX_HOLDERS];
int g_particle_live_count;
int g_particle_high_water;
ParticleEmitter g_particle_templates[PARTICLE_MAX_TEMPLATES];
int g_particle_template_count;
int g_particle_ring_blocks;
float g_particle_scale = 1.0f;
float g_render_particles;

constexpr size_t PARTICLE_RING_BYTES = sizeof(Particle) * PARTICLE_RING_SIZE;
constexpr float PARTICLE_TICKS_PER_SECOND = 100.0f;

// Ring blocks not in use. There is never more than one block per holder.
static Particle *g_ring_free[PARTICLE_MAX_HOLDERS];
static int g_ring_free_count;

// ---- random draws, from the drawing generator

// r: 15 random bits.
static inline uint32_t particle_r(void)
{
    return mt_draw_rand() & 0x7fffu;
}

// u: r scaled to -1 .. 1.
static inline float particle_u(void)
{
    return (float)particle_r() * 6.103702e-5f - 1.0f;
}

// ---- ring blocks

static Particle *particle_ring_take(void)
{
    if (g_ring_free_count > 0) {
        return g_ring_free[--g_ring_free_count];
    }
    Particle *ring = (Particle *)mem_alloc(PARTICLE_RING_BYTES);
    if (ring) {
        g_particle_ring_blocks++;
    }
    return ring;
}

static void particle_ring_give_back(Particle *ring)
{
    if (ring && g_ring_free_count < PARTICLE_MAX_HOLDERS) {
        g_ring_free[g_ring_free_count++] = ring;
    }
}

// The free list's blocks back to the pool (every ring must be on it).
static void particle_rings_release(void)
{
    while (g_ring_free_count > 0) {
        mem_free(g_ring_free[--g_ring_free_count]);
    }
    g_particle_ring_blocks = 0;
}

// ---- pool

static void particle_holders_clear(void)
{
    for (ParticleHolder &h : g_particle_holders) {
        h.live_index = -1;
        h.particles = nullptr;
        h.capacity = 0;
        h.count = 0;
    }
    g_particle_live_count = 0;
    g_particle_high_water = 0;
}

void particle_init_holders(void)
{
    for (int i = 0; i < g_particle_live_count; i++) {
        particle_ring_give_back(g_particle_live[i]->particles);
    }
    particle_rings_release();
    particle_holders_clear();
    g_particle_template_count = 0;
}

void particle_release_all(void)
{
    while (g_particle_live_count > 0) {
        particle_holder_free(g_particle_live[0]);
    }
    particle_holders_clear();
}

void particle_info(void)
{
    con_printf("[particle] info pre=%d use=%d", g_particle_template_count, g_particle_high_water);
    particle_release_all();
    particle_rings_release();
    g_particle_template_count = 0;
    g_particle_high_water = 0;
}

ParticleHolder *particle_holder_new(const ParticleEmitter *tmpl)
{
    ParticleHolder *h = nullptr;
    int from_mark = 0;
    if (g_particle_high_water < PARTICLE_MAX_HOLDERS) {
        h = &g_particle_holders[g_particle_high_water++];
        from_mark = 1;
    } else {
        for (ParticleHolder &free : g_particle_holders) {
            if (free.live_index == -1) {
                h = &free;
                break;
            }
        }
        if (!h) {
            return nullptr;
        }
    }
    // The ring first: a holder that cannot have one goes back untouched.
    Particle *ring = particle_ring_take();
    if (!ring) {
        if (from_mark) {
            g_particle_high_water--;
        }
        return nullptr;
    }
    if (tmpl) {
        *h = *tmpl;
    } else {
        *h = ParticleEmitter{};
    }
    h->live_index = g_particle_live_count;
    g_particle_live[g_particle_live_count++] = h;
    h->particles = ring;
    h->capacity = PARTICLE_RING_SIZE;
    h->count = 0;
    h->read_index = 0;
    h->write_index = 0;
    return h;
}

void particle_holder_free(ParticleHolder *h)
{
    if (!h || h->live_index < 0 || h->live_index >= g_particle_live_count || g_particle_live[h->live_index] != h) {
        return;
    }
    g_particle_live_count--;
    if (h->live_index != g_particle_live_count) {
        ParticleHolder *last = g_particle_live[g_particle_live_count];
        g_particle_live[h->live_index] = last;
        last->live_index = h->live_index;
    }
    g_particle_live[g_particle_live_count] = nullptr;
    h->live_index = -1;
    h->time_left = 0.0f;
    particle_ring_give_back(h->particles);
    h->particles = nullptr;
    h->capacity = 0;
    h->count = 0;
    h->matrix = nullptr;
    h->owner = nullptr;
}

void particle_detach_all(void)
{
    for (int i = 0; i < g_particle_live_count; i++) {
        g_particle_live[i]->time_left = 0.0f;
        g_particle_live[i]->matrix = nullptr;
    }
}

void particle_detach_owner(const void *owner)
{
    if (!owner) {
        return;
    }
    for (int i = 0; i < g_particle_live_count; i++) {
        ParticleHolder *h = g_particle_live[i];
        if (h->owner != owner) {
            continue;
        }
        // An ownerless effect outlives its actor where it stands; it only must not read
        // the matrix block any more.
        if (!(h->flags & PARTICLE_OWNERLESS)) {
            h->time_left = 0.0f;
        }
        h->matrix = nullptr;
    }
}

// ---- templates

int particle_find_or_load(const char *name)
{
    if (!name || !name[0]) {
        return -1;
    }
    if (strlen(name) >= PARTICLE_NAME_SIZE) {
        con_printf("*** [particle] name too long %.63s", name);
        return -1;
    }
    for (int i = 0; i < g_particle_template_count; i++) {
        if (strcmp(g_particle_templates[i].name, name) == 0) {
            return i;
        }
    }
    // Decoded into a plain record: loading takes no holder and no ring.
    static ParticleEmitter loaded;
    if (!particle_load(name, &loaded)) {
        return -1;
    }
    if (g_particle_template_count >= PARTICLE_MAX_TEMPLATES) {
        con_printf("*** [particle] need more holders");
        return -1;
    }
    g_particle_templates[g_particle_template_count] = loaded;
    return g_particle_template_count++;
}

ParticleHolder *particle_start_at_bone(int template_index, const float *matrix, const void *owner)
{
    if (template_index < 0 || template_index >= g_particle_template_count) {
        return nullptr;
    }
    ParticleHolder *h = particle_holder_new(&g_particle_templates[template_index]);
    if (!h) {
        return nullptr;
    }
    if (matrix) {
        h->position[0] = matrix[12];
        h->position[1] = matrix[13];
        h->position[2] = matrix[14];
    }
    h->matrix = matrix;
    // The real owner even for an ownerless effect: it must be found when the owner's
    // block goes, even before the first emission drops the matrix.
    h->owner = owner;
    const float s = g_particle_scale;
    for (int k = 0; k < PARTICLE_STAGES; k++) {
        h->box[k][0] *= s;
        h->box[k][1] *= s;
        h->box[k][2] *= s;
        h->size[k] *= s;
        h->size_var[k] *= s;
    }
    h->grow *= s;
    return h;
}

// ---- spawning

// A colour channel as a byte: 255 above 0.99, floor(256 c) above 0, else 0.
static inline uint32_t particle_channel(float c)
{
    if (c > 0.99f) {
        return 255u;
    }
    if (c > 0.0f) {
        return (uint32_t)(256.0f * c);
    }
    return 0u;
}

// s: a speed drawn round the holder's speed.
static inline float particle_speed(const ParticleHolder *h)
{
    return particle_u() * h->speed_var[0] + h->speed[0];
}

// A random sign: bit 0x4000 of a fresh draw set negates.
static inline float particle_signed(float v)
{
    return (mt_draw_rand() & 0x4000u) ? -v : v;
}

void particle_spawn(const ParticleHolder *h, Particle *p, float emission_scale)
{
    if (h->flags & PARTICLE_SPIN) {
        p->angle = particle_u() * 180.0f;
        p->spin = h->spin[0];
        if (h->spin_var[0] > 0.0f) {
            p->spin += particle_u() * h->spin_var[0];
            if ((float)particle_r() * 3.051851e-5f < 0.5f) {
                p->spin = -p->spin;
            }
        }
    } else {
        p->angle = 0.0f;
        p->spin = 0.0f;
    }

    uint32_t colour = 0;
    for (int c = 0; c < 4; c++) {
        float v = particle_u() * h->colour_var[0][c] + h->colour[0][c];
        colour |= particle_channel(v) << (8 * c);
    }
    p->colour = colour;

    p->pos[0] = particle_u() * h->box[0][0] + h->position[0];
    p->pos[1] = particle_u() * h->box[0][1] + h->position[1] + h->rise;
    p->pos[2] = particle_u() * h->box[0][2] + h->position[2];

    float *v = p->vel;
    if (h->direction[0] != 0.0f || h->direction[1] != 0.0f || h->direction[2] != 0.0f) {
        float s = particle_speed(h);
        for (int k = 0; k < 3; k++) {
            v[k] = (particle_u() * h->spread[0] + h->direction[k]) * s;
        }
    } else if (h->flags & PARTICLE_ZIGZAG) {
        v[0] = particle_signed(particle_speed(h));
        float s = particle_speed(h);
        v[1] = particle_u() * s;
        v[2] = particle_signed(particle_speed(h));
    } else {
        for (int k = 0; k < 3; k++) {
            float s = particle_speed(h);
            v[k] = particle_u() * s;
        }
    }

    const float *m = h->matrix;
    if (m && emission_scale != 0.0f) {
        float x = v[0], y = v[1], z = v[2];
        v[0] = x * m[0] + y * m[4] + z * m[8];
        v[1] = x * m[1] + y * m[5] + z * m[9];
        v[2] = x * m[2] + y * m[6] + z * m[10];
        if (emission_scale != 1.0f) {
            v[0] *= emission_scale;
            v[1] *= emission_scale;
            v[2] *= emission_scale;
        }
    }

    p->life = (float)particle_r() * 3.051851e-5f * h->life_var[0] + h->life;
    p->size = particle_u() * h->size_var[0] + h->size[0];
    p->zigzag = 0;

    if (h->flags & PARTICLE_INVERSE) {
        float t = PARTICLE_TICKS_PER_SECOND * p->life;
        for (int k = 0; k < 3; k++) {
            p->pos[k] += t * v[k];
            v[k] = -v[k];
        }
    }
}

// ---- the step

// Ages, moves and (when visible) draws every particle of the ring, by count: a full
// ring has its read and write index equal and is visited whole. A particle that dies
// takes the oldest one into its slot, so the ring stays packed from the read index.
static void particle_step_ring(ParticleHolder *h, float dt, float life_step, int visible)
{
    Particle *ring = h->particles;
    const int cap = h->capacity;
    const int n = h->count;
    const int zigzag = (h->flags & PARTICLE_ZIGZAG) != 0;
    const float gravity = h->gravity;
    int slot = h->read_index;
    for (int k = 0; k < n; k++) {
        Particle *p = &ring[slot];
        slot = (slot + 1 == cap) ? 0 : slot + 1;
        p->life -= life_step;
        if (!(p->life > 0.0f)) {
            // Every slot from the read index up to this one was visited already, so the
            // oldest that moves in is not stepped twice.
            Particle *oldest = &ring[h->read_index];
            if (oldest != p) {
                *p = *oldest;
            }
            h->read_index = (h->read_index + 1 == cap) ? 0 : h->read_index + 1;
            h->count--;
            continue;
        }
        if (zigzag) {
            p->zigzag -= 2;
            if (p->zigzag < 2) {
                uint32_t r1 = particle_r();
                uint32_t r2 = particle_r();
                p->zigzag = 18 + (int32_t)(r1 >> 14) + 2 * (int32_t)((3u * r2) >> 14);
            }
            if (p->zigzag & 1) {
                p->pos[0] += dt * p->vel[0];
            } else {
                p->pos[2] += dt * p->vel[2];
            }
            p->pos[1] += dt * p->vel[1];
        } else {
            p->pos[0] += dt * p->vel[0];
            p->pos[1] += dt * p->vel[1];
            p->pos[2] += dt * p->vel[2];
            p->vel[1] -= dt * gravity;
        }
        if (visible) {
            particle_draw(h, p, dt);
        }
    }
}

// The mean of the reciprocal lengths of the matrix's three axis columns (a zero column
// counts 0): the emission scale that keeps velocities at their length on a scaled bone.
static float particle_normalise_scale(const float *m)
{
    float sum = 0.0f;
    for (int c = 0; c < 3; c++) {
        const float *col = m + 4 * c;
        float len = sqrtf(col[0] * col[0] + col[1] * col[1] + col[2] * col[2]);
        if (len > 0.0f) {
            sum += 1.0f / len;
        }
    }
    return sum * (1.0f / 3.0f);
}

// Earns emission credit and spends it: at most the ring's free room in particles, the
// other whole credits at once, the fraction kept.
static void particle_emit(ParticleHolder *h, float emission_step)
{
    h->emission_credit += emission_step * h->rate[0];
    if (!(h->emission_credit >= 1.0f)) {
        if (!std::isfinite(h->emission_credit)) {
            h->emission_credit = 0.0f;
        }
        return;
    }
    float scale = 1.0f;
    if (h->matrix) {
        if (h->flags & PARTICLE_OWNERLESS) {
            h->matrix = nullptr;
        } else if (h->flags & PARTICLE_NORMALISE) {
            scale = particle_normalise_scale(h->matrix);
        }
    }
    float whole = floorf(h->emission_credit);
    h->emission_credit -= whole;
    if (!std::isfinite(h->emission_credit)) {
        h->emission_credit = 0.0f;
    }
    const int room = h->capacity - h->count;
    const int n = whole < (float)room ? (int)whole : room;
    for (int i = 0; i < n; i++) {
        particle_spawn(h, &h->particles[h->write_index], scale);
        h->write_index = (h->write_index + 1 == h->capacity) ? 0 : h->write_index + 1;
        h->count++;
    }
}

// Slot 0 of a staged field of comps floats per slot: slot to, or the mix of from and to
// with weight f on to.
static inline void particle_stage_mix(float *field, int comps, int from, int to, float f)
{
    float *dst = field;
    const float *a = field + from * comps;
    const float *b = field + to * comps;
    if (f >= 1.0f) {
        for (int c = 0; c < comps; c++) {
            dst[c] = b[c];
        }
        return;
    }
    for (int c = 0; c < comps; c++) {
        dst[c] = (1.0f - f) * a[c] + f * b[c];
    }
}

static void particle_stage_all(ParticleHolder *h, int from, int to, float f)
{
    particle_stage_mix(&h->box[0][0], 3, from, to, f);
    particle_stage_mix(h->spread, 1, from, to, f);
    particle_stage_mix(h->speed, 1, from, to, f);
    particle_stage_mix(h->speed_var, 1, from, to, f);
    particle_stage_mix(h->spin, 1, from, to, f);
    particle_stage_mix(h->spin_var, 1, from, to, f);
    particle_stage_mix(h->rate, 1, from, to, f);
    particle_stage_mix(h->life_var, 1, from, to, f);
    particle_stage_mix(h->size, 1, from, to, f);
    particle_stage_mix(h->size_var, 1, from, to, f);
    particle_stage_mix(&h->colour[0][0], 4, from, to, f);
    particle_stage_mix(&h->colour_var[0][0], 4, from, to, f);
}

// The fraction of the way from t0 to t1 at e; 1 when the span is empty.
static inline float particle_stage_fraction(float e, float t0, float t1)
{
    float span = t1 - t0;
    return span > 0.0f ? (e - t0) / span : 1.0f;
}

static void particle_stages(ParticleHolder *h)
{
    const float e = h->duration - h->time_left;
    const float *t = h->stage_times;
    if (t[0] < e && e <= t[1]) {
        particle_stage_all(h, 1, 2, particle_stage_fraction(e, t[0], t[1]));
    } else if (t[1] < e && e <= t[2]) {
        particle_stage_all(h, 2, 2, 1.0f);
    } else if (t[2] < e && e <= t[3]) {
        particle_stage_all(h, 2, 3, particle_stage_fraction(e, t[2], t[3]));
    } else if (e > t[3]) {
        particle_stage_all(h, 3, 3, 1.0f);
    }
}

void particle_update_draw(void)
{
    if (g_particle_live_count == 0 || !(g_frame_dt > 0.0f)) {
        return;
    }
    const float dt = g_frame_dt;
    const float life_step = dt * 0.01f;
    const float emission_step = (dt < PARTICLE_CREDIT_TICKS ? dt : PARTICLE_CREDIT_TICKS) * g_render_particles;
    particle_draw_begin();
    int i = 0;
    while (i < g_particle_live_count) {
        ParticleHolder *h = g_particle_live[i];
        if (h->matrix) {
            h->position[0] = h->matrix[12];
            h->position[1] = h->matrix[13];
            h->position[2] = h->matrix[14];
        }
        const int visible = frustum_sphere_visible(h->position, PARTICLE_VIEW_RADIUS);
        particle_step_ring(h, dt, life_step, visible);
        if (!(h->time_left > 0.0f)) {
            if (h->count == 0) {
                // The last live holder now stands at i: visit i again.
                particle_holder_free(h);
                continue;
            }
            h->time_left -= life_step;
            i++;
            continue;
        }
        particle_emit(h, emission_step);
        particle_stages(h);
        h->time_left -= life_step;
        i++;
    }
}
