// script_store.h -- the embedded scripts: 214 Lua texts compiled into the program and
// found by file name. No script is ever read from disk.
#pragma once

#include <cstdint>

constexpr int SCRIPT_COUNT = 214;         // 90 actor scripts, 90 levels, 34 room scripts
constexpr int SCRIPT_NAME_SIZE = 32;      // the longest record name has 26 characters
constexpr int SCRIPT_LOOKUP_SIZE = 64;    // the file name being looked up, terminator included

// One embedded script: its record name (the file name with its first "." and up to
// three "-" turned into "_"), its source and the source's size in bytes.
struct ScriptRecord {
    char name[SCRIPT_NAME_SIZE];
    const char *text;
    uint32_t length;
};

// The store, read-only, in search order (generated from script/lua/ at build time).
extern const ScriptRecord g_script_store[SCRIPT_COUNT];

// The file name being looked up (at most 63 characters); script_find converts it in
// place into a record name.
extern char g_script_name[SCRIPT_LOOKUP_SIZE];

// Copies a file name into g_script_name (cut at 63 characters).
void script_set_name(const char *file_name);

// Looks up g_script_name: turns its first "." and then its first "-" up to three times
// into "_", and compares the result exactly with the record names in store order.
// Returns the record index, or -1 after logging "*** lua cant find in mem %s".
int script_find(void);

// 1 when the store holds a script for this file name (cut and converted as script_find
// does), else 0. Logs nothing and leaves g_script_name alone.
int script_exists(const char *file_name);
