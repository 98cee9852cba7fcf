// menu_session.h -- reaching the main menu of the whole program under X: the title
// screens skipped with Return, the menu rows' green told apart on screen, log lines waited for.
#pragma once

#include "tests/e2e/x_session.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// The plain rows' green of game/menu_local.h (48, 96, 0) as it reaches the screen: the
// font pages scale it a little, and where a letter covers less than about three quarters
// of a pixel the menu's grey (33, 33, 33) shows through. The floor's rings, of a random
// hue, only add to that grey, so none of them has so little blue; the selected row
// pulses far brighter.
inline bool plain_green(int r, int g, int b) { return std::abs(r - 48) <= 16 && std::abs(g - 96) <= 24 && b <= 10; }

// The rows of pages 0 and 1 (x from -11, y from 1 down to -7.5, at height 6) with a
// margin.
inline Box rows_box(int w, int h) { return project(-12.0f, -8.5f, 4.0f, 1.2f, 6.0f, w, h); }

inline int letter_pixels(const Shot &s, Box b)
{
    int n = 0;
    for_each_in(s, b, 0, [&](int x, int y) { n += plain_green(s.at(x, y, 0), s.at(x, y, 1), s.at(x, y, 2)); });
    return n;
}

// The menu screen eases from black toward its clear colour under the floor's rings: the
// corner that was black on the second title screen is neither black nor white.
inline bool menu_screen(const Rgb &c) { return c.r >= 0 && !is_black(c) && !is_white(c); }

// Waits until the log holds at least n lines equal to line.
inline bool wait_for_lines(GameProcess &game, const std::string &line, int n, double timeout)
{
    for (auto start = XClock::now(); seconds_since(start) < timeout; sleep_seconds(0.05)) {
        if (count_lines(game.log(), line) >= n) {
            return true;
        }
    }
    return false;
}

struct Menu {
    std::unique_ptr<GameProcess> game;
    std::string window;
    int w = 0, h = 0;
    XClock::time_point shown;   // when the menu screen came up
};

// Starts the game in root/run, skips both title screens with Return and waits for the
// menu screen. Failures are reported; the game is null then.
inline Menu reach_menu(const TempDir &root)
{
    Menu m;
    m.game = start_game(root.file("run"));
    EXPECT_TRUE(m.game);
    if (!m.game) {
        return m;
    }
    m.window = find_window(10.0);
    bool sized = video_size(m.game->log(), &m.w, &m.h);
    EXPECT_FALSE(m.window.empty()) << "no window captioned Glimmerfall";
    EXPECT_TRUE(sized) << m.game->log();
    // Each title screen takes keys after its first 30 frames.
    bool white = wait_for_pixel(m.window, 5.0, is_white) >= 0.0;
    sleep_seconds(0.6);
    hold_key(m.window, "Return");
    bool black = wait_for_pixel(m.window, 3.0, is_black) >= 0.0;
    sleep_seconds(0.6);
    hold_key(m.window, "Return");
    bool menu = wait_for_pixel(m.window, 3.0, menu_screen) >= 0.0;
    m.shown = XClock::now();
    EXPECT_TRUE(white && black && menu) << "title screens and menu: " << white << black << menu;
    if (m.window.empty() || !sized || !menu) {
        m.game.reset();
    }
    return m;
}

// The share of the letter pixels of either shot that are letter pixels in only one:
// near 0 for the same words, large for other words.
inline double letters_changed(const Shot &a, const Shot &b, Box box)
{
    int either = 0, one = 0;
    for_each_in(a, box, 0, [&](int x, int y) {
        bool in_a = plain_green(a.at(x, y, 0), a.at(x, y, 1), a.at(x, y, 2));
        bool in_b = plain_green(b.at(x, y, 0), b.at(x, y, 1), b.at(x, y, 2));
        either += in_a || in_b;
        one += in_a != in_b;
    });
    return either ? (double)one / either : 0.0;
}

constexpr int LETTERS_ENOUGH = 300;   // pixels of the rows' green: several letters, not a stray one

// A page's letters fade in and shake for about 100 frames: screenshots 0.3 s apart until
// its rows' letters hold still, then the last one.
inline Shot settled_page(const Menu &m, Box rows)
{
    sleep_seconds(1.0);
    Shot last = grab(m.window, m.w, m.h);
    for (auto start = XClock::now(); seconds_since(start) < 10.0;) {
        sleep_seconds(0.3);
        Shot s = grab(m.window, m.w, m.h);
        bool still = s.ok() && last.ok() && letters_changed(last, s, rows) < 0.05;
        if (still && letter_pixels(s, rows) >= LETTERS_ENOUGH) {
            return s;
        }
        last = s;
    }
    return last;
}

// The game folder as play.sh makes it in root: the generated menu and styles, run/ with
// the level markers and the default bindings, windowed.
inline void make_play_folder(const TempDir &root)
{
    namespace fs = std::filesystem;
    link_menu_art(root);
    fs::create_directory_symlink(std::string(GLIMMERFALL_ASSETS) + "/styles", root.file("styles"));
    fs::create_directories(root.file("run"));
    for (const auto &e : fs::directory_iterator(std::string(GLIMMERFALL_ASSETS) + "/run")) {
        std::string name = e.path().filename().string();
        if (name.rfind("level", 0) == 0 && e.path().extension() == ".lua") {
            fs::copy_file(e.path(), root.file("run/" + name));
        }
    }
    fs::copy_file(GLIMMERFALL_SOURCE_DIR "/data/bindwin32.cfg", root.file("run/bindwin32.cfg"));
    root.write("run/config.cfg", "#console\nrender_fullscreen 0\n");
}

// A key pressed down (the pointer in the window, which gives it the keyboard) and let go.
inline void key_down(const Menu &m, const std::string &key)
{
    x_command("xdotool mousemove --window " + m.window + " 20 20 keydown " + key);
}

inline void key_up(const std::string &key) { x_command("xdotool keyup " + key); }
