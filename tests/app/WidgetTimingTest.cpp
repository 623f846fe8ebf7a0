// The curves and clocks of overlay widget transitions and the typewriter step.
#include "app/WidgetTiming.h"

#include <gtest/gtest.h>

TEST(WidgetTiming, AppearingEasesAlongAQuarterSineAndDisappearingAlongASquare)
{
    EXPECT_FLOAT_EQ(easeIn(0.0, 0.5f), 0.0f);
    EXPECT_NEAR(easeIn(0.25, 0.5f), 0.70710678f, 1e-6f);
    EXPECT_FLOAT_EQ(easeIn(0.5, 0.5f), 1.0f);
    EXPECT_FLOAT_EQ(easeOut(0.0, 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(easeOut(0.25, 0.5f), 0.25f);
    EXPECT_FLOAT_EQ(easeOut(0.5, 0.5f), 1.0f);
    // Clamped, whatever the clock says.
    EXPECT_FLOAT_EQ(easeOut(2.0, 0.5f), 1.0f);
    EXPECT_FLOAT_EQ(easeIn(-0.1, 0.5f), 0.0f);
}

TEST(WidgetTiming, ATransitionWithoutDurationIsDoneAtOnce)
{
    EXPECT_FLOAT_EQ(easeIn(0.0, 0.0f), 1.0f);
    EXPECT_FLOAT_EQ(easeOut(0.0, 0.0f), 1.0f);
    EXPECT_FLOAT_EQ(fadeInAlpha(0.0, 0.0f), 1.0f);
    EXPECT_FLOAT_EQ(fadeOutAlpha(0.0, 0.0f), 0.0f);
    EXPECT_FLOAT_EQ(fadeInAlpha(0.0, -1.0f), 1.0f);
}

TEST(WidgetTiming, FadeAlphaFollowsTheCappedClockFrameByFrame)
{
    // A half-second fade-in run at 10 frames a second, then a fade-out.
    const float expectedIn[] = {0.04f, 0.16f, 0.36f, 0.64f, 1.0f, 1.0f};
    double time = 0.0;
    for (float expected : expectedIn) {
        time = advanceTransition(time, 0.1, 0.5f);
        EXPECT_NEAR(fadeInAlpha(time, 0.5f), expected, 1e-5f);
    }
    EXPECT_DOUBLE_EQ(time, 0.5);
    const float expectedOut[] = {0.64f, 0.36f, 0.16f, 0.04f, 0.0f, 0.0f};
    time = 0.0;
    for (float expected : expectedOut) {
        time = advanceTransition(time, 0.1, 0.5f);
        EXPECT_NEAR(fadeOutAlpha(time, 0.5f), expected, 1e-5f);
    }
}

TEST(WidgetTiming, SlidesStartAndEndTwoUnitsAwayOnOppositeSides)
{
    const Ogre::Vector2 place(0.25f, -0.5f);
    EXPECT_EQ(slideInStart(place, 0), Ogre::Vector2(-1.75f, -0.5f));
    EXPECT_EQ(slideInStart(place, 1), Ogre::Vector2(2.25f, -0.5f));
    EXPECT_EQ(slideInStart(place, 2), Ogre::Vector2(0.25f, -2.5f));
    EXPECT_EQ(slideInStart(place, 3), Ogre::Vector2(0.25f, 1.5f));
    EXPECT_EQ(slideOutEnd(place, 0), Ogre::Vector2(2.25f, -0.5f));
    EXPECT_EQ(slideOutEnd(place, 1), Ogre::Vector2(-1.75f, -0.5f));
    EXPECT_EQ(slideOutEnd(place, 2), Ogre::Vector2(0.25f, 1.5f));
    EXPECT_EQ(slideOutEnd(place, 3), Ogre::Vector2(0.25f, -2.5f));
    EXPECT_EQ(slideInStart(place, 7), place);
}

TEST(WidgetTiming, TheTypewriterRevealsOneCharacterOnceTheTimerPassesTheInterval)
{
    float timer = 0.0f;
    int count = 0;
    // 0.03 s frames against 0.05 s: a character every second frame.
    EXPECT_FALSE(revealNextCharacter(timer, count, 0.05f, 0.03, 3));
    EXPECT_TRUE(revealNextCharacter(timer, count, 0.05f, 0.03, 3));
    EXPECT_EQ(count, 1);
    EXPECT_FLOAT_EQ(timer, 0.0f);
    // A long frame still shows one character only.
    EXPECT_TRUE(revealNextCharacter(timer, count, 0.05f, 1.0, 3));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(revealNextCharacter(timer, count, 0.05f, 1.0, 3));
    EXPECT_FALSE(revealNextCharacter(timer, count, 0.05f, 1.0, 3));
    EXPECT_EQ(count, 3);
}
