// recycle.cpp -- spare lists of the world's blocks, one per block size.

#include "world/recycle.h"

#include "core/con.h"

#include <cstdint>
#include <new>

// Distinct block sizes at once: two record kinds, the candidate and child arrays, and one
// state block per animation set of a level (a level loads a few dozen sets).
constexpr int RECYCLE_MAX_SIZES = 256;

// Every block starts with this header; the caller's part follows it, 16-byte aligned.
struct RecycleHeader {
    RecycleHeader *next;   // the next spare of its size while it waits
    int32_t bin;           // its size's entry, -1 for a block outside the table
    uint32_t magic;
};
constexpr size_t RECYCLE_HEADER = 16;
static_assert(sizeof(RecycleHeader) <= RECYCLE_HEADER, "the header fits its 16 bytes");
constexpr uint32_t RECYCLE_MAGIC = 0x52435943u;

struct RecycleBin {
    size_t bytes;          // 0: the entry is free for another size
    RecycleHeader *spare;
    int spares;
    int live;              // blocks of this size handed out and not given back
};

static RecycleBin recycle_bins[RECYCLE_MAX_SIZES];
static int recycle_bin_count;     // bins in use, packed from 0
static int recycle_full_logged;   // the table was reported full since the last release
int g_recycle_heap_blocks;

static int recycle_bin_of(size_t bytes)
{
    int free_entry = -1;
    for (int i = 0; i < recycle_bin_count; i++) {
        if (recycle_bins[i].bytes == bytes) {
            return i;
        }
        if (recycle_bins[i].bytes == 0 && free_entry < 0) {
            free_entry = i;
        }
    }
    if (free_entry >= 0) {
        recycle_bins[free_entry] = RecycleBin{bytes, nullptr, 0, 0};
        return free_entry;
    }
    if (recycle_bin_count >= RECYCLE_MAX_SIZES) {
        if (!recycle_full_logged) {
            con_printf("*** [recycle] RECYCLE_MAX_SIZES (%d) reached. Increase #define value. :)\n",
                       RECYCLE_MAX_SIZES);
            recycle_full_logged = 1;
        }
        return -1;
    }
    recycle_bins[recycle_bin_count] = RecycleBin{bytes, nullptr, 0, 0};
    return recycle_bin_count++;
}

void *recycle_take(size_t bytes)
{
    bytes = bytes ? bytes : 1;
    int bin = recycle_bin_of(bytes);
    RecycleHeader *h = nullptr;
    if (bin >= 0 && recycle_bins[bin].spare) {
        h = recycle_bins[bin].spare;
        recycle_bins[bin].spare = h->next;
        recycle_bins[bin].spares--;
    } else {
        // As a plain new would: the heap's own failure ends the program.
        h = (RecycleHeader *)::operator new(RECYCLE_HEADER + bytes);
        g_recycle_heap_blocks++;
    }
    if (bin >= 0) {
        recycle_bins[bin].live++;
    }
    h->next = nullptr;
    h->bin = bin;
    h->magic = RECYCLE_MAGIC;
    return (char *)h + RECYCLE_HEADER;
}

void recycle_give(void *p)
{
    if (!p) {
        return;
    }
    RecycleHeader *h = (RecycleHeader *)((char *)p - RECYCLE_HEADER);
    if (h->magic != RECYCLE_MAGIC || h->bin >= recycle_bin_count) {
        con_printf("*** [recycle] %p was not a recycled block\n", p);
        return;
    }
    if (h->bin < 0) {
        h->magic = 0;
        ::operator delete(h);
        return;
    }
    RecycleBin *b = &recycle_bins[h->bin];
    b->live--;
    h->next = b->spare;
    b->spare = h;
    b->spares++;
}

void recycle_release(void)
{
    for (int i = 0; i < recycle_bin_count; i++) {
        while (RecycleHeader *h = recycle_bins[i].spare) {
            recycle_bins[i].spare = h->next;
            h->magic = 0;
            ::operator delete(h);
        }
        recycle_bins[i].spares = 0;
        if (recycle_bins[i].live == 0) {
            // Nothing of this size is out: the entry serves the next level's sizes.
            recycle_bins[i].bytes = 0;
        }
    }
    recycle_full_logged = 0;
}

int recycle_spare_count(void)
{
    int n = 0;
    for (int i = 0; i < recycle_bin_count; i++) {
        n += recycle_bins[i].spares;
    }
    return n;
}
