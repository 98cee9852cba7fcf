// menu_session.h -- reaching the main menu of the whole program under X: the title
// screens skipped with Return, the menu rows' green told apart on screen, log lines waited for.
#pragma once

#include "tests/e2e/x_session.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

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
    // Each title screen takes keys after its first 30 frames: a press before then is
    // pressed again.
    bool white = wait_for_pixel(m.window, 20.0, is_white) >= 0.0;
    bool black = press_until(m.window, "Return", pixel_is(m.window, is_black));
    bool menu = press_until(m.window, "Return", pixel_is(m.window, menu_screen));
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

// A proof for press_until: a screenshot of the menu's window satisfies pred.
template <typename Pred> auto shot_is(const Menu &m, Pred pred)
{
    return [&m, pred] {
        Shot s = grab(m.window, m.w, m.h);
        return s.ok() && pred(s);
    };
}

// ---- the highlighted row

// The pages' rows lie at height 6 less the languages' text depth; the highlighted row is
// drawn half a unit nearer and pulses from green to white. Plain rows stay at (48, 96, 0)
// and whatever lies behind a page is darker.
constexpr float PAGE_Z = 6.0f - 2.0f;
inline bool highlight(int r, int g, int b) { return g > 170 && g >= r && g + 30 >= b; }

// The band of a row whose letters start at x0 and stand at y, to x1.
inline Box row_band(const Shot &s, float x0, float x1, float y)
{
    return project(x0 - 0.3f, y - 0.15f, x1, y + 1.15f, PAGE_Z, s.w, s.h);
}

// The row among rows (their heights, from row 1 on) that carries the highlight: its
// number, or 0 when none does. Bright points of the picture behind a page (the floor's
// sparkles, of a random hue) pass the test of the highlight's colour too, but never the
// plain rows' green: the highlighted row has the most of the highlight's colour and none
// of the plain green, and any other row with a fair part of the highlight's colour shows
// its plain letters.
inline int highlighted_row(const Shot &s, float x0, float x1, const std::vector<float> &rows)
{
    std::vector<double> lit, plain;
    size_t r = 0;
    for (size_t i = 0; i < rows.size(); i++) {
        const Box band = row_band(s, x0, x1, rows[i]);
        lit.push_back(share(s, band, 0, highlight));
        plain.push_back(share(s, band, 0, plain_green));
        r = lit[i] > lit[r] ? i : r;
    }
    if (rows.empty() || lit[r] < 0.006 || plain[r] > 0.004) {
        return 0;
    }
    for (size_t i = 0; i < rows.size(); i++) {
        if (i != r && lit[i] * 4.0 > lit[r] && plain[i] < 0.01) {
            return 0;
        }
    }
    return (int)r + 1;
}

// The main page's rows (One player ... Settings, Help, Quit).
inline int main_page_row(const Shot &s) { return highlighted_row(s, -11.0f, 5.0f, {0, -1, -2, -3, -4, -5, -7.5f}); }

// The pause page: whether its title "Paused" shows in its blue (100, 100, 255), and its
// highlighted row (1 "Resume", 2 "Abandon game", 0 when neither stands out).
struct PauseView {
    bool shown = false;
    int row = 0;
};

inline PauseView pause_view(const Shot &s)
{
    PauseView v;
    if (!s.ok()) {
        return v;
    }
    auto title_blue = [](int r, int g, int b) { return b > 150 && b > r + 60 && b > g + 60; };
    v.shown = share(s, project(-7.3f, -5.2f, 0.0f, -3.8f, PAGE_Z, s.w, s.h), 0, title_blue) > 0.02;
    v.row = highlighted_row(s, -7.0f, 5.0f, {-6.0f, -7.3f});
    return v;
}

// A key pressed down (the pointer in the window, which gives it the keyboard) and let go.
inline void key_down(const Menu &m, const std::string &key)
{
    x_command("xdotool mousemove --window " + m.window + " 20 20 keydown " + key);
}

inline void key_up(const std::string &key) { x_command("xdotool keyup " + key); }
