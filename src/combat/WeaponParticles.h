// The two things a gun does to its particle systems while it fires: stop
// one, or start one afresh so that its burst plays from the beginning.
#pragma once

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

inline void stopEmitting(Ogre::ParticleSystem* system)
{
    if (system)
        system->setEmitting(false);
}

inline void restartEmitting(Ogre::ParticleSystem* system)
{
    if (!system)
        return;
    system->setEmitting(true);
    if (system->getNumEmitters() > 0) {
        system->getEmitter(0)->setEnabled(false);
        system->getEmitter(0)->setEnabled(true);
    }
}
