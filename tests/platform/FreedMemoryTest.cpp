#include "platform/FreedMemory.h"

#include "support/ResidentMemory.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <vector>


TEST(FreedMemory, FreePagesBetweenLiveBlocksLeaveTheProcess)
{
    if (isAddressSanitized)
        GTEST_SKIP() << "the sanitizer's allocator owns the heap";
    // Blocks far below the size the C library maps on its own, so they all
    // come from the heap; every 32nd stays alive and pins the pages around it.
    constexpr std::size_t blockSize = 16 * 1024;
    constexpr std::size_t blockCount = 1024;
    constexpr std::size_t keptEvery = 32;
    const long pageSize = sysconf(_SC_PAGESIZE);
    std::vector<char*> blocks;
    for (std::size_t i = 0; i < blockCount; ++i) {
        auto* block = static_cast<volatile char*>(std::malloc(blockSize));
        ASSERT_NE(block, nullptr);
        for (std::size_t offset = 0; offset < blockSize; offset += static_cast<std::size_t>(pageSize))
            block[offset] = 1;
        blocks.push_back(const_cast<char*>(block));
    }
    for (std::size_t i = 0; i < blockCount; ++i)
        if (i % keptEvery != keptEvery - 1) {
            std::free(blocks[i]);
            blocks[i] = nullptr;
        }
    const long before = residentBytes();
    platform::returnFreedMemory();
    const long after = residentBytes();
    for (char* block : blocks)
        std::free(block);
    // Nearly all of the freed 15.5 MiB lies in whole pages between kept blocks.
    EXPECT_GT(before - after, static_cast<long>(blockSize * blockCount / 2));
}

TEST(FreedMemory, ALargeBlockFreedDoesNotDrawLaterOnesIntoTheHeap)
{
    if (isAddressSanitized)
        GTEST_SKIP() << "the sanitizer's allocator owns the heap";
    // Larger than all the free memory that tests run before it left in the
    // heap, which a block of any size would fill first; the free top goes
    // back beforehand.
    platform::returnFreedMemory();
    platform::keepLargeBlocksMapped();
    const std::size_t laterSize = std::max<std::size_t>(20 * 1024 * 1024, mallinfo2().fordblks + 1024 * 1024);
    const std::size_t freedSize = laterSize + 10 * 1024 * 1024;
    auto* freed = static_cast<volatile char*>(std::malloc(freedSize));
    ASSERT_NE(freed, nullptr);
    freed[0] = 1;
    std::free(const_cast<char*>(freed));
    const std::size_t mappedBefore = mallinfo2().hblks;
    auto* later = static_cast<volatile char*>(std::malloc(laterSize));
    ASSERT_NE(later, nullptr);
    later[0] = 1;
    const std::size_t mappedAfter = mallinfo2().hblks;
    std::free(const_cast<char*>(later));
    // A mapping of its own, given back when it is freed.
    EXPECT_EQ(mappedAfter, mappedBefore + 1);
}

namespace {
int releases = 0;
void countRelease() { ++releases; }
} // namespace

TEST(FreedMemory, PaceReleasesOnceEachIntervalOfFrames)
{
    struct Step {
        double seconds;
        int releasesAfter;
    };
    // Frames of uneven length; a long frame releases once, not for each
    // interval it spans, and the count starts again from the release.
    const Step steps[] = {{4.0, 0}, {5.9, 0}, {0.2, 1}, {9.9, 1}, {25.0, 2}, {0.1, 2}, {10.0, 3}};
    releases = 0;
    platform::FreedMemoryPace pace(10.0, countRelease);
    for (const Step& step : steps) {
        pace.advance(step.seconds);
        EXPECT_EQ(releases, step.releasesAfter) << "after a frame of " << step.seconds << " s";
    }
}
