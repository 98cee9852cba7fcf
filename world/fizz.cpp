// fizz.cpp -- the beam list: beams made between bones of two actors, their per-tick
// stretch and strength, and the collision of moving spheres with them.

#include "world/fizz.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "render/particle.h"
#include "world/actortype.h"
#include "world/level.h"

#include <cmath>

Fizz *g_fizz;
float g_fizz_bounce_angle;

constexpr float FIZZ_DEFAULT_MAX_LENGTH2 = 11900.0f;
constexpr float FIZZ_GROW = 0.02f;           // strength gained per tick within range
constexpr float FIZZ_FADE = 0.05f;           // lost per tick out of range, flickering or dying
constexpr float FIZZ_FLICKER_FLOOR = 0.01f;  // a flicker never takes a beam below this
constexpr int FIZZ_GROW_FROM_TICK = -20;     // no growth during the start-up countdown before it
constexpr int FIZZ_SETTLE_TICKS = 30;        // the stretch follows the strength before this tick
constexpr int FIZZ_COLLIDE_STEPS = 10;       // sub-steps of a move tested against a beam

int fizz_game_frozen(void)
{
    return g_game_over || g_level_end_ticks > 0 || g_death_ticks != 0;
}

int fizz_init(Fizz *f, float scale, ActorType *type, uint32_t flags)
{
    f->strength = -1.0f;
    if (!type || !type->params) {
        con_printf("*** fizz help");
        return -1;
    }
    if (actor_setup_type(f, type, (int)cat_fizz, 0, 0, scale) != 0) {
        return -1;
    }
    f->base_scale = scale;
    f->model_radius = scale > 0.0f ? f->radius / scale : 0.0f;
    f->flags = flags;
    f->min_length2 = 0.0f;
    f->max_length2 = FIZZ_DEFAULT_MAX_LENGTH2;
    f->flicker_period = 0.0f;
    f->flicker_clock = 0.0f;
    const ActorParams *p = type->params;
    for (int i = 0; i < p->random_anim_count && i < MAX_RANDOM_ANIMS; i++) {
        f->random_anim_timers[i] = p->random_anims[i].delay_min + mt_rand_unit() * p->random_anims[i].delay_range;
    }
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

// The beam reads its ends' matrices every tick from now on: each actor builds the bone in
// its tick, and its matrix of the last build is made now if it waited for the draw.
static void fizz_keep_end(Actor *a, const float *end, int i)
{
    if (end) {
        anim_set_keep_bone(a->anim.set, i);
        anim_finish_matrices(&a->anim);
    }
}

void fizz_attach(Fizz *f, Actor *a, int i, Actor *b, int j)
{
    f->matrix_a = fizz_end(a, i);
    f->matrix_b = fizz_end(b, j);
    fizz_keep_end(a, f->matrix_a, i);
    fizz_keep_end(b, f->matrix_b, j);
    f->actor_a = a;
    f->actor_b = b;
    f->strength = 0.01f;
}

// Where an end stands: its matrix's translation, the actor's position for a free end,
// else where the beam last saw it.
static void fizz_end_point(float out[3], const float *m, const Actor *a, const float *last)
{
    const float *p = m ? m + 12 : a ? a->position : last;
    out[0] = p[0];
    out[1] = p[1];
    out[2] = p[2];
}

// The ends, the centre, the heading and the line of a live beam, followed each update
// from the two actors it joins.
static void fizz_follow_ends(Fizz *f)
{
    float a[3], b[3], last_b[3];
    for (int c = 0; c < 3; c++) {
        last_b[c] = f->end_a[c] + f->span[c];
    }
    fizz_end_point(a, f->matrix_a, f->actor_a, f->end_a);
    fizz_end_point(b, f->matrix_b, f->actor_b, last_b);
    for (int c = 0; c < 3; c++) {
        f->position[c] = (a[c] + b[c]) * 0.5f;
        f->end_a[c] = a[c];
        f->span[c] = b[c] - a[c];
    }
    f->angle = atan2f(f->span[0], f->span[2]) * RAD2DEG - 90.0f;
    float sa = sinf(f->angle * DEG2RAD), ca = cosf(f->angle * DEG2RAD);
    f->line[0] = sa;
    f->line[1] = 0.0f;
    f->line[2] = ca;
    f->line[3] = -(a[0] * sa + a[2] * ca);
}

// The beam's own matrix, X stretched along the beam, the variant by kind.
static void fizz_own_matrix(Fizz *f, float s)
{
    float *m = f->matrix_block;
    if (!m) {
        return;
    }
    float sa = f->line[0], ca = f->line[2], xs = f->stretch;
    m[0] = ca * xs;
    m[1] = 0.0f;
    m[2] = -sa * xs;
    if (f->flags & FIZZ_RULE_BEAM) {
        m[4] = 0.0f;
        m[5] = s;
        m[6] = 0.0f;
        m[8] = sa * s;
        m[9] = 0.0f;
        m[10] = ca * s;
    } else {
        m[4] = -sa * s;
        m[5] = 0.0f;
        m[6] = -ca * s;
        m[8] = 0.0f;
        m[9] = s;
        m[10] = 0.0f;
    }
    m[3] = m[7] = m[11] = 0.0f;
    m[12] = f->position[0];
    m[13] = f->position[1];
    m[14] = f->position[2];
    m[15] = 1.0f;
}

// The beam's strength: grows within its length band, weakens outside it, flickers,
// fades when dying.
static void fizz_strength_step(Fizz *f, float l2)
{
    if (f->flags & FIZZ_DYING) {
        f->strength -= FIZZ_FADE;
        return;
    }
    if (l2 < f->min_length2 || l2 > f->max_length2) {
        f->strength -= FIZZ_FADE;
    } else if (f->strength < 1.0f && g_level_ticks > FIZZ_GROW_FROM_TICK) {
        f->strength = fminf(f->strength + FIZZ_GROW, 1.0f);
    }
    if (f->flicker_period != 0.0f) {
        f->flicker_clock -= 0.01f;
        if (f->flicker_clock < -f->flicker_period) {
            f->flicker_clock = f->flicker_period;
        }
        if (f->flicker_clock < 0.0f && f->strength > FIZZ_DRAW_STRENGTH) {
            f->strength = fmaxf(f->strength - FIZZ_FADE, FIZZ_FLICKER_FLOOR);
        }
    }
}

// The random animations of the type's parameters.
static void fizz_random_anims(Fizz *f)
{
    const ActorParams *p = f->params;
    for (int i = 0; i < p->random_anim_count && i < MAX_RANDOM_ANIMS; i++) {
        const RandomAnim *r = &p->random_anims[i];
        if (anim_is_playing(&f->anim, r->anim) == 1) {
            continue;
        }
        f->random_anim_timers[i] -= 0.01f;
        if (f->random_anim_timers[i] < 0.0f) {
            f->random_anim_timers[i] = r->delay_min + mt_rand_unit() * r->delay_range;
            anim_play(&f->anim, r->anim, r->speed_min + mt_rand_unit() * r->speed_range, 0);
        }
    }
}

void fizz_update(Fizz *f)
{
    float s = f->strength * f->base_scale;
    f->scale = s;
    if (!(f->flags & FIZZ_DYING)) {
        fizz_follow_ends(f);
    }
    float l2 = f->span[0] * f->span[0] + f->span[2] * f->span[2];
    f->inv_length2 = l2 > 0.0f ? 1.0f / l2 : 0.0f;
    // A model without a sphere radius has no half-length to stretch: it stays unstretched.
    f->stretch = f->radius > 0.0f ? sqrtf(l2) * f->base_scale / (2.0f * f->radius) : 0.0f;
    if (g_level_ticks < FIZZ_SETTLE_TICKS || fizz_game_frozen()) {
        f->stretch *= f->strength;
    }
    fizz_own_matrix(f, s);
    fizz_strength_step(f, l2);
    if (f->params) {
        fizz_random_anims(f);
    }
    if (f->anim.start_counter) {
        f->anim.start_counter--;
        anim_trail_set_position(&f->anim, f->position);
    }
    g_particle_scale = s;
    anim_update(&f->anim);
    if (g_ticks_left == 1) {
        anim_build_matrices(&f->anim);
        anim_update_hit_spheres(f, 0, s);
    }
}

float fizz_draw_radius(const Fizz *f)
{
    float s = f->strength * f->base_scale;
    return f->model_radius * (f->stretch + fabsf(s));
}

int fizz_exists_between(const ActorType *type, const Actor *a, const Actor *b)
{
    for (const Fizz *f = g_fizz; f; f = f->next) {
        if (f->type == type && f->strength > 0.0f && (f->flags & FIZZ_RULE_BEAM) &&
            ((f->actor_a == a && f->actor_b == b) || (f->actor_a == b && f->actor_b == a))) {
            return 1;
        }
    }
    return 0;
}

// ---------------------------------------------------------------------------------------
// Collision

// Signed distance of an X/Z point from the beam's line (positive on its normal's side).
static float fizz_line_distance(const Fizz *f, float x, float z)
{
    return f->line[0] * x + f->line[2] * z + f->line[3];
}

// Squared X/Z distance of (x, z) from the segment A .. B.
static float fizz_segment_distance2(const Fizz *f, float x, float z)
{
    float px = x - f->end_a[0], pz = z - f->end_a[2];
    float t = (px * f->span[0] + pz * f->span[2]) * f->inv_length2;
    t = fminf(fmaxf(t, 0.0f), 1.0f);
    float qx = px - t * f->span[0], qz = pz - t * f->span[2];
    return qx * qx + qz * qz;
}

// The bounce of a touch: the velocity turned to the side the mover came from, scaled by
// bounce (k < 0) or the move cut short at fraction k; the heading of that side.
static void fizz_turn_back(const Fizz *f, float velocity[3], float dist, float bounce, float k)
{
    float side = dist >= 0.0f ? 1.0f : -1.0f;
    if (k < 0.0f) {
        velocity[0] = side * bounce * f->line[0];
        velocity[2] = side * bounce * f->line[2];
    } else {
        velocity[0] *= k;
        velocity[2] *= k;
    }
    g_fizz_bounce_angle = side > 0.0f ? f->angle : f->angle + 180.0f;
}

uint32_t fizz_collide_sphere(ActorType *type, float position[3], float velocity[3], float radius, float speed,
                             float bounce, int is_ship, uint32_t mask)
{
    const float r = radius, r2 = radius * radius, reach = radius + speed;
    uint32_t result = 0;
    for (const Fizz *f = g_fizz; f; f = f->next) {
        if (f->strength <= FIZZ_COLLIDE_STRENGTH || (f->flags & FIZZ_DYING) || !(f->flags & mask)) {
            continue;
        }
        uint32_t hit = ACTOR_HIT_FIZZ;
        if (is_ship && (f->flags & FIZZ_BARRIER)) {
            hit |= ACTOR_HIT_DAMAGE;
        }
        if (type && ((f->actor_a && f->actor_a->type == type) || (f->actor_b && f->actor_b->type == type))) {
            continue;
        }
        float dist = fizz_line_distance(f, position[0], position[2]);
        if (fabsf(dist) > reach || ((f->flags & FIZZ_ROOM_BEAM) && dist <= 0.0f)) {
            continue;
        }
        bool near_line = fabsf(dist) <= r;
        if (near_line && fizz_segment_distance2(f, position[0], position[2]) <= r2) {
            if (!(hit & ACTOR_HIT_DAMAGE)) {
                fizz_turn_back(f, velocity, dist, bounce, -1.0f);
            }
            result |= hit;
            continue;
        }
        float end = fizz_line_distance(f, position[0] + velocity[0], position[2] + velocity[2]);
        bool crosses = dist < 0.0f ? end >= dist && end >= -r : end <= dist && end <= r;
        if (!crosses) {
            continue;
        }
        if (!near_line && fizz_segment_distance2(f, position[0], position[2]) > reach * reach) {
            continue;
        }
        for (int i = 0; i < FIZZ_COLLIDE_STEPS; i++) {
            float k = (float)i / (float)FIZZ_COLLIDE_STEPS;
            if (fizz_segment_distance2(f, position[0] + k * velocity[0], position[2] + k * velocity[2]) <= r2) {
                if (!(hit & ACTOR_HIT_DAMAGE)) {
                    fizz_turn_back(f, velocity, dist, bounce, k);
                }
                result |= hit;
                break;
            }
        }
    }
    return result;
}

// ---------------------------------------------------------------------------------------
// The list

void fizz_kill_for_actor(const Actor *a)
{
    if (!a) {
        return;
    }
    for (Fizz *f = g_fizz; f; f = f->next) {
        if (f->actor_a == a || f->actor_b == a) {
            f->flags |= FIZZ_DYING;
            f->actor_a = f->actor_b = nullptr;
            f->matrix_a = f->matrix_b = nullptr;
        }
    }
}

void fizz_destroy(Fizz *f, int flags)
{
    actor_destroy(f, 0);
    if (flags & 1) {
        delete f;
    }
}

void fizz_reset(void)
{
    g_fizz = nullptr;
}

void fizz_free_all(void)
{
    while (Fizz *f = g_fizz) {
        g_fizz = f->next;
        fizz_destroy(f, 1);
    }
}

void fizz_update_all(void)
{
    for (Fizz **link = &g_fizz; *link;) {
        Fizz *f = *link;
        fizz_update(f);
        if (f->strength <= 0.0f) {
            *link = f->next;
            fizz_destroy(f, 1);
            continue;
        }
        link = &f->next;
    }
}

void fizz_kill_all(void)
{
    for (Fizz *f = g_fizz; f; f = f->next) {
        f->flags |= FIZZ_DYING;
    }
}
