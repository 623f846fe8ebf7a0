#include "frontend/StartMenuState.h"

#include "app/AudioService.h"
#include "app/Log.h"
#include "app/ResourceLookup.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "data/LevelPreReads.h"

#include <OgreCamera.h>
#include <OgreRenderSystem.h>
#include <OgreRoot.h>

namespace {

// The full start menu will own its music (the game's startMenuMusic).
void startSampleMusic(const Game& game)
{
    setMasterVolume(game.isSoundOn ? game.masterVolume : 0);
    setMusicVolume(game.musicVolume);
    setEffectsVolume(game.sfxVolume);
    playMusicNow("skyward_theme.ogg", 1.0f);
    resumeMusic();
}

} // namespace

startMenuState* startMenuState::getInstance()
{
    static startMenuState instance;
    return &instance;
}

void startMenuState::enter(Ogre::RenderWindow* window)
{
    logLine("start menu will init start");
    renderWindow = window;
    Game& game = *Game::getSingletonPtr();
    game.gameMode = gameModeBackToStartMenu;
    resolveFontSources();
    scene.create(window);
    Ogre::Root::getSingleton().getRenderSystem()->_setViewport(scene.viewport);
    // The shadow setting is offered only to games whose levels cast shadows.
    isShadows = readLevelShadows(game);
    // The menu screens, background and logo are not built yet.
    startSampleMusic(game);
}

void startMenuState::update(double timeStep)
{
    if (scene.camera)
        updateSound(static_cast<float>(timeStep), scene.camera->getRealPosition(), scene.camera->getRealDirection());
}

void startMenuState::exit() { scene.destroy(renderWindow); }

void startMenuState::windowClosed(bool) { Game::getSingletonPtr()->setGameState(gameModeQuit); }
