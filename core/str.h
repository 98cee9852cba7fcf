// str.h -- null-tolerant string helpers for names and paths.
#pragma once

#include <cstddef>

// Ignoring case; 1 when either is null.
int str_casecmp(const char *a, const char *b);
// Copies into a 64-byte name field: at most 63 characters, always terminated. A null
// source gives "", a null destination does nothing.
void str_copy64(char *dst, const char *src);
// The same for an n-byte buffer (n >= 1).
void str_copy_n(char *dst, const char *src, size_t n);
// Turns every backslash into '/' in place (names read from data files).
void str_fix_slashes(char *s);
