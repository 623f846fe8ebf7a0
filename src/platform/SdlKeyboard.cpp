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
    return code < mKeyStates.size() && mKeyStates[code] != 0;
}

const std::string& SdlKeyboard::getAsString(OIS::KeyCode key) { return keyName(key); }

void SdlKeyboard::copyKeyStates(char keys[256]) const
{
    std::copy(mKeyStates.begin(), mKeyStates.end(), keys);
}

void SdlKeyboard::setBuffered(bool buffered) { mBuffered = buffered; }

void SdlKeyboard::capture()
{
    const auto due = static_cast<std::ptrdiff_t>(dueCount());
    const std::vector<PendingKey> taken(mPending.begin(), mPending.begin() + due);
    mPending.erase(mPending.begin(), mPending.begin() + due);
    // A press left queued still takes the text that follows it.
    if (mPending.empty())
        mAwaitingText = false;
    for (const PendingKey& key : taken)
        dispatch(key);
}

void SdlKeyboard::settle()
{
    for (const PendingKey& pending : mPending)
        mKeyStates[pending.key] = pending.pressed ? 1 : 0;
    mPending.clear();
    mAwaitingText = false;
    updateModifiers();
}

std::size_t SdlKeyboard::dueCount() const
{
    // The frames read what is held, not what happened: a key that went down
    // and up between two of them, or twice, would be seen once or not at all.
    // So a capture stops at a key's second change, and at a press after a
    // release, which the next frames see. Every press is then down for a
    // frame and up for one before the next press acts, whatever the frame
    // time; the queue keeps its order, and the first event always goes.
    std::array<bool, 256> changed{};
    bool isAnyReleased = false;
    std::size_t count = 0;
    for (const PendingKey& pending : mPending) {
        if (changed[pending.key] || (pending.pressed && isAnyReleased))
            break;
        changed[pending.key] = true;
        isAnyReleased = isAnyReleased || !pending.pressed;
        ++count;
    }
    return count;
}

OIS::Interface* SdlKeyboard::queryInterface(OIS::Interface::IType) { return nullptr; }

void SdlKeyboard::_initialize()
{
    mPending.clear();
    mAwaitingText = false;
    mKeyStates.fill(0);
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
