// Counts stored as reals: cut toward zero, and never cast beyond the range of
// their type; and the string converter's rules under them.
#include "data/AttributeValues.h"

#include "data/SectionAttributes.h"
#include "data/SectionValues.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

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

// The converter's own rules, on which the readers' fallbacks rest: a change of
// the library shows here first.
template <typename Value>
Value converted(const char* text, const Value& absent)
{
    const XmlFragment fragment(std::string("<e v=\"") + text + "\"/>");
    return SectionAttributes(&fragment.root()).optional("v", absent);
}

TEST(AttributeValues, TheConverterRulesTheReadersRelyOn)
{
    const std::pair<const char*, int> integers[] = {{"010", 8}, {"08", 0}, {"0x10", 16}, {"2.9", 2}, {"-1.5", -1}};
    for (const auto& [text, expected] : integers)
        EXPECT_EQ(converted(text, 5), expected) << text;
    EXPECT_EQ(converted("-1", 5u), 4294967295u);
    const std::pair<const char*, float> reals[] = {{"2.9abc", 2.9f}, {"2,5", 2.0f}, {"nan", 0.0f},
                                                    {"-inf", 0.0f},  {"1e400", 0.0f}, {"x", 0.0f}};
    for (const auto& [text, expected] : reals)
        EXPECT_FLOAT_EQ(converted(text, 7.0f), expected) << text;
    for (const char* text : {"True", "yes", "on", "1", "truex"})
        EXPECT_TRUE(converted(text, false)) << text;
    for (const char* text : {"2", "abc", ""})
        EXPECT_FALSE(converted(text, true)) << text;
    const Ogre::Vector3 one(1.0f, 1.0f, 1.0f);
    EXPECT_EQ(converted("1 abc 3", one), Ogre::Vector3::ZERO);
    EXPECT_EQ(converted("1,2,3", one), Ogre::Vector3::ZERO);
    EXPECT_EQ(converted("nan 2 inf", one), Ogre::Vector3(0.0f, 2.0f, 0.0f));
    EXPECT_EQ(converted("0.5", Ogre::Vector2(1.0f, 1.0f)), Ogre::Vector2::ZERO);
    EXPECT_EQ(converted("1 0", Ogre::ColourValue::White), Ogre::ColourValue::Black);
    EXPECT_EQ(converted("1 0 0", Ogre::ColourValue::White), Ogre::ColourValue(1.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ(converted("1 2 3", Ogre::Quaternion::ZERO), Ogre::Quaternion::IDENTITY);
}

} // namespace

// Placed objects' scales and positions reach scene nodes within what Ogre
// can invert and bound; a scale written otherwise is reported once.
TEST(AttributeValues, PlacedScalesAndPositionsStayWithinWhatNodesTake)
{
    const struct {
        const char* position;
        Ogre::Vector3 scale;
        Ogre::Vector3 place;
        bool isReported;
    } cases[] = {
        {R"(pos="1 2 3" sca="2 -0.5 1")", {2.0f, -0.5f, 1.0f}, {1.0f, 2.0f, 3.0f}, false},
        {R"(pos="0 0 0" sca="0 0 0")", Ogre::Vector3(smallestDataScale), Ogre::Vector3::ZERO, true},
        {R"(pos="nan 1 1" sca="nan inf -inf")", Ogre::Vector3::UNIT_SCALE, Ogre::Vector3::ZERO, true},
        {R"(pos="1e30 -1e30 5" sca="1e30 -1e30 1")", {largestDataScale, -largestDataScale, 1.0f},
         {largestDataReach, -largestDataReach, 5.0f}, true},
        {R"(pos="1 1 1")", Ogre::Vector3(smallestDataScale), Ogre::Vector3::UNIT_SCALE, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        const XmlFragment fragment(std::string("<e><position ") + c.position + "/></e>");
        LogCapture log;
        const SectionValues position(fragment.root(), "position");
        EXPECT_EQ(position.scale("sca", Need::required, Ogre::Vector3::ZERO), c.scale);
        EXPECT_EQ(placedPositionFromText(position.text("pos", Need::required, "")), c.place);
        EXPECT_EQ(log.containsPrefix("[ERROR] "), c.isReported);
    }
    // An absent position keeps the reader's own value.
    const XmlFragment bare("<e/>");
    EXPECT_EQ(SectionValues(bare.root(), "position").scale("sca", Need::required, Ogre::Vector3::ZERO),
              Ogre::Vector3::ZERO);
}
