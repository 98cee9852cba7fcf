// explosion.cpp -- the explosion types of the level and the debris they throw.

#include "world/explosion.h"

#include "core/file.h"
#include "world/animset.h"

#include <cstdio>
#include <cstring>

ExplosionType *g_explosion_types;
explosion_spawn_hook_t g_explosion_spawn_hook;

void explosion_spawn_use(const ExplosionUse *use, const float position[3], const float *matrices, float scale,
                         float heading)
{
    (void)matrices;
    (void)heading;
    if (use && g_explosion_spawn_hook) {
        g_explosion_spawn_hook(use, position, scale);
    }
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
    char path[ANIM_NAME_SIZE];
    int len = snprintf(path, sizeof(path), "%s%s", g_explosions_dir, name);
    if (len < 0 || len >= (int)sizeof(path)) {
        return nullptr;
    }
    AnimSet *set = anim_set_find_or_load(path);
    if (!set) {
        return nullptr;
    }
    ExplosionType *e = new ExplosionType{};
    e->set = set;
    e->sound = -1;
    e->explode_anim = anim_find(set, "explode", 1);
    e->collide_matrix = anim_find_bone(set, "bonecollide", 1) + 1;
    e->rate = 1.0f;
    snprintf(e->name, sizeof(e->name), "%s", name);
    e->next = g_explosion_types;
    g_explosion_types = e;
    return e;
}

void explosion_types_reset(void)
{
    g_explosion_types = nullptr;
}

void explosion_types_free(void)
{
    while (ExplosionType *e = g_explosion_types) {
        g_explosion_types = e->next;
        delete e;
    }
}

void debris_spawn_one(ExplosionType *type, const float position[3], float scale, float heading)
{
    (void)type;
    (void)position;
    (void)scale;
    (void)heading;
}

void debris_reset(void)
{
}

void debris_free_all(void)
{
}

void debris_update_all(void)
{
}
