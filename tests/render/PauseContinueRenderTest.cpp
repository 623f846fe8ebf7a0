// The pause menu and the continue offer in the sample game's first level,
// driven by the keyboard as a player would: Escape opens the pause menu over
// the frozen level and Return continues; the ship then loses its last life,
// the continue offer comes up and NO ends the game. Real frames on both
// renderers; the frames of both screens are kept for the eye.
#include "support/RenderColours.h"
#include "support/SampleLevelPlay.h"

#include "combat/Player.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameMode.h"
#include "core/GameState.h"
#include "data/GameFileReader.h"
#include "frontend/ContinueMenu.h"
#include "frontend/PauseMenu.h"
#include "platform/SdlEvents.h"
#include "platform/SdlKeyboard.h"
#include "play/playState.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreControllerManager.h>
#include <OgreFontManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// Damage that ends any ship at once.
constexpr int lethalDamage = 1000000;
constexpr int hitByShot = 2;

bool isOverlayShown(const char* name)
{
    const Ogre::Overlay* overlay = Ogre::OverlayManager::getSingleton().getByName(name);
    return overlay && overlay->isVisible();
}

float timeFactor() { return Ogre::ControllerManager::getSingleton().getTimeFactor(); }

class PauseContinue : public SampleLevelPlay {
protected:
    void configure() override { game.shootButton[0] = OIS::KC_X; }

    void expectPauseAndContinue();
    void expectContinueOfferedAndRefused();
};

void PauseContinue::expectPauseAndContinue()
{
    PauseMenu& menu = *play.pauseMenu;
    tap(SDL_SCANCODE_ESCAPE);
    EXPECT_TRUE(menu.isOpen);
    EXPECT_TRUE(game.isPaused);
    EXPECT_EQ(timeFactor(), 0.0f) << "the level stands still behind the menu";
    ASSERT_TRUE(runUntil([&] { return menu.state == PauseMenu::stateOpen; }));
    EXPECT_TRUE(isOverlayShown("OverlayBGPlay"));
    EXPECT_GT(menu.background.panel->getWidth(), 0.0f);
    ASSERT_GE(menu.entries.size(), 2u);
    EXPECT_EQ(menu.entries[0]->text, "CONTINUE");
    EXPECT_EQ(menu.entries[0]->isSelected, 1u);
    EXPECT_TRUE(menu.entries[0]->labelText->overlay->isVisible());
    scene->keepFrame("PauseMenu");
    EXPECT_GT(scene->spreadOnScreen(0.3f, 0.7f), 0.3f);

    tap(SDL_SCANCODE_RETURN);
    EXPECT_FALSE(game.isPaused);
    ASSERT_TRUE(runUntil([&] { return !menu.isShown; }));
    EXPECT_FALSE(isOverlayShown("OverlayBGPlay"));
    EXPECT_EQ(game.gameMode, gameModePlaying);
    EXPECT_EQ(timeFactor(), 1.0f);
}

void PauseContinue::expectContinueOfferedAndRefused()
{
    ContinueMenu& offer = *play.continueMenu;
    const int continuesLeft = game.currentContinues;
    ASSERT_GT(continuesLeft, 0) << "the sample game offers continues";
    game.currentLives = 1;
    ASSERT_TRUE(runUntil([&] { return game.gameMode == gameModeContinueOffer; }, [&] {
        // Once the ship's blinking after the start has ended.
        Player& ship = *play.player;
        if (ship.status == Player::statusPlaying && ship.sceneNode)
            ship.hit(lethalDamage, hitByShot, ship.sceneNode->_getDerivedPosition());
    }));
    ASSERT_TRUE(runUntil([&] { return offer.phase == ContinueMenu::phaseChoosing; }));
    EXPECT_TRUE(isOverlayShown("OverlayBGCONT"));
    EXPECT_EQ(timeFactor(), 0.0f);
    EXPECT_EQ(offer.continuesNumberEntry->labelText->text, std::to_string(continuesLeft));
    EXPECT_EQ(offer.yesEntry->isSelected, 1u);
    // The level's build made the five texts again, NO too, at one depth.
    for (const menuButton* text : {offer.noEntry.get(), offer.yesEntry.get(), offer.playAgainEntry.get(),
                                   offer.continuesEntry.get(), offer.continuesNumberEntry.get()})
        EXPECT_EQ(text->labelText->overlay->getZOrder(), 649) << text->text;
    // The texts' slide ends with the panel's.
    runFrame();
    scene->keepFrame("ContinueOffer");
    EXPECT_GT(scene->spreadOnScreen(0.3f, 0.7f), 0.3f);

    tap(SDL_SCANCODE_LEFT);
    EXPECT_EQ(offer.choice, ContinueMenu::choiceNo);
    tap(SDL_SCANCODE_X);
    EXPECT_FALSE(isOverlayShown("OverlayBGCONT"));
    // Game over, and without a message asked for, straight on to its scores.
    const auto isGameOver = [](int mode) { return mode == gameModeGameOver || mode == gameModeGameOverScores; };
    EXPECT_TRUE(isGameOver(game.gameMode)) << game.gameMode;
    EXPECT_EQ(game.currentContinues, continuesLeft);
    EXPECT_TRUE(isGameOver(play.lastGameMode)) << "the play flow has moved on";
}

TEST_F(PauseContinue, PauseThenContinueThenTheLastLifeAndNoMoreContinue)
{
    ASSERT_EQ(manager->currentState(), &play);
    ASSERT_NE(keyboard, nullptr);
    ASSERT_TRUE(runUntil([&] { return play.player->status == Player::statusPlaying; }));
    expectPauseAndContinue();
    expectContinueOfferedAndRefused();
}

} // namespace
