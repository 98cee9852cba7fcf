// The front end's and the HUD's drawing at 1024 x 768 under X: the title scene behind the
// main menu (floor layers, layers of the name, both emblems) at both layer settings with
// 16-bit and 32-bit textures, and a HUD frame
// (two ship rings and the aim marker with its long cross on the floor, life and bomb
// icons, the multiplier bar, the difficulty box and 300 characters of text). Per frame:
// our calls with GL's submission, glFinish (GL's rasterising) and the swap. Without a
// display the benchmarks are skipped.

#include "bench/bench_window.h"
#include "bench/hud_scene.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/menu.h"
#include "game/settings.h"
#include "platform/zwin.h"
#include "render/camera.h"
#include "render/font.h"
#include "render/hudgfx.h"
#include "render/tex.h"
#include "render/title.h"
#include "render/zgl.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {

constexpr int HUD_TEXT_LINES = 10;
constexpr int HUD_TEXT_LINE_LENGTH = 30;   // 10 lines of 30: 300 characters

// The front end's and the HUD's textures uploaded with 16-bit or 32-bit formats.
void front_load(int sixteen)
{
    static int loaded = -1;
    if (loaded == sixteen) {
        return;
    }
    loaded = sixteen;
    g_render_16bittexture = (float)sixteen;
    zgl_texture_free_all();
    zgl_texture_init();
    zgl_flush_and_forget_floor();
    title_load_fonts();
    hudgfx_load();
    // The title's pictures load on its first frame: not timed.
    zgl_set_overlay_matrix();
    title_load_draw();
}

bool front_ready(void)
{
    static bool tried = false;
    static bool ready = false;
    if (tried) {
        return ready;
    }
    tried = true;
    if (!bench_window_ready()) {
        return false;
    }
    // The game's default: trilinear filtering.
    g_render_trilinear = 1.0f;
    g_render_biggcrosshair = 1.0f;
    camera_defaults();
    game_reset();
    ready = true;
    return true;
}

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Times one frame's parts into the sums: draw (ours and GL's submission), finish, swap.
template <typename Draw> void bench_frame(Draw draw, double sums[3])
{
    Clock::time_point at = Clock::now();
    draw();
    sums[0] += ms_since(at);
    at = Clock::now();
    glFinish();
    sums[1] += ms_since(at);
    at = Clock::now();
    zgl_reset_draw_state();
    zwin_swap();
    sums[2] += ms_since(at);
}

void report(benchmark::State &state, const double sums[3])
{
    double n = (double)state.iterations();
    state.counters["fps"] = benchmark::Counter(n, benchmark::Counter::kIsRate);
    state.counters["draw_ms"] = sums[0] / n;
    state.counters["finish_ms"] = sums[1] / n;
    state.counters["swap_ms"] = sums[2] / n;
    state.SetLabel(bench_window_label());
}

void BM_TitleScene(benchmark::State &state)
{
    if (!front_ready()) {
        state.SkipWithError("no X display for the GL benchmarks");
        return;
    }
    front_load((int)state.range(1));
    double sums[3] = {0, 0, 0};
    g_render_backgroundgfx = (float)state.range(0);
    g_fade = 1.0f;
    g_last_page = 0;
    auto draw = [] {
        zgl_fade_clear_to_a();
        zgl_clear();
        zgl_enable_blend();
        zgl_blend_normal();
        zgl_set_overlay_matrix();
        title_load_draw();
    };
    // Whatever a first frame sets up (the driver compiles its shader variants) is not
    // timed, as in the frame benchmark.
    bench_frame(draw, sums);
    sums[0] = sums[1] = sums[2] = 0.0;
    for (auto _ : state) {
        bench_frame(draw, sums);
    }
    report(state, sums);
}
// render_backgroundgfx 1: three floor layers and one of the name; 2: six and four. Then
// render_16bittexture 1 (the game's default) or 0.
BENCHMARK(BM_TitleScene)->Args({1, 1})->Args({2, 1})->Args({1, 0})->Args({2, 0})->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HudFrame(benchmark::State &state)
{
    if (!front_ready()) {
        state.SkipWithError("no X display for the GL benchmarks");
        return;
    }
    front_load(1);
    double sums[3] = {0, 0, 0};
    g_frame_dt = 1.0f;
    auto draw = [] {
        zgl_clear();
        camera_matrix();
        bench_hud_draw();
    };
    // Warmed up first: the first frame's set-up is not timed.
    bench_frame(draw, sums);
    sums[0] = sums[1] = sums[2] = 0.0;
    for (auto _ : state) {
        bench_frame(draw, sums);
    }
    report(state, sums);
}
BENCHMARK(BM_HudFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

void bench_hud_draw(void)
{
    static char lines[HUD_TEXT_LINES][HUD_TEXT_LINE_LENGTH + 1];
    static float phase = 0.0f;
    if (!lines[0][0]) {
        for (int i = 0; i < HUD_TEXT_LINES; i++) {
            snprintf(lines[i], sizeof(lines[i]), "%07d LEVEL %03d \xc9T\xc9 BONUS %02d", 1000 * i, 100 + i, 7 * i);
        }
    }
    zgl_disable_depth_test();
    zgl_enable_blend();
    zgl_depth_mask_off();
    zgl_blend_additive();
    const float ring_a[3] = {-25.0f, 0.0f, 10.0f};
    const float ring_b[3] = {22.0f, 0.0f, -12.0f};
    hudgfx_draw_ring(ring_a, 18.0f);
    hudgfx_draw_ring(ring_b, 18.0f);
    const float aim[3] = {18.0f, 14.0f, 0.4f};
    hudgfx_draw_crosshair(aim);
    zgl_blend_normal();
    zgl_set_overlay_matrix();
    zgl_color4f(0.45f, 1.0f, 0.35f, 1.0f);
    hud_bind_texture();
    hud_draw_meter(0.0f, 3, 0.0f, 0.0f);
    hud_draw_meter(-1.0f, 2, 0.0f, 0.0f);
    hud_draw_ping_pulse(g_score_thresholds[0] / 2, 0, 0.0f, 0.0f, &phase);
    hud_draw_box(0.0f, 0.0f);
    font_bind();
    for (int i = 0; i < HUD_TEXT_LINES; i++) {
        glyph_draw_text(-15.0f, 12.0f - 2.5f * (float)i, 0.0f, lines[i]);
    }
}
