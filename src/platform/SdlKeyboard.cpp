#include "platform/SdlKeyboard.h"

#include "platform/KeyMapping.h"
#include "platform/KeyNames.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace platform {

// No OIS input manager creates this device: the creator stays null, and
// nothing in OIS's keyboard or object code reads it.
SdlKeyboard::SdlKeyboard() : OIS::Keyboard("SDL", true, 0, nullptr) {}

void SdlKeyboard::queueKey(const SDL_KeyboardEvent& event)
{
    mAwaitingText = false;
    // A held OIS key reports one press, not SDL's auto-repeat.
    if (event.repeat != 0)
        return;
    const OIS::KeyCode key = keyCodeFromScancode(event.keysym.scancode);
    // Keys OIS has no code for cannot be bound or tested; they are dropped.
    if (key == OIS::KC_UNASSIGNED)
        return;
    const bool pressed = event.type == SDL_KEYDOWN;
    mPending.push_back({key, pressed, 0});
    mAwaitingText = pressed;
}

void SdlKeyboard::queueText(const SDL_TextInputEvent& event)
{
    // Text with no key press before it (an input method's composed string, a
    // repeated key) has no key event to ride on and is dropped; a key that typed
    // several characters at once keeps the first.
    const std::wstring text = utf8ToWide(event.text);
    if (!mAwaitingText || text.empty())
        return;
    mPending.back().text = static_cast<unsigned int>(text.front());
    mAwaitingText = false;
}

bool SdlKeyboard::isKeyDown(OIS::KeyCode key) const
{
    const unsigned code = static_cast<unsigned>(key);
    return code < mKeyStates.size() && (mKeyStates[code] != 0 || mTapped[code] != 0);
}

const std::string& SdlKeyboard::getAsString(OIS::KeyCode key) { return keyName(key); }

void SdlKeyboard::copyKeyStates(char keys[256]) const
{
    std::copy(mKeyStates.begin(), mKeyStates.end(), keys);
}

void SdlKeyboard::setBuffered(bool buffered) { mBuffered = buffered; }

void SdlKeyboard::capture()
{
    std::vector<PendingKey> pending;
    pending.swap(mPending);
    mAwaitingText = false;
    // The listener sees the true state while the events are dispatched; the
    // taps count only for the polls after this capture.
    mTapped.fill(0);
    std::array<char, 256> tapped{};
    for (const PendingKey& key : pending) {
        dispatch(key);
        if (key.pressed)
            tapped[key.key] = 1;
    }
    mTapped = tapped;
}

OIS::Interface* SdlKeyboard::queryInterface(OIS::Interface::IType) { return nullptr; }

void SdlKeyboard::_initialize()
{
    mPending.clear();
    mAwaitingText = false;
    mKeyStates.fill(0);
    mTapped.fill(0);
    mModifiers = 0;
}

void SdlKeyboard::dispatch(const PendingKey& pending)
{
    // The state changes before the listener runs, so that it sees the key (and
    // any modifier pressed earlier) as down while handling the press.
    mKeyStates[pending.key] = pending.pressed ? 1 : 0;
    updateModifiers();
    if (!mBuffered || !mListener)
        return;
    // The listener's answer does not end the dispatch: dropping the rest of the
    // queue would lose key releases and leave keys stuck down.
    if (pending.pressed)
        mListener->keyPressed(OIS::KeyEvent(this, pending.key, pending.text));
    else
        mListener->keyReleased(OIS::KeyEvent(this, pending.key, 0));
}

void SdlKeyboard::updateModifiers()
{
    mModifiers = 0;
    if (isKeyDown(OIS::KC_LSHIFT) || isKeyDown(OIS::KC_RSHIFT))
        mModifiers |= Shift;
    if (isKeyDown(OIS::KC_LCONTROL) || isKeyDown(OIS::KC_RCONTROL))
        mModifiers |= Ctrl;
    if (isKeyDown(OIS::KC_LMENU) || isKeyDown(OIS::KC_RMENU))
        mModifiers |= Alt;
}

} // namespace platform
