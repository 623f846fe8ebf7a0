#include "data/WaypointReader.h"

#include "world/Waypoint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Parses one element and reads it into a waypoint whose own values differ
// from the reader's defaults, so that every default is seen to be written.
class WaypointReaderTest : public ::testing::Test {
protected:
    Waypoint read(const std::string& xml)
    {
        text.assign(xml.begin(), xml.end());
        text.push_back('\0');
        document.parse<0>(text.data());
        Waypoint waypoint("waypoint");
        waypoint.tension = 9.0f;
        waypoint.rotSpeed = 9.0f;
        waypoint.homingStrength = 9.0f;
        waypoint.isChangeWeaponSet = 0;
        waypoint.soundName = "left over";
        readWaypoint(*document.first_node(), waypoint);
        return Waypoint(waypoint);
    }

    std::vector<char> text;
    rapidxml::xml_document<char> document;
};

} // namespace

TEST_F(WaypointReaderTest, OnlyASpeedGivesEveryDefault)
{
    const Waypoint point = read("<waypoint speed=\"2.5\"/>");
    EXPECT_FLOAT_EQ(point.speed, 2.5f);
    EXPECT_EQ(point.position, Ogre::Vector3::ZERO);
    EXPECT_FLOAT_EQ(point.tension, 0.5f);
    EXPECT_EQ(point.rotation, Ogre::Vector3::ZERO);
    EXPECT_EQ(point.rotType, 0u);
    EXPECT_FLOAT_EQ(point.rotSpeed, 1.0f);
    EXPECT_FLOAT_EQ(point.rotAngleLimit, 360.0f);
    EXPECT_FLOAT_EQ(point.waitDuration, 0.0f);
    EXPECT_EQ(point.isLoop, 0);
    EXPECT_EQ(point.isChangeWeaponSet, 1u);
    EXPECT_EQ(point.weaponSetShoot, 0u);
    EXPECT_FLOAT_EQ(point.soundVolume, 0.7f);
    EXPECT_EQ(point.soundPitch, Ogre::Vector2(0.0f, 0.1f));
    EXPECT_TRUE(point.soundName.empty());
    EXPECT_TRUE(point.animationName.empty());
    EXPECT_EQ(point.isHoming, 0);
    EXPECT_FLOAT_EQ(point.homingStrength, 0.0f);
    EXPECT_EQ(point.homingXY, Ogre::Vector2(1.0f, 1.0f));
    EXPECT_EQ(point.homingTransDurations, Ogre::Vector2(1.0f, 1.0f));
}

TEST_F(WaypointReaderTest, BehavioursWithOnlyTheirRequiredAttributes)
{
    const Waypoint point = read("<waypoint speed=\"1\"><behaviors wait=\"1.5\" loop=\"true\" "
                                "isChangeWeaponSet=\"false\"/></waypoint>");
    EXPECT_FLOAT_EQ(point.waitDuration, 1.5f);
    EXPECT_EQ(point.isLoop, 1);
    EXPECT_EQ(point.isChangeWeaponSet, 0u);
    EXPECT_FLOAT_EQ(point.soundVolume, 0.7f);
    EXPECT_EQ(point.homingTransDurations, Ogre::Vector2(1.0f, 1.0f));
}

TEST_F(WaypointReaderTest, EveryChildIsRead)
{
    const Waypoint point = read(
        "<waypoint speed=\"3\"><position pos=\"1 2 3\" Tension=\"0.2\"/>"
        "<rotation rot=\"10 20 30\" rotType=\"2.9\" RotAimSpeed=\"4\" rotAngleLimit=\"45\"/>"
        "<behaviors wait=\"0\" loop=\"false\" isChangeWeaponSet=\"true\" weaponSetShoot=\"2\" soundVolume=\"0.3\" "
        "soundName=\"\" soundPitch=\"1 0.5\" isChangeAnimation=\"true\" isPlayPreviousAnimationAfter=\"true\" "
        "animationName=\"roll\" isHoming=\"true\" homingStrength=\"3\" homingSpeed=\"4\" homingXY=\"0 1\" "
        "homingTransDurations=\"2 3\"/></waypoint>");
    EXPECT_EQ(point.position, Ogre::Vector3(1, 2, 3));
    EXPECT_FLOAT_EQ(point.tension, 0.2f);
    EXPECT_EQ(point.rotation, Ogre::Vector3(10, 20, 30));
    EXPECT_EQ(point.rotType, 2u);
    EXPECT_FLOAT_EQ(point.rotSpeed, 4.0f);
    EXPECT_FLOAT_EQ(point.rotAngleLimit, 45.0f);
    EXPECT_EQ(point.weaponSetShoot, 2u);
    EXPECT_TRUE(point.soundName.empty());
    EXPECT_EQ(point.soundPitch, Ogre::Vector2(1.0f, 0.5f));
    EXPECT_EQ(point.isChangeAnimation, 1);
    EXPECT_EQ(point.isPlayPreviousAnimationAfter, 1);
    EXPECT_EQ(point.animationName, "roll");
    EXPECT_EQ(point.isHoming, 1);
    EXPECT_FLOAT_EQ(point.homingSpeed, 4.0f);
    EXPECT_EQ(point.homingXY, Ogre::Vector2(0.0f, 1.0f));
    EXPECT_EQ(point.homingTransDurations, Ogre::Vector2(2.0f, 3.0f));
}

TEST_F(WaypointReaderTest, RotationTypeIsCutTowardZeroAndNonFinitePositionsBecomeZero)
{
    EXPECT_EQ(static_cast<std::int32_t>(
                  read("<waypoint speed=\"1\"><rotation rot=\"0 0 0\" rotType=\"-1.5\" RotAimSpeed=\"1\"/></waypoint>")
                      .rotType),
              -1);
    EXPECT_EQ(read("<waypoint speed=\"1\"><rotation rot=\"0 0 0\" rotType=\"4294967296\" RotAimSpeed=\"1\"/></waypoint>")
                  .rotType,
              2147483647u);
    const Waypoint point = read("<waypoint speed=\"1\"><position pos=\"nan 2 inf\" Tension=\"0.5\"/></waypoint>");
    EXPECT_EQ(point.position, Ogre::Vector3(0, 2, 0));
}
