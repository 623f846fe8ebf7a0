// The two fades drawn with the sample game's overlays and materials: the
// alpha their programs take on the way and what it does to the picture.
#include "render/ConstantReadback.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "core/Game.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreCamera.h>
#include <OgreRenderWindow.h>
#include <OgreViewport.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class FadeRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        // A white picture, so that the fades' black shows.
        scene->camera->getViewport()->setBackgroundColour(Ogre::ColourValue::White);
        resetFades();
    }
    void TearDown() override
    {
        for (const char* name : {"FadeInOut", "BlackBG"})
            if (Ogre::Overlay* overlay = Ogre::OverlayManager::getSingleton().getByName(name))
                overlay->hide();
        resetFades();
        game.resetGame();
        game.isStartMenuPresent = false;
    }
    void resetFades()
    {
        game.fadeState = game.backgroundFadeState = 0;
        game.isBackgroundDark = false;
        game.fadeOverlay = game.backgroundOverlay = nullptr;
        game.backgroundTextureUnit = nullptr;
    }
    float alphaOf(const std::string& material) const
    {
        const std::vector<float> alpha = fragmentConstant(findMaterial(material), "alpha");
        return alpha.empty() ? -1.0f : alpha[0];
    }
    // The picture's centre after a frame: white under a fade of alpha 0,
    // black under alpha 1.
    Ogre::ColourValue centre()
    {
        scene->renderFrame();
        return scene->colourOnScreen(0.5f, 0.5f);
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    LogCapture log;
};

TEST_F(FadeRender, TheScreenFadeGoesBlackAlongItsCurveAndBack)
{
    game.startFadeOut(1.0f);
    for (int frame = 0; frame < 15; ++frame)
        game.updateFade(1.0 / 30.0);
    EXPECT_NEAR(alphaOf("Examples/OverlayMaterial"), 0.5f, 1e-4f); // smoothstep at half way
    EXPECT_COLOUR(centre(), grey(0.5f));
    game.updateFade(0.1);
    EXPECT_NEAR(alphaOf("Examples/OverlayMaterial"), 0.5f + 0.051f, 0.001f);
    while (game.fadeState == 2)
        game.updateFade(1.0 / 30.0);
    EXPECT_EQ(game.fadeState, 3);
    EXPECT_EQ(alphaOf("Examples/OverlayMaterial"), 1.0f);
    EXPECT_COLOUR(centre(), grey(0.0f));

    game.startFadeIn(0.2f);
    game.updateFade(0.0);
    EXPECT_EQ(alphaOf("Examples/OverlayMaterial"), 1.0f);
    while (game.fadeState == 1)
        game.updateFade(1.0 / 30.0);
    EXPECT_EQ(alphaOf("Examples/OverlayMaterial"), 0.0f);
    EXPECT_COLOUR(centre(), grey(1.0f));
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(FadeRender, TheBackgroundFadeStopsAtHalfDarkAndClearsAgain)
{
    game.startBackgroundFadeOut(0.2f);
    game.updateBackgroundFade(0.05);
    game.updateBackgroundFade(0.05);
    EXPECT_NEAR(alphaOf("BG/OverlayMaterial"), 0.25f, 1e-4f); // (1.5 - t) t² at half way
    ASSERT_NE(game.backgroundTextureUnit, nullptr);
    EXPECT_NEAR(game.backgroundTextureUnit->getAlphaBlendMode().alphaArg1, 0.25f, 1e-4f);
    EXPECT_COLOUR(centre(), grey(0.75f));
    game.updateBackgroundFade(0.05);
    game.updateBackgroundFade(0.06);
    EXPECT_TRUE(game.isBackgroundDark);
    EXPECT_EQ(alphaOf("BG/OverlayMaterial"), 0.5f);
    EXPECT_COLOUR(centre(), grey(0.5f));

    game.startBackgroundFadeIn(0.1f);
    game.updateBackgroundFade(0.05);
    game.updateBackgroundFade(0.06);
    EXPECT_FALSE(game.isBackgroundDark);
    EXPECT_EQ(alphaOf("BG/OverlayMaterial"), 0.0f);
    EXPECT_COLOUR(centre(), grey(1.0f));
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(FadeRender, ALevelChangeLetsTheFrozenFirstViewportDrawAgain)
{
    Ogre::Viewport* first = game.renderWindow->getViewport(0);
    first->setAutoUpdated(false);
    game.isStartMenuPresent = true;
    game.setGameState(12);
    EXPECT_TRUE(first->isAutoUpdated());
    EXPECT_EQ(game.fadeState, 2);

    first->setAutoUpdated(false);
    game.setGameState(11);
    EXPECT_TRUE(first->isAutoUpdated());
}

} // namespace
