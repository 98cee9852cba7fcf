// input_local.h -- what only the sampler's own file (input.cpp) shares with its tests:
// the list of bound keys it scans and the filling of the key names.
#pragma once

#include "platform/input.h"

#include <atomic>

// The codes of the bound keys, which the sampler scans. Rebuilt by setting the count to
// 0 and appending, so the sampler always sees a prefix of valid codes.
extern std::atomic<int> input_bound_keys[INPUT_KEY_COUNT];
extern std::atomic<int> input_bound_key_count;
// Fills input_key_names from SDL.
void input_fill_key_names(void);
