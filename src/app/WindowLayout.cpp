#include "app/WindowLayout.h"

#include <SDL_video.h>

#include <algorithm>

namespace {

constexpr std::uint32_t windowedFlags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
constexpr std::uint32_t fullscreenFlags = SDL_WINDOW_HIDDEN | SDL_WINDOW_FULLSCREEN | SDL_WINDOW_ALLOW_HIGHDPI;
constexpr std::uint32_t desktopFlags = SDL_WINDOW_HIDDEN | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_ALLOW_HIGHDPI;

constexpr int minimumWidth = 1280;
constexpr int minimumHeight = 720;
constexpr int portraitMinimumWidth = 540;
// Where a window with a negative stored position goes.
constexpr int unplacedOffset = 64;
// A windowed window keeps this share of the room the desktop leaves it.
constexpr double desktopShare = 0.95;
constexpr double portraitAspect = 0.75;

// Sizes are worked out in 64 bits: a stored size near INT_MAX plus a
// position must not wrap round.
int clampSize(long long size, int room)
{
    return static_cast<int>(std::clamp<long long>(size, 1, std::max(room, 1)));
}

void fitWindowed(WindowLayout& layout, int posX, int posY, int desktopWidth, int desktopHeight)
{
    // A stored position beyond the desktop would leave no room at all: centre as for (0, 0).
    if (posX >= desktopWidth || posY >= desktopHeight)
        posX = posY = 0;
    long long width = layout.width;
    long long height = layout.height;
    if (posY + height > desktopShare * desktopHeight)
        height = static_cast<long long>((desktopHeight - posY) * desktopShare);
    if (posX + width > desktopShare * desktopWidth)
        width = static_cast<long long>((desktopWidth - posX) * desktopShare);
    if (layout.isDesktopPortrait)
        width = static_cast<long long>(height * portraitAspect);
    layout.width = clampSize(width, desktopWidth - posX);
    layout.height = clampSize(height, desktopHeight - posY);
    layout.centred = posX == 0 && posY == 0;
    layout.x = posX;
    layout.y = posY;
}

// A full-screen size of 0 means none was chosen: the desktop's is taken.
unsigned fullScreenSize(unsigned requested, int desktop)
{
    return requested == 0 ? static_cast<unsigned>(desktop) : std::min(requested, static_cast<unsigned>(desktop));
}

} // namespace

WindowLayout computeWindowLayout(const WindowRequest& request, int desktopWidth, int desktopHeight)
{
    desktopWidth = std::max(desktopWidth, 1);
    desktopHeight = std::max(desktopHeight, 1);
    WindowLayout layout;
    layout.width = std::max(request.width, minimumWidth);
    layout.height = std::max(request.height, minimumHeight);
    const int posX = request.posX < 0 ? unplacedOffset : request.posX;
    const int posY = request.posY < 0 ? unplacedOffset : request.posY;
    layout.isDesktopPortrait = desktopWidth < desktopHeight;
    layout.mode = request.fullscreen == windowedMode || request.fullscreen == fullScreenMode ? request.fullscreen
                                                                                             : desktopFullScreenMode;
    layout.fullScreenWidth = fullScreenSize(request.fullScreenWidth, desktopWidth);
    layout.fullScreenHeigth = fullScreenSize(request.fullScreenHeigth, desktopHeight);

    if (layout.mode == windowedMode) {
        fitWindowed(layout, posX, posY, desktopWidth, desktopHeight);
        layout.createWidth = layout.width;
        layout.createHeight = layout.height;
        layout.flags = windowedFlags;
    } else if (layout.mode == fullScreenMode) {
        // The windowed size is kept for a later switch to a window.
        layout.width = clampSize(layout.width, desktopWidth);
        layout.height = clampSize(layout.height, desktopHeight);
        layout.createWidth = static_cast<int>(layout.fullScreenWidth);
        layout.createHeight = static_cast<int>(layout.fullScreenHeigth);
        layout.flags = fullscreenFlags;
    } else {
        layout.width = desktopWidth;
        layout.height = desktopHeight;
        layout.createWidth = layout.width;
        layout.createHeight = layout.height;
        layout.flags = desktopFlags;
    }
    // SDL enlarges a window below its minimum, and the render window would
    // not follow: the minimum never exceeds the window made.
    layout.minWidth = std::min(layout.isDesktopPortrait ? portraitMinimumWidth : minimumWidth, layout.createWidth);
    layout.minHeight = std::min(minimumHeight, layout.createHeight);
    return layout;
}

StoredPosition storedWindowPosition(int clientX, int clientY, const WindowBorders& borders)
{
    return {clientX - borders.left, clientY - borders.top};
}
