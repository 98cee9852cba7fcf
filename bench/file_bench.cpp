// Bitmap loading on the level-start path: BMP decode and the hue rotation of a tinted
// 256 x 256 colour image, apart and together.

#include "core/file.h"
#include "core/mem.h"
#include "render/hue.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

std::vector<uint8_t> bench_bmp_256()
{
    const int side = 256;
    std::vector<uint8_t> b(54 + side * side * 3, 0);
    auto put32 = [&b](int at, uint32_t v) {
        for (int i = 0; i < 4; i++) {
            b[(size_t)at + i] = (uint8_t)(v >> (8 * i));
        }
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, (uint32_t)b.size());
    put32(10, 54);
    put32(14, 40);
    put32(18, side);
    put32(22, side);
    b[26] = 1;
    b[28] = 24;
    for (int i = 0; i < side * side; i++) {
        b[54 + 3 * i] = (uint8_t)i;
        b[55 + 3 * i] = (uint8_t)(i >> 8);
        b[56 + 3 * i] = (uint8_t)(i * 7);
    }
    return b;
}

void BM_BmpDecode256(benchmark::State &state)
{
    mem_init();
    std::vector<uint8_t> file = bench_bmp_256();
    for (auto _ : state) {
        int w, h, ch = 3;
        uint8_t *px = file_decode_bmp(file.data(), (int)file.size(), "bench", &w, &h, &ch);
        benchmark::DoNotOptimize(px);
        mem_free(px);
    }
    state.SetBytesProcessed((int64_t)state.iterations() * 256 * 256 * 3);
}
BENCHMARK(BM_BmpDecode256);

void BM_HueRotate256(benchmark::State &state)
{
    std::vector<uint8_t> px(256 * 256 * 3, 128);
    for (size_t i = 0; i < px.size(); i++) {
        px[i] = (uint8_t)(i * 13);
    }
    hue_set_angle(75.0f);
    for (auto _ : state) {
        hue_apply_rgb(px.data(), 256 * 256, 3, 0);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed((int64_t)state.iterations() * 256 * 256);
}
BENCHMARK(BM_HueRotate256);

void BM_BmpDecodeAndHue256(benchmark::State &state)
{
    mem_init();
    std::vector<uint8_t> file = bench_bmp_256();
    for (auto _ : state) {
        int w, h, ch = 3;
        uint8_t *px = file_decode_bmp(file.data(), (int)file.size(), "bench", &w, &h, &ch);
        hue_set_angle(75.0f);
        hue_apply_rgb(px, w * h, ch, 0);
        benchmark::DoNotOptimize(px);
        mem_free(px);
    }
    state.SetItemsProcessed((int64_t)state.iterations() * 256 * 256);
}
BENCHMARK(BM_BmpDecodeAndHue256);

}  // namespace
