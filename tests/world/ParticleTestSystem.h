// A particle system on the shared test root whose particles the test makes by
// hand, so that affectors can be run on known particle data.
#pragma once

#include "support/OgreTestRoot.h"

// OgreParticle.h needs the definitions OgreParticleSystem.h brings in.
#include <OgreParticleSystem.h>
#include <OgreParticle.h>
#include <OgreSceneManager.h>

class ParticleTestSystem {
public:
    ParticleTestSystem()
        : sceneManager(sharedTestRoot().createSceneManager()),
          system(sceneManager->createParticleSystem("affectorTest", 16))
    {
        sceneManager->getRootSceneNode()->attachObject(system);
        // The first update makes the particle pool.
        system->_update(0);
    }

    ~ParticleTestSystem() { sharedTestRoot().destroySceneManager(sceneManager); }

    ParticleTestSystem(const ParticleTestSystem&) = delete;
    ParticleTestSystem& operator=(const ParticleTestSystem&) = delete;

    Ogre::Particle& addParticle(const Ogre::Vector3& position, const Ogre::Vector3& direction)
    {
        Ogre::Particle* particle = system->createParticle();
        particle->mPosition = position;
        particle->mDirection = direction;
        particle->mTimeToLive = particle->mTotalTimeToLive = 4.0f;
        return *particle;
    }

    Ogre::SceneManager* sceneManager;
    Ogre::ParticleSystem* system;
};
