// mem.h -- the memory pool: every heap block of the game's data (file images, decoded
// bitmaps, meshes, animations, particle buffers) is 16-byte aligned and tracked here.
#pragma once

#include <cstddef>

constexpr int MEMORY_NUM = 8192;   // live blocks at once: a full level with its menus needs a few thousand
constexpr int MEM_ALIGN = 16;      // the renderer's vector data wants 16-byte alignment

struct MemKeeper {
    void *raw;        // as returned by the system allocator; null = keeper empty
    void *aligned;    // as handed to the caller
    size_t size;      // requested size plus MEM_ALIGN
    size_t spare;
};

extern MemKeeper mem_keepers[MEMORY_NUM];
extern size_t mem_usage;   // bytes held by live keepers, padding included
extern size_t mem_peak;    // highest mem_usage since mem_init
extern int mem_hint;       // lowest empty keeper, -1 when none is empty
extern int mem_ran_out;    // set once the keepers were exhausted; silences mem_report

// Empties every keeper and zeroes the counters. Called once at start (and by tests).
void mem_init(void);
// Returns an aligned block of at least n bytes, not zero-filled, or null (logged) for
// n = 0, an exhausted keeper table or a failed system allocation. Free with mem_free.
void *mem_alloc(size_t n);
// Releases a block from mem_alloc; null does nothing; an address the pool does not
// hold is logged and left alone.
void mem_free(void *p);
// Keeps the memory the process frees instead of handing the heap's top back to the
// system: the GL driver (Mesa's software renderer) takes and frees megabytes of scene
// memory every frame, and each time the heap shrank the next frame faulted in fresh
// pages (several milliseconds a frame at the heaviest waves). Called once at start.
void mem_hold_heap(void);
// Logs the peak use in kilobytes and, when leaks is non-zero, every block still held.
void mem_report(int leaks);
