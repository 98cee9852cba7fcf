// bench_main.cpp -- the benchmarks' entry: the layers are connected as the program's
// start-up connects them (init_imports), then the benchmarks asked for run.

#include "core/mem.h"
#include "game/lifecycle.h"

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    mem_hold_heap();
    init_imports();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
