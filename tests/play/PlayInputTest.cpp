// Input in play: where a pointer on a window edge is sent, which keys and
// buttons pause the game in which modes, the pause menu they open and close,
// and the pause when the game controller goes away.
#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/PauseMenu.h"
#include "play/Level.h"
#include "play/playState.h"
#include "play/playStateInputRules.h"
#include "support/OgreTestRoot.h"

#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>


namespace {

TEST(PlayInput, APointerOnAnEdgeGoesToTheOtherSideButNotOntoAnEdge)
{
    struct Case {
        int position;
        int extent;
        int expected;
    };
    const Case cases[] = {
        {0, 1280, 1278}, {1279, 1280, 1}, {1280, 1280, 1}, {-3, 720, 718},
        {1, 1280, -1},   {640, 1280, -1}, {1278, 1280, -1}, {0, 2, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wrappedPointerCoordinate(c.position, c.extent), c.expected) << c.position << " of " << c.extent;
}

TEST(PlayInput, PauseTogglesOnlyInPlayAndWhereTheLevelAllowsIt)
{
    Game& game = *Game::getSingletonPtr();
    Level level;
    game.level = &level;
    playState state;
    const OIS::KeyEvent pauseKey(nullptr, OIS::KC_P, 0);
    const OIS::KeyEvent otherKey(nullptr, OIS::KC_O, 0);
    struct Case {
        int mode;
        bool isPauseDisabled;
        bool expectToggle;
    };
    const Case cases[] = {
        {gameModePlaying, false, true},
        {gameModePlayerDying, false, false},
        {gameModeContinueOffer, false, false},
        {gameModePlaying, true, false},
    };
    for (const Case& c : cases) {
        game.gameMode = c.mode;
        level.isPauseDisabled = c.isPauseDisabled;
        for (bool wasPaused : {false, true}) {
            const bool toggled = c.expectToggle ? !wasPaused : wasPaused;
            game.isPaused = wasPaused;
            state.keyPressed(pauseKey);
            EXPECT_EQ(game.isPaused, toggled) << "key P in mode " << c.mode;
            game.isPaused = wasPaused;
            state.controllerButtonDown(4);
            EXPECT_EQ(game.isPaused, toggled) << "back button in mode " << c.mode;
            game.isPaused = wasPaused;
            state.controllerButtonDown(5);
            EXPECT_EQ(game.isPaused, toggled) << "guide button in mode " << c.mode;
            game.isPaused = wasPaused;
            state.keyPressed(otherKey);
            EXPECT_EQ(game.isPaused, wasPaused);
        }
    }
    game.level = nullptr;
}

// Escape (E), the start button (S), closing the window (C), the pause key
// (P) and the back button (B) in a level in play with its pause menu.
TEST(PlayInput, TheMenuOpensAndClosesOnlyInPlayWhereTheLevelAllowsPausing)
{
    Game& game = *Game::getSingletonPtr();
    Level level;
    game.level = &level;
    sharedTestOverlaySystem();
    if (!Ogre::HardwareBufferManager::getSingletonPtr())
        new Ogre::DefaultHardwareBufferManager;
    playState state;
    PauseMenu menu;
    menu.create(&state);
    state.pauseMenu = &menu;
    struct Case {
        const char* events;
        int mode;
        bool isPauseDisabled;
        bool isShowExitToDesktop;
        bool isOpen;
        int modeAfter;
    };
    const Case cases[] = {
        {"E", gameModePlaying, false, true, true, gameModePlaying},
        {"EE", gameModePlaying, false, true, false, gameModePlaying},
        {"SS", gameModePlaying, false, true, false, gameModePlaying},
        {"ES", gameModePlaying, false, true, false, gameModePlaying},
        {"CE", gameModePlaying, false, true, false, gameModePlaying},
        // The third entry offered leaves the game; without it the game is
        // left all the same.
        {"CC", gameModePlaying, false, true, false, gameModeQuit},
        {"CC", gameModePlaying, false, false, false, gameModeQuit},
        // The pause key and the back button leave an open menu alone.
        {"SPB", gameModePlaying, false, true, true, gameModePlaying},
        {"ESC", gameModePlayerDying, false, true, false, gameModePlayerDying},
        {"ES", gameModePlaying, true, true, false, gameModePlaying},
    };
    for (const Case& c : cases) {
        game.gameMode = c.mode;
        game.isPaused = menu.isOpen = false;
        level.isPauseDisabled = c.isPauseDisabled;
        game.isShowExitToDesktop = c.isShowExitToDesktop;
        for (const char* event = c.events; *event; ++event) {
            if (*event == 'E' || *event == 'P') {
                const OIS::KeyEvent key(nullptr, *event == 'E' ? OIS::KC_ESCAPE : OIS::KC_P, 0);
                *event == 'E' ? state.keyReleased(key) : state.keyPressed(key);
            } else if (*event == 'C') {
                state.windowClosed(true);
            } else {
                state.controllerButtonDown(*event == 'S' ? 6 : 4);
            }
        }
        EXPECT_EQ(menu.isOpen, c.isOpen) << c.events;
        EXPECT_EQ(game.isPaused, c.isOpen) << c.events;
        EXPECT_EQ(game.gameMode, c.modeAfter) << c.events;
    }
    menu.destroy();
    game.level = nullptr;
    game.gameMode = gameModeBeforePlay;
    game.isPaused = false;
    game.isShowExitToDesktop = true;
}

TEST(PlayInput, PlayPausesOnceWhenTheControllerGoesAway)
{
    Game& game = *Game::getSingletonPtr();
    game.isPaused = false;
    playState state;
    state.game = &game;
    int controller = 0;
    game.gameController = reinterpret_cast<SDL_GameController*>(&controller);
    state.watchController();
    EXPECT_FALSE(game.isPaused);
    game.gameController = nullptr;
    state.watchController();
    EXPECT_TRUE(game.isPaused);
    game.isPaused = false;
    state.watchController();
    EXPECT_FALSE(game.isPaused);
}

} // namespace
