// beastie.cpp -- an enemy's creation, start, links and release. Creation binds the
// type's model and lists the enemy; its update, movement and death are still to come.

#include "world/beastie.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "world/actortype.h"

#include <cstdio>
#include <cstring>

// Appends b to the end of a list.
static void beastie_append(Beastie **head, Beastie *b)
{
    Beastie **link = head;
    while (*link) {
        link = &(*link)->next;
    }
    b->next = nullptr;
    *link = b;
}

int beastie_init(Beastie *b, const char *unique_name, const float position[3], float scale, float heading,
                 float anim_delay, float launch_delay, ActorType *type, Path *path)
{
    if (!unique_name) {
        unique_name = "";
    }
    if (!type || !type->params) {
        con_printf("*** enemy help %s", unique_name);
        return -1;
    }
    const ActorParams *p = type->params;
    if (actor_setup_type(b, type, p->actor_type, p->collide_mask, p->collided_by_mask, scale) != 0) {
        return -1;
    }
    b->path = path;
    b->lifecycle = BEASTIE_IDLE;
    b->hit_clock = p->hit_delay;
    b->anim_delay = anim_delay;
    b->launch_delay = launch_delay;
    b->heading = angle_wrap180(heading);
    memcpy(b->position, position, sizeof(b->position));
    memcpy(b->target_point, position, sizeof(b->target_point));
    snprintf(b->unique_name, sizeof(b->unique_name), "%s", unique_name);
    beastie_append(p->actor_type == (int)cat_ground ? &g_ground_beasties : &g_beasties, b);
    return 0;
}

void beastie_start(Beastie *b, int update_now, int mode)
{
    (void)update_now;
    if (!b->type) {
        return;
    }
    if (mode == BEASTIE_START_MUTATE) {
        b->lifecycle = BEASTIE_MUTATING;
        anim_play(&b->anim, b->type->named_anims[ACTORTYPE_ANIM_MUTATE], 1.0f, 0);
        b->hit_clock = b->params->mutate_hit_delay;
    } else {
        b->lifecycle = BEASTIE_EMERGING;
        anim_play(&b->anim, b->type->named_anims[ACTORTYPE_ANIM_EMERGE], 1.0f, 0);
    }
}

void beastie_destroy(Beastie *b, int flags)
{
    actortype_forget_beastie(b);
    delete[] b->candidates;
    b->candidates = nullptr;
    b->candidate_count = 0;
    actor_destroy(b, 0);
    if (flags & 1) {
        delete b;
    }
}

void beastie_attach_to_parent(Beastie *child, Beastie *parent, int bone, float parent_scale)
{
    (void)parent_scale;
    if (!parent->anim.set || bone < 0 || bone > parent->anim.set->bone_count || !parent->matrix_block) {
        return;
    }
    child->parent = parent;
    if (!child->first_parent) {
        child->first_parent = parent;
    }
    child->parent_bone = parent->matrix_block + 16 * bone;
}

void beastie_add_child(Beastie *owner, Beastie *child)
{
    child->child_owner = owner;
}
