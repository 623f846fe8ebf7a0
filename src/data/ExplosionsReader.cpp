#include "data/ExplosionsReader.h"

#include "data/LibraryFile.h"

#include <OgreStringConverter.h>

#include <memory>

namespace {

float attributeReal(const XmlNode& node, const char* name)
{
    return Ogre::StringConverter::parseReal(requiredText(node, name));
}

bool attributeFlag(const XmlNode& node, const char* name)
{
    return Ogre::StringConverter::parseBool(requiredText(node, name));
}

// An absent optional value takes the reader's default, whatever the
// element's constructor gave.
float optionalReal(const XmlNode& node, const char* name, float absent)
{
    const char* text = attributeText(node, name);
    return text ? Ogre::StringConverter::parseReal(text) : absent;
}

bool optionalFlag(const XmlNode& node, const char* name, bool absent)
{
    const char* text = attributeText(node, name);
    return text ? Ogre::StringConverter::parseBool(text) : absent;
}

Ogre::Vector2 optionalPair(const XmlNode& node, const char* name, const Ogre::Vector2& absent)
{
    const char* text = attributeText(node, name);
    return text ? Ogre::StringConverter::parseVector2(text) : absent;
}

// A child element the format requires: an absent one reads as an element
// without attributes.
const XmlNode& requiredChild(const XmlNode& node, const char* name)
{
    static const XmlNode empty(rapidxml::node_element);
    const XmlNode* child = node.first_node(name);
    return child ? *child : empty;
}

void readSound(const XmlNode& node, ExplosionElement& element)
{
    element.soundName = requiredText(node, "soundName");
    const Ogre::Vector2 pitch = optionalPair(node, "soundPitch", Ogre::Vector2(0.0f, 0.1f));
    element.soundPitch[0] = pitch.x;
    element.soundPitch[1] = pitch.y;
    element.explosionVolume = optionalReal(node, "explosionVolume", 1.0f);
}

void readLight(const XmlNode& node, ExplosionElement& element)
{
    element.lightRange = optionalReal(node, "lightRange", 150.0f);
    const char* colour = attributeText(node, "lightColor");
    element.lightColor = colour ? Ogre::StringConverter::parseColourValue(colour, Ogre::ColourValue(0, 0, 0, 0))
                                : Ogre::ColourValue(1.0f, 0.5f, 0.0f, 0.0f);
    element.lightIntensity = optionalReal(node, "lightIntensity", 2.0f);
}

void readPlacement(const XmlNode& node, ExplosionElement& element)
{
    const XmlNode& at = requiredChild(node, "position");
    element.position = Ogre::Vector3(attributeReal(at, "x"), attributeReal(at, "y"), attributeReal(at, "z"));
    element.orientation = attributeReal(requiredChild(node, "orientation"), "x");
    element.scaling = attributeReal(requiredChild(node, "Scaling"), "x");
    const XmlNode& other = requiredChild(node, "Other");
    element.isCameraShake = attributeFlag(other, "isCameraShake");
    element.cameraShakeStrength = optionalReal(other, "cameraShakeStrength", 1.0f);
}

ExplosionElement* readElement(const XmlNode& node)
{
    auto element = std::make_unique<ExplosionElement>();
    element->screenName = "element";
    readOptional(node, "screenName", element->screenName);
    element->timeBeforeStart = attributeReal(node, "timeBeforeStart");
    element->duration = attributeReal(node, "duration");
    element->particleName = requiredText(node, "particleName");
    element->textureName.clear();
    readOptional(node, "textureName", element->textureName);
    element->isChild = attributeFlag(node, "isChild");
    element->isLight = optionalFlag(node, "isLight", true);
    element->textureDiv = optionalPair(node, "textureDiv", Ogre::Vector2(4.0f, 4.0f));
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
        const std::string name = requiredText(node, "name");
        auto* head = new ExplosionRef;
        head->screenName = requiredText(node, "screenName");
        std::vector<ExplosionElement*> elements;
        for (const XmlNode* child : childElements(node, "EXPL"))
            elements.push_back(readElement(*child));
        explosionDefinition& slot = library[name];
        freeExplosion(slot);
        slot = explosionDefinition(head, elements);
    });
}
