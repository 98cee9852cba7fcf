// The enemy lists: pairs tested once a tick, the candidate buffer's limit and its making
// on first use, the queries by type and for targets, the level-end kill and settling.

#include "tests/world/beastie_fixture.h"

#include <algorithm>

namespace {

using Lists = EnemyArena;

int candidates_of(const Beastie *b, const Beastie *other)
{
    return (int)std::count(b->candidates, b->candidates + b->candidate_count, other);
}

TEST_F(Lists, EachPairIsTestedOnceATickAndABufferHoldsAtMost1024)
{
    lua("local t = def('roamer', 'bare') t[cp_move_type] = cmt_random t[cp_move_speed_max] = 0.01\n"
        "t[cp_i_collide_with_beasties] = cat_beastie t[cp_these_collide_with_me] = cat_beastie\n"
        "c_preload_model(t)\n"
        "t = def('rock', 'bare') t[cp_these_collide_with_me] = cat_beastie c_preload_model(t)\n");
    Beastie *a = make("roamer", 0, 0);
    Beastie *b = make("roamer", 3, 0);
    Beastie *far = make("roamer", 40, 0);
    pass(3);
    EXPECT_EQ(a->candidate_count, 1);
    EXPECT_EQ(candidates_of(a, b), 1);
    EXPECT_EQ(candidates_of(b, a), 1);
    EXPECT_EQ(far->candidate_count, 0);

    for (int i = 0; i < 1030; i++) {
        make("rock", 40.0f + 0.001f * (float)i, 0);
    }
    pass(3);
    EXPECT_EQ(far->candidate_count, BEASTIE_MAX_CANDIDATES);
    EXPECT_EQ(g_beastie_candidate_peak, BEASTIE_MAX_CANDIDATES);
    EXPECT_EQ(a->candidate_count, 1);
}

TEST_F(Lists, AMoverMakesItsCandidateBufferWhenItFirstMeetsAnother)
{
    lua("local t = def('roamer', 'bare') t[cp_move_type] = cmt_random t[cp_move_speed_max] = 0.01\n"
        "t[cp_i_collide_with_beasties] = cat_beastie t[cp_these_collide_with_me] = cat_beastie\n"
        "c_preload_model(t)\n");
    Beastie *a = make("roamer", 0, 0);
    pass(20);
    EXPECT_EQ(a->candidates, nullptr) << "alone it needs none";
    Beastie *b = make("roamer", 2, 0);
    pass(3);
    ASSERT_NE(a->candidates, nullptr);
    EXPECT_EQ(candidates_of(a, b), 1);
}

TEST_F(Lists, QueriesFindTheNearestLiveOtherEnemy)
{
    lua("c_preload_model(def('a', 'bare'))\n"
        "local t = def('late', 'bare') t[cp_hit_delay] = 10 c_preload_model(t)\n");
    int count = -1;
    const float origin[3] = {0, 0, 0};
    EXPECT_EQ(beastie_nearest_of_type(origin, "nosuch", &count, 1e9f, nullptr), nullptr);
    EXPECT_EQ(count, 0);
    make("late", 5, 0);
    pass(2);
    EXPECT_EQ(beastie_nearest_of_type(origin, "late", &count, 1e9f, nullptr), nullptr) << "none alive";
    EXPECT_EQ(count, 0);
    EXPECT_EQ(beastie_nearest_distance_of_type(origin, type("late"), 7.0f, nullptr), 7.0f);

    Beastie *asker = make("a", 0, 0);
    pass(2);
    EXPECT_EQ(beastie_nearest_target(origin, asker), nullptr) << "the asker is left out";
    EXPECT_EQ(beastie_nearest_of_type(origin, "a", &count, 1e9f, asker), nullptr);
    Beastie *first = make("a", 3, 4, 0, "first");
    Beastie *tie = make("a", -4, 3, 0, "second");
    make("a", 0, 10, 0, "third");
    pass(2);
    EXPECT_EQ(beastie_nearest_target(origin, asker), first) << "ties keep the first of the list";
    EXPECT_EQ(beastie_nearest_of_type(origin, "a", &count, 1e9f, asker), first);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(beastie_nearest_of_type(origin, "a", &count, 20.0f, asker), nullptr) << "none within the start";
    EXPECT_EQ(count, 3);
    EXPECT_EQ(beastie_nearest_distance_of_type(origin, type("a"), 1e9f, asker), 25.0f);
    (void)tie;
}

TEST_F(Lists, TheLevelEndKillPaysEachSurvivorOnce)
{
    lua("local t = def('gem') t[cp_level_end_score] = 100 c_preload_model(t)\n"
        "t = def('chip') t[cp_level_end_score] = 7 c_preload_model(t)\n");
    Beastie *s1 = make("gem", 0, 0);
    Beastie *s2 = make("gem", 10, 0);
    Beastie *dying = make("gem", 20, 0);
    Beastie *sinking = make("gem", 30, 0);
    Beastie *child = make("chip", 0, 0);   // after its parent in the list
    beastie_attach_to_parent(child, s1, 1, s1->scale);
    beastie_die(dying, 0);
    beastie_submerge(sinking, 0);
    EXPECT_EQ(beasties_kill_scoring(), 207) << "the two standing gems and the chip their death took along";
    for (Beastie *b : {s1, s2, child}) {
        EXPECT_EQ(b->lifecycle, BEASTIE_DYING);
    }
    EXPECT_EQ(sinking->lifecycle, BEASTIE_SUBMERGING);
    EXPECT_EQ(beasties_kill_scoring(), 0);
}

TEST_F(Lists, SettlingRunsTheGroundEnemiesUntilEveryAnimDelayIsSpent)
{
    lua("c_preload_model(def('floor', 'probe', cat_ground))");
    const float pos[3] = {0, 0, 0};
    Beastie *slow = new Beastie;
    Beastie *quick = new Beastie;
    ASSERT_EQ(beastie_init(slow, "", pos, 1.0f, 0.0f, 0.5f, 0.0f, type("floor"), nullptr), 0);
    ASSERT_EQ(beastie_init(quick, "", pos, 1.0f, 0.0f, 0.2f, 0.0f, type("floor"), nullptr), 0);
    EXPECT_EQ(g_beasties, nullptr) << "ground enemies keep to their own list";
    int pulse = anim_find(slow->anim.set, "pulse", 1);
    anim_play(&slow->anim, pulse, 1.0f, 0);
    anim_play(&quick->anim, pulse, 1.0f, 0);
    beasties_settle();
    EXPECT_LT(slow->anim_delay, 0.0f);
    EXPECT_LT(quick->anim_delay, 0.0f);
    // The quick one animated for the 0.3 s the slow one still waited.
    EXPECT_GT(anim_get_progress(&quick->anim, pulse), anim_get_progress(&slow->anim, pulse));
}

}  // namespace
