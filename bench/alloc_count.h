// alloc_count.h -- counts the program's heap allocations (operator new) so that a
// benchmark can show a steady tick allocates nothing.
#pragma once

#include <cstddef>

// Calls of operator new (all forms) since the program started.
size_t bench_allocations(void);
