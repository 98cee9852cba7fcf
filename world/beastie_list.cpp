// beastie_list.cpp -- the enemy lists, the queries over them and the collision of the
// current collider with enemies.

#include "world/beastie.h"

#include <cstring>
#include <initializer_list>

Beastie *g_beasties;
Beastie *g_ground_beasties;
Beastie *g_current_beastie;

// Enemies are hittable and count as alive while their hit clock is below 0.
static int beastie_live(const Beastie *b)
{
    return b->hit_clock < 0.0f;
}

static void beasties_free_list(Beastie **head)
{
    while (Beastie *b = *head) {
        *head = b->next;
        beastie_destroy(b, 1);
    }
}

void beasties_reset(void)
{
    g_beasties = nullptr;
    g_ground_beasties = nullptr;
    g_current_beastie = nullptr;
}

void beasties_free_all(void)
{
    beasties_free_list(&g_beasties);
    beasties_free_list(&g_ground_beasties);
    g_current_beastie = nullptr;
}

Beastie *beastie_find_by_unique_name(const char *name)
{
    if (!name || !name[0]) {
        return nullptr;
    }
    for (Beastie *head : {g_beasties, g_ground_beasties}) {
        for (Beastie *b = head; b; b = b->next) {
            if (strcmp(b->unique_name, name) == 0) {
                return b;
            }
        }
    }
    return nullptr;
}

uint32_t beasties_collide_collider(int category, uint32_t mask)
{
    uint32_t flags = 0;
    if (category == (int)cat_player) {
        for (Beastie *b = g_beasties; b; b = b->next) {
            if (b->launch_delay <= 0.0f && beastie_live(b) && (b->collided_by_mask & cat_player)) {
                uint32_t h = actor_spheres_hit_test(b);
                if (h) {
                    b->hit_clock -= 10.0f;
                    flags |= h;
                }
            }
        }
        return flags;
    }
    Beastie *cur = g_current_beastie;
    if (!cur) {
        return 0;
    }
    for (int i = 0; i < cur->candidate_count; i++) {
        Beastie *c = cur->candidates[i];
        if (beastie_live(c) && ((uint32_t)c->category & mask)) {
            flags |= actor_spheres_hit_test(c);
        }
    }
    return flags;
}

uint32_t beasties_hit_by_collider(void)
{
    uint32_t flags = 0;
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (beastie_live(b) && (b->collided_by_mask & cat_bullet)) {
            flags |= actor_spheres_damage_test(b);
        }
    }
    return flags;
}

void beasties_update_all(void)
{
}

void beasties_settle(void)
{
}

void beasties_kill_bullets(void)
{
}

void beasties_spawn_end_chaser(void)
{
}
