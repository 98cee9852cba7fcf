// con.h -- the console: the program's settings store (string variables, float
// variables, commands), the line executor that drives them from files, and the
// one log, "console.txt".
#pragma once

#include <cstdarg>

constexpr int CON_NAME_SIZE = 256;        // name and value buffers, terminator included
constexpr int CON_LINE_SIZE = 256;        // a settings-file line and a formatted log line
constexpr int MAX_CON_STRING_VARS = 63;   // the game registers 1; room for tools and tests
constexpr int MAX_CON_FLOAT_VARS = 64;    // the game registers 25
constexpr int MAX_CON_COMMANDS = 64;      // the game registers 1 ("bind")
constexpr int CON_MAX_ARGS = 128;         // a 255-character line holds at most 128 arguments
constexpr float CON_FLOAT_LIMIT = 1.0e6f; // float settings beyond +-this are refused

// Change handlers get the name as typed on the line (not as registered) and the
// storage that changed. They run only when the value really changed.
typedef void (*con_string_handler_t)(const char *name, char *value);
typedef void (*con_float_handler_t)(const char *name, float *value);
typedef void (*con_command_handler_t)(int argc, char **argv);

struct ConStringVar {
    char name[CON_NAME_SIZE];
    char value[CON_NAME_SIZE];
    con_string_handler_t on_change;
};

struct ConFloatVar {
    char name[CON_NAME_SIZE];
    float *value;                 // owned by the registering module; its first value is the default
    con_float_handler_t on_change;
};

struct ConCommand {
    char name[CON_NAME_SIZE];
    int argc;                     // -1 = any number of arguments
    con_command_handler_t handler;
};

// The tables, filled from 0 in registration order (also lookup and save order).
extern ConStringVar con_string_vars[MAX_CON_STRING_VARS];
extern int con_string_var_count;
extern ConFloatVar con_float_vars[MAX_CON_FLOAT_VARS];
extern int con_float_var_count;
extern ConCommand con_commands[MAX_CON_COMMANDS];
extern int con_command_count;

// Registers a string variable and returns its 256-byte value buffer, through which
// the owner reads it. A name that exists (ignoring case) returns the existing buffer
// unchanged. Null when the name is null or the table is full (logged).
char *con_add_string_var(const char *name, const char *def, con_string_handler_t on_change);

// Registers a float variable bound to the caller's storage. An existing name is left
// as it is. Returns 0, or -1 when refused (null name or storage, full table; logged).
int con_add_float_var(const char *name, float *value, con_float_handler_t on_change);

// Registers a command; argc -1 takes any count. A null handler registers nothing.
// Returns 0, or -1 when refused.
int con_add_command(const char *name, int argc, con_command_handler_t handler);

// Executes one line "name value" or "command args..."; the line is tokenised in place.
void con_exec(char *line);

// Executes every line of the text file argv[0]. Returns 1 when it cannot be opened
// (the file layer logs why), else 0.
int con_exec_file(int argc, char **argv);

// Decides whether a line of a file is executed: non-zero runs it. Sees every line
// that is neither empty nor a "#" comment, cut at its end of line.
typedef int (*con_line_filter_t)(const char *path, int line_number, const char *line);
// con_exec_file over path, running only the lines accept lets through (all when null).
int con_exec_file_lines(const char *path, con_line_filter_t accept);

// With 0 empties the three tables; otherwise executes "config.cfg", or the line
// "render_fullscreen 1" when that file cannot be opened.
void con_config(int load);

// Writes every variable to the settings file argv[0] through a temporary file that is
// renamed into place, so the old file survives a failed write.
void con_write_config(int argc, char **argv);
void con_save_config(void);

// Tokeniser over a modifiable string: returns the next token and advances *cursor past
// the delimiters behind it, or null when no token is left.
char *con_token(char **cursor, const char *delimiters);

// Cuts a string at its first carriage return and at its first line feed.
void str_strip_eol(char *text);

// Opens (filename non-empty) or closes (null or "") the log and writes the banner.
// The name argument is the command name the log was opened by and is not used.
void log2file(const char *name, const char *filename);

// Formats one line (cut to 255 characters) and writes it plus a newline to the log,
// flushing at once. Text read from files or scripts goes in as an argument, never as
// the format.
void con_printf(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
void con_vprintf(const char *fmt, va_list args);
void con_puts(const char *text);

// Redirect hook: every logged line (without its newline) is also handed to hook,
// whether or not the log file is open. Null removes it. Tests read the log this way.
typedef void (*con_hook_t)(const char *line);
void con_set_hook(con_hook_t hook);
