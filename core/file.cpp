// file.cpp -- the file layer over stdio: size tests, logged opens and whole-file loads.

#include "core/file.h"

#include "core/con.h"

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
    // Game files are small; anything that does not fit an int is not one of them.
    if (st.st_size > INT_MAX) {
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

void file_free_textures(void)
{
}

void file_free_textures_level(void)
{
}
