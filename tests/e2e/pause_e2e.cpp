// The pause page under X, played as a player does: a game of level 101, paused with P
// while the up arrow (a fire key in play) is held; the arrows then neither resume nor
// abandon the game, W and S move the highlight, and Return on "Resume" goes on with the
// game. Every key is judged by the log line or the picture it makes (the page's title and
// its highlighted row, once the page's letters have flown in), pressed again a bounded
// number of times when it does not come. The screenshots go to build/screens/e2e_pause_*.png.

#include "game/menu.h"
#include "tests/e2e/menu_session.h"
#include "tests/support/temp_dir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <string>

namespace {

// The pause page's title and rows.
Box pause_box(const Menu &m) { return project(-7.3f, -7.45f, 5.0f, -3.8f, PAGE_Z, m.w, m.h); }

// Presses key until the pause page's picture satisfies want.
template <typename Want> bool press_until_view(const Menu &m, const std::string &key, Want want, Shot *last)
{
    return press_until(m.window, key, [&] {
        *last = grab(m.window, m.w, m.h);
        return last->ok() && want(pause_view(*last));
    });
}

// Holds key down for seconds of screenshots; false as soon as one does not satisfy keep.
// The highlight pulses, so two different pictures while it is down prove the game drew
// frames, and read the key, meanwhile.
template <typename Keep> bool stays_while_held(const Menu &m, const std::string &key, double seconds, Keep keep, Shot *last)
{
    key_down(m, key);
    bool kept = true;
    std::string first;
    bool changed = false;
    for (auto start = XClock::now(); kept && (seconds_since(start) < seconds || !changed); sleep_seconds(0.1)) {
        *last = grab(m.window, m.w, m.h);
        if (!last->ok()) {
            continue;
        }
        kept = keep(pause_view(*last));
        if (first.empty()) {
            first = last->rgb;
        }
        changed = changed || last->rgb != first;
        if (seconds_since(start) > 20.0) {
            break;   // no frame drawn: the page is not moving at all
        }
    }
    key_up(key);
    EXPECT_TRUE(changed) << "no frame drawn while " << key << " was down";
    return kept;
}

// Screenshots for seconds; false as soon as one does not satisfy keep.
template <typename Keep> bool stays(const Menu &m, double seconds, Keep keep, Shot *last)
{
    for (auto start = XClock::now(); seconds_since(start) < seconds; sleep_seconds(0.1)) {
        *last = grab(m.window, m.w, m.h);
        if (last->ok() && !keep(pause_view(*last))) {
            last->save("e2e_pause_left");
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
    ASSERT_TRUE(press_until(m.window, "Return",
                            log_lines(*m.game, "[submenu] page " + std::to_string(MENU_PAGE_SHIPS), 1)))
        << m.game->log();
    ASSERT_TRUE(press_until(m.window, "Return", log_lines(*m.game, "[submenu] play", 1))) << m.game->log();
    ASSERT_TRUE(wait_for_lines(*m.game, "[init] done init_level", 1, 20.0)) << m.game->log();
    sleep_seconds(1.5);

    // Paused with P while firing up. The page's letters fly in and settle first.
    key_down(m, "Up");
    sleep_seconds(0.3);
    ASSERT_TRUE(press_until(m.window, "p", log_lines(*m.game, "[submenu] page " + std::to_string(MENU_PAGE_PAUSE), 1)))
        << "P showed no pause page\n" << m.game->log();
    Shot s = settled_page(m, pause_box(m));
    s.save("e2e_pause_paused");
    const PauseView first = pause_view(s);
    ASSERT_TRUE(first.shown && first.row == 1) << "the pause page on Resume: " << first.shown << " " << first.row;
    const bool held = stays(m, 1.0, [](const PauseView &v) { return v.shown && v.row == 1; }, &s);
    key_up("Up");
    EXPECT_TRUE(held) << "the held arrow left the page";
    EXPECT_TRUE(stays(m, 0.5, [](const PauseView &v) { return v.shown && v.row == 1; }, &s))
        << "letting go of the arrow left the page";

    // S: the highlight on "Abandon game"; the arrows there do nothing.
    ASSERT_TRUE(press_until_view(m, "s", [](const PauseView &v) { return v.shown && v.row == 2; }, &s))
        << "S moved no highlight";
    s.save("e2e_pause_abandon_row");
    for (const char *arrow : {"Left", "Right", "Down", "Up"}) {
        EXPECT_TRUE(stays_while_held(m, arrow, 1.0, [](const PauseView &v) { return v.shown && v.row == 2; }, &s))
            << arrow << " on \"Abandon game\" changed the page";
        EXPECT_TRUE(stays(m, 0.3, [](const PauseView &v) { return v.shown && v.row == 2; }, &s))
            << "letting go of " << arrow << " changed the page";
    }
    s.save("e2e_pause_after_arrows");
    EXPECT_EQ(m.game->log().find("[score] check "), std::string::npos) << "the game was abandoned";

    // W back to "Resume", Return: the page closes and the game goes on.
    ASSERT_TRUE(press_until_view(m, "w", [](const PauseView &v) { return v.shown && v.row == 1; }, &s))
        << "W moved no highlight";
    ASSERT_TRUE(press_until_view(m, "Return", [](const PauseView &v) { return !v.shown; }, &s))
        << "Return on Resume left the page up";
    EXPECT_TRUE(stays(m, 2.0, [](const PauseView &v) { return !v.shown; }, &s)) << "the page came back";
    s.save("e2e_pause_resumed");
    EXPECT_EQ(m.game->log().find("[score] check "), std::string::npos) << "the game ended";

    m.game->signal(SIGTERM);
    EXPECT_EQ(m.game->wait_exit(), 0);
}

} // namespace
