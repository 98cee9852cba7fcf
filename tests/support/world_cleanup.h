// world_cleanup.h -- what a level's scripts made in the world (types, enemies, ships,
// bullets, beams and their rules, paths, power-up types, explosion types, animation sets),
// released as the level's end releases it, for tests that run scripts without the level
// driver.
#pragma once

#include "world/actortype.h"
#include "world/animset.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/explosion.h"
#include "world/fizz.h"
#include "world/fizzrule.h"
#include "world/gamer.h"
#include "world/path.h"
#include "world/powerup.h"

// Everything but the animation sets (a test may hold sets it loaded itself).
inline void world_cleanup_actors(void)
{
    beasties_free_all();
    gamer_free_all();
    bullet_free_all();
    fizz_free_all();
    fizz_rules_free();
    paths_free_all();
    powerups_free_all();
    debris_free_all();
    explosion_types_free();
    actortype_free_all();
}

inline void world_cleanup_level(void)
{
    world_cleanup_actors();
    anim_sets_free_all();
}
