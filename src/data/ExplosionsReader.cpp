#include "data/ExplosionsReader.h"

#include "data/LibraryFile.h"

#include <OgreStringConverter.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

namespace {

// More pieces than any one explosion shows at once on screen.
const std::size_t maxExplosionElements = 256;

// Absent optional values take the reader's defaults, whatever the element's
// constructor gave; absent required ones keep the constructor's values.
const Ogre::Vector2 absentTextureDiv{4.0f, 4.0f};
const Ogre::Vector2 absentSoundPitch{0.0f, 0.1f};
const Ogre::ColourValue absentLightColour{1.0f, 0.5f, 0.0f, 0.0f};
// What a light colour that does not convert gives.
const Ogre::ColourValue unreadableLightColour{0.0f, 0.0f, 0.0f, 0.0f};

float optionalReal(const XmlNode& node, const char* name, float absent)
{
    const char* text = attributeText(node, name);
    return text ? parseFiniteReal(text, 0.0f) : absent;
}

std::uint8_t optionalFlag(const XmlNode& node, const char* name, bool absent)
{
    const char* text = attributeText(node, name);
    return (text ? Ogre::StringConverter::parseBool(text) : absent) ? 1 : 0;
}

Ogre::Vector2 optionalPair(const XmlNode& node, const char* name, const Ogre::Vector2& absent)
{
    const char* text = attributeText(node, name);
    return text ? parseFiniteVector2(text, Ogre::Vector2::ZERO) : absent;
}

// A sheet has at least one tile each way: a count below one, or not a
// number, is reported and read as one.
Ogre::Vector2 tileCounts(const XmlNode& node)
{
    const char* text = attributeText(node, "textureDiv");
    if (!text)
        return absentTextureDiv;
    const Ogre::Vector2 read = parseFiniteVector2(text, Ogre::Vector2::ZERO);
    const Ogre::Vector2 held(std::max(read.x, 1.0f), std::max(read.y, 1.0f));
    if (held != read)
        reportUnusable(node, "textureDiv", text);
    return held;
}

void readRequiredSeconds(const XmlNode& node, const char* name, double& target)
{
    if (const char* text = reportedAttributeText(node, name))
        target = parseFiniteReal(text, 0.0f);
}

void readRequiredFlag(const XmlNode& node, const char* name, std::uint8_t& target)
{
    bool value = target != 0;
    readRequired(node, name, value);
    target = value ? 1 : 0;
}

void readSound(const XmlNode& node, ExplosionElement& element)
{
    readRequired(node, "soundName", element.soundName);
    const Ogre::Vector2 pitch = optionalPair(node, "soundPitch", absentSoundPitch);
    element.soundPitch[0] = pitch.x;
    element.soundPitch[1] = pitch.y;
    element.explosionVolume = optionalReal(node, "explosionVolume", 1.0f);
}

Ogre::ColourValue lightColourOf(const XmlNode& node)
{
    const char* text = attributeText(node, "lightColor");
    if (!text)
        return absentLightColour;
    const Ogre::ColourValue read = Ogre::StringConverter::parseColourValue(text, unreadableLightColour);
    const bool isFinite = std::isfinite(read.r) && std::isfinite(read.g) && std::isfinite(read.b) && std::isfinite(read.a);
    return isFinite ? read : unreadableLightColour;
}

void readLight(const XmlNode& node, ExplosionElement& element)
{
    element.lightRange = optionalReal(node, "lightRange", 150.0f);
    element.lightColor = lightColourOf(node);
    element.lightIntensity = optionalReal(node, "lightIntensity", 2.0f);
}

// The child elements the format requires: one that is absent leaves the
// values it would give at the element's own.
void readPlacement(const XmlNode& node, ExplosionElement& element)
{
    if (const XmlNode* at = reportedChild(node, "position")) {
        readRequired(*at, "x", element.position.x);
        readRequired(*at, "y", element.position.y);
        readRequired(*at, "z", element.position.z);
    }
    if (const XmlNode* turn = reportedChild(node, "orientation"))
        readRequired(*turn, "x", element.orientation);
    if (const XmlNode* scaling = reportedChild(node, "Scaling"))
        readRequired(*scaling, "x", element.scaling);
    if (const XmlNode* other = reportedChild(node, "Other")) {
        readRequiredFlag(*other, "isCameraShake", element.isCameraShake);
        element.cameraShakeStrength = optionalReal(*other, "cameraShakeStrength", 1.0f);
    }
}

ExplosionElement* readElement(const XmlNode& node)
{
    auto element = std::make_unique<ExplosionElement>();
    readOptional(node, "screenName", element->screenName);
    readRequiredSeconds(node, "timeBeforeStart", element->timeBeforeStart);
    readRequiredSeconds(node, "duration", element->duration);
    readRequired(node, "particleName", element->particleName);
    readOptional(node, "textureName", element->textureName);
    readRequiredFlag(node, "isChild", element->isChild);
    element->isLight = optionalFlag(node, "isLight", true);
    element->textureDiv = tileCounts(node);
    readSound(node, *element);
    readLight(node, *element);
    element->isAlpha = optionalFlag(node, "isAlpha", true);
    readPlacement(node, *element);
    return element.release();
}

} // namespace

void freeExplosion(explosionDefinition& explosion)
{
    for (ExplosionElement* element : explosion.second)
        delete element; // the destructor destroys it
    explosion.second.clear();
    delete explosion.first;
    explosion.first = nullptr;
}

void loadExplosionsGamebox(std::string fileName, std::string group, explosionLibraryMap& library)
{
    readLibraryFile(fileName, group, "explosion", libraryFailureLine, [&library](const XmlNode& node) {
        const std::string name = reportedRequiredText(node, "name");
        auto* head = new ExplosionRef;
        head->screenName = reportedRequiredText(node, "screenName");
        std::vector<ExplosionElement*> elements;
        for (const XmlNode* child : limitedChildElements(node, "EXPL", maxExplosionElements, xmlFileBeingRead()))
            elements.push_back(readElement(*child));
        explosionDefinition& slot = library[name];
        freeExplosion(slot);
        slot = explosionDefinition(head, elements);
    });
}
