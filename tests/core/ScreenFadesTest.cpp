// The screen fade and the background fade: their states and timing, their
// overlays, and what happens when the game lacks what they draw with.
#include "PlayFlowSupport.h"

#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using playflowtest::FadeResources;
using playflowtest::PlayFlowFixture;

class ScreenFades : public PlayFlowFixture {
protected:
    static bool shown(const char* overlay) { return FadeResources::overlay(overlay)->isVisible(); }
};

TEST_F(ScreenFades, AFadeOutGoesBlackAndStaysSo)
{
    game.startFadeOut(0.06f);
    EXPECT_EQ(game.fadeState, 2);
    EXPECT_EQ(game.fadeOverlay, FadeResources::overlay("FadeInOut"));
    EXPECT_TRUE(shown("FadeInOut"));
    game.updateFade(0.03);
    EXPECT_EQ(game.fadeState, 2);
    game.updateFade(0.03);
    EXPECT_EQ(game.fadeState, 3);
    EXPECT_EQ(game.fadeRemaining, 0.0);
    EXPECT_TRUE(shown("FadeInOut"));
    game.updateFade(0.03); // held black until a fade in
    EXPECT_EQ(game.fadeState, 3);
}

TEST_F(ScreenFades, AFadeInEndsHidden)
{
    game.startFadeIn(0.03f);
    EXPECT_EQ(game.fadeState, 1);
    EXPECT_TRUE(shown("FadeInOut"));
    game.updateFade(0.03);
    EXPECT_EQ(game.fadeState, 0);
    EXPECT_FALSE(shown("FadeInOut"));
}

TEST_F(ScreenFades, ALongFrameMovesTheScreenFadeByAtMostOneStep)
{
    game.startFadeOut(1.0f);
    game.updateFade(0.1);
    EXPECT_NEAR(game.fadeRemaining, 1.0 - 0.034, 1e-12);
}

TEST_F(ScreenFades, AFadeOfNoDurationTakesOneSecond)
{
    game.startFadeOut(0.0f);
    EXPECT_EQ(game.fadeDuration, 1.0);
    EXPECT_EQ(game.fadeRemaining, 1.0);
    game.startFadeIn(-2.0f);
    EXPECT_EQ(game.fadeDuration, 1.0);
}

TEST_F(ScreenFades, TheBackgroundDarkensAndBrightensAgain)
{
    game.startBackgroundFadeOut(0.1f);
    EXPECT_EQ(game.backgroundFadeState, 2);
    EXPECT_TRUE(shown("BlackBG"));
    game.updateBackgroundFade(0.06);
    game.updateBackgroundFade(0.06);
    EXPECT_EQ(game.backgroundFadeState, 0);
    EXPECT_TRUE(game.isBackgroundDark);
    EXPECT_TRUE(shown("BlackBG"));

    game.startBackgroundFadeIn(0.05f);
    EXPECT_EQ(game.backgroundFadeState, 1);
    game.updateBackgroundFade(0.06);
    EXPECT_EQ(game.backgroundFadeState, 0);
    EXPECT_FALSE(game.isBackgroundDark);
    EXPECT_FALSE(shown("BlackBG"));
}

TEST_F(ScreenFades, DarkeningWhileTheBackgroundBrightensDarkensItWhole)
{
    game.startBackgroundFadeOut(0.05f);
    game.updateBackgroundFade(0.06);
    game.startBackgroundFadeIn(0.3f);
    game.updateBackgroundFade(0.06);
    game.startBackgroundFadeOut(0.05f);
    EXPECT_EQ(game.backgroundFadeState, 2);
    game.updateBackgroundFade(0.06);
    EXPECT_EQ(game.backgroundFadeState, 0);
    EXPECT_TRUE(game.isBackgroundDark);
    EXPECT_TRUE(shown("BlackBG"));
}

TEST_F(ScreenFades, ALongFrameLeavesTheBackgroundFadeWhereItWas)
{
    game.startBackgroundFadeOut(0.5f);
    game.updateBackgroundFade(0.1);
    game.updateBackgroundFade(0.07);
    EXPECT_EQ(game.fadeRemaining, 0.5);
    game.updateBackgroundFade(0.069);
    EXPECT_NEAR(game.fadeRemaining, 0.431, 1e-12);
}

TEST_F(ScreenFades, InTheSameLongFrameOnlyTheScreenFadeMoves)
{
    // Both fades share one clock.
    game.startBackgroundFadeOut(1.0f);
    game.startFadeOut(1.0f);
    game.update(0.1);
    EXPECT_NEAR(game.fadeRemaining, 1.0 - 0.034, 1e-12);
}

TEST_F(ScreenFades, ABackgroundFadeTowardsItsStateStartsNothing)
{
    game.startBackgroundFadeIn(0.5f);
    EXPECT_EQ(game.backgroundFadeState, 0);
    EXPECT_FALSE(shown("BlackBG"));
    game.isBackgroundDark = true;
    game.startBackgroundFadeOut(0.5f);
    EXPECT_EQ(game.backgroundFadeState, 0);
}

TEST_F(ScreenFades, CancellingClearsTheBackgroundAtOnce)
{
    game.startBackgroundFadeOut(0.5f);
    game.updateBackgroundFade(0.05);
    game.cancelBackgroundFade();
    EXPECT_EQ(game.backgroundFadeState, 0);
    EXPECT_FALSE(game.isBackgroundDark);
    EXPECT_FALSE(shown("BlackBG"));
}

class MissingFades : public PlayFlowFixture {
protected:
    void SetUp() override
    {
        PlayFlowFixture::SetUp();
        for (const char* name : {"FadeInOut", "BlackBG"})
            Ogre::OverlayManager::getSingleton().destroy(name);
    }
    void TearDown() override
    {
        for (const char* name : {"FadeInOut", "BlackBG"})
            Ogre::OverlayManager::getSingleton().create(name);
        PlayFlowFixture::TearDown();
    }
    long errorLines() const
    {
        return std::count_if(log.lines.begin(), log.lines.end(),
                             [](const std::string& line) { return line.rfind("[ERROR]", 0) == 0; });
    }

    LogCapture log;
};

TEST_F(MissingFades, AScreenFadeEndsAtOnceAndIsReportedOnce)
{
    game.startFadeOut(0.5f);
    EXPECT_EQ(game.fadeState, 3);
    game.startFadeIn(0.5f);
    EXPECT_EQ(game.fadeState, 0);
    game.startFadeOut(0.5f);
    EXPECT_TRUE(log.contains("[ERROR] can't find overlay: FadeInOut, named by the screen fades"));
    EXPECT_EQ(errorLines(), 1);
}

TEST_F(MissingFades, ABackgroundFadeEndsAtOnce)
{
    game.startBackgroundFadeOut(0.5f);
    EXPECT_EQ(game.backgroundFadeState, 0);
    EXPECT_TRUE(game.isBackgroundDark);
    game.startBackgroundFadeIn(0.5f);
    EXPECT_FALSE(game.isBackgroundDark);
    game.cancelBackgroundFade();
    EXPECT_TRUE(log.contains("[ERROR] can't find overlay: BlackBG, named by the screen fades"));
    EXPECT_EQ(errorLines(), 1);
}

TEST_F(MissingFades, AMissingMaterialIsReportedToo)
{
    Ogre::OverlayManager::getSingleton().create("FadeInOut");
    Ogre::MaterialManager::getSingleton().remove("Examples/OverlayMaterial", "PlayFlowFades");
    game.startFadeOut(0.5f);
    EXPECT_EQ(game.fadeState, 3);
    EXPECT_TRUE(log.contains("[ERROR] can't find material: Examples/OverlayMaterial, named by the screen fades"));
    EXPECT_FALSE(FadeResources::overlay("FadeInOut")->isVisible());
    Ogre::OverlayManager::getSingleton().destroy("FadeInOut");
}

} // namespace
