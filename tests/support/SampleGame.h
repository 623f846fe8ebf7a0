// The sample game as the program starts it, for tests that play it on the
// test engine's window: its settings, its libraries and a new game's lives,
// life and bombs; and the tidying after, which leaves the Game as a fresh
// one for the next test of the process.
#pragma once

#include "support/WindowManager.h"

#include "core/Game.h"
#include "data/GameFileReader.h"

#include <OgreFontManager.h>

#include <memory>
#include <string>

namespace samplegame {

// Reads the game and starts a new game at the level; the caller sets what
// else its test needs, then enters the play state.
inline void load(Game& game, const std::string& level = "Level01")
{
    readGameFile(game);
    game.loadGameboxes();
    game.buildToybox();
    game.resetGame();
    game.levelName = level;
    game.computeAspectRatio();
}

// Forgets the game read by `load`.
inline void forget(Game& game)
{
    game.clearLibraries();
    game.resetLevel();
    game.resetDefaults();
    Ogre::FontManager::getSingleton().unloadAll();
}

// Leaves the play state for a resting one and forgets the game.
inline void unload(Game& game, std::unique_ptr<GameManager>& manager, GameState& resting)
{
    windowmanager::stop(manager, resting);
    forget(game);
}

} // namespace samplegame
