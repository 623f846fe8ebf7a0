#include "platform/SdlInputSystem.h"

#include "SdlEvents.h"

#include <OISException.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

using namespace sdlEvents;

namespace {

class CountingListener : public OIS::KeyListener, public OIS::MouseListener {
public:
    bool keyPressed(const OIS::KeyEvent& event) override
    {
        log.push_back("press " + std::to_string(event.key) + " " + std::to_string(event.text));
        return true;
    }
    bool keyReleased(const OIS::KeyEvent& event) override
    {
        log.push_back("release " + std::to_string(event.key));
        return true;
    }
    bool mouseMoved(const OIS::MouseEvent& event) override
    {
        log.push_back("moved " + std::to_string(event.state.X.abs) + " "
                      + std::to_string(event.state.Z.rel));
        return true;
    }
    bool mousePressed(const OIS::MouseEvent&, OIS::MouseButtonID id) override
    {
        log.push_back("down " + std::to_string(id));
        return true;
    }
    bool mouseReleased(const OIS::MouseEvent&, OIS::MouseButtonID id) override
    {
        log.push_back("up " + std::to_string(id));
        return true;
    }

    std::vector<std::string> log;
};

SDL_Event windowEvent(Uint8 kind)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = kind;
    return event;
}

SDL_Event plainEvent(Uint32 type)
{
    SDL_Event event{};
    event.type = type;
    return event;
}

TEST(SdlInputSystemTest, RoutesInputEventsToTheirDevices)
{
    platform::SdlInputSystem input;
    OIS::Keyboard* keyboard = input.createKeyboard();
    OIS::Mouse* mouse = input.createMouse();
    ASSERT_NE(keyboard, nullptr);
    ASSERT_NE(mouse, nullptr);
    EXPECT_TRUE(keyboard->buffered());
    EXPECT_TRUE(mouse->buffered());
    CountingListener listener;
    keyboard->setEventCallback(&listener);
    mouse->setEventCallback(&listener);
    mouse->getMouseState().width = 640;

    for (const SDL_Event& event :
         {keyDown(SDL_SCANCODE_A), text("a"), motion(20, 30, 1, 1), wheel(-1),
          button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), keyUp(SDL_SCANCODE_A),
          button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT), windowEvent(SDL_WINDOWEVENT_FOCUS_LOST),
          plainEvent(SDL_QUIT), plainEvent(SDL_JOYAXISMOTION), plainEvent(SDL_TEXTEDITING)})
        input.injectEvent(event);
    EXPECT_TRUE(listener.log.empty());

    keyboard->capture();
    mouse->capture();
    const std::vector<std::string> expected = {"press 30 97", "release 30", "moved 20 0",
                                               "moved 20 -120", "down 1", "up 1"};
    EXPECT_EQ(listener.log, expected);
}

TEST(SdlInputSystemTest, OneDeviceOfEachKindAtATime)
{
    platform::SdlInputSystem input;
    OIS::Keyboard* keyboard = input.createKeyboard();
    OIS::Mouse* mouse = input.createMouse();
    EXPECT_THROW(input.createKeyboard(), OIS::Exception);
    EXPECT_THROW(input.createMouse(), OIS::Exception);

    input.destroyInputObject(nullptr);
    input.destroyInputObject(keyboard);
    input.destroyInputObject(mouse);
    // Events after destruction must not reach freed devices.
    input.injectEvent(keyDown(SDL_SCANCODE_W));
    input.injectEvent(motion(1, 1, 1, 1));

    keyboard = input.createKeyboard();
    keyboard->capture();
    EXPECT_FALSE(keyboard->isKeyDown(OIS::KC_W));
    EXPECT_NE(input.createMouse(), nullptr);
}

TEST(SdlInputSystemTest, KeyboardTurnsSdlTextInputOn)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0)
        GTEST_SKIP() << "SDL video already running";
    // SDL's dummy driver needs no display.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_StopTextInput();
    {
        platform::SdlInputSystem input;
        OIS::Keyboard* keyboard = input.createKeyboard();
        EXPECT_TRUE(SDL_IsTextInputActive());
        input.destroyInputObject(keyboard);
        EXPECT_FALSE(SDL_IsTextInputActive());
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
}

} // namespace
