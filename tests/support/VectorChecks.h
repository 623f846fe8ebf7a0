// Positions compared axis by axis, within a tolerance, for the tests that
// place and move things.
#pragma once

#include <OgreVector.h>
#include <gtest/gtest.h>

#include <string>

inline void expectNear(const Ogre::Vector3& actual, const Ogre::Vector3& expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// Within a thousandth on each axis; `what` names the position in a failure.
inline void expectNear(const Ogre::Vector3& actual, const Ogre::Vector3& expected, const std::string& what)
{
    EXPECT_TRUE(actual.positionEquals(expected, 1e-3f)) << what << ": " << actual << " instead of " << expected;
}
