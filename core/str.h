// str.h -- null-tolerant string helpers for names and paths.
#pragma once

#include <cstddef>

// Equality tests (0 = equal). Either string null, or different first characters: 1.
int str_cmp(const char *a, const char *b);
int str_ncmp(const char *a, const char *b, size_t n);
// Ignoring case; 1 when either is null.
int str_casecmp(const char *a, const char *b);
// 0 for null.
int str_len(const char *s);
// Copies into a 64-byte name field: at most 63 characters, always terminated. A null
// source gives "", a null destination does nothing.
void str_copy64(char *dst, const char *src);
// The same for an n-byte buffer (n >= 1).
void str_copy_n(char *dst, const char *src, size_t n);
// Lower-cases in place; null does nothing.
void str_lower(char *s);
// Turns every backslash into '/' in place (names read from data files).
void str_fix_slashes(char *s);
