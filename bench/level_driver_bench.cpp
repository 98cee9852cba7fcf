// The level driver's tick with the real level 101 script, the level started again
// outside the timing whenever it is over:
// - in play: an enemy stays in the arena, so the script runs once per tick, from the
//   lead-in until the script ends its waves;
// - empty arena: the whole level as it runs with nothing in the arena: lead-in, the
//   script fast-forwarded up to its budget of calls per tick, then the end sequence.

#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/lifecycle.h"
#include "world/gamer.h"

#include "tests/support/test_ship.h"

#include <benchmark/benchmark.h>

#include <cstdio>

static void level_bench_start(void)
{
    g_game_type = 0.0f;
    g_two_player = 0;
    game_reset();
    g_level_number = 101;
    snprintf(g_level_name, sizeof(g_level_name), "level%d", g_level_number);
    g_level_start_time = 1700000000;
    game_session_start();
    // No models here: the script's ship cannot be launched, so one of a type made in
    // memory plays (the level's end releases both).
    if (!gamer_first_exists()) {
        test_ship_launch();
    }
}

static void level_bench_run(benchmark::State &state, int active)
{
    level_bench_start();
    for (auto _ : state) {
        g_beasties_active = active;
        game_tick(1);
        if (g_level_end_request || (active && g_no_more_beasties == 1)) {
            state.PauseTiming();
            game_session_end();
            level_bench_start();
            state.ResumeTiming();
        }
    }
    game_session_end();
    state.counters["ticks/s"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
}

static void BM_LevelTickInPlay(benchmark::State &state)
{
    level_bench_run(state, 1);
}
BENCHMARK(BM_LevelTickInPlay);

static void BM_LevelTickEmptyArena(benchmark::State &state)
{
    level_bench_run(state, 0);
}
BENCHMARK(BM_LevelTickEmptyArena);
