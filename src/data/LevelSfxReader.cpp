#include "data/LevelSfxReader.h"
#include "data/AttributeValues.h"

#include "data/LibraryFile.h"
#include "world/FiniteVector.h"
#include "world/sfx.h"

#include <OgreStringConverter.h>

namespace {

using Ogre::StringConverter;

// A number of the element within [lowest, highest]; one that is not finite
// is the reader's default.
float boundedReal(const XmlNode& node, const char* name, float lowest, float highest, float absent)
{
    return finiteIn(requiredReal(node, name), lowest, highest, absent);
}

float scaleOf(const XmlNode& node, const char* name) { return boundedReal(node, name, 0.0f, largestDataScale, 1.0f); }

float factorOf(const XmlNode& node, const char* name, float absent)
{
    return boundedReal(node, name, -largestDataReach, largestDataReach, absent);
}

// A colour of the element; a component that is not finite is full.
Ogre::ColourValue colourOf(const XmlNode& node, const char* name)
{
    const Ogre::ColourValue read =
        StringConverter::parseColourValue(reportedRequiredText(node, name), Ogre::ColourValue::White);
    const auto component = [](float value) { return finiteIn(value, -largestDataReach, largestDataReach, 1.0f); };
    return Ogre::ColourValue(component(read.r), component(read.g), component(read.b), component(read.a));
}

// Each child element's values, at the reader's defaults when the child is absent.
void readOmni(const XmlNode& element, sfx& effect)
{
    effect.isOmni = false;
    effect.colour = Ogre::ColourValue::White;
    effect.omniMultiplier = 1.0f;
    effect.isOmniBlink = false;
    effect.omniRange = 200.0f;
    effect.omniSinSpeed = 0.0f;
    effect.omniSinIntensity = 1.0f;
    effect.omniBlinkRandom = 0.0f;
    const XmlNode* omni = element.first_node("omni");
    if (!omni)
        return;
    effect.isOmni = requiredFlag(*omni, "isOmni");
    effect.colour = colourOf(*omni, "colour");
    effect.omniMultiplier = factorOf(*omni, "omniMultiplier", 1.0f);
    effect.isOmniBlink = requiredFlag(*omni, "isOmniBlink");
    effect.omniRange = boundedReal(*omni, "omniRange", 0.0f, largestDataReach, 200.0f);
    effect.omniSinSpeed = factorOf(*omni, "omniSinSpeed", 0.0f);
    effect.omniSinIntensity = factorOf(*omni, "omniSinIntensity", 1.0f);
    effect.omniBlinkRandom = factorOf(*omni, "omniBlinkRandom", 0.0f);
}

void readLensFlare(const XmlNode& element, sfx& effect)
{
    effect.isLensFlare = false;
    effect.lensFlareScale = 1.0f;
    if (const XmlNode* flare = element.first_node("lensFlare")) {
        effect.isLensFlare = requiredFlag(*flare, "isLensFlare");
        effect.lensFlareScale = scaleOf(*flare, "lensFlareScale");
    }
}

void readGlow(const XmlNode& element, sfx& effect)
{
    effect.glowType = "Basic";
    effect.isGlow = false;
    effect.glowSscale = 1.0f;
    effect.glowColour = Ogre::ColourValue::White;
    if (const XmlNode* glow = element.first_node("glow")) {
        effect.glowType = reportedRequiredText(*glow, "glowType");
        effect.isGlow = requiredFlag(*glow, "isGlow");
        effect.glowSscale = scaleOf(*glow, "glowSscale");
        if (attributeText(*glow, "glowColour"))
            effect.glowColour = colourOf(*glow, "glowColour");
    }
}

void readParticle(const XmlNode& element, sfx& effect)
{
    effect.particleType = "smoke";
    effect.isParticles = false;
    effect.particleScale = 1.0f;
    effect.isPauseWhenUnseen = true;
    effect.pauseWhenUnseenTime = 8.0f;
    if (const XmlNode* particle = element.first_node("particle")) {
        effect.particleType = reportedRequiredText(*particle, "particleType");
        effect.isParticles = requiredFlag(*particle, "isParticles");
        effect.particleScale = scaleOf(*particle, "particleScale");
        readOptional(*particle, "isPauseWhenUnseen", effect.isPauseWhenUnseen);
        if (attributeText(*particle, "pauseWhenUnseenTime"))
            effect.pauseWhenUnseenTime = boundedReal(*particle, "pauseWhenUnseenTime", 0.0f, largestDataReach, 8.0f);
    }
}

} // namespace

void readLevelSfxs(const XmlNode& root, std::vector<sfx*>& effects, Level* level)
{
    for (const XmlNode* element : childElements(root, "sfx"))
        readSfx(*element, effects, level);
}

void readSfx(const XmlNode& element, std::vector<sfx*>& effects, Level* /*level*/)
{
    const std::string sfxName = reportedRequiredText(element, "sfxName");
    std::string screenName = sfxName;
    readOptional(element, "screenName", screenName);
    const std::string flareType = reportedRequiredText(element, "lensFlareType");
    int layerId = 0;
    readOptional(element, "layer", layerId);
    std::string attachedTo;
    if (const XmlNode* parenting = element.first_node("parenting"))
        attachedTo = reportedRequiredText(*parenting, "attachedToEntityName");
    Ogre::Vector3 where = Ogre::Vector3::ZERO;
    Ogre::Quaternion turn = Ogre::Quaternion::IDENTITY;
    if (const XmlNode* placed = element.first_node("position")) {
        where = placedPositionOf(*placed);
        // Ogre aborts on a node turned by a quaternion that is not finite.
        turn = usableTurn(
            StringConverter::parseQuaternion(reportedRequiredText(*placed, "orient"), Ogre::Quaternion::IDENTITY), turn);
    }
    auto* effect = new sfx(sfxName);
    effects.push_back(effect);
    effect->screenName = screenName;
    effect->lensFlareType = flareType;
    effect->layerId = static_cast<std::uint32_t>(layerId);
    effect->attachedToEntityName = attachedTo;
    effect->position = where;
    effect->orientation = turn;
    readOmni(element, *effect);
    readLensFlare(element, *effect);
    readGlow(element, *effect);
    readParticle(element, *effect);
    // The visuals take the level from the Game, which is the level being read.
    effect->createVisuals(where);
}
