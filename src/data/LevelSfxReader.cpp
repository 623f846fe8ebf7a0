#include "data/LevelSfxReader.h"
#include "data/AttributeValues.h"

#include "data/LibraryFile.h"
#include "world/sfx.h"

#include <OgreStringConverter.h>


namespace {

using Ogre::StringConverter;

Ogre::ColourValue colourOf(const XmlNode& node, const char* name)
{
    return StringConverter::parseColourValue(requiredText(node, name), Ogre::ColourValue::White);
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
    effect.omniMultiplier = requiredReal(*omni, "omniMultiplier");
    effect.isOmniBlink = requiredFlag(*omni, "isOmniBlink");
    effect.omniRange = requiredReal(*omni, "omniRange");
    effect.omniSinSpeed = requiredReal(*omni, "omniSinSpeed");
    effect.omniSinIntensity = requiredReal(*omni, "omniSinIntensity");
    effect.omniBlinkRandom = requiredReal(*omni, "omniBlinkRandom");
}

void readLensFlare(const XmlNode& element, sfx& effect)
{
    effect.isLensFlare = false;
    effect.lensFlareScale = 1.0f;
    if (const XmlNode* flare = element.first_node("lensFlare")) {
        effect.isLensFlare = requiredFlag(*flare, "isLensFlare");
        effect.lensFlareScale = requiredReal(*flare, "lensFlareScale");
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
        effect.isGlow = requiredFlag(*glow, "isGlow");
        effect.glowSscale = requiredReal(*glow, "glowSscale");
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
        effect.isParticles = requiredFlag(*particle, "isParticles");
        effect.particleScale = requiredReal(*particle, "particleScale");
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
        // Ogre aborts on a node turned by a quaternion that is not finite.
        turn = usableTurn(
            StringConverter::parseQuaternion(requiredText(*placed, "orient"), Ogre::Quaternion::IDENTITY), turn);
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
