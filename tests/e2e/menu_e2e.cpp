// The menus' words in the whole program under X with the generated asset tree: the main
// menu's rows show in their green soon after the menu screen comes up, and the language
// chosen on the settings page changes the words on screen, is saved in "config.cfg" and
// is the one the menus speak after a restart. The screenshots go to
// build/screens/e2e_menu_*.png.

#include "tests/e2e/x_session.h"
#include "tests/support/temp_dir.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The plain rows' green of game/menu_local.h (48, 96, 0) as it reaches the screen: the
// font pages scale it a little, and where a letter covers less than about three quarters
// of a pixel the menu's grey (33, 33, 33) shows through. The floor's rings, of a random
// hue, only add to that grey, so none of them has so little blue; the selected row
// pulses far brighter.
bool plain_green(int r, int g, int b) { return std::abs(r - 48) <= 16 && std::abs(g - 96) <= 24 && b <= 10; }

// The rows of pages 0 and 1 (x from -11, y from 1 down to -7.5, at height 6) with a
// margin, and the same heights right of every English row.
Box rows_box(int w, int h) { return project(-12.0f, -8.5f, 4.0f, 1.2f, 6.0f, w, h); }
Box right_box(int w, int h) { return project(4.0f, -8.5f, 13.0f, 1.2f, 6.0f, w, h); }

int letter_pixels(const Shot &s, Box b)
{
    int n = 0;
    for_each_in(s, b, 0, [&](int x, int y) { n += plain_green(s.at(x, y, 0), s.at(x, y, 1), s.at(x, y, 2)); });
    return n;
}

// The share of the letter pixels of either shot that are letter pixels in only one:
// near 0 for the same words, large for other words.
double letters_changed(const Shot &a, const Shot &b, Box box)
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

// The menu screen eases from black toward its clear colour under the floor's rings: the
// corner that was black on the second title screen is neither black nor white.
bool menu_screen(const Rgb &c) { return c.r >= 0 && !is_black(c) && !is_white(c); }

// Waits until the log holds at least n lines equal to line.
bool wait_for_lines(GameProcess &game, const std::string &line, int n, double timeout)
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
Menu reach_menu(const TempDir &root)
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

// Ends the game with SIGTERM, which saves "config.cfg"; returns the file.
std::string quit(Menu &m, const TempDir &root)
{
    m.game->signal(SIGTERM);
    EXPECT_EQ(m.game->wait_exit(), 0);
    EXPECT_EQ(count_lines(m.game->log(), "[init] done free_game"), 1) << m.game->log();
    return root.read("run/config.cfg");
}

constexpr int ENOUGH = 300;   // pixels of the rows' green: several letters, not a stray one

// A page's letters fade in and shake for about 100 frames: screenshots 0.3 s apart until
// its rows' letters hold still, then the last one.
Shot settled_page(const Menu &m, Box rows)
{
    sleep_seconds(1.0);
    Shot last = grab(m.window, m.w, m.h);
    for (auto start = XClock::now(); seconds_since(start) < 10.0;) {
        sleep_seconds(0.3);
        Shot s = grab(m.window, m.w, m.h);
        bool still = s.ok() && last.ok() && letters_changed(last, s, rows) < 0.05;
        if (still && letter_pixels(s, rows) >= ENOUGH) {
            return s;
        }
        last = s;
    }
    return last;
}

TEST(MenuText, RowsShowInGreenAndTheChosenLanguageSurvivesARestart)
{
    TempDir root;
    link_menu_art(root);
    std::filesystem::create_directory_symlink(std::string(GLIMMERFALL_ASSETS) + "/styles", root.file("styles"));
    root.write("run/config.cfg", "#console\nrender_fullscreen 0\n");

    Menu m = reach_menu(root);
    ASSERT_TRUE(m.game);
    const Box rows = rows_box(m.w, m.h);
    const Box right = right_box(m.w, m.h);
    // Letters where the rows are and not where none are.
    auto letters = [&](const Shot &s) {
        int in_rows = letter_pixels(s, rows);
        return in_rows >= ENOUGH && letter_pixels(s, right) * 10 < in_rows;
    };
    Shot first = wait_for_shot(m.window, m.w, m.h, 5.0, letters);
    double seconds = seconds_since(m.shown);
    ASSERT_TRUE(first.ok());
    first.save("e2e_menu_first");
    EXPECT_TRUE(letters(first)) << letter_pixels(first, rows) << " pixels of the rows' green in the rows, "
                                << letter_pixels(first, right) << " right of them";
    EXPECT_LT(seconds, 5.0);
    Shot main_en = settled_page(m, rows);
    ASSERT_TRUE(main_en.ok());
    main_en.save("e2e_menu_en");

    // Settings (row 5), then its language row (row 1).
    for (int i = 0; i < 4; i++) {
        hold_key(m.window, "Down");
        sleep_seconds(0.1);
    }
    hold_key(m.window, "Return");
    ASSERT_TRUE(wait_for_lines(*m.game, "[submenu] page 1", 1, 3.0)) << m.game->log();
    Shot settings_en = settled_page(m, rows);
    hold_key(m.window, "Return");
    Shot settings_de = settled_page(m, rows);
    ASSERT_TRUE(settings_en.ok() && settings_de.ok());
    settings_en.save("e2e_menu_settings_en");
    settings_de.save("e2e_menu_settings_de");
    // The same words differ by about 0.02 from one shot to the next, other words by 0.6.
    EXPECT_GT(letters_changed(settings_en, settings_de, rows), 0.4) << "other words after the choice";
    EXPECT_GE(letter_pixels(settings_de, rows), ENOUGH);
    EXPECT_NE(quit(m, root).find("\nlanguage_num 1.000000\n"), std::string::npos)
        << "the second language of languages.txt, de, saved";

    // A restart speaks German from the start.
    Menu again = reach_menu(root);
    ASSERT_TRUE(again.game);
    Shot main_de = settled_page(again, rows);
    ASSERT_TRUE(main_de.ok());
    main_de.save("e2e_menu_de");
    EXPECT_GE(letter_pixels(main_de, rows), ENOUGH);
    EXPECT_GT(letters_changed(main_en, main_de, rows), 0.4) << "the main menu in other words";
    EXPECT_NE(quit(again, root).find("\nlanguage_num 1.000000\n"), std::string::npos);
}

} // namespace
