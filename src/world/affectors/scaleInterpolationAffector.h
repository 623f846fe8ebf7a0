// Affector "scaleInterpolator": scales particles over their life along a list
// of (time, value) points, relative to the system's default particle size.
#pragma once

#include <OgreParticleAffector.h>
#include <OgreParticleAffectorFactory.h>
#include <OgreStringInterface.h>

#include <utility>
#include <vector>

class scaleInterpolationAffector : public Ogre::ParticleAffector {
public:
    // Reads and writes "relative_size".
    class CmdRelativeSize : public Ogre::ParamCommand {
    public:
        Ogre::String doGet(const void* target) const override;
        void doSet(void* target, const Ogre::String& value) override;
    };

    // Reads and writes "values": blank-separated time/value pairs.
    class CmdInterpValues : public Ogre::ParamCommand {
    public:
        Ogre::String doGet(const void* target) const override;
        void doSet(void* target, const Ogre::String& value) override;
    };

    explicit scaleInterpolationAffector(Ogre::ParticleSystem* system);

    void _affectParticles(Ogre::ParticleSystem* system, Ogre::Real timeElapsed) override;

    // The scale at life fraction t (0 at birth, 1 at the end); 1 without points.
    float interpolate(float t) const;

    // (time, value) points in the order the script gave them.
    std::vector<std::pair<float, float>> values;
    bool relativeSize = false;

private:
    static CmdRelativeSize msRelativeSizeCmd;
    static CmdInterpValues msInterpValuesCmd;
};

class scaleInterpolationAffectorFactory : public Ogre::ParticleAffectorFactory {
public:
    Ogre::String getName() const override { return "scaleInterpolator"; }
    Ogre::ParticleAffector* createAffector(Ogre::ParticleSystem* system) override;
};
