// The level driver run headless with the real script host and the embedded level
// scripts: level start, lead-in, fast-forward, level end with its bonuses and delays,
// game over, the restart after a death and the countdown beeps.

#include "game/level_driver.h"

#include "core/mt.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/lifecycle.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "render/camera.h"
#include "render/zgl.h"
#include "script/lua_host.h"
#include "tests/game/headless.h"
#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"
#include "tests/support/ship_styles.h"
#include "tests/world/anim_synth.h"
#include "world/actortype.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/explosion.h"
#include "world/gamer.h"
#include "world/powerup.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr time_t SEED = 1700000000;

class LevelDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_game_type = 0.0f;
        g_two_player = 0;
        g_start_level = 101.0f;
        game_reset();
        sound_shutdown();   // no device: the scripts' sounds are not loaded
        // The level scripts launch the player's ship from the generated models.
        styles = std::make_unique<ShipStyles>(GLIMMERFALL_ASSETS);
        g_camera = CameraState{};
        g_hidden_keys = 0;
        g_f1_flag = 0.0f;
        g_f2_flag = 0;
        g_bullet_count = 0;
        g_level_end_request = 0;
    }

    void TearDown() override
    {
        game_session_end();
        styles.reset();
        g_game_over = 0;
        g_level_end_request = 0;
        g_level_advance = 0;
        g_hidden_keys = 0;
        g_f2_flag = 0;
        // The games the tests played leave no skill, difficulty or stock behind.
        g_game_type = 0.0f;
        g_two_player = 0;
        g_start_level = 101.0f;
        game_reset();
        headless::no_level();   // no level left ending for a later test
    }

    // Player 1's ship loses a life; with lives 0 left the game is over.
    static void lose_a_life(int lives_left = 3)
    {
        ASSERT_NE(g_gamer_first, nullptr);
        g_gamer_first->info.lives = lives_left;
        gamer_lose_life(g_gamer_first);
    }

    // What init_level does before it starts the driver.
    void start(int level = 101, time_t seed = SEED)
    {
        g_level_number = level;
        snprintf(g_level_name, sizeof(g_level_name), "level%d", level);
        g_level_start_time = seed;
        game_session_start();
    }

    static void tick(int n = 1)
    {
        for (int i = 0; i < n; i++) {
            game_tick(1);
        }
    }

    // An enemy that counts as active and never moves, of a type made in memory; the
    // level's end releases both.
    static void keep_an_enemy()
    {
        AnimSynth s;
        s.bone("mainbone_x", 0, 0, 0, 0, 1.0f).sphere(0, 0, 0, 0, 1.0f).sphere(1, 0, 0, 0, 1.0f);
        float cp[CP_COUNT] = {};
        cp[cp_actor_type] = (float)cat_beastie;
        cp[cp_in_beastie_count] = 1.0f;
        cp[cp_health_percent] = 100.0f;
        ActorType *t = new ActorType;
        ASSERT_EQ(actortype_construct_with_set(t, "keeper", s.build("keeper"), cp), 0);
        t->next = g_actor_types;
        g_actor_types = t;
        Beastie *b = new Beastie;
        const float origin[3] = {0, 0, 0};
        ASSERT_EQ(beastie_init(b, "", origin, 1.0f, 0.0f, 0.0f, 0.0f, t, nullptr), 0);
    }

    // The arena's enemies gone (this tick's count too).
    static void empty_arena()
    {
        beasties_free_all();
        g_beasties_active = 0;
    }

    // Through the lead-in with an enemy in the arena, so the script is never fast-forwarded.
    static void past_lead_in()
    {
        keep_an_enemy();
        g_beasties_active = 1;
        while (g_level_ticks < 1) {
            tick();
        }
    }

    // LEVEL_gameloop calls of the level scripts (their own counter).
    static int script_calls()
    {
        return (int)lua_test_number("level_tick");
    }

    // Replaces the level's loop with one that ends the waves once "finish" is 1.
    static void scripted_loop()
    {
        lua_test_run("calls = 0\n"
                     "finish = 0\n"
                     "function LEVEL_gameloop()\n"
                     "    calls = calls + 1\n"
                     "    if finish == 1 then c_no_more_beasties_to_come() end\n"
                     "end\n");
    }

    // Running level, empty arena, the script ends its waves in the next tick.
    void finish_next_tick(int level = 101)
    {
        start(level);
        past_lead_in();
        scripted_loop();
        empty_arena();
        lua_test_run("finish = 1");
    }

    // Ticks until the level-end request is set; the end tick count at that moment.
    static int end_ticks_until_request(int limit)
    {
        for (int i = 0; i < limit && !g_level_end_request; i++) {
            tick();
        }
        return g_level_end_request ? g_level_end_ticks : -1;
    }

    std::unique_ptr<ShipStyles> styles;
    LogCapture log;
};

class LevelStart : public LevelDriverTest {};
class LeadIn : public LevelDriverTest {};
class FastForward : public LevelDriverTest {};
class LevelEnd : public LevelDriverTest {};
class GameOver : public LevelDriverTest {};
class DeathRestart : public LevelDriverTest {};
class LevelClock : public LevelDriverTest {};
class LevelSession : public LevelDriverTest {};

TEST_F(LevelStart, StartsTheScriptAndItsLeadIn)
{
    g_fade = 0.5f;
    g_level_bounds[0] = -4.0f;
    g_level_bounds[5] = 9.0f;
    start();
    EXPECT_EQ(g_session_active, 1);
    ASSERT_NE(g_lua, nullptr);
    EXPECT_EQ(script_calls(), 1) << "LEVEL_start, then LEVEL_gameloop once";
    EXPECT_EQ(g_level_ticks, -200);
    EXPECT_EQ(g_death_ticks, 0);
    EXPECT_EQ(g_level_end_ticks, 0);
    EXPECT_EQ(g_time_bonus, -1);
    EXPECT_EQ(g_level_end_award, -1);
    EXPECT_EQ(g_beep_accumulator, 1000.0f);
    EXPECT_EQ(g_fade, -1.0f);
    for (float b : g_level_bounds) {
        EXPECT_EQ(b, 0.0f);
    }
    EXPECT_EQ(log.count("\n[ai] loaded 100"), 1);
    EXPECT_EQ(log.script_errors(), 0) << log.joined();
}

TEST_F(LevelStart, TheVariantComesFromTheFirstTwoDrawsOfTheLevelsSeed)
{
    // The generator's reference seed 5489 draws 3499211612, then 581869302:
    // ((581869302 >> 11) & 12) + (((3499211612 & 32767) x 3) >> 15) = 0 + (45588 >> 15) = 1.
    start(101, 5489);
    EXPECT_EQ(g_level_variant, 1);
}

TEST_F(LevelStart, TimeLimitAndBonusRateFollowTheDifficulty)
{
    struct Case {
        float skill;
        int limit;     // level 101 asks for 6000 ticks
        int rate;
    };
    // d = 0: 11 s more and the minimum rate; d = 50: trunc(10 x 0.75^2) = 5 -> 600 and
    // 600; d = 100 and beyond: the 300 floor -> 4 s and 800.
    for (Case c : {Case{0.0f, 7100, 100}, Case{50.0f, 6600, 600}, Case{100.0f, 6400, 800},
                   Case{250.0f, 6400, 800}}) {
        game_reset();
        g_gameinfo[0].skill = c.skill;
        start();
        EXPECT_EQ(g_time_limit, c.limit) << "skill " << c.skill;
        EXPECT_EQ(g_time_bonus_rate, c.rate) << "skill " << c.skill;
        EXPECT_EQ(g_difficulty, c.skill);
        EXPECT_EQ(g_gameloop_budget, 100.0f + c.skill);
        game_session_end();
    }
}

TEST_F(LevelStart, DifficultyAddsTheGameTypeAndTheScriptsOwnLimitIsExtended)
{
    g_game_type = 2.0f;   // base skill 60
    game_reset();
    g_gameinfo[0].skill = 40.0f;
    start(125);           // asks for 7000 ticks
    EXPECT_EQ(g_difficulty, 100.0f);
    EXPECT_EQ(g_difficulty_level, 3);
    EXPECT_FLOAT_EQ(g_speed_factor, 2.0f);
    EXPECT_EQ(g_time_limit, 7400);
    EXPECT_EQ(g_time_bonus_rate, 800);
}

TEST_F(LevelStart, WithoutAShipTheGameIsOverAtTheFirstTick)
{
    styles.reset();   // no models: the script's ship cannot be launched
    start();
    EXPECT_EQ(log.count("*** no player ???"), 1);
    tick();
    EXPECT_EQ(g_game_over, 1);
    EXPECT_EQ(g_level_end_request, LEVEL_END_GAME_OVER);
    EXPECT_EQ(g_level_ticks, -200) << "nothing else happens in that tick";
}

TEST_F(LeadIn, ClockStandsBulletsGoAndTheScriptRunsOncePerTick)
{
    start();   // the arena is empty: no enemy active
    int limit = g_time_limit;
    for (int i = 1; i < 200; i++) {
        g_bullet_count = 3;
        int before = script_calls();
        tick();
        ASSERT_EQ(script_calls(), before + 1) << "lead-in tick " << i;
        ASSERT_EQ(g_time_limit, limit);
        ASSERT_EQ(g_bullet_count, 0);
        ASSERT_EQ(g_level_playing, 0);
    }
    EXPECT_EQ(g_level_ticks, -1);
    g_beasties_active = 1;
    tick();
    EXPECT_EQ(g_level_ticks, 0);
    EXPECT_EQ(g_time_limit, limit) << "the 200th tick is still the lead-in";
    EXPECT_EQ(g_level_playing, 0);

    g_bullet_count = 3;
    tick();
    EXPECT_EQ(g_time_limit, limit - 1);
    EXPECT_EQ(g_level_playing, 1);
    EXPECT_EQ(g_bullet_count, 3) << "bullets stay while the level plays";
}

TEST_F(FastForward, AnEmptyArenaRunsTheScriptUpToTheBudget)
{
    start();
    past_lead_in();
    int before = script_calls();
    tick();
    EXPECT_EQ(script_calls(), before + 1) << "an enemy is active";

    empty_arena();
    before = script_calls();
    tick();
    EXPECT_EQ(script_calls(), before + 100);
}

TEST_F(FastForward, TheBudgetGrowsWithTheDifficulty)
{
    g_gameinfo[0].skill = 50.0f;
    start();
    past_lead_in();
    empty_arena();
    int before = script_calls();
    tick();
    EXPECT_EQ(script_calls(), before + 150);
}

TEST_F(FastForward, TimeSkipOffCallsTheScriptExactlyOnce)
{
    start();
    past_lead_in();
    empty_arena();
    lua_test_run("c_time_skip_off(1)");
    int before = script_calls();
    tick();
    EXPECT_EQ(script_calls(), before + 1);

    lua_test_run("c_time_skip_off(0)");
    before = script_calls();
    tick();
    EXPECT_EQ(script_calls(), before + 100);
}

TEST_F(FastForward, StopsAtTheCallThatEndsTheWaves)
{
    start();
    past_lead_in();
    empty_arena();
    for (int i = 0; i < 100 && g_no_more_beasties != 1; i++) {
        tick();
    }
    ASSERT_EQ(g_no_more_beasties, 1);
    // Level 101 ends its waves on the call after its last launch at call 3177.
    EXPECT_EQ(script_calls(), 3178);
    EXPECT_EQ(g_level_end_ticks, 1) << "the end sequence starts on that tick";
}

TEST_F(FastForward, WaveEndAboveOneCountsDownPerCall)
{
    start();
    past_lead_in();
    empty_arena();
    g_no_more_beasties = 5;
    int before = script_calls();
    tick();
    EXPECT_EQ(script_calls(), before + 4);
    EXPECT_EQ(g_no_more_beasties, 1);
    EXPECT_EQ(g_level_end_ticks, 1);
}

TEST_F(LevelEnd, WaveEndWithAnEmptyArenaCompletesTheLevelAfter501EndTicks)
{
    finish_next_tick();
    int calls = (int)lua_test_number("calls");
    tick();
    EXPECT_EQ(lua_test_number("calls"), calls + 1) << "the call that ended the waves is the last";
    EXPECT_EQ(g_level_end_ticks, 1);
    EXPECT_EQ(g_level_end_tick, g_level_ticks);
    EXPECT_EQ(g_level_end_award, 0);

    tick(499);
    EXPECT_EQ(g_level_end_ticks, 500);
    EXPECT_EQ(g_level_end_request, 0);
    EXPECT_EQ(g_level_advance, 0);
    EXPECT_EQ(lua_test_number("calls"), calls + 1) << "no script call during the end";
    EXPECT_EQ(g_level_playing, 0);
    tick();
    EXPECT_EQ(g_level_end_request, LEVEL_END_COMPLETE);
    EXPECT_EQ(g_level_advance, 1);
    EXPECT_FLOAT_EQ(g_gameinfo[0].streak, 1.0f) << "handed back as completed";
    EXPECT_FLOAT_EQ(g_gameinfo[0].skill, 0.18f);
    EXPECT_EQ(g_gameinfo[0].play_ticks, g_level_end_tick);
}

TEST_F(LevelEnd, TimeBonusIsWholeSecondsLeftTimesTheRate)
{
    g_gameinfo[0].skill = 100.0f;   // rate 800
    finish_next_tick();
    g_time_limit = 2551;
    g_powerup_countdown = 20.0f;
    tick();
    EXPECT_EQ(g_time_limit, 2550);
    EXPECT_EQ(g_time_bonus, 20000);
    EXPECT_NEAR(g_powerup_countdown, 20.0f - 200.0f, 0.02f) << "big bonuses hold back the drops";
}

TEST_F(LevelEnd, NoTimeBonusInOvertimeOrWithHiddenKeysUsed)
{
    finish_next_tick();
    g_time_limit = 2551;
    tick();
    EXPECT_EQ(g_time_bonus, 2500) << "rate 100 at difficulty 0";
    game_session_end();

    finish_next_tick();
    g_time_limit = 0;
    tick();
    EXPECT_EQ(g_time_bonus, 0);
    game_session_end();

    finish_next_tick();
    g_time_limit = 2551;
    g_hidden_keys = 3;
    tick();
    EXPECT_EQ(g_time_bonus, 0);
}

TEST_F(LevelEnd, BackgroundFlashesAt70EndTicksThenTheEndView)
{
    finish_next_tick();
    g_camera.drift_mode = 3;
    tick(69);
    g_background_colour[0] = 0.2f;
    tick();
    EXPECT_EQ(g_level_end_ticks, 70);
    EXPECT_FLOAT_EQ(g_background_colour[0], 0.3f);
    EXPECT_EQ(g_camera.end_view, 0);
    tick();
    EXPECT_FLOAT_EQ(g_background_colour[0], 0.3f) << "once";
    EXPECT_EQ(g_camera.end_view, 1);
    EXPECT_EQ(g_camera.drift_mode, 3) << "the drift stays on an ordinary level";
}

// Pieces still waiting to start, seen by a debris update as the spawning tick's would.
void hold_debris()
{
    for (int i = 0; i < 4; i++) {
        Debris *d = new Debris;
        d->delay = 100.0f;
        d->next = g_debris;
        g_debris = d;
    }
    debris_update_all();
}

TEST_F(LevelEnd, FlyingDebrisHoldsTheEarlyEndSequence)
{
    finish_next_tick();
    tick();
    hold_debris();
    tick();
    EXPECT_EQ(g_level_end_ticks, 2) << "the first end tick is never held";
    tick(30);
    EXPECT_EQ(g_level_end_ticks, 2);
    debris_free_all();
    tick(48);
    EXPECT_EQ(g_level_end_ticks, 50);
    hold_debris();
    tick(10);
    EXPECT_EQ(g_level_end_ticks, 50);
    debris_free_all();
    tick();
    hold_debris();
    tick();
    EXPECT_EQ(g_level_end_ticks, 52) << "past 50 debris no longer holds";
}

TEST_F(LevelEnd, TenthLevelAwardLengthensTheEnd)
{
    struct Case {
        int bombs;
        int request_at;   // 600 + 100 x award, 1500 above an award of 8
    };
    for (Case c : {Case{3, 901}, Case{8, 1401}, Case{12, 1501}, Case{0, 501}}) {
        game_reset();
        g_gameinfo[0].bombs = c.bombs;
        finish_next_tick(109);
        g_camera.drift_mode = 3;
        tick();
        EXPECT_EQ(g_level_end_award, c.bombs);
        EXPECT_EQ(end_ticks_until_request(2000), c.request_at) << c.bombs << " bombs";
        EXPECT_EQ(g_camera.drift_mode, 1) << "a tenth level keeps the drift's lowest bit";
        game_session_end();
    }
}

TEST_F(LevelEnd, F2EndsTheLevelAsSoonAsPossible)
{
    start();
    past_lead_in();
    g_debris_count = 3;
    g_f2_flag = 1;
    tick();
    EXPECT_EQ(g_no_more_beasties, 1);
    EXPECT_EQ(g_beasties_active, 0);
    EXPECT_EQ(g_debris_count, 0);
    EXPECT_EQ(g_level_end_ticks, 1);
}

TEST_F(GameOver, NoLivesLeftFadesOutAndRequestsGameOver)
{
    g_gameinfo[0].streak = 4.0f;
    start();
    past_lead_in();
    lose_a_life(0);
    tick();
    EXPECT_EQ(g_game_over, 1);
    EXPECT_EQ(g_level_end_ticks, 1);
    EXPECT_EQ(g_time_bonus, -1);
    EXPECT_EQ(g_level_end_award, -1);
    EXPECT_EQ(g_camera.end_view, 1);
    EXPECT_EQ(g_camera.drift_mode, 4);

    g_clear_colour[0] = 0.0f;
    tick(99);
    EXPECT_EQ(g_level_end_ticks, 100);
    EXPECT_EQ(g_fade, -1.0f);
    EXPECT_EQ(g_clear_colour[0], 0.0f);
    tick();
    EXPECT_NEAR(g_fade, 0.003f, 1e-6f);
    EXPECT_GT(g_clear_colour[0], 0.0f) << "easing toward the game-over grey";

    EXPECT_EQ(end_ticks_until_request(1000), 501);
    EXPECT_EQ(g_level_end_request, LEVEL_END_GAME_OVER);
    EXPECT_FLOAT_EQ(g_gameinfo[0].streak, 2.0f) << "handed back as not completed";
    EXPECT_EQ(g_level_advance, 0);
    tick(400);
    EXPECT_EQ(g_fade, 1.0f);
}

TEST_F(GameOver, AbandonEndsTheGame)
{
    start();
    past_lead_in();
    g_f1_flag = 1.0f;
    game_abandon();
    EXPECT_EQ(g_f1_flag, 0.0f);
    tick();
    EXPECT_EQ(g_game_over, 1);
    EXPECT_EQ(g_level_end_ticks, 1);
}

TEST_F(DeathRestart, ALostLifeRestartsTheLevelFromAFreshScript351TicksLater)
{
    g_gameinfo[0].skill = 10.0f;
    g_gameinfo[0].streak = 4.0f;
    start();
    int start_limit = g_time_limit;
    int start_variant = g_level_variant;
    uint32_t first_draw = mt_rand();
    past_lead_in();
    tick(49);

    lose_a_life();
    tick();
    EXPECT_EQ(g_death_ticks, 1);
    int calls = script_calls();
    for (int i = 2; i <= 350; i++) {
        g_bullet_count = 1;
        tick();
        ASSERT_EQ(g_death_ticks, i);
        ASSERT_EQ(g_level_playing, 0);
        ASSERT_EQ(g_bullet_count, 0);
        // Started at 1 after 50 death ticks, then swung on by the camera.
        ASSERT_EQ(g_camera.death_wobble >= 1.0f, i > 50) << "death tick " << i;
    }
    EXPECT_EQ(script_calls(), calls) << "no script call while the death is counted";
    EXPECT_EQ(log.count("\n[lua] initlevel level101"), 1);

    int ticks_at_restart = g_level_ticks;
    tick();
    EXPECT_EQ(log.count("\n[lua] initlevel level101"), 2);
    EXPECT_EQ(g_death_ticks, 0);
    EXPECT_EQ(g_level_ticks, -199);
    EXPECT_EQ(g_time_limit, start_limit);
    EXPECT_EQ(script_calls(), 2) << "a fresh script state: LEVEL_start's call and this tick's";
    EXPECT_EQ(g_level_variant, start_variant);
    EXPECT_EQ(mt_rand(), first_draw) << "the same seed replays the same draws";
    EXPECT_FLOAT_EQ(g_gameinfo[0].skill, 8.0f) << "handed back as not completed";
    EXPECT_FLOAT_EQ(g_gameinfo[0].streak, 2.0f);
    EXPECT_EQ(g_gameinfo[0].play_ticks, ticks_at_restart);
    EXPECT_EQ(g_game_over, 0);
    EXPECT_EQ(g_session_active, 1);
}

TEST_F(DeathRestart, NoLivesLeftDuringTheDeathEndsTheGameInstead)
{
    start();
    past_lead_in();
    lose_a_life();
    tick(10);
    g_gamer_first->info.lives = -1;
    tick();
    EXPECT_EQ(g_game_over, 1);
    int death_ticks = g_death_ticks;
    EXPECT_EQ(end_ticks_until_request(1000), 501);
    EXPECT_EQ(g_level_end_request, LEVEL_END_GAME_OVER);
    EXPECT_EQ(g_death_ticks, death_ticks) << "the death counter stopped";
    EXPECT_EQ(log.count("\n[lua] initlevel level101"), 1) << "no restart";
}

TEST_F(LevelClock, LastTenSecondsBeepFasterAndFaster)
{
    start();
    past_lead_in();   // an enemy stays active: the level runs on
    g_time_limit = 1100;
    std::vector<int> beeps;   // the clock at each beep
    while (g_time_limit > -300) {
        float before = g_beep_accumulator;
        tick();
        if (g_beep_accumulator == 0.0f) {
            beeps.push_back(g_time_limit);
        } else if (g_time_limit > 1000 || g_time_limit < 0) {
            ASSERT_EQ(g_beep_accumulator, before) << "clock " << g_time_limit;
        }
    }
    ASSERT_GE(beeps.size(), 3u);
    EXPECT_EQ(beeps.front(), 1000) << "the first beep comes as the clock reaches ten seconds";
    EXPECT_GE(beeps.back(), 0);
    std::vector<int> gaps;
    for (size_t i = 1; i < beeps.size(); i++) {
        gaps.push_back(beeps[i - 1] - beeps[i]);
    }
    // The weight rises from 0.5 to 1.0: about 200 ticks between beeps at first, 100 at the end.
    EXPECT_GT(gaps.front(), 150);
    EXPECT_LE(gaps.front(), 200);
    EXPECT_GE(gaps.back(), 100);
    EXPECT_LT(gaps.back(), 120);
    for (size_t i = 1; i < gaps.size(); i++) {
        EXPECT_LE(gaps[i], gaps[i - 1]);
    }
}

TEST_F(LevelClock, OvertimeHoldsThePowerUpDropsAndKeepsTheLevelRunning)
{
    start();
    past_lead_in();
    g_time_limit = 1;
    g_powerup_countdown = 5.0f;
    tick();
    EXPECT_EQ(g_time_limit, 0);
    EXPECT_NEAR(g_powerup_countdown, 5.0f, 0.011f);
    tick();
    EXPECT_EQ(g_time_limit, -1);
    EXPECT_NEAR(g_powerup_countdown, 20.0f, 0.011f);
    EXPECT_EQ(g_level_playing, 1);
    int before = script_calls();
    tick();
    EXPECT_EQ(script_calls(), before + 1);
}

int chasers_spawned;

TEST_F(LevelClock, OvertimeSendsAChaserEveryThreeSecondsForItsFirst36)
{
    start();
    past_lead_in();
    scripted_loop();   // no wave of the script ends the level meanwhile
    chasers_spawned = 0;
    g_level_spawn_end_chaser = [] { chasers_spawned++; };
    g_time_limit = 1;
    tick(4001);   // the last tick of the clock, then 40 s of overtime
    g_level_spawn_end_chaser = beasties_spawn_end_chaser;
    EXPECT_EQ(g_time_limit, -4000);
    EXPECT_EQ(g_level_playing, 1);
    EXPECT_EQ(chasers_spawned, 12) << "at -1, -301 ... -3301 ticks";
}

TEST_F(LevelClock, AScriptsTimeLimitIsKeptWithinADay)
{
    g_gameinfo[0].skill = 100.0f;
    finish_next_tick();
    lua_test_run("c_set_time_limit(3e9)");
    EXPECT_EQ(g_time_limit, 2147483647);
    tick();
    EXPECT_EQ(log.count("*** [ai] time limit 2147483647 out of range"), 1);
    EXPECT_EQ(g_time_limit, 8640000 - 1);
    EXPECT_EQ(g_time_bonus, 86399 * 800);
    game_session_end();

    start();
    past_lead_in();
    lua_test_run("c_set_time_limit(-3e9)");
    tick(2);
    EXPECT_EQ(g_time_limit, -8640000) << "the clock stops a day into overtime";
    EXPECT_EQ(g_level_playing, 1) << "the level runs on";
    EXPECT_EQ(log.count_containing("out of range"), 2) << "once per value the script set";
}

TEST_F(LevelSession, EndFreesTheScriptStateOnce)
{
    start();
    ASSERT_NE(g_lua, nullptr);
    game_session_end();
    EXPECT_EQ(g_session_active, 0);
    EXPECT_EQ(g_lua, nullptr);
    game_session_end();
    EXPECT_EQ(log.count(" [lua] freelevel"), 1);
}

TEST_F(LevelSession, BoundsGrowInXAndZByTwiceTheRadius)
{
    start();
    const float a[3] = {3.0f, 7.0f, -2.0f};
    game_grow_bounds(a, 1.5f);
    EXPECT_EQ(g_level_bounds[0], 0.0f);
    EXPECT_EQ(g_level_bounds[3], 6.0f);
    EXPECT_EQ(g_level_bounds[2], -5.0f);
    EXPECT_EQ(g_level_bounds[5], 1.0f);
    EXPECT_EQ(g_level_bounds[1], 0.0f) << "height is not tracked";
    EXPECT_EQ(g_level_bounds[4], 0.0f);
    const float b[3] = {-10.0f, 0.0f, 20.0f};
    game_grow_bounds(b, 0.5f);
    EXPECT_EQ(g_level_bounds[0], -11.0f);
    EXPECT_EQ(g_level_bounds[5], 21.0f);
    EXPECT_EQ(g_level_bounds[3], 6.0f);
}

} // namespace
