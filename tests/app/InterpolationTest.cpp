#include "app/Interpolation.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Interpolation, LerpClampedKeepsTheFactorBetween0And1)
{
    const Ogre::Vector3 a(1, 2, 3), b(5, -2, 11);
    Ogre::Vector3 out;
    lerpClamped(out, a, b, 1.5);
    EXPECT_EQ(out, b);
    lerpClamped(out, a, b, -0.2);
    EXPECT_EQ(out, a);
    lerpClamped(out, a, b, 0.25);
    EXPECT_EQ(out, Ogre::Vector3(2, 1, 5));
    lerpClamped(out, a, b, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(out, a);
}

TEST(Interpolation, LerpColourIsNotClamped)
{
    const Ogre::ColourValue a(0, 0.5f, 1, 1), b(1, 0.5f, 0, 0);
    Ogre::ColourValue out;
    lerpColour(out, a, b, 0.5f);
    EXPECT_EQ(out, Ogre::ColourValue(0.5f, 0.5f, 0.5f, 0.5f));
    lerpColour(out, a, b, 2.0f);
    EXPECT_EQ(out, Ogre::ColourValue(2, 0.5f, -1, -1));
}

TEST(Interpolation, InverseLerpFromRescalesBeyondTheDeadZone)
{
    EXPECT_FLOAT_EQ(inverseLerpFrom(0.6f, 0.2f), 0.5f);
    EXPECT_FLOAT_EQ(inverseLerpFrom(1.0f, 0.2f), 1.0f);
    EXPECT_FLOAT_EQ(inverseLerpFrom(0.5f, 1.0f), 0.0f);
}
