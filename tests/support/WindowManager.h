// A GameManager on the test engine's window, and its end: the manager
// leaves its state for a resting one and hands the window back, since the
// window belongs to the test's engine, not to the manager.
#pragma once

#include "core/Game.h"
#include "core/GameManager.h"

#include <OgreRenderWindow.h>

#include <memory>

namespace windowmanager {

inline std::unique_ptr<GameManager> start(Game& game)
{
    game.renderWindow->removeAllViewports();
    auto manager = std::make_unique<GameManager>();
    manager->game = &game;
    manager->renderWindow = game.renderWindow;
    return manager;
}

inline void stop(std::unique_ptr<GameManager>& manager, GameState& resting)
{
    manager->changeState(&resting);
    manager->renderWindow = nullptr;
    manager.reset();
}

} // namespace windowmanager
