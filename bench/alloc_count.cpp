// alloc_count.cpp -- the benchmark program's operator new, counting every call.

#include "alloc_count.h"

#include <atomic>
#include <cstdlib>
#include <new>

static std::atomic<size_t> bench_new_calls;

size_t bench_allocations(void)
{
    return bench_new_calls.load();
}

void *operator new(size_t n)
{
    bench_new_calls++;
    void *p = std::malloc(n ? n : 1);
    if (!p) {
        std::abort();
    }
    return p;
}

void *operator new[](size_t n)
{
    return operator new(n);
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
