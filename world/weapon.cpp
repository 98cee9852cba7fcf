// weapon.cpp -- an enemy's weapon state: cleared at creation, reloads drawn again by each
// movement set-up. The weapons' tick (aiming, firing, recoil) is still to come.

#include "world/weapon.h"

#include "core/mt.h"
#include "world/actorparams.h"
#include "world/beastie.h"

#include <cfloat>

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

int weapon_tick(WeaponState *w)
{
    (void)w;
    return 0;
}
