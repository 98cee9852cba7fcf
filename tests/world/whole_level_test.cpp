// Whole levels headless with the real scripts and models: the ship flies, fires and
// bombs under a scripted pattern until the level ends; nothing stays in the memory pool,
// and the same seed replays the same level.

#include "tests/world/level_run.h"

#include "core/mem.h"
#include "tests/support/log_capture.h"

#include <gtest/gtest.h>

namespace {

constexpr int LEVEL_TICK_LIMIT = 20000;
constexpr time_t LEVEL_SEED = 1700000000;

struct Played {
    uint64_t hash;
    int ticks;
    int end_request;
    int peak_enemies;
    int score;
    int bombs;
    int deaths;
};

Played play(int level, time_t seed)
{
    mem_init();
    LogCapture log;
    Played p{};
    {
        LevelRun run(GLIMMERFALL_ASSETS, level, seed);
        EXPECT_NE(g_gamer_first, nullptr) << "level " << level << " launched the ship";
        run.run(LEVEL_TICK_LIMIT);
        p = Played{run.hash(), run.ticks(), g_level_end_request, run.peak_enemies(), g_gameinfo[0].score,
                   run.bombs_dropped(), run.deaths()};
    }
    EXPECT_EQ(mem_usage, 0u) << "level " << level;
    mem_report(1);
    EXPECT_EQ(log.count("Free() not called"), 0) << "level " << level;
    mem_init();
    return p;
}

class WholeLevel : public ::testing::TestWithParam<int> {};

TEST_P(WholeLevel, RunsToItsEndWithoutLeaksAndReplaysFromItsSeed)
{
    int level = GetParam();
    Played a = play(level, LEVEL_SEED);
    EXPECT_GT(a.peak_enemies, 0) << "the script launched its waves";
    EXPECT_GT(a.bombs, 0) << "the bomb button dropped bombs";
    printf("level %d: %d ticks, end request %d, at most %d enemies, %d bombs, %d deaths, score %d, state %016llx\n",
           level, a.ticks, a.end_request, a.peak_enemies, a.bombs, a.deaths, a.score, (unsigned long long)a.hash);
    EXPECT_TRUE(a.end_request == LEVEL_END_COMPLETE || a.ticks == LEVEL_TICK_LIMIT)
        << "level " << level << " ended with request " << a.end_request << " after " << a.ticks;
    Played b = play(level, LEVEL_SEED);
    EXPECT_EQ(a.hash, b.hash);
    EXPECT_EQ(a.ticks, b.ticks);
    EXPECT_EQ(a.score, b.score);
    EXPECT_EQ(a.deaths, b.deaths);
}

// The first level, the boss of the third decade, and the level whose waves launch the
// most enemies.
INSTANTIATE_TEST_SUITE_P(Levels, WholeLevel, ::testing::Values(101, 129, 181));

}  // namespace
