// script_store.cpp -- finding an embedded script by its file name.

#include "script/script_store.h"

#include "core/con.h"
#include "core/str.h"

#include <cstring>

char g_script_name[SCRIPT_LOOKUP_SIZE];

// File names may hold this many "-"; a fourth one stays and the name is not found.
constexpr int SCRIPT_MAX_DASHES = 3;

void script_set_name(const char *file_name)
{
    str_copy_n(g_script_name, file_name, sizeof(g_script_name));
}

int script_find(void)
{
    char *dot = strchr(g_script_name, '.');
    if (dot) {
        *dot = '_';
    }
    for (int i = 0; i < SCRIPT_MAX_DASHES; i++) {
        char *dash = strchr(g_script_name, '-');
        if (!dash) {
            break;
        }
        *dash = '_';
    }
    for (int i = 0; i < SCRIPT_COUNT; i++) {
        if (strcmp(g_script_name, g_script_store[i].name) == 0) {
            return i;
        }
    }
    con_printf("*** lua cant find in mem %s", g_script_name);
    return -1;
}
