#include "model/hugepages.h"
#include "model/parallel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <utility>

using namespace kinrow;

TEST(PartCount, FollowsTheLimitsAndTheCores)
{
    const struct
    {
        std::size_t cores, size;
        PartLimits limits;
        std::size_t parts;
    } cases[] = {
        {8, 0, {}, 1},                                        // nothing to do is one part
        {8, 5, {}, 5},                                        // never a part of nothing
        {16, 100, {}, 8},                                     // at most 8 per core by default
        {1, 100, {}, 1},                                      // one core: one part
        {4, 100, {.smallestPart = 30}, 3},                    // parts of 30 at least
        {4, 29, {.smallestPart = 30}, 1},                     // too small to split
        {4, 100, {.smallestPart = 0}, 4},                     // 0 counts as 1
        {1, 100, {.threads = 5}, 5},                          // threads asked for win over cores
        {64, 100, {.threads = 12}, 12},                       // ... and over the most
        {4, 100, {.smallestPart = 40, .threads = 5}, 2},      // ... but not over smallestPart
        {8, 19'999, {.smallestPart = 10'000, .most = 2}, 1},  // the lists below 20,000 rows
        {8, 20'000, {.smallestPart = 10'000, .most = 2}, 2},  // ... from 20,000 rows
        {8, 900'000, {.smallestPart = 10'000, .most = 2}, 2}, // ... never more than 2
        {1, 900'000, {.smallestPart = 10'000, .most = 2}, 1}, // ... one core: one part
        {8, 100, {.most = 0}, 1},                             // a most of 0 counts as 1
    };
    for (const auto& c : cases) {
        const CoreCountOverride cores(c.cores);
        EXPECT_EQ(PartCount(c.size, c.limits), c.parts)
            << c.cores << " cores, size " << c.size << ", smallest part " << c.limits.smallestPart
            << ", most " << c.limits.most << ", threads " << c.limits.threads;
    }
}

TEST(CoreCountOverride, NestsAndRestores)
{
    const std::size_t machine = CoreCount();
    EXPECT_GE(machine, 1u);
    {
        const CoreCountOverride outer(3);
        EXPECT_EQ(CoreCount(), 3u);
        {
            const CoreCountOverride inner(0);
            EXPECT_EQ(CoreCount(), 1u);
        }
        EXPECT_EQ(CoreCount(), 3u);
    }
    EXPECT_EQ(CoreCount(), machine);
}

TEST(RunParts, RunsEveryPartOnceAndTheFirstOnTheCallingThread)
{
    for (const std::size_t count : {0u, 1u, 2u, 7u}) {
        std::mutex mutex;
        std::multiset<std::size_t> ran;
        std::atomic<bool> firstHere{false};
        const auto caller = std::this_thread::get_id();
        RunParts(count, [&](std::size_t k) {
            if (k == 0)
                firstHere = std::this_thread::get_id() == caller;
            const std::lock_guard lock(mutex);
            ran.insert(k);
        });
        std::multiset<std::size_t> expected{0};
        for (std::size_t k = 1; k < count; ++k)
            expected.insert(k);
        EXPECT_EQ(ran, expected) << count;
        EXPECT_TRUE(firstHere) << count;
    }
}

TEST(RunRanges, CoverTheWholeRangeOnceInOrderedParts)
{
    const CoreCountOverride cores(4);
    for (const std::size_t count : {0u, 1u, 3u, 99u, 100u, 101u}) {
        std::mutex mutex;
        std::set<std::pair<std::size_t, std::size_t>> ranges;
        RunRanges(count, {.smallestPart = 25}, [&](std::size_t begin, std::size_t end) {
            const std::lock_guard lock(mutex);
            ranges.insert({begin, end});
        });
        ASSERT_EQ(ranges.size(), PartCount(count, {.smallestPart = 25})) << count;
        std::size_t next = 0;
        for (const auto& [begin, end] : ranges) {
            EXPECT_EQ(begin, next) << count;
            EXPECT_LE(begin, end) << count;
            next = end;
        }
        EXPECT_EQ(next, count);
    }
}

TEST(PrepareBlock, KeepsWhatTheBlockHolds)
{
    // The reader prepares blocks it has already begun to fill (a family read into a list that
    // holds persons): the advice may only change how the pages are backed, never their bytes.
    CoreCountOverride cores(2);
    for (const std::size_t bytes : {std::size_t(100), std::size_t(9) << 20}) {
        std::vector<unsigned char> block(bytes + 1);
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<unsigned char>(i * 7 + 3);
        const std::vector<unsigned char> before = block;
        PrepareBlock(block.data() + 1, bytes); // not page-aligned
        EXPECT_TRUE(block == before) << bytes;
    }
}
