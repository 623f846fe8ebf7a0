#include "core/Game.h"

#include "app/Log.h"
#include "app/WindowLayout.h"
#include "core/ConfigResource.h"
#include "core/ConfigText.h"
#include "platform/FileReplace.h"

#include <exception>

namespace {

// SDL leaves the preset position alone when it has nothing to report.
constexpr int unknownPosition = 512;

// SDL gives the client area's position; the window manager's frame is
// around it and a new window is placed by its frame.
StoredPosition windowPositionToStore(SDL_Window* window)
{
    int x = unknownPosition;
    int y = unknownPosition;
    if (!window)
        return {x, y};
    SDL_GetWindowPosition(window, &x, &y);
    WindowBorders borders;
    int bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(window, &borders.top, &borders.left, &bottom, &right) != 0)
        borders = WindowBorders{};
    return storedWindowPosition(x, y, borders);
}

} // namespace

void Game::saveConfig()
{
    if (!hasConfigResource())
        return;
    const StoredPosition position = windowPositionToStore(sdlWindow);
    try {
        if (platform::replaceFile(preferenceFolder + "/config.ini", configFileText(*this, position.x, position.y))
            == platform::FileReplace::failed)
            logLine("Couldn't write config.ini file");
    } catch (const std::exception&) {
        logLine("Couldn't write config.ini file");
    }
}
