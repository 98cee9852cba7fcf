// x_session.h -- starting the program and running X tools under the test X server.
// An X server started without -noreset resets itself whenever its last client leaves,
// and a connection opened during that reset fails: SDL then cannot open the display and
// the program ends at once with -1, and an X tool fails. test.sh starts Xvfb with
// -noreset; a display from elsewhere may not be, so both are retried.
#pragma once

#include "tests/support/game_process.h"

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

// Runs an X tool command until it succeeds (up to five times); returns its output.
inline std::string x_command(const std::string &command)
{
    return run_command("for i in 1 2 3 4 5; do " + command + " && break; sleep 0.05; done");
}
