#include "frontend/StartMenuState.h"

#include "app/Log.h"
#include "core/Game.h"

#include <OgreRenderSystem.h>
#include <OgreRoot.h>

startMenuState* startMenuState::getInstance()
{
    static startMenuState instance;
    return &instance;
}

void startMenuState::enter(Ogre::RenderWindow* window)
{
    logLine("start menu will init start");
    renderWindow = window;
    Game::getSingletonPtr()->gameMode = 11;
    scene.create(window);
    Ogre::Root::getSingleton().getRenderSystem()->_setViewport(scene.viewport);
    // The menu screens, background, logo and music are not built yet.
}

void startMenuState::exit() { scene.destroy(renderWindow); }

void startMenuState::windowClosed(bool) { Game::getSingletonPtr()->setGameState(16); }
