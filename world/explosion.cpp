// explosion.cpp -- the explosion types of the level and the debris they throw: spawning
// the pieces of a use, their per-tick life, the push of a positive blast and the damage of
// a negative one.

#include "world/explosion.h"

#include "core/file.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "platform/sound.h"
#include "render/model.h"
#include "render/particle.h"
#include "render/tex.h"
#include "world/actortype.h"
#include "world/animset.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/level.h"

#include <cmath>
#include <cstdio>
#include <cstring>

ExplosionType *g_explosion_types;
explosion_spawn_hook_t g_explosion_spawn_hook;
Debris *g_debris;

// The low 15 bits of the game's generator.
static float debris_r15(void)
{
    return (float)(mt_rand() & 0x7fff);
}

// Life span and rate from the first texture of the set's mesh: an animated texture of n
// frames at s frames a tick lives n - s; a set without mesh or texture is unanimated.
static void explosion_type_timing(ExplosionType *e)
{
    e->life_span = 0.0f;
    e->rate = 1.0f;
    const Model *m = e->set->model;
    if (!m || m->texture_count <= 0 || !m->textures || !m->textures[0]) {
        return;
    }
    const TextureRecord *t = m->textures[0];
    if (t->anim_speed > 0.0f) {
        e->rate = t->anim_speed;
        e->life_span = t->frame_count - t->anim_speed;
    }
}

int explosion_type_load(ExplosionType *e, const char *name)
{
    e->set = nullptr;
    e->sound = -1;
    snprintf(e->name, sizeof(e->name), "%s", name);
    char path[ANIM_NAME_SIZE];
    int len = snprintf(path, sizeof(path), "%s%s", g_explosions_dir, name);
    if (len < 0 || len >= (int)sizeof(path)) {
        return -1;
    }
    e->set = anim_set_find_or_load(path);
    if (!e->set) {
        return -1;
    }
    explosion_type_timing(e);
    e->explode_anim = anim_find(e->set, "explode", 1);
    e->collide_matrix = anim_find_bone(e->set, "bonecollide", 1) + 1;
    e->next = g_explosion_types;
    g_explosion_types = e;
    return 0;
}

ExplosionType *explosion_type_find_or_load(const char *name)
{
    if (!name || !name[0]) {
        return nullptr;
    }
    for (ExplosionType *e = g_explosion_types; e; e = e->next) {
        if (strcmp(e->name, name) == 0) {
            return e;
        }
    }
    ExplosionType *e = new ExplosionType{};
    if (explosion_type_load(e, name) != 0) {
        explosion_type_destroy(e, 1);
        return nullptr;
    }
    return e;
}

void explosion_type_destroy(ExplosionType *e, int flags)
{
    // The set belongs to the set registry: the record owns nothing else.
    if (flags & 1) {
        delete e;
    }
}

void explosion_types_reset(void)
{
    g_explosion_types = nullptr;
}

void explosion_types_free(void)
{
    while (ExplosionType *e = g_explosion_types) {
        g_explosion_types = e->next;
        explosion_type_destroy(e, 1);
    }
}

// Builds piece i of a use and lists it; null (nothing listed) when the pool has no
// matrix block left.
static Debris *debris_init(const float p[3], ExplosionType *type, float s, float h, float spread, float blast,
                           float delay, int i)
{
    Debris *d = new Debris;
    if (actor_setup_skeleton(d, type->set, DEBRIS_CATEGORY, 0, 0) != 0) {
        debris_destroy(d, 1);
        return nullptr;
    }
    actor_set_scale(d, s);
    d->life_span = type->life_span;
    d->rate = type->rate;
    d->explode_anim = type->explode_anim;
    d->collide_matrix = type->collide_matrix;
    d->alive = 1.0f;
    d->delay = delay + 0.01f;
    d->time = 0.0f;
    d->blast = blast;
    for (int k = 0; k < 3; k++) {
        d->position[k] = p[k] + (debris_r15() * 6.103702e-5f - 1.0f) * spread;
    }
    // The piece's own matrix: turned by h about the vertical, standing up at scale s.
    float c = cosf(h * DEG2RAD) * s;
    float n = sinf(h * DEG2RAD) * s;
    float *m = d->matrix_block;
    const float own[16] = {c, 0.0f, -n, 0.0f, -n, 0.0f, -c, 0.0f, 0.0f, s, 0.0f, 0.0f,
                           d->position[0], d->position[1], d->position[2], 1.0f};
    memcpy(m, own, sizeof(own));
    // Camera-facing bones (fire sprites) turn with the piece, so a burst's flames differ.
    d->anim.sprite_angle = h;
    d->sound = i == 0 ? type->sound : -1;
    d->next = g_debris;
    g_debris = d;
    return d;
}

void explosion_spawn_use(const ExplosionUse *use, const float position[3], const float *matrices, float scale,
                         float heading)
{
    if (!use) {
        return;
    }
    if (g_explosion_spawn_hook) {
        g_explosion_spawn_hook(use, position, scale);
    }
    if (!use->type || !use->type->set) {
        return;
    }
    float point[3];
    if (use->bone > 0 && matrices) {
        memcpy(point, matrices + 16 * use->bone + 12, sizeof(point));
    } else if (position) {
        memcpy(point, position, sizeof(point));
    } else {
        return;
    }
    float spread = scale * use->spread;
    int n = use->count;
    float d = n > 0 ? fast_recip(1.5f * (float)n) : 0.0f;
    float f = 1.0f;
    for (int i = 0; i < n; i++) {
        float h = use->align ? heading : (debris_r15() * 6.103702e-5f - 1.0f) * 180.0f;
        float s = (debris_r15() * 3.051851e-5f * use->scale_range + use->scale_min) * f;
        float delay = use->delays ? use->delays[i] : 0.0f;
        debris_init(point, use->type, s, h, spread, use->blast, delay, i);
        f -= d;
    }
}

Debris *debris_spawn_one(ExplosionType *type, const float position[3], float scale, float heading)
{
    if (!type || !type->set || !position) {
        return nullptr;
    }
    return debris_init(position, type, scale, heading, 0.0f, 0.0f, 0.0f, 0);
}

// Pushes one enemy away from p (see explosion_push_beasties); r2 = R^2 > 0.
static void explosion_push_one(Beastie *b, const float p[3], float r2, float strength)
{
    if (!(b->lifecycle == BEASTIE_MUTATING || b->lifecycle >= BEASTIE_IDLE)) {
        return;
    }
    const ActorParams *params = b->params;
    if (!params || !(params->weight > 0.0f)) {
        return;
    }
    float dx = b->position[0] - p[0];
    float dz = b->position[2] - p[2];
    float q = dx * dx + dz * dz - b->radius * b->radius;
    if (q >= r2) {
        return;
    }
    float k = 2.0f * (1.0f - q / r2);
    if (k > 1.0f) {
        k = 1.0f;
    }
    float f = strength / params->weight;
    float m = params->max_explosion_multiply;
    if (m != 0.0f && f > m) {
        f = m;
    }
    f *= k;
    float len2 = dx * dx + dz * dz;
    if (len2 <= 0.0f) {
        return;
    }
    float inv = 1.0f / sqrtf(len2);
    b->extra_velocity[0] += f * dx * inv;
    b->extra_velocity[2] += f * dz * inv;
}

void explosion_push_beasties(const float position[3], float radius, float strength)
{
    // A blast of no size has no inside: nothing to push (and no division by zero).
    if (!(radius > 0.0f)) {
        return;
    }
    float r2 = radius * radius;
    for (Beastie *b = g_beasties; b; b = b->next) {
        explosion_push_one(b, position, r2, strength);
    }
    for (Beastie *b = g_ground_beasties; b; b = b->next) {
        explosion_push_one(b, position, r2, strength);
    }
}

// A negative blast on a drawn tick: while the collide bone's mean scale r is inside the
// piece's radius, every hittable enemy in a moving state within r takes a lethal hit and
// the enemy bullets within r die.
static void debris_damage(Debris *d)
{
    const float *m = d->anim.matrices + 16 * d->collide_matrix;
    float r = 0.0f;
    for (int c = 0; c < 3; c++) {
        r += sqrtf(m[4 * c] * m[4 * c] + m[4 * c + 1] * m[4 * c + 1] + m[4 * c + 2] * m[4 * c + 2]);
    }
    r *= (1.0f / 3.0f);
    if (!(r > 0.0f) || r > d->radius) {
        return;
    }
    float r2 = r * r;
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (b->hit_clock >= 0.0f || b->lifecycle <= BEASTIE_SUBMERGING) {
            continue;
        }
        float dx = b->position[0] - d->position[0];
        float dz = b->position[2] - d->position[2];
        if (dx * dx + dz * dz - b->radius * b->radius < r2) {
            beastie_take_hit(b, BEASTIE_HIT_LETHAL);
        }
    }
    bullet_kill_in_radius(d->position, r);
}

// One started tick of a piece: sound, the push, time and the end test, then animation.
static void debris_update(Debris *d)
{
    if (d->sound >= 0) {
        sound_play_at(d->sound, d->position, g_level_ticks);
        d->sound = -1;
    }
    if (d->time != 0.0f && d->blast > 0.0f) {
        explosion_push_beasties(d->position, d->radius, d->blast);
        d->blast = 0.0f;
    }
    d->time += d->rate;
    if (d->life_span == 0.0f) {
        // A model without "explode" has nothing to wait for: the piece ends at once.
        if (anim_has_ended(&d->anim, d->explode_anim)) {
            d->alive = 0.0f;
        }
    } else if (d->time >= d->life_span) {
        d->alive = 0.0f;
    }
    if (d->alive <= 0.0f) {
        return;
    }
    if (d->anim.start_counter) {
        d->anim.start_counter--;
        anim_trail_set_position(&d->anim, d->position);
    }
    g_particle_scale = d->scale;
    anim_update(&d->anim);
    if (g_ticks_left == 1) {
        anim_build_matrices(&d->anim);
        anim_update_hit_spheres(d, 0, d->scale);
        if (d->blast < 0.0f) {
            debris_damage(d);
        }
    }
}

void debris_update_all(void)
{
    g_debris_count = 0;
    for (Debris **link = &g_debris; *link;) {
        Debris *d = *link;
        g_debris_count++;
        d->delay -= 0.01f;
        if (d->delay <= 0.0f) {
            debris_update(d);
        }
        if (d->alive <= 0.0f) {
            // A hit the piece dealt may have listed new pieces in front of it.
            while (*link != d) {
                link = &(*link)->next;
            }
            *link = d->next;
            debris_destroy(d, 1);
        } else {
            link = &d->next;
        }
    }
}

void debris_destroy(Debris *d, int flags)
{
    actor_destroy(d, 0);
    if (flags & 1) {
        delete d;
    }
}

void debris_reset(void)
{
    g_debris = nullptr;
}

void debris_free_all(void)
{
    while (Debris *d = g_debris) {
        g_debris = d->next;
        debris_destroy(d, 1);
    }
    g_debris_count = 0;
}
