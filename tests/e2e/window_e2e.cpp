// The whole program under X with a windowed "config.cfg": the window opens with its
// caption and logged mode, the screens walk from the white title through the black one
// to the menu (a held key skipping the titles), and SIGTERM ends it in order.

#include "tests/e2e/x_session.h"
#include "tests/support/temp_dir.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace {

// The menu screen eases from black toward its grey, 33 of 255.
bool is_menu_grey(const Rgb &c, int at_least) { return c.r >= at_least && c.r <= 40 && c.g == c.r && c.b == c.r; }

TEST(Window, OpensWalksTheScreensAndQuitsOnSigterm)
{
    TempDir root;
    root.write("run/config.cfg", "#console\nrender_fullscreen 0\n");
    link_menu_art(root);
    const std::string binds = "BIND key97 fire_left\n";
    root.write("run/bindwin32.cfg", binds);
    std::unique_ptr<GameProcess> started = start_game(root.file("run"));
    ASSERT_TRUE(started);
    GameProcess &game = *started;
    ASSERT_TRUE(game.wait_for_log("[init] done init_game")) << game.log();
    std::string window = find_window(10.0);
    ASSERT_FALSE(window.empty()) << "no window captioned Glimmerfall";
    EXPECT_NE(x_command("xwininfo -id " + window).find("\"Glimmerfall\""), std::string::npos);

    std::string log = game.log();
    bool listed = log.find("\n[zwin] Available screenmodes:\n  ") != std::string::npos;
    bool no_list = log.find("\n[zwin] no list of screenmodes") != std::string::npos;
    EXPECT_TRUE(listed || no_list) << log;
    EXPECT_TRUE(std::regex_search(log, std::regex("\n\\[zwin\\] Setting video mode -?[0-9]+: [0-9]+x[0-9]+\n"))) << log;
    EXPECT_TRUE(std::regex_search(log, std::regex("\ndepth [0-9]+, double [0-9]+, buffer [0-9]+\n"))) << log;
    EXPECT_EQ(count_lines(log, " [init] restart"), 1) << log;
    EXPECT_EQ(count_lines(log, "[init] done init_game"), 1) << log;

    // The first title screen is white and, without a key, lasts 500 frames (5 s).
    Rgb c;
    ASSERT_GE(wait_for_pixel(window, 20.0, is_white, &c), 0.0) << "last pixel " << c.r << "," << c.g << "," << c.b;
    sleep_seconds(1.0);
    c = window_pixel(window);
    EXPECT_TRUE(is_white(c)) << "still the first title after 1 s: " << c.r << "," << c.g << "," << c.b;

    // A key held after the first 30 frames skips it to the black second screen, and
    // 30 frames into that one skips it too. A key held cannot fall between two frames'
    // intakes. Without it each screen lasts 500 frames, at least 5 s.
    x_command("xdotool mousemove --window " + window + " 20 20 keydown Return");
    double to_black = wait_for_pixel(window, 10.0, is_black, &c);
    EXPECT_GE(to_black, 0.0) << "last pixel " << c.r << "," << c.g << "," << c.b;
    EXPECT_LT(to_black, 2.5) << "the key, not the 5 s, ended the white screen";
    double to_menu = wait_for_pixel(window, 10.0, [](const Rgb &p) { return is_menu_grey(p, 3); }, &c);
    x_command("xdotool keyup Return");
    EXPECT_GE(to_menu, 0.0) << "last pixel " << c.r << "," << c.g << "," << c.b;
    // (30 frames, a third of a second on a quiet machine; a busy one is allowed more.)
    EXPECT_LT(to_menu, 4.0) << "the key, not the 5 s, ended the black screen";

    // The menu screen eases toward its grey.
    EXPECT_GE(wait_for_pixel(window, 10.0, [](const Rgb &p) { return is_menu_grey(p, 30); }, &c), 0.0)
        << "last pixel " << c.r << "," << c.g << "," << c.b;

    game.signal(SIGTERM);
    EXPECT_EQ(game.wait_exit(), 0);
    log = game.log();
    EXPECT_EQ(count_lines(log, "[init] done free_game"), 1) << log;
    std::string config = root.read("run/config.cfg");
    EXPECT_EQ(config.rfind("#console\n", 0), 0u);
    EXPECT_NE(config.find("\nrender_fullscreen 0.000000\n"), std::string::npos) << config;
    EXPECT_EQ(root.read("run/bindwin32.cfg"), binds) << "no empty bindings written over the player's";
}

} // namespace
