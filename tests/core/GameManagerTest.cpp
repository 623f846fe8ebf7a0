#include "core/GameManager.h"

#include "core/Game.h"
#include "core/GameState.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records which operations the manager called, in order.
class RecordingState : public GameState {
public:
    std::vector<std::string> calls;
    double lastStep = -1.0;
    bool lastInside = true;

    void enter(Ogre::RenderWindow*) override { calls.push_back("enter"); }
    void exit() override { calls.push_back("exit"); }
    void update(double step) override { lastStep = step; }
    void mouseInWindow(bool inside) override
    {
        lastInside = inside;
        calls.push_back(inside ? "inside" : "outside");
    }
    void mouseMoved(int x, int y, int) override { calls.push_back("moved " + std::to_string(x) + "," + std::to_string(y)); }
    void mousePressed(const OIS::MouseEvent&, OIS::MouseButtonID id) override
    {
        calls.push_back("pressed " + std::to_string(id));
    }
    void windowFocusLost() override { calls.push_back("focusLost"); }
    void windowFocusGained() override { calls.push_back("focusGained"); }
    void resumeAfterFocus() override { calls.push_back("resumeAfterFocus"); }
    void windowClosed(bool closed) override { calls.push_back(closed ? "closed" : "not closed"); }
    void joystickAxisMoved(std::uint8_t axis) override { calls.push_back("axis " + std::to_string(axis)); }
    void controllerButtonDown(std::uint8_t button) override { calls.push_back("button " + std::to_string(button)); }
};

class GameManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SDL_InitSubSystem(SDL_INIT_EVENTS);
        game.resetDefaults();
        manager = new GameManager();
        manager->game = &game;
    }
    void TearDown() override
    {
        delete manager;
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
    }
    void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }
    SDL_Event windowEvent(Uint8 which)
    {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = which;
        return event;
    }
    // The event refers to the fixture's state, which outlives it.
    OIS::MouseEvent mouseAt(int x, int y)
    {
        mouseState.width = 1280;
        mouseState.height = 720;
        mouseState.X.abs = x;
        mouseState.Y.abs = y;
        return OIS::MouseEvent(nullptr, mouseState);
    }

    OIS::MouseState mouseState;
    Game& game = *Game::getSingletonPtr();
    GameManager* manager = nullptr;
    RecordingState first;
    RecordingState second;
};

} // namespace

TEST(GameManagerRules, TimeStepIsCappedBeforePlayAndForLongFrames)
{
    EXPECT_DOUBLE_EQ(capTimeStep(0.2, 0.0f), 1.0 / 30.0);
    EXPECT_DOUBLE_EQ(capTimeStep(0.2, 1.5f), 0.2);
    EXPECT_DOUBLE_EQ(capTimeStep(0.3, 1.5f), 1.0 / 30.0);
    EXPECT_DOUBLE_EQ(capTimeStep(0.3, 0.0f), 1.0 / 30.0);
    EXPECT_DOUBLE_EQ(capTimeStep(0.25, 1.0f), 0.25);
    EXPECT_DOUBLE_EQ(capTimeStep(0.01, 0.0f), 0.01);
}

TEST(GameManagerRules, MouseIsClampedToTheWindow)
{
    int x = 0, y = 100;
    EXPECT_FALSE(clampMouseToWindow(x, y, 1280, 720));
    EXPECT_EQ(x, 0);
    x = 1280;
    EXPECT_FALSE(clampMouseToWindow(x, y, 1280, 720));
    EXPECT_EQ(x, 1280);
    x = 10;
    y = 0;
    EXPECT_FALSE(clampMouseToWindow(x, y, 1280, 720));
    EXPECT_EQ(y, 0);
    x = -40;
    EXPECT_FALSE(clampMouseToWindow(x, y, 1280, 720));
    EXPECT_EQ(x, 0);
    x = 10;
    y = 900;
    EXPECT_FALSE(clampMouseToWindow(x, y, 1280, 720));
    EXPECT_EQ(y, 720);
    x = 640;
    y = 360;
    EXPECT_TRUE(clampMouseToWindow(x, y, 1280, 720));
}

TEST(GameManagerRules, AxisDeadZoneIsExclusive)
{
    EXPECT_TRUE(isAxisBeyondDeadZone(3201));
    EXPECT_TRUE(isAxisBeyondDeadZone(-3201));
    EXPECT_FALSE(isAxisBeyondDeadZone(3200));
    EXPECT_FALSE(isAxisBeyondDeadZone(-3200));
    EXPECT_FALSE(isAxisBeyondDeadZone(0));
}

TEST_F(GameManagerTest, TheManagerIsTheSingletonUntilItIsDestroyed)
{
    EXPECT_EQ(GameManager::getSingletonPtr(), manager);
    EXPECT_EQ(&GameManager::getSingleton(), manager);
    delete manager;
    manager = nullptr;
    EXPECT_EQ(GameManager::getSingletonPtr(), nullptr);
}

TEST_F(GameManagerTest, ChangeStateExitsTheOldStateAndCreatesInputOnce)
{
    manager->changeState(&first);
    ASSERT_NE(manager->keyboard, nullptr);
    OIS::Keyboard* keyboard = manager->keyboard;
    EXPECT_EQ(game.keyboard, keyboard);
    EXPECT_EQ(game.gameMode, 0); // every state change resets the level counters

    manager->changeState(&second);
    EXPECT_EQ(manager->keyboard, keyboard);
    EXPECT_EQ(first.calls, (std::vector<std::string>{"enter", "exit"}));
    EXPECT_EQ(second.calls, (std::vector<std::string>{"enter"}));
    EXPECT_EQ(manager->currentState(), &second);
}

TEST_F(GameManagerTest, UpdateStoresTheCappedStepAndPassesItOn)
{
    manager->changeState(&first);
    game.playClock = 0.0f;
    manager->update(0.2);
    EXPECT_DOUBLE_EQ(game.frameTime, 1.0 / 30.0);
    EXPECT_DOUBLE_EQ(first.lastStep, 1.0 / 30.0);
    game.playClock = 3.0f;
    manager->update(0.2);
    EXPECT_DOUBLE_EQ(first.lastStep, 0.2);
}

TEST_F(GameManagerTest, MouseMotionIsClampedAndReported)
{
    manager->changeState(&first);
    first.calls.clear();
    manager->mouseMoved(mouseAt(10, 0));
    EXPECT_EQ(first.calls, (std::vector<std::string>{"outside", "moved 10,0"}));
    EXPECT_EQ(game.mouseX, 10);
    EXPECT_EQ(game.mouseY, 0);
}

TEST_F(GameManagerTest, MouseButtonsSetTheGameFlagsAndOtherIdsPassThrough)
{
    manager->changeState(&first);
    first.calls.clear();
    manager->mousePressed(mouseAt(5, 5), OIS::MB_Right);
    EXPECT_TRUE(game.mouseRight);
    manager->mousePressed(mouseAt(5, 5), OIS::MB_Button3);
    EXPECT_FALSE(game.mouseLeft);
    EXPECT_FALSE(game.mouseMiddle);
    EXPECT_EQ(first.calls.back(), "pressed 3");
    manager->mouseReleased(mouseAt(5, 5), OIS::MB_Right);
    EXPECT_FALSE(game.mouseRight);
}

TEST_F(GameManagerTest, LosingFocusReleasesTheButtonsAndReportsTheMouseOutside)
{
    manager->changeState(&first);
    first.calls.clear();
    game.mouseLeft = game.mouseRight = game.mouseMiddle = true;
    push(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    manager->pumpSdlEvents();
    EXPECT_EQ(first.calls, (std::vector<std::string>{"outside", "focusLost"}));
    EXPECT_FALSE(game.mouseLeft || game.mouseRight || game.mouseMiddle);

    first.calls.clear();
    game.isFocusRegained = false;
    push(windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    manager->pumpSdlEvents();
    EXPECT_TRUE(game.isFocusRegained);
    EXPECT_EQ(first.calls, (std::vector<std::string>{"focusGained", "resumeAfterFocus"}));

    // A minimised window is inactive until it is restored.
    push(windowEvent(SDL_WINDOWEVENT_MINIMIZED));
    manager->pumpSdlEvents();
    EXPECT_TRUE(game.isWindowInactive);
    push(windowEvent(SDL_WINDOWEVENT_RESTORED));
    manager->pumpSdlEvents();
    EXPECT_FALSE(game.isWindowInactive);
}

TEST_F(GameManagerTest, WindowCloseAndControllerEventsReachTheState)
{
    manager->changeState(&first);
    first.calls.clear();
    push(windowEvent(SDL_WINDOWEVENT_CLOSE));
    SDL_Event axis{};
    axis.type = SDL_JOYAXISMOTION;
    axis.jaxis.axis = 1;
    axis.jaxis.value = 3200;
    push(axis);
    axis.jaxis.value = -3201;
    push(axis);
    SDL_Event button{};
    button.type = SDL_CONTROLLERBUTTONDOWN;
    button.cbutton.button = 6;
    button.cbutton.state = SDL_PRESSED;
    push(button);
    manager->pumpSdlEvents();
    EXPECT_EQ(first.calls, (std::vector<std::string>{"closed", "axis 1", "button 6"}));
}
