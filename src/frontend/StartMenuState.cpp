// The start menu's input and window slots: keys, resume and window events.
#include "frontend/StartMenuState.h"

#include "app/AudioService.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "play/playStateInputRules.h"

#include <OgreRenderWindow.h>

startMenuState* startMenuState::getInstance()
{
    static startMenuState instance;
    return &instance;
}

void startMenuState::keyPressed(const OIS::KeyEvent& event)
{
    if (event.key != OIS::KC_ESCAPE) {
        game->keyHeld = true;
        if (isBindingKey())
            bindKey(event);
        return;
    }
    if (!isStartingGame && inputDelay <= 0.0 && currentScreen != splashScreenName)
        back();
}

void startMenuState::keyReleased(const OIS::KeyEvent&) { game->keyHeld = false; }

void startMenuState::mouseInWindow(bool) { game->keyHeld = false; }

void startMenuState::pause()
{
    pauseEffects(true);
    pauseMusic(true);
}

void startMenuState::resume()
{
    pauseEffects(false);
    pauseMusic(false);
}

void startMenuState::windowClosed(bool) { Game::getSingletonPtr()->setGameState(gameModeQuit); }

void startMenuState::windowResized()
{
    keepWindowSize(*game, false);
    renderFrame();
    if (renderWindow)
        renderWindow->update();
    refreshOptionTexts();
    layoutBackground();
    updateSelection();
    setScreenZOrder();
}
