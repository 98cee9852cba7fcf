// The whole program under X: start-up log, orderly shut-down on SIGTERM.

#include "tests/e2e/x_session.h"
#include "tests/support/temp_dir.h"

#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(ProgramShell, StartsLogsAndQuitsOnSigterm)
{
    TempDir root;
    root.write("run/config.cfg", "#console\nrender_fullscreen 0\n");
    std::unique_ptr<GameProcess> started = start_game(root.file("run"));
    ASSERT_TRUE(started);
    GameProcess &game = *started;
    ASSERT_TRUE(game.wait_for_log("[init] done init_game")) << game.log();

    std::string log = game.log();
    size_t start = 0;
    std::vector<std::string> lines;
    for (size_t nl; (nl = log.find('\n', start)) != std::string::npos; start = nl + 1) {
        lines.push_back(log.substr(start, nl - start));
    }
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("*** ", 0), 0u);
    EXPECT_EQ(lines[1].rfind("*** ", 0), 0u);
    EXPECT_EQ(lines[2].rfind("[console] v1.33 log started ", 0), 0u);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], root.path()) << "the base folder is the working folder cut at its last '/'";

    game.signal(SIGTERM);
    EXPECT_EQ(game.wait_exit(), 0);
    std::string config = root.read("run/config.cfg");
    EXPECT_EQ(config.rfind("#console\n", 0), 0u);
    EXPECT_NE(config.find("\nrender_fullscreen 0.000000\n"), std::string::npos);
    EXPECT_NE(game.log().find("[init] done free_game"), std::string::npos);
}

} // namespace
