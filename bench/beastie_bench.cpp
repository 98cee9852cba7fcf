// The enemies' tick: the list pass (triggers, pairs, updates with animation, movement and
// collision) over 50 to 1000 moving, colliding enemies of mixed families from the
// generated tree; the pair test alone; trigger evaluation; and churn (enemies spawning
// and dying every tick). Reports the time per tick and the heap allocations of the timed
// ticks (a steady tick makes none).

#include "alloc_count.h"
#include "bench_arena.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#ifdef GLIMMERFALL_ASSETS

namespace {

void BM_BeastiesUpdateAll(benchmark::State &state)
{
    BenchArena arena;
    int n = (int)state.range(0);
    // Emerged and moving, and (sparse crowds take longer) every mover has met another:
    // its candidate buffer is made on that first meeting.
    if (!arena.ready(state, n, n >= 500 ? 400 : 100000 / n)) {
        return;
    }
    size_t heap_before = bench_allocations();
    size_t pool_before = mem_usage;
    for (auto _ : state) {
        BenchArena::tick();
        benchmark::ClobberMemory();
    }
    state.counters["heap_allocs"] = (double)(bench_allocations() - heap_before);
    state.counters["pool_bytes"] = (double)mem_usage - (double)pool_before;
    state.counters["enemies"] = BenchArena::count();
    state.counters["candidate_peak"] = g_beastie_candidate_peak;
}
BENCHMARK(BM_BeastiesUpdateAll)->Arg(50)->Arg(200)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

// The pair test of every pair of 500 enemies (the list pass tests only those within
// reach): its cost per pair.
void BM_BeastiesCollidePair(benchmark::State &state)
{
    BenchArena arena;
    if (!arena.ready(state, 500, 400)) {
        return;
    }
    std::vector<Beastie *> all;
    for (Beastie *b = g_beasties; b; b = b->next) {
        all.push_back(b);
    }
    size_t pairs = 0;
    for (auto _ : state) {
        for (Beastie *b : all) {
            b->candidate_count = 0;
        }
        for (size_t i = 0; i < all.size(); i++) {
            float reach = all[i]->move_bits ? 2.0f * all[i]->radius : all[i]->radius;
            for (size_t j = i + 1; j < all.size(); j++) {
                beasties_collide_pair(all[i], all[j], all[i]->move_bits, reach);
            }
        }
        pairs += all.size() * (all.size() - 1) / 2;
        benchmark::ClobberMemory();
    }
    state.counters["time_per_pair"] = benchmark::Counter((double)pairs, benchmark::Counter::kIsRate |
                                                                            benchmark::Counter::kInvert);
}
BENCHMARK(BM_BeastiesCollidePair)->Unit(benchmark::kMillisecond);

// Four trigger states that do not fire, evaluated for 500 enemies with a ship nearby.
void BM_TriggerEvaluation(benchmark::State &state)
{
    BenchArena arena;
    uint32_t r = 7u;
    std::vector<Beastie *> watchers;
    for (int i = 0; arena.ok && i < 500; i++) {
        if (Beastie *b = arena.launch("b_watcher", r)) {
            watchers.push_back(b);
        }
    }
    if (!arena.ready(state, 20, 100)) {
        return;
    }
    Gamer *ship = new Gamer;
    const float far[3] = {500.0f, 0.0f, 500.0f};
    gamer_init(ship, actortype_find("b_robot"), far, 1.0f, 0.0f);
    size_t heap_before = bench_allocations();
    for (auto _ : state) {
        for (Beastie *b : watchers) {
            actortype_eval_states(b->type, b, b->state_values);
        }
        benchmark::ClobberMemory();
    }
    state.counters["heap_allocs"] = (double)(bench_allocations() - heap_before);
    state.counters["time_per_enemy"] = benchmark::Counter((double)state.iterations() * (double)watchers.size(),
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TriggerEvaluation)->Unit(benchmark::kMicrosecond);

// 500 enemies; every tick five new ones emerge and five of the oldest die (their byebye
// plays, then the pass deletes them).
void BM_BeastiesChurn(benchmark::State &state)
{
    BenchArena arena;
    if (!arena.ready(state, 500, 400)) {
        return;
    }
    uint32_t r = 11u;
    int k = 0;
    size_t heap_before = bench_allocations();
    size_t spawned = 0;
    for (auto _ : state) {
        for (int i = 0; i < 5; i++) {
            spawned += arena.launch(MOVERS[k++ % 7], r) != nullptr;
        }
        int killed = 0;
        for (Beastie *b = g_beasties; b && killed < 5; b = b->next) {
            if (b->lifecycle > BEASTIE_SUBMERGING) {
                beastie_die(b, 0);
                killed++;
            }
        }
        BenchArena::tick();
        benchmark::ClobberMemory();
    }
    state.counters["enemies"] = BenchArena::count();
    state.counters["heap_allocs_per_spawn"] =
        spawned ? (double)(bench_allocations() - heap_before) / (double)spawned : 0.0;
}
BENCHMARK(BM_BeastiesChurn)->Unit(benchmark::kMillisecond);

}  // namespace

#endif
