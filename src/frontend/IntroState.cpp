#include "frontend/IntroState.h"

#include "core/Game.h"
#include "core/GameMode.h"

#include <SDL.h>

introState* introState::getInstance()
{
    static introState instance;
    return &instance;
}

void introState::enter(Ogre::RenderWindow* window)
{
    SDL_ShowCursor(SDL_DISABLE);
    renderWindow = window;
    scene.create(window);
    // The splash pictures and their timing are not built yet: the scene stays dark.
}

void introState::exit() { scene.destroy(renderWindow); }

void introState::keyPressed(const OIS::KeyEvent& event)
{
    if (event.key == OIS::KC_ESCAPE)
        Game::getSingletonPtr()->gameMode = gameModeQuit;
}

void introState::windowClosed(bool) { Game::getSingletonPtr()->setGameState(gameModeQuit); }
