// Checks of rendered colours against the colour a frame must show there:
// every channel within a few steps of 255 of the expected value, so that a
// frame a shade too dark fails as surely as a wrong one. Alpha is left out:
// the window's alpha follows the blending, not the picture.
#pragma once

#include <OgreColourValue.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

// Rounding to 8 bits and filtering between equal texels move a channel by a
// step or two; a frame half as bright is off by tens.
constexpr float colourTolerance = 5.0f / 255.0f;

// A colour as the texture recipes write it, 0xRRGGBB.
inline Ogre::ColourValue rgb(std::uint32_t hex)
{
    const auto channel = [hex](int shift) { return static_cast<float>((hex >> shift) & 0xffu) / 255.0f; };
    return Ogre::ColourValue(channel(16), channel(8), channel(0));
}

inline Ogre::ColourValue grey(float level) { return Ogre::ColourValue(level, level, level); }

// The largest difference of a channel.
inline float colourDistance(const Ogre::ColourValue& a, const Ogre::ColourValue& b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

inline ::testing::AssertionResult colourNear(const char* actualText, const char* expectedText,
                                             const Ogre::ColourValue& actual, const Ogre::ColourValue& expected)
{
    const float distance = colourDistance(actual, expected);
    if (distance <= colourTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actualText << " is " << actual << ", " << distance * 255.0f
                                         << "/255 away from " << expectedText << " " << expected;
}

#define EXPECT_COLOUR(actual, expected) EXPECT_PRED_FORMAT2(colourNear, actual, expected)
