// Keys, controller buttons, the mouse and the window while a level plays:
// pause and resume, Alt+F4, the mouse kept inside the window, sound and time
// held while the window is in the background, and the smallest window.
#include "play/playState.h"

#include "app/AudioService.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/GameHUD.h"
#include "play/Level.h"
#include "play/playStateInputRules.h"
#include "world/GameCamera.h"

#include <OgreRenderWindow.h>
#include <OgreViewport.h>

#include <SDL.h>

#include <algorithm>

namespace {

// Frames drawn after a resize under a fixed screen format, so that the
// background bars show the new size.
constexpr int formattedRedraws = 3;

void holdSound(bool held)
{
    pauseEffects(held);
    pauseMusic(held);
}

} // namespace

void playState::pause() { holdSound(true); }

void playState::resume()
{
    if (!Game::getSingletonPtr()->isPaused)
        holdSound(false);
    windowResized();
}

void playState::keyPressed(const OIS::KeyEvent& event)
{
    Game& game = *Game::getSingletonPtr();
    if (!isPauseMenuOpen(pauseMenu) && isPauseAllowed(game) && event.key == OIS::KC_P
        && !isKeyHeld(game, OIS::KC_LCONTROL))
        setGamePaused(!game.isPaused);
    if (event.key == OIS::KC_F4 && isKeyHeld(game, OIS::KC_LMENU))
        game.gameMode = gameModeQuit;
}

void playState::mouseMoved(int x, int y, int /*wheel*/)
{
    Game& game = *Game::getSingletonPtr();
    if (isMouseWarped) {
        isMouseWarped = false;
        return;
    }
    if (!game.player || !game.player->isMouseMovePlayer || game.isPaused || !game.sdlWindow)
        return;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(game.sdlWindow, &width, &height);
    const int wrappedX = wrappedPointerCoordinate(x, width);
    const int wrappedY = wrappedPointerCoordinate(y, height);
    if (wrappedX < 0 && wrappedY < 0)
        return;
    SDL_WarpMouseInWindow(game.sdlWindow, wrappedX < 0 ? x : wrappedX, wrappedY < 0 ? y : wrappedY);
    isMouseWarped = true;
}

void playState::windowResized()
{
    Game& game = *Game::getSingletonPtr();
    // A fixed screen format draws the background picture in bars around the
    // game: it must be redrawn at the new size.
    const bool isFormatted = game.screenRatio != 0;
    if (isFormatted && backgroundViewport)
        backgroundViewport->setAutoUpdated(true);
    keepWindowSize(game, true);
    if (game.hud) {
        game.hud->layout();
        game.hud->setBackground(game.level ? game.level->backgroundGameName : std::string());
    }
    if (isFormatted && window) {
        for (int i = 0; i < formattedRedraws; ++i)
            window->update(true);
        if (backgroundViewport)
            backgroundViewport->setAutoUpdated(false);
    }
    if (game.level)
        game.level->resizePostEffects();
    if (camera)
        camera->applyLevelSettings();
}

void playState::windowFocusLost()
{
    holdSound(true);
    setControllerTimeFactor(0.0f);
}

void playState::resumeAfterFocus()
{
    Game& game = *Game::getSingletonPtr();
    if (game.isWindowInactive || game.isPaused)
        return;
    if (!(game.gameMode == gameModeContinueAccepted && game.isPauseMusicDuringContinue))
        holdSound(false);
    setControllerTimeFactor(1.0f);
}
