// The life of an enemy: emerging into idling or moving, the launch delay, where a new
// enemy stands in its list, death by health kind (and no hits once dying), leaving the
// arena, submerging, the child array, and the mended faults of creation and links.

#include "tests/world/beastie_fixture.h"

namespace {

using Lifecycle = EnemyArena;

std::vector<int> g_events;   // explosion events spawned
int g_kills;                 // kills handed to the scoring

void record_event(const ExplosionUse *use, const float *, float)
{
    g_events.push_back(use->event);
}

void record_kill(Gamer *, Beastie *)
{
    g_kills++;
}

TEST_F(Lifecycle, EmergesIntoIdleOrMovingOnceTheLevelRuns)
{
    lua("c_preload_model(def('still'))\n"
        "local t = def('mover') t[cp_move_type] = cmt_random t[cp_move_speed_max] = 0.1 c_preload_model(t)\n"
        "c_preload_model(def('plain', 'bare'))\n");
    g_level_ticks = -60;
    Beastie *still = make("still", 0, 0);
    Beastie *mover = make("mover", 10, 0);
    Beastie *plain = make("plain", -10, 0);
    pass(55);
    EXPECT_EQ(anim_is_playing(&still->anim, still->type->named_anims[ACTORTYPE_ANIM_EMERGE]), 0) << "emerged";
    for (Beastie *b : {still, mover, plain}) {
        EXPECT_EQ(b->lifecycle, BEASTIE_EMERGING) << "the lead-in holds them";
    }
    pass(10);
    EXPECT_EQ(still->lifecycle, BEASTIE_IDLE);
    EXPECT_EQ(mover->lifecycle, BEASTIE_MOVING);
    EXPECT_EQ(plain->lifecycle, BEASTIE_IDLE) << "a model without \"emerge\" has emerged at once";

    // Without a "byebye" the dead are removed on their next tick.
    beastie_die(plain, 0);
    EXPECT_EQ(plain->lifecycle, BEASTIE_DYING);
    pass();
    EXPECT_EQ(plain->lifecycle, BEASTIE_REMOVED);
    pass();
    EXPECT_FALSE(listed(plain));
}

TEST_F(Lifecycle, ALaunchDelayOfOneSecondFreezesItForExactlyAHundredTicks)
{
    lua("c_preload_model(def('late'))");
    Beastie *b = make("late", 0, 0, 0, "", 1.0f);
    float start[3] = {b->position[0], b->position[1], b->position[2]};
    b->velocity[0] = 0.5f;
    int frozen = 0;
    for (int i = 0; i < 200; i++) {
        float clock = b->hit_clock;
        pass();
        EXPECT_EQ(g_beasties_active, 1) << "counted while it waits";
        if (b->hit_clock != clock) {
            break;
        }
        frozen++;
        ASSERT_EQ(b->position[0], start[0]);
        ASSERT_EQ(b->type->last_count, 0) << "the type does not see it";
    }
    EXPECT_EQ(frozen, 100);
}

TEST_F(Lifecycle, NamedEnemiesJoinTheEndOfTheirTypesRunUnnamedOnesFollowTheFirst)
{
    lua("c_preload_model(def('a')) c_preload_model(def('b'))");
    make("a", 0, 0, 0, "a1");
    make("a", 0, 0, 0, "a2");
    make("b", 0, 0, 0, "b1");
    make("a", 0, 0, 0, "n1");
    make("a", 0, 0, 0, "n2");
    make("a", 0, 0, 0, "");
    std::vector<std::string> order;
    for (const Beastie *e = g_beasties; e; e = e->next) {
        order.push_back(e->unique_name[0] ? e->unique_name : "-");
    }
    EXPECT_EQ(order, (std::vector<std::string>{"a1", "-", "a2", "n1", "n2", "b1"}));
}

TEST_F(Lifecycle, DeathByHealthKind)
{
    lua("local t = def('tough') t[cp_health_type] = health_damagable c_preload_model(t)\n"
        "c_set_use_explosion_for('bye_bye', 'boom', exp_no_align, 0, 0, 100, 100, { 0 })\n"
        "c_set_use_explosion_for('bye_bye_damagable', 'boom', exp_no_align, 0, 0, 100, 100, { 0 })\n"
        "t = def('chunk') t[cp_health_type] = health_chunk_regain t[cp_health_byebye_percent] = 50\n"
        "c_preload_model(t)\n");
    g_events.clear();
    g_kills = 0;
    g_explosion_spawn_hook = record_event;
    g_gamer_kill_hook = record_kill;
    g_bullet_ship = ship(50, 50);
    Beastie *tough = make("tough", 0, 0);
    Beastie *chunk = make("chunk", 20, 0);
    pass(40);
    ASSERT_EQ(tough->lifecycle, BEASTIE_IDLE);
    EXPECT_EQ(tough->full_health, 6.0f);

    // health_damagable: the third bone's shot takes the last health; it scores once,
    // explodes "bye_bye" and stays, with full health 0.
    shoot(tough, 1, 2.0f);
    shoot(tough, 2, 2.0f);
    EXPECT_EQ(g_kills, 0);
    EXPECT_EQ(tough->health, 2.0f);
    shoot(tough, 3, 2.0f);
    EXPECT_EQ(g_kills, 1);
    EXPECT_EQ(g_events, std::vector<int>{EXPLOSION_EVENT_BYE_BYE});
    EXPECT_EQ(tough->full_health, 0.0f);
    EXPECT_EQ(tough->lifecycle, BEASTIE_IDLE);
    shoot(tough, 1, 2.0f);
    pass(50);
    EXPECT_EQ(g_kills, 1) << "later hits do not score again";
    EXPECT_TRUE(listed(tough));
    EXPECT_EQ(tough->lifecycle, BEASTIE_IDLE);

    // health_chunk_regain at byebye 0.5: dies once half its bone health is gone.
    shoot(chunk, 1, 1.5f);
    shoot(chunk, 2, 1.25f);
    EXPECT_EQ(chunk->lifecycle, BEASTIE_IDLE) << chunk->health << " of 6";
    shoot(chunk, 2, 0.25f);
    EXPECT_EQ(chunk->lifecycle, BEASTIE_DYING) << chunk->health << " of 6";
    EXPECT_EQ(g_kills, 2);
    // Dying, it can no longer be hit: the next shot goes through it and scores nothing.
    float left = chunk->health;
    EXPECT_EQ(shoot(chunk, 1, 5.0f), 0u);
    EXPECT_EQ(chunk->health, left);
    EXPECT_EQ(g_kills, 2);
    g_bullet_ship = nullptr;
}

TEST_F(Lifecycle, LeavingTheArenaLetsGoOfChildrenAndBeams)
{
    lua("c_preload_model(def('still'))\n"
        "c_preload_model(def('zap', 'probe', cat_fizz))\n");
    pass();
    Beastie *out = make("still", 100.5f, 0, 0, "out");
    Beastie *child = make("still", 90, 0, 0, "child");
    beastie_attach_to_parent(child, out, 2, out->scale);
    lua("c_add_fizz_to_room('zap', 'out', 'torso', 'child', 'torso', 100, 0)");
    ASSERT_NE(g_fizz, nullptr);
    type("still")->beam_flag = 1;   // as c_add_fizz_between gives the types its beams join

    pass();
    EXPECT_LE(out->lifecycle, BEASTIE_DYING) << "dying at once, removed without a byebye of its own";
    EXPECT_EQ(child->lifecycle, BEASTIE_DYING) << "its child dies with it";
    EXPECT_EQ(beastie_get(child->parent), nullptr);
    EXPECT_EQ(child->parent_bone, nullptr);
    EXPECT_NE(g_fizz->flags & FIZZ_DYING, 0u) << "its beams die";
    EXPECT_TRUE(listed(out));
    pass();
    EXPECT_FALSE(listed(out)) << "deleted in the first step of the next pass";
    EXPECT_TRUE(listed(child));
    pass(5);   // the child's update never reads the freed matrices (sanitizer build)
}

TEST_F(Lifecycle, DyingWhileSubmergingDoesNothing)
{
    lua("c_preload_model(def('still'))\n"
        "c_set_use_explosion_for('bye_bye', 'boom', exp_no_align, 0, 0, 100, 100, { 0 })\n");
    g_events.clear();
    g_explosion_spawn_hook = record_event;
    Beastie *b = make("still", 0, 0);
    beastie_submerge(b, 0);
    EXPECT_EQ(b->lifecycle, BEASTIE_SUBMERGING);
    EXPECT_EQ(b->hit_clock, 3600.0f);
    beastie_die(b, 0);
    beastie_die(b, 1);
    EXPECT_EQ(b->lifecycle, BEASTIE_SUBMERGING);
    EXPECT_TRUE(g_events.empty());
}

TEST_F(Lifecycle, AHundredAndTwentyNinthChildIsNotStored)
{
    lua("c_preload_model(def('still'))");
    Beastie *owner = make("still", 0, 0);
    Beastie *last = nullptr;
    for (int i = 0; i < 129; i++) {
        last = make("still", 1, 0);
        beastie_add_child(owner, last);
    }
    EXPECT_EQ(beastie_count_children(owner), 128);
    EXPECT_EQ(beastie_remove_child(owner, last), nullptr) << "not in the array";
}

TEST_F(Lifecycle, CreationFailureIsReportedAndDelaysAreBounded)
{
    Beastie *b = new Beastie;
    const float pos[3] = {0, 0, 0};
    EXPECT_EQ(beastie_init(b, "lost", pos, 1.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr), -1);
    EXPECT_EQ(log.count("*** enemy help lost"), 1);
    EXPECT_EQ(g_beasties, nullptr);
    beastie_destroy(b, 1);

    // A script's anim delay of 2^18 s no longer falls by 0.01 in a float: it is clamped,
    // and the level start's settling ends.
    lua("c_preload_model(def('floor', 'probe', cat_ground))");
    Beastie *f = new Beastie;
    ASSERT_EQ(beastie_init(f, "", pos, 1.0f, 0.0f, 262144.0f, 0.0f, type("floor"), nullptr), 0);
    EXPECT_EQ(f->anim_delay, BEASTIE_MAX_ANIM_DELAY);
    beasties_settle();
    EXPECT_LT(f->anim_delay, 0.0f);
}

TEST_F(Lifecycle, LinksReadNoneOnceTheirEnemyIsDeletedEvenWhereANewOneStands)
{
    lua("c_preload_model(def('still'))");
    Beastie *parent = make("still", 0, 0, 0, "parent");
    Beastie *child = make("still", 5, 0, 0, "child");
    beastie_attach_to_parent(child, parent, 1, parent->scale);
    beastie_release(child);
    EXPECT_EQ(beastie_get(child->first_parent), parent) << "kept after release";
    const Beastie *old = parent;
    beastie_die(parent, 0);
    pass(40);
    ASSERT_FALSE(listed(old));
    // New enemies, one of them likely where the parent was.
    for (int i = 0; i < 4; i++) {
        make("still", 0, 0);
    }
    EXPECT_EQ(beastie_get(child->first_parent), nullptr);
    EXPECT_EQ(g_last_launched, nullptr);
}

}  // namespace
