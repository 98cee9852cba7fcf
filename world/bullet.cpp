// bullet.cpp -- the bullet list: set-up of ship and enemy shots, the per-tick flight with
// its collision, the hit that turns a shot into its "die", and removal.

#include "world/bullet.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "world/actortype.h"
#include "world/fizz.h"
#include "world/level.h"

#include <cmath>
#include <cstring>

// Where a shot without a bone matrix or owner starts.
static const float BULLET_ORIGIN[3] = {0.0f, 0.0f, 0.0f};

Bullet *g_bullets;
int g_bullet_count;
Gamer *g_bullet_ship;
float g_bullet_heading;

// The model matrix: pitched by -90 degrees (model -Y forward, +Z up) and turned by the
// heading, times the scale, at the position.
static void bullet_place(Bullet *b)
{
    float *m = b->matrix_block;
    float h = b->heading * DEG2RAD;
    float s = sinf(h) * b->scale;
    float c = cosf(h) * b->scale;
    const float rows[16] = {c, 0.0f, -s, 0.0f, -s, 0.0f, -c, 0.0f, 0.0f, b->scale, 0.0f, 0.0f,
                            b->position[0], b->position[1], b->position[2], 1.0f};
    memcpy(m, rows, sizeof(rows));
}

// Common set-up: bound to the type's set as a cat_bullet actor with mask, placed at the
// translation of matrix (else at from) raised by height, turned to heading, listed.
static Bullet *bullet_init(ActorType *type, const float *matrix, const float from[3], float heading, float height,
                           float scale, uint32_t mask)
{
    if (!type) {
        con_printf("*** bullet help");
        return nullptr;
    }
    Bullet *b = new Bullet;
    if (actor_setup_type(b, type, (int)cat_bullet, mask, 0, scale) != 0) {
        bullet_destroy(b, 1);
        return nullptr;
    }
    b->life = BULLET_FLYING;
    const float *p = matrix ? matrix + 12 : from;
    b->position[0] = p[0];
    b->position[1] = p[1] + height;
    b->position[2] = p[2];
    b->heading = heading;
    b->velocity[0] = sinf(heading * DEG2RAD);
    b->velocity[1] = 0.0f;
    b->velocity[2] = cosf(heading * DEG2RAD);
    bullet_place(b);
    b->next = g_bullets;
    g_bullets = b;
    g_bullet_count++;
    return b;
}

Bullet *bullet_spawn_spread(ActorType *type, const float *matrix, Actor *owner, float heading, float height,
                            float scale)
{
    float spray = type && type->params ? type->params->bullet_spray_angle : 0.0f;
    float h = heading + mt_rand_signed() * spray;
    Bullet *b = bullet_init(type, matrix, owner ? owner->position : BULLET_ORIGIN, h, height, scale, BULLET_MASK_ENEMY);
    if (b) {
        b->owner = owner;
    }
    return b;
}

Bullet *bullet_spawn_heading(ActorType *type, const float *matrix, Gamer *ship, float heading, float height,
                             float scale, int kind)
{
    Actor *a = (Actor *)ship;
    Bullet *b = bullet_init(type, matrix, a ? a->position : BULLET_ORIGIN, heading, height, scale, BULLET_MASK_PLAYER);
    if (b) {
        b->owner = a;
        b->ship = ship;
        b->kind = kind;
    }
    return b;
}

void bullet_kill_in_radius(const float point[3], float r)
{
    for (Bullet *b = g_bullets; b; b = b->next) {
        if (!b->ship && b->life > 0.0f && vec_dist2_xz(b->position, point) - b->radius * b->radius < r * r) {
            b->life = 0.0f;
        }
    }
}

void bullet_destroy(Bullet *b, int flags)
{
    actor_destroy(b, 0);
    if (flags & 1) {
        delete b;
    }
}

void bullet_reset(void)
{
    g_bullets = nullptr;
    g_bullet_count = 0;
    g_bullet_ship = nullptr;
    g_bullet_heading = 0.0f;
}

void bullet_free_all(void)
{
    while (Bullet *b = g_bullets) {
        g_bullets = b->next;
        // A beam tied to the shot lets go of its matrices before they are freed.
        fizz_kill_for_actor(b);
        bullet_destroy(b, 1);
    }
    bullet_reset();
}

static void bullet_build(Bullet *b)
{
    anim_build_matrices(&b->anim);
    anim_update_hit_spheres(b, 0, b->scale);
}

// A hit: the shot turns back, spawns the explosions of what it hit, stops its flight and
// plays "die".
static void bullet_hit(Bullet *b, uint32_t flags)
{
    if (g_ticks_left == 1) {
        bullet_build(b);
    }
    b->heading += 180.0f;
    int event = (flags & ACTOR_HIT_DAMAGE) ? EXPLOSION_EVENT_HIT_ACTIVE_BONE : EXPLOSION_EVENT_HIT_NULL_BONE;
    actortype_spawn_explosions(b->type, event, b->position, b->anim.matrices, b->radius, b->heading);
    const AnimSet *set = b->anim.set;
    for (int i = 0; i < set->track_count; i++) {
        if (strncmp(set->tracks[i].name, "fire", 4) == 0) {
            anim_stop(&b->anim, i);
        }
    }
    anim_play_by_name(&b->anim, "die", 1.0f, 0);
    b->life = BULLET_DYING;
}

// One tick of a flying shot: its animation, then a move with collision inside the inner
// square, a plain move outside it, and gone beyond the outer one.
static void bullet_fly(Bullet *b)
{
    float *m = b->matrix_block;
    m[12] = b->position[0];
    m[13] = b->position[1];
    m[14] = b->position[2];
    if (b->anim.start_counter) {
        b->anim.start_counter--;
        anim_trail_set_position(&b->anim, b->position);
    }
    anim_update(&b->anim);
    bullet_build(b);
    float ax = fabsf(b->position[0]);
    float az = fabsf(b->position[2]);
    if (ax > BULLET_MOVE_EDGE || az > BULLET_MOVE_EDGE) {
        b->life = 0.0f;
        return;
    }
    // Forward is minus the matrix's second column, which carries the scale.
    float d = anim_forward_distance(&b->anim);
    if (d < 0.0f) {
        d = 0.0f;
    }
    b->velocity[0] = -m[4] * d;
    b->velocity[1] = -m[5] * d;
    b->velocity[2] = -m[6] * d;
    if (ax > BULLET_COLLIDE_EDGE || az > BULLET_COLLIDE_EDGE) {
        for (int c = 0; c < 3; c++) {
            b->position[c] += b->velocity[c];
        }
        return;
    }
    g_bullet_ship = b->ship;
    g_bullet_heading = b->heading;
    g_collide_owner = b->owner;
    g_collide_mode = b->kind;
    uint32_t flags = actor_move_collide_damaging(b);
    g_bullet_ship = nullptr;
    g_bullet_heading = 0.0f;
    g_collide_owner = nullptr;
    g_collide_mode = 0;
    if (flags && b->kind != BULLET_KIND_LASER) {
        bullet_hit(b, flags);
    }
}

void bullet_update_all(void)
{
    Bullet **link = &g_bullets;
    while (Bullet *b = *link) {
        if (!anim_oneshot_playing(&b->anim)) {
            b->life = 0.0f;
        }
        if (b->life > 0.0f && b->life < BULLET_FLYING) {
            anim_update(&b->anim);
            if (g_ticks_left == 1) {
                bullet_build(b);
            }
        } else if (b->life >= BULLET_FLYING) {
            bullet_fly(b);
        }
        if (b->life <= 0.0f) {
            fizz_kill_for_actor(b);
            *link = b->next;
            g_bullet_count--;
            bullet_destroy(b, 1);
            continue;
        }
        link = &b->next;
    }
}
