// Random generator: MT19937 as published, and the game's fraction scalings.

#include "core/mt.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace {

TEST(MersenneTwister, MatchesTheStandardGeneratorForSeveralSeeds)
{
    for (uint32_t seed : {0u, 1u, 5489u, 12345u, 0x9908b0dfu, 0xffffffffu}) {
        std::mt19937 reference(seed);
        mt_seed(seed);
        for (int i = 0; i < 2000; i++) {
            ASSERT_EQ(mt_rand(), reference()) << "seed " << seed << " draw " << i;
        }
    }
}

TEST(MersenneTwister, ReseedingReplaysTheSequence)
{
    mt_seed(777);
    uint32_t first[8];
    for (uint32_t &v : first) {
        v = mt_rand();
    }
    mt_seed(777);
    for (uint32_t v : first) {
        EXPECT_EQ(mt_rand(), v);
    }
}

TEST(MersenneTwisterDeathTest, UnseededGeneratorSeedsItselfWith5489)
{
    // A fresh process: no other test has seeded the generator there.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(exit(mt_rand() == 3499211612u ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST(MersenneTwister, FractionsStayInTheirRanges)
{
    mt_seed(42);
    for (int i = 0; i < 10000; i++) {
        float u = mt_rand_unit();
        float s = mt_rand_signed();
        ASSERT_GE(u, 0.0f);
        ASSERT_LE(u, 1.0f);
        ASSERT_GE(s, -1.0f);
        ASSERT_LE(s, 1.0f);
    }
}

} // namespace
