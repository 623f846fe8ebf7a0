// The splash screens run by the GameManager on the sample game's logos:
// when the start menu begins for each choice of pictures, durations and a
// held key; a game picture that is missing, then the logo on screen.
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"
#include "support/WindowManager.h"

#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/materials/MaterialLookup.h"
#include "frontend/IntroState.h"
#include "frontend/StartMenuState.h"

#include <Overlay/OgreOverlayContainer.h>
#include <OgrePass.h>
#include <OgreRenderWindow.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

constexpr double frameStep = 0.02;

class Elsewhere : public GameState {};

class IntroStateRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        // The start menu writes its entries in the menu font. A scene drops
        // the materials made while it lived, the loaded font's among them,
        // and Ogre cannot load a font again: it is loaded between scenes.
        { const RenderScene first; }
        OverlayWidget font;
        font.fontName = game.startMenuFont;
        font.create();
        scene = std::make_unique<RenderScene>();
        firstLevel.name = "Level01";
        game.levels.push_back(&firstLevel);
        manager = windowmanager::start(game);
    }
    void TearDown() override
    {
        if (!manager)
            return;
        windowmanager::stop(manager, elsewhere);
        game.levels.clear();
        game.keyHeld = false;
        scene.reset();
    }
    void enter(const std::string& first, const std::string& second, float firstDuration, float secondDuration)
    {
        game.splashScreenPicture = first;
        game.splashScreenPicture2 = second;
        game.splashScreen1Duration = firstDuration;
        game.splashScreen2Duration = secondDuration;
        manager->changeState(&intro);
    }
    // Seconds of frames until the start menu has begun; -1 when it has not
    // within the limit.
    double secondsToStartMenu(double limit)
    {
        for (double t = frameStep; t < limit; t += frameStep) {
            manager->currentState()->update(frameStep);
            if (manager->currentState() == startMenuState::getInstance())
                return t;
        }
        return -1.0;
    }

    Game& game = *Game::getSingletonPtr();
    introState& intro = *introState::getInstance();
    gameFileEntry firstLevel;
    Elsewhere elsewhere;
    std::unique_ptr<RenderScene> scene;
    std::unique_ptr<GameManager> manager;
};

TEST_F(IntroStateRender, TheStartMenuBeginsWhenThePicturesHaveShownOrTheKeyShortenedThem)
{
    struct Case {
        const char* name;
        std::string first, second;
        float firstDuration, secondDuration;
        bool isKeyHeld;
        double seconds;
    };
    // The opening fade 0.4 s; each picture its duration + 0.5 s, the fade
    // out 0.4 s; a second picture waits 0.4 s of black first.
    const Case cases[] = {
        {"no pictures", "none", "none", 2.0f, 1.5f, false, 0.4},
        {"the logo for 1 s", "", "none", 1.0f, 1.5f, false, 1.92},
        {"both logos for 1 s", "", "", 1.0f, 1.0f, false, 3.88},
        {"3 s shortened at once", "", "none", 3.0f, 1.5f, true, 0.8},
        {"10 s shortened to 6.4 s", "", "none", 10.0f, 1.5f, true, 6.82},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        enter(c.first, c.second, c.firstDuration, c.secondDuration);
        game.keyHeld = c.isKeyHeld;
        EXPECT_NEAR(secondsToStartMenu(12.0), c.seconds, 2.5 * frameStep);
        EXPECT_EQ(game.levelName, "Level01");
        game.keyHeld = false;
        manager->changeState(&elsewhere);
    }
    // Leaving the splashes removed the logos' materials.
    EXPECT_FALSE(findMaterial("SplashScreens/logoTessar"));
    EXPECT_FALSE(findMaterial("SplashScreens/logoZN"));
}

TEST_F(IntroStateRender, AMissingGamePictureShowsTheStandInThenTheLogoShowsAcrossTheWindow)
{
    LogCapture log;
    enter("nothere.png", "", 0.1f, 2.0f);
    const std::string error = "[ERROR] can't find splash screen picture: nothere.png";
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), error), 1);
    EXPECT_EQ(intro.firstPanel->getMaterialName(), "nothere.png");
    EXPECT_EQ(intro.firstPanel->getMaterial()->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getTextureName(),
              "notFound.jpg");
    // The first picture ends at 0.6 s, its fade at 1.0 s; the logo is in
    // full view from 1.45 s.
    for (int frame = 0; frame < 80; ++frame)
        intro.update(frameStep);
    ASSERT_EQ(intro.phase, introState::phaseSecondSplash);
    scene->renderFrame();
    // The 16:9 logo on the square window: as wide as the window, between
    // black bars.
    EXPECT_COLOUR(scene->colourOnScreen(0.05f, 0.5f), rgb(0x5a2d82));
    EXPECT_COLOUR(scene->colourOnScreen(0.05f, 0.05f), Ogre::ColourValue::Black);
}

} // namespace
