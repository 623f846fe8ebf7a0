#include "platform/SdlKeyboard.h"

#include "SdlEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sdlEvents;
using Log = std::vector<std::string>;

namespace {

// Logs "press <code> text <char> down <0|1> mods <bits>" as the listener sees it.
class RecordingKeyListener : public OIS::KeyListener {
public:
    explicit RecordingKeyListener(const platform::SdlKeyboard& keyboard) : keyboard(keyboard) {}

    // Each call answers false: later events must still arrive.
    bool keyPressed(const OIS::KeyEvent& event) override { return record("press", event); }
    bool keyReleased(const OIS::KeyEvent& event) override { return record("release", event); }

    Log log;

private:
    bool record(const std::string& what, const OIS::KeyEvent& event)
    {
        EXPECT_EQ(event.device, &keyboard);
        int modifiers = 0;
        for (auto modifier : {OIS::Keyboard::Shift, OIS::Keyboard::Ctrl, OIS::Keyboard::Alt})
            if (keyboard.isModifierDown(modifier))
                modifiers |= modifier;
        log.push_back(what + " " + std::to_string(event.key) + " text "
                      + std::to_string(event.text) + " down "
                      + std::to_string(keyboard.isKeyDown(event.key)) + " mods "
                      + std::to_string(modifiers));
        return false;
    }

    const platform::SdlKeyboard& keyboard;
};

class SdlKeyboardTest : public ::testing::Test {
protected:
    SdlKeyboardTest() : listener(keyboard)
    {
        keyboard._initialize();
        keyboard.setEventCallback(&listener);
    }

    // Enough captures for every queued event to reach the listener.
    void captureAll()
    {
        for (int i = 0; i < 16; ++i)
            keyboard.capture();
    }

    void deliver(std::initializer_list<SDL_Event> events)
    {
        for (const SDL_Event& event : events) {
            if (event.type == SDL_TEXTINPUT)
                keyboard.queueText(event.text);
            else
                keyboard.queueKey(event.key);
        }
    }

    platform::SdlKeyboard keyboard;
    RecordingKeyListener listener;
};

TEST_F(SdlKeyboardTest, EventsReachListenerInOrderOnlyInsideCapture)
{
    deliver({keyDown(SDL_SCANCODE_W), keyDown(SDL_SCANCODE_A), keyUp(SDL_SCANCODE_W)});
    EXPECT_TRUE(listener.log.empty());
    EXPECT_FALSE(keyboard.isKeyDown(OIS::KC_W));

    captureAll();
    const Log expected = {"press 17 text 0 down 1 mods 0", "press 30 text 0 down 1 mods 0",
                          "release 17 text 0 down 0 mods 0"};
    EXPECT_EQ(listener.log, expected);
    char keys[256];
    keyboard.copyKeyStates(keys);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(keys[code], code == OIS::KC_A ? 1 : 0) << code;
}

// Keys tapped faster than the frames: each capture lets a key change once and
// takes no press after a release, so every press is seen down by a frame and
// up by the next one before another press acts.
TEST_F(SdlKeyboardTest, EveryPressIsDownForACaptureAndUpForOneBeforeTheNext)
{
    deliver({keyDown(SDL_SCANCODE_W), keyDown(SDL_SCANCODE_A), keyUp(SDL_SCANCODE_W), keyDown(SDL_SCANCODE_W),
             keyUp(SDL_SCANCODE_W), keyUp(SDL_SCANCODE_A), keyDown(SDL_SCANCODE_D)});
    // W, A and D down after each capture.
    const std::vector<std::string> captures = {"110", "010", "110", "000", "001", "001"};
    for (const std::string& expected : captures) {
        keyboard.capture();
        const std::string seen = {char('0' + keyboard.isKeyDown(OIS::KC_W)),
                                  char('0' + keyboard.isKeyDown(OIS::KC_A)),
                                  char('0' + keyboard.isKeyDown(OIS::KC_D))};
        EXPECT_EQ(seen, expected) << listener.log.size();
    }
    EXPECT_EQ(listener.log.size(), 7u);

    // Thirteen taps of Down between two frames: thirteen frames see it down.
    for (int tap = 0; tap < 13; ++tap)
        deliver({keyDown(SDL_SCANCODE_DOWN), keyUp(SDL_SCANCODE_DOWN)});
    int downFrames = 0;
    for (int frame = 0; frame < 40; ++frame) {
        keyboard.capture();
        downFrames += keyboard.isKeyDown(OIS::KC_DOWN);
    }
    EXPECT_EQ(downFrames, 13);
}

TEST_F(SdlKeyboardTest, PressCarriesTheTextItTyped)
{
    deliver({keyDown(SDL_SCANCODE_LSHIFT), keyDown(SDL_SCANCODE_A), text("A"),
             keyUp(SDL_SCANCODE_A), keyDown(SDL_SCANCODE_5), text("5"),
             keyDown(SDL_SCANCODE_Q), text("\xE3\x81\x82"), // U+3042 from an input method
             keyDown(SDL_SCANCODE_E), text("\xC3("), keyDown(SDL_SCANCODE_R),
             text("\xC0\xAF"), // overlong '/'
             keyDown(SDL_SCANCODE_RETURN)});
    captureAll();
    const Log expected = {
        "press 42 text 0 down 1 mods 1",     "press 30 text 65 down 1 mods 1",
        "release 30 text 0 down 0 mods 1",   "press 6 text 53 down 1 mods 1",
        "press 16 text 12354 down 1 mods 1", "press 18 text 65533 down 1 mods 1",
        "press 19 text 65533 down 1 mods 1", "press 28 text 0 down 1 mods 1"};
    EXPECT_EQ(listener.log, expected);
}

TEST_F(SdlKeyboardTest, RepeatsStrayTextAndUnmappedKeysAreDropped)
{
    deliver({keyDown(SDL_SCANCODE_D), text("d"), keyRepeat(SDL_SCANCODE_D), text("d"),
             keyRepeat(SDL_SCANCODE_D), text("d")});
    keyboard.capture();
    deliver({text("x"), keyDown(SDL_SCANCODE_F1), keyRepeat(SDL_SCANCODE_S), text("s"),
             keyUp(SDL_SCANCODE_D), text("z"), keyDown(SDL_SCANCODE_F24), text("?")});
    keyboard.capture();
    const Log expected = {"press 32 text 100 down 1 mods 0", "press 59 text 0 down 1 mods 0",
                          "release 32 text 0 down 0 mods 0"};
    EXPECT_EQ(listener.log, expected);
    EXPECT_FALSE(keyboard.isKeyDown(OIS::KC_UNASSIGNED));
}

TEST_F(SdlKeyboardTest, ModifiersFollowEitherSideKey)
{
    deliver({keyDown(SDL_SCANCODE_LALT), keyDown(SDL_SCANCODE_F4), keyDown(SDL_SCANCODE_LSHIFT),
             keyDown(SDL_SCANCODE_RSHIFT), keyUp(SDL_SCANCODE_LSHIFT), keyDown(SDL_SCANCODE_RCTRL),
             keyUp(SDL_SCANCODE_RSHIFT), keyUp(SDL_SCANCODE_RCTRL), keyUp(SDL_SCANCODE_LALT)});
    captureAll();
    const Log expected = {
        "press 56 text 0 down 1 mods 256",     "press 62 text 0 down 1 mods 256",
        "press 42 text 0 down 1 mods 257",     "press 54 text 0 down 1 mods 257",
        "release 42 text 0 down 0 mods 257",   "press 157 text 0 down 1 mods 273",
        "release 54 text 0 down 0 mods 272",   "release 157 text 0 down 0 mods 256",
        "release 56 text 0 down 0 mods 0"};
    EXPECT_EQ(listener.log, expected);
}

} // namespace
