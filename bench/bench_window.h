// bench_window.h -- the window of the GL benchmarks: 1024 x 768 under X (Xvfb with Mesa's
// llvmpipe in test runs), GL set up, an empty texture cache and face batch, the generated
// asset tree's run/ folder as working directory with the game's relative asset folders.
#pragma once

#include <string>

constexpr int BENCH_W = 1024;
constexpr int BENCH_H = 768;

// Opens it on the first call; false without a display.
bool bench_window_ready(void);
// "<GL renderer>, <n> cores", for the benchmarks' labels.
const std::string &bench_window_label(void);
