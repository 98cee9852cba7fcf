// Bullets: where they collide, only move or vanish; the laser flying on; a shot without
// root motion; the blast that spares the ships' shots; what a hit spawns and scores; the
// "die" after a hit; a beam tied to a shot when the shots are freed.

#include "tests/world/shot_fixture.h"

#include "world/recycle.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

using Bullets = ShotArena;

std::vector<int> g_events;
std::vector<Gamer *> g_scorers;

void record_event(const ExplosionUse *use, const float *, float)
{
    g_events.push_back(use->event);
}

void record_kill(Gamer *g, Beastie *)
{
    g_scorers.push_back(g);
}

TEST_F(Bullets, BeyondEightyOnlyMovingBeyondOneFiftyGone)
{
    def_shot("pshot", "shot", "cat_player + cat_bullet");
    lua("c_preload_model(def('target'))");
    Beastie *inside = make("target", 60, 0);
    Beastie *outside = make("target", 100, 0);
    pass(3);
    float health = inside->health;
    ASSERT_GT(health, 0.0f);
    g_events.clear();
    g_explosion_spawn_hook = record_event;
    Bullet *in = player_shot(60, -5, 0);
    Bullet *out = player_shot(100, -5, 0);
    Bullet *edge = player_shot(149.5f, 0, 90);
    fly(50);
    float z = out->position[2];
    fly(10);
    EXPECT_EQ(in->life, BULLET_DYING) << "hit inside the square";
    EXPECT_LT(inside->health, health);
    ASSERT_TRUE(alive(out));
    EXPECT_EQ(out->life, BULLET_FLYING) << "passes through outside it";
    EXPECT_EQ(outside->health, health);
    EXPECT_NEAR(out->position[2] - z, 10 * SHOT_SPEED, 1e-3f) << "but moves on";
    EXPECT_FALSE(alive(edge)) << "beyond 150";
    EXPECT_EQ(g_events, std::vector<int>{EXPLOSION_EVENT_HIT_ACTIVE_BONE}) << "only the hit spawned";
    EXPECT_EQ(g_bullet_count, 2);
}

TEST_F(Bullets, AHitOnABoneWithHealthSpawnsEventFiveAnyOtherSixAndTheShipScores)
{
    def_shot("pshot", "shot", "cat_player + cat_bullet");
    lua("c_preload_model(def('target'))\n"
        "local t = def('rock', 'stone') c_preload_model(t)\n");
    Beastie *target = make("target", 0, 0);
    make("rock", 20, 0);
    pass(3);
    // One hit point left, on the bone the shot meets first.
    for (int i = 1; i < target->anim.set->bone_count; i++) {
        target->anim.bone_health[i] = 0.0f;
    }
    target->anim.bone_health[0] = 1.0f;
    g_events.clear();
    g_explosion_spawn_hook = record_event;
    g_scorers.clear();
    g_gamer_kill_hook = record_kill;
    Bullet *a = player_shot(0, -5, 0);
    Bullet *b = player_shot(20, -5, 0);
    float heading = a->heading;
    fly(60);
    ASSERT_EQ(g_events.size(), 2u);
    EXPECT_EQ(g_events[0], EXPLOSION_EVENT_HIT_NULL_BONE) << "the rock's bones take no damage";
    EXPECT_EQ(g_events[1], EXPLOSION_EVENT_HIT_ACTIVE_BONE);
    EXPECT_EQ(a->heading, heading + 180.0f) << "turned back by the hit";
    EXPECT_EQ(b->life, BULLET_DYING);
    ASSERT_EQ(g_scorers.size(), 1u) << "the kill is the firing ship's";
    EXPECT_EQ(g_scorers[0], g_gamers);
    EXPECT_EQ(g_bullet_ship, nullptr) << "cleared after the collision";
    // The dying shot plays "die" instead of its flight and goes when that has ended.
    EXPECT_EQ(anim_is_playing(&a->anim, anim_find(a->anim.set, "die", 1)), 1);
    EXPECT_EQ(anim_is_playing(&a->anim, anim_find(a->anim.set, "fire", 1)), 0);
    float where[3] = {a->position[0], a->position[1], a->position[2]};
    fly(10);
    EXPECT_EQ(a->position[2], where[2]) << "a dying shot stays";
    fly(30);
    EXPECT_FALSE(alive(a));
    EXPECT_FALSE(alive(b));
}

TEST_F(Bullets, TheLaserDamagesAndFliesOn)
{
    def_shot("pshot", "shot", "cat_player + cat_bullet");
    lua("c_preload_model(def('target'))");
    Beastie *target = make("target", 0, 0);
    pass(3);
    float health = anim_total_bone_health(target);
    Bullet *laser = player_shot(0, -5, 0, BULLET_KIND_LASER);
    fly(120);
    ASSERT_TRUE(alive(laser));
    EXPECT_EQ(laser->life, BULLET_FLYING);
    EXPECT_GT(laser->position[2], 4.0f) << "past the target";
    EXPECT_LT(anim_total_bone_health(target), health);
}

TEST_F(Bullets, WithoutRootMotionAShotStaysUntilItsFlightEnds)
{
    def_shot("still", "still_shot", "cat_bullet");
    Bullet *b = player_shot(5, 5, 30, 0, "still");
    ASSERT_NE(b, nullptr);
    int ticks = 0;
    while (alive(b) && ticks < 100) {
        EXPECT_EQ(b->position[0], 5.0f);
        EXPECT_EQ(b->position[2], 5.0f);
        fly();
        ticks++;
    }
    EXPECT_NEAR(ticks, 30, 2) << "three keys 0.1 s apart";
}

TEST_F(Bullets, ABlastTakesEnemyShotsButSparesTheShips)
{
    def_shot("pshot", "shot", "cat_player + cat_bullet");
    def_shot("eshot", "shot", "cat_bullet");
    lua("c_preload_model(def('gunner'))");
    Beastie *gunner = make("gunner", 30, 30);
    Bullet *mine = player_shot(0, 0, 0);
    Bullet *theirs = bullet_spawn_spread(actortype_find("eshot"), nullptr, gunner, 0.0f, 0.0f, 1.0f);
    Bullet *far = bullet_spawn_spread(actortype_find("eshot"), nullptr, gunner, 0.0f, 0.0f, 1.0f);
    ASSERT_NE(theirs, nullptr);
    far->position[0] = 5.0f;
    theirs->position[0] = 1.0f;
    theirs->position[2] = 0.0f;
    const float centre[3] = {0, 0, 0};
    bullet_kill_in_radius(centre, 1.2f);
    fly();
    EXPECT_TRUE(alive(mine));
    EXPECT_FALSE(alive(theirs));
    EXPECT_TRUE(alive(far));
    EXPECT_EQ(g_bullet_count, 2);
}

TEST_F(Bullets, ABeamTiedToAShotLetsGoWhenTheShotsAreFreed)
{
    def_shot("eshot", "shot", "cat_bullet");
    lua("c_preload_model(def('gunner'))");
    Beastie *gunner = make("gunner", 0, 0);
    Bullet *shot = bullet_spawn_spread(actortype_find("eshot"), nullptr, gunner, 0.0f, 0.0f, 1.0f);
    ASSERT_NE(shot, nullptr);
    Fizz *beam = new Fizz;
    ASSERT_EQ(fizz_init(beam, 1.0f, actortype_find("eshot"), FIZZ_RULE_BEAM), 0);
    fizz_attach(beam, gunner, 1, shot, 1);
    bullet_free_all();
    EXPECT_EQ(beam->actor_b, nullptr);
    EXPECT_NE(beam->flags & FIZZ_DYING, 0u);
    fizz_update_all();   // reads no freed matrix (the sanitizer build checks)
}

}  // namespace

namespace {

// The test program's heap: every operator new counted, so that a test can show a steady
// stretch of play asks the heap for nothing.
std::atomic<long> g_heap_news{0};

}  // namespace

// The replacement pairs malloc with free on purpose: g++ cannot see that both halves are
// this program's own.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void *operator new(size_t n)
{
    g_heap_news++;
    void *p = std::malloc(n ? n : 1);
    if (!p) {
        throw std::bad_alloc();
    }
    return p;
}
void *operator new[](size_t n)
{
    return operator new(n);
}
void *operator new(size_t n, const std::nothrow_t &) noexcept
{
    g_heap_news++;
    return std::malloc(n ? n : 1);
}
void *operator new[](size_t n, const std::nothrow_t &) noexcept
{
    g_heap_news++;
    return std::malloc(n ? n : 1);
}
void operator delete(void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}
void operator delete[](void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete[](void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, size_t) noexcept
{
    std::free(p);
}
void operator delete[](void *p, size_t) noexcept
{
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

// A second of steady fire (a shot a tick into a row of enemies, each shot hitting, dying
// and removed) and a second wave of enemies (launched, killed, removed, launched again)
// take every record and array from the ones the first gave back: no heap allocation.
TEST_F(Bullets, SteadyFireAndASecondWaveAllocateNothing)
{
    def_shot("pshot", "shot", "cat_player + cat_bullet");
    lua("c_preload_model(def('target'))");
    for (int i = 0; i < 8; i++) {
        make("target", -28.0f + 8.0f * (float)i, 0);
    }
    pass(3);
    auto fire = [&](int t0, int ticks) {
        for (int t = t0; t < t0 + ticks; t++) {
            player_shot(-28.0f + 8.0f * (float)(t % 8), -5, 0);
            bullet_update_all();
            debris_update_all();   // the hits' explosions, as the game tick runs them
            pass();
        }
    };
    fire(0, 500);   // the shots in the air as many as they will be (a shot's flight is 4 s)
    ASSERT_GT(g_bullet_count, 10);
    long news = g_heap_news;
    int blocks = g_recycle_heap_blocks;
    fire(500, 100);
    EXPECT_EQ(g_heap_news - news, 0) << "a steady second of fire";
    EXPECT_EQ(g_recycle_heap_blocks - blocks, 0);

    auto wave = [&] {
        for (int i = 0; i < 20; i++) {
            make("target", -38.0f + 4.0f * (float)i, 30);
        }
        pass(3);
        for (Beastie *b = g_beasties; b; b = b->next) {
            if (b->position[2] > 20.0f) {
                beastie_die(b, 0);
            }
        }
        pass(200);
    };
    int listed = 0;
    for (Beastie *b = g_beasties; b; b = b->next) {
        listed++;
    }
    wave();
    news = g_heap_news;
    blocks = g_recycle_heap_blocks;
    wave();
    EXPECT_EQ(g_heap_news - news, 0) << "a second wave of spawns";
    EXPECT_EQ(g_recycle_heap_blocks - blocks, 0);
    int after = 0;
    for (Beastie *b = g_beasties; b; b = b->next) {
        after++;
    }
    EXPECT_EQ(after, listed) << "each wave was removed again";
    EXPECT_GT(recycle_spare_count(), 0) << "their blocks wait for the next";
}

}  // namespace
