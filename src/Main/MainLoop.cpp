#include "Main/MainLoop.h"

#include "app/GraphicsSystem.h"
#include "app/Log.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameMode.h"
#include "platform/TerminationSignals.h"

#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreTimer.h>

namespace {

constexpr Uint32 idleSleepMilliseconds = 30;

// One turn with focus (or always-render): step, pump, render, show.
bool runActiveTurn(GameManager& manager, bool minimised)
{
    Ogre::Timer* timer = graphics.root->getTimer();
    const std::uint64_t step = timer->getMicroseconds() - manager.lastTime;
    manager.lastTime = timer->getMicroseconds();
    manager.update(static_cast<double>(step) * 1e-6);
    manager.pumpSdlEvents();
    // A quit signal that came during a long step is answered before a frame
    // of what that step built is drawn.
    if (platform::terminationRequested())
        return true;
    const bool running = graphics.root->renderOneFrame();
    // The window is not auto-updated: this is what puts the frame on screen.
    if (!minimised)
        graphics.renderWindow->update(true);
    return running;
}

// One turn without focus: frame listeners and controllers run, the picture
// on screen stays as it was.
void runIdleTurn(GameManager& manager)
{
    SDL_Delay(idleSleepMilliseconds);
    manager.pumpSdlEvents();
    manager.captureInput();
    graphics.root->renderOneFrame();
}

} // namespace

void runMainLoop(Game& game, GameManager& manager)
{
    bool running = true;
    while (running) {
        const Uint32 flags = SDL_GetWindowFlags(graphics.sdlWindow);
        const bool minimised = (flags & SDL_WINDOW_MINIMIZED) != 0;
        if ((flags & SDL_WINDOW_INPUT_FOCUS) != 0 || game.isAlwaysRender)
            running = runActiveTurn(manager, minimised);
        else
            runIdleTurn(manager);
        // A desktop logging out asks once: from any screen the first signal
        // quits as the quit entry does, and the settings are saved.
        if (platform::terminationRequested())
            game.setGameState(gameModeQuit);
        if (game.gameMode == gameModeQuit) {
            game.saveConfig();
            logLine("Quitting the game");
            return;
        }
    }
}
