// One tick of 500 debris pieces of a generated explosion, on a tick before a frame (the
// pieces build their bone matrices): the pieces are thrown afresh outside the timing
// so every timed tick animates all 500. Reports the time per tick.

#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/level_driver.h"
#include "world/animset.h"
#include "world/explosion.h"

#include <benchmark/benchmark.h>
#include <cstdio>

#ifdef GLIMMERFALL_ASSETS

namespace {

void BM_DebrisTick(benchmark::State &state)
{
    const int pieces = (int)state.range(0);
    mem_init();
    char saved[FILE_DIR_SIZE];
    snprintf(saved, sizeof(saved), "%s", g_explosions_dir);
    snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s/styles/explosions/", GLIMMERFALL_ASSETS);
    mt_seed(77u);
    explosion_types_reset();
    debris_reset();
    ExplosionType *type = explosion_type_find_or_load("burst_large");
    if (!type) {
        state.SkipWithError("no burst_large in the tree");
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", saved);
        return;
    }
    g_ticks_left = 1;
    for (auto _ : state) {
        state.PauseTiming();
        debris_free_all();
        for (int i = 0; i < pieces; i++) {
            const float at[3] = {(float)(i % 25) * 6.0f - 72.0f, 0.0f, (float)(i / 25) * 6.0f - 60.0f};
            debris_spawn_one(type, at, 1.0f, (float)(i * 7 % 360) - 180.0f);
        }
        state.ResumeTiming();
        debris_update_all();
        benchmark::DoNotOptimize(g_debris_count);
    }
    state.counters["pieces"] = (double)g_debris_count;
    debris_free_all();
    explosion_types_free();
    anim_sets_free_all();
    snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", saved);
}
BENCHMARK(BM_DebrisTick)->Arg(500)->Unit(benchmark::kMicrosecond);

}  // namespace

#endif
