#include "app/EulerAngles.h"
#include "support/VectorChecks.h"

#include <gtest/gtest.h>

namespace {

Ogre::Quaternion turn(float degrees, const Ogre::Vector3& axis)
{
    return Ogre::Quaternion(Ogre::Degree(degrees), axis);
}

} // namespace

TEST(EulerAngles, SingleTurnsLandInTheirOwnAngle)
{
    Ogre::Vector3 degrees;
    toEulerDegrees(degrees, turn(30, Ogre::Vector3::UNIT_X));
    expectNear(degrees, {30, 0, 0});
    toEulerDegrees(degrees, turn(-40, Ogre::Vector3::UNIT_Y));
    expectNear(degrees, {0, -40, 0});
    toEulerDegrees(degrees, turn(20, Ogre::Vector3::UNIT_Z));
    expectNear(degrees, {0, 0, 20});
}

TEST(EulerAngles, DegreesAreRadiansTimes57Point29578)
{
    const Ogre::Quaternion q = turn(25, Ogre::Vector3::UNIT_X) * turn(35, Ogre::Vector3::UNIT_Z);
    Ogre::Vector3 radians, degrees;
    toEulerRadians(radians, q);
    toEulerDegrees(degrees, q);
    EXPECT_EQ(degrees, radians * 57.29578f);
}

TEST(EulerAngles, PolesPutTheWholeTurnInTheFirstAngle)
{
    Ogre::Vector3 radians;
    // x*y + z*w = 0.5 of a norm of 1: beyond 0.499 of it.
    toEulerRadians(radians, Ogre::Quaternion(0.5f, 0.5f, 0.5f, 0.5f));
    EXPECT_EQ(radians, Ogre::Vector3(2.0f * std::atan2(0.5f, 0.5f), 0.0f, 1.5707964f));
    toEulerRadians(radians, turn(90, Ogre::Vector3::UNIT_Z));
    EXPECT_EQ(radians, Ogre::Vector3(0.0f, 0.0f, 1.5707964f));

    // The other pole turns the other way.
    toEulerRadians(radians, Ogre::Quaternion(0.5f, -0.5f, 0.5f, -0.5f));
    EXPECT_EQ(radians, Ogre::Vector3(-2.0f * std::atan2(-0.5f, 0.5f), 0.0f, -1.5707964f));
    toEulerRadians(radians, turn(-90, Ogre::Vector3::UNIT_Z));
    EXPECT_EQ(radians, Ogre::Vector3(0.0f, 0.0f, -1.5707964f));
}

TEST(EulerAngles, OrientationTurnsAboutYThenXThenZ)
{
    // X first carries +Y onto +Z, then Y carries +Z onto +X.
    expectNear(orientationFromDegreesYXZ({90, 90, 0}) * Ogre::Vector3::UNIT_Y, Ogre::Vector3::UNIT_X);
    // Z first carries +X onto +Y, then X carries +Y onto +Z.
    expectNear(orientationFromDegreesYXZ({90, 0, 90}) * Ogre::Vector3::UNIT_X, Ogre::Vector3::UNIT_Z);
}
