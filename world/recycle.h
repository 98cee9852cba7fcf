// recycle.h -- spare blocks for the world's records: shots, enemies and the arrays every
// actor takes when it binds a set. A block given back waits on the spare list of its size
// and the next request of that size takes it, so a level whose waves come and go stops
// asking the heap once its first wave stood: a steady tick and a second wave of spawns
// allocate nothing. The lists are emptied when the level's world is freed.
//
// Records keep `new` and `delete` where they are created and destroyed: their classes
// route both through recycle_take and recycle_give (RECYCLED_RECORD below).
#pragma once

#include <cstddef>

// A block of exactly bytes (> 0), 16-byte aligned: a spare one of that size when there is
// one, else a new one from the heap. Its contents are whatever they were.
void *recycle_take(size_t bytes);
// Gives a block from recycle_take back to the spares of its size (null does nothing).
void recycle_give(void *p);
// Frees every spare block (the level's release; blocks in use stay theirs).
void recycle_release(void);
// Spare blocks waiting now, and blocks taken from the heap since the start (tests).
int recycle_spare_count(void);
extern int g_recycle_heap_blocks;

// In a world record's class: its `new` and `delete` take and give recycled blocks.
#define RECYCLED_RECORD                                                                                        \
    static void *operator new(size_t n) { return recycle_take(n); }                                          \
    static void operator delete(void *p) { recycle_give(p); }
