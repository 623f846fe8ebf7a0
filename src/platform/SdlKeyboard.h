// The game's keyboard: an OIS keyboard fed from SDL's key and text events, since
// OIS's own X11 keyboard cannot read SDL's window. Events are queued as SDL
// delivers them and reach the listener only inside capture(), in order; each
// capture lets a key change once, so the frames see every press and release.
#pragma once

#include <OISKeyboard.h>
#include <SDL_events.h>

#include <array>
#include <cstddef>
#include <vector>

namespace platform {

class SdlKeyboard : public OIS::Keyboard {
public:
    SdlKeyboard();

    // A key went down or up (SDL_KEYDOWN / SDL_KEYUP).
    void queueKey(const SDL_KeyboardEvent& event);
    // The text typed by the key queued just before (SDL_TEXTINPUT).
    void queueText(const SDL_TextInputEvent& event);

    bool isKeyDown(OIS::KeyCode key) const override;
    const std::string& getAsString(OIS::KeyCode key) override;
    void copyKeyStates(char keys[256]) const override;
    void setBuffered(bool buffered) override;
    void capture() override;
    // Every queued change reaches the key states at once and none reaches
    // the listener: the presses belong to a time already past.
    void settle();
    OIS::Interface* queryInterface(OIS::Interface::IType type) override;
    void _initialize() override;

private:
    struct PendingKey {
        OIS::KeyCode key;
        bool pressed;
        unsigned int text;
    };

    // How many queued events the next capture takes (see capture()).
    std::size_t dueCount() const;
    void dispatch(const PendingKey& pending);
    void updateModifiers();

    std::vector<PendingKey> mPending;
    // True while the last queued event is a key press still waiting for its text.
    bool mAwaitingText = false;
    std::array<char, 256> mKeyStates{};
};

} // namespace platform
