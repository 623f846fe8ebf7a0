#include "world/affectors/dragAffector.h"

#include "world/affectors/affectorParameters.h"

// OgreParticle.h needs the definitions OgreParticleSystem.h brings in.
#include <OgreParticleSystem.h>
#include <OgreParticle.h>

#include <algorithm>

dragAffector::CmdScaleAdjust dragAffector::msScaleAdjustCmd;

dragAffector::dragAffector(Ogre::ParticleSystem* system) : Ogre::ParticleAffector(system)
{
    mType = "drag";
    if (createParamDictionary("dragAffector"))
        getParamDictionary()->addParameter(Ogre::ParameterDef("intensity", "", Ogre::PT_REAL),
                                           &msScaleAdjustCmd);
}

void dragAffector::_affectParticles(Ogre::ParticleSystem* system, Ogre::Real timeElapsed)
{
    const float k = std::clamp(timeElapsed * intensity, 0.0f, 1.0f);
    for (Ogre::Particle* particle : system->_getActiveParticles())
        particle->mDirection -= particle->mDirection * k;
}

Ogre::String dragAffector::CmdScaleAdjust::doGet(const void* target) const
{
    return Ogre::StringConverter::toString(static_cast<const dragAffector*>(target)->intensity);
}

void dragAffector::CmdScaleAdjust::doSet(void* target, const Ogre::String& value)
{
    static_cast<dragAffector*>(target)->intensity = parseAffectorReal(value);
}

Ogre::ParticleAffector* dragAffectorFactory::createAffector(Ogre::ParticleSystem* system)
{
    auto* affector = new dragAffector(system);
    mAffectors.push_back(affector);
    return affector;
}
