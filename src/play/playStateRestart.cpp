// Putting the whole level back to its start when play starts or restarts.
#include "play/playState.h"

#include "core/Game.h"
#include "frontend/ContinueMenu.h"
#include "frontend/GameEndScreen.h"
#include "frontend/HighScoreMenu.h"
#include "frontend/ScoreMenu.h"
#include "play/Level.h"
#include "world/sfxManager.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

void playState::restartLevel()
{
    if (continueMenu)
        continueMenu->refresh(false);
    if (scoreMenu)
        scoreMenu->refresh(false);
    if (endScreen)
        endScreen->reset();
    if (highScoreMenu)
        highScoreMenu->setVisible(false);
    // The sparks must not burst where the last life left them.
    Ogre::ParticleSystem* firstShared = level && level->effects ? level->effects->sparksParticles : nullptr;
    if (firstShared && firstShared->getNumEmitters() > 0)
        firstShared->getEmitter(0)->setEnabled(false);
    if (level)
        level->restart(true);
    resetLevelState(false);
    restartPending = 0;
}
