// The front end's pictures in the whole program under X with the generated asset tree:
// each title screen shows its logo in the rectangle where the overlay puts it, and the
// main menu shows the title scene (the name, both corner emblems, the floor layers).
// The screenshots go to build/screens/e2e_*.png.

#include "tests/e2e/x_session.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

// The share of pixels outside b (grown by margin) for which pred holds.
template <typename Pred> double share_outside(const Shot &s, Box b, int margin, Pred pred)
{
    int n = 0, hits = 0;
    for (int y = 0; y < s.h; y++) {
        for (int x = 0; x < s.w; x++) {
            if (x >= b.x0 - margin && x <= b.x1 + margin && y >= b.y0 - margin && y <= b.y1 + margin) {
                continue;
            }
            n++;
            hits += pred(s.at(x, y, 0), s.at(x, y, 1), s.at(x, y, 2));
        }
    }
    return n ? (double)hits / n : 0.0;
}

bool white(int r, int g, int b) { return r >= 250 && g >= 250 && b >= 250; }
bool black(int r, int g, int b) { return r + g + b == 0; }
bool not_white(int r, int g, int b) { return !white(r, g, b); }
bool not_black(int r, int g, int b) { return !black(r, g, b); }

TEST(FrontEnd, TitleScreensShowTheirLogosAndTheMenuItsTitleScene)
{
    TempDir root;
    link_menu_art(root);
    std::filesystem::create_directory_symlink(std::string(GLIMMERFALL_ASSETS) + "/styles", root.file("styles"));
    root.write("run/config.cfg", "#console\nrender_fullscreen 0\n");
    std::unique_ptr<GameProcess> started = start_game(root.file("run"));
    ASSERT_TRUE(started);
    GameProcess &game = *started;
    std::string window = find_window(10.0);
    ASSERT_FALSE(window.empty()) << "no window captioned Glimmerfall";
    int w = 0, h = 0;
    std::string log = game.log();
    ASSERT_TRUE(video_size(log, &w, &h)) << log;

    // First title: the studio page on white, once it has faded in (the window is black
    // before the first frame).
    const Box logo = project(-9.0f, -3.5f, 9.0f, 5.5f, 13.0f, w, h);
    const Box top_edge{logo.x0, logo.y0, logo.x1, logo.y0 + 3};
    auto dark = [](int r, int g, int b) { return r + g + b < 200; };
    Shot one = wait_for_shot(window, w, h, 15.0, [&](const Shot &s) {
        return share(s, logo, 1, not_white) > 0.9 && share_outside(s, logo, 2, not_white) == 0.0 &&
               share(s, top_edge, 0, dark) > 0.9;
    });
    ASSERT_TRUE(one.ok());
    one.save("e2e_title1");
    EXPECT_GT(share(one, logo, 1, not_white), 0.9) << "the page fills its rectangle";
    EXPECT_EQ(share_outside(one, logo, 2, not_white), 0.0) << "white around it";
    EXPECT_GT(share(one, top_edge, 0, dark), 0.9) << "its dark frame along the top edge";

    // A key press skips to the second title: the falling crystal on black.
    ASSERT_TRUE(press_until(window, "Return", pixel_is(window, is_black))) << "Return left the white title up";
    auto blue = [](int r, int, int b) { return b > 25 && b > r + 10; };
    Shot two = wait_for_shot(window, w, h, 15.0, [&](const Shot &s) {
        return share(s, logo, 2, not_black) > 0.95 && share(s, logo, 2, blue) > 0.5;
    });
    ASSERT_TRUE(two.ok());
    two.save("e2e_title2");
    EXPECT_GT(share(two, logo, 2, not_black), 0.95) << "opaque over its rectangle";
    EXPECT_GT(share(two, logo, 2, blue), 0.5) << "the night sky";
    EXPECT_EQ(share_outside(two, logo, 2, not_black), 0.0) << "black around it";

    // The menu: the title scene behind the rows. Its corner eases from black toward grey.
    ASSERT_TRUE(press_until(window, "Return", pixel_is(window, [](const Rgb &c) { return c.r > 0 && !is_white(c); })))
        << "Return left the black title up";
    const Box top = project(2.25f - 6.0f, 3.75f - 1.5f, 2.25f + 6.0f, 3.75f + 1.5f, 10.0f, w, h);
    const Box bottom = project(7.9f, -7.9f, 10.3f, -5.5f, 10.0f, w, h);
    const Box corner = project(-10.3f, 5.5f, -7.9f, 7.9f, 10.0f, w, h);
    // Below the name and right of the rows: only the floor's rings lie there.
    const Box floor = project(0.0f, -5.0f, 6.0f, -1.0f, 10.0f, w, h);
    auto unlike_clear = [](int r, int g, int b) {
        // The menu's clear colour is a grey of at most 33.
        return std::abs(r - g) + std::abs(g - b) > 24 || std::max({r, g, b}) > 60;
    };
    Shot menu = wait_for_shot(window, w, h, 15.0, [&](const Shot &s) {
        return share(s, top, 0, unlike_clear) > 0.2 && share(s, corner, 4, unlike_clear) > 0.5 &&
               share(s, bottom, 4, unlike_clear) > 0.5;
    });
    ASSERT_TRUE(menu.ok());
    menu.save("e2e_menu");
    EXPECT_GT(share(menu, top, 0, unlike_clear), 0.2) << "the lettered name";
    EXPECT_GT(share(menu, corner, 4, unlike_clear), 0.5) << "the upper left emblem";
    EXPECT_GT(share(menu, bottom, 4, unlike_clear), 0.5) << "the lower right emblem";
    EXPECT_GT(share(menu, floor, 0, unlike_clear), 0.01) << "the floor layers";
    // A moment later the menu's rows stand over it (kept for a person to look at).
    sleep_seconds(1.5);
    grab(window, w, h).save("e2e_menu_rows");
    log = game.log();
    EXPECT_GE(count_lines(log, "[zgl] title load"), 3) << "both logos and the title scene";

    game.signal(SIGTERM);
    EXPECT_EQ(game.wait_exit(), 0);
    EXPECT_EQ(game.log().find("*** [texture]"), std::string::npos) << "every picture found";
}

} // namespace
