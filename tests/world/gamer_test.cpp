// The player ships with the real player scripts and models: steering, the shield, bombs,
// the shared stock of a pair, the lead-in, the mouse aim, the weapon slots; the scoring
// through the multiplier; and what the level driver reads of them.

#include "world/gamer.h"

#include "core/file.h"
#include "core/mathlib.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "platform/input.h"
#include "render/camera.h"
#include "script/lua_host.h"
#include "world/beastie.h"
#include "world/bullet.h"

#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"
#include "tests/support/model_scene.h"
#include "tests/world/player_scripts.h"
#include "tests/support/temp_dir.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class ShipArena : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        mt_seed(4242u);
        snprintf(saved_explosions_, sizeof(saved_explosions_), "%s", g_explosions_dir);
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s/styles/explosions/", relative_path(GLIMMERFALL_ASSETS).c_str());
        g_game_type = 0.0f;
        g_two_player = 0;
        game_reset();
        g_hidden_keys = 0;
        g_f1_flag = 0.0f;
        g_level_ticks = 10;
        g_level_end_ticks = 0;
        g_game_over = 0;
        g_camera = CameraState{};
        memset(g_frustum_planes, 0, sizeof(g_frustum_planes));
        memset(g_player_input, 0, sizeof(g_player_input));
        actortype_reset();
        gamer_reset_globals();
        beasties_reset();
        bullet_reset();
        player_scripts_open();
    }
    void TearDown() override
    {
        player_scripts_close();
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", saved_explosions_);
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
        memset(g_player_input, 0, sizeof(g_player_input));
        g_two_player = 0;
        g_hidden_keys = 0;
        g_f1_flag = 0.0f;
        g_level_ticks = 0;
        g_level_number = 101;
    }

    static Gamer *launch(float x, float z)
    {
        Gamer *g = new Gamer;
        const float pos[3] = {x, 0.0f, z};
        EXPECT_EQ(gamer_init(g, actortype_find("player_1"), pos, 1.0f, 0.0f), 0);
        return g;
    }
    static void tick(int n = 1)
    {
        for (int i = 0; i < n; i++) {
            g_level_ticks++;
            gamer_update_all();
        }
    }
    static float len_xz(const float v[3]) { return sqrtf(v[0] * v[0] + v[2] * v[2]); }

    TreeStyles styles_{GLIMMERFALL_ASSETS};
    char saved_explosions_[FILE_DIR_SIZE];
    LogCapture log_;
};

TEST_F(ShipArena, SteeringIsClampedToTopSpeedWithInertiaAndKnockBackDecays)
{
    Gamer *g = launch(0, 0);
    PlayerInput *in = &g_player_input[0];
    in->move[0] = 1.0f;   // two axes at once: longer than the top speed
    in->move[1] = 1.0f;
    tick();
    float first = len_xz(g->momentum);
    // (The clamp's one-step reciprocal is good to about 2 per cent.)
    EXPECT_LE(first, 0.5501f) << "the push is clamped to player_1's top speed";
    EXPECT_GT(first, 0.53f);
    EXPECT_NEAR(g->momentum[0], -g->momentum[2], 1e-5f) << "along the diagonal";
    tick();
    EXPECT_NEAR(len_xz(g->momentum), first * (1.0f + 0.78f), 0.001f) << "accelerating inertia";
    float before = g->momentum[0];
    in->move[0] = in->move[1] = 0.0f;
    tick();
    EXPECT_NEAR(g->momentum[0], before * 0.86f, 1e-5f) << "coasting inertia";

    g->knock[0] = 1.0f;
    tick();
    EXPECT_NEAR(g->knock[0], 0.9f, 1e-6f);
    tick(60);
    EXPECT_EQ(g->knock[0], 0.0f) << "a small knock-back stops";
}

TEST_F(ShipArena, BeforeTheStartTheShipGrowsInAndCannotMove)
{
    Gamer *g = launch(0, 0);
    g_player_input[0].move[0] = 1.0f;
    g_level_ticks = -51;
    tick();   // tick -50: half grown, frozen
    EXPECT_EQ(g->momentum[0], 0.0f);
    EXPECT_EQ(g->death_timer, 1);
    const float *m = g->matrix_block;
    EXPECT_NEAR(sqrtf(m[0] * m[0] + m[1] * m[1] + m[2] * m[2]), 0.5f * g->scale, 1e-4f);
    g_level_ticks = -1;
    tick();   // tick 0: the freeze ends
    tick();
    EXPECT_GT(g->momentum[0], 0.0f);
    EXPECT_NEAR(sqrtf(m[0] * m[0] + m[1] * m[1] + m[2] * m[2]), g->scale, 1e-4f);
}

TEST_F(ShipArena, TheFirstHitOnARaisedShieldCostsNoEnergyAndLeavesATenthOfASecond)
{
    lua_test_run("local t = ACTOR_preload('rammer', 'beasties', 'weelee_small') t[cp_actor_type] = cat_robot\n"
                 "t[cp_hit_power] = 1 t[cp_these_collide_with_me] = cat_player + cat_bullet c_preload_model(t)");
    Gamer *g = launch(0, 0);
    g->shield_timer = 1.0f;
    Beastie *b = new Beastie;
    const float at[3] = {0.0f, 0.0f, 0.0f};
    ASSERT_EQ(beastie_init(b, "", at, 1.0f, 0.0f, 0.0f, 0.0f, actortype_find("rammer"), nullptr), 0);
    beastie_start(b, 1, 0);
    int ticks = 0;
    while (g->shield_timer >= 1.0f && ticks++ < 200) {
        beasties_update_all();
        tick();
    }
    ASSERT_LT(g->shield_timer, 1.0f) << "the enemy touched the shield";
    EXPECT_NEAR(g->shield_timer, 0.1f, 0.011f);
    EXPECT_EQ(g->energy, 1.0f);
    tick(11);
    EXPECT_LE(g->shield_timer, 0.0f) << "the cover ran out";
    // Now a shot at the ship's body costs the life.
    static float position[3];
    static float velocity[3];
    memcpy(position, g->position, sizeof(position));
    g_collider = Collider{0.3f, 0.0f, 1.0f, nullptr, position, velocity};
    g_collide_mode = 0;
    g_collide_owner = nullptr;
    EXPECT_NE(gamer_hit_by_actor(1.0f) & ACTOR_HIT_DAMAGE, 0u);
    EXPECT_EQ(g->out_of_play, 1);
    EXPECT_EQ(g->info.lives, 2);
}

TEST_F(ShipArena, AnEnemyShotStopsAtARaisedShield)
{
    lua_test_run("dofilx('bullet_robo.lua')");
    ASSERT_NE(actortype_find("bullet_robo"), nullptr);
    Gamer *g = launch(0, 0);
    g->shield_timer = 1.0f;
    tick();   // the shield part is posed round the ship
    const float muzzle[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 20.0f, 1};
    Bullet *shot = bullet_spawn_spread(actortype_find("bullet_robo"), muzzle, g, 180.0f, 0.0f, 1.0f);
    ASSERT_NE(shot, nullptr);
    shot->owner = nullptr;   // an enemy's: not the ship's own
    float reach = g->shield.actor.anim.hit_spheres[0].radius;
    ASSERT_GT(reach, g->radius) << "the shield stands out round the hull";
    int ticks = 0;
    while (shot->life == BULLET_FLYING && ticks++ < 400) {
        bullet_update_all();
    }
    ASSERT_LT(shot->life, BULLET_FLYING) << "the shot hit something";
    EXPECT_GT(shot->position[2], g->radius) << "it stopped at the shield, short of the hull";
    EXPECT_EQ(g->energy, 1.0f);
    EXPECT_EQ(g->info.lives, 3);
    EXPECT_EQ(g->out_of_play, 0);
    EXPECT_EQ(g->shield_timer, 0.0f) << "the shield is spent on it";
}

TEST_F(ShipArena, HoldingTheBombButtonDropsOneBomb)
{
    Gamer *g = launch(0, 0);
    g->info.bombs = 3;
    g_player_input[0].buttons = INPUT_BUTTON_BOMB;
    tick(120);
    EXPECT_EQ(g->info.bombs, 2);
    EXPECT_EQ(g_camera.bump > 0.0f, true);
    g_player_input[0].buttons = 0;
    tick(2);
    g_player_input[0].buttons = INPUT_BUTTON_BOMB;
    tick();
    EXPECT_EQ(g->info.bombs, 1) << "released and pressed again";
}

TEST_F(ShipArena, TheSecondShipOfAPairLivesAndBombsOnTheFirstShipsStock)
{
    g_two_player = 1;
    game_reset();
    Gamer *first = launch(-8, 0);
    Gamer *second = launch(8, 0);
    ASSERT_EQ(g_gamer_first, first);
    first->info.bombs = 2;
    second->info.bombs = 0;
    g_player_input[1].buttons = INPUT_BUTTON_BOMB;
    tick();
    EXPECT_EQ(first->info.bombs, 1) << "the second ship's bomb came from the shared stock";
    first->info.lives = 1;
    gamer_lose_life(second);
    EXPECT_EQ(first->info.lives, 0);
    EXPECT_EQ(second->info.lives, 0);
    EXPECT_EQ(gamer_update_all(), 1) << "the first ship still plays";
    second->death_timer = 0;
    gamer_lose_life(second);
    EXPECT_EQ(second->info.lives, -1) << "the stock was empty";
    EXPECT_EQ(second->energy, -1.0f);
}

// The keys act as the screen shows them: with the camera rolled either way, move forward
// takes the ship toward the top of the screen, move right toward its right, and fire
// forward shoots toward the top.
TEST_F(ShipArena, ForwardIsUpTheScreenAndRightIsRightWhicheverWayTheCameraIsRolled)
{
    Gamer *g = launch(0, 0);
    PlayerInput *in = &g_player_input[0];
    for (int side = 0; side < 2; side++) {
        g_camera.pitch = -90.0f;
        g_camera.yaw = 0.0f;
        g_camera.roll = side ? -90.0f : 90.0f;
        g_camera.side = side;
        float view[16];
        camera_view_matrix(view);
        const float right[2] = {view[0], view[8]}, up[2] = {view[1], view[9]};   // world x, z
        auto along = [](const float v[2], float x, float z) { return v[0] * x + v[1] * z; };
        *in = PlayerInput{};
        in->move[0] = -1.0f;   // back - forward: forward
        g->momentum[0] = g->momentum[2] = 0.0f;
        tick();
        EXPECT_GT(along(up, g->momentum[0], g->momentum[2]), 0.5f) << "forward, side " << side;
        EXPECT_NEAR(along(right, g->momentum[0], g->momentum[2]), 0.0f, 1e-4f);
        in->move[0] = 0.0f;
        in->move[1] = 1.0f;    // right - left: right
        g->momentum[0] = g->momentum[2] = 0.0f;
        tick();
        EXPECT_GT(along(right, g->momentum[0], g->momentum[2]), 0.5f) << "right, side " << side;
        in->move[1] = 0.0f;
        in->fire[0] = -1.0f;   // fire forward
        tick();
        float h = g->aim_heading * DEG2RAD;
        EXPECT_GT(along(up, sinf(h), cosf(h)), 0.99f) << "fire forward, side " << side;
    }
    *in = PlayerInput{};
    g_camera = CameraState{};
}

TEST_F(ShipArena, TheMouseAimPointStaysInTheView)
{
    Gamer *g = launch(0, 0);
    // The view: |x| <= 40, |z| <= 30.
    const float planes[4][4] = {{0, 0, 1, -30}, {0, 0, -1, -30}, {1, 0, 0, -40}, {-1, 0, 0, -40}};
    memcpy(g_frustum_planes, planes, sizeof(planes));
    PlayerInput *in = &g_player_input[0];
    in->input_type = 1.0f;
    in->fire[0] = 100.0f;    // x
    in->fire[1] = -100.0f;   // y: z = 100
    tick();
    // Pulled inside (to the edge, within the reciprocal's accuracy).
    EXPECT_LE(g->aim[0], 40.01f);
    EXPECT_GT(g->aim[0], 39.0f);
    EXPECT_GE(g->aim[1], -30.01f);
    EXPECT_LT(g->aim[1], -29.0f);
    EXPECT_EQ(in->fire[0], g->aim[0]) << "written back to the input";
    EXPECT_EQ(in->fire[1], g->aim[1]);
    EXPECT_NEAR(g->aim_heading, atan2f(g->aim[0], -g->aim[1]) * RAD2DEG, 0.01f);
}

TEST_F(ShipArena, WithSeveralWeaponsRunningTheHighestSlotFires)
{
    Gamer *g = launch(0, 0);
    ASSERT_GT(g_gamer_bullet_count, GAMER_BULLET_MISSILE);
    g->threeway_timer = g->laser_timer = g->missile_timer = 5.0f;
    g_player_input[0].buttons = INPUT_BUTTON_FIRE;
    tick();
    int missiles = 0;
    for (Beastie *b = g_beasties; b; b = b->next) {
        missiles += b->shooter == g && b->type == g_gamer_bullets[GAMER_BULLET_MISSILE].type &&
                    b->category == (int)cat_bullet;
    }
    EXPECT_EQ(missiles, 1) << "one missile, no spread";
    EXPECT_FLOAT_EQ(g->fire_cooldown, g_gamer_bullets[GAMER_BULLET_MISSILE].interval);
    EXPECT_NEAR(g->threeway_timer, 4.99f, 1e-4f);
}

// ---------------------------------------------------------------------------------------
// Scoring

class Scoring : public ShipArena {
protected:
    // An enemy of its own type, not listed, with a score block.
    Beastie *enemy(ActorType *t, int score, int seq_hit = 0, int seq_score = 0)
    {
        params_.score = score;
        params_.bonus_seq_hit = seq_hit;
        params_.bonus_seq_score = seq_score;
        victim_.type = t;
        victim_.params = &params_;
        return &victim_;
    }
    ActorParams params_{};
    Beastie victim_;
};

TEST_F(Scoring, AKillPastTheThresholdIsPaidAtTheNewMultiplierOneStepAtATime)
{
    Gamer *g = launch(0, 0);
    g->info.running_total = 49000;
    gamer_score_kill(g, enemy(g->type, 2000));
    EXPECT_EQ(g->info.multiplier_step, 1);
    EXPECT_EQ(g->info.score, 4000);
    EXPECT_EQ(g->info.peak_step, 1);
    EXPECT_EQ(gamer_add_score(g, 5000000, 1), 15000000) << "a huge award moves one step only";
    EXPECT_EQ(g->info.multiplier_step, 2);
    g_hidden_keys = 1;
    EXPECT_EQ(gamer_add_score(g, 100, 1), 0);
    EXPECT_EQ(g->info.score, 15004000) << "hidden keys add nothing";
}

TEST_F(Scoring, TheThirdKillOfATypeInARowPaysTheBonusAndTheRunStartsAgain)
{
    Gamer *g = launch(0, 0);
    Beastie *b = enemy(g->type, 100, 3, 5000);
    int paid[5];
    for (int &p : paid) {
        int before = g->info.score;
        gamer_score_kill(g, b);
        p = g->info.score - before;
    }
    EXPECT_EQ(paid[0], 100);
    EXPECT_EQ(paid[1], 100);
    EXPECT_EQ(paid[2], 5000);
    EXPECT_EQ(paid[3], 100);
    EXPECT_EQ(paid[4], 100);
    gamer_score_kill(g, enemy(actortype_find("player_1_hull"), 100, 3, 5000));
    EXPECT_EQ(g->kill_run, 1) << "another type starts a new run";
}

TEST_F(Scoring, ADeathStepsTheMultiplierBackKeepingTheFraction)
{
    GameInfo gi{};
    gi.multiplier_step = 2;
    gi.running_total_at_death = 350000;
    gi.step_back = 1;
    gamer_step_back(&gi);
    EXPECT_EQ(gi.multiplier_step, 1);
    EXPECT_EQ(gi.running_total, 125000);
    EXPECT_EQ(gi.step_back, 0);
    gi = GameInfo{};
    gi.running_total = 30000;
    gamer_step_back(&gi);
    EXPECT_EQ(gi.multiplier_step, 0);
    EXPECT_EQ(gi.running_total, 0);

    // Through a life lost and the next ship built.
    g_gameinfo[0].multiplier_step = 2;
    g_gameinfo[0].running_total = 350000;
    Gamer *g = launch(0, 0);
    gamer_lose_life(g);
    gamer_gameinfo(0, 10);
    gamer_free_all();
    g = launch(0, 0);
    EXPECT_EQ(g->info.multiplier_step, 1);
    EXPECT_EQ(g->info.running_total, 125000);
}

TEST_F(Scoring, APairSharesOneScoreAndBalancesItsShare)
{
    g_two_player = 1;
    game_reset();
    Gamer *first = launch(-8, 0);
    Gamer *second = launch(8, 0);
    EXPECT_EQ(gamer_balance_pair(), -1) << "no points yet";
    EXPECT_EQ(gamer_add_score(second, 600, 1), 600);
    EXPECT_EQ(gamer_add_score(first, 400, 1), 400);
    EXPECT_EQ(first->info.score, 1000) << "both players' points in the first record";
    EXPECT_EQ(first->info.points, 1000);
    EXPECT_EQ(second->info.points, 600);
    second->info.share = 0;
    gamer_share_value(first, 0.1f);
    EXPECT_EQ(second->info.share, 100);
    gamer_share_value(second, 0.1f);
    EXPECT_EQ(second->info.share, 90);
    EXPECT_EQ(gamer_balance_pair(), 1) << "r = 0.4: the first player did most";
    second->info.points = 400;
    EXPECT_EQ(gamer_balance_pair(), 0);
}

TEST_F(Scoring, TheLevelEndPaysForTheEnemiesLeftAndTheBombsOnATenthLevel)
{
    lua_test_run("local t = ACTOR_preload('survivor', 'beasties', 'weelee_small') t[cp_actor_type] = cat_robot\n"
                 "t[cp_level_end_score] = 300 c_preload_model(t)");
    Gamer *g = launch(0, 0);
    for (float x : {10.0f, 20.0f}) {
        Beastie *b = new Beastie;
        const float at[3] = {x, 0.0f, 0.0f};
        ASSERT_EQ(beastie_init(b, "", at, 1.0f, 0.0f, 0.0f, 0.0f, actortype_find("survivor"), nullptr), 0);
    }
    g->info.bombs = 6;
    g_level_number = 119;
    EXPECT_EQ(gamer_award_level_end(), 6);
    EXPECT_EQ(g->info.score, 600);
    EXPECT_EQ(g->info.running_total, 0) << "the award does not count toward the multiplier";
    g_level_number = 120;
    EXPECT_EQ(gamer_award_level_end(), 0);
}

// ---------------------------------------------------------------------------------------
// What the level driver reads

TEST_F(ShipArena, UpdateTellsPlayDeathAndGameOverApart)
{
    EXPECT_EQ(gamer_update_all(), -1) << "no ship";
    Gamer *g = launch(0, 0);
    EXPECT_EQ(gamer_update_all(), 1);
    EXPECT_EQ(g_gamer_in_play, 1);
    gamer_lose_life(g);
    EXPECT_EQ(gamer_update_all(), 0) << "out of play with lives left: a death";
    EXPECT_EQ(g->info.bomb_refill, 1);
    g->info.lives = -1;
    EXPECT_EQ(gamer_update_all(), -1);
}

TEST_F(ShipArena, DifficultyAndHandBackFollowTheShips)
{
    g_gameinfo[0].skill = 10.0f;
    g_gameinfo[1].skill = 90.0f;   // no ship of player 2
    g_base_skill = 30.0f;
    launch(0, 0);
    gamer_skill_difficulty();
    EXPECT_FLOAT_EQ(g_difficulty, 40.0f);
    gamer_gameinfo(0, 250);
    EXPECT_FLOAT_EQ(g_gameinfo[0].skill, 8.0f);
    EXPECT_FLOAT_EQ(g_gameinfo[1].skill, 90.0f) << "no ship, no hand-back";
    EXPECT_EQ(g_gameinfo[0].play_ticks, 250);
    g_base_skill = 0.0f;
    g_loop_value = 2.0f;
    gamer_skill_difficulty();
    EXPECT_FLOAT_EQ(g_difficulty, 30.0f) << "after a wrap the easiest game types start at 30";
}

TEST_F(ShipArena, AbandonTakesEveryLifeUnlessInvulnerable)
{
    launch(0, 0);
    g_hidden_keys = 1;
    g_f1_flag = 1.0f;
    gamer_tick_countdowns();
    EXPECT_EQ(gamer_update_all(), 1);
    g_f1_flag = 0.0f;
    gamer_tick_countdowns();
    EXPECT_EQ(gamer_update_all(), -1);
}

}  // namespace
