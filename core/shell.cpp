// shell.cpp -- the program shell's state words, the base folder and the frame clock.

#include "core/shell.h"

#include "core/str.h"

#include <cstring>

int g_app_quit;
int g_app_iconified;
char g_base_dir[SHELL_BASE_DIR_SIZE];
int g_frame_steps;
float g_frame_dt;
float g_fade = -1.0f;

void shell_set_base_dir(const char *cwd)
{
    str_copy_n(g_base_dir, cwd, sizeof(g_base_dir));
    char *slash = strrchr(g_base_dir, '/');
    if (slash) {
        *slash = 0;
    }
}
