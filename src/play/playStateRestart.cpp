// Putting the whole level back to its start when play starts or restarts.
#include "play/playState.h"

#include "core/Game.h"
#include "frontend/HighScoreMenu.h"
#include "play/Level.h"
#include "world/sfxManager.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

void playState::restartLevel()
{
    // The continue, stage score and end-of-game screens are reset and hidden here once they exist.
    if (highScoreMenu)
        highScoreMenu->setVisible(false);
    // The sparks must not burst where the last life left them.
    Ogre::ParticleSystem* firstShared = level && level->effects ? level->effects->sparksParticles : nullptr;
    if (firstShared && firstShared->getNumEmitters() > 0)
        firstShared->getEmitter(0)->setEnabled(false);
    game->waveCount = static_cast<int>(waves.size());
    if (level)
        level->restart(true);
    resetLevelState(false);
    restartPending = 0;
}
