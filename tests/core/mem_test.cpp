// Memory pool: alignment, the keeper table's limit, the hint, usage and the report.

#include "core/mem.h"

#include "tests/support/log_capture.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

class MemPool : public ::testing::Test {
protected:
    void SetUp() override { mem_init(); }
    void TearDown() override
    {
        for (MemKeeper &k : mem_keepers) {
            if (k.raw) {
                mem_free(k.aligned);
            }
        }
        mem_init();
    }
    LogCapture log;
};

TEST_F(MemPool, BlocksAreAlignedAndUsable)
{
    std::vector<void *> blocks;
    for (size_t n : {1u, 3u, 15u, 16u, 17u, 100u, 4095u, 65536u}) {
        void *p = mem_alloc(n);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ((uintptr_t)p % 16, 0u) << n;
        memset(p, 0xab, n);
        blocks.push_back(p);
    }
    for (void *p : blocks) {
        mem_free(p);
    }
    EXPECT_EQ(mem_usage, 0u);
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(MemPool, ZeroBytesIsRefusedAndLogged)
{
    EXPECT_EQ(mem_alloc(0), nullptr);
    EXPECT_EQ(log.count("*** [malloc] 0"), 1);
    EXPECT_EQ(mem_usage, 0u);
}

TEST_F(MemPool, AllKeepersThenTheRanOutMessageExactlyOnce)
{
    std::set<void *> seen;
    for (int i = 0; i < MEMORY_NUM; i++) {
        void *p = mem_alloc(8);
        ASSERT_NE(p, nullptr) << i;
        seen.insert(p);
    }
    EXPECT_EQ(seen.size(), (size_t)MEMORY_NUM);
    EXPECT_EQ(mem_hint, -1);
    EXPECT_EQ(mem_alloc(8), nullptr);
    EXPECT_EQ(mem_alloc(8), nullptr);
    EXPECT_EQ(log.count("*** [malloc] Ran out of memory keepers, increase MEMORY_NUM"), 1);
    EXPECT_EQ(log.lines().size(), 1u);

    void *victim = mem_keepers[4000].aligned;
    mem_free(victim);
    EXPECT_EQ(mem_hint, 4000);
    void *again = mem_alloc(8);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(mem_keepers[4000].aligned, again);

    log.clear();
    mem_report(1);
    EXPECT_TRUE(log.lines().empty()) << "the report stays silent once the keepers ran out";
}

TEST_F(MemPool, FreeingLowersTheHintToTheLowestEmptyKeeper)
{
    void *blocks[10];
    for (void *&p : blocks) {
        p = mem_alloc(32);
    }
    EXPECT_EQ(mem_hint, 10);
    mem_free(blocks[7]);
    mem_free(blocks[5]);
    EXPECT_EQ(mem_hint, 5);
    void *a = mem_alloc(32);
    EXPECT_EQ(mem_keepers[5].aligned, a);
    EXPECT_EQ(mem_hint, 7) << "the hint moves up to the next empty keeper";
    void *b = mem_alloc(32);
    EXPECT_EQ(mem_keepers[7].aligned, b);
    EXPECT_EQ(mem_hint, 10);
}

TEST_F(MemPool, UsageAndPeakCountTheAlignmentBytes)
{
    void *a = mem_alloc(100);
    void *b = mem_alloc(1000);
    EXPECT_EQ(mem_usage, 116u + 1016u);
    mem_free(a);
    EXPECT_EQ(mem_usage, 1016u);
    EXPECT_EQ(mem_peak, 1132u);
    void *c = mem_alloc(10);
    EXPECT_EQ(mem_peak, 1132u);
    mem_free(b);
    mem_free(c);
    EXPECT_EQ(mem_usage, 0u);
}

TEST_F(MemPool, PeakIsReportedInWholeKilobytes)
{
    void *p = mem_alloc(2047 - 16);
    mem_free(p);
    mem_report(0);
    EXPECT_EQ(log.count("[malloc] peak memory usage 1"), 1);
}

TEST_F(MemPool, LeakReportListsExactlyTheBlocksNotFreed)
{
    void *blocks[6];
    for (int i = 0; i < 6; i++) {
        blocks[i] = mem_alloc(64 * (i + 1));
    }
    mem_free(blocks[0]);
    mem_free(blocks[2]);
    mem_free(blocks[5]);
    mem_report(1);
    ASSERT_EQ(log.count_containing("Free() not called"), 3);
    for (int i : {1, 3, 4}) {
        char line[128];
        snprintf(line, sizeof(line), "*** [malloc] Free() not called for %p - %8zu bytes. %d",
                 mem_keepers[i].raw, (size_t)(64 * (i + 1) + 16), i);
        EXPECT_EQ(log.count(line), 1) << line;
    }
    log.clear();
    mem_report(0);
    EXPECT_EQ(log.count_containing("Free() not called"), 0);
}

TEST_F(MemPool, UnknownAndDoubleFreesAreLoggedNotPassedOn)
{
    void *p = mem_alloc(64);
    mem_free(p);
    mem_free(p);
    int local = 0;
    mem_free(&local);
    mem_free(nullptr);
    EXPECT_EQ(log.count_containing("*** [malloc] Warning, free of 0x"), 2);
    EXPECT_EQ(mem_usage, 0u);
}

} // namespace
