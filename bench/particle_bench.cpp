// The particle step alone: 100 emitters of the generated effects at steady state,
// stepped and drawn into the face batch with GL's calls off. Reports the time per
// particle and per frame, and the faces a frame adds.

#include "bench/particle_scene.h"

#include "assetgen/particles.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/frame.h"
#include "game/settings.h"
#include "render/batch.h"
#include "render/particle.h"
#include "render/tex.h"
#include "render/zgl.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int SCENE_MATRICES = 128;

struct ParticleScene {
    bool loaded = false;
    std::vector<int> templates;
    float matrices[SCENE_MATRICES][16];
    float phase = 0.0f;
    int next = 0;
};

ParticleScene g_fx;

// An enemy's matrix at a heading, somewhere in the play view.
void scene_matrix(float m[16], int k, float t)
{
    float h = 0.37f * (float)k + 0.01f * t;
    float c = cosf(h), s = sinf(h);
    const float cols[16] = {c, 0, -s, 0, -s, 0, -c, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; i++) {
        m[i] = cols[i];
    }
    // Drifting round rings of the arena's middle.
    float r = 8.0f + 3.7f * (float)(k % 11);
    float a = 0.61f * (float)k + 0.004f * t * (float)(1 + k % 3);
    m[12] = r * cosf(a);
    m[13] = 2.0f + (float)(k % 5);
    m[14] = 0.75f * r * sinf(a);
}

}  // namespace

bool bench_particles_load(void)
{
    if (g_fx.loaded) {
        return true;
    }
    snprintf(g_particles_dir, FILE_DIR_SIZE, "%s", "../styles/particles/");
    g_render_particles = 1.0f;
    g_particle_scale = 1.0f;
    particle_init_holders();
    for (const ParticleEffect &e : particle_effects()) {
        // The smart bomb is an event of its own, not part of a steady crowd.
        if (e.name == "smartbomb_wave") {
            continue;
        }
        int t = particle_find_or_load(e.name.c_str());
        if (t < 0) {
            return false;
        }
        g_fx.templates.push_back(t);
    }
    for (int k = 0; k < SCENE_MATRICES; k++) {
        scene_matrix(g_fx.matrices[k], k, 0.0f);
    }
    mt_draw_seed(31);
    g_fx.loaded = true;
    return true;
}

void bench_particles_forget(void)
{
    if (g_fx.loaded) {
        particle_info();
        g_fx.templates.clear();
        g_fx.loaded = false;
    }
}

void bench_particles_frame(int emitters)
{
    g_fx.phase += 1.0f;
    for (int k = 0; k < SCENE_MATRICES; k++) {
        scene_matrix(g_fx.matrices[k], k, g_fx.phase);
    }
    while (g_particle_live_count < emitters) {
        int k = g_fx.next++;
        const float *m = g_fx.matrices[k % SCENE_MATRICES];
        if (!particle_start_at_bone(g_fx.templates[(size_t)k % g_fx.templates.size()], m, &g_fx)) {
            break;
        }
    }
    particle_update_draw();
}

int bench_particles_live(void)
{
    int n = 0;
    for (int i = 0; i < g_particle_live_count; i++) {
        n += g_particle_live[i]->count;
    }
    return n;
}

namespace {

bool step_scene_ready(void)
{
    static int ready = -1;
    if (ready >= 0) {
        return ready == 1;
    }
    ready = 0;
    if (chdir(GLIMMERFALL_ASSETS "/run") != 0) {
        return false;
    }
    if (!g_batch_vertices) {
        mem_init();
        snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
        zgl_texture_init();
        zbatch_alloc();
    }
    g_frame_dt = 1.0f;
    ready = bench_particles_load() ? 1 : 0;
    return ready == 1;
}

void BM_ParticleStep(benchmark::State &state)
{
    if (!step_scene_ready()) {
        state.SkipWithError("the generated effects do not load");
        return;
    }
    const int emitters = (int)state.range(0);
    const int saved_gl = g_gl_ready;
    g_gl_ready = 0;
    for (int f = 0; f < 300; f++) {   // to steady state
        zbatch_reset();
        bench_particles_frame(emitters);
    }
    double particles = 0.0, faces = 0.0;
    for (auto _ : state) {
        zbatch_reset();
        particles += bench_particles_live();
        bench_particles_frame(emitters);
        faces += g_batch_face_count;
    }
    g_gl_ready = saved_gl;
    double n = (double)state.iterations();
    state.counters["particles"] = particles / n;
    state.counters["faces"] = faces / n;
    state.counters["ns_per_particle"] =
        benchmark::Counter(particles, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetLabel(std::to_string(g_fx.templates.size()) + " effects, GL calls off");
    zbatch_reset();
}
BENCHMARK(BM_ParticleStep)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
