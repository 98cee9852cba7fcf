// The frame's drawing at 1024 x 768 under X (Xvfb with Mesa's llvmpipe in test runs):
// 50, 150 and 300 animated enemies plus 500 bullets and 64 beams, all as batched textured
// faces, on both draw paths. Enemies are generated meshes of a small enemy's size (48
// faces, a masked texture), wobbling and drifting every frame; bullets are additive
// sprites and beams additive strips. Per frame it reports where the time goes:
// producing the faces (our CPU), the flush (our walk plus GL's submission), glFinish
// (GL's rasterising) and the swap; BM_BatchWalk times our part alone, with GL's calls
// switched off. The heaviest wave also runs with 100 emitters of the generated effects
// (bench/particle_bench.cpp), reporting the batch's largest face and vertex counts and
// the items dropped. Without a display the benchmarks are skipped.

#include "bench/bench_window.h"
#include "bench/particle_scene.h"
#include "core/file.h"
#include "core/mt.h"
#include "game/frame.h"
#include "game/settings.h"
#include "platform/zwin.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/particle.h"
#include "render/tex.h"
#include "render/zgl.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <string>

namespace {

constexpr int BENCH_BULLETS = 500;
constexpr int BENCH_BEAMS = 64;
constexpr int BENCH_BEAM_SEGMENTS = 4;
constexpr int ENEMY_SEGMENTS = 8;      // a sphere of 8 segments and 4 bands: 48 faces
constexpr int ENEMY_BANDS = 4;
constexpr int ENEMY_FACES = 2 * ENEMY_SEGMENTS * (ENEMY_BANDS - 1);

struct BenchScene {
    bool ready = false;
    std::string label;
    uint32_t enemy_handle = 0;
    uint32_t bullet_handle = 0;
    uint32_t beam_handle = 0;
    float sphere[ENEMY_FACES * 3][3];   // unit-sphere corners of each face
    float enemy_pos[300][3];
    float bullet_pos[BENCH_BULLETS][3];
    float beam_ends[BENCH_BEAMS][2][3];
};

BenchScene g_scene;

void bench_sphere_point(int band, int segment, float out[3])
{
    float lat = 3.14159265f * (float)band / ENEMY_BANDS - 1.5707963f;
    float lon = 6.2831853f * (float)segment / ENEMY_SEGMENTS;
    out[0] = std::cos(lat) * std::cos(lon);
    out[1] = std::sin(lat);
    out[2] = std::cos(lat) * std::sin(lon);
}

void bench_build_sphere(void)
{
    int f = 0;
    for (int b = 0; b < ENEMY_BANDS; b++) {
        for (int s = 0; s < ENEMY_SEGMENTS; s++) {
            float p00[3], p01[3], p10[3], p11[3];
            bench_sphere_point(b, s, p00);
            bench_sphere_point(b, s + 1, p01);
            bench_sphere_point(b + 1, s, p10);
            bench_sphere_point(b + 1, s + 1, p11);
            const float *tris[2][3] = {{p00, p10, p11}, {p00, p11, p01}};
            for (int t = 0; t < 2; t++) {
                // The poles' degenerate halves are left out.
                if ((b == 0 && t == 1) || (b == ENEMY_BANDS - 1 && t == 0)) {
                    continue;
                }
                for (int k = 0; k < 3; k++) {
                    for (int c = 0; c < 3; c++) {
                        g_scene.sphere[f * 3 + k][c] = tris[t][k][c];
                    }
                }
                f++;
            }
        }
    }
}

uint32_t bench_texture(const char *colour, uint32_t flags, const char *mask)
{
    char c[FILE_DIR_SIZE + 32];
    char m[FILE_DIR_SIZE + 32];
    snprintf(c, sizeof(c), "%s%s", g_bitmaps_dir, colour);
    if (mask) {
        snprintf(m, sizeof(m), "%s%s", g_bitmaps_dir, mask);
    }
    TextureRecord *record = nullptr;
    int count = 0;
    zgl_texture_find_or_load(c, flags, &record, &count, mask ? m : nullptr, 0.0f, 0);
    return zgl_texture_record_handle(record);
}

// The window, GL, the batch and the textures, once.
bool bench_scene_ready(void)
{
    static bool tried = false;
    if (tried) {
        return g_scene.ready;
    }
    tried = true;
    if (!bench_window_ready()) {
        return false;
    }
    bench_particles_forget();
    // Masked faces for the enemies, additive sprites for the shots and beams.
    g_scene.enemy_handle = bench_texture("z_light.bmp", TEX_OWNED | TEX_MASK | TEX_MIPMAP, "z_footprint2.bmp");
    g_scene.bullet_handle = bench_texture("z_light.bmp", TEX_OWNED | TEX_ADDITIVE, nullptr);
    g_scene.beam_handle = bench_texture("z_footprint2.bmp", TEX_OWNED | TEX_ADDITIVE | TEX_RGBA, nullptr);
    bench_build_sphere();
    mt_seed(2024);
    auto random_floor = [](float out[3], float y) {
        out[0] = (float)(mt_rand() % 90) - 45.0f;
        out[1] = y;
        out[2] = (float)(mt_rand() % 120) - 60.0f;
    };
    for (auto &p : g_scene.enemy_pos) {
        random_floor(p, 2.0f + (float)(mt_rand() % 8));
    }
    for (auto &p : g_scene.bullet_pos) {
        random_floor(p, 3.0f);
    }
    for (auto &b : g_scene.beam_ends) {
        random_floor(b[0], 4.0f);
        random_floor(b[1], 4.0f);
    }
    camera_defaults();
    g_frame_dt = 1.0f;
    g_scene.label = bench_window_label();
    g_scene.ready = true;
    return true;
}

// One wobbling enemy: 48 faces of its own vertices.
void bench_enemy(int i, float t)
{
    int first = 0;
    BatchVertex *v = zbatch_reserve(ENEMY_FACES * 3, ENEMY_FACES, &first);
    if (!v) {
        return;
    }
    const float *c = g_scene.enemy_pos[i];
    float drift = std::sin(t * 0.05f + (float)i) * 3.0f;
    float radius = 1.5f + (float)(i % 3);
    for (int k = 0; k < ENEMY_FACES * 3; k++) {
        const float *s = g_scene.sphere[k];
        float r = radius * (1.0f + 0.12f * std::sin(t * 0.2f + (float)k * 0.7f));
        uint8_t shade = (uint8_t)(140 + 100 * (s[1] * 0.5f + 0.5f));
        v[k] = {c[0] + drift + s[0] * r, c[1] + s[1] * r, c[2] + s[2] * r, s[0] * 0.5f + 0.5f, s[2] * 0.5f + 0.5f,
                0xd0000000u | (uint32_t)shade << 8 | (uint32_t)(60 + i % 190)};
    }
    for (int f = 0; f < ENEMY_FACES; f++) {
        const BatchVertex *a = &v[f * 3];
        uint32_t n = (uint32_t)(first + f * 3);
        zbatch_add_face(n, n + 1, n + 2, g_scene.enemy_handle, zbatch_bucket_of_heights(a[0].y, a[1].y, a[2].y));
    }
}

// A camera-facing square (the camera looks down): two faces at one height.
void bench_sprite(const float p[3], float half, uint32_t rgba, uint32_t handle)
{
    int first = 0;
    BatchVertex *v = zbatch_reserve(4, 2, &first);
    if (!v) {
        return;
    }
    v[0] = {p[0] - half, p[1], p[2] - half, 0, 0, rgba};
    v[1] = {p[0] + half, p[1], p[2] - half, 1, 0, rgba};
    v[2] = {p[0] + half, p[1], p[2] + half, 1, 1, rgba};
    v[3] = {p[0] - half, p[1], p[2] + half, 0, 1, rgba};
    uint32_t n = (uint32_t)first;
    int bucket = zbatch_bucket_of_height(p[1]);
    zbatch_add_face(n, n + 1, n + 2, handle, bucket);
    zbatch_add_face(n, n + 2, n + 3, handle, bucket);
}

void bench_beam(int i)
{
    const float *a = g_scene.beam_ends[i][0];
    const float *b = g_scene.beam_ends[i][1];
    for (int s = 0; s < BENCH_BEAM_SEGMENTS; s++) {
        float f = ((float)s + 0.5f) / BENCH_BEAM_SEGMENTS;
        const float p[3] = {a[0] + (b[0] - a[0]) * f, a[1], a[2] + (b[2] - a[2]) * f};
        bench_sprite(p, 1.2f, 0xa0ffd080u, g_scene.beam_handle);
    }
}

void bench_produce(int enemies, float t, int emitters)
{
    zbatch_reset();
    if (emitters > 0) {
        bench_particles_frame(emitters);
    }
    for (int i = 0; i < enemies; i++) {
        bench_enemy(i, t);
    }
    for (const auto &p : g_scene.bullet_pos) {
        bench_sprite(p, 0.6f, 0xffffffffu, g_scene.bullet_handle);
    }
    for (int i = 0; i < BENCH_BEAMS; i++) {
        bench_beam(i);
    }
}

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void BM_Frame(benchmark::State &state)
{
    if (!bench_scene_ready()) {
        state.SkipWithError("no X display for the GL frame benchmark");
        return;
    }
    const int enemies = (int)state.range(0);
    g_render_alternaterenderpath = (float)state.range(1);
    const int emitters = (int)state.range(2);
    if (emitters > 0 && !bench_particles_load()) {
        state.SkipWithError("the generated effects do not load");
        return;
    }
    g_batch_max_faces = 0;
    g_batch_max_vertices = 0;
    const int dropped = g_batch_dropped;
    double produce = 0, flush = 0, finish = 0, swap = 0;
    float t = 0.0f;
    for (auto _ : state) {
        zgl_clear();
        camera_matrix();
        zgl_disable_depth_test();
        zgl_enable_blend();
        zgl_depth_mask_off();
        Clock::time_point at = Clock::now();
        bench_produce(enemies, t, emitters);
        produce += ms_since(at);
        at = Clock::now();
        zbatch_flush();
        zbatch_unlock_arrays();
        flush += ms_since(at);
        at = Clock::now();
        glFinish();
        finish += ms_since(at);
        at = Clock::now();
        zgl_reset_draw_state();
        zwin_swap();
        swap += ms_since(at);
        t += 1.0f;
    }
    double n = (double)state.iterations();
    state.counters["fps"] = benchmark::Counter(n, benchmark::Counter::kIsRate);
    state.counters["produce_ms"] = produce / n;
    state.counters["flush_ms"] = flush / n;
    state.counters["finish_ms"] = finish / n;
    state.counters["swap_ms"] = swap / n;
    state.counters["faces"] = (double)(enemies * ENEMY_FACES + 2 * BENCH_BULLETS + 2 * BENCH_BEAMS * BENCH_BEAM_SEGMENTS);
    state.counters["max_faces"] = g_batch_max_faces;
    state.counters["max_vertices"] = g_batch_max_vertices;
    state.counters["dropped"] = g_batch_dropped - dropped;
    state.SetLabel(g_scene.label + (state.range(1) ? ", expanded path" : ", indexed path") +
                   (emitters ? ", " + std::to_string(emitters) + " emitters" : ""));
}
BENCHMARK(BM_Frame)->ArgsProduct({{50, 150, 300}, {0, 1}, {0}})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Frame)->ArgsProduct({{300}, {0, 1}, {100}})->Unit(benchmark::kMillisecond)->UseRealTime();
// The emitters' own share: the same frame with no enemies, with and without them.
BENCHMARK(BM_Frame)->ArgsProduct({{0}, {0}, {0, 100}})->Unit(benchmark::kMillisecond)->UseRealTime();

// Our part alone: the same frame produced and walked with GL's calls switched off.
void BM_BatchWalk(benchmark::State &state)
{
    if (!bench_scene_ready()) {
        state.SkipWithError("no X display for the GL frame benchmark");
        return;
    }
    const int enemies = (int)state.range(0);
    g_render_alternaterenderpath = (float)state.range(1);
    float t = 0.0f;
    g_gl_ready = 0;
    for (auto _ : state) {
        bench_produce(enemies, t, 0);
        zbatch_flush();
        t += 1.0f;
    }
    g_gl_ready = 1;
    // The cache's state changed while GL did not hear of it: make the next frame set all.
    g_current_handle = TEX_ADDITIVE;
    g_bound_texture = TEX_NAME_MASK;
    zgl_reset_draw_state();
    state.SetLabel(state.range(1) ? "expanded path" : "indexed path");
}
BENCHMARK(BM_BatchWalk)->ArgsProduct({{50, 150, 300}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
