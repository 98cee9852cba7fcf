// mem.cpp -- the memory pool: a fixed table of keepers over the system allocator,
// with usage, peak and a leak report.

#include "core/mem.h"

#include "core/con.h"

#include <cstdint>
#include <cstdlib>
#include <malloc.h>

MemKeeper mem_keepers[MEMORY_NUM];
size_t mem_usage;
size_t mem_peak;
int mem_hint;
int mem_ran_out;

// Requests beyond this are refused rather than risking size arithmetic overflow.
constexpr size_t MEM_MAX_REQUEST = (size_t)1 << 31;

// Freed memory kept on the heap, and blocks below this size taken from it rather than
// mapped apart (a mapped block is unmapped again on free).
constexpr int MEM_HEAP_HELD = 256 << 20;
constexpr int MEM_MAP_ABOVE = 32 << 20;

void mem_hold_heap(void)
{
    mallopt(M_TRIM_THRESHOLD, MEM_HEAP_HELD);
    mallopt(M_MMAP_THRESHOLD, MEM_MAP_ABOVE);
}

void mem_init(void)
{
    for (int i = 0; i < MEMORY_NUM; i++) {
        mem_keepers[i] = MemKeeper{};
    }
    mem_usage = 0;
    mem_peak = 0;
    mem_hint = 0;
    mem_ran_out = 0;
}

void *mem_alloc(size_t n)
{
    if (n == 0) {
        con_printf("*** [malloc] %d", 0);
        return nullptr;
    }
    if (mem_hint < 0) {
        if (!mem_ran_out) {
            con_printf("*** [malloc] Ran out of memory keepers, increase MEMORY_NUM");
            mem_ran_out = 1;
        }
        return nullptr;
    }
    void *raw = n <= MEM_MAX_REQUEST ? malloc(n + MEM_ALIGN) : nullptr;
    if (!raw) {
        con_printf("*** [malloc] failed");
        return nullptr;
    }
    uintptr_t address = (uintptr_t)raw;
    if (address % MEM_ALIGN) {
        address = address - address % MEM_ALIGN + MEM_ALIGN;
    }
    MemKeeper *k = &mem_keepers[mem_hint];
    k->raw = raw;
    k->aligned = (void *)address;
    k->size = n + MEM_ALIGN;
    mem_usage += k->size;
    if (mem_usage > mem_peak) {
        mem_peak = mem_usage;
    }
    int next = mem_hint + 1;
    while (next < MEMORY_NUM && mem_keepers[next].raw) {
        next++;
    }
    mem_hint = next < MEMORY_NUM ? next : -1;
    return k->aligned;
}

void mem_free(void *p)
{
    if (!p) {
        return;
    }
    for (int i = 0; i < MEMORY_NUM; i++) {
        MemKeeper *k = &mem_keepers[i];
        if (k->raw && k->aligned == p) {
            free(k->raw);
            mem_usage -= k->size;
            k->raw = nullptr;
            k->aligned = nullptr;
            k->size = 0;
            if (mem_hint < 0 || i < mem_hint) {
                mem_hint = i;
            }
            return;
        }
    }
    // A block freed twice, or one that never came from here: handing it to free()
    // would corrupt the heap.
    con_printf("*** [malloc] Warning, free of %p which not in pool?!", p);
}

void mem_report(int leaks)
{
    if (mem_ran_out) {
        return;
    }
    if (leaks) {
        for (int i = 0; i < MEMORY_NUM; i++) {
            const MemKeeper *k = &mem_keepers[i];
            if (k->raw) {
                con_printf("*** [malloc] Free() not called for %p - %8zu bytes. %d", k->raw, k->size, i);
            }
        }
    }
    con_printf("[malloc] peak memory usage %zu", mem_peak / 1024);
}
