// alloc_count.h -- counts the program's heap allocations (operator new) so that a
// benchmark can show a steady tick allocates nothing.
#pragma once

#include <cstddef>

// Calls of operator new (all forms) made by the program's own code since it started.
size_t bench_allocations(void);
// Calls made from shared libraries (the GL driver, the C++ library's out-of-line code).
size_t bench_other_allocations(void);
