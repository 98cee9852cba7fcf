// The whole program's input under X: keys sent with xdotool reach the game through the
// bindings of "bindwin32.cfg" (a bound fire key skips a title screen, a bound movement
// key does not), the joysticks are counted, and the bindings are written back at exit.

#include "tests/e2e/x_session.h"
#include "tests/support/temp_dir.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace {

bool is_menu(const Rgb &c) { return c.r > 0 && c.r <= 40 && c.g == c.r && c.b == c.r; }

// The rate of the one sampler the log reports stopping ("[input] sampler ran N times in
// M ms"), in samples a second; -1 unless exactly one such line is there.
double sampler_rate(const std::string &log)
{
    const std::string head = "[input] sampler ran ";
    double rate = -1.0;
    int lines = 0;
    for (size_t at = log.find(head); at != std::string::npos; at = log.find(head, at + 1)) {
        unsigned times = 0;
        unsigned ms = 0;
        lines++;
        if (sscanf(log.c_str() + at + head.size(), "%u times in %u ms", &times, &ms) == 2 && ms > 0) {
            rate = times * 1000.0 / ms;
        }
    }
    return lines == 1 ? rate : -1.0;
}

// Starts the game with the bindings below plus extra lines in "bindwin32.cfg", skips
// both title screens with a bound key, and ends it with SIGTERM. Returns its log.
std::string play_the_titles(const std::string &binds, const std::string &extra)
{
    TempDir root;
    root.write("run/config.cfg", "#console\nrender_fullscreen 0\n");
    link_menu_art(root);
    root.write("run/bindwin32.cfg", binds + extra);
    std::unique_ptr<GameProcess> started = start_game(root.file("run"));
    EXPECT_TRUE(started);
    if (!started) {
        return "";
    }
    GameProcess &game = *started;
    std::string window = find_window(10.0);
    EXPECT_FALSE(window.empty()) << "no window captioned Glimmerfall";
    if (window.empty()) {
        return game.log();
    }
    EXPECT_EQ(count_lines(game.log(), "[input] Found 0 joysticks"), 1) << game.log();

    // The white title screen takes keys after its first 30 frames.
    EXPECT_GE(wait_for_pixel(window, 20.0, is_white), 0.0);
    sleep_seconds(1.0);
    // w, bound to movement, held down for a second: no title screen skips on it.
    x_command("xdotool mousemove --window " + window + " 20 20 keydown w");
    bool stayed = true;
    for (auto start = XClock::now(); seconds_since(start) < 1.0; sleep_seconds(0.1)) {
        stayed = stayed && is_white(window_pixel(window));
    }
    x_command("xdotool keyup w");
    EXPECT_TRUE(stayed) << "a movement key does not skip the title";

    // j, bound to fire_left (the fire stick leaves its dead zone), held down: a key held
    // cannot fall between two frames' intakes, so the time it takes tells the key from the
    // title's own end (500 frames, at least 5 s after it began).
    auto pressed = XClock::now();
    x_command("xdotool mousemove --window " + window + " 20 20 keydown j");
    double to_black = wait_for_pixel(window, 10.0, is_black);
    EXPECT_GE(to_black, 0.0) << "the bound key never reached the game";
    EXPECT_LT(seconds_since(pressed), 2.5) << "the key, not the 5 s, ended the white screen";
    EXPECT_GE(wait_for_pixel(window, 10.0, is_menu), 0.0) << "the key skips the black title too";
    x_command("xdotool keyup j");

    game.signal(SIGTERM);
    EXPECT_EQ(game.wait_exit(), 0);
    std::string log = game.log();
    EXPECT_EQ(count_lines(log, " [init] restart"), 1) << log;
    // One sampler: at most one sample each 10 ms (a second sampler would double that). A
    // busy machine delays samples, so only a steady rate is asked below; the sampler's own
    // timing is its unit tests'.
    const double rate = sampler_rate(log);
    EXPECT_LE(rate, 102.0) << "one sampler, every 10 ms\n" << log;
    EXPECT_GE(rate, 25.0) << "the sampler ran steadily\n" << log;
    EXPECT_EQ(count_lines(log, "[input] wrote bindwin32.cfg"), 1) << log;
    EXPECT_EQ(count_lines(log, "[input] released direct input j = 0"), 2) << "the first restart and the exit";
    EXPECT_EQ(root.read("run/bindwin32.cfg"), binds) << "the same bindings, written back at exit";
    EXPECT_FALSE(root.exists("run/bindwin32.cfg.tmp"));
    return log;
}

// In the order the game writes them, so the file read back compares byte for byte.
const std::string BINDS =
    "BIND mouseaxis1 fire_right\n"
    "BIND mouseaxis2 fire_back\n"
    "BIND mousebutton1 fire_only\n"
    "BIND joy1button1 fire_only\n"
    "BIND joy1dpad2 move_left\n"
    "BIND key106 fire_left\n"
    "BIND key119 move_forward\n";

TEST(Input, BoundKeysReachTheGameAndTheBindingsAreWrittenBack)
{
    play_the_titles(BINDS, "");
}

TEST(Input, ASettingsLineAmongTheBindingsIsSkipped)
{
    // Run as a console line it would restart the video, and the input, while the input
    // starts: two samplers, the first never removed.
    std::string log = play_the_titles(BINDS, "render_fullscreen 2\n");
    EXPECT_EQ(count_lines(log, "*** [input] bindwin32.cfg line 8 is not a binding, skipped: render_fullscreen 2"), 1)
        << log;
}

} // namespace
