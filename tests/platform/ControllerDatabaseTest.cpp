// Which lines of a controller database reach SDL.
#include "platform/ControllerDatabase.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::string guid = "030000005e0400008e02000010010000";

TEST(ControllerDatabase, SkipsCommentsOtherPlatformsLongLinesAndCountsWhatIsCutUpToItsBound)
{
    std::ostringstream text;
    text << "# comment\n\n" << guid << ",Mac,a:b0,platform:Mac OS X,\r\n" << guid << ",Any,a:b0,\n";
    text << guid << ",Long,a:b0," << std::string(platform::maxMappingLineLength, 'x') << "\n";
    for (std::size_t i = 0; i < platform::maxControllerMappings + 2; ++i)
        text << guid << ",Pad,a:b1,platform:Linux,\n" << guid << ",Bad,a:b999999,platform:Linux,\n";
    text << std::string(platform::maxControllerDatabaseBytes, '\n') << guid << ",Past,a:b0,\n"; // not read
    std::istringstream in(text.str());
    const platform::ControllerMappings mappings = platform::readControllerMappings(in, "Linux");
    ASSERT_EQ(mappings.lines.size(), platform::maxControllerMappings);
    EXPECT_EQ(mappings.lines[0], guid + ",Any,a:b0,");
    EXPECT_EQ(mappings.overLimitCount, 3u);
    EXPECT_EQ(mappings.malformedCount, platform::maxControllerMappings + 3);
    EXPECT_TRUE(mappings.isCut);
}

} // namespace
