#include "support/ShownFrames.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Between two looks at the event queue: far below a frame.
constexpr auto pollGap = std::chrono::milliseconds(2);

// A window gone before the count ends is a count of 0, not the test's end.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

} // namespace

double shownFrameRate(unsigned long window, std::chrono::milliseconds span)
{
    XSetErrorHandler(ignoreXError);
    Display* display = window ? XOpenDisplay(nullptr) : nullptr;
    if (!display)
        return 0.0;
    int eventBase = 0, errorBase = 0;
    if (!XDamageQueryExtension(display, &eventBase, &errorBase)) {
        XCloseDisplay(display);
        return 0.0;
    }
    const Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    XSync(display, False);
    long frames = 0;
    const Clock::time_point start = Clock::now();
    while (Clock::now() - start < span) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != eventBase + XDamageNotify)
                continue;
            // Repaired at once: the next frame reports again.
            XDamageSubtract(display, damage, None, None);
            ++frames;
        }
        std::this_thread::sleep_for(pollGap);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return frames / seconds;
}
