// x_session.h -- starting the program and running X tools under the test X server.
// An X server started without -noreset resets itself whenever its last client leaves,
// and a connection opened during that reset fails: SDL then cannot open the display and
// the program ends at once with -1, and an X tool fails. test.sh starts Xvfb with
// -noreset; a display from elsewhere may not be, so both are retried.
#pragma once

#include "tests/support/game_process.h"
#include "tests/support/gl_window.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
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

// Holds a key for 150 ms, as a hand presses it, with the pointer in the window (which
// gives it the keyboard).
inline void hold_key(const std::string &window, const std::string &key)
{
    x_command("xdotool mousemove --window " + window + " 20 20 keydown " + key + " sleep 0.15 keyup " + key);
}

// The game takes in X's events once a frame and its input sampler reads the key state
// they leave: when a frame outlasts a press (a busy machine), the key goes down and up
// within one intake and the game never sees it. So a step presses its key, waits for the
// log line or picture that proves the key took effect, and presses again when it did not,
// KEY_PRESSES times at most. The wait after a press is long enough that a key taken late
// is seen before the next press, which would act a second time.
constexpr int KEY_PRESSES = 5;
constexpr double KEY_PROOF_SECONDS = 4.0;

template <typename Proof>
bool press_until(const std::string &window, const std::string &key, Proof proof, double wait = KEY_PROOF_SECONDS)
{
    for (int press = 0; press < KEY_PRESSES; press++) {
        hold_key(window, key);
        for (auto start = XClock::now();; sleep_seconds(0.05)) {
            if (proof()) {
                return true;
            }
            if (seconds_since(start) >= wait) {
                break;
            }
        }
    }
    return false;
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

// A proof for press_until: the log holds at least n lines equal to line.
inline auto log_lines(GameProcess &game, const std::string &line, int n)
{
    return [&game, line, n] { return count_lines(game.log(), line) >= n; };
}

// A proof for press_until: the pixel window_pixel reads satisfies pred.
template <typename Pred> auto pixel_is(const std::string &window, Pred pred)
{
    return [window, pred] { return pred(window_pixel(window)); };
}

// The window's size from the log's "[zwin] Setting video mode N: WxH" line; false when
// there is none.
inline bool video_size(const std::string &log, int *w, int *h)
{
    size_t at = log.find("[zwin] Setting video mode ");
    int index = 0;
    return at != std::string::npos &&
           sscanf(log.c_str() + at, "[zwin] Setting video mode %d: %dx%d", &index, w, h) == 3;
}

// The window's picture: rows from the top, 3 bytes a pixel.
struct Shot {
    int w = 0, h = 0;
    std::string rgb;
    bool ok() const { return w > 0 && h > 0 && rgb.size() == (size_t)w * (size_t)h * 3; }
    int at(int x, int y, int c) const { return (uint8_t)rgb[((size_t)y * (size_t)w + (size_t)x) * 3 + (size_t)c]; }
    // Saved as build/screens/NAME.png for a person to look at.
    bool save(const std::string &name) const
    {
        std::filesystem::create_directories(GLIMMERFALL_BINARY_DIR "/screens");
        return png_write_rgb(GLIMMERFALL_BINARY_DIR "/screens/" + name + ".png", w, h,
                             std::vector<uint8_t>(rgb.begin(), rgb.end()));
    }
};

inline Shot grab(const std::string &window, int w, int h)
{
    Shot s;
    s.w = w;
    s.h = h;
    s.rgb = x_command("import -window " + window + " -depth 8 rgb:- 2>/dev/null");
    return s;
}

// Screenshots until check holds or the time is up; the last one.
template <typename Check> Shot wait_for_shot(const std::string &window, int w, int h, double timeout, Check check)
{
    Shot s;
    for (auto start = XClock::now(); seconds_since(start) < timeout;) {
        s = grab(window, w, h);
        if (s.ok() && check(s)) {
            break;
        }
        sleep_seconds(0.2);
    }
    return s;
}

// A rectangle of the overlay plane at height z in window pixels (rows from the top), as
// the 45-degree projection puts it in a window of w x h.
struct Box {
    int x0, y0, x1, y1;
};
inline Box project(float x1, float y1, float x2, float y2, float z, int w, int h)
{
    const double half = (30.0 - z) * std::tan(22.5 * M_PI / 180.0);
    const double aspect = (double)w / h;
    auto px = [&](float x) { return (x / (half * aspect) + 1.0) * 0.5 * w; };
    auto py = [&](float y) { return (1.0 - y / half) * 0.5 * h; };
    return Box{(int)std::lround(px(x1)), (int)std::lround(py(y2)), (int)std::lround(px(x2)) - 1,
               (int)std::lround(py(y1)) - 1};
}

// Calls f(x, y) for every pixel inside b shrunk by margin and within the shot.
template <typename F> void for_each_in(const Shot &s, Box b, int margin, F f)
{
    for (int y = std::max(b.y0 + margin, 0); y <= std::min(b.y1 - margin, s.h - 1); y++) {
        for (int x = std::max(b.x0 + margin, 0); x <= std::min(b.x1 - margin, s.w - 1); x++) {
            f(x, y);
        }
    }
}

// The share of pixels inside b (shrunk by margin) for which pred(r, g, b) holds.
template <typename Pred> double share(const Shot &s, Box b, int margin, Pred pred)
{
    int n = 0, hits = 0;
    for_each_in(s, b, margin, [&](int x, int y) {
        n++;
        hits += pred(s.at(x, y, 0), s.at(x, y, 1), s.at(x, y, 2));
    });
    return n ? (double)hits / n : 0.0;
}
