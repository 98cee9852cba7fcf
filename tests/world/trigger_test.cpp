// Trigger states firing on live enemies: which of two distance states is in force, the
// spawn timer, mutations (how many, which headings, "byebye", a missing type), the
// type's time alive, the replacement of linked enemies and the path a mutation hands on.

#include "tests/world/beastie_fixture.h"

#include "world/trigger.h"

#include <set>

namespace {

using Triggers = EnemyArena;

// The enemies of a type that are not dying, submerging or removed.
std::vector<Beastie *> standing(const char *type_name)
{
    std::vector<Beastie *> out;
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (strcmp(b->type->name, type_name) == 0 && b->lifecycle >= 0 && b->lifecycle != BEASTIE_SUBMERGING) {
            out.push_back(b);
        }
    }
    return out;
}

TEST_F(Triggers, TheNearerOfTwoPlayerDistanceStatesIsInForce)
{
    // Listed newest first: "near" (20 units) before "close" (10) on one type, the other
    // way round on the second. Each state's block scores its own number.
    lua("c_preload_model(def('ab', 'bare'))\n"
        "local t = def('ab', 'bare') t[cp_score] = 10 c_set_trigger_state('player_dist_less_than', 'close', 10, 10, t)\n"
        "t = def('ab', 'bare') t[cp_score] = 20 c_set_trigger_state('player_dist_less_than', 'near', 20, 20, t)\n"
        "c_preload_model(def('ba', 'bare'))\n"
        "t = def('ba', 'bare') t[cp_score] = 20 c_set_trigger_state('player_dist_less_than', 'near', 20, 20, t)\n"
        "t = def('ba', 'bare') t[cp_score] = 10 c_set_trigger_state('player_dist_less_than', 'close', 10, 10, t)\n");
    EXPECT_EQ(type("ab")->states->value_min, 400.0f) << "values are squared";
    Gamer *g = ship(0, 0);
    Beastie *ab = make("ab", 5, 0);
    Beastie *ba = make("ba", 0, 5);
    pass(2);
    EXPECT_EQ(ab->params->score, 10);
    EXPECT_EQ(ba->params->score, 10);
    g->position[0] = g->position[2] = -10.0f;   // between the two distances
    pass();
    EXPECT_EQ(ab->params->score, 20);
    EXPECT_EQ(ba->params->score, 20);
}

TEST_F(Triggers, SpawnTimerSpawnsOnTheFirstEvaluationPastItsThresholdAndCountsDown)
{
    // Two children a beat, 0.05 s apart, from 50 % of "pulse" (four keys of 0.1 s): the
    // beat would leave room for four.
    lua("c_preload_model(def('kid', 'bare'))\n"
        "local t = def('mom', 'bare') t[cp_num_spawn_min] = 2 t[cp_num_spawn_max] = 2 c_preload_model(t)\n"
        "c_set_trigger_spawn('kid', 'pulse', 'gun_x', 50, 0.05, 0, 0)\n"
        "t = def('mom0', 'bare') t[cp_num_spawn_min] = 0 t[cp_num_spawn_max] = 0 c_preload_model(t)\n"
        "c_set_trigger_spawn('kid', 'pulse', 'gun_x', 50, 0.1, 0, 0)\n");
    Beastie *mom = make("mom", 0, 0);
    Beastie *mom0 = make("mom0", 30, 0);
    pass();
    int pulse = anim_find(mom->anim.set, "pulse", 1);
    anim_play(&mom->anim, pulse, 1.0f, 0);
    anim_play(&mom0->anim, pulse, 1.0f, 0);
    std::vector<int> spawned_at;   // tick of each spawn
    int first_past = -1;           // tick of the first evaluation at or past 50 %
    size_t kids = 0;
    for (int tick = 0; tick < 200; tick++) {
        float progress = anim_get_progress(&mom->anim, pulse);   // what this pass evaluates
        if (progress >= 0.5f && first_past < 0 && tick > 0) {
            first_past = tick;
        }
        pass();
        size_t now = standing("kid").size();
        for (; kids < now; kids++) {
            spawned_at.push_back(tick);
        }
    }
    ASSERT_GE(spawned_at.size(), 4u);
    EXPECT_EQ(spawned_at[0], first_past);
    // 0.05 s counted down 0.01 an evaluation: five, and one more where the float's
    // rounding leaves a sliver above 0.
    EXPECT_GE(spawned_at[1] - spawned_at[0], 5);
    EXPECT_LE(spawned_at[1] - spawned_at[0], 6);
    // The count stops it within the beat: every beat brings exactly two.
    for (size_t i = 2; i < spawned_at.size(); i += 2) {
        EXPECT_GT(spawned_at[i] - spawned_at[i - 1], 10) << "spawn " << i << " waits for the next beat";
        if (i + 1 < spawned_at.size()) {
            EXPECT_LE(spawned_at[i + 1] - spawned_at[i], 6) << "spawn " << i + 1 << " comes in the same beat";
        }
    }
    EXPECT_EQ(spawned_at.size() % 2, 0u) << "two a beat";
    for (Beastie *k : standing("kid")) {
        EXPECT_LT(vec_dist2_xz(k->position, mom->position), 1.0f) << "a spawn count of 0 spawns none";
    }
    (void)mom0;
}

TEST_F(Triggers, AMutationMakesRoundedCountsAtSteppedHeadingsAndSubmerges)
{
    lua("c_preload_model(def('bit'))\n"
        "c_preload_model(def('rock'))\n"
        "c_set_trigger_mutate('bit', 'my_time_alive', 0.05, 0.05, 2.5, 2.5, 50, 50)\n"
        "c_preload_model(def('pebble'))\n"
        "c_set_trigger_mutate('bit', 'my_time_alive', 0.05, 0.05, 0.2, 0.2, 50, 50)\n"
        "c_preload_model(def('doomed', 'bare'))\n"
        "c_set_trigger_mutate('byebye', 'my_time_alive', 0.05, 0.05, 1, 1, 100, 100)\n"
        "c_preload_model(def('lost', 'bare'))\n"
        "c_set_trigger_mutate('nosuch', 'my_time_alive', 0.05, 0.05, 1, 1, 100, 100)\n");
    Beastie *rock = make("rock", 0, 0, 30.0f);
    std::vector<Beastie *> bits;
    for (int i = 0; i < 100 && bits.empty(); i++) {
        pass();
        bits = standing("bit");
    }
    ASSERT_EQ(bits.size(), 3u) << "trunc(2.5 + 0.5)";
    EXPECT_EQ(rock->lifecycle, BEASTIE_SUBMERGING);
    for (size_t i = 0; i < bits.size(); i++) {
        EXPECT_EQ(bits[i]->lifecycle, BEASTIE_MUTATING);
        EXPECT_EQ(bits[i]->scale, 0.5f);
        EXPECT_EQ(bits[i]->heading, std::trunc(bits[i]->heading)) << "whole degrees";
    }
    // Made in order, each inserted right after the first of its type: the list holds the
    // first, then the third, then the second.
    float made[3] = {bits[0]->heading, bits[2]->heading, bits[1]->heading};
    for (int i = 1; i < 3; i++) {
        float step = angle_wrap180(made[i] - made[i - 1]);
        if (step < 0.0f) {
            step += 360.0f;
        }
        EXPECT_GE(step, 90.0f);
        EXPECT_LE(step, 150.0f);
    }
    for (Beastie *b : bits) {
        beastie_submerge(b, 0);
    }

    Beastie *pebble = make("pebble", 20, 0, 30.0f);
    make("doomed", -20, 0, 0, "doomed");
    Beastie *lost = make("lost", 0, 20);
    bits.clear();
    for (int i = 0; i < 100 && bits.empty(); i++) {
        pass();
        bits = standing("bit");
    }
    ASSERT_EQ(bits.size(), 1u) << "at least one";
    EXPECT_EQ(bits[0]->heading, 30.0f) << "a single one keeps the heading";
    EXPECT_EQ(pebble->lifecycle, BEASTIE_SUBMERGING);
    EXPECT_EQ(beastie_find_by_unique_name("doomed"), nullptr) << "\"byebye\" kills";
    EXPECT_EQ(lost->lifecycle, BEASTIE_IDLE) << "another missing type does nothing";
}

TEST_F(Triggers, TheTypesTimeAliveFiresOneEnemyAtATime)
{
    lua("c_preload_model(def('herd', 'bare'))\n"
        "c_set_trigger_mutate('byebye', 'beasties_time_alive', 0.5, 0.5, 1, 1, 100, 100)\n");
    Beastie *a = make("herd", 0, 0);
    Beastie *b = make("herd", 10, 0);
    int died[2] = {-1, -1};
    for (int tick = 0; tick < 200; tick++) {
        pass();
        for (int i = 0; i < 2; i++) {
            Beastie *e = i == 0 ? a : b;
            if (died[i] < 0 && (!listed(e) || e->lifecycle < 0)) {
                died[i] = tick;
            }
        }
    }
    ASSERT_GE(died[0], 0);
    ASSERT_GE(died[1], 0);
    EXPECT_NEAR(died[0], 51, 2) << "once the type has lived 0.5 s";
    EXPECT_NEAR(died[1] - died[0], 51, 2) << "the type's clock started again";
}

TEST_F(Triggers, HealthStatesReplaceTheEnemiesLinkedToTheParentsOnce)
{
    // Condition 6: the leaves on every arm of the hub become new leaves (of the same type)
    // on the same arms, once. Condition 5: the leaves on the hub's own parent become buds.
    lua("c_preload_model(def('hub', 'bare'))\n"
        "c_preload_model(def('arm', 'bare'))\n"
        "c_preload_model(def('leaf'))\n"
        "c_preload_model(def('bud'))\n"
        "c_preload_model(def('arm6', 'bare'))\n"
        "c_set_trigger_mutate('leaf', 'my_health__change_child__via_null_actor_and_check', 'leaf', 100, 100, 1, 1, "
        "100, 100)\n"
        "c_preload_model(def('arm5', 'bare'))\n"
        "c_set_trigger_mutate('bud', 'my_health__change_parent__via_null_actor_and_check', 'leaf', 100, 100, 1, 1, "
        "100, 100)\n");
    auto hang = [](Beastie *child, Beastie *parent) { beastie_attach_to_parent(child, parent, 1, parent->scale); };
    Beastie *hub = make("hub", 0, 0);
    Beastie *e = make("arm6", 0, 0);
    Beastie *arm = make("arm", 10, 0);
    hang(e, hub);
    hang(arm, hub);
    std::vector<Beastie *> old = {make("leaf", 1, 0), make("leaf", 2, 0), make("leaf", 11, 0)};
    hang(old[0], e);
    hang(old[1], e);
    hang(old[2], arm);
    pass(3);
    std::vector<Beastie *> leaves = standing("leaf");
    ASSERT_EQ(leaves.size(), 3u);
    std::multiset<Beastie *> parents;
    for (Beastie *l : leaves) {
        EXPECT_EQ(std::count(old.begin(), old.end(), l), 0) << "a new leaf";
        parents.insert(beastie_get(l->parent));
        EXPECT_EQ(l->parent_bone, beastie_get(l->parent)->matrix_block + 16) << "on mainbone_x";
    }
    EXPECT_EQ(parents, (std::multiset<Beastie *>{e, e, arm}));
    for (Beastie *l : old) {
        EXPECT_EQ(l->lifecycle, BEASTIE_SUBMERGING);
    }

    // (A hanging enemy's position is its offset on the parent's bone.)
    Beastie *root = make("hub", 50, 50);
    Beastie *mid = make("arm", 0, 0);
    Beastie *e5 = make("arm5", 0, 0);
    hang(mid, root);
    hang(e5, mid);
    Beastie *on_root = make("leaf", 1, 0);
    hang(on_root, root);
    pass(3);
    EXPECT_EQ(on_root->lifecycle, BEASTIE_SUBMERGING);
    std::vector<Beastie *> buds = standing("bud");
    ASSERT_EQ(buds.size(), 1u);
    EXPECT_EQ(beastie_get(buds[0]->parent), root);
}

TEST_F(Triggers, TimeAliveOnThePathHandsThePathOn)
{
    lua("c_add_a_path('loop', 0, 100, 100, 0, 0, 0, { -20, 0, 0,  0, 0, 30,  20, 0, 0,  0, 0, -30 })\n"
        "local t = def('next', 'bare') t[cp_move_type] = cmt_path c_preload_model(t)\n"
        "t = def('walker', 'bare') t[cp_move_type] = cmt_path t[cp_move_speed_max] = 0.2\n"
        "t[cp_move_acceleration] = 0.1 t[cp_turn_speed_moving] = 5 t[cp_turn_acceleration_moving] = 5\n"
        "c_preload_model(t)\n"
        "c_set_trigger_mutate('next', 'my_time_alive__pass_path', 1, 1, 1, 1, 100, 100)\n");
    Path *path = path_find("loop", 0);
    ASSERT_NE(path, nullptr);
    Beastie *w = new Beastie;
    const float pos[3] = {0, 0, 0};
    ASSERT_EQ(beastie_init(w, "", pos, 1.0f, 0.0f, 0.0f, 0.0f, type("walker"), path), 0);
    beastie_start(w, 0, 0);
    w->path_pos = 2;
    std::vector<Beastie *> next;
    for (int i = 0; i < 200 && next.empty(); i++) {
        pass();
        next = standing("next");
    }
    ASSERT_EQ(next.size(), 1u);
    EXPECT_EQ(next[0]->path, path);
    EXPECT_EQ(next[0]->path_pos & PATH_POS_INDEX, w->path_pos & PATH_POS_INDEX);
    EXPECT_NE(next[0]->move_bits & cmt_path, 0u);
}

}  // namespace
