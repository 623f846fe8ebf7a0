#include "data/LevelSfxReader.h"

#include "data/LibraryFile.h"
#include "world/sfx.h"

#include <OgreStringConverter.h>

#include <cmath>

namespace {

using Ogre::StringConverter;

float realOf(const XmlNode& node, const char* name) { return StringConverter::parseReal(requiredText(node, name), 0.0f); }

bool flagOf(const XmlNode& node, const char* name) { return StringConverter::parseBool(requiredText(node, name), false); }

Ogre::ColourValue colourOf(const XmlNode& node, const char* name)
{
    return StringConverter::parseColourValue(requiredText(node, name), Ogre::ColourValue::White);
}

// The editor writes a position it could not compute as "nan(ind)"; such a
// position, or any other that is not finite, places the effect at the origin.
Ogre::Vector3 placedPositionOf(const XmlNode& node)
{
    const std::string text = requiredText(node, "pos");
    if (text.find("nan(ind)") != std::string::npos)
        return Ogre::Vector3::ZERO;
    const Ogre::Vector3 read = StringConverter::parseVector3(text, Ogre::Vector3::ZERO);
    return read.isNaN() || !std::isfinite(read.x + read.y + read.z) ? Ogre::Vector3::ZERO : read;
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
    effect.isOmni = flagOf(*omni, "isOmni");
    effect.colour = colourOf(*omni, "colour");
    effect.omniMultiplier = realOf(*omni, "omniMultiplier");
    effect.isOmniBlink = flagOf(*omni, "isOmniBlink");
    effect.omniRange = realOf(*omni, "omniRange");
    effect.omniSinSpeed = realOf(*omni, "omniSinSpeed");
    effect.omniSinIntensity = realOf(*omni, "omniSinIntensity");
    effect.omniBlinkRandom = realOf(*omni, "omniBlinkRandom");
}

void readLensFlare(const XmlNode& element, sfx& effect)
{
    effect.isLensFlare = false;
    effect.lensFlareScale = 1.0f;
    if (const XmlNode* flare = element.first_node("lensFlare")) {
        effect.isLensFlare = flagOf(*flare, "isLensFlare");
        effect.lensFlareScale = realOf(*flare, "lensFlareScale");
    }
}

void readGlow(const XmlNode& element, sfx& effect)
{
    effect.glowType = "Basic";
    effect.isGlow = false;
    effect.glowSscale = 1.0f;
    effect.glowColour = Ogre::ColourValue::White;
    if (const XmlNode* glow = element.first_node("glow")) {
        effect.glowType = requiredText(*glow, "glowType");
        effect.isGlow = flagOf(*glow, "isGlow");
        effect.glowSscale = realOf(*glow, "glowSscale");
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
        effect.particleType = requiredText(*particle, "particleType");
        effect.isParticles = flagOf(*particle, "isParticles");
        effect.particleScale = realOf(*particle, "particleScale");
        readOptional(*particle, "isPauseWhenUnseen", effect.isPauseWhenUnseen);
        readOptional(*particle, "pauseWhenUnseenTime", effect.pauseWhenUnseenTime);
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
    const std::string sfxName = requiredText(element, "sfxName");
    std::string screenName = sfxName;
    readOptional(element, "screenName", screenName);
    const std::string flareType = requiredText(element, "lensFlareType");
    int layerId = 0;
    readOptional(element, "layer", layerId);
    std::string attachedTo;
    if (const XmlNode* parenting = element.first_node("parenting"))
        attachedTo = requiredText(*parenting, "attachedToEntityName");
    Ogre::Vector3 where = Ogre::Vector3::ZERO;
    Ogre::Quaternion turn = Ogre::Quaternion::IDENTITY;
    if (const XmlNode* placed = element.first_node("position")) {
        where = placedPositionOf(*placed);
        const Ogre::Quaternion read =
            StringConverter::parseQuaternion(requiredText(*placed, "orient"), Ogre::Quaternion::IDENTITY);
        // Ogre aborts on a node turned by a quaternion that is not finite.
        if (!read.isNaN() && std::isfinite(read.Norm()) && read.Norm() > 0.0f)
            turn = read;
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
