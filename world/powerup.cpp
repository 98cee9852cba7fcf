// powerup.cpp -- power-ups: the registered kinds and their weights, the rationed drops
// with their history, the drift across the floor, the pick-up and the fade.

#include "world/powerup.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "world/actortype.h"
#include "world/fizz.h"
#include "world/gamer.h"
#include "world/level.h"

#include <cmath>

float g_powerup_countdown = POWERUP_RELOAD;
ActorType *g_powerup_types[POWERUP_MAX_TYPES];
float g_powerup_weights[POWERUP_MAX_TYPES];
int g_powerup_type_count;
PowerUp *g_powerups;
int g_powerup_history[POWERUP_HISTORY] = {3, 3, 3};
int g_powerup_no_drop = -1;

void powerup_register_type(ActorType *type)
{
    if (g_powerup_type_count >= POWERUP_MAX_TYPES) {
        con_printf("*** [powerup] too many");
        return;
    }
    g_powerup_types[g_powerup_type_count] = type;
    g_powerup_weights[g_powerup_type_count] = type->params->spin_speed_min;
    g_powerup_type_count++;
}

static int powerup_excluded(int i)
{
    if (i == g_powerup_no_drop) {
        return 1;
    }
    for (int h = 0; h < POWERUP_HISTORY; h++) {
        if (g_powerup_history[h] == i) {
            return 1;
        }
    }
    return 0;
}

int powerup_choose(float r)
{
    float total = 0.0f;
    for (int i = 0; i < g_powerup_type_count; i++) {
        if (!powerup_excluded(i)) {
            total += g_powerup_weights[i];
        }
    }
    float threshold = total * r;
    float sum = 0.0f;
    for (int i = 0; i < g_powerup_type_count; i++) {
        if (powerup_excluded(i)) {
            continue;
        }
        sum += g_powerup_weights[i];
        if (sum >= threshold) {
            return i;
        }
    }
    return -1;
}

// The matrix: pitched up from the model's axes, at scale x grow.
static void powerup_place(PowerUp *pu)
{
    float s = pu->scale * pu->grow;
    float *m = pu->matrix_block;
    const float own[16] = {s,    0.0f, 0.0f, 0.0f, 0.0f, 0.0f, -s, 0.0f, 0.0f, s, 0.0f, 0.0f,
                           pu->position[0], pu->position[1], pu->position[2], 1.0f};
    for (int i = 0; i < 16; i++) {
        m[i] = own[i];
    }
}

// Velocity along heading h degrees at speed.
static void powerup_head(PowerUp *pu, float h, float speed)
{
    pu->velocity[0] = sinf(h * DEG2RAD) * speed;
    pu->velocity[1] = 0.0f;
    pu->velocity[2] = cosf(h * DEG2RAD) * speed;
}

static float powerup_r15_signed(void)
{
    return (float)(mt_rand() & 0x7fff) * 6.103702e-5f - 1.0f;
}

int powerup_init(PowerUp *pu, ActorType *type, const float point[3])
{
    if (!type) {
        con_printf("*** [powerup] help");
        pu->life = 0.0f;
        return -1;
    }
    const ActorParams *p = type->params;
    float scale = p->launch_scale_min + mt_rand_unit() * p->launch_scale_range;
    if (actor_setup_type(pu, type, POWERUP_CATEGORY, cat_fence, 0, scale) != 0) {
        pu->life = 0.0f;
        return -1;
    }
    pu->life = p->target_delay_min;
    pu->grow = 0.0f;
    pu->collected = 0;
    for (int c = 0; c < 3; c++) {
        pu->position[c] = point[c];
    }
    powerup_place(pu);
    powerup_head(pu, powerup_r15_signed() * 180.0f, p->move_speed_min);
    pu->next = g_powerups;
    g_powerups = pu;
    return 0;
}

void powerups_spawn_timer(const float point[3])
{
    if (g_powerup_type_count <= 0 || g_beasties_active <= 1 || !(g_powerup_countdown < 0.0f)) {
        return;
    }
    float r = (float)(mt_rand() & 0x7fff) * 3.051851e-5f;
    int i = powerup_choose(r);
    if (i >= 0) {
        PowerUp *pu = new PowerUp;
        if (powerup_init(pu, g_powerup_types[i], point) != 0) {
            powerup_destroy(pu, 1);
        }
        for (int h = POWERUP_HISTORY - 1; h > 0; h--) {
            g_powerup_history[h] = g_powerup_history[h - 1];
        }
        g_powerup_history[0] = i;
    }
    g_powerup_countdown = POWERUP_RELOAD;
}

// One tick of one power-up.
static void powerup_update(PowerUp *pu)
{
    const ActorParams *p = pu->params;
    if (!pu->collected) {
        pu->velocity[0] *= p->move_inertia_accn;
        pu->velocity[2] *= p->move_inertia_accn;
        if (actor_move_collide(pu) & ACTOR_HIT_FIZZ) {
            powerup_head(pu, g_fizz_bounce_angle + powerup_r15_signed() * 45.0f, 0.5f * p->move_speed_min);
        }
    } else {
        pu->position[1] += pu->velocity[1];
    }
    if (pu->grow < 1.0f) {
        pu->grow += 0.03f;
    }
    if (pu->life < POWERUP_FADE) {
        pu->grow = 3.0f * pu->life;
    }
    powerup_place(pu);
    if (!g_level_playing) {
        pu->collected = 1;
        pu->velocity[1] = 0.0f;
        if (pu->life > POWERUP_FADE) {
            pu->life = POWERUP_FADE;
        }
    } else if (!pu->collected) {
        if (gamer_collect_powerup(pu->type, pu->position, pu->radius)) {
            pu->velocity[1] = 3.0f;
            pu->collected = 1;
            pu->life = POWERUP_FADE;
        } else {
            game_grow_bounds(pu->position, pu->radius);
        }
    }
    pu->life -= 0.01f;
    if (pu->life > 0.0f) {
        anim_update(&pu->anim);
        if (g_ticks_left == 1) {
            anim_build_matrices(&pu->anim);
            anim_update_hit_spheres(pu, 0, pu->scale);
        }
    }
}

void powerups_tick(void)
{
    g_powerup_countdown -= 0.01f;
    for (PowerUp **link = &g_powerups; *link;) {
        PowerUp *pu = *link;
        powerup_update(pu);
        if (pu->life <= 0.0f) {
            *link = pu->next;
            powerup_destroy(pu, 1);
        } else {
            link = &pu->next;
        }
    }
}

void powerup_destroy(PowerUp *pu, int flags)
{
    actor_destroy(pu, 0);
    if (flags & 1) {
        delete pu;
    }
}

void powerups_reset_history(void)
{
    for (int i = 0; i < POWERUP_MAX_TYPES; i++) {
        g_powerup_weights[i] = 0.0f;
    }
    for (int h = 0; h < POWERUP_HISTORY; h++) {
        g_powerup_history[h] = 3;
    }
}

void powerups_reset(void)
{
    g_powerups = nullptr;
    g_powerup_type_count = 0;
}

void powerups_free_all(void)
{
    while (PowerUp *pu = g_powerups) {
        g_powerups = pu->next;
        powerup_destroy(pu, 1);
    }
    g_powerup_type_count = 0;
}
