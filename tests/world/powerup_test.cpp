// Power-ups: the weighted choice around the last drops and the shield, the rationed drop
// check, the drift, the pick-up by a ship (never by one out of play) and the fade at the
// level's end.

#include "tests/support/test_ship.h"
#include "tests/world/beastie_fixture.h"

namespace {

class PowerUps : public EnemyArena {
protected:
    void SetUp() override
    {
        EnemyArena::SetUp();
        powerups_reset_history();
        g_powerup_no_drop = -1;
        g_powerup_countdown = 20.0f;
        g_level_playing = 1;
        g_ticks_left = 1;
        // Four kinds of weights 1 .. 4, five seconds on the floor.
        for (int i = 1; i <= 4; i++) {
            lua("local t = def('powerup_" + std::to_string(i) + "', 'probe', 25)\n"
                "t[cp_spin_speed_min] = " + std::to_string(i) + " t[cp_target_delay_min] = 5\n"
                "t[cp_move_speed_min] = 0.1 t[cp_move_inertia_accn] = 1\n"
                "t[cp_launch_scale_min] = 100 t[cp_launch_scale_max] = 100 c_preload_model(t)");
        }
    }
    void TearDown() override
    {
        g_powerup_no_drop = -1;
        powerups_reset_history();
        g_level_playing = 0;
        EnemyArena::TearDown();
    }
    static void history(int a, int b, int c)
    {
        g_powerup_history[0] = a;
        g_powerup_history[1] = b;
        g_powerup_history[2] = c;
    }
    static int live()
    {
        int n = 0;
        for (PowerUp *p = g_powerups; p; p = p->next) {
            n++;
        }
        return n;
    }
};

TEST_F(PowerUps, TheWeightedChoiceSkipsTheLastDropsAndTheShield)
{
    ASSERT_EQ(g_powerup_type_count, 4);
    // A new game: index 3 is in the history three times. Weights 1, 2, 3 remain.
    EXPECT_EQ(powerup_choose(0.0f), 0);
    EXPECT_EQ(powerup_choose(0.5f), 1) << "threshold 3: the running sum 3 is not below it";
    EXPECT_EQ(powerup_choose(0.51f), 2);
    EXPECT_EQ(powerup_choose(0.999f), 2);
    history(0, 1, 3);
    EXPECT_EQ(powerup_choose(0.0f), 2);
    EXPECT_EQ(powerup_choose(0.999f), 2) << "all but one excluded: always that one";
    // While a shield is up index 3 never drops.
    history(-1, -1, -1);
    g_powerup_no_drop = 3;
    for (float r = 0.0f; r < 1.0f; r += 0.01f) {
        EXPECT_NE(powerup_choose(r), 3) << r;
    }
    history(0, 1, 2);
    EXPECT_EQ(powerup_choose(0.5f), -1);
}

TEST_F(PowerUps, DropsAreRationedByTheCountdownAndShiftTheHistory)
{
    const float at[3] = {4.0f, 0.0f, -6.0f};
    g_powerup_countdown = -0.01f;
    g_beasties_active = 1;
    powerups_spawn_timer(at);
    EXPECT_EQ(g_powerups, nullptr) << "one active enemy: no drop";
    EXPECT_EQ(g_powerup_countdown, -0.01f) << "and no reload";

    g_beasties_active = 2;
    powerups_spawn_timer(at);
    ASSERT_EQ(live(), 1);
    int first = g_powerup_history[0];
    EXPECT_GE(first, 0);
    EXPECT_LT(first, 3);
    EXPECT_EQ(g_powerup_history[1], 3);
    EXPECT_EQ(g_powerup_history[2], 3);
    EXPECT_EQ(g_powerups->type, g_powerup_types[first]);
    EXPECT_EQ(g_powerups->position[0], 4.0f);
    EXPECT_EQ(g_powerups->position[2], -6.0f);
    EXPECT_EQ(g_powerup_countdown, 20.0f);
    powerups_spawn_timer(at);
    EXPECT_EQ(live(), 1) << "a kill within 20 s drops nothing";

    // Every index excluded: nothing drops, the countdown reloads all the same.
    history(0, 1, 2);
    g_powerup_no_drop = 3;
    g_powerup_countdown = -0.01f;
    powerups_spawn_timer(at);
    EXPECT_EQ(live(), 1);
    EXPECT_EQ(g_powerup_countdown, 20.0f);
    EXPECT_EQ(g_powerup_history[0], 0);

    g_powerup_no_drop = -1;
    g_powerup_countdown = -0.01f;
    powerups_spawn_timer(at);
    EXPECT_EQ(live(), 2);
    EXPECT_EQ(g_powerup_history[0], 3);
    EXPECT_EQ(g_powerup_history[1], 0);
    EXPECT_EQ(g_powerup_history[2], 1) << "the oldest went out";
}

TEST_F(PowerUps, APowerUpDriftsGrowsAndFadesAwayAtTheLevelsEnd)
{
    PowerUp *pu = new PowerUp;
    const float at[3] = {0.0f, 0.0f, 0.0f};
    ASSERT_EQ(powerup_init(pu, g_powerup_types[0], at), 0);
    EXPECT_EQ(pu->life, 5.0f);
    EXPECT_EQ(pu->grow, 0.0f);
    for (float &b : g_level_bounds) {
        b = 0.0f;
    }
    powerups_tick();
    powerups_tick();
    EXPECT_NEAR(pu->grow, 0.06f, 1e-5f);
    EXPECT_NEAR(std::hypot(pu->position[0], pu->position[2]), 0.2f, 1e-4f) << "drifting at its speed";
    EXPECT_LT(g_level_bounds[0], 0.0f) << "it keeps itself in the view";
    EXPECT_NEAR(g_powerup_countdown, 19.98f, 1e-4f);

    // The level ends: it fades like a collected one and is gone 0.33 s later.
    g_level_playing = 0;
    int ticks = 0;
    while (g_powerups && ticks < 1000) {
        powerups_tick();
        ticks++;
    }
    EXPECT_NEAR(ticks, 33, 1);
    EXPECT_EQ(g_powerups, nullptr);

    PowerUp *bad = new PowerUp;
    EXPECT_EQ(powerup_init(bad, nullptr, at), -1);
    EXPECT_EQ(log.count("*** [powerup] help"), 1);
    delete bad;
}

// A ship on the spot takes a three-way power-up: the laser ends, the three-way timer gets
// the amount, and the power-up rises and is gone 0.33 s later, not at the end of its life.
TEST_F(PowerUps, AShipTakesItTheLaserEndsAndItIsGoneAThirdOfASecondLater)
{
    lua("local t = def('powerup_3way', 'probe', 25)\n"
        "t[cp_bonus_seq_hit] = 1 t[cp_target_delay_min] = 5 t[cp_target_delay_max] = 12\n"
        "t[cp_launch_scale_min] = 100 t[cp_launch_scale_max] = 100 c_preload_model(t)");
    Gamer *ship = test_ship_launch();
    ASSERT_NE(ship, nullptr);
    ship->laser_timer = 4.0f;
    PowerUp *pu = new PowerUp;
    const float at[3] = {0.5f, 0.0f, 0.0f};
    ASSERT_EQ(powerup_init(pu, actortype_find("powerup_3way"), at), 0);
    powerups_tick();
    EXPECT_EQ(pu->collected, 1);
    EXPECT_EQ(ship->laser_timer, 0.0f);
    EXPECT_EQ(ship->threeway_timer, 12.0f);
    int ticks = 1;
    while (g_powerups && ticks < 1000) {
        powerups_tick();
        ticks++;
    }
    EXPECT_NEAR(ticks, 33, 1);

    // Out of reach: nothing is taken.
    const float far[3] = {30.0f, 0.0f, 0.0f};
    EXPECT_EQ(gamer_collect_powerup(actortype_find("powerup_3way"), far, 1.0f), 0);
    // A ship out of play (dead, awaiting the restart) takes nothing, even lying on it.
    ship->out_of_play = 1;
    float timer = ship->threeway_timer;
    PowerUp *left = new PowerUp;
    ASSERT_EQ(powerup_init(left, actortype_find("powerup_3way"), ship->position), 0);
    for (int i = 0; i < 20; i++) {
        powerups_tick();
    }
    EXPECT_EQ(left->collected, 0);
    EXPECT_EQ(ship->threeway_timer, timer);
    ship->out_of_play = 0;
    test_ship_free();
}

TEST_F(PowerUps, AFenceSendsItOffWithinFortyFiveDegreesOfTheFenceAtHalfSpeed)
{
    // A fence along +x through the origin: movers on its +z side are turned back.
    lua("c_preload_model(def('post'))\nc_preload_model(def('zap', 'probe', cat_fizz))\n");
    Beastie *a = make("post", -20, 0), *b = make("post", 20, 0);
    a->matrix_block[12] = -20.0f;
    b->matrix_block[12] = 20.0f;
    a->matrix_block[14] = b->matrix_block[14] = 0.0f;
    Fizz *f = new Fizz;
    ASSERT_EQ(fizz_init(f, 1.0f, actortype_find("zap"), FIZZ_ROOM_BEAM), 0);
    fizz_attach(f, a, 0, b, 0);
    f->strength = 1.0f;
    fizz_update(f);

    PowerUp *pu = new PowerUp;
    const float at[3] = {2.0f, 0.0f, 3.05f};
    ASSERT_EQ(powerup_init(pu, g_powerup_types[0], at), 0);
    pu->velocity[0] = 0.0f;
    pu->velocity[2] = -0.1f;
    powerups_tick();
    float h = std::atan2(pu->velocity[0], pu->velocity[2]) * RAD2DEG;
    EXPECT_NEAR(std::hypot(pu->velocity[0], pu->velocity[2]), 0.05f, 1e-5f) << "half its drift speed";
    EXPECT_LE(std::fabs(angle_wrap180(h - g_fizz_bounce_angle)), 45.0f + 1e-3f);
}

}  // namespace
