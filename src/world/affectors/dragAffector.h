// Affector "drag": particles lose the fraction "intensity" of their speed per
// second; a long frame can at most stop them.
#pragma once

#include <OgreParticleAffector.h>
#include <OgreParticleAffectorFactory.h>
#include <OgreStringInterface.h>

class dragAffector : public Ogre::ParticleAffector {
public:
    // Reads and writes "intensity".
    class CmdScaleAdjust : public Ogre::ParamCommand {
    public:
        Ogre::String doGet(const void* target) const override;
        void doSet(void* target, const Ogre::String& value) override;
    };

    explicit dragAffector(Ogre::ParticleSystem* system);

    void _affectParticles(Ogre::ParticleSystem* system, Ogre::Real timeElapsed) override;

    float intensity = 0.0f;

private:
    static CmdScaleAdjust msScaleAdjustCmd;
};

class dragAffectorFactory : public Ogre::ParticleAffectorFactory {
public:
    Ogre::String getName() const override { return "drag"; }
    Ogre::ParticleAffector* createAffector(Ogre::ParticleSystem* system) override;
};
