// log_capture.cpp -- the test side of the console's redirect hook.

#include "tests/support/log_capture.h"

#include "core/con.h"

#include <cstring>

// Lines seen since the current capture started.
static std::vector<std::string> log_capture_lines;

static void log_capture_hook(const char *line)
{
    log_capture_lines.emplace_back(line);
}

LogCapture::LogCapture()
{
    log_capture_lines.clear();
    con_set_hook(log_capture_hook);
}

LogCapture::~LogCapture()
{
    con_set_hook(nullptr);
    log_capture_lines.clear();
}

const std::vector<std::string> &LogCapture::lines() const
{
    return log_capture_lines;
}

int LogCapture::count(const std::string &text) const
{
    int n = 0;
    for (const std::string &l : log_capture_lines) {
        n += l == text;
    }
    return n;
}

int LogCapture::count_containing(const std::string &text) const
{
    int n = 0;
    for (const std::string &l : log_capture_lines) {
        n += l.find(text) != std::string::npos;
    }
    return n;
}

int LogCapture::errors() const
{
    int n = 0;
    for (const std::string &l : log_capture_lines) {
        size_t start = l.find_first_not_of(' ');
        n += start != std::string::npos && l.compare(start, 4, "*** ") == 0;
    }
    return n;
}

int LogCapture::script_errors() const
{
    static const char *const CONTENT[] = {"*** [actor] doesnt exist ",       "*** [file] failed to stat ",
                                          "*** launch actor not found ",     "*** room fizz wrong values",
                                          "*** add sound anim wrong values", "*** add particle wrong values",
                                          "*** add explosion wrong values",
                                          "*** [particle] ",                 "*** room goto wrong values",
                                          "*** room attach wrong values"};
    int n = errors();
    for (const std::string &l : log_capture_lines) {
        for (const char *c : CONTENT) {
            if (l.compare(0, strlen(c), c) == 0) {
                n--;
                break;
            }
        }
    }
    return n;
}

void LogCapture::clear()
{
    log_capture_lines.clear();
}

std::string LogCapture::joined() const
{
    std::string all;
    for (const std::string &l : log_capture_lines) {
        all += l;
        all += '\n';
    }
    return all;
}
