// Input in play: where a pointer on a window edge is sent, which keys and
// buttons pause the game in which modes, the pause menu they open and close,
// and the pause when the game controller goes away.
#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/PauseMenu.h"
#include "play/Level.h"
#include "play/playState.h"
#include "play/playStateInputRules.h"

#include <gtest/gtest.h>

#include <string>

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

// A level in play with its pause menu.
class PauseInput : public ::testing::Test {
protected:
    PauseInput()
    {
        game.level = &level;
        game.gameMode = gameModePlaying;
        game.isPaused = false;
        game.isShowExitToDesktop = true;
        menu.create(&state);
        state.pauseMenu = &menu;
    }
    ~PauseInput() override
    {
        game.level = nullptr;
        game.gameMode = gameModeBeforePlay;
        game.isPaused = false;
        game.isShowExitToDesktop = true;
    }

    // Each letter one event: E Escape released, S the start button, C the
    // window closed, P the pause key, B the back button.
    void play(const std::string& events)
    {
        for (char event : events) {
            switch (event) {
            case 'E': state.keyReleased(OIS::KeyEvent(nullptr, OIS::KC_ESCAPE, 0)); break;
            case 'S': state.controllerButtonDown(6); break;
            case 'C': state.windowClosed(true); break;
            case 'P': state.keyPressed(OIS::KeyEvent(nullptr, OIS::KC_P, 0)); break;
            case 'B': state.controllerButtonDown(4); break;
            default: FAIL() << event;
            }
        }
    }

    Game& game = *Game::getSingletonPtr();
    Level level;
    playState state;
    PauseMenu menu;
};

TEST_F(PauseInput, EscapeStartAndClosingTheWindowOpenAndCloseTheMenu)
{
    struct Case {
        const char* events;
        bool isShowExitToDesktop;
        bool isOpen;
        bool isPaused;
        int mode;
    };
    const Case cases[] = {
        {"E", true, true, true, gameModePlaying},
        {"EE", true, false, false, gameModePlaying},
        {"S", true, true, true, gameModePlaying},
        {"SS", true, false, false, gameModePlaying},
        {"ES", true, false, false, gameModePlaying},
        {"C", true, true, true, gameModePlaying},
        // The third entry offered leaves the game; without it the game is
        // left all the same.
        {"CC", true, false, false, gameModeQuit},
        {"CC", false, false, false, gameModeQuit},
        {"CE", true, false, false, gameModePlaying},
        // The pause key and the back button leave an open menu alone.
        {"EP", true, true, true, gameModePlaying},
        {"EB", true, true, true, gameModePlaying},
    };
    for (const Case& c : cases) {
        game.gameMode = gameModePlaying;
        game.isPaused = false;
        game.isShowExitToDesktop = c.isShowExitToDesktop;
        menu.isOpen = false;
        play(c.events);
        EXPECT_EQ(menu.isOpen, c.isOpen) << c.events;
        EXPECT_EQ(game.isPaused, c.isPaused) << c.events;
        EXPECT_EQ(game.gameMode, c.mode) << c.events;
    }
}

TEST_F(PauseInput, NothingOpensTheMenuOutsidePlayOrWhereTheLevelForbidsPausing)
{
    struct Case {
        const char* events;
        int mode;
        bool isPauseDisabled;
    };
    const Case cases[] = {
        {"E", gameModePlayerDying, false}, {"E", gameModePlaying, true}, {"S", gameModePlayerDying, false},
        {"S", gameModePlaying, true},      {"C", gameModePlayerDying, false},
    };
    for (const Case& c : cases) {
        game.gameMode = c.mode;
        level.isPauseDisabled = c.isPauseDisabled;
        play(c.events);
        EXPECT_FALSE(menu.isOpen) << c.events << " in mode " << c.mode;
        EXPECT_FALSE(game.isPaused) << c.events << " in mode " << c.mode;
        EXPECT_EQ(game.gameMode, c.mode);
    }
}

TEST_F(PauseInput, PlayPausesOnceWhenTheControllerGoesAway)
{
    int controller = 0;
    state.game = &game;
    game.gameController = reinterpret_cast<SDL_GameController*>(&controller);
    state.watchController();
    EXPECT_EQ(state.padLost, 1);
    EXPECT_FALSE(game.isPaused);
    game.gameController = nullptr;
    state.watchController();
    EXPECT_EQ(state.padLost, 0);
    EXPECT_TRUE(game.isPaused);
    game.isPaused = false;
    state.watchController();
    EXPECT_FALSE(game.isPaused);
}

} // namespace
