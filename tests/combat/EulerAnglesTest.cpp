// The aim angles of guns and turrets: wrapping into [-pi, pi] and the cached
// orientation.
#include "combat/EulerAngles.h"

#include <OgreMath.h>
#include <OgreMatrix3.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(AimAngles, EachAngleWrapsIntoAHalfTurnEitherWayAndOnlyAChangeMarksTheOrientation)
{
    const struct {
        float angle;
        float wrapped;
        bool changes;
    } cases[] = {
        {Ogre::Math::PI, Ogre::Math::PI, false},
        {-Ogre::Math::PI, -Ogre::Math::PI, false},
        {0.5f, 0.5f, false},
        {7.0f, 0.716814518f, true},
        {-7.0f, -0.716814518f, true},
        {10.0f, -2.5663708f, true},
        {-10.0f, 2.5663708f, true},
        {100.0f, -0.5309675f, true},
    };
    for (const auto& row : cases)
        for (float EulerAngles::*axis : {&EulerAngles::yaw, &EulerAngles::pitch, &EulerAngles::roll}) {
            EulerAngles angles;
            angles.*axis = row.angle;
            angles.wrap();
            EXPECT_NEAR(angles.*axis, row.wrapped, 1e-6f) << row.angle;
            EXPECT_EQ(angles.dirty != 0, row.changes) << row.angle;
            EXPECT_EQ(angles.yaw + angles.pitch + angles.roll, angles.*axis) << "the other two stay 0";
        }
    // The remainder is of 2 pi as a float holds it, not of 2 pi itself.
    EulerAngles seven;
    seven.yaw = 7.0f;
    seven.wrap();
    EXPECT_EQ(seven.yaw, static_cast<float>(std::fmod(7.0, 6.2831854820251465)));
}

TEST(AimAngles, TheOrientationTurnsAboutYThenXThenZAndIsMadeOnlyWhenOutOfDate)
{
    EulerAngles angles;
    angles.yaw = 0.3f;
    angles.pitch = 0.5f;
    angles.roll = -0.7f;
    EXPECT_EQ(angles.getOrientation(), Ogre::Quaternion::IDENTITY) << "not marked: the cache stands";

    angles.dirty = 1;
    Ogre::Matrix3 turn;
    turn.FromEulerAnglesYXZ(Ogre::Radian(0.3f), Ogre::Radian(0.5f), Ogre::Radian(-0.7f));
    const Ogre::Vector3 probe(1.0f, 2.0f, 3.0f);
    const Ogre::Quaternion orientation = angles.getOrientation();
    EXPECT_TRUE((orientation * probe).positionEquals(turn * probe, 1e-5f));
    EXPECT_EQ(angles.dirty, 0);

    angles.yaw = 2.0f;
    EXPECT_EQ(angles.getOrientation(), orientation);
    angles.yaw = 8.0f;
    angles.wrap();
    EXPECT_NE(angles.getOrientation(), orientation);
}

} // namespace
