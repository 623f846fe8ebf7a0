// The pause menu: the entries the settings offer, what each entry does when
// chosen, and the moves, fades and confirmation of its frames.
#include "frontend/PauseMenu.h"

#include "core/Game.h"
#include "core/GameMode.h"
#include "platform/SdlEvents.h"
#include "platform/SdlKeyboard.h"
#include "play/playState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class PauseMenuTest : public ::testing::Test {
protected:
    PauseMenuTest()
    {
        keyboard._initialize();
        game.keyboard = &keyboard;
        game.gameMode = gameModePlaying;
        game.isShowExitToDesktop = true;
        menu.create(&state);
    }
    ~PauseMenuTest() override
    {
        game.keyboard = nullptr;
        game.gameMode = gameModeBeforePlay;
        game.isPaused = false;
        game.isShowExitToDesktop = true;
    }

    void open()
    {
        game.isPaused = true;
        menu.isOpen = true;
        menu.refresh(true);
    }

    void key(SDL_Scancode code, bool down)
    {
        keyboard.queueKey((down ? sdlEvents::keyDown(code) : sdlEvents::keyUp(code)).key);
        keyboard.capture();
    }

    // Frames of 0.04 s, which fall clear of the locks' ends.
    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            menu.update(frameTime);
    }

    static constexpr double frameTime = 0.04;
    Game& game = *Game::getSingletonPtr();
    platform::SdlKeyboard keyboard;
    playState state;
    PauseMenu menu;
};

TEST_F(PauseMenuTest, TheSettingsChooseTheEntriesAndRestartingIsNeverOffered)
{
    struct Case {
        bool isShowExitToDesktop;
        bool isShowRestartLevel;
        Names entries;
    };
    const Case cases[] = {
        {true, true, {"CONTINUE", "BACK TO MENU", "EXIT"}},
        {true, false, {"CONTINUE", "BACK TO MENU", "EXIT"}},
        {false, true, {"CONTINUE", "BACK TO MENU"}},
        {false, false, {"CONTINUE", "BACK TO MENU"}},
    };
    for (const Case& c : cases) {
        game.isShowExitToDesktop = c.isShowExitToDesktop;
        game.isShowRestartLevel = c.isShowRestartLevel;
        menu.selected = 1;
        menu.refresh(true);
        EXPECT_EQ(menu.entries, c.entries);
        EXPECT_FALSE(game.isShowRestartLevel);
        EXPECT_EQ(menu.selected, 0u);
        EXPECT_TRUE(menu.isShown);
    }
}

TEST_F(PauseMenuTest, EachEntryDoesWhatItsNameSaysOncePerShowing)
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
        game.gameMode = gameModePlaying;
        menu.state = PauseMenu::stateOpen;
        open();
        menu.selected = c.selected;
        menu.validate();
        EXPECT_FALSE(menu.isOpen) << c.selected;
        EXPECT_EQ(game.gameMode, c.mode) << c.selected;
        EXPECT_EQ(game.isPaused, c.isPaused) << c.selected;
        EXPECT_EQ(menu.state, c.state) << c.selected;
        game.gameMode = gameModePlaying;
        game.isPaused = true;
        menu.selected = 0;
        menu.validate();
        EXPECT_TRUE(game.isPaused) << "a second choice after " << c.selected;
    }
}

TEST_F(PauseMenuTest, HoldingDownMovesOneEntryEveryLockAndReturnConfirms)
{
    open();
    key(SDL_SCANCODE_DOWN, true);
    frames(2); // the lock of the showing still holds
    EXPECT_EQ(menu.selected, 0u);
    frames(1);
    EXPECT_EQ(menu.selected, 1u);
    frames(7); // the lock of a move is 0.3 s
    EXPECT_EQ(menu.selected, 1u);
    frames(1);
    EXPECT_EQ(menu.selected, 2u);
    frames(20);
    EXPECT_EQ(menu.selected, 2u) << "no entry past the last";
    EXPECT_EQ(menu.state, PauseMenu::stateOpen);

    // Letting go makes the next press act at once.
    key(SDL_SCANCODE_DOWN, false);
    frames(1);
    key(SDL_SCANCODE_UP, true);
    frames(1);
    EXPECT_EQ(menu.selected, 1u);
    key(SDL_SCANCODE_UP, false);

    menu.selected = 0;
    key(SDL_SCANCODE_RETURN, true);
    frames(1);
    EXPECT_FALSE(menu.isOpen);
    EXPECT_FALSE(game.isPaused);
    // Return still held while the menu fades out carries out nothing more.
    game.isPaused = true;
    frames(7);
    EXPECT_TRUE(game.isPaused);
    EXPECT_TRUE(menu.isShown);
    EXPECT_TRUE(menu.update(frameTime)) << "closed once the fade is over";
    EXPECT_FALSE(menu.isShown);
    key(SDL_SCANCODE_RETURN, false);
}

} // namespace
