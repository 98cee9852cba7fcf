// Animation tick of a crowd: 256 actors of 32 bones, each running 3 animations (one
// over the whole skeleton, two over subtrees), updated, blended and turned into bone
// matrices as every enemy is each tick. Reports the time per bone, and the heap and
// pool allocations made by the timed ticks (both must be 0).

#include "alloc_count.h"

#include "assetgen/formats.h"
#include "core/mem.h"
#include "core/stream.h"
#include "world/animplay.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int ACTORS = 256;
constexpr int BONES = 32;
constexpr int POSES = 12;

// A tree of 32 bones (bone i hangs from bone (i - 1) / 2), each with 12 poses; a
// whole-skeleton walk, and two tracks over the subtrees of bones 1 and 2 (ranked 4, 8).
AnimFile crowd_file()
{
    AnimFile a;
    for (int i = 0; i < BONES; i++) {
        AnimBoneOut b;
        b.parent = i == 0 ? 0 : (i - 1) / 2 + 1;
        b.word = i == 1 ? 4 : i == 2 ? 8 : 0;
        b.name = "bone" + std::to_string(i);
        for (int k = 0; k < POSES; k++) {
            float h = 0.05f * (float)(k * (i + 3) % 17);
            b.keys.push_back({{sinf(h) * 0.6f, sinf(h) * 0.3f, 0.1f, cosf(h), 0.5f, 1.0f, 0.1f * k, 1, 1, 1}});
        }
        a.bones.push_back(b);
        a.health.push_back(1.0f);
    }
    auto track = [](const char *name, int root, int first, int keys, float step) {
        AnimTrackOut t;
        t.name = name;
        t.root_bone = root;
        t.loop_key = 0;
        for (int k = 0; k < keys; k++) {
            t.key_frames.push_back(first + k);
            t.steps.push_back(step);
            t.arrive_ease.push_back(k % 2 ? 30.0f : 0.0f);
            t.leave_ease.push_back(k % 3 ? 0.0f : 20.0f);
            t.root_offsets.push_back({{0, -0.2f * k, 0}});
            t.second_offsets.push_back({{0, 0, 0}});
        }
        return t;
    };
    a.tracks.push_back(track("walk", -1, 1, 8, 0.07f));
    for (int root : {1, 2}) {
        AnimTrackOut t = track(root == 1 ? "arm" : "gun", root, 1, 4, 0.11f);
        for (int i = 0; i < BONES; i++) {
            int b = i;
            while (b > root) {
                b = (b - 1) / 2;
            }
            t.bone_table.push_back(b == root ? 8 : -1);
        }
        a.tracks.push_back(t);
    }
    a.defaults = {{-1, -1, -1, -1, -1, -1, -1, -1}};
    AnimSphereOut s;
    a.spheres = {s, s};
    return a;
}

void BM_AnimTickCrowd(benchmark::State &state)
{
    mem_init();
    Bytes bytes = anim_write(crowd_file());
    MemStream s;
    memstream_init(&s, bytes.data(), (int)bytes.size(), "crowd");
    AnimSet *set = anim_set_parse(&s, "crowd");
    if (!set) {
        state.SkipWithError("the crowd's set did not load");
        return;
    }
    std::vector<AnimState> actors(ACTORS);
    std::vector<float> matrices((size_t)ACTORS * (BONES + 1) * 16, 0.0f);
    for (int a = 0; a < ACTORS; a++) {
        float *m = &matrices[(size_t)a * (BONES + 1) * 16];
        m[0] = m[5] = m[10] = m[15] = 1.0f;
        anim_bind_set(&actors[a], set);
        anim_set_matrices(&actors[a], m);
        for (int t = 0; t < 3; t++) {
            anim_play(&actors[a], t, 0.8f + 0.002f * (float)(a + 37 * t), 0);
        }
        for (int warm = 0; warm < a % 13; warm++) {
            anim_update(&actors[a]);
        }
    }
    size_t heap_before = bench_allocations();
    size_t pool_before = mem_usage;
    for (auto _ : state) {
        for (AnimState &st : actors) {
            anim_update(&st);
            anim_build_matrices(&st);
        }
        benchmark::ClobberMemory();
    }
    double heap = (double)(bench_allocations() - heap_before);
    double pool = (double)(mem_usage - pool_before);
    state.counters["time_per_bone"] =
        benchmark::Counter((double)state.iterations() * ACTORS * BONES, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["heap_allocs"] = heap;
    state.counters["pool_bytes"] = pool;
    state.counters["plays"] = anim_plays_in_use();
    for (AnimState &st : actors) {
        anim_unbind_set(&st);
    }
    anim_set_destroy(set);
}
BENCHMARK(BM_AnimTickCrowd)->Unit(benchmark::kMicrosecond);

}  // namespace
