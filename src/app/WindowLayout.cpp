#include "app/WindowLayout.h"

#include <SDL_video.h>

#include <algorithm>

namespace {

constexpr std::uint32_t windowedFlags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
constexpr std::uint32_t fullscreenFlags = SDL_WINDOW_HIDDEN | SDL_WINDOW_FULLSCREEN | SDL_WINDOW_ALLOW_HIGHDPI;
constexpr std::uint32_t desktopFlags = SDL_WINDOW_HIDDEN | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_ALLOW_HIGHDPI;

void fitWindowed(WindowLayout& layout, int posX, int posY, int desktopWidth, int desktopHeight)
{
    // A stored position beyond the desktop would leave no room at all: centre as for (0, 0).
    if (posX >= desktopWidth || posY >= desktopHeight)
        posX = posY = 0;
    if (posY + layout.height > 0.95 * desktopHeight)
        layout.height = static_cast<int>((desktopHeight - posY) * 0.95);
    if (posX + layout.width > 0.95 * desktopWidth)
        layout.width = static_cast<int>((desktopWidth - posX) * 0.95);
    if (layout.isDesktopPortrait)
        layout.width = static_cast<int>(layout.height * 0.75);
    layout.centred = posX == 0 && posY == 0;
    layout.x = posX;
    layout.y = posY;
}

} // namespace

WindowLayout computeWindowLayout(const WindowRequest& request, int desktopWidth, int desktopHeight)
{
    WindowLayout layout;
    layout.width = std::max(request.width, 1280);
    layout.height = std::max(request.height, 720);
    const int posX = request.posX < 0 ? 64 : request.posX;
    const int posY = request.posY < 0 ? 64 : request.posY;
    layout.isDesktopPortrait = desktopWidth < desktopHeight;

    if (request.fullscreen == 1) {
        layout.width = desktopWidth;
        layout.height = desktopHeight;
    } else if (request.fullscreen == 0) {
        fitWindowed(layout, posX, posY, desktopWidth, desktopHeight);
    }

    if (request.fullscreen == 0) {
        layout.createWidth = layout.width;
        layout.createHeight = layout.height;
        layout.flags = windowedFlags;
    } else if (request.fullscreen == 2) {
        layout.createWidth = static_cast<int>(request.fullScreenWidth);
        layout.createHeight = static_cast<int>(request.fullScreenHeigth);
        layout.flags = fullscreenFlags;
    } else {
        layout.createWidth = layout.width;
        layout.createHeight = layout.height;
        layout.flags = desktopFlags;
    }
    layout.minWidth = layout.isDesktopPortrait ? 540 : 1280;
    layout.minHeight = 720;
    return layout;
}
