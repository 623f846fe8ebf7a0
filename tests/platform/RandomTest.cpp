#include "platform/Random.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Random, StaysWithinTheOriginalRange)
{
    platform::seedRandom(12345);
    int lowest = 32767, highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const int value = platform::rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    // The whole range is reached, not a narrow part of it.
    EXPECT_LT(lowest, 10);
    EXPECT_GT(highest, 32757);
}

TEST(Random, ASeedRepeatsItsSequence)
{
    auto draw = [] {
        std::vector<int> values;
        for (int i = 0; i < 8; ++i)
            values.push_back(platform::rand());
        return values;
    };
    platform::seedRandom(1);
    const std::vector<int> first = draw();
    // The C standard's example generator from seed 1.
    EXPECT_EQ(first[0], 16838);
    EXPECT_EQ(first[1], 5758);
    platform::seedRandom(1);
    EXPECT_EQ(draw(), first);
    platform::seedRandom(2);
    EXPECT_NE(draw(), first);
}
