// Input in play: where a pointer on a window edge is sent, and which keys
// and buttons pause the game in which modes.
#include "core/Game.h"
#include "core/GameMode.h"
#include "play/Level.h"
#include "play/playState.h"
#include "play/playStateInputRules.h"

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

} // namespace
