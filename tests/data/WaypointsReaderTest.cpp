// Reading "gamebox.waypoints" into the waypoint-path library.
#include "data/WaypointsReader.h"

#include "combat/Wave.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"
#include "world/Waypoint.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class WaypointsReaderTest : public ::testing::Test {
protected:
    ~WaypointsReaderTest() override
    {
        for (auto& entry : paths)
            delete entry.second;
    }
    void read(const std::string& content)
    {
        folder.write("gamebox.waypoints", content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear();
        loadWaypointsGamebox("gamebox.waypoints", "GAMERSC", paths);
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    std::map<std::string, Wave*> paths;
};

TEST_F(WaypointsReaderTest, EveryPathKeepsItsNamesSpeedAndWaypointsInFileOrder)
{
    read(R"(<WPS name="zigzag" ScreenName="Zig zag" WP_GlobalSpeedMult="1.5" separation="4">
              <waypoint speed="1"/><waypoint speed="2"/><waypoint speed="3"/>
              <group><waypoint speed="9"/></group>
            </WPS>
            <WPS name="still" ScreenName="Still" WP_GlobalSpeedMult="0.5"/>
            <OTHER name="skipped"/>)");
    ASSERT_EQ(paths.size(), 2u);
    const Wave& zigzag = *paths.at("zigzag");
    EXPECT_EQ(zigzag.kind, kindWave);
    EXPECT_EQ(zigzag.name, "zigzag");
    EXPECT_EQ(zigzag.screenName, "Zig zag");
    EXPECT_FLOAT_EQ(zigzag.WP_GlobalSpeedMult, 1.5f);
    EXPECT_FLOAT_EQ(zigzag.separation, 4.0f);
    // Only the direct children are waypoints of the path.
    ASSERT_EQ(zigzag.waypoints.size(), 3u);
    EXPECT_TRUE(std::all_of(zigzag.waypoints.begin(), zigzag.waypoints.end(),
                            [](const Waypoint* waypoint) { return waypoint->name == "waypoint"; }));
    EXPECT_TRUE(zigzag.members.empty());
    // A path without waypoints is kept, its separation the wave's own.
    EXPECT_TRUE(paths.at("still")->waypoints.empty());
    EXPECT_FLOAT_EQ(paths.at("still")->separation, 0.0f);
}

TEST_F(WaypointsReaderTest, ALaterPathOfTheSameNameTakesTheSlot)
{
    read(R"(<WPS name="arc" ScreenName="First" WP_GlobalSpeedMult="1"><waypoint/></WPS>
            <WPS name="arc" ScreenName="Second" WP_GlobalSpeedMult="2"><waypoint/><waypoint/></WPS>)");
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths.at("arc")->screenName, "Second");
    EXPECT_EQ(paths.at("arc")->waypoints.size(), 2u);
}

TEST_F(WaypointsReaderTest, AMalformedFileLogsItsLineAndAddsNothing)
{
    read(R"(<WPS name="arc" ScreenName="Arc" WP_GlobalSpeedMult="1"><waypoint/></WPS><WPS name=broken/>)");
    EXPECT_TRUE(paths.empty());
    EXPECT_EQ(log.lines, std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                  "gamebox.waypoints ([DotSceneLoader] Error creating "
                                                  "tinyxml2::XMLDocument)"});
}

TEST(WavePath, ACopyHasItsOwnWaypointsAndTheSourceAsTemplate)
{
    Wave path("");
    path.name = "arc";
    path.WP_GlobalSpeedMult = 2.0f;
    path.waypoints.push_back(new Waypoint("waypoint"));
    path.waypoints.back()->speed = 3.0f;
    const std::unique_ptr<entity> copied(path.clone());
    const auto& copy = static_cast<const Wave&>(*copied);
    EXPECT_EQ(copy.name, "arc");
    EXPECT_FLOAT_EQ(copy.WP_GlobalSpeedMult, 2.0f);
    ASSERT_EQ(copy.waypoints.size(), 1u);
    EXPECT_NE(copy.waypoints[0], path.waypoints[0]);
    EXPECT_FLOAT_EQ(copy.waypoints[0]->speed, 3.0f);
    EXPECT_EQ(copy.templateObject, &path);
    path.destroyGraphics();
    EXPECT_TRUE(path.waypoints.empty());
}

} // namespace
