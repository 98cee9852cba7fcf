// test_ship.h -- a player ship of a type made in memory, for tests and benchmarks that run
// game ticks without a level script able to launch one (the level's end, or
// test_ship_free, releases the ship and its type).
#pragma once

#include "tests/world/anim_synth.h"
#include "world/actortype.h"
#include "world/animset.h"
#include "world/gamer.h"


// The ship, or null when it could not be made.
inline Gamer *test_ship_launch(void)
{
    AnimSynth s;
    s.bone("mainbone_x", 0, 0, 0, 0, 1.0f).sphere(0, 0, 0, 0, 1.0f).sphere(1, 0, 0, 0, 1.0f);
    float cp[CP_COUNT] = {};
    cp[cp_actor_type] = (float)cat_player;
    ActorType *t = new ActorType;
    if (actortype_construct_with_set(t, "test_ship", s.build("test_ship"), cp) != 0) {
        delete t;
        return nullptr;
    }
    t->next = g_actor_types;
    g_actor_types = t;
    Gamer *g = new Gamer;
    const float origin[3] = {0, 0, 0};
    if (gamer_init(g, t, origin, 1.0f, 0.0f) != 0) {
        gamer_destroy(g, 1);
        return nullptr;
    }
    return g;
}

inline void test_ship_free(void)
{
    gamer_free_all();
    actortype_free_all();
    anim_sets_free_all();
}
