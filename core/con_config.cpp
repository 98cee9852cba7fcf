// con_config.cpp -- settings files: executing a file of console lines, writing the
// variables back as such a file, and "config.cfg" itself.

#include "core/con.h"

#include "core/file.h"

#include <cstdio>
#include <cstring>

static const char CON_CONFIG_FILE[] = "config.cfg";

void str_strip_eol(char *text)
{
    if (!text) {
        return;
    }
    text[strcspn(text, "\r\n")] = 0;
}

// Reads the rest of an over-long line up to its newline; returns how many characters
// (carriage returns aside) were dropped.
static int con_skip_line_tail(FILE *f)
{
    int dropped = 0;
    for (int c = fgetc(f); c != EOF && c != '\n'; c = fgetc(f)) {
        if (c != '\r') {
            dropped++;
        }
    }
    return dropped;
}

int con_exec_file(int argc, char **argv)
{
    if (argc < 1 || !argv || !argv[0]) {
        con_printf("*** [console] exec needs a file name");
        return 1;
    }
    return con_exec_file_lines(argv[0], nullptr);
}

int con_exec_file_lines(const char *path, con_line_filter_t accept)
{
    FILE *f = file_open(path, "r");
    if (!f) {
        return 1;
    }
    char line[CON_LINE_SIZE];
    int line_number = 0;
    while (fgets(line, sizeof(line), f)) {
        line_number++;
        // A line longer than the buffer keeps its head; its tail is never executed as
        // a line of its own, where it could set an unrelated variable.
        if (!strchr(line, '\n') && !feof(f)) {
            int dropped = con_skip_line_tail(f);
            if (dropped > 0) {
                con_printf("*** [console] %s line %d: longer than %d characters, %d dropped",
                           path, line_number, CON_LINE_SIZE - 1, dropped);
            }
        }
        str_strip_eol(line);
        if (!line[0] || line[0] == '#') {
            continue;
        }
        if (accept && !accept(path, line_number, line)) {
            continue;
        }
        con_exec(line);
    }
    fclose(f);
    return 0;
}

void con_config(int load)
{
    if (!load) {
        con_string_var_count = 0;
        con_float_var_count = 0;
        con_command_count = 0;
        return;
    }
    char name[sizeof(CON_CONFIG_FILE)];
    memcpy(name, CON_CONFIG_FILE, sizeof(name));
    char *argv[] = {name, nullptr};
    if (con_exec_file(1, argv)) {
        char fallback[] = "render_fullscreen 1";
        con_exec(fallback);
    }
}

static int con_write_lines(FILE *f)
{
    int bad = fprintf(f, "#console\n") < 0;
    for (int i = 0; i < con_string_var_count; i++) {
        bad |= fprintf(f, "%s \"%s\"\n", con_string_vars[i].name, con_string_vars[i].value) < 0;
    }
    for (int i = 0; i < con_float_var_count; i++) {
        bad |= fprintf(f, "%s %f\n", con_float_vars[i].name, (double)*con_float_vars[i].value) < 0;
    }
    return bad ? -1 : 0;
}

void con_write_config(int argc, char **argv)
{
    if (argc < 1 || !argv || !argv[0] || !argv[0][0]) {
        con_printf("*** [console] writeconfig needs a file name");
        return;
    }
    const char *path = argv[0];
    // Written beside the old file and renamed over it: a crash mid-write loses nothing.
    char temp[4096];
    if (snprintf(temp, sizeof(temp), "%s.tmp", path) >= (int)sizeof(temp)) {
        con_printf(" *** failed to create file %s!", path);
        return;
    }
    FILE *f = file_open(temp, "w");
    if (!f) {
        con_printf(" *** failed to create file %s!", path);
        return;
    }
    int bad = con_write_lines(f);
    bad |= fflush(f) != 0;
    bad |= ferror(f) != 0;
    bad |= fclose(f) != 0;
    if (bad || rename(temp, path) != 0) {
        con_printf(" *** failed to create file %s!", path);
        remove(temp);
    }
}

void con_save_config(void)
{
    char name[sizeof(CON_CONFIG_FILE)];
    memcpy(name, CON_CONFIG_FILE, sizeof(name));
    char *argv[] = {name, nullptr};
    con_write_config(1, argv);
}
