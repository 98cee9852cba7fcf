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

// Turns the first "." and then the first "-" up to SCRIPT_MAX_DASHES times into "_".
static void script_mangle(char *name)
{
    char *dot = strchr(name, '.');
    if (dot) {
        *dot = '_';
    }
    for (int i = 0; i < SCRIPT_MAX_DASHES; i++) {
        char *dash = strchr(name, '-');
        if (!dash) {
            break;
        }
        *dash = '_';
    }
}

// The record of a mangled name, or -1.
static int script_lookup(const char *name)
{
    for (int i = 0; i < SCRIPT_COUNT; i++) {
        if (strcmp(name, g_script_store[i].name) == 0) {
            return i;
        }
    }
    return -1;
}

int script_find(void)
{
    script_mangle(g_script_name);
    int index = script_lookup(g_script_name);
    if (index < 0) {
        con_printf("*** lua cant find in mem %s", g_script_name);
    }
    return index;
}

int script_exists(const char *file_name)
{
    if (!file_name) {
        return 0;
    }
    char name[SCRIPT_LOOKUP_SIZE];
    str_copy_n(name, file_name, sizeof(name));
    script_mangle(name);
    return script_lookup(name) >= 0;
}
