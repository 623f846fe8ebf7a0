#include "world/affectors/cameraSpeedAffector.h"

#include "core/Game.h"

// OgreParticle.h needs the definitions OgreParticleSystem.h brings in.
#include <OgreParticleSystem.h>
#include <OgreParticle.h>

cameraSpeedAffector::cameraSpeedAffector(Ogre::ParticleSystem* system)
    : Ogre::ParticleAffector(system)
{
    mType = "cameraSpeed";
}

void cameraSpeedAffector::_affectParticles(Ogre::ParticleSystem* system, Ogre::Real timeElapsed)
{
    const Game* game = Game::getSingletonPtr();
    if (timeElapsed == 0 || !game)
        return;
    for (Ogre::Particle* particle : system->_getActiveParticles())
        particle->mPosition -= game->cameraMovement;
}

Ogre::ParticleAffector* cameraSpeedAffectorFactory::createAffector(Ogre::ParticleSystem* system)
{
    auto* affector = new cameraSpeedAffector(system);
    mAffectors.push_back(affector);
    return affector;
}
