// The check every frame test leans on: it lets through what rounding to 8
// bits gives and nothing that would hide a dark or wrong frame.
#include "support/RenderColours.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourCheck, PassesRoundingAndFailsAHalfDarkFrameOrAShadeOff)
{
    const Ogre::ColourValue expected = rgb(0xd34737);
    const Ogre::ColourValue step(1.0f / 255.0f, 1.0f / 255.0f, 1.0f / 255.0f, 0.0f);
    struct Case {
        Ogre::ColourValue actual;
        bool passes;
    };
    const Case cases[] = {
        {expected, true},
        {expected + step * 2.0f, true},
        {expected - step * 2.0f, true},
        {Ogre::ColourValue(expected.r, expected.g, expected.b, 0.0f), true}, // alpha is left out
        {expected * 0.5f, false},
        {expected + Ogre::ColourValue(0.0f, 0.0f, 8.0f / 255.0f, 0.0f), false},
        {Ogre::ColourValue::Black, false},
    };
    for (const Case& each : cases)
        EXPECT_EQ(static_cast<bool>(colourNear("actual", "expected", each.actual, expected)), each.passes)
            << each.actual;
}

} // namespace
