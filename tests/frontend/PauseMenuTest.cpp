// The pause menu on real overlays without fonts: the entries the settings
// offer and their lines, what each entry does when chosen, and the moves,
// fades and confirmation of its frames.
#include "frontend/PauseMenu.h"

#include "core/Game.h"
#include "core/GameMode.h"
#include "platform/SdlEvents.h"
#include "platform/SdlKeyboard.h"
#include "play/playState.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreOverlay.h>
#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

class PauseMenuTest : public ::testing::Test {
protected:
    PauseMenuTest()
    {
        sharedTestOverlaySystem();
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        keyboard._initialize();
        game.keyboard = &keyboard;
        game.globalHUDFontSizeFactor = 1.0f;
        menu.create(&state);
    }
    ~PauseMenuTest() override
    {
        menu.destroy();
        game.keyboard = nullptr;
        game.gameMode = gameModeBeforePlay;
        game.isPaused = false;
        game.isShowExitToDesktop = true;
    }

    void open(bool isShowExitToDesktop = true)
    {
        game.gameMode = gameModePlaying;
        game.isPaused = menu.isOpen = true;
        game.isShowExitToDesktop = isShowExitToDesktop;
        menu.refresh(true);
    }

    std::vector<std::string> offered() const
    {
        std::vector<std::string> names;
        for (const menuButton* entry : menu.entries)
            names.push_back(entry->text);
        return names;
    }

    // Frames of 0.04 s, which fall clear of the locks' ends.
    void frames(int count, SDL_Scancode held)
    {
        keyboard.queueKey(sdlEvents::keyDown(held).key);
        keyboard.capture();
        for (int i = 0; i < count; ++i)
            menu.update(0.04);
        keyboard.queueKey(sdlEvents::keyUp(held).key);
        keyboard.capture();
    }

    Game& game = *Game::getSingletonPtr();
    platform::SdlKeyboard keyboard;
    playState state;
    PauseMenu menu;
};

TEST_F(PauseMenuTest, EntriesFollowTheSettingsAndRestartingIsNeverOffered)
{
    using Names = std::vector<std::string>;
    struct Case {
        bool isShowExitToDesktop;
        Names names;
        // Spacing of the lines in points of the font size.
        float lineStep;
    };
    const Case cases[] = {
        {true, {"CONTINUE", "BACK TO MENU", "EXIT"}, 0.12f},
        {false, {"CONTINUE", "BACK TO MENU"}, 0.12f},
    };
    for (const Case& c : cases) {
        game.isShowRestartLevel = true;
        open(c.isShowExitToDesktop);
        EXPECT_EQ(offered(), c.names);
        EXPECT_FALSE(game.isShowRestartLevel);
        EXPECT_EQ(menu.visibleCount, c.names.size() - 1);
        EXPECT_TRUE(menu.background.overlay->isVisible());
        EXPECT_NEAR(menu.backEntry->position.y - menu.continueEntry->position.y, c.lineStep, 1e-5f);
        EXPECT_EQ(menu.continueEntry->isSelected, 1u);
        EXPECT_FALSE(menu.restartEntry->labelText->overlay->isVisible());
        EXPECT_EQ(menu.exitEntry->labelText->overlay->isVisible(), c.isShowExitToDesktop);
    }
    menu.refresh(false);
    EXPECT_FALSE(menu.background.overlay->isVisible());
    EXPECT_FALSE(menu.continueEntry->labelText->overlay->isVisible());
}

TEST_F(PauseMenuTest, EachEntryDoesWhatItsNameSays)
{
    struct Case {
        std::uint32_t selected;
        int mode;
        bool isPaused;
        std::uint32_t state;
    };
    const Case cases[] = {
        {0, gameModePlaying, false, PauseMenu::stateFadingIn},
        {1, gameModeBackToStartMenu, true, PauseMenu::stateLeft},
        {2, gameModeQuit, true, PauseMenu::stateFadingIn},
        // Past the entries nothing is carried out.
        {7, gameModePlaying, true, PauseMenu::stateFadingIn},
    };
    for (const Case& c : cases) {
        menu.state = PauseMenu::stateOpen;
        open();
        menu.selected = c.selected;
        menu.validate();
        EXPECT_EQ(game.gameMode, c.mode) << c.selected;
        EXPECT_EQ(game.isPaused, c.isPaused) << c.selected;
        EXPECT_EQ(menu.state, c.state) << c.selected;
        EXPECT_FALSE(menu.isOpen);
    }
    EXPECT_EQ(menu.backEntry->labelText->overlay->getZOrder(), 648) << "above the fading panel";
}

TEST_F(PauseMenuTest, HoldingAKeyMovesOneEntryEveryLockAndReturnConfirmsOnce)
{
    open();
    // 0.1 s lock after showing, 0.3 s after each move; none past the last.
    const std::pair<int, std::uint32_t> cases[] = {{2, 0}, {3, 1}, {10, 1}, {11, 2}, {30, 2}};
    for (const auto& [count, selected] : cases) {
        menu.refresh(true);
        frames(count, SDL_SCANCODE_DOWN);
        EXPECT_EQ(menu.selected, selected) << count << " frames";
        EXPECT_EQ(menu.entries[selected]->isSelected, 1u);
        EXPECT_FLOAT_EQ(menu.entries[selected]->scaleTo, 1.12f);
    }
    EXPECT_EQ(menu.state, PauseMenu::stateOpen);
    menu.refresh(true);
    frames(3, SDL_SCANCODE_DOWN);
    frames(1, SDL_SCANCODE_LSHIFT);
    frames(1, SDL_SCANCODE_UP);
    EXPECT_EQ(menu.selected, 0u) << "letting go makes the next press act at once";

    frames(1, SDL_SCANCODE_RETURN);
    EXPECT_FALSE(game.isPaused);
    menu.selected = 1;
    frames(7, SDL_SCANCODE_RETURN);
    EXPECT_EQ(game.gameMode, gameModePlaying) << "nothing more is carried out while fading out";
    EXPECT_TRUE(menu.isShown) << "fading out";
    EXPECT_TRUE(menu.update(0.04)) << "closed once the fade is over";
    EXPECT_FALSE(menu.isShown);
    EXPECT_FALSE(menu.background.overlay->isVisible());
}

} // namespace
