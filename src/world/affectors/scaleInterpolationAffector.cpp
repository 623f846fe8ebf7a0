#include "world/affectors/scaleInterpolationAffector.h"

#include "world/affectors/affectorParameters.h"

// OgreParticle.h needs the definitions OgreParticleSystem.h brings in.
#include <OgreParticleSystem.h>
#include <OgreParticle.h>
#include <OgreStringConverter.h>

#include <algorithm>

scaleInterpolationAffector::CmdRelativeSize scaleInterpolationAffector::msRelativeSizeCmd;
scaleInterpolationAffector::CmdInterpValues scaleInterpolationAffector::msInterpValuesCmd;

scaleInterpolationAffector::scaleInterpolationAffector(Ogre::ParticleSystem* system)
    : Ogre::ParticleAffector(system)
{
    mType = "scaleInterpolator";
    if (createParamDictionary("Interpolation")) {
        Ogre::ParamDictionary* dictionary = getParamDictionary();
        dictionary->addParameter(
            Ogre::ParameterDef("relative_size", "Detemines whether the size of the particles is scaled.",
                               Ogre::PT_BOOL),
            &msRelativeSizeCmd);
        dictionary->addParameter(
            Ogre::ParameterDef("values", "Values to interpolate between.", Ogre::PT_REAL),
            &msInterpValuesCmd);
    }
}

void scaleInterpolationAffector::_affectParticles(Ogre::ParticleSystem* system, Ogre::Real)
{
    const Ogre::Real width = system->getDefaultWidth();
    const Ogre::Real height = system->getDefaultHeight();
    if (!relativeSize)
        return;
    for (Ogre::Particle* particle : system->_getActiveParticles()) {
        const float t = 1.0f - particle->mTimeToLive / particle->mTotalTimeToLive;
        // Ogre aborts on a negative size, so the scale stops at 0.
        const float s = std::max(0.0f, interpolate(t));
        particle->setDimensions(s * width, s * height);
    }
}

float scaleInterpolationAffector::interpolate(float t) const
{
    if (values.empty())
        return 1.0f;
    // Written as "not above" so that a NaN life fraction takes the first value.
    if (!(t > values.front().first))
        return values.front().second;
    if (t >= values.back().first)
        return values.back().second;
    const auto cur = std::find_if(values.begin(), values.end(),
                                  [t](const std::pair<float, float>& point) { return point.first >= t; });
    const auto prev = cur - 1;
    return prev->second + (t - prev->first) / (cur->first - prev->first) * (cur->second - prev->second);
}

Ogre::String scaleInterpolationAffector::CmdRelativeSize::doGet(const void* target) const
{
    return Ogre::StringConverter::toString(
        static_cast<const scaleInterpolationAffector*>(target)->relativeSize);
}

void scaleInterpolationAffector::CmdRelativeSize::doSet(void* target, const Ogre::String& value)
{
    static_cast<scaleInterpolationAffector*>(target)->relativeSize =
        Ogre::StringConverter::parseBool(value, false);
}

Ogre::String scaleInterpolationAffector::CmdInterpValues::doGet(const void* target) const
{
    Ogre::String text;
    for (const auto& point : static_cast<const scaleInterpolationAffector*>(target)->values)
        text += Ogre::StringConverter::toString(point.first) + " " +
                Ogre::StringConverter::toString(point.second) + " ";
    return text;
}

void scaleInterpolationAffector::CmdInterpValues::doSet(void* target, const Ogre::String& value)
{
    const Ogre::StringVector tokens = Ogre::StringUtil::split(value, " \t");
    std::vector<std::pair<float, float>> points;
    for (std::size_t i = 0; i + 1 < tokens.size(); i += 2)
        points.emplace_back(parseAffectorReal(tokens[i]), parseAffectorReal(tokens[i + 1]));
    static_cast<scaleInterpolationAffector*>(target)->values = std::move(points);
}

Ogre::ParticleAffector* scaleInterpolationAffectorFactory::createAffector(Ogre::ParticleSystem* system)
{
    auto* affector = new scaleInterpolationAffector(system);
    mAffectors.push_back(affector);
    return affector;
}
