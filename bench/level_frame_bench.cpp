// Real levels as a player sees them: the level started as the game starts it (its
// textures, HUD and fonts loaded by init_level) and replayed from a fixed seed, the
// ship flown under the whole-level runs' pattern of moves, fire and bombs, and every tick
// drawn as a frame of the game (world, effects, shots, HUD, swap) at 1024 x 768, for the
// level's first 30 s of game time. Reports the frames a second of the real time taken
// (the game's own gate caps it near 100), the slowest frame, and the enemies at most.

#include "bench/bench_window.h"
#include "tests/world/level_run.h"

#include "game/frame_local.h"
#include "game/lifecycle.h"

#include <benchmark/benchmark.h>

#include <chrono>

#ifdef GLIMMERFALL_ASSETS

namespace {

constexpr int LEVEL_FRAME_TICKS = 3000;   // 30 s of play
constexpr time_t LEVEL_FRAME_SEED = 1700000000;

void BM_LevelFrames(benchmark::State &state)
{
    if (!bench_window_ready()) {
        state.SkipWithError("no X display for the level frames");
        return;
    }
    // The game's asset folders, relative to the tree's run folder as init_game builds them.
    snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", "../styles/");
    snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
    snprintf(g_particles_dir, FILE_DIR_SIZE, "%s", "../styles/particles/");
    snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", "../styles/explosions/");
    using Clock = std::chrono::steady_clock;
    double frames = 0.0, seconds = 0.0, slowest = 0.0;
    int peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A new one-player game from this level, as the menu's "play" starts one.
        g_game_type = 0.0f;
        g_two_player = 0;
        g_start_level = (float)state.range(0);
        game_reset();
        powerups_reset_history();
        g_gameinfo[0].lives = 99;   // the ship survives the 30 s
        g_level_number = (int)state.range(0);
        memset(&g_player_input[0], 0, sizeof(g_player_input[0]));
        init_level();
        // Again from a fixed seed, so that every run meets the same waves.
        game_session_end();
        g_level_start_time = LEVEL_FRAME_SEED;
        game_session_start();
        state.ResumeTiming();
        Clock::time_point start = Clock::now();
        for (int t = 0; t < LEVEL_FRAME_TICKS && !g_level_end_request; t++) {
            Clock::time_point at = Clock::now();
            LevelRun::steer(t);
            g_frame_steps = 1;
            g_frame_dt = 1.0f;
            game_tick(1);
            frame_draw_game_clear();
            frame_draw_game();
            double ms = std::chrono::duration<double, std::milli>(Clock::now() - at).count();
            slowest = ms > slowest ? ms : slowest;
            frames += 1.0;
            int n = 0;
            for (const Beastie *b = g_beasties; b; b = b->next) {
                n++;
            }
            peak = n > peak ? n : peak;
        }
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        state.PauseTiming();
        state.counters["ended"] = g_level_end_request + 10 * g_game_over;
        free_level();
        g_level_end_request = 0;
        g_game_over = 0;
        state.ResumeTiming();
    }
    state.counters["end_request"] = g_level_end_request;
    state.counters["fps"] = seconds > 0.0 ? frames / seconds : 0.0;
    state.counters["slowest_ms"] = slowest;
    state.counters["enemies_max"] = peak;
    state.SetLabel(bench_window_label());
}
BENCHMARK(BM_LevelFrames)->Arg(101)->Arg(180)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

#endif
