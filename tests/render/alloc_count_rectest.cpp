// The recorder binary's operator new counts its calls, so that a test can show that steady
// frames allocate nothing (kept apart from the tests: the compiler would otherwise pair
// the replaced delete with the tests' inlined container code and warn).

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> g_news{0};

}  // namespace

long rec_news()
{
    return g_news;
}

void *operator new(std::size_t n)
{
    g_news++;
    if (void *p = std::malloc(n ? n : 1)) {
        return p;
    }
    throw std::bad_alloc();
}

void *operator new[](std::size_t n)
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

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}

