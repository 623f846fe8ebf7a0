// The window-size rules of the window set-up, as pure functions so that they
// can be checked without a display.
#pragma once

#include <cstdint>

// What the [renderer] settings ask for.
struct WindowRequest {
    int width = 0;
    int height = 0;
    int posX = 0;
    int posY = 0;
    int fullscreen = 0;
    unsigned fullScreenWidth = 1920;
    unsigned fullScreenHeigth = 1080;
};

// The window to create on a desktop of the given size.
struct WindowLayout {
    int width = 0;          // the Game's width and height after the rules
    int height = 0;
    int createWidth = 0;    // the size the window is created with
    int createHeight = 0;
    bool centred = true;
    int x = 0;              // position when not centred
    int y = 0;
    std::uint32_t flags = 0; // SDL window flags
    bool isDesktopPortrait = false;
    int minWidth = 1280;
    int minHeight = 720;
};

WindowLayout computeWindowLayout(const WindowRequest& request, int desktopWidth, int desktopHeight);
