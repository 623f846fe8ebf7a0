// A waypoint's defaults, its copy and the defaults it can be set back to.
#include "world/Waypoint.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(Waypoint, ANewWaypointHasTheDefaultsOfAPathPoint)
{
    const Waypoint waypoint("waypoint");
    EXPECT_EQ(waypoint.kind, kindWaypoint);
    EXPECT_EQ(waypoint.name, "waypoint");
    EXPECT_EQ(waypoint.rotType, rotTypeFixed);
    EXPECT_EQ(waypoint.camShotOrientation, Ogre::Vector3(180, 0, 0));
    EXPECT_FLOAT_EQ(waypoint.speed, 1.0f);
    EXPECT_FLOAT_EQ(waypoint.rotSpeed, 0.3f);
    EXPECT_FLOAT_EQ(waypoint.rotAngleLimit, 360.0f);
    EXPECT_FLOAT_EQ(waypoint.soundVolume, 0.7f);
    EXPECT_EQ(waypoint.soundPitch, Ogre::Vector2(0.0f, 0.1f));
    EXPECT_FLOAT_EQ(waypoint.homingStrength, 2.0f);
    EXPECT_EQ(waypoint.homingTransDurations, Ogre::Vector2(1.0f, 1.0f));
    EXPECT_EQ(waypoint.sceneNode, nullptr);
}

TEST(Waypoint, ACopyKeepsEveryPathSettingButNotTheDisabledMark)
{
    Waypoint waypoint("CamWaypoint");
    waypoint.position = {1, 2, 3};
    waypoint.rotation = {10, 20, 30};
    waypoint.screenName = "Start";
    waypoint.isDisabled = 1;
    waypoint.isLayered = 1;
    waypoint.waitDuration = 2.5f;
    waypoint.soundName = "beep.wav";
    waypoint.isHoming = 1;
    waypoint.homingXY = {3, 4};
    waypoint.curveDistance = 42.0;
    waypoint.isLoop = 1;
    const std::unique_ptr<entity> copy(waypoint.clone());
    const auto& same = static_cast<const Waypoint&>(*copy);
    EXPECT_EQ(same.kind, kindWaypoint);
    EXPECT_EQ(same.name, "CamWaypoint");
    EXPECT_EQ(same.screenName, "Start");
    EXPECT_EQ(same.position, Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(same.rotation, Ogre::Vector3(10, 20, 30));
    EXPECT_EQ(same.isDisabled, 0);
    EXPECT_EQ(same.isLayered, 1);
    EXPECT_FLOAT_EQ(same.waitDuration, 2.5f);
    EXPECT_EQ(same.soundName, "beep.wav");
    EXPECT_EQ(same.isHoming, 1);
    EXPECT_EQ(same.homingXY, Ogre::Vector2(3, 4));
    EXPECT_EQ(same.curveDistance, 42.0);
    EXPECT_EQ(same.isLoop, 1);
}

TEST(Waypoint, SettingTheDefaultsResetsOnlyItsOwnShare)
{
    Waypoint waypoint("waypoint");
    waypoint.speed = 9.0f;
    waypoint.isLoop = 1;
    waypoint.soundName = "beep.wav";
    waypoint.position = {4, 5, 6};
    waypoint.waitDuration = 3.0f;
    waypoint.setDefaults();
    EXPECT_FLOAT_EQ(waypoint.speed, 1.0f);
    EXPECT_EQ(waypoint.isLoop, 0);
    EXPECT_TRUE(waypoint.soundName.empty());
    EXPECT_EQ(waypoint.position, Ogre::Vector3::ZERO);
    EXPECT_FLOAT_EQ(waypoint.waitDuration, 3.0f);
}

} // namespace
