// The frame's drawing at 1024 x 768 under X (Xvfb with Mesa's llvmpipe in test runs), in
// the frame function's order: a wave of 50, 150 or 300 animated enemies drawn as models
// (half the generated robot_green, half a generated walker of enemy size with masked and
// glowing faces), 64 beams as additive strips and the sorted faces flushed, then 500 shots
// (the generated bullet_robo) in the bullet pass, on both batch paths. Enemies and shots
// turn, walk and take hues as in a wave; one in nine flashes as hit.
//
// The heaviest wave also runs with 100 emitters of the generated effects
// (bench/particle_bench.cpp), reporting the batch's largest face and vertex counts and the
// items dropped; and the emitters alone, with no enemies. Per frame it reports where the
// time goes: the animation (simulation, not drawing),
// the world pass (our skinning, culling and lighting plus GL's vertex work inside the
// draw calls), the sorted faces, the bullet pass, glFinish (GL's rasterising) and the
// swap; BM_FrameOurs runs the same frame with GL's calls switched off (our CPU alone).
// Both report the operator new calls of our own code (news) and of the shared libraries
// (lib_news: the GL driver compiling a shader variant mid-frame) and the pool blocks
// taken during the timed frames (0 is the goal for ours), and the models found wholly out
// of view a frame (culled). BM_PlayFrame draws the heaviest wave over the room's floor and
// under the HUD. Without a display the benchmarks are skipped.

#include "alloc_count.h"
#include "bench/bench_window.h"
#include "bench/hud_scene.h"
#include "bench/particle_scene.h"

#include "assetgen/models.h"
#include "core/file.h"
#include "core/mathlib.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/frame.h"
#include "game/settings.h"
#include "platform/zwin.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/hudgfx.h"
#include "render/model.h"
#include "render/particle.h"
#include "render/tex.h"
#include "render/font.h"
#include "render/zgl.h"
#include "world/animplay.h"
#include "world/animset.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int BENCH_MAX_ENEMIES = 300;
constexpr int BENCH_BULLETS = 500;
constexpr int BENCH_BEAMS = 64;
constexpr int BENCH_BEAM_SEGMENTS = 4;
constexpr int BENCH_HIT_EVERY = 9;

// An actor as the world keeps one: playback, matrices, model instance.
struct BenchActor {
    AnimState st{};
    std::vector<float> m;
    ModelInstance inst{};
    int mode = 0;
    float pos[3] = {0, 0, 0};
    float heading = 0;
    float spin = 0;
    BenchActor(AnimSet *set, const float p[3], float h, float hue, const char *anim)
    {
        anim_bind_set(&st, set);
        m.assign((size_t)(set->bone_count + 1) * 16, 0.0f);
        anim_set_matrices(&st, m.data());
        model_instance_init(&inst, set->model);
        model_instance_set_hue(&inst, hue);
        mode = model_draw_mode(set->model);
        pos[0] = p[0];
        pos[1] = p[1];
        pos[2] = p[2];
        heading = h;
        if (anim) {
            anim_play_by_name(&st, anim, 1.0f, 1);
        }
        place();
    }
    ~BenchActor()
    {
        model_instance_free(&inst);
        anim_unbind_set(&st);
    }
    // The actor matrix as enemies and bullets have it: pitched -90, turned by the heading.
    void place()
    {
        float h = heading * DEG2RAD;
        float s = std::sin(h), c = std::cos(h);
        const float root[16] = {c, 0, -s, 0, -s, 0, -c, 0, 0, 1, 0, 0, pos[0], pos[1], pos[2], 1};
        memcpy(m.data(), root, sizeof(root));
    }
    void tick()
    {
        heading += spin;
        place();
        anim_update(&st);
        anim_build_matrices(&st);
    }
};

struct BenchScene {
    bool ready = false;
    std::string label;
    AnimSet *robot = nullptr;
    AnimSet *walker = nullptr;
    AnimSet *shot = nullptr;
    uint32_t beam_handle = 0;
    std::vector<std::unique_ptr<BenchActor>> enemies;
    std::vector<std::unique_ptr<BenchActor>> bullets;
    AnimSet *floor_set = nullptr;
    std::unique_ptr<BenchActor> floor;   // the room's floor as a level draws it
    bool with_floor = false;             // drawn in this run (BM_PlayFrame)
    bool with_hud = false;
    float beam_ends[BENCH_BEAMS][2][3];
};

BenchScene g_scene;

ImageGrey bench_no_mask(int)
{
    return ImageGrey(1, 1);
}

// A walker of enemy size (about 250 faces): a lit body on four legs, a masked crest and
// two glowing eye sprites, pacing on the spot. Its textures are bitmaps of the tree.
void bench_build_walker(ModelBuilder &b)
{
    static const Bitmap panel{"robot_panel", 0, nullptr, nullptr};
    static const Bitmap crest{"z_crosshair", 0, nullptr, bench_no_mask};
    static const Bitmap glow{"robot_flash", 0, nullptr, nullptr};
    Paint body_paint{&panel, rgb(0xb05030), Lighting::Normal};
    Paint leg_paint{&panel, rgb(0x604030), Lighting::Normal};
    Paint crest_paint{&crest, rgb(0xffe0a0), Lighting::Unlit};
    Paint eye_paint{&glow, rgb(0xffffff), Lighting::Unlit};
    eye_paint.additive = true;
    int root = b.bone("mainbone_x");
    int body = b.bone("body", root).at(0, 0, 2.4f);
    b.sphere(body, at(0, 0, 0), {2.2f, 2.8f, 1.4f}, 12, 6, body_paint);
    b.ribbon(body, {{{0, 2.0f, 1.2f}, 1.4f, rgb(0xffffff)}, {{0, 0, 1.8f}, 1.8f, rgb(0xffffff)},
                    {{0, -2.0f, 1.2f}, 1.0f, rgb(0xffffff)}},
             crest_paint);
    for (int side = -1; side <= 1; side += 2) {
        int eye = b.bone(side < 0 ? "eye_r" : "eye_l", body).at(0.7f * (float)side, -2.5f, 0.4f).faces_camera();
        b.sprite(eye, 1.2f, eye_paint);
    }
    Track &walk = b.track("walk").loop();
    Key &k0 = walk.key(0.01f);
    Key &k1 = walk.key(0.25f);
    for (int i = 0; i < 4; i++) {
        float x = (i & 1) ? 1.6f : -1.6f;
        float y = (i & 2) ? 1.8f : -1.8f;
        int leg = b.bone("leg" + std::to_string(i), body).at(x, y, -0.6f);
        b.box(leg, at(0, 0, -0.9f), {0.6f, 0.6f, 1.8f}, leg_paint, 0.7f);
        b.cylinder(leg, at(0, 0, -2.2f), 0.45f, 0.5f, 8, leg_paint);
        float swing = (i == 0 || i == 3) ? 25.0f : -25.0f;
        k0.turn(leg, swing, 0, 0);
        k1.turn(leg, -swing, 0, 0);
    }
    b.defaults({"walk"});
}

AnimSet *bench_load_walker(void)
{
    ModelBuilder b("bench", "walker");
    bench_build_walker(b);
    ModelFiles files;
    std::string error;
    if (!b.finish(files, error)) {
        fprintf(stderr, "walker: %s\n", error.c_str());
        return nullptr;
    }
    char folder[] = "/tmp/glimbenchXXXXXX";
    if (!mkdtemp(folder)) {
        return nullptr;
    }
    auto write = [&](const char *name, const Bytes &bytes) {
        std::ofstream(std::string(folder) + "/" + name, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), (std::streamsize)bytes.size());
    };
    write("anim.bin", anim_write(files.anim));
    write("model.bin", model_write(files.mesh));
    AnimSet *set = anim_set_load(folder);
    std::filesystem::remove_all(folder);
    return set;
}

uint32_t bench_texture(const char *colour, uint32_t flags)
{
    char c[FILE_DIR_SIZE + 32];
    snprintf(c, sizeof(c), "%s%s", g_bitmaps_dir, colour);
    TextureRecord *record = nullptr;
    int count = 0;
    zgl_texture_find_or_load(c, flags, &record, &count, nullptr, 0.0f, 0);
    return zgl_texture_record_handle(record);
}

float bench_random(float lo, float hi)
{
    return lo + (hi - lo) * (float)(mt_rand() & 0x7fff) / 32767.0f;
}

// The window, GL, the batch, the models and the actors, once.
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
    snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", "../styles/");
    camera_defaults();
    g_frame_dt = 1.0f;
    g_frame_steps = 1;
    camera_matrix();
    g_scene.robot = actor_load_model_data("beasties", "robot_green");
    g_scene.shot = actor_load_model_data("bullets", "bullet_robo");
    g_scene.walker = bench_load_walker();
    g_scene.floor_set = actor_load_model_data("room", "floor-1_1");
    if (g_scene.floor_set && g_scene.floor_set->model) {
        const float origin[3] = {0.0f, 0.0f, 0.0f};
        g_scene.floor.reset(new BenchActor(g_scene.floor_set, origin, 0.0f, 0.0f, nullptr));
    }
    title_load_fonts();
    hudgfx_load();
    if (!g_scene.robot || !g_scene.robot->model || !g_scene.shot || !g_scene.shot->model || !g_scene.walker ||
        !g_scene.walker->model) {
        return false;
    }
    g_hit_texture_handle = bench_texture("z_enemyhit.bmp", 0x08510000u);
    g_scene.beam_handle = bench_texture("z_footprint2.bmp", TEX_OWNED | TEX_ADDITIVE | TEX_RGBA);

    float eye[3];
    camera_position(eye);
    mt_seed(2024);
    static const char *const ROBOT_ANIMS[4] = {"walk", "walk", "scan", "fire"};
    for (int i = 0; i < BENCH_MAX_ENEMIES; i++) {
        const float p[3] = {eye[0] + bench_random(-56, 56), 0.0f, eye[2] + bench_random(-42, 42)};
        bool robot = i % 2 == 0;
        float hue = (i % 3) ? 0.0f : bench_random(-180, 180);
        g_scene.enemies.emplace_back(new BenchActor(robot ? g_scene.robot : g_scene.walker, p, bench_random(-180, 180),
                                                    hue, robot ? ROBOT_ANIMS[i % 4] : nullptr));
        g_scene.enemies.back()->spin = bench_random(-1.5f, 1.5f);
    }
    for (int i = 0; i < BENCH_BULLETS; i++) {
        const float p[3] = {eye[0] + bench_random(-60, 60), 2.5f, eye[2] + bench_random(-45, 45)};
        g_scene.bullets.emplace_back(new BenchActor(g_scene.shot, p, bench_random(-180, 180), 0.0f, "fire"));
    }
    for (auto &b : g_scene.beam_ends) {
        for (auto &end : b) {
            end[0] = eye[0] + bench_random(-50, 50);
            end[1] = 4.0f;
            end[2] = eye[2] + bench_random(-40, 40);
        }
    }
    g_scene.label = bench_window_label();
    g_scene.ready = true;
    return true;
}

// A floor-parallel square (the camera looks down): two faces at one height.
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

void bench_beams(void)
{
    for (const auto &b : g_scene.beam_ends) {
        for (int s = 0; s < BENCH_BEAM_SEGMENTS; s++) {
            float f = ((float)s + 0.5f) / BENCH_BEAM_SEGMENTS;
            const float p[3] = {b[0][0] + (b[1][0] - b[0][0]) * f, b[0][1], b[0][2] + (b[1][2] - b[0][2]) * f};
            bench_sprite(p, 1.2f, 0xa0ffd080u, g_scene.beam_handle);
        }
    }
}

// As the world's actors draw (actor_draw): out of view only the texture step, a lit
// model's light directions just before it is drawn.
void bench_draw_actor(BenchActor &a, int hit)
{
    if (!zgl_model_in_view(&a.inst, a.st.matrices)) {
        zgl_model_skip(&a.inst);
        return;
    }
    if (a.st.light_dirs) {
        anim_build_light_dirs(&a.st);
    }
    zgl_draw_model(&a.inst, a.st.matrices, a.st.light_dirs, hit, a.mode);
}

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int bench_pool_blocks(void)
{
    int n = 0;
    for (const MemKeeper &k : mem_keepers) {
        n += k.raw != nullptr;
    }
    return n;
}

struct FrameTimes {
    double anim = 0, world = 0, sorted = 0, bullets = 0, hud = 0, finish = 0, swap = 0;
};

// One frame in the frame function's order; GL calls happen only while g_gl_ready.
void bench_frame(int enemies, int emitters, int frame, FrameTimes *t)
{
    Clock::time_point at = Clock::now();
    for (int i = 0; i < enemies; i++) {
        g_scene.enemies[i]->tick();
    }
    for (auto &b : g_scene.bullets) {
        b->tick();
    }
    t->anim += ms_since(at);

    at = Clock::now();
    zbatch_reset();
    zgl_clear();
    camera_matrix();
    zgl_enable_cull_face();
    zgl_enable_depth_test();
    g_model_cull = 1;
    zgl_models_begin();
    if (g_scene.with_floor && g_scene.floor) {
        bench_draw_actor(*g_scene.floor, 0);
    }
    for (int i = 0; i < enemies; i++) {
        bench_draw_actor(*g_scene.enemies[i], (i + frame) % BENCH_HIT_EVERY == 0);
    }
    zgl_models_end();
    t->world += ms_since(at);

    at = Clock::now();
    zgl_disable_cull_face();
    zgl_enable_blend();
    zgl_depth_mask_off();
    if (emitters > 0) {
        bench_particles_frame(emitters);
    }
    bench_beams();
    zbatch_flush();
    zbatch_unlock_arrays();
    t->sorted += ms_since(at);

    at = Clock::now();
    zgl_disable_depth_test();
    zbatch_reset();
    zgl_models_begin();
    for (auto &b : g_scene.bullets) {
        bench_draw_actor(*b, 0);
    }
    zgl_models_end();
    g_model_cull = 0;
    zbatch_flush();
    zbatch_unlock_arrays();
    t->bullets += ms_since(at);
    if (g_scene.with_hud) {
        at = Clock::now();
        bench_hud_draw();
        t->hud += ms_since(at);
    }

    if (g_gl_ready) {
        at = Clock::now();
        glFinish();
        t->finish += ms_since(at);
        at = Clock::now();
        zgl_reset_draw_state();
        zwin_swap();
        t->swap += ms_since(at);
    } else {
        zgl_reset_draw_state();
    }
}

void bench_report(benchmark::State &state, const FrameTimes &t, size_t news, int blocks)
{
    double n = (double)state.iterations();
    state.counters["fps"] = benchmark::Counter(n, benchmark::Counter::kIsRate);
    state.counters["anim_ms"] = t.anim / n;
    state.counters["world_ms"] = t.world / n;
    state.counters["sorted_ms"] = t.sorted / n;
    state.counters["bullets_ms"] = t.bullets / n;
    state.counters["finish_ms"] = t.finish / n;
    state.counters["swap_ms"] = t.swap / n;
    state.counters["news"] = (double)news;
    state.counters["culled"] = (double)g_models_culled / n;
    if (g_scene.with_hud) {
        state.counters["hud_ms"] = t.hud / n;
    }
    state.counters["blocks"] = (double)blocks;
    state.counters["max_faces"] = (double)g_batch_max_faces;
    state.counters["opaque"] = (double)g_model_faces_drawn / n;
}

// Timed frames of one wave on one path; with_gl 0 switches GL's calls off.
void bench_run(benchmark::State &state, int with_gl)
{
    if (!bench_scene_ready()) {
        state.SkipWithError("no X display or generated models for the GL frame benchmark");
        return;
    }
    const int enemies = (int)state.range(0);
    const int emitters = (int)state.range(2);
    if (emitters > 0 && !bench_particles_load()) {
        state.SkipWithError("the generated effects do not load");
        return;
    }
    g_render_alternaterenderpath = (float)state.range(1);
    g_gl_ready = with_gl;
    FrameTimes t;
    int frame = 0;
    bench_frame(enemies, emitters, frame++, &t);   // whatever a first frame sets up
    t = FrameTimes{};
    g_batch_max_faces = 0;
    g_batch_max_vertices = 0;
    g_model_faces_drawn = 0;
    g_models_culled = 0;
    const int dropped = g_batch_dropped;
    size_t news = bench_allocations();
    size_t lib_news = bench_other_allocations();
    int blocks = bench_pool_blocks();
    for (auto _ : state) {
        bench_frame(enemies, emitters, frame++, &t);
    }
    bench_report(state, t, bench_allocations() - news, bench_pool_blocks() - blocks);
    state.counters["lib_news"] = (double)(bench_other_allocations() - lib_news);
    state.counters["max_vertices"] = g_batch_max_vertices;
    state.counters["dropped"] = g_batch_dropped - dropped;
    g_gl_ready = 1;
    if (!with_gl) {
        // The cache's state changed while GL did not hear of it: make the next frame set all.
        g_current_handle = TEX_ADDITIVE;
        g_bound_texture = TEX_NAME_MASK;
        zgl_reset_draw_state();
    }
    std::string label = state.range(1) ? "expanded path" : "indexed path";
    if (emitters > 0) {
        label += ", " + std::to_string(emitters) + " emitters";
    }
    state.SetLabel(with_gl ? g_scene.label + ", " + label : label + ", GL off");
}

void BM_Frame(benchmark::State &state)
{
    bench_run(state, 1);
}
BENCHMARK(BM_Frame)->ArgsProduct({{50, 150, 300}, {0, 1}, {0}})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Frame)->ArgsProduct({{300}, {0, 1}, {100}})->Unit(benchmark::kMillisecond)->UseRealTime();
// The emitters' own share: the same frame with no enemies, with and without them.
BENCHMARK(BM_Frame)->ArgsProduct({{0}, {0}, {0, 100}})->Unit(benchmark::kMillisecond)->UseRealTime();

// The heaviest wave as a player meets it: the same frame with the room's floor under it
// and the HUD over it (rings, aim marker, icons, bars and text), on the indexed path with
// the 100 emitters.
void BM_PlayFrame(benchmark::State &state)
{
    g_scene.with_floor = true;
    g_scene.with_hud = true;
    bench_run(state, 1);
    g_scene.with_floor = false;
    g_scene.with_hud = false;
}
BENCHMARK(BM_PlayFrame)->Args({300, 0, 100})->Unit(benchmark::kMillisecond)->UseRealTime();

// Our part alone: the same frame with GL's calls switched off.
void BM_FrameOurs(benchmark::State &state)
{
    bench_run(state, 0);
}
BENCHMARK(BM_FrameOurs)->ArgsProduct({{50, 150, 300}, {0, 1}, {0}})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
