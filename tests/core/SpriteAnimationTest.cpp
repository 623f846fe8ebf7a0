// The animation a sprite plays, from its sheet's frame count, rate and type.
#include "core/materials/SpriteAnimation.h"

#include <gtest/gtest.h>

TEST(SpriteAnimation, ASheetRunsThroughAllItsFramesAtItsRate)
{
    const spriteAnimationValues values = spriteAnimationFor(8, 2.0f, 1);
    EXPECT_EQ(values.first, 0.0f);
    EXPECT_EQ(values.last, 7.0f);
    EXPECT_EQ(values.rate, 2.0f);
    EXPECT_EQ(values.type, 1);
    EXPECT_EQ(frameRangeParameter(values), Ogre::Vector4(0.0f, 7.0f, 0.0f, 0.0f));
    EXPECT_EQ(animationParameter(values), Ogre::Vector4(1.0f, 0.0f, 2.0f, 0.0f));
}

TEST(SpriteAnimation, ASingleFrameStandsStill)
{
    for (int frames : {1, 0, -3}) {
        const spriteAnimationValues values = spriteAnimationFor(frames, 5.0f, 2);
        EXPECT_EQ(values.first, 0.0f);
        EXPECT_EQ(values.last, 0.0f);
        EXPECT_EQ(values.rate, 0.0f);
        EXPECT_EQ(values.type, 0);
    }
}

TEST(SpriteAnimation, TheForthAndBackTypeStartsHalfAFrameEarly)
{
    EXPECT_FLOAT_EQ(spriteTimeOffset(spriteAnimationFor(4, 1.0f, 2), 1.0f), 1.0f - 0.125f);
    EXPECT_FLOAT_EQ(spriteTimeOffset(spriteAnimationFor(4, 1.0f, 1), 1.0f), 1.0f);
    EXPECT_EQ(timeOffsetParameter(-2.5f), Ogre::Vector4(-2.5f, -2.5f, -2.5f, -2.5f));
}
