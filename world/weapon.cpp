// weapon.cpp -- an enemy's weapons: reload sequences, aiming the body or a shaft bone at
// the nearest ship, firing along a gun bone as bullets or as launched enemies, muzzle
// flares and recoil.
//
// Bones are bone indexes of the enemy's set (matrix index - 1); a bone the script named
// but the model lacks is -1: such a gun fires from the enemy's own matrix and is never
// shot off, such a shaft turns nothing.

#include "world/weapon.h"

#include "core/mathlib.h"
#include "core/mt.h"
#include "world/actorparams.h"
#include "world/actortype.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/explosion.h"
#include "world/fizzrule.h"
#include "world/gamer.h"
#include "world/geom.h"
#include "world/level.h"

#include <cfloat>
#include <cmath>
#include <cstring>

// How far ahead of a launched shot its first target point lies.
constexpr float WEAPON_LAUNCH_REACH = 36.0f;
// A body-aiming enemy this close to facing its target (degrees) fires without waiting.
constexpr float WEAPON_BODY_AIM_SLACK = 3.0f;

void weapon_clear(WeaponState *w)
{
    w->owner = nullptr;
    w->actor = nullptr;
    for (WeaponSlot &s : w->slots) {
        s = WeaponSlot{FLT_MAX, 0, 0.0f, {0.0f, 0.0f, 0.0f, 1.0f}};
    }
}

void weapon_reset_reload(WeaponState *w, Beastie *b)
{
    w->owner = b;
    w->actor = b;
    const ActorParams *p = b->params;
    if (!p || p->weapon_count <= 0) {
        return;
    }
    const Weapon *first = &p->weapons[0];
    float t = (1.0f + mt_rand_signed() * first->reload_random) * (first->seq_count > 0 ? first->seq[0] : 0.0f);
    float reload = t < w->slots[0].reload ? t : w->slots[0].reload;
    for (int i = 0; i < p->weapon_count && i < MAX_WEAPONS; i++) {
        WeaponSlot *s = &w->slots[i];
        s->seq_index = 0;
        s->reload = reload;
        s->aim = p->weapons[i].gun_type == WEAPON_GUN_BODY_AIM ? p->weapons[i].aim_delay : 0.0f;
    }
}

// A bone of the actor's set, or -1 (the actor itself) for one it does not have.
static int weapon_bone(const Beastie *a, int bone)
{
    return bone >= 0 && bone < a->anim.set->bone_count ? bone : -1;
}

static const float *weapon_bone_matrix(const Beastie *a, int bone)
{
    return a->anim.matrices + 16 * (weapon_bone(a, bone) + 1);
}

// A bone the model gives health to that has none left.
static bool weapon_shot_off(const Beastie *a, int bone)
{
    bone = weapon_bone(a, bone);
    return bone >= 0 && a->anim.set->bone_health[bone] != 0.0f && a->anim.bone_health[bone] <= 0.0f;
}

// The next reload time of the sequence, scattered by reload_random.
static void weapon_next_reload(const Weapon *wp, WeaponSlot *s)
{
    s->seq_index++;
    if (s->seq_index >= wp->seq_count) {
        s->seq_index = 0;
    }
    s->reload = (1.0f + mt_rand_signed() * wp->reload_random) * wp->seq[s->seq_index];
}

// The shot itself: a bullet (with the beam rules run for it), or an enemy launched from
// the muzzle when the type is not a bullet category.
static void weapon_launch(Beastie *owner, const Weapon *wp, const float *gun, float heading)
{
    ActorType *type = wp->bullet_type;
    if (!(type->params->actor_type & (int)cat_bullet)) {
        const float pos[3] = {gun[12], gun[13] + wp->barrel_offset, gun[14]};
        Beastie *c = new Beastie;
        if (beastie_init(c, "", pos, wp->bullet_scale, heading, 0.0f, 0.0f, type, nullptr) != 0) {
            beastie_destroy(c, 1);
            return;
        }
        c->weapon_shot = 1;
        beastie_start(c, 1, BEASTIE_START_MUTATE);
        beastie_set_target_point(c, heading, WEAPON_LAUNCH_REACH);
        return;
    }
    Bullet *shot = bullet_spawn_spread(type, gun, owner, heading, wp->barrel_offset, wp->bullet_scale);
    if (shot) {
        fizz_rules_check_new(owner, shot);
    }
}

// Fires the weapon from its gun bone at target: refused inside the no-shoot distance and
// outside the no-shoot angle. from_target takes the shot heading from the muzzle to the
// target, else heading is kept. Then the fire animation, the flare and the recoil.
static void weapon_fire(WeaponState *w, const Weapon *wp, const float target[3], float heading, bool from_target)
{
    Beastie *b = w->owner;
    Beastie *a = w->actor;
    const float *gun = weapon_bone_matrix(a, wp->gun_bone);
    const float muzzle[3] = {gun[12], gun[13], gun[14]};
    float dx = target[0] - muzzle[0];
    float dz = target[2] - muzzle[2];
    if (dx * dx + dz * dz <= wp->no_shoot_dist_sq) {
        return;
    }
    float towards = atan2f(dx, dz) * RAD2DEG;
    if (from_target) {
        heading = towards;
    }
    if (wp->no_shoot_angle != 0.0f) {
        float off = angle_wrap180(from_target ? heading - b->heading : towards - heading);
        if (off < -wp->no_shoot_angle || off > wp->no_shoot_angle) {
            return;
        }
    }
    weapon_launch(b, wp, gun, heading);
    anim_play(&a->anim, wp->fire_anim, 1.0f, 0);
    if (wp->flare) {
        debris_spawn_one(wp->flare, muzzle, wp->flare_scale, heading);
    }
    if (wp->recoil_angle != 0.0f) {
        float r = wp->recoil_angle;
        float kick = mt_rand_signed() * r;
        kick = kick <= 0.0f ? kick - 0.25f * r : kick + 0.25f * r;
        b->heading = angle_wrap180(b->heading + kick);
        b->angles[1] = b->heading;
        b->aim_angle = b->heading;
    }
    if (wp->recoil_dist != 0.0f) {
        // Added to the velocity now and once more by the next update.
        float h = heading * DEG2RAD;
        b->extra_velocity[0] -= sinf(h) * wp->recoil_dist;
        b->extra_velocity[2] -= cosf(h) * wp->recoil_dist;
        b->velocity[0] += b->extra_velocity[0];
        b->velocity[2] += b->extra_velocity[2];
    }
}

// Fires along the gun bone's heading, unless that gun has been shot off.
static void weapon_fire_from_bone(WeaponState *w, const Weapon *wp, const float target[3])
{
    if (weapon_shot_off(w->actor, wp->gun_bone)) {
        return;
    }
    // Gun bones point their -Y along the shot: the heading of minus the second column.
    const float *m = weapon_bone_matrix(w->actor, wp->gun_bone);
    weapon_fire(w, wp, target, atan2f(-m[4], -m[6]) * RAD2DEG, false);
}

// A new aim orientation for an "around_only_aim" shaft: the turn about its parent's up
// axis (model +Z) that points the shaft's -Y at the nearest ship.
static void weapon_aim_at(WeaponState *w, const Weapon *wp, WeaponSlot *s)
{
    const Beastie *a = w->actor;
    int bone = weapon_bone(a, wp->shaft_bone);
    if (wp->gun_type != WEAPON_GUN_AROUND || bone < 0 || weapon_shot_off(a, bone)) {
        return;
    }
    const Gamer *g = gamer_nearest_live(a->position);
    if (!g) {
        return;
    }
    const float *m = weapon_bone_matrix(a, bone);
    const float dir[3] = {g->position[0] - m[12], g->position[1] - m[13], g->position[2] - m[14]};
    float local[3];
    geom_vec_to_local(a->anim.matrices + 16 * a->anim.set->bones[bone].parent, dir, local);
    float half = 0.5f * atan2f(local[0], -local[1]);
    s->aim_quat[0] = 0.0f;
    s->aim_quat[1] = 0.0f;
    s->aim_quat[2] = sinf(half);
    s->aim_quat[3] = cosf(half);
}

// The shaft turns toward the aim orientation: slowly just after a new aim, fully by the
// end of the aim delay.
static void weapon_aim_bone(WeaponState *w, const Weapon *wp, const WeaponSlot *s)
{
    float keep = 0.5f;
    if (wp->aim_delay > 0.0f && s->aim >= 0.0f) {
        float u = 1.0f - s->aim / wp->aim_delay;
        keep = 1.0f - u * u;
    }
    anim_slerp_bone(&w->actor->anim, s->aim_quat, weapon_bone(w->actor, wp->shaft_bone), keep);
}

// Timers fall by the difficulty's shoot rate times the type's rate for its numbers.
static float weapon_rate(const Beastie *b)
{
    float sf = g_speed_factor;
    float f = sf <= 1.0f ? 0.01f * sf : (sf - 1.0f) * b->params->difficulty_adjust_shoot * 0.01f + 0.01f;
    return b->type ? f * b->type->shoot_factor : f;
}

// An "actor_body_aim" weapon: once reloaded the enemy turns to the nearest ship and fires
// along its own heading when it faces it or its aim delay has run out. True while it aims.
static bool weapon_body_aim(WeaponState *w, const Weapon *wp, WeaponSlot *s, float f)
{
    Beastie *b = w->owner;
    s->reload -= f;
    if (s->reload >= 0.0f) {
        return false;
    }
    Gamer *g = gamer_nearest_live(b->position);
    if (!g) {
        s->aim = -1.0f;
    } else {
        b->aim_angle = atan2f(g->position[0] - b->position[0], g->position[2] - b->position[2]) * RAD2DEG;
        if (fabsf(angle_wrap180(b->heading - b->aim_angle)) <= WEAPON_BODY_AIM_SLACK) {
            s->aim = -1.0f;
        }
    }
    s->aim -= f;
    if (s->aim < 0.0f) {
        weapon_next_reload(wp, s);
        s->aim = s->reload > 0.0f ? wp->aim_delay : -1.0f;
        if (g_level_playing && g) {
            weapon_fire(w, wp, g->position, b->heading, false);
        }
    }
    return true;
}

int weapon_tick(WeaponState *w)
{
    Beastie *b = w->owner;
    if (!b || !w->actor || !b->params || !w->actor->anim.matrices) {
        return 0;
    }
    const ActorParams *p = b->params;
    float f = weapon_rate(b);
    int result = 0;
    for (int i = 0; i < p->weapon_count && i < MAX_WEAPONS; i++) {
        const Weapon *wp = &p->weapons[i];
        WeaponSlot *s = &w->slots[i];
        if (anim_is_playing(&w->actor->anim, wp->fire_anim) == 1) {
            if (wp->gun_type == WEAPON_GUN_BODY_AIM) {
                result = -1;
            }
        } else if (wp->gun_type == WEAPON_GUN_BODY_AIM) {
            if (weapon_body_aim(w, wp, s, f)) {
                result = wp->aim_anim;
            }
        } else {
            s->reload -= f;
            if (s->reload < 0.0f) {
                weapon_next_reload(wp, s);
                Gamer *g = gamer_nearest_live(b->position);
                if (g_level_playing && g) {
                    if (wp->gun_type == WEAPON_GUN_OTHER) {
                        weapon_fire(w, wp, g->position, 0.0f, true);
                    } else {
                        weapon_fire_from_bone(w, wp, g->position);
                    }
                }
            }
        }
        if (wp->gun_type == WEAPON_GUN_AROUND || wp->gun_type == WEAPON_GUN_AROUND_UPDOWN) {
            s->aim -= f;
            if (s->aim < 0.0f) {
                s->aim = wp->aim_delay;
                weapon_aim_at(w, wp, s);
            }
            weapon_aim_bone(w, wp, s);
        }
    }
    return result;
}
