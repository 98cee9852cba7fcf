// The frame's drawing at 1024 x 768 under X (Xvfb with Mesa's llvmpipe in test runs), in
// the frame function's order, with the families of the heaviest real waves: what the
// levels' scripts launch at their busiest moments (the heaviest frames of levels 168 to
// 189 under the whole-level runs' pattern, just after a smart bomb): a wave of 50, 150 or
// 300 enemies of those families in their proportions (crystals and the blockers' chunks
// first, then trackflies, mergeblobs, weelees, turrets, trailers, robots ...), each at
// the scale it has there and playing its moving animation, the explosions' debris of
// those moments (1.44 pieces an enemy: rings, bursts and smoke, and one bomb wave),
// 64 beams as additive strips and the sorted faces flushed, then 500 shots (half the
// player's, half the enemies' of those levels) in the bullet pass, on both batch paths.
// Enemies and shots turn and take hues as in a wave; one enemy in nine flashes as hit.
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
// of view a frame (culled). BM_PlayFrame draws the heaviest wave in the room as a level
// stands it (the room's sockets and 24 pylons on its circle, over the floor) and under the
// HUD. Without a display the benchmarks are skipped. GLIMMERFALL_BENCH_TREE names another
// generated tree to draw (another build's models, the same engine).

#include "alloc_count.h"
#include "bench/bench_window.h"
#include "bench/hud_scene.h"
#include "bench/particle_scene.h"

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
#include <cstring>
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
constexpr float BENCH_DEBRIS_PER_ENEMY = 1.44f;   // pieces an enemy at those moments
constexpr int BENCH_PYLONS = 24;
constexpr float BENCH_PYLON_RING = 60.0f;        // the room's circle layout

// An actor as the world keeps one: playback, matrices, model instance.
struct BenchActor {
    AnimState st{};
    std::vector<float> m;
    ModelInstance inst{};
    int mode = 0;
    float pos[3] = {0, 0, 0};
    float heading = 0;
    float spin = 0;
    float scale = 1;
    int again = -1;   // a one-shot animation started again when it ends (debris' "explode")
    BenchActor(AnimSet *set, const float p[3], float h, float hue, const char *anim, float s = 1.0f)
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
        scale = s;
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
    // The actor matrix as enemies, bullets and debris have it: pitched -90, turned by the
    // heading, at its scale.
    void place()
    {
        float h = heading * DEG2RAD;
        float sn = std::sin(h) * scale, c = std::cos(h) * scale;
        const float root[16] = {c, 0, -sn, 0, -sn, 0, -c, 0, 0, scale, 0, 0, pos[0], pos[1], pos[2], 1};
        memcpy(m.data(), root, sizeof(root));
    }
    void tick()
    {
        heading += spin;
        place();
        if (again >= 0 && !anim_is_playing(&st, again)) {
            anim_play(&st, again, 1.0f, 1);
        }
        anim_update(&st);
        anim_build_matrices(&st);
    }
};

// A family of the heaviest real waves: its model, its share (per mille), the scale it has
// there and the animation it plays (null: its defaults only).
struct BenchFamily {
    const char *folder;
    const char *name;
    int share;
    float scale;
    const char *anim;
};

// The enemies at the heaviest moments of levels 168-189 (1,486 of them over twelve levels).
const BenchFamily BENCH_ENEMIES[] = {
    {"beasties", "crystal", 292, 1.0f, "spin1_x"},      {"beasties", "chunk_3", 203, 1.0f, "spin1_x"},
    {"beasties", "chunk_2", 170, 1.0f, "spin1_x"},      {"beasties", "trackfly_1", 65, 0.72f, "flap"},
    {"beasties", "chunk_1", 61, 0.96f, "spin1_x"},      {"beasties", "mergeblob_1", 35, 0.61f, "wobble"},
    {"beasties", "weelee_small", 33, 0.84f, "roll"},    {"beasties", "turret_1_sma", 32, 1.0f, nullptr},
    {"beasties", "trailer_1", 21, 1.0f, "trail"},       {"beasties", "robot_yellow", 18, 1.0f, "walk"},
    {"beasties", "robot_green", 16, 0.79f, "walk"},     {"beasties", "weelee_big", 9, 1.0f, "roll"},
    {"beasties", "pathfly_tiny", 8, 0.55f, "flap"},     {"beasties", "weblob_tiny2", 8, 0.69f, "quiver"},
    {"beasties", "ninjoo_1", 6, 1.0f, "guard"},         {"beasties", "blocker_red", 5, 1.0f, nullptr},
    {"bullets", "missile_weelee", 5, 1.0f, nullptr},    {"beasties", "spinner_1", 4, 1.0f, "spin1_x"},
    {"beasties", "worm_chain_split", 4, 1.0f, "slither"}, {"beasties", "beemspider_1", 3, 1.0f, "walk"},
    {"beasties", "turret_1_big", 3, 1.0f, nullptr},     {"beasties", "wall_1_flat", 3, 1.0f, nullptr},
};
// Their debris (2,135 pieces), playing "explode" over and over; one bomb wave besides.
const BenchFamily BENCH_DEBRIS[] = {
    {"explosions", "ring_mutate", 402, 0.57f, nullptr}, {"explosions", "burst_small", 305, 0.95f, nullptr},
    {"explosions", "burst_medium", 166, 0.81f, nullptr}, {"explosions", "smoke_puff", 104, 1.0f, nullptr},
    {"explosions", "ring_emerge", 11, 0.9f, nullptr},   {"explosions", "burst_missile", 3, 0.87f, nullptr},
};
// 500 shots: half the player's, half the enemy shots of those levels.
const BenchFamily BENCH_SHOTS[] = {
    {"bullets", "bullet_1", 500, 1.0f, nullptr},         {"bullets", "bullet_robo", 160, 1.0f, nullptr},
    {"bullets", "bullet_weelee", 100, 1.0f, nullptr},    {"bullets", "bullet_turret1", 80, 1.0f, nullptr},
    {"bullets", "bullet_splitworm", 60, 1.0f, nullptr},  {"bullets", "bullet_ninjoo", 50, 1.0f, nullptr},
    {"bullets", "beemspider_bullet", 30, 1.0f, nullptr}, {"bullets", "bullet_trackfly", 10, 1.0f, nullptr},
    {"bullets", "bullet_pathfly", 10, 1.0f, nullptr},
};

struct BenchScene {
    bool ready = false;
    std::string label;
    uint32_t beam_handle = 0;
    std::vector<std::unique_ptr<BenchActor>> enemies;   // in an order that keeps the shares at any count
    std::vector<std::unique_ptr<BenchActor>> debris;
    std::vector<std::unique_ptr<BenchActor>> bullets;
    std::unique_ptr<BenchActor> bomb_wave;
    std::unique_ptr<BenchActor> floor;   // the room's floor as a level draws it
    std::vector<std::unique_ptr<BenchActor>> room;   // the room and its pylons
    bool with_floor = false;             // the room and the floor drawn in this run (BM_PlayFrame)
    bool with_hud = false;
    float beam_ends[BENCH_BEAMS][2][3];
};

BenchScene g_scene;

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

// The families' sets in the order of their shares: entry k is the family whose running
// share falls furthest behind after k entries, so the first n entries keep the shares for
// any n. Null when a set does not load.
template <size_t N>
std::vector<const BenchFamily *> bench_mix(const BenchFamily (&families)[N], int count)
{
    int total = 0;
    for (const BenchFamily &f : families) {
        total += f.share;
        if (!actor_load_model_data(f.folder, f.name)) {
            return {};
        }
    }
    std::vector<int> taken(N, 0);
    std::vector<const BenchFamily *> order;
    for (int k = 0; k < count; k++) {
        size_t best = 0;
        double behind = -1e9;
        for (size_t i = 0; i < N; i++) {
            double d = (double)(k + 1) * families[i].share / total - taken[i];
            if (d > behind) {
                behind = d;
                best = i;
            }
        }
        taken[best]++;
        order.push_back(&families[best]);
    }
    return order;
}

AnimSet *bench_set(const BenchFamily *f)
{
    return actor_load_model_data(f->folder, f->name);
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
    const int debris_count = (int)(BENCH_DEBRIS_PER_ENEMY * BENCH_MAX_ENEMIES + 0.5f);
    std::vector<const BenchFamily *> enemies = bench_mix(BENCH_ENEMIES, BENCH_MAX_ENEMIES);
    std::vector<const BenchFamily *> debris = bench_mix(BENCH_DEBRIS, debris_count);
    std::vector<const BenchFamily *> shots = bench_mix(BENCH_SHOTS, BENCH_BULLETS);
    AnimSet *floor_set = actor_load_model_data("room", "floor-1_1");
    AnimSet *room_set = actor_load_model_data("room", "roomer");
    AnimSet *pylon_set = actor_load_model_data("pylons", "pylon-1_2");
    AnimSet *bomb_set = actor_load_model_data("explosions", "bomb_wave");
    if (enemies.empty() || debris.empty() || shots.empty() || !floor_set || !room_set || !pylon_set || !bomb_set) {
        return false;
    }
    title_load_fonts();
    hudgfx_load();
    g_hit_texture_handle = bench_texture("z_enemyhit.bmp", 0x08510000u);
    g_scene.beam_handle = bench_texture("z_footprint2.bmp", TEX_OWNED | TEX_ADDITIVE | TEX_RGBA);

    float eye[3];
    camera_position(eye);
    const float origin[3] = {0.0f, 0.0f, 0.0f};
    g_scene.floor.reset(new BenchActor(floor_set, origin, 0.0f, 0.0f, nullptr));
    // The room as a level stands it: the circle layout, a pylon on each of its bones.
    g_scene.room.emplace_back(new BenchActor(room_set, origin, 0.0f, 0.0f, "circle"));
    for (int k = 0; k < BENCH_PYLONS; k++) {
        float a = (float)k * 360.0f / BENCH_PYLONS;
        const float p[3] = {BENCH_PYLON_RING * std::sin(a * DEG2RAD), 0.0f, BENCH_PYLON_RING * std::cos(a * DEG2RAD)};
        g_scene.room.emplace_back(new BenchActor(pylon_set, p, a, 0.0f, nullptr));
    }
    // Spread over the view: the camera's roll lays world z across the screen (127 units)
    // and x up it (95 units).
    mt_seed(2024);
    for (int i = 0; i < BENCH_MAX_ENEMIES; i++) {
        const BenchFamily *f = enemies[(size_t)i];
        const float p[3] = {eye[0] + bench_random(-42, 42), 0.0f, eye[2] + bench_random(-56, 56)};
        float hue = (i % 3) ? 0.0f : bench_random(-180, 180);
        g_scene.enemies.emplace_back(new BenchActor(bench_set(f), p, bench_random(-180, 180), hue, f->anim, f->scale));
        g_scene.enemies.back()->spin = bench_random(-1.5f, 1.5f);
    }
    for (int i = 0; i < debris_count; i++) {
        const BenchFamily *f = debris[(size_t)i];
        const float p[3] = {eye[0] + bench_random(-42, 42), bench_random(0.0f, 3.0f), eye[2] + bench_random(-56, 56)};
        AnimSet *set = bench_set(f);
        BenchActor *d = new BenchActor(set, p, bench_random(-180, 180), 0.0f, nullptr, f->scale * bench_random(0.6f, 1.0f));
        d->again = anim_find(set, "explode", 1);
        // Pieces at every point of their lives.
        for (int t = i % 40; t > 0; t--) {
            d->tick();
        }
        g_scene.debris.emplace_back(d);
    }
    g_scene.bomb_wave.reset(new BenchActor(bomb_set, eye, 0.0f, 0.0f, nullptr));
    g_scene.bomb_wave->pos[1] = 0.0f;
    g_scene.bomb_wave->again = anim_find(bomb_set, "explode", 1);
    for (int i = 0; i < BENCH_BULLETS; i++) {
        const BenchFamily *f = shots[(size_t)i];
        const float p[3] = {eye[0] + bench_random(-45, 45), 2.5f, eye[2] + bench_random(-60, 60)};
        g_scene.bullets.emplace_back(new BenchActor(bench_set(f), p, bench_random(-180, 180), 0.0f, nullptr));
    }
    for (auto &b : g_scene.beam_ends) {
        for (auto &end : b) {
            end[0] = eye[0] + bench_random(-40, 40);
            end[1] = 4.0f;
            end[2] = eye[2] + bench_random(-50, 50);
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
    const int debris = enemies > 0 ? (int)(BENCH_DEBRIS_PER_ENEMY * (float)enemies + 0.5f) : 0;
    for (int i = 0; i < enemies; i++) {
        g_scene.enemies[i]->tick();
    }
    for (int i = 0; i < debris; i++) {
        g_scene.debris[i]->tick();
    }
    if (enemies > 0) {
        g_scene.bomb_wave->tick();
    }
    if (g_scene.with_floor) {
        for (auto &r : g_scene.room) {
            r->tick();
        }
        g_scene.floor->tick();
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
    zgl_models_gather_begin();
    // The world's order: the enemies, the ground (the room and its floor), the debris.
    for (int i = 0; i < enemies; i++) {
        bench_draw_actor(*g_scene.enemies[i], (i + frame) % BENCH_HIT_EVERY == 0);
    }
    if (g_scene.with_floor) {
        for (auto &r : g_scene.room) {
            bench_draw_actor(*r, 0);
        }
        bench_draw_actor(*g_scene.floor, 0);
    }
    for (int i = 0; i < debris; i++) {
        bench_draw_actor(*g_scene.debris[i], 0);
    }
    if (enemies > 0) {
        bench_draw_actor(*g_scene.bomb_wave, 0);
    }
    zgl_models_gather_end();
    zbatch_flush_gl();
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
    zbatch_flush_gl();
    t->sorted += ms_since(at);

    at = Clock::now();
    zgl_disable_depth_test();
    zbatch_reset();
    zgl_models_layered_begin();
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

// The heaviest wave as a player meets it: the same frame in the room (its sockets, the
// pylons and the floor) and under the HUD (rings, aim marker, icons, bars and text), on the indexed path with
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
