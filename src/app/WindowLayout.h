// The window-size rules of the window set-up, as pure functions so that they
// can be checked without a display.
#pragma once

#include <cstdint>

// The screen modes of the "fullscreen" setting.
constexpr int windowedMode = 0;
constexpr int desktopFullScreenMode = 1;
constexpr int fullScreenMode = 2;

// What the [renderer] settings ask for.
struct WindowRequest {
    int width = 0;
    int height = 0;
    int posX = 0;
    int posY = 0;
    int fullscreen = windowedMode;
    unsigned fullScreenWidth = 1920;
    unsigned fullScreenHeigth = 1080;
};

// The window to create on a desktop of the given size. Every size lies
// between 1 and the desktop's, whatever the request holds.
struct WindowLayout {
    int width = 0;          // the Game's width and height after the rules
    int height = 0;
    int createWidth = 0;    // the size the window is created with
    int createHeight = 0;
    int mode = windowedMode;        // the screen mode used (any unknown one is the desktop's)
    unsigned fullScreenWidth = 0;   // the full-screen size used
    unsigned fullScreenHeigth = 0;
    bool centred = true;
    int x = 0;              // position when not centred
    int y = 0;
    std::uint32_t flags = 0; // SDL window flags
    bool isDesktopPortrait = false;
    int minWidth = 1280;    // never more than the size created
    int minHeight = 720;
};

WindowLayout computeWindowLayout(const WindowRequest& request, int desktopWidth, int desktopHeight);

// The frame a window manager draws around the client area.
struct WindowBorders {
    int top = 0;
    int left = 0;
};

// The position to store for a window whose client area is at (clientX,
// clientY): a window created at a position has its frame there, so the
// frame's corner is stored and the next start puts the window back in place.
struct StoredPosition {
    int x = 0;
    int y = 0;
};
StoredPosition storedWindowPosition(int clientX, int clientY, const WindowBorders& borders);
