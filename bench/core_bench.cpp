// Core helpers on the tick path: random draws, angle wrapping, frustum tests.

#include "core/mathlib.h"
#include "core/mt.h"

#include <benchmark/benchmark.h>

static void BM_MtRand(benchmark::State &state)
{
    mt_seed(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(mt_rand());
    }
}
BENCHMARK(BM_MtRand);

static void BM_AngleWrap(benchmark::State &state)
{
    float a = -1000.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(angle_wrap180(a));
        a += 13.7f;
        if (a > 1000.0f) {
            a = -1000.0f;
        }
    }
}
BENCHMARK(BM_AngleWrap);

static void BM_FrustumSphere(benchmark::State &state)
{
    const float corners[8][3] = {
        {-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
        {-10, -10, -10}, {10, -10, -10}, {10, 10, -10}, {-10, 10, -10},
    };
    frustum_planes_from_corners(g_frustum_planes, corners);
    float p[3] = {0, 0, -5};
    for (auto _ : state) {
        benchmark::DoNotOptimize(frustum_sphere_visible(p, 1.0f));
        p[0] = p[0] > 8.0f ? -8.0f : p[0] + 0.5f;
    }
}
BENCHMARK(BM_FrustumSphere);
