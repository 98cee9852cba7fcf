// beastie_link.cpp -- the links between enemies: handles that outlive their enemy,
// attachment to a parent's bone, the child array and its rules, and the release of every
// link when an enemy dies or submerges.

#include "world/beastie_local.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "world/animset.h"
#include "world/geom.h"
#include "world/path.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

namespace {

// Handle slots: the enemy in each (null when free) and the serial it was given.
Beastie *g_handle_beastie[BEASTIE_MAX];
uint32_t g_handle_serial[BEASTIE_MAX];
int g_handle_free[BEASTIE_MAX];   // stack of free slots
int g_handle_free_count = -1;     // -1: not set up since the last reset
uint32_t g_beastie_serial;        // serial of the enemy listed last

void beastie_handles_fill(void)
{
    g_handle_free_count = 0;
    for (int i = BEASTIE_MAX - 1; i >= 0; i--) {
        g_handle_beastie[i] = nullptr;
        g_handle_free[g_handle_free_count++] = i;
    }
}

}  // namespace

int beastie_handle_take(Beastie *b)
{
    if (g_handle_free_count < 0) {
        beastie_handles_fill();
    }
    if (g_handle_free_count == 0) {
        con_printf("*** [beastie] BEASTIE_MAX (%d) reached. Increase #define value. :)", BEASTIE_MAX);
        return -1;
    }
    int slot = g_handle_free[--g_handle_free_count];
    b->slot = slot;
    b->serial = ++g_beastie_serial;
    g_handle_beastie[slot] = b;
    g_handle_serial[slot] = b->serial;
    return 0;
}

void beastie_handle_drop(Beastie *b)
{
    if (b->slot < 0 || b->slot >= BEASTIE_MAX || g_handle_beastie[b->slot] != b) {
        return;
    }
    g_handle_beastie[b->slot] = nullptr;
    g_handle_serial[b->slot] = 0;
    g_handle_free[g_handle_free_count++] = b->slot;
    b->slot = -1;
}

void beastie_handles_reset(void)
{
    beastie_handles_fill();
    g_beastie_serial = 0;
}

BeastieLink beastie_link(const Beastie *b)
{
    if (!b || b->slot < 0) {
        return BeastieLink{0, 0};
    }
    return BeastieLink{b->serial, b->slot};
}

Beastie *beastie_get(BeastieLink link)
{
    if (link.serial == 0 || link.slot < 0 || link.slot >= BEASTIE_MAX || g_handle_serial[link.slot] != link.serial) {
        return nullptr;
    }
    return g_handle_beastie[link.slot];
}

// ---------------------------------------------------------------------------------------
// Attachment

// The matrix of bone (a matrix index) of parent, or null when it has none.
static const float *beastie_bone_matrix(const Beastie *parent, int bone)
{
    if (!parent->matrix_block || !parent->anim.set || bone < 0 || bone > parent->anim.set->bone_count) {
        return nullptr;
    }
    return parent->matrix_block + 16 * bone;
}

static int beastie_link_parent(Beastie *child, Beastie *parent, int bone)
{
    const float *m = beastie_bone_matrix(parent, bone);
    if (!m || child == parent) {
        return -1;
    }
    child->parent = beastie_link(parent);
    child->first_parent = child->parent;
    parent->linked_count++;
    child->parent_bone = m;
    // The child reads the bone every tick from now on: the parent builds it in its tick,
    // and its matrix of the last build is made now if it waited for the draw.
    anim_set_keep_bone(parent->anim.set, bone);
    anim_finish_matrices(&parent->anim);
    return 0;
}

void beastie_attach_spawned(Beastie *child, Beastie *parent, int bone, float sx, float sy, float sz)
{
    if (beastie_link_parent(child, parent, bone) != 0) {
        return;
    }
    memset(child->local_matrix, 0, sizeof(child->local_matrix));
    child->local_matrix[0] = sx;
    child->local_matrix[5] = sy;
    child->local_matrix[10] = sz;
    child->local_matrix[15] = 1.0f;
}

void beastie_attach_to_parent(Beastie *child, Beastie *parent, int bone, float parent_scale)
{
    if (beastie_link_parent(child, parent, bone) != 0) {
        return;
    }
    if ((child->params->geopus_style & GEOPUS_RELEASE) && (child->move_bits & cmt_path)) {
        child->angles[1] = 0.0f;
    }
    float k = parent_scale != 0.0f ? child->scale / parent_scale : child->scale;
    memset(child->local_matrix, 0, sizeof(child->local_matrix));
    geom_matrix_rot_scale_translate(child->local_matrix, child->angles[1], k, child->position);
    child->local_matrix[15] = 1.0f;
}

void beastie_release(Beastie *b)
{
    beastie_stop(b);
    b->parent = BeastieLink{};
    b->parent_bone = nullptr;
    beastie_random_trajectory(b);
}

// ---------------------------------------------------------------------------------------
// The child array

void beastie_add_child(Beastie *owner, Beastie *child)
{
    if (owner == child) {
        return;
    }
    if (!owner->children) {
        owner->children = (BeastieLink *)recycle_take(sizeof(BeastieLink) * BEASTIE_MAX_CHILDREN);
        for (int i = 0; i < BEASTIE_MAX_CHILDREN; i++) {
            owner->children[i] = BeastieLink{};
        }
    }
    child->child_owner = beastie_link(owner);
    for (int i = 0; i < BEASTIE_MAX_CHILDREN; i++) {
        if (owner->children[i].serial == 0) {
            owner->children[i] = beastie_link(child);
            return;
        }
    }
}

Beastie *beastie_remove_child(Beastie *owner, Beastie *child)
{
    if (!owner->children) {
        return nullptr;
    }
    for (int i = 0; i < BEASTIE_MAX_CHILDREN; i++) {
        if (owner->children[i].serial != 0 && owner->children[i].serial == child->serial) {
            owner->children[i] = BeastieLink{};
            return i + 1 < BEASTIE_MAX_CHILDREN ? beastie_get(owner->children[i + 1]) : nullptr;
        }
    }
    return nullptr;
}

// The listed child of slot i; the slot of an enemy gone is cleared.
static Beastie *beastie_child(Beastie *b, int i)
{
    if (b->children[i].serial == 0) {
        return nullptr;
    }
    Beastie *c = beastie_get(b->children[i]);
    if (!c) {
        b->children[i] = BeastieLink{};
    }
    return c;
}

int beastie_count_children(Beastie *b)
{
    int n = 0;
    for (int i = 0; b->children && i < BEASTIE_MAX_CHILDREN; i++) {
        // A child is always launched after its owner, so the families form no cycle.
        if (Beastie *c = beastie_child(b, i)) {
            n += 1 + beastie_count_children(c);
        }
    }
    return n;
}

void beastie_arrange_children(Beastie *b)
{
    if (!b->children) {
        return;
    }
    int n = 0;
    for (int i = 0; i < BEASTIE_MAX_CHILDREN; i++) {
        n += b->children[i].serial != 0;
    }
    if (n == 0 || n == b->linked_count) {
        return;
    }
    int m = n > 6 ? n : 6;
    float s = 0.97f * b->scale +
              0.03f * b->scale * (0.15f + 0.0708333f * (float)m) / (0.0708333f * (float)b->linked_count + 0.15f);
    actor_set_scale(b, s);
    int k = 0;
    for (int i = 0; i < BEASTIE_MAX_CHILDREN; i++) {
        if (b->children[i].serial == 0) {
            continue;
        }
        k++;
        Beastie *c = beastie_get(b->children[i]);
        if (!c) {
            continue;
        }
        float angle = angle_wrap180(360.0f * (float)k / (float)m);
        float *yaw = &c->angles[1];
        if (n > 5) {
            float d = angle_wrap180(angle - *yaw);
            *yaw += d > 0.25f ? 0.25f : d < -0.25f ? -0.25f : d;
        } else {
            *yaw = angle;
        }
        float r = -c->params->random_offset_x;
        float offset[3] = {sinf(*yaw * DEG2RAD) * r, -cosf(*yaw * DEG2RAD) * r, 0.0f};
        geom_matrix_rot_scale_translate(c->local_matrix, *yaw, 1.0f / (b->scale * c->inv_scale), offset);
    }
}

void beastie_die_if_no_children(Beastie *b)
{
    if (b->health > 0.0f) {
        return;
    }
    for (int i = 0; b->children && i < BEASTIE_MAX_CHILDREN; i++) {
        Beastie *c = beastie_child(b, i);
        if (c && c->health > 0.0f) {
            return;
        }
    }
    beastie_die(b, 0);
}

// ---------------------------------------------------------------------------------------
// Release

static void beastie_end(Beastie *b, int kill)
{
    if (kill) {
        beastie_die(b, 0);
    } else {
        beastie_submerge(b, 0);
    }
}

void beastie_release_links(Beastie *b, int kill, int keep_parent)
{
    Beastie *next_child = nullptr;
    Beastie *owner = beastie_get(b->child_owner);
    if (b->child_owner.serial != 0) {
        b->child_owner = BeastieLink{};
        if (owner) {
            Beastie *next = beastie_remove_child(owner, b);
            if (b->params->geopus_style & GEOPUS_CHAIN) {
                next_child = next;
            }
        }
    }
    BeastieLink self = beastie_link(b);
    for (Beastie *head : {g_beasties, g_ground_beasties}) {
        for (Beastie *q = head; q; q = q->next) {
            if (q->health_parent.serial == self.serial && self.serial != 0) {
                q->health_parent = BeastieLink{};
                if (q->params->health_type == health_damagable_check_parent && q->full_health <= 0.0f) {
                    beastie_end(q, kill);
                }
            }
        }
    }
    Beastie *parent = beastie_parent(b);
    if (!keep_parent && (b->params->geopus_style & GEOPUS_TAKE_PARENT) && parent) {
        b->parent = BeastieLink{};
        b->parent_bone = nullptr;
        beastie_end(parent, kill);
    }
    if (b->linked_count != 0 && self.serial != 0) {
        b->linked_count = 0;
        for (Beastie *head : {g_beasties, g_ground_beasties}) {
            for (Beastie *q = head; q; q = q->next) {
                if (q == b || q->parent.serial != self.serial) {
                    continue;
                }
                q->parent = BeastieLink{};
                q->parent_bone = nullptr;
                if (!kill) {
                    beastie_submerge(q, 0);
                } else if (q->params->geopus_style & GEOPUS_RELEASE) {
                    beastie_release(q);
                    if (q->path) {
                        q->path_pos = path_follow(q->path, q->position, q->target_point, 0);
                    }
                } else {
                    beastie_die(q, 0);
                }
            }
        }
    }
    b->parent = BeastieLink{};
    b->parent_bone = nullptr;
    b->child_owner = BeastieLink{};
    b->health_parent = BeastieLink{};
    if (next_child) {
        beastie_end(next_child, kill);
    }
}
