// browser.cpp -- the web-page launcher: picks a browser command and runs it through
// the shell with the address quoted, so no address or folder name is ever parsed as
// shell syntax.

#include "platform/browser.h"

#include "core/con.h"

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

struct BrowserRow {
    int console;             // 1: runs in a terminal, used when DISPLAY is unset
    const char *program;     // looked up on PATH
    const char *format;      // "%s" stands for the address
};

// Searched in this order; the first row whose program is found wins.
static const BrowserRow BROWSER_TABLE[] = {
    {0, "gnome-moz-remote", "gnome-moz-remote --newwin %s &"},
    {0, "netscape", "netscape -remote 'openURL(%s,new-window)' || netscape %s &"},
    {0, "galeon", "galeon %s &"},
    {0, "konqueror", "konqueror %s &"},
    {0, "mozilla", "mozilla -chrome %s || mozilla %s &"},
    {0, "opera", "opera -newwindow %s &"},
    {0, "NetPositive", "NetPositive %s &"},
    {0, "opera", "opera -page='%s' &"},
    {0, "links", "xterm -T \"Web Browser\" -e links %s &"},
    {0, "lynx", "xterm -T \"Web Browser\" -e lynx %s &"},
    {1, "links", "links %s"},
    {1, "lynx", "lynx %s"},
};

// A bounded string builder: the first overflow marks it failed and stops it.
struct BrowserOut {
    char *buf;
    size_t size;
    size_t len;
    bool overflow;
};

static void browser_put(BrowserOut *o, const char *s, size_t n)
{
    if (o->overflow || o->len + n >= o->size) {
        o->overflow = true;
        return;
    }
    memcpy(o->buf + o->len, s, n);
    o->len += n;
    o->buf[o->len] = 0;
}

static void browser_put_str(BrowserOut *o, const char *s)
{
    browser_put(o, s, strlen(s));
}

// The text for use inside single quotes: each ' closes the quotes, adds an escaped
// quote and opens them again.
static void browser_put_single_quoted_body(BrowserOut *o, const char *text)
{
    for (const char *p = text; *p; p++) {
        if (*p == '\'') {
            browser_put_str(o, "'\\''");
        } else {
            browser_put(o, p, 1);
        }
    }
}

enum BrowserQuote { BROWSER_UNQUOTED, BROWSER_IN_SINGLE, BROWSER_IN_DOUBLE };

int browser_format(const char *fmt, const char *text, char *out, size_t size)
{
    if (!out || size == 0) {
        return -1;
    }
    out[0] = 0;
    BrowserOut o = {out, size, 0, false};
    if (!fmt) {
        return 0;
    }
    if (!text) {
        text = "";
    }
    BrowserQuote quote = BROWSER_UNQUOTED;
    for (const char *p = fmt; *p; p++) {
        if (p[0] == '%' && p[1] == 's') {
            if (quote == BROWSER_UNQUOTED) {
                browser_put_str(&o, "'");
                browser_put_single_quoted_body(&o, text);
                browser_put_str(&o, "'");
            } else if (quote == BROWSER_IN_SINGLE) {
                browser_put_single_quoted_body(&o, text);
            } else {
                browser_put_str(&o, "\"'");
                browser_put_single_quoted_body(&o, text);
                browser_put_str(&o, "'\"");
            }
            p++;
            continue;
        }
        if (*p == '\\' && quote != BROWSER_IN_SINGLE && p[1]) {
            browser_put(&o, p, 2);
            p++;
            continue;
        }
        if (*p == '\'' && quote != BROWSER_IN_DOUBLE) {
            quote = quote == BROWSER_IN_SINGLE ? BROWSER_UNQUOTED : BROWSER_IN_SINGLE;
        } else if (*p == '"' && quote != BROWSER_IN_SINGLE) {
            quote = quote == BROWSER_IN_DOUBLE ? BROWSER_UNQUOTED : BROWSER_IN_DOUBLE;
        }
        browser_put(&o, p, 1);
    }
    if (o.overflow) {
        out[0] = 0;
        return -1;
    }
    return 0;
}

int browser_path_candidate(const char *entry, size_t entry_len, const char *program, char *out, size_t size)
{
    if (!out || size == 0 || !program) {
        return -1;
    }
    out[0] = 0;
    BrowserOut o = {out, size, 0, false};
    if (entry_len > 0 && entry[0] == '~') {
        const char *home = getenv("HOME");
        browser_put_str(&o, home ? home : ".");
        entry++;
        entry_len--;
    }
    browser_put(&o, entry, entry_len);
    if (o.len == 0) {
        browser_put_str(&o, ".");   // an empty entry is the working directory
    }
    if (!o.overflow && out[o.len - 1] != '/') {
        browser_put_str(&o, "/");
    }
    browser_put_str(&o, program);
    if (o.overflow) {
        out[0] = 0;
        return -1;
    }
    return 0;
}

int browser_find_in_path(const char *program)
{
    const char *path = getenv("PATH");
    if (!path || !program || !program[0]) {
        return 0;
    }
    for (const char *entry = path;; ) {
        const char *end = strchr(entry, ':');
        size_t len = end ? (size_t)(end - entry) : strlen(entry);
        char candidate[BROWSER_PATH_SIZE];
        struct stat st;
        if (browser_path_candidate(entry, len, program, candidate, sizeof(candidate)) == 0 &&
            access(candidate, X_OK) == 0 && stat(candidate, &st) == 0 && S_ISREG(st.st_mode)) {
            return 1;
        }
        if (!end) {
            return 0;
        }
        entry = end + 1;
    }
}

int browser_command(const char *url, char *out, size_t size)
{
    const char *format = getenv("QUIB_BROWSER");
    if (!format) {
        int console = getenv("DISPLAY") ? 0 : 1;
        for (const BrowserRow &row : BROWSER_TABLE) {
            if (row.console == console && browser_find_in_path(row.program)) {
                format = row.format;
                break;
            }
        }
    }
    if (!format) {
        return 0;
    }
    if (browser_format(format, url, out, size) != 0) {
        con_printf("*** [browser] command for %.64s... longer than %d characters, not run", url ? url : "",
                   (int)size - 1);
        return -1;
    }
    return 1;
}

int browser_launch(const char *url)
{
    static char command[BROWSER_COMMAND_SIZE];
    if (browser_command(url, command, sizeof(command)) != 1) {
        return -1;
    }
    return system(command);
}
