// The shots' tick: turrets of the generated tree spread over the arena aim their heads at
// a ship in the middle and fire the turret's shot every 0.4 s or so; one tick runs the
// enemy pass (with the weapons) and the bullet pass (flight animation, matrices, the
// damage test against the ship). Reports the time per tick with the enemy and bullet
// counts and the heap allocations of the timed ticks.

#include "alloc_count.h"
#include "bench_arena.h"
#include "tests/world/gunner_types.h"

#include <benchmark/benchmark.h>

#ifdef GLIMMERFALL_ASSETS

namespace {

void BM_BulletsAndWeaponsTick(benchmark::State &state)
{
    BenchArena arena(GUNNER_TYPES);
    if (!actortype_find("gunner") || !actortype_find("gunner_ship")) {
        state.SkipWithError("the gunner types did not load");
        return;
    }
    Gamer *ship = BenchArena::ship("gunner_ship");
    if (!ship) {
        state.SkipWithError("no ship");
        return;
    }
    uint32_t seed = 7u;
    for (int i = 0; i < (int)state.range(0); i++) {
        arena.launch("gunner", seed);
    }
    g_level_playing = 1;
    g_ticks_left = 1;
    // The ship takes the hits and stays: the guns keep it as their target.
    auto tick = [ship] {
        g_level_ticks++;
        beasties_update_all();
        bullet_update_all();
        ship->energy = 1.0f;
    };
    // Emerged, and the shots in the air as many as they will be.
    for (int i = 0; i < 400; i++) {
        tick();
    }
    size_t heap_before = bench_allocations();
    long bullets = 0;
    long ticks = 0;
    for (auto _ : state) {
        tick();
        bullets += g_bullet_count;
        ticks++;
        benchmark::ClobberMemory();
    }
    state.counters["heap_allocs_per_tick"] = (double)(bench_allocations() - heap_before) / (double)ticks;
    state.counters["bullets"] = (double)bullets / (double)ticks;
    state.counters["enemies"] = BenchArena::count();
    g_level_playing = 0;
}
BENCHMARK(BM_BulletsAndWeaponsTick)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace

#endif
