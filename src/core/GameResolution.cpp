// Game::changeResolution applies the window mode and size the graphics menu
// asks for; Game::computeAspectRatio gives the camera its shape.
#include "core/Game.h"

#include "app/Log.h"

#include <OgreRenderWindow.h>

#include <string>

namespace {

constexpr int windowed = 0;
constexpr int windowedFullScreen = 1;
constexpr int fullScreen = 2;
// SDL's full-screen flag and its desktop variant, which includes it.
constexpr Uint32 anyFullScreenFlags = SDL_WINDOW_FULLSCREEN_DESKTOP;

std::string sizeText(int width, int height)
{
    return "w: " + std::to_string(width) + " - h: " + std::to_string(height);
}

// The SDL window, its drawable and the render window, each as "<prefix> ... Size - w: W - h: H".
void logSizes(const Game& game, const std::string& prefix)
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(game.sdlWindow, &width, &height);
    logLine(prefix + " Window Size - " + sizeText(width, height));
    SDL_GL_GetDrawableSize(game.sdlWindow, &width, &height);
    logLine(prefix + " GLDrawable Size - " + sizeText(width, height));
    logLine(prefix + " RenderWindow Size - "
            + sizeText(static_cast<int>(game.renderWindow->getWidth()), static_cast<int>(game.renderWindow->getHeight())));
}

void recordWindowMode(Game& game, int mode)
{
    game.appliedWindowMode = mode;
    game.currentWindowMode = mode;
}

void switchToFullScreen(Game& game)
{
    logLine("CHANGING RESOLUTION: Fullscreen");
    const int width = static_cast<int>(game.fullScreenWidth);
    const int height = static_cast<int>(game.fullScreenHeigth);
    game.appliedFullScreenWidth = game.fullScreenWidth;
    game.appliedFullScreenHeight = game.fullScreenHeigth;
    game.currentFullScreenWidth = width;
    game.currentFullScreenHeight = height;
    SDL_SetWindowFullscreen(game.sdlWindow, SDL_WINDOW_FULLSCREEN);
    SDL_SetWindowSize(game.sdlWindow, width, height);
    game.renderWindow->resize(game.fullScreenWidth, game.fullScreenHeigth);
    // The display may not offer that size: the window's own size wins.
    game.renderWindow->windowMovedOrResized();
    recordWindowMode(game, fullScreen);
}

void switchToWindowedFullScreen(Game& game)
{
    logLine("CHANGING RESOLUTION: Windowed Fullscreen");
    SDL_SetWindowFullscreen(game.sdlWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_SetWindowResizable(game.sdlWindow, SDL_FALSE);
    game.renderWindow->windowMovedOrResized();
    recordWindowMode(game, windowedFullScreen);
}

void switchToWindow(Game& game, bool wasFullScreen)
{
    logLine("CHANGING RESOLUTION: Windowed");
    if (wasFullScreen)
        SDL_SetWindowFullscreen(game.sdlWindow, 0);
    SDL_SetWindowResizable(game.sdlWindow, SDL_TRUE);
    SDL_SetWindowSize(game.sdlWindow, game.width, game.height);
    if (wasFullScreen)
        SDL_SetWindowPosition(game.sdlWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    game.renderWindow->windowMovedOrResized();
    game.appliedWidth = game.width;
    game.appliedHeight = game.height;
    recordWindowMode(game, windowed);
}

void applyRequestedMode(Game& game, bool isFullScreen)
{
    if (game.fullscreen == fullScreen) {
        const bool sameFullScreen = game.appliedWindowMode == fullScreen
                                    && game.appliedFullScreenWidth == game.fullScreenWidth
                                    && game.appliedFullScreenHeight == game.fullScreenHeigth;
        if (!sameFullScreen)
            switchToFullScreen(game);
    } else if (game.fullscreen == windowedFullScreen) {
        if (game.appliedWindowMode != windowedFullScreen)
            switchToWindowedFullScreen(game);
    } else {
        const bool sizeChanged = game.width != game.appliedWidth || game.height != game.appliedHeight;
        if (sizeChanged || (game.fullscreen == windowed && isFullScreen))
            switchToWindow(game, isFullScreen);
    }
}

} // namespace

void Game::changeResolution()
{
    // Without the windows of start-up there is nothing to change.
    if (!sdlWindow || !renderWindow)
        return;
    const bool isFullScreen = (SDL_GetWindowFlags(sdlWindow) & anyFullScreenFlags) != 0;
    logLine("CHANGING RESOLUTION");
    logSizes(*this, "Old");
    applyRequestedMode(*this, isFullScreen);
    logSizes(*this, "New");
}

float Game::computeAspectRatio()
{
    switch (screenRatio) {
    case 1:
        aspectRatio = 16.0f / 9.0f;
        break;
    case 2:
        aspectRatio = 4.0f / 3.0f;
        break;
    case 3:
        aspectRatio = 0.75f;
        break;
    default:
        // A window without area (or none yet) has no shape: the 16:9 default holds.
        aspectRatio = renderWindow && renderWindow->getHeight() > 0
                          ? static_cast<float>(renderWindow->getWidth()) / static_cast<float>(renderWindow->getHeight())
                          : 16.0f / 9.0f;
        break;
    }
    return aspectRatio;
}
