// Whole levels with the real scripts and models, as the whole-level tests run them: the
// ship under its scripted pattern of moves, fire and bombs. The cost of one level tick
// (the driver's whole tick: script, ships, enemies, bullets), with the enemies and
// bullets the level had on average and at most; the level starts again outside the timing
// when it ends or after 20,000 ticks.

#include "tests/world/level_run.h"

#include <benchmark/benchmark.h>
#include <memory>

#ifdef GLIMMERFALL_ASSETS

static void BM_WholeLevelTick(benchmark::State &state)
{
    const int level = (int)state.range(0);
    const int limit = 20000;
    auto run = std::make_unique<LevelRun>(GLIMMERFALL_ASSETS, level, 1700000000);
    double enemies = 0.0, bullets = 0.0;
    int peak_enemies = 0, peak_bullets = 0, runs = 0;
    auto note = [&]() {
        enemies += run->mean_enemies();
        bullets += run->mean_bullets();
        peak_enemies = run->peak_enemies() > peak_enemies ? run->peak_enemies() : peak_enemies;
        peak_bullets = run->peak_bullets() > peak_bullets ? run->peak_bullets() : peak_bullets;
        runs++;
    };
    for (auto _ : state) {
        if (!run->tick() || run->ticks() >= limit) {
            state.PauseTiming();
            note();
            run.reset();
            run = std::make_unique<LevelRun>(GLIMMERFALL_ASSETS, level, 1700000000);
            state.ResumeTiming();
        }
    }
    note();
    run.reset();
    state.counters["enemies"] = enemies / runs;
    state.counters["enemies_max"] = peak_enemies;
    state.counters["bullets"] = bullets / runs;
    state.counters["bullets_max"] = peak_bullets;
}
BENCHMARK(BM_WholeLevelTick)->Arg(101)->Arg(129)->Arg(181)->Iterations(20000)->Unit(benchmark::kNanosecond);

#endif
