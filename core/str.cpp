// str.cpp -- null-tolerant string helpers: the program's names are fixed 64-byte
// fields and its paths come from files, so every helper accepts null and bounds copies.

#include "core/str.h"

#include <cctype>
#include <cstring>
#include <strings.h>

int str_cmp(const char *a, const char *b)
{
    if (!a || !b || a[0] != b[0]) {
        return 1;
    }
    return strcmp(a, b);
}

int str_ncmp(const char *a, const char *b, size_t n)
{
    if (!a || !b) {
        return 1;
    }
    if (a[0] != b[0]) {
        return 1;
    }
    return strncmp(a, b, n);
}

int str_casecmp(const char *a, const char *b)
{
    if (!a || !b) {
        return 1;
    }
    return strcasecmp(a, b);
}

int str_len(const char *s)
{
    return s ? (int)strlen(s) : 0;
}

void str_copy_n(char *dst, const char *src, size_t n)
{
    if (!dst || n == 0) {
        return;
    }
    if (!src) {
        dst[0] = 0;
        return;
    }
    size_t len = strnlen(src, n - 1);
    memcpy(dst, src, len);
    dst[len] = 0;
}

void str_copy64(char *dst, const char *src)
{
    str_copy_n(dst, src, 64);
}

void str_lower(char *s)
{
    if (!s) {
        return;
    }
    for (; *s; s++) {
        *s = (char)tolower((unsigned char)*s);
    }
}

void str_fix_slashes(char *s)
{
    if (!s) {
        return;
    }
    for (; *s; s++) {
        if (*s == '\\') {
            *s = '/';
        }
    }
}
