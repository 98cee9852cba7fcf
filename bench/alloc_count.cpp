// alloc_count.cpp -- the benchmark program's operator new, counting every call by who
// made it: the program's own code (the game's libraries and the benchmarks, linked into
// the executable) or a shared library (the GL driver, whose shader compiler allocates
// while it draws, the C++ library's own out-of-line code).

#include "alloc_count.h"

#include <atomic>
#include <cstdlib>
#include <new>

// The executable's code, from the linker's symbols.
extern "C" char __executable_start;
extern "C" char etext;

static std::atomic<size_t> bench_new_calls;
static std::atomic<size_t> bench_other_new_calls;

size_t bench_allocations(void)
{
    return bench_new_calls.load();
}

size_t bench_other_allocations(void)
{
    return bench_other_new_calls.load();
}

static void *bench_new(size_t n, const void *caller)
{
    if (caller >= (const void *)&__executable_start && caller < (const void *)&etext) {
        bench_new_calls++;
    } else {
        bench_other_new_calls++;
    }
    void *p = std::malloc(n ? n : 1);
    if (!p) {
        std::abort();
    }
    return p;
}

void *operator new(size_t n)
{
    return bench_new(n, __builtin_return_address(0));
}

void *operator new[](size_t n)
{
    return bench_new(n, __builtin_return_address(0));
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete[](void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, size_t) noexcept
{
    std::free(p);
}

void operator delete[](void *p, size_t) noexcept
{
    std::free(p);
}
