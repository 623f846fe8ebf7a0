// The sample game's start menu run by the GameManager and played with a game
// pad made by SDL's virtual joystick driver: plugging it in offers the pad's
// control screen, the d-pad and the A button lead there, and a button pressed
// on an entry becomes its binding, the button it replaces going to the entry
// that held it. Real frames on both renderers.
#include "support/RenderScene.h"
#include "support/WindowManager.h"

#include "../core/VirtualPad.h"

#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "data/GameFileReader.h"
#include "frontend/StartMenuState.h"

#include <OgreFontManager.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr double frameStep = 1.0 / 30.0;
// Enough frames for any input lock and screen slide of the sample menu to end.
constexpr int settleFrames = 60;

class Elsewhere : public GameState {};

class StartMenuPad : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        // The menu font is loaded between scenes: a scene drops the materials
        // made while it lived, and Ogre cannot load a font again.
        {
            const RenderScene first;
            readGameFile(game);
        }
        OverlayWidget font;
        font.fontName = game.startMenuFont;
        font.create();
        scene = std::make_unique<RenderScene>();
        game.loadGameData();
        manager = windowmanager::start(game);
        manager->changeState(&menu);
    }
    void TearDown() override
    {
        if (!manager)
            return;
        windowmanager::stop(manager, elsewhere);
        game.clearLibraries();
        game.resetLevel();
        game.resetDefaults();
        Ogre::FontManager::getSingleton().unloadAll();
        scene.reset();
    }

    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            manager->pumpSdlEvents();
            manager->update(frameStep);
            scene->renderFrame();
        }
    }
    // One press of a pad button, held for a frame, then the menu settles.
    void press(SDL_GameControllerButton button)
    {
        pad.setButton(button, true);
        frames(2);
        pad.setButton(button, false);
        frames(settleFrames);
    }

    Game& game = *Game::getSingletonPtr();
    startMenuState& menu = *startMenuState::getInstance();
    Elsewhere elsewhere;
    VirtualPad pad;
    std::unique_ptr<RenderScene> scene;
    std::unique_ptr<GameManager> manager;
};

TEST_F(StartMenuPad, APadLeadsToItsControlScreenAndBindsAButton)
{
    ASSERT_TRUE(pad.isPlugged()) << SDL_GetError();
    frames(settleFrames);
    ASSERT_NE(game.gameController, nullptr);
    const startMenuScreen* choice = menu.findScreen(startMenuState::controlsChoiceScreenName);
    ASSERT_NE(choice, nullptr);
    const menuButton* padEntry = choice->entries.at(1).get();
    ASSERT_EQ(padEntry->fonctionName, startMenuState::padScreenName);
    EXPECT_TRUE(padEntry->isActive);

    // "PRESS START", Options, Controls, Controller.
    const SDL_GameControllerButton route[] = {SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_DPAD_DOWN,
                                              SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_DPAD_DOWN,
                                              SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_A,
                                              SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_A};
    for (const SDL_GameControllerButton button : route)
        press(button);
    ASSERT_EQ(menu.currentScreen, startMenuState::padScreenName);
    EXPECT_EQ(menu.selectedIndex, 0u);

    // X on the first fire button's entry: the third fire button had it and
    // takes the first's A.
    ASSERT_EQ(game.shootButtonNumber[0], SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(game.shootButtonNumber[2], SDL_CONTROLLER_BUTTON_X);
    press(SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(game.shootButtonNumber[0], SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(game.shootButtonNumber[2], SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(menu.currentScreen, startMenuState::padScreenName);
    scene->keepFrame("StartMenu-pad-controls");

    // Unplugged, the pad's screen is no longer offered.
    pad.unplug();
    frames(2);
    EXPECT_EQ(game.gameController, nullptr);
    EXPECT_FALSE(padEntry->isActive);
}

} // namespace
