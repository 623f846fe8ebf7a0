// Finds a top-level X window by its title, measures it and the windows
// inside it, resizes it and asks it to close, as a window manager does;
// types into it and reads back what it shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The top-level window of that exact title that the given process made
// (several copies of the program may run at once); 0 when there is none.
unsigned long findWindowByTitle(const std::string& title, long pid);

// The title of the process's top-level window once it is shown (mapped);
// nothing while it has none shown.
std::optional<std::string> shownWindowTitle(long pid);

// Sends WM_DELETE_WINDOW; returns false without a display or window.
bool requestWindowClose(unsigned long window);

// Gives the window the keyboard focus, as a window manager does for the
// window the player clicks; false without a display or window.
bool giveKeyboardFocus(unsigned long window);

// Takes the keyboard focus away from every window, as when the player
// switches to another program.
bool removeKeyboardFocus();

struct WindowGeometry {
    int x = 0; // relative to the parent window
    int y = 0;
    int width = 0;
    int height = 0;
};

// The window's geometry followed by that of each window directly inside it
// (the render window inside SDL's); the screen's root window for 0. Empty
// without a display.
std::vector<WindowGeometry> windowGeometries(unsigned long window);

// Resizes it as a player dragging its corner would; false without a display or window.
bool resizeWindow(unsigned long window, int width, int height);

// Sends one key event for the X key symbol (XK_Return, XK_Down, XK_q...) to
// the window, as the X server does for the window with the keyboard focus:
// the window needs no focus, so tests on one X server do not disturb each
// other. False without a display, window or key.
bool sendKey(unsigned long window, unsigned long keySymbol, bool pressed);

// What a window shows, as 0xRRGGBB per pixel, row by row; empty without a
// display or window.
struct WindowImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
WindowImage captureWindow(unsigned long window);
