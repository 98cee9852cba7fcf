// The enemy lists: pairs tested once a tick, the candidate buffer's limit and its making
// on first use, the queries by type and for targets, the level-end kill and settling.

#include "tests/world/beastie_fixture.h"

#include <algorithm>
#include <cstring>
#include <vector>

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

// A tick's candidates are those a walk of every later live enemy finds, turn by turn in
// list order with the crystals' knocks as they come: in a crowd of movers and rocks of
// several sizes, crystals knocking in a heap, a row of rocks packed along a cell border and
// enemies beyond the grid's edge.
TEST_F(Lists, TheCandidatesAreThoseAWalkOfEveryLaterEnemyFinds)
{
    lua("local all = cat_beastie + cat_crystal\n"
        "local t = def('roamer', 'bare') t[cp_move_type] = cmt_random t[cp_move_speed_max] = 0.05\n"
        "t[cp_i_collide_with_beasties] = all t[cp_these_collide_with_me] = all c_preload_model(t)\n"
        "t = def('rock', 'bare') t[cp_these_collide_with_me] = all c_preload_model(t)\n"
        "t = def('gem', 'bare', cat_crystal) t[cp_move_type] = cmt_fixed_dirn t[cp_move_speed_min] = 0.1\n"
        "t[cp_move_speed_max] = 0.15 t[cp_weight] = 1 t[cp_i_collide_with_beasties] = all\n"
        "t[cp_these_collide_with_me] = all c_preload_model(t)\n");
    uint32_t r = 12345u;
    auto unit = [&r]() {
        r = r * 1664525u + 1013904223u;
        return (float)(r >> 8) / 16777216.0f;
    };
    auto place = [&](const char *type, float x, float z) {
        Beastie *b = new Beastie;
        const float pos[3] = {x, 0.0f, z};
        float size = 0.3f + 0.9f * unit();
        if (beastie_init(b, "", pos, size, 360.0f * unit() - 180.0f, 0.0f, 0.0f, actortype_find(type), nullptr) != 0) {
            ADD_FAILURE() << "no enemy of " << type;
            beastie_destroy(b, 1);
            return;
        }
        beastie_start(b, 0, 0);
    };
    for (int i = 0; i < 240; i++) {
        place(i % 3 ? "roamer" : "rock", 200.0f * unit() - 100.0f, 200.0f * unit() - 100.0f);
    }
    for (int i = 0; i < 40; i++) {
        place("rock", -30.0f + 1.5f * (float)i, 15.999f + 0.002f * unit());   // one row, many slots
    }
    for (int i = 0; i < 30; i++) {
        place("gem", 40.0f + 6.0f * unit(), -40.0f + 6.0f * unit());
    }
    for (int i = 0; i < 20; i++) {
        place(i % 2 ? "roamer" : "rock", 126.0f + 10.0f * unit(), 300.0f * unit() - 150.0f);
    }
    pass(3);

    std::vector<Beastie *> all;
    for (Beastie *b = g_beasties; b; b = b->next) {
        ASSERT_LT(b->hit_clock, 0.0f) << "every enemy takes part";
        all.push_back(b);
    }
    for (int tick = 0; tick < 20; tick++) {
        // The walk, on the enemies as they stand; then they are put back for the pass.
        struct Kept {
            float position[3], velocity[3];
            uint32_t collide_flags;
            int hit_flash;
        };
        std::vector<Kept> kept;
        for (Beastie *b : all) {
            Kept k;
            memcpy(k.position, b->position, sizeof(k.position));
            memcpy(k.velocity, b->velocity, sizeof(k.velocity));
            k.collide_flags = b->collide_flags;
            k.hit_flash = b->hit_flash;
            kept.push_back(k);
            b->candidate_count = 0;
        }
        for (size_t i = 0; i < all.size(); i++) {
            Beastie *a = all[i];
            if (a->collide_mask <= 31 && a->collided_by_mask <= 31) {
                continue;
            }
            float reach = a->move_bits ? 2.0f * a->radius : a->radius;
            for (size_t j = i + 1; j < all.size(); j++) {
                beasties_collide_pair(a, all[j], a->move_bits, reach);
            }
        }
        std::vector<std::vector<Beastie *>> walked;
        std::vector<int> knocked;   // a knock flashes 12, and the enemy's own update counts 1 off
        for (size_t i = 0; i < all.size(); i++) {
            Beastie *b = all[i];
            walked.emplace_back(b->candidates, b->candidates + b->candidate_count);
            knocked.push_back(b->hit_flash == 12);
            memcpy(b->position, kept[i].position, sizeof(kept[i].position));
            memcpy(b->velocity, kept[i].velocity, sizeof(kept[i].velocity));
            b->collide_flags = kept[i].collide_flags;
            b->hit_flash = kept[i].hit_flash;
        }
        EXPECT_GT(std::count(knocked.begin(), knocked.end(), 1), 3) << "crystals knocked each other aside";
        pass();
        for (size_t i = 0; i < all.size(); i++) {
            const Beastie *b = all[i];
            ASSERT_EQ(std::vector<Beastie *>(b->candidates, b->candidates + b->candidate_count), walked[i])
                << "enemy " << i << " at " << b->position[0] << ", " << b->position[2] << " in tick " << tick;
            ASSERT_EQ(b->hit_flash == 11, knocked[i] == 1) << "enemy " << i << " in tick " << tick;
        }
    }
}

// A knock moves a crystal within a rock's reach: the crystal's own turn looks from where
// the knock left it.
TEST_F(Lists, AKnockedCrystalLooksForItsPairsFromWhereTheKnockLeftIt)
{
    lua("local t = def('gem', 'bare', cat_crystal) t[cp_move_type] = cmt_fixed_dirn t[cp_move_speed_min] = 0.1\n"
        "t[cp_move_speed_max] = 0.1 t[cp_weight] = 1 t[cp_i_collide_with_beasties] = cat_beastie + cat_crystal\n"
        "t[cp_these_collide_with_me] = cat_crystal c_preload_model(t)\n"
        "t = def('rock', 'bare') t[cp_these_collide_with_me] = cat_crystal c_preload_model(t)\n");
    Beastie *a = make("gem", -50, 50);
    Beastie *b = make("gem", 50, 50);
    Beastie *rock = make("rock", 0, -50);
    pass(3);
    ASSERT_TRUE(g_beasties == a && a->next == b && b->next == rock);
    // Radius 3 each: a and b overlap by 2 and are pushed 1 apart each way, which brings b
    // to 8.5 from the rock, within the 9 of b's reach (twice its radius) and the rock's.
    const float at[3][2] = {{0, 0}, {4, 0}, {13.5f, 0}};
    for (Beastie *e : {a, b, rock}) {
        int k = e == a ? 0 : e == b ? 1 : 2;
        e->position[0] = at[k][0];
        e->position[2] = at[k][1];
        memset(e->velocity, 0, sizeof(e->velocity));
    }
    pass();
    EXPECT_EQ(a->hit_flash, 11) << "the knock";
    EXPECT_EQ(candidates_of(b, rock), 1);
    EXPECT_EQ(candidates_of(a, rock), 0);
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
