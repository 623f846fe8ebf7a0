#include "support/ShownFrames.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Between two looks at the event queue: far below a frame.
constexpr auto pollGap = std::chrono::milliseconds(2);

// A window gone before the count ends is a count of 0, not the test's end.
int ignoreGoneWindowError(Display*, XErrorEvent*) { return 0; }

// The frames reported since the last look, each damage repaired at once so
// that the next frame reports again.
long takeFrames(Display* display, int eventBase, Damage damage)
{
    long frames = 0;
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != eventBase + XDamageNotify)
            continue;
        XDamageSubtract(display, damage, None, None);
        ++frames;
    }
    return frames;
}

} // namespace

double processorSeconds(pid_t program)
{
    std::ifstream file("/proc/" + std::to_string(program) + "/stat");
    std::string stat;
    std::getline(file, stat);
    // The fields after the command name, which may hold spaces, in brackets.
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos)
        return 0.0;
    std::istringstream fields(stat.substr(nameEnd + 2));
    std::string field;
    // State is field 3 of the line; user and system time are fields 14 and 15.
    for (int skipped = 3; skipped < 14; ++skipped)
        fields >> field;
    double user = 0.0, system = 0.0;
    fields >> user >> system;
    return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double shownFrameRate(unsigned long window, std::chrono::milliseconds span)
{
    XSetErrorHandler(ignoreGoneWindowError);
    Display* display = window ? XOpenDisplay(nullptr) : nullptr;
    if (!display)
        return 0.0;
    int eventBase = 0, errorBase = 0;
    if (!XDamageQueryExtension(display, &eventBase, &errorBase)) {
        XCloseDisplay(display);
        return 0.0;
    }
    const Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    // The server reports the whole window damaged as the damage is made:
    // that report is no frame, and the count starts once it is repaired.
    XSync(display, False);
    XDamageSubtract(display, damage, None, None);
    XSync(display, False);
    takeFrames(display, eventBase, damage);
    long frames = 0;
    const Clock::time_point start = Clock::now();
    while (Clock::now() - start < span) {
        frames += takeFrames(display, eventBase, damage);
        std::this_thread::sleep_for(pollGap);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return frames / seconds;
}
