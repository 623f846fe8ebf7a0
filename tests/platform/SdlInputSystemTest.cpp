#include "platform/SdlInputSystem.h"

#include "SdlEvents.h"

#include <OISException.h>
#include <SDL.h>
#include <gtest/gtest.h>

using namespace sdlEvents;

namespace {

class TextListener : public OIS::KeyListener {
public:
    bool keyPressed(const OIS::KeyEvent& event) override
    {
        text = event.text;
        return true;
    }
    bool keyReleased(const OIS::KeyEvent&) override { return true; }

    unsigned int text = 0;
};

SDL_Event eventOfType(Uint32 type, Uint8 windowEvent = 0)
{
    SDL_Event event{};
    event.type = type;
    event.window.event = windowEvent;
    return event;
}

TEST(SdlInputSystemTest, RoutesInputEventsToTheirDevices)
{
    platform::SdlInputSystem input;
    input.injectEvent(keyDown(SDL_SCANCODE_S)); // no keyboard yet: dropped
    OIS::Keyboard* keyboard = input.createKeyboard();
    OIS::Mouse* mouse = input.createMouse();
    EXPECT_TRUE(keyboard->buffered());
    EXPECT_TRUE(mouse->buffered());
    TextListener listener;
    keyboard->setEventCallback(&listener);
    mouse->getMouseState().width = 640;

    for (const SDL_Event& event :
         {keyDown(SDL_SCANCODE_A), text("a"), motion(20, 30, 1, 1), wheel(-1),
          button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), eventOfType(SDL_QUIT),
          eventOfType(SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_LOST),
          eventOfType(SDL_JOYAXISMOTION), eventOfType(SDL_TEXTEDITING)})
        input.injectEvent(event);
    keyboard->capture();
    mouse->capture();

    EXPECT_TRUE(keyboard->isKeyDown(OIS::KC_A));
    EXPECT_FALSE(keyboard->isKeyDown(OIS::KC_S));
    EXPECT_EQ(listener.text, unsigned('a'));
    const OIS::MouseState& state = mouse->getMouseState();
    EXPECT_EQ(state.X.abs, 20);
    EXPECT_EQ(state.Y.abs, 30);
    EXPECT_EQ(state.Z.rel, -120);
    EXPECT_TRUE(state.buttonDown(OIS::MB_Right));
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
