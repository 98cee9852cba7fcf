// browser.h -- opening a web page in an external browser: QUIB_BROWSER or the first
// known browser found on PATH, console browsers when no X display is set.
#pragma once

#include <cstddef>

constexpr int BROWSER_COMMAND_SIZE = 16384;
constexpr int BROWSER_PATH_SIZE = 4096;

// Builds and runs the browser command for url. Returns system()'s result, or -1 when
// no browser was found or the command could not be built.
int browser_launch(const char *url);
// Builds the command: every "%s" of the format (QUIB_BROWSER's value, or the known
// browser's) becomes url quoted for the shell; nothing else in the format is special.
// Returns 1, 0 when no browser was found, -1 when it does not fit (logged).
int browser_command(const char *url, char *out, size_t size);
// 1 when program is an executable regular file in one of PATH's folders.
int browser_find_in_path(const char *program);
// The file that one PATH entry names for program: "~" at the start stands for HOME
// ("." when unset), an empty entry for the working directory. Returns 0, or -1 when
// the path does not fit.
int browser_path_candidate(const char *entry, size_t entry_len, const char *program, char *out, size_t size);
// Copies fmt into out with every "%s" replaced by text quoted for the shell in the
// quoting context where the "%s" stands. Returns 0, or -1 when it does not fit.
int browser_format(const char *fmt, const char *text, char *out, size_t size);
