// The game's keyboard under a player's hands, for tests that play a level:
// each change of a key becomes the SDL event the window would deliver,
// captured by the manager's next turn.
#pragma once

#include "platform/KeyMapping.h"
#include "platform/SdlKeyboard.h"

#include <map>

class KeyboardHands {
public:
    explicit KeyboardHands(OIS::Keyboard* keyboard) : keyboard(dynamic_cast<platform::SdlKeyboard*>(keyboard)) {}

    bool ready() const { return keyboard != nullptr; }

    void hold(int key, bool down)
    {
        if (held[key] == down)
            return;
        held[key] = down;
        SDL_KeyboardEvent event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.keysym.scancode = scancodeOf(key);
        keyboard->queueKey(event);
    }

    void releaseAll()
    {
        for (auto& key : std::map<int, bool>(held))
            hold(key.first, false);
    }

private:
    static SDL_Scancode scancodeOf(int key)
    {
        for (int code = 0; code < SDL_NUM_SCANCODES; ++code)
            if (platform::keyCodeFromScancode(static_cast<SDL_Scancode>(code)) == key)
                return static_cast<SDL_Scancode>(code);
        return SDL_SCANCODE_UNKNOWN;
    }

    platform::SdlKeyboard* keyboard;
    std::map<int, bool> held;
};
