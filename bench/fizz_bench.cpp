// The beams' tick: the rules' background test and the update of every beam in an arena
// of 24 pylons joined by 36 fence strands and 50 beemspiders strung to the pylons near
// them, and the beam test of 50 movers against those beams. Reports the time per tick,
// the beams and the heap allocations of the timed ticks (a steady tick makes none).

#include "alloc_count.h"
#include "bench_arena.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/level_driver.h"
#include "script/lua_adapter.h"
#include "script/lua_host.h"
#include "world/actortype.h"
#include "world/animset.h"
#include "world/beastie.h"
#include "world/fizz.h"
#include "world/fizzrule.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#ifdef GLIMMERFALL_ASSETS

namespace {

constexpr int PYLONS = 24;
constexpr int SPIDERS = 50;
constexpr float RING = 75.0f;

class BeamArena {
public:
    BeamArena()
    {
        mem_init();
        snprintf(saved_styles_, sizeof(saved_styles_), "%s", g_styles_dir);
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s/styles/", GLIMMERFALL_ASSETS);
        mt_seed(4242u);
        actortype_reset();
        beasties_reset();
        fizz_reset();
        fizz_rules_reset();
        g_level_ticks = 0;
        g_level_end_ticks = g_game_over = g_death_ticks = 0;
        g_ticks_left = 1;
        g_lua = lua_open(0);
        lua_register_all();
        lua_run_mem_script("actor.lua");
        for (const char *s : {"pylon-1_2.lua", "fencefizz-1_1.lua", "beemspider_1.lua"}) {
            lua_run_mem_script(s);
        }
        ok = actortype_find("beemspider_1") && actortype_find("fencefizz-1_1") && g_fizz_rules;
        if (!ok) {
            return;
        }
        for (int k = 0; k < PYLONS; k++) {
            float a = (float)k * 6.2831853f / PYLONS;
            char name[16];
            snprintf(name, sizeof(name), "p%d", k);
            launch("pylon-1_2", name, RING * sinf(a), RING * cosf(a));
        }
        // Spiders in a band inside the ring, each 10 to 30 units from a few pylons.
        for (int i = 0; i < SPIDERS; i++) {
            float a = (float)i * 6.2831853f / SPIDERS, r = RING - 12.0f - (float)(i % 4) * 4.0f;
            spiders_[i] = launch("beemspider_1", "", r * sinf(a), r * cosf(a));
        }
        beasties_update_all();
        for (int k = 0; k < PYLONS; k++) {
            std::string a = "p" + std::to_string(k), b = "p" + std::to_string((k + 1) % PYLONS);
            fizz_add_to_room("fencefizz-1_1", a.c_str(), "top_x", b.c_str(), "top_x", 100, 0);
            if (k % 2 == 0) {
                std::string c = "p" + std::to_string((k + 2) % PYLONS);
                fizz_add_to_room("fencefizz-1_1", a.c_str(), "mid_x", c.c_str(), "mid_x", 60, 0);
            }
        }
        for (Beastie *s : spiders_) {
            if (s) {
                s->hit_clock = -1.0f;   // emerged
            }
        }
    }
    ~BeamArena()
    {
        lua_close(g_lua);
        g_lua = nullptr;
        beasties_free_all();
        fizz_free_all();
        fizz_rules_free();
        actortype_free_all();
        anim_sets_free_all();
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_styles_);
    }
    static Beastie *launch(const char *type, const char *name, float x, float z)
    {
        return BenchArena::launch_at(type, name, x, z);
    }
    // The world's last two steps of a game tick.
    static void tick()
    {
        g_level_ticks++;
        fizz_rules_tick();
        fizz_update_all();
    }
    static int beams(uint32_t flags)
    {
        int n = 0;
        for (const Fizz *f = g_fizz; f; f = f->next) {
            n += (f->flags & ~FIZZ_DYING) == flags;
        }
        return n;
    }
    bool ready(benchmark::State &state)
    {
        if (!ok) {
            state.SkipWithError("the beam types did not load");
            return false;
        }
        for (int i = 0; i < 100; i++) {   // every rule's turn, every beam at full strength
            tick();
        }
        return true;
    }

    bool ok = false;
    Beastie *spiders_[SPIDERS] = {};

private:
    char saved_styles_[FILE_DIR_SIZE];
};

void BM_FizzRulesAndBeamsTick(benchmark::State &state)
{
    BeamArena arena;
    if (!arena.ready(state)) {
        return;
    }
    size_t heap_before = bench_allocations();
    for (auto _ : state) {
        BeamArena::tick();
        benchmark::ClobberMemory();
    }
    state.counters["heap_allocs"] = (double)(bench_allocations() - heap_before);
    state.counters["fences"] = BeamArena::beams(FIZZ_ROOM_BEAM);
    state.counters["strands"] = BeamArena::beams(FIZZ_RULE_BEAM | FIZZ_BARRIER);
}
BENCHMARK(BM_FizzRulesAndBeamsTick)->Unit(benchmark::kMicrosecond);

// What the 50 spiders' moves cost against the beams in one tick (their masks name fences).
void BM_FizzCollide50Movers(benchmark::State &state)
{
    BeamArena arena;
    if (!arena.ready(state)) {
        return;
    }
    int hits = 0;
    for (auto _ : state) {
        for (Beastie *s : arena.spiders_) {
            float p[3] = {s->position[0], 0.0f, s->position[2]}, v[3] = {0.1f, 0.0f, 0.1f};
            hits += fizz_collide_sphere(s->type, p, v, s->radius, 0.15f, 0.3f, 0, cat_fence | cat_fizz) != 0;
        }
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(BM_FizzCollide50Movers)->Unit(benchmark::kMicrosecond);

}  // namespace

#endif
