#include "world/affectors/noYAffector.h"

// OgreParticle.h needs the definitions OgreParticleSystem.h brings in.
#include <OgreParticleSystem.h>
#include <OgreParticle.h>

noYAffector::noYAffector(Ogre::ParticleSystem* system) : Ogre::ParticleAffector(system)
{
    mType = "ResetY";
}

void noYAffector::_initParticle(Ogre::Particle* particle)
{
    Ogre::Vector3& direction = particle->mDirection;
    const Ogre::Real speed = direction.length();
    direction.y = 0;
    const Ogre::Real flatLength = direction.length();
    if (flatLength > 0)
        direction /= flatLength;
    direction *= speed;
}

Ogre::ParticleAffector* noYAffectorFactory::createAffector(Ogre::ParticleSystem* system)
{
    auto* affector = new noYAffector(system);
    mAffectors.push_back(affector);
    return affector;
}
