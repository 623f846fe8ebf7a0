#include "play/playStateInputRules.h"

#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/PauseMenu.h"
#include "play/Level.h"

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
