#include "platform/SdlMouse.h"

#include <algorithm>

namespace platform {

namespace {

const int noButton = -1;
// One notch of the wheel, in the units of OIS's own mouse devices.
const int wheelStep = 120;

// SDL numbers the buttons left 1, middle 2, right 3, then the extra buttons;
// OIS numbers them left 0, right 1, middle 2, then MB_Button3 to MB_Button7.
int buttonId(Uint8 sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return OIS::MB_Left;
    case SDL_BUTTON_RIGHT:
        return OIS::MB_Right;
    case SDL_BUTTON_MIDDLE:
        return OIS::MB_Middle;
    default:
        break;
    }
    const int id = OIS::MB_Button3 + (sdlButton - SDL_BUTTON_X1);
    return sdlButton >= SDL_BUTTON_X1 && id <= OIS::MB_Button7 ? id : noButton;
}

} // namespace

// No OIS input manager creates this device: the creator stays null, and
// nothing in OIS's mouse or object code reads it.
SdlMouse::SdlMouse() : OIS::Mouse("SDL", true, 0, nullptr) {}

void SdlMouse::queueMotion(const SDL_MouseMotionEvent& event)
{
    mPending.push_back({Kind::Motion, event.x, event.y, event.xrel, event.yrel, 0, OIS::MB_Left});
}

void SdlMouse::queueButton(const SDL_MouseButtonEvent& event)
{
    const int id = buttonId(event.button);
    if (id == noButton)
        return;
    const Kind kind = event.type == SDL_MOUSEBUTTONDOWN ? Kind::Press : Kind::Release;
    mPending.push_back({kind, 0, 0, 0, 0, 0, static_cast<OIS::MouseButtonID>(id)});
}

void SdlMouse::queueWheel(const SDL_MouseWheelEvent& event)
{
    // Sideways scrolling has no OIS axis.
    if (event.y == 0)
        return;
    // A flipped wheel (natural scrolling) reports the opposite of the hand's motion.
    const int notches = event.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.y : event.y;
    mPending.push_back({Kind::Wheel, 0, 0, 0, 0, notches * wheelStep, OIS::MB_Left});
}

void SdlMouse::setBuffered(bool buffered) { mBuffered = buffered; }

void SdlMouse::capture()
{
    // Relative values describe this capture alone.
    mState.X.rel = 0;
    mState.Y.rel = 0;
    mState.Z.rel = 0;
    std::vector<PendingEvent> pending;
    pending.swap(mPending);
    for (const PendingEvent& event : pending)
        dispatch(event);
}

OIS::Interface* SdlMouse::queryInterface(OIS::Interface::IType) { return nullptr; }

void SdlMouse::_initialize()
{
    mPending.clear();
    mState.clear();
}

void SdlMouse::dispatch(const PendingEvent& pending)
{
    // The state changes before the listener runs, as OIS's own devices do.
    switch (pending.kind) {
    case Kind::Motion:
        applyMotion(pending);
        break;
    case Kind::Wheel:
        applyWheel(pending);
        break;
    case Kind::Press:
        mState.buttons |= 1 << pending.button;
        break;
    case Kind::Release:
        mState.buttons &= ~(1 << pending.button);
        break;
    }
    if (!mBuffered || !mListener)
        return;
    // The listener's answer does not end the dispatch: dropping the rest of the
    // queue would lose button releases and leave buttons stuck down.
    const OIS::MouseEvent event(this, mState);
    if (pending.kind == Kind::Press)
        mListener->mousePressed(event, pending.button);
    else if (pending.kind == Kind::Release)
        mListener->mouseReleased(event, pending.button);
    else
        mListener->mouseMoved(event);
}

void SdlMouse::applyMotion(const PendingEvent& pending)
{
    // Clamped to the area in force when the event is handed on: the listener
    // sets it from the window size while handling the motion.
    mState.X.abs = std::clamp(pending.x, 0, std::max(mState.width, 0));
    mState.Y.abs = std::clamp(pending.y, 0, std::max(mState.height, 0));
    mState.X.rel += pending.dx;
    mState.Y.rel += pending.dy;
}

void SdlMouse::applyWheel(const PendingEvent& pending)
{
    mState.Z.abs += pending.wheel;
    mState.Z.rel += pending.wheel;
}

} // namespace platform
