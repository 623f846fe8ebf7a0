// Affector "cameraSpeed": keeps particles of an effect hung below the moving
// camera rig where they were emitted in the world, by moving them back by the
// rig's movement of each frame.
#pragma once

#include <OgreParticleAffector.h>
#include <OgreParticleAffectorFactory.h>

class cameraSpeedAffector : public Ogre::ParticleAffector {
public:
    explicit cameraSpeedAffector(Ogre::ParticleSystem* system);

    void _affectParticles(Ogre::ParticleSystem* system, Ogre::Real timeElapsed) override;
};

class cameraSpeedAffectorFactory : public Ogre::ParticleAffectorFactory {
public:
    Ogre::String getName() const override { return "cameraSpeed"; }
    Ogre::ParticleAffector* createAffector(Ogre::ParticleSystem* system) override;
};
