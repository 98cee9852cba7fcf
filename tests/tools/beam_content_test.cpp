// The beam scripts as game content: the boss barrier of the milestone levels is a rule
// from the boss's type to the boss pylons, and in the generated tree it joins a boss to a
// pylon it comes near and burns a ship that touches it.

#include "core/mem.h"

#include "tests/support/log_capture.h"
#include "tests/support/model_scene.h"
#include "tests/support/world_cleanup.h"
#include "tests/world/tree_arena.h"

#include <gtest/gtest.h>

namespace {

TEST(BeamContent, TheBossBarrierJoinsTheBossToANearPylonAndBurnsShips)
{
    mem_init();
    TreeStyles styles{GLIMMERFALL_ASSETS};
    LogCapture log;
    tree_arena_begin(109, 1, {"actor.lua", "motha_2_emerge.lua", "pylon-9_9.lua", "fencefizz-9_1.lua"});
    EXPECT_EQ(log.script_errors(), 0) << log.joined();
    ActorType *barrier = actortype_find("fencefizz-9_1");
    ActorType *boss = actortype_find("motha_2_emerge");
    ActorType *pylon = actortype_find("pylon-9_9");
    ASSERT_TRUE(barrier && boss && pylon);
    int rules = 0;
    for (const FizzRule *r = g_fizz_rules; r; r = r->next) {
        EXPECT_EQ(r->beam_type, barrier);
        EXPECT_EQ(r->type_b, pylon);
        EXPECT_EQ(r->flags, FIZZ_RULE_BEAM | FIZZ_BARRIER);
        EXPECT_NE(r->type_a, pylon) << "a pylon is never hittable: it cannot start a rule";
        rules += r->type_a == boss;
    }
    EXPECT_EQ(rules, 1);
    EXPECT_EQ(boss->beam_flag, 1);
    EXPECT_EQ(pylon->beam_flag, 1);

    Beastie *m = tree_arena_launch("motha_2_emerge", "", 0, 0);
    Beastie *p = tree_arena_launch("pylon-9_9", "", 20, 0);
    tree_arena_launch("pylon-9_9", "", 45, 0);   // beyond the barrier's reach
    ASSERT_TRUE(m && p);
    beasties_update_all();
    m->hit_clock = -1.0f;   // emerged
    for (int i = 0; i < 8 && !g_fizz; i++) {
        fizz_rules_tick();
    }
    ASSERT_NE(g_fizz, nullptr);
    EXPECT_EQ(g_fizz->next, nullptr) << "one barrier: the far pylon stays free";
    EXPECT_TRUE(fizz_exists_between(barrier, m, p));
    for (int i = 0; i < 40; i++) {
        fizz_update_all();
    }
    float at[3] = {g_fizz->position[0], 0.0f, g_fizz->position[2] + 0.5f}, v[3] = {0.1f, 0.0f, 0.0f};
    EXPECT_EQ(fizz_collide_sphere(nullptr, at, v, 1.0f, 0.1f, 0.3f, 1, cat_fence | cat_fizz), 0x2000004u);

    tree_arena_end();
}

}  // namespace
