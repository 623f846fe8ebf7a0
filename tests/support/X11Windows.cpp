#include "support/X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>

namespace {

// Windows of other programs come and go while the tree is walked: a request
// about one that just went away is an answer of "nothing", not a fatal error.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

Display* openDisplay()
{
    static const bool installed = (XSetErrorHandler(ignoreXError), true);
    (void)installed;
    return XOpenDisplay(nullptr);
}

// A keyboard stamps each event with the server's millisecond clock. SDL
// takes a release followed by a press of the same key less than 2 ms later
// for the keyboard's auto-repeat and drops both; with every event stamped 0
// ("CurrentTime") a release is dropped whenever the next press of that key
// is already queued, as it is when the program's frames run slow. So each
// event carries its own time, at least 2 ms after the one before.
Time nextKeyTime()
{
    constexpr Time repeatGap = 2;
    static Time last = 0;
    const auto now = static_cast<Time>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                           std::chrono::steady_clock::now().time_since_epoch())
                                           .count());
    last = std::max(now, last + repeatGap);
    return last;
}

std::string windowTitle(Display* display, Window window)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return std::string();
    std::string title = name;
    XFree(name);
    return title;
}

long windowProcess(Display* display, Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    const Atom property = XInternAtom(display, "_NET_WM_PID", True);
    if (property == None
        || XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                              &remaining, &data) != Success
        || !data)
        return 0;
    const long pid = count == 1 && format == 32 ? *reinterpret_cast<long*>(data) : 0;
    XFree(data);
    return pid;
}

Window searchTree(Display* display, Window window, const std::string& title, long pid)
{
    if (windowTitle(display, window) == title && windowProcess(display, window) == pid)
        return window;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = searchTree(display, children[i], title, pid);
    if (children)
        XFree(children);
    return found;
}

} // namespace

unsigned long findWindowByTitle(const std::string& title, long pid)
{
    Display* display = openDisplay();
    if (!display)
        return 0;
    const Window found = searchTree(display, DefaultRootWindow(display), title, pid);
    XCloseDisplay(display);
    return found;
}

std::optional<std::string> shownWindowTitle(long pid)
{
    Display* display = openDisplay();
    if (!display)
        return std::nullopt;
    std::optional<std::string> title;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !title; ++i) {
            XWindowAttributes attributes;
            if (windowProcess(display, children[i]) == pid && XGetWindowAttributes(display, children[i], &attributes)
                && attributes.map_state == IsViewable)
                title = windowTitle(display, children[i]);
        }
        if (children)
            XFree(children);
    }
    XCloseDisplay(display);
    return title;
}

bool requestWindowClose(unsigned long window)
{
    Display* display = openDisplay();
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

bool giveKeyboardFocus(unsigned long window)
{
    Display* display = window ? openDisplay() : nullptr;
    if (!display)
        return false;
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XFlush(display);
    XCloseDisplay(display);
    return true;
}

bool removeKeyboardFocus()
{
    Display* display = openDisplay();
    if (!display)
        return false;
    // Without a window manager focus may return to the window under the
    // pointer: the corner is outside every centred window.
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, 0, 0);
    XSetInputFocus(display, None, RevertToNone, CurrentTime);
    XFlush(display);
    XCloseDisplay(display);
    return true;
}

std::vector<WindowGeometry> windowGeometries(unsigned long window)
{
    std::vector<WindowGeometry> geometries;
    Display* display = openDisplay();
    if (!display)
        return geometries;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    const Window outer = window ? window : DefaultRootWindow(display);
    if (XQueryTree(display, outer, &root, &parent, &children, &count)) {
        std::vector<Window> windows{outer};
        windows.insert(windows.end(), children, children + count);
        for (const Window each : windows) {
            XWindowAttributes attributes{};
            XGetWindowAttributes(display, each, &attributes);
            geometries.push_back({attributes.x, attributes.y, attributes.width, attributes.height});
        }
        if (children)
            XFree(children);
    }
    XCloseDisplay(display);
    return geometries;
}

bool resizeWindow(unsigned long window, int width, int height)
{
    Display* display = window ? openDisplay() : nullptr;
    if (!display)
        return false;
    XResizeWindow(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XFlush(display);
    XCloseDisplay(display);
    return true;
}

bool sendKey(unsigned long window, unsigned long keySymbol, bool pressed)
{
    Display* display = window ? openDisplay() : nullptr;
    if (!display)
        return false;
    const KeyCode code = XKeysymToKeycode(display, keySymbol);
    XEvent event{};
    event.xkey.type = pressed ? KeyPress : KeyRelease;
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.time = nextKeyTime();
    event.xkey.keycode = code;
    event.xkey.same_screen = True;
    const bool sent = code != 0 && XSendEvent(display, window, True, pressed ? KeyPressMask : KeyReleaseMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    return sent;
}

WindowImage captureWindow(unsigned long window)
{
    WindowImage image;
    Display* display = window ? openDisplay() : nullptr;
    if (!display)
        return image;
    XWindowAttributes attributes{};
    XImage* shot = nullptr;
    if (XGetWindowAttributes(display, window, &attributes))
        shot = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                         static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (shot) {
        image.width = shot->width;
        image.height = shot->height;
        image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                image.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(shot, x, y) & 0xffffff));
        XDestroyImage(shot);
    }
    XCloseDisplay(display);
    return image;
}
