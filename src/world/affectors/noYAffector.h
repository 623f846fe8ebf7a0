// Affector "ResetY": new particles move in the horizontal play plane at the
// speed they were emitted with.
#pragma once

#include <OgreParticleAffector.h>
#include <OgreParticleAffectorFactory.h>

class noYAffector : public Ogre::ParticleAffector {
public:
    explicit noYAffector(Ogre::ParticleSystem* system);

    void _initParticle(Ogre::Particle* particle) override;
    void _affectParticles(Ogre::ParticleSystem*, Ogre::Real) override {}
};

class noYAffectorFactory : public Ogre::ParticleAffectorFactory {
public:
    Ogre::String getName() const override { return "ResetY"; }
    Ogre::ParticleAffector* createAffector(Ogre::ParticleSystem* system) override;
};
