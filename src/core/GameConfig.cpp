#include "core/Game.h"

#include "app/Log.h"
#include "app/WindowLayout.h"
#include "core/ConfigResource.h"
#include "core/ConfigText.h"
#include "platform/FileReplace.h"

#include <exception>
#include <string>

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
    std::string failure;
    try {
        if (platform::replaceFile(preferenceFolder + "/config.ini", configFileText(*this, position.x, position.y),
                                  failure)
            == platform::FileReplace::done)
            return;
    } catch (const std::exception& e) {
        failure = e.what();
    }
    // A read-only folder or a full disk: the old file stays whole, and the
    // line says which file and why.
    logLine("[ERROR] Couldn't write config.ini file: " + failure);
}
