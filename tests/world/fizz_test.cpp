// Beams and beam rules: the rules' turns, the distance band, the strength's growth and
// fade, the collision of movers with fences and barriers, the guards of degenerate beams,
// and beams letting go of actors that are deleted.

#include "tests/world/beastie_fixture.h"

#include "world/fizzrule.h"

namespace {

class Beams : public EnemyArena {
protected:
    void SetUp() override
    {
        EnemyArena::SetUp();
        fizz_rules_reset();
        g_ticks_left = 1;
        g_death_ticks = 0;
        lua("c_preload_model(def('one'))\n"
            "c_preload_model(def('two'))\n"
            "c_preload_model(def('zap', 'probe', cat_fizz))\n");
    }
    void TearDown() override
    {
        g_death_ticks = 0;
        EnemyArena::TearDown();
    }
    // The driver's order for the world's last two steps: rules, then beams.
    static void tick(int n = 1)
    {
        for (int i = 0; i < n; i++) {
            g_level_ticks++;
            fizz_rules_tick();
            fizz_update_all();
        }
    }
    static int beams(const char *type_name = nullptr)
    {
        int n = 0;
        for (const Fizz *f = g_fizz; f; f = f->next) {
            n += !type_name || f->type == actortype_find(type_name);
        }
        return n;
    }
    // A beam of kind flags from matrix 0 of a to matrix 0 of b at full strength, its line
    // computed.
    static Fizz *join(Actor *a, Actor *b, uint32_t flags)
    {
        Fizz *f = new Fizz;
        EXPECT_EQ(fizz_init(f, 1.0f, actortype_find("zap"), flags), 0);
        fizz_attach(f, a, 0, b, 0);
        f->strength = 1.0f;
        fizz_update(f);
        return f;
    }
    // An enemy whose own matrix stands at (x, 0, z) (not moved by the enemies' pass).
    static Beastie *post(const char *type_name, float x, float z)
    {
        Beastie *b = make(type_name, x, z);
        b->matrix_block[12] = x;
        b->matrix_block[13] = 0.0f;
        b->matrix_block[14] = z;
        return b;
    }
};

TEST_F(Beams, RulesTakeTurnsOneEveryOtherTickWithAnIdleTurnAfterTheLast)
{
    lua("c_preload_model(def('zap1', 'probe', cat_fizz))\n"
        "c_preload_model(def('zap2', 'probe', cat_fizz))\n"
        "c_preload_model(def('zap3', 'probe', cat_fizz))\n"
        "c_add_fizz_between('zap3', 'one', 'mainbone_x', 'two', 'mainbone_x', 'fizz', 100, 0, 50, 0)\n"
        "c_add_fizz_between('zap2', 'one', 'mainbone_x', 'two', 'mainbone_x', 'fizz', 100, 0, 50, 0)\n"
        "c_add_fizz_between('zap1', 'one', 'mainbone_x', 'two', 'mainbone_x', 'fizz', 100, 0, 50, 0)\n");
    make("one", 0, 0);
    make("two", 10, 0);
    pass();   // hittable from now on
    g_level_ticks = 0;
    // Each tick's new beam: which rule ran on ticks 1 .. 9.
    std::vector<std::string> ran;
    for (int t = 1; t <= 9; t++) {
        tick();
        std::string got;
        for (const char *z : {"zap1", "zap2", "zap3"}) {
            if (beams(z)) {
                got += z;
            }
        }
        ran.push_back(got);
        fizz_free_all();
    }
    EXPECT_EQ(ran, (std::vector<std::string>{"zap1", "", "zap2", "", "zap3", "", "", "", "zap1"}));

    // Frozen (a death being counted): the rules rest and start again with the first.
    g_death_ticks = 1;
    tick(3);
    EXPECT_EQ(g_fizz_rule_phase, FIZZ_RULES_IDLE);
    EXPECT_EQ(beams(), 0);
    g_death_ticks = 0;
    tick();
    EXPECT_EQ(beams("zap2"), 1) << "after the idle value the cursor moves on at once";
}

TEST_F(Beams, APairExactlyAtEitherEndOfTheBandIsJoinedOnce)
{
    lua("c_add_fizz_between('zap', 'one', 'mainbone_x', 'two', 'gun_x', 'fizz', 100, 4, 9, 0.5)\n");
    const FizzRule *rule = g_fizz_rules;
    ASSERT_NE(rule, nullptr);
    Beastie *a = make("one", 0, 0);
    Beastie *at_min = make("two", 4, 0), *at_max = make("two", 0, 9);
    Beastie *inside = make("two", 3.99f, 0), *outside = make("two", 9.01f, 0);
    for (Beastie *b : {at_min, at_max, inside, outside}) {
        fizz_rule_try_link(rule, b, a);   // either order
        fizz_rule_try_link(rule, a, b);
    }
    ASSERT_EQ(beams(), 2);
    for (const Fizz *f = g_fizz; f; f = f->next) {
        EXPECT_EQ(f->actor_a, a) << "end A on the actor of type A";
        EXPECT_TRUE(f->actor_b == at_min || f->actor_b == at_max);
        EXPECT_EQ(f->matrix_b, f->actor_b->matrix_block + 16 * 4) << "gun_x is matrix 4";
        EXPECT_EQ(f->flicker_period, 0.5f);
        EXPECT_EQ(f->max_length2, 81.0f);
    }
    // A shot just fired is joined without the existing-beam test and without flicker.
    fizz_rules_check_new(a, at_min);
    EXPECT_EQ(beams(), 3);
    EXPECT_EQ(g_fizz->flicker_period, 0.0f);
}

TEST_F(Beams, StrengthGrowsAfterTheCountdownAndFadesOnceTheEndsPart)
{
    Beastie *a = post("one", 0, 0), *b = post("two", 10, 0);
    Fizz *f = new Fizz;
    ASSERT_EQ(fizz_init(f, 1.0f, actortype_find("zap"), FIZZ_ROOM_BEAM), 0);
    EXPECT_EQ(f->strength, -1.0f);
    fizz_attach(f, a, 0, b, 0);
    f->max_length2 = 400.0f;
    g_level_ticks = -25;
    tick(5);   // up to tick -20
    EXPECT_EQ(f->strength, 0.01f);
    int grew = 0;
    while (f->strength < 1.0f && grew < 100) {
        tick();
        grew++;
    }
    EXPECT_EQ(grew, 50);
    EXPECT_EQ(f->strength, 1.0f);
    // The ends part beyond the band: gone about 20 ticks later.
    b->matrix_block[12] = 30.0f;
    int faded = 0;
    while (g_fizz && faded < 100) {
        tick();
        faded++;
    }
    EXPECT_GE(faded, 20);
    EXPECT_LE(faded, 21);
}

TEST_F(Beams, FencesTurnBackMoversOnTheirPositiveSideOnly)
{
    Beastie *a = post("one", -10, 0), *b = post("one", 10, 0);
    Fizz *f = join(a, b, FIZZ_ROOM_BEAM);   // along +x: the positive side is +z
    ASSERT_NEAR(f->line[2], 1.0f, 1e-6f);

    float p[3] = {2, 0, 0.5f}, v[3] = {0, 0, -0.1f};
    EXPECT_EQ(fizz_collide_sphere(nullptr, p, v, 1.0f, 0.1f, 0.3f, 0, cat_fence), ACTOR_HIT_FIZZ);
    EXPECT_NEAR(v[2], 0.3f, 1e-6f) << "sent back along the normal at the bounce speed";
    EXPECT_NEAR(g_fizz_bounce_angle, f->angle, 1e-4f);

    float q[3] = {2, 0, -0.5f}, w[3] = {0, 0, 0.1f};
    EXPECT_EQ(fizz_collide_sphere(nullptr, q, w, 1.0f, 0.1f, 0.3f, 0, cat_fence), 0u) << "passes from behind";
    EXPECT_EQ(w[2], 0.1f);

    // A fast move toward it stops where it first touches.
    float r[3] = {2, 0, 1.5f}, u[3] = {0, 0, -1.0f};
    EXPECT_EQ(fizz_collide_sphere(nullptr, r, u, 1.0f, 1.0f, 0.3f, 0, cat_fence), ACTOR_HIT_FIZZ);
    EXPECT_NEAR(u[2], -0.5f, 1e-6f);

    // Beyond the ends nothing is touched; nor by a mover of an end's own type.
    float far[3] = {12, 0, 0.5f}, fv[3] = {0, 0, -0.1f};
    EXPECT_EQ(fizz_collide_sphere(nullptr, far, fv, 1.0f, 0.1f, 0.3f, 0, cat_fence), 0u);
    EXPECT_EQ(fizz_collide_sphere(actortype_find("one"), p, v, 1.0f, 0.1f, 0.3f, 0, cat_fence), 0u);
}

TEST_F(Beams, BarriersBurnShipsWithoutTurningThemAndRuleBeamsNeverCollide)
{
    Beastie *a = post("one", -10, 0), *b = post("two", 10, 0);
    join(a, b, FIZZ_RULE_BEAM | FIZZ_BARRIER);
    float p[3] = {0, 0, -0.5f}, v[3] = {0.2f, 0, 0.1f};
    EXPECT_EQ(fizz_collide_sphere(nullptr, p, v, 1.0f, 0.2f, 0.3f, 1, cat_fence | cat_fizz), 0x2000004u);
    EXPECT_EQ(v[0], 0.2f);
    EXPECT_EQ(v[2], 0.1f);
    EXPECT_EQ(fizz_collide_sphere(nullptr, p, v, 1.0f, 0.2f, 0.3f, 0, cat_fizz), ACTOR_HIT_FIZZ)
        << "an enemy is turned back from either side";
    EXPECT_NEAR(v[2], -0.3f, 1e-6f);
    EXPECT_EQ(fizz_collide_sphere(nullptr, p, v, 1.0f, 0.2f, 0.3f, 1, cat_fence), 0u) << "a fence mask only";

    g_fizz->flags = FIZZ_RULE_BEAM;
    EXPECT_EQ(fizz_collide_sphere(nullptr, p, v, 1.0f, 0.2f, 0.3f, 1, cat_fence | cat_fizz), 0u);
}

TEST_F(Beams, DegenerateBeamsStayFinite)
{
    Beastie *a = post("one", 3, 4);
    Fizz *same = join(a, a, FIZZ_ROOM_BEAM);   // a zero-length span
    Fizz *thin = new Fizz;                      // no radius: nothing to stretch by
    ASSERT_EQ(fizz_init(thin, 0.0f, actortype_find("zap"), FIZZ_ROOM_BEAM), 0);
    fizz_attach(thin, a, 0, post("two", 9, 4), 0);
    tick();
    for (const Fizz *f : {same, thin}) {
        for (int k = 0; k < 16; k++) {
            EXPECT_TRUE(std::isfinite(f->matrix_block[k])) << k;
        }
        EXPECT_TRUE(std::isfinite(f->inv_length2));
        EXPECT_TRUE(std::isfinite(fizz_draw_radius(f)));
    }
    float p[3] = {3, 0, 4.5f}, v[3] = {0, 0, -0.1f};
    fizz_collide_sphere(nullptr, p, v, 1.0f, 0.1f, 0.3f, 0, cat_fence);
    EXPECT_TRUE(std::isfinite(v[0]) && std::isfinite(v[2]));
}

// Room beams and rule beams on enemies of a type without a beam flag, one joined after
// its enemy died: every one lets go when the enemy is deleted (the sanitizer build reads
// any freed matrix).
TEST_F(Beams, DeletingAnEndActorLeavesNoDanglingBeam)
{
    Beastie *a = post("one", 0, 0), *b = post("two", 8, 0);
    ASSERT_EQ(type("one")->beam_flag, 0);
    Fizz *room = join(a, b, FIZZ_ROOM_BEAM);
    beastie_die(a, 0);
    EXPECT_NE(room->flags & FIZZ_DYING, 0u);
    EXPECT_EQ(room->matrix_a, nullptr);
    Fizz *late = join(b, a, FIZZ_RULE_BEAM);
    for (int i = 0; i < 500 && listed(a); i++) {
        pass();
    }
    ASSERT_FALSE(listed(a));
    EXPECT_NE(late->flags & FIZZ_DYING, 0u);
    EXPECT_EQ(late->actor_b, nullptr);
    float p[3] = {4, 0, 0.5f}, v[3] = {0, 0, -0.1f};
    for (int i = 0; i < 30 && g_fizz; i++) {
        fizz_collide_sphere(nullptr, p, v, 1.0f, 0.1f, 0.3f, 0, cat_fence | cat_fizz);
        tick();
    }
    EXPECT_EQ(g_fizz, nullptr) << "dying beams fade out";
}

}  // namespace
