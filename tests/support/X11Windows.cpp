#include "support/X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

std::string windowTitle(Display* display, Window window)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return std::string();
    std::string title = name;
    XFree(name);
    return title;
}

Window searchTree(Display* display, Window window, const std::string& title)
{
    if (windowTitle(display, window) == title)
        return window;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = searchTree(display, children[i], title);
    if (children)
        XFree(children);
    return found;
}

} // namespace

unsigned long findWindowByTitle(const std::string& title)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 0;
    const Window found = searchTree(display, DefaultRootWindow(display), title);
    XCloseDisplay(display);
    return found;
}

bool requestWindowClose(unsigned long window)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display || !window)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
    XFlush(display);
    XCloseDisplay(display);
    return sent;
}
