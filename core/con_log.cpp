// con_log.cpp -- the console log "console.txt": one line buffer, written and flushed
// line by line so that nothing is lost when the program dies.

#include "core/con.h"

#include <cstdio>
#include <cstring>
#include <ctime>

constexpr int CON_VERSION_MAJOR = 1;
constexpr int CON_VERSION_MINOR = 33;

// The open log, or null before log2file and after it closed the log.
static FILE *con_log_file;
// One line, shared by every caller: the log is written from the main thread only.
static char con_line[CON_LINE_SIZE];
// Test hook that sees every line.
static con_hook_t con_hook;

void con_set_hook(con_hook_t hook)
{
    con_hook = hook;
}

void con_puts(const char *text)
{
    if (!text) {
        text = "(null)";
    }
    if (con_log_file) {
        fputs(text, con_log_file);
        fputc('\n', con_log_file);
        fflush(con_log_file);
    }
    if (con_hook) {
        con_hook(text);
    }
}

void con_vprintf(const char *fmt, va_list args)
{
    // vsnprintf cuts a longer line at the buffer's end and always terminates it.
    vsnprintf(con_line, sizeof(con_line), fmt, args);
    con_puts(con_line);
}

void con_printf(const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    con_vprintf(fmt, args);
    va_end(args);
}

void log2file(const char *name, const char *filename)
{
    (void)name;
    if (con_log_file) {
        fclose(con_log_file);
        con_log_file = nullptr;
    }
    if (!filename || !filename[0]) {
        return;
    }
    con_log_file = fopen(filename, "w");
    time_t now = time(nullptr);
    con_printf("*** Glimmerfall -- arena shooter, levels 101 and up ***");
    con_printf("*** Korvel -- built %s ***", __DATE__);
    con_printf("[console] v%d.%d log started %s", CON_VERSION_MAJOR, CON_VERSION_MINOR, ctime(&now));
}
