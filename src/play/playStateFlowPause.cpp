// Pausing play: sound, the pause sound and the clock of Ogre's controllers.
#include "play/playState.h"

#include "app/AudioService.h"
#include "core/Game.h"
#include "frontend/GameHUD.h"
#include "frontend/PauseMenu.h"

#include <OgreControllerManager.h>

void playState::setControllerTimeFactor(float factor)
{
    if (Ogre::ControllerManager* controllers = Ogre::ControllerManager::getSingletonPtr())
        controllers->setTimeFactor(factor);
}

void playState::setGamePaused(bool paused)
{
    Game& game = *Game::getSingletonPtr();
    game.isPaused = paused;
    applySoundSettings();
    if (paused) {
        playPauseSound(game.pauseSound, static_cast<int>(game.pauseSoundVolume));
        setControllerTimeFactor(0.0f);
    } else {
        setControllerTimeFactor(1.0f);
        stopEditorSounds();
    }
    // The pause menu says it is paused itself.
    const bool isPauseTextShown = paused && !(pauseMenu && pauseMenu->isOpen);
    if (game.hud && isPauseTextShown)
        game.hud->showPause();
    else if (game.hud)
        game.hud->hidePause();
}
