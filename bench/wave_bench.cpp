// The heaviest wave as one logic tick: 300 enemies (24 pylons strung with fences, 50
// beemspiders whose rules string beams to them, 110 turrets firing at a ship in the middle
// and 116 movers of six families wandering and bouncing), some 500 shots in the air, the
// beams (48 fence strands and the spiders' own) and 100 emitters of the generated
// effects. One tick is the level's world pass: enemies, shots, the explosions' debris,
// beam rules and beams; the emitters' step (which the frame runs once per drawn frame) is
// timed beside it. Reports the time of both, the counts, and the heap
// allocations of the timed ticks (0 is the goal).

#include "alloc_count.h"
#include "bench_arena.h"
#include "bench/particle_scene.h"
#include "tests/world/gunner_types.h"

#include "game/frame.h"
#include "render/batch.h"
#include "render/particle.h"
#include "render/tex.h"
#include "world/explosion.h"
#include "world/fizz.h"
#include "world/fizzrule.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <string>
#include <unistd.h>

#ifdef GLIMMERFALL_ASSETS

namespace {

constexpr int WAVE_PYLONS = 24;
constexpr int WAVE_SPIDERS = 50;
constexpr int WAVE_GUNNERS = 110;
constexpr int WAVE_ENEMIES = 300;
constexpr int WAVE_EMITTERS = 100;
constexpr float WAVE_RING = 75.0f;

void BM_HeaviestWaveTick(benchmark::State &state)
{
    BenchArena arena(GUNNER_TYPES);
    for (const char *s : {"pylon-1_2.lua", "fencefizz-1_1.lua", "beemspider_1.lua"}) {
        lua_run_mem_script(s);
    }
    if (!arena.ok || !actortype_find("gunner") || !actortype_find("beemspider_1") || !g_fizz_rules) {
        state.SkipWithError("the wave's types did not load");
        return;
    }
    fizz_reset();
    Gamer *ship = BenchArena::ship("gunner_ship");
    if (!ship) {
        state.SkipWithError("no ship");
        return;
    }
    for (int k = 0; k < WAVE_PYLONS; k++) {
        float a = (float)k * 6.2831853f / WAVE_PYLONS;
        std::string name = "p" + std::to_string(k);
        BenchArena::launch_at("pylon-1_2", name.c_str(), WAVE_RING * sinf(a), WAVE_RING * cosf(a));
    }
    for (int i = 0; i < WAVE_SPIDERS; i++) {
        float a = (float)i * 6.2831853f / WAVE_SPIDERS, r = WAVE_RING - 12.0f - (float)(i % 4) * 4.0f;
        if (Beastie *s = BenchArena::launch_at("beemspider_1", "", r * sinf(a), r * cosf(a))) {
            s->hit_clock = -1.0f;
        }
    }
    uint32_t seed = 7u;
    for (int i = 0; i < WAVE_GUNNERS; i++) {
        arena.launch("gunner", seed);
    }
    arena.fill(WAVE_ENEMIES - WAVE_PYLONS - WAVE_SPIDERS - WAVE_GUNNERS);
    beasties_update_all();
    for (int k = 0; k < WAVE_PYLONS; k++) {
        std::string a = "p" + std::to_string(k), b = "p" + std::to_string((k + 1) % WAVE_PYLONS);
        fizz_add_to_room("fencefizz-1_1", a.c_str(), "top_x", b.c_str(), "top_x", 100, 0);
        std::string c = "p" + std::to_string((k + 2) % WAVE_PYLONS);
        fizz_add_to_room("fencefizz-1_1", a.c_str(), "mid_x", c.c_str(), "mid_x", 60, 0);
    }
    // The emitters, as the particle benchmark runs them (the tree's run folder, the
    // texture cache and the face batch without GL).
    int emitters = 0;
    char cwd[4096];
    bool moved = getcwd(cwd, sizeof(cwd)) && chdir(GLIMMERFALL_ASSETS "/run") == 0;
    if (moved) {
        if (!g_batch_vertices) {
            snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
            zgl_texture_init();
            zbatch_alloc();
        }
        emitters = bench_particles_load() ? WAVE_EMITTERS : 0;
    }
    g_frame_dt = 1.0f;
    g_level_playing = 1;
    g_ticks_left = 1;
    auto tick = [ship] {
        g_level_ticks++;
        beasties_update_all();
        bullet_update_all();
        debris_update_all();
        fizz_rules_tick();
        fizz_update_all();
        ship->energy = 1.0f;
    };
    auto step = [emitters] {
        if (emitters) {
            zbatch_reset();
            bench_particles_frame(emitters);
        }
    };
    // Emerged, the shots in the air as many as they will be, every beam strung.
    for (int i = 0; i < 400; i++) {
        tick();
        step();
    }
    using Clock = std::chrono::steady_clock;
    double particles_ms = 0.0;
    long bullets = 0, beams = 0, debris = 0, ticks = 0;
    size_t heap_before = bench_allocations();
    for (auto _ : state) {
        tick();
        state.PauseTiming();
        Clock::time_point at = Clock::now();
        step();
        particles_ms += std::chrono::duration<double, std::milli>(Clock::now() - at).count();
        state.ResumeTiming();
        bullets += g_bullet_count;
        debris += g_debris_count;
        for (const Fizz *f = g_fizz; f; f = f->next) {
            beams++;
        }
        ticks++;
        benchmark::ClobberMemory();
    }
    state.counters["heap_allocs_per_tick"] = (double)(bench_allocations() - heap_before) / (double)ticks;
    state.counters["enemies"] = BenchArena::count();
    state.counters["bullets"] = (double)bullets / (double)ticks;
    state.counters["beams"] = (double)beams / (double)ticks;
    state.counters["debris"] = (double)debris / (double)ticks;
    state.counters["emitters"] = emitters;
    state.counters["particles_ms"] = particles_ms / (double)ticks;
    g_level_playing = 0;
    fizz_free_all();
    fizz_rules_free();
    bench_particles_forget();
    if (moved) {
        (void)chdir(cwd);
    }
}
BENCHMARK(BM_HeaviestWaveTick)->Unit(benchmark::kMillisecond);

}  // namespace

#endif
