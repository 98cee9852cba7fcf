// The pause page under X, played as a player does: a game of level 101, paused with P
// while the up arrow (a fire key in play) is held; the arrows then neither resume nor
// abandon the game, W and S move the highlight, and Return on "Resume" goes on with the
// game. Every key is judged by the picture it makes (the page's title and its highlighted
// row), pressed again a bounded number of times when the picture does not come. The
// screenshots go to build/screens/e2e_pause_*.png.

#include "game/menu.h"
#include "tests/e2e/menu_session.h"
#include "tests/support/temp_dir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr float PAGE_Z = 6.0f - 2.0f;   // the pause rows' height less the languages' text depth

// The pause page's title "Paused" in its blue (100, 100, 255), and its two rows.
Box title_box(const Shot &s) { return project(-7.3f, -5.2f, 0.0f, -3.8f, PAGE_Z, s.w, s.h); }
Box row_box(const Shot &s, int row)
{
    const float y = row == 1 ? -6.0f : -7.3f;
    return project(-7.3f, y - 0.15f, 5.0f, y + 1.15f, PAGE_Z, s.w, s.h);
}

bool title_blue(int r, int g, int b) { return b > 150 && b > r + 60 && b > g + 60; }
// The highlight pulses from green to white; plain rows stay at (48, 96, 0) and the arena
// behind the page is dimmed below it.
bool highlight(int r, int g, int b) { return g > 170 && g >= r && g + 30 >= b; }

struct PauseView {
    bool shown = false;   // the page's title is there
    int row = 0;          // the highlighted row, 0 when neither or both
};

PauseView view(const Shot &s)
{
    PauseView v;
    if (!s.ok()) {
        return v;
    }
    v.shown = share(s, title_box(s), 0, title_blue) > 0.02;
    const double one = share(s, row_box(s, 1), 0, highlight);
    const double two = share(s, row_box(s, 2), 0, highlight);
    if (one > 0.02 && two < 0.002) {
        v.row = 1;
    } else if (two > 0.02 && one < 0.002) {
        v.row = 2;
    }
    return v;
}

// Presses key (held 150 ms) until the picture satisfies want, up to three presses with
// up to 2 s of screenshots after each; the last screenshot goes to *last.
template <typename Want> bool press_until(const Menu &m, const std::string &key, Want want, Shot *last)
{
    for (int attempt = 0; attempt < 3; attempt++) {
        hold_key(m.window, key);
        *last = wait_for_shot(m.window, m.w, m.h, 2.0, [&](const Shot &s) { return want(view(s)); });
        if (want(view(*last))) {
            return true;
        }
    }
    return false;
}

// Screenshots for seconds; false as soon as one does not satisfy keep.
template <typename Keep> bool stays(const Menu &m, double seconds, Keep keep, Shot *last)
{
    for (auto start = XClock::now(); seconds_since(start) < seconds; sleep_seconds(0.1)) {
        *last = grab(m.window, m.w, m.h);
        if (last->ok() && !keep(view(*last))) {
            return false;
        }
    }
    return true;
}

TEST(PausePage, ArrowsNeitherResumeNorAbandonAndReturnOnResumeGoesOn)
{
    TempDir root;
    make_play_folder(root);

    Menu m = reach_menu(root);
    ASSERT_TRUE(m.game);
    settled_page(m, rows_box(m.w, m.h));
    // One player: with nothing reached the ships' page, then play.
    hold_key(m.window, "Return");
    ASSERT_TRUE(wait_for_lines(*m.game, "[submenu] page " + std::to_string(MENU_PAGE_SHIPS), 1, 5.0))
        << m.game->log();
    sleep_seconds(0.5);
    hold_key(m.window, "Return");
    ASSERT_TRUE(wait_for_lines(*m.game, "[init] done init_level", 1, 10.0)) << m.game->log();
    sleep_seconds(1.5);

    // Paused with P while firing up.
    key_down(m, "Up");
    sleep_seconds(0.3);
    Shot s;
    const bool paused = press_until(m, "p", [](const PauseView &v) { return v.shown && v.row == 1; }, &s);
    s.save("e2e_pause_paused");
    ASSERT_TRUE(paused) << "P showed no pause page on Resume";
    const bool held = stays(m, 1.0, [](const PauseView &v) { return v.shown && v.row == 1; }, &s);
    key_up("Up");
    EXPECT_TRUE(held) << "the held arrow left the page";
    EXPECT_TRUE(stays(m, 0.5, [](const PauseView &v) { return v.shown && v.row == 1; }, &s))
        << "letting go of the arrow left the page";

    // S: the highlight on "Abandon game"; the arrows there do nothing.
    ASSERT_TRUE(press_until(m, "s", [](const PauseView &v) { return v.shown && v.row == 2; }, &s))
        << "S moved no highlight";
    s.save("e2e_pause_abandon_row");
    for (const char *arrow : {"Left", "Right", "Down", "Up"}) {
        hold_key(m.window, arrow);
        EXPECT_TRUE(stays(m, 1.0, [](const PauseView &v) { return v.shown && v.row == 2; }, &s))
            << arrow << " on \"Abandon game\" changed the page";
    }
    s.save("e2e_pause_after_arrows");
    EXPECT_EQ(m.game->log().find("[score] check "), std::string::npos) << "the game was abandoned";

    // W back to "Resume", Return: the page closes and the game goes on.
    ASSERT_TRUE(press_until(m, "w", [](const PauseView &v) { return v.shown && v.row == 1; }, &s))
        << "W moved no highlight";
    ASSERT_TRUE(press_until(m, "Return", [](const PauseView &v) { return !v.shown; }, &s))
        << "Return on Resume left the page up";
    EXPECT_TRUE(stays(m, 2.0, [](const PauseView &v) { return !v.shown; }, &s)) << "the page came back";
    s.save("e2e_pause_resumed");
    EXPECT_EQ(m.game->log().find("[score] check "), std::string::npos) << "the game ended";

    m.game->signal(SIGTERM);
    EXPECT_EQ(m.game->wait_exit(), 0);
}

} // namespace
