// The continue offer on real overlays without fonts: the wait before it
// shows, the choice between YES and NO by the arrows, and what each answer
// does to the play flow, the counters and game time, with continues left and
// with none.
#include "frontend/ContinueMenu.h"

#include "core/Game.h"
#include "core/GameMode.h"
#include "platform/SdlEvents.h"
#include "platform/SdlKeyboard.h"
#include "play/playState.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreOverlay.h>
#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

namespace {

constexpr double frameStep = 0.05;

class ContinueMenuTest : public ::testing::Test {
protected:
    ContinueMenuTest()
    {
        sharedTestOverlaySystem();
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        keyboard._initialize();
        game.keyboard = &keyboard;
        game.shootButton[0] = OIS::KC_X;
        game.globalHUDFontSizeFactor = 1.0f;
        game.lives = 3;
        game.smartBombStartNumber = 2;
        menu.create(&state);
    }
    ~ContinueMenuTest() override
    {
        menu.destroy();
        game.keyboard = nullptr;
        game.gameMode = gameModeBeforePlay;
        game.isContinueResetScore = true;
        Ogre::ControllerManager::getSingleton().setTimeFactor(1.0f);
    }

    // Frames with the key held, then one with it let go.
    void frames(int count, SDL_Scancode held)
    {
        keyboard.queueKey(sdlEvents::keyDown(held).key);
        keyboard.capture();
        for (int i = 0; i < count; ++i)
            menu.update(frameStep);
        keyboard.queueKey(sdlEvents::keyUp(held).key);
        keyboard.capture();
        menu.update(frameStep);
    }

    bool isShown() const { return menu.background.overlay->isVisible(); }

    Game& game = *Game::getSingletonPtr();
    platform::SdlKeyboard keyboard;
    playState state;
    ContinueMenu menu;
};

TEST_F(ContinueMenuTest, TheAnswerMovesThePlayFlowOn)
{
    struct Case {
        int continuesLeft;
        bool isNo;
        bool isResetScore;
        int mode;
        int continuesAfter;
        std::int64_t scoreAfter;
    };
    const Case cases[] = {
        {2, false, true, gameModeContinueAccepted, 1, 0},
        {1, false, false, gameModeContinueAccepted, 0, 5000},
        {2, true, true, gameModeGameOver, 2, 5000},
        // Without continues the game is over before any offer.
        {0, false, true, gameModeGameOver, 0, 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.continuesLeft) + (c.isNo ? " no" : " yes"));
        game.currentContinues = c.continuesLeft;
        game.continuesUsed = 0;
        game.isContinueResetScore = c.isResetScore;
        game.totalScore = game.levelScore = 5000;
        game.currentLives = 0;
        game.currentBombs = 0;
        game.deaths = 3;
        game.setGameState(gameModeContinueOffer);
        if (game.gameMode == gameModeContinueOffer) {
            menu.open();
            // Input before the offer shows is not taken.
            frames(38, SDL_SCANCODE_LEFT);
            EXPECT_FALSE(isShown());
            EXPECT_EQ(menu.choice, ContinueMenu::choiceYes);
            frames(7, SDL_SCANCODE_LSHIFT);
            EXPECT_TRUE(isShown());
            EXPECT_EQ(menu.phase, ContinueMenu::phaseChoosing);
            EXPECT_EQ(Ogre::ControllerManager::getSingleton().getTimeFactor(), 0.0f) << "game time stands still";
            EXPECT_EQ(menu.continuesNumberEntry->labelText->text, std::to_string(c.continuesLeft));
            if (c.isNo)
                frames(10, SDL_SCANCODE_LEFT);
            EXPECT_EQ(menu.choice, c.isNo ? ContinueMenu::choiceNo : ContinueMenu::choiceYes)
                << "a held arrow does not toggle back";
            EXPECT_EQ(menu.noEntry->isSelected, c.isNo ? 1u : 0u);
            frames(1, SDL_SCANCODE_X);
            EXPECT_FALSE(isShown());
        }
        EXPECT_EQ(game.gameMode, c.mode);
        EXPECT_EQ(game.currentContinues, c.continuesAfter);
        EXPECT_EQ(game.totalScore, c.scoreAfter);
        EXPECT_EQ(game.levelScore, c.scoreAfter);
        const bool isAccepted = c.mode == gameModeContinueAccepted;
        EXPECT_EQ(game.continuesUsed, isAccepted ? 1 : 0);
        EXPECT_EQ(game.currentLives, isAccepted ? 3 : 0);
        EXPECT_EQ(game.currentBombs, isAccepted ? 2 : 0);
        EXPECT_EQ(game.deaths, isAccepted ? 0 : 3);
        if (isAccepted) {
            EXPECT_EQ(Ogre::ControllerManager::getSingleton().getTimeFactor(), 1.0f);
        }
    }
}

} // namespace
