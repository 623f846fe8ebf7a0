// The game's mouse: an OIS mouse fed from SDL's mouse events, since OIS's own
// X11 mouse cannot share SDL's window. Events are queued as SDL delivers them
// and reach the listener only inside capture(), in order.
#pragma once

#include <OISMouse.h>
#include <SDL_events.h>

#include <vector>

namespace platform {

class SdlMouse : public OIS::Mouse {
public:
    SdlMouse();

    void queueMotion(const SDL_MouseMotionEvent& event);
    void queueButton(const SDL_MouseButtonEvent& event);
    void queueWheel(const SDL_MouseWheelEvent& event);

    void setBuffered(bool buffered) override;
    void capture() override;
    OIS::Interface* queryInterface(OIS::Interface::IType type) override;
    void _initialize() override;

private:
    enum class Kind { Motion, Wheel, Press, Release };

    struct PendingEvent {
        Kind kind;
        int x, y;       // motion: position in the window
        int dx, dy;     // motion: movement since the previous event
        int wheel;      // wheel: amount in OIS units
        OIS::MouseButtonID button;
    };

    void dispatch(const PendingEvent& pending);
    void applyMotion(const PendingEvent& pending);
    void applyWheel(const PendingEvent& pending);

    std::vector<PendingEvent> mPending;
};

} // namespace platform
