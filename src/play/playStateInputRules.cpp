#include "play/playStateInputRules.h"

#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/PauseMenu.h"
#include "play/Level.h"

#include <OgreRenderWindow.h>

#include <SDL.h>

#include <algorithm>

int wrappedPointerCoordinate(int position, int extent)
{
    // SDL keeps the pointer within 0 .. extent - 1.
    if (extent < 3)
        return -1;
    if (position <= 0)
        return extent - 2;
    if (position >= extent - 1)
        return 1;
    return -1;
}

bool isPauseAllowed(const Game& game)
{
    return game.gameMode == gameModePlaying && !(game.level && game.level->isPauseDisabled);
}

bool isKeyHeld(const Game& game, OIS::KeyCode key) { return game.keyboard && game.keyboard->isKeyDown(key); }

bool isPauseMenuOpen(const PauseMenu* menu) { return menu && menu->isOpen; }

void keepWindowSize(Game& game, bool isFloored)
{
    if (!game.sdlWindow)
        return;
    SDL_SetWindowMinimumSize(game.sdlWindow, game.isPortrait ? minimumPortraitWindowWidth : minimumWindowWidth,
                             minimumWindowHeight);
    if (game.renderWindow)
        game.renderWindow->windowMovedOrResized();
    if ((SDL_GetWindowFlags(game.sdlWindow) & SDL_WINDOW_FULLSCREEN) != 0)
        return;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(game.sdlWindow, &width, &height);
    game.width = game.appliedWidth = isFloored ? std::max(width, minimumWindowWidth) : width;
    game.height = game.appliedHeight = isFloored ? std::max(height, minimumWindowHeight) : height;
}
