// x_session.h -- starting the program and running X tools under the test X server.
// An X server started without -noreset resets itself whenever its last client leaves,
// and a connection opened during that reset fails: SDL then cannot open the display and
// the program ends at once with -1, and an X tool fails. test.sh starts Xvfb with
// -noreset; a display from elsewhere may not be, so both are retried.
#pragma once

#include "tests/support/game_process.h"
#include "tests/support/temp_dir.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Starts the program in dir and waits for "[init] done init_game"; a start that ended
// with -1 before logging anything (no display) is retried. Null when it never came up.
inline std::unique_ptr<GameProcess> start_game(const std::string &dir, std::vector<std::string> env = {})
{
    // Only X: without a display SDL would fall back to a text-mode driver.
    env.push_back("SDL_VIDEODRIVER=x11");
    constexpr int ATTEMPTS = 5;
    for (int attempt = 0; attempt < ATTEMPTS; attempt++) {
        auto game = std::make_unique<GameProcess>(dir, env);
        if (!game->started()) {
            return nullptr;
        }
        if (game->wait_for_log("[init] done init_game")) {
            return game;
        }
        bool no_display = !game->running() && game->log().empty() && game->wait_exit(1.0) == -1;
        if (!no_display) {
            return game;   // a real failure: the caller reports it
        }
        sleep_seconds(0.1);
    }
    return nullptr;
}

// The generated menu folder (logo pages, title pictures, fonts) beside the game's working
// folder root/run, so the title screens show their logos and run their whole course.
inline void link_menu_art(const TempDir &root)
{
    std::filesystem::create_directory_symlink(std::string(GLIMMERFALL_ASSETS) + "/menu", root.file("menu"));
}

// Runs an X tool command until it succeeds (up to five times); returns its output.
inline std::string x_command(const std::string &command)
{
    return run_command("for i in 1 2 3 4 5; do " + command + " && break; sleep 0.05; done");
}

using XClock = std::chrono::steady_clock;

inline double seconds_since(XClock::time_point start)
{
    return std::chrono::duration<double>(XClock::now() - start).count();
}

// The id of the window captioned exactly "Glimmerfall", or "" after the timeout.
inline std::string find_window(double timeout)
{
    for (auto start = XClock::now(); seconds_since(start) < timeout; sleep_seconds(0.05)) {
        std::string out = x_command("xdotool search --name '^Glimmerfall$' 2>/dev/null");
        size_t end = out.find('\n');
        if (end != std::string::npos && end > 0) {
            return out.substr(0, end);
        }
    }
    return "";
}

// Red, green and blue of one pixel, or -1s when the screenshot failed.
struct Rgb {
    int r = -1;
    int g = -1;
    int b = -1;
};

// A pixel 10 in from the window's lower right corner, from a screenshot: the clear
// colour of each screen, since no logo, title picture or emblem reaches there.
inline Rgb window_pixel(const std::string &window)
{
    std::string out =
        x_command("import -window " + window + " -gravity SouthEast -crop 1x1+10+10 -depth 8 txt:- 2>/dev/null");
    Rgb c;
    size_t at = out.find("0,0: (");
    if (at != std::string::npos) {
        sscanf(out.c_str() + at, "0,0: (%d,%d,%d", &c.r, &c.g, &c.b);
    }
    return c;
}

inline bool is_white(const Rgb &c) { return c.r >= 250 && c.g >= 250 && c.b >= 250; }
inline bool is_black(const Rgb &c) { return c.r == 0 && c.g == 0 && c.b == 0; }

// Screenshots until pred holds; the seconds it took, or -1 after the timeout. The last
// pixel seen goes to *last when given.
template <typename Pred>
double wait_for_pixel(const std::string &window, double timeout, Pred pred, Rgb *last = nullptr)
{
    for (auto start = XClock::now(); seconds_since(start) < timeout;) {
        Rgb c = window_pixel(window);
        if (last) {
            *last = c;
        }
        if (pred(c)) {
            return seconds_since(start);
        }
    }
    return -1.0;
}

// Lines of a log equal to line.
inline int count_lines(const std::string &log, const std::string &line)
{
    int n = 0;
    size_t start = 0;
    for (size_t nl; (nl = log.find('\n', start)) != std::string::npos; start = nl + 1) {
        n += log.compare(start, nl - start, line) == 0;
    }
    return n;
}
