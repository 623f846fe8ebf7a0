// Counts stored as reals: cut toward zero, and never cast beyond the range of
// their type.
#include "data/AttributeValues.h"

#include "data/XmlFragment.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

using Int32 = std::numeric_limits<std::int32_t>;

struct TruncatedCase {
    const char* text;
    std::int32_t expected;
};

TEST(AttributeValues, CountsAreCutTowardZeroAndHeldToTheirRange)
{
    const TruncatedCase cases[] = {
        {"2.9", 2},
        {"-1.5", -1},
        {"2147483520", 2147483520},    // the largest float below 2^31
        {"4294967296", Int32::max()},
        {"-2147483648", Int32::min()},
        {"-1e12", Int32::min()},
        {"1e39", 0},                   // beyond float: infinite
        {"nan", 0},
        {"inf", 0},
        {"", 0},
    };
    for (const TruncatedCase& c : cases) {
        const XmlFragment fragment(std::string("<e count=\"") + c.text + "\"/>");
        EXPECT_EQ(requiredTruncated(fragment.root(), "count"), c.expected) << c.text;
    }
}

TEST(AttributeValues, EveryIntegerTypeHasItsOwnBounds)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(truncatedInto<std::uint32_t>(-1.0, 7u), 0u);
    EXPECT_EQ(truncatedInto<std::uint32_t>(4294967295.0, 7u), 4294967295u);
    EXPECT_EQ(truncatedInto<std::uint32_t>(4294967296.0, 7u), 4294967295u);
    EXPECT_EQ(truncatedInto<std::uint32_t>(nan, 7u), 7u);
    EXPECT_EQ(truncatedInto<std::int64_t>(1e19, std::int64_t{1}), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(truncatedInto<std::int64_t>(-1e19, std::int64_t{1}), std::numeric_limits<std::int64_t>::min());
}

} // namespace
