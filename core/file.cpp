// file.cpp -- the file layer over stdio: size tests, logged opens and whole-file loads.

#include "core/file.h"

#include "core/con.h"
#include "core/mem.h"

#include <climits>
#include <sys/stat.h>

// Set around probing loads (meshes, textures) whose absence is normal.
int g_file_quiet;

char g_dir_sep[FILE_DIR_SIZE];
char g_styles_dir[FILE_DIR_SIZE];
char g_bitmaps_dir[FILE_DIR_SIZE];
char g_sfx_dir[FILE_DIR_SIZE];
char g_particles_dir[FILE_DIR_SIZE];
char g_explosions_dir[FILE_DIR_SIZE];
char g_menu_dir[FILE_DIR_SIZE];

int file_exists_size(const char *path)
{
    struct stat st;
    if (!path || stat(path, &st) != 0) {
        return -1;
    }
    // Game files are small; anything that does not fit an int (with room for a text
    // terminator) is not one of them.
    if (st.st_size >= INT_MAX) {
        return -1;
    }
    return (int)st.st_size;
}

int file_size(const char *path)
{
    int size = file_exists_size(path);
    if (size < 0 && !g_file_quiet) {
        con_printf("*** [file] failed to stat '%s'", path ? path : "(null)");
    }
    return size;
}

FILE *file_open(const char *path, const char *mode)
{
    FILE *f = (path && mode) ? fopen(path, mode) : nullptr;
    if (!f && !g_file_quiet) {
        con_printf("*** [file] failed to fopen '%s'", path ? path : "(null)");
    }
    return f;
}

// Reads the whole file into a pool block of size + extra bytes; the extra bytes are
// left for the caller.
static uint8_t *file_load_padded(const char *path, int *size, int extra)
{
    int n = file_size(path);
    if (n < 1) {
        // An empty file is a damaged one, not an absent one: named even while probing.
        if (n == 0) {
            con_printf("*** [file] '%s' is empty", path);
        }
        return nullptr;
    }
    uint8_t *block = (uint8_t *)mem_alloc((size_t)n + (size_t)extra);
    if (!block) {
        return nullptr;
    }
    FILE *f = file_open(path, "rb");
    if (!f) {
        con_printf("[file] failed to load '%s'", path);
        mem_free(block);
        return nullptr;
    }
    size_t got = fread(block, 1, (size_t)n, f);
    fclose(f);
    if (got != (size_t)n) {
        con_printf("[file] short load on '%s'", path);
        mem_free(block);
        return nullptr;
    }
    if (size) {
        *size = n;
    }
    return block;
}

uint8_t *file_load(const char *path, int *size)
{
    return file_load_padded(path, size, 0);
}

char *file_load_text(const char *path, int *size)
{
    int n = 0;
    char *text = (char *)file_load_padded(path, &n, 1);
    if (!text) {
        return nullptr;
    }
    // The terminator goes behind the last byte, so a file that does not end in a
    // newline keeps its last character.
    text[n] = 0;
    if (size) {
        *size = n;
    }
    return text;
}
