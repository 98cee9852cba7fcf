// The enemies' tick: the list pass (triggers, pairs, updates with animation, movement and
// collision) over 50 to 1000 moving, colliding enemies of mixed families from the
// generated tree; the pair test alone; trigger evaluation; and churn (enemies spawning
// and dying every tick). Reports the time per tick and the heap allocations of the timed
// ticks (a steady tick makes none).

#include "alloc_count.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/level_driver.h"
#include "script/lua_adapter.h"
#include "script/lua_host.h"
#include "world/actortype.h"
#include "world/animset.h"
#include "world/beastie.h"
#include "world/gamer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef GLIMMERFALL_ASSETS

namespace {

// Movers of six families that wander over the arena (within 85 units of the centre) and bounce off every
// enemy (crystals also knock into each other), and one that also carries trigger states
// that never fire.
const char *BENCH_TYPES = R"(
local all = cat_beastie + cat_block + cat_robot + cat_blocker + cat_crystal + cat_flyer
    + cat_webblob + cat_mergeblob + cat_motha + cat_geopus
local function mover(name, model, cat, speed)
    local t = ACTOR_preload(name, "beasties", model)
    t[cp_actor_type] = cat
    t[cp_move_type] = cmt_random
    t[cp_move_speed_min] = speed
    t[cp_move_speed_max] = speed * 1.5
    t[cp_move_acceleration] = 0.01
    t[cp_move_deceleration] = 0.01
    t[cp_move_inertia_accn] = 0.8
    t[cp_turn_speed_moving] = 3
    t[cp_turn_acceleration_moving] = 0.5
    t[cp_turn_speed_still] = 3
    t[cp_turn_acceleration_still] = 0.5
    t[cp_turn_lock_angle_outer] = 120
    t[cp_turn_lock_angle_inner] = 30
    t[cp_target_stop_dist] = 4
    t[cp_target_delay_min] = 1
    t[cp_target_delay_max] = 3
    t[cp_random_offset_x] = 85
    t[cp_random_offset_z] = 85
    t[cp_weight] = 1
    t[cp_i_collide_with_beasties] = all
    t[cp_these_collide_with_me] = all + cat_bullet
    return t
end
c_preload_model(mover("b_robot", "robot_green", cat_robot, 0.08))
c_set_use_anim_for("move_forward", "walk", 80, 120)
c_preload_model(mover("b_weelee", "weelee_small", cat_robot, 0.12))
c_preload_model(mover("b_fly", "trackfly_1", cat_flyer, 0.15))
c_preload_model(mover("b_crystal", "crystal", cat_crystal, 0.1))
c_preload_model(mover("b_blocker", "blocker_red", cat_blocker, 0.06))
c_preload_model(mover("b_spider", "beemspider_1", cat_beastie, 0.07))
local t = mover("b_watcher", "chunk_1", cat_block, 0.05)
c_preload_model(t)
c_set_trigger_state("player_dist_less_than", "near", 5, 5, mover("b_watcher", "chunk_1", cat_block, 0.1))
c_set_trigger_state("my_health", "hurt", 10, 10, mover("b_watcher", "chunk_1", cat_block, 0.1))
c_set_trigger_mutate("byebye", "less_beasties_active", 0, 0, 1, 1, 100, 100, "b_robot")
c_set_trigger_mutate("byebye", "my_time_alive", 100000, 100000, 1, 1, 100, 100)
)";

const char *const MOVERS[] = {"b_robot", "b_weelee", "b_fly", "b_crystal", "b_blocker", "b_spider", "b_watcher"};

class BenchArena {
public:
    BenchArena()
    {
        mem_init();
        snprintf(saved_styles_, sizeof(saved_styles_), "%s", g_styles_dir);
        snprintf(saved_explosions_, sizeof(saved_explosions_), "%s", g_explosions_dir);
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s/styles/", GLIMMERFALL_ASSETS);
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s/styles/explosions/", GLIMMERFALL_ASSETS);
        mt_seed(4242u);
        actortype_reset();
        gamer_reset_globals();
        beasties_reset();
        g_level_ticks = 1;
        g_level_end_ticks = 0;
        g_game_over = 0;
        g_speed_factor = 1.0f;
        g_time_factor = 1.0f;
        g_lua = lua_open(0);
        lua_register_all();
        lua_run_mem_script("actor.lua");
        lua_dobuffer(g_lua, BENCH_TYPES, strlen(BENCH_TYPES), "bench");
        ok = actortype_find("b_watcher") != nullptr;
    }
    ~BenchArena()
    {
        lua_close(g_lua);
        g_lua = nullptr;
        beasties_free_all();
        gamer_free_all();
        actortype_free_all();
        anim_sets_free_all();
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_styles_);
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", saved_explosions_);
    }
    Beastie *launch(const char *type, uint32_t &r)
    {
        r = r * 1664525u + 1013904223u;
        float x = ((float)(r >> 8) / 16777216.0f * 2.0f - 1.0f) * 85.0f;
        r = r * 1664525u + 1013904223u;
        float z = ((float)(r >> 8) / 16777216.0f * 2.0f - 1.0f) * 85.0f;
        const float pos[3] = {x, 0.0f, z};
        Beastie *b = new Beastie;
        if (beastie_init(b, "", pos, 1.0f, (float)(r % 360u) - 180.0f, 0.0f, 0.0f, actortype_find(type), nullptr) != 0) {
            beastie_destroy(b, 1);
            return nullptr;
        }
        beastie_start(b, 0, 0);
        return b;
    }
    void fill(int n)
    {
        for (int i = 0; i < n; i++) {
            launch(MOVERS[i % 7], seed_);
        }
    }
    static void tick(int n = 1)
    {
        for (int i = 0; i < n; i++) {
            g_level_ticks++;
            beasties_update_all();
        }
    }
    // n movers run for warm ticks; false (the benchmark skipped) when the types did not
    // load.
    bool ready(benchmark::State &state, int n, int warm)
    {
        if (!ok) {
            state.SkipWithError("the bench types did not load");
            return false;
        }
        fill(n);
        tick(warm);
        return true;
    }
    static int count()
    {
        int n = 0;
        for (Beastie *b = g_beasties; b; b = b->next) {
            n++;
        }
        return n;
    }

    bool ok = false;

private:
    uint32_t seed_ = 99u;
    char saved_styles_[FILE_DIR_SIZE];
    char saved_explosions_[FILE_DIR_SIZE];
};

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
