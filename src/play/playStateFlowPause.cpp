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
    }
    // The pause menu says it is paused itself, and the menu's own sounds
    // take over from the pause sound there.
    const bool isMenuOpen = pauseMenu && pauseMenu->isOpen;
    if (paused && !isMenuOpen) {
        if (game.hud)
            game.hud->showPause();
        return;
    }
    if (game.hud)
        game.hud->hidePause();
    stopEditorSounds();
}
