#include "data/ObbReader.h"

#include "data/LibraryFile.h"
#include "world/FiniteVector.h"
#include "world/Obb.h"

#include <OgreStringConverter.h>

#include <cmath>
#include <string>

namespace {

using Ogre::StringConverter;

Ogre::Vector3 vectorOf(const XmlNode& node, const char* name)
{
    // A non-finite number would reach a scene node, which Ogre refuses.
    return finiteOr(StringConverter::parseVector3(requiredText(node, name), Ogre::Vector3::ZERO), 0.0f);
}

std::uint8_t flagOf(const XmlNode& node, const char* name)
{
    return StringConverter::parseBool(requiredText(node, name), false) ? 1 : 0;
}

void readOptionalFlag(const XmlNode& node, const char* name, std::uint8_t& target)
{
    if (attributeText(node, name))
        target = flagOf(node, name);
}

// "point0" switches the outline to its eight given points.
void readPoints(const XmlNode& element, Obb& outline)
{
    if (!attributeText(element, "point0"))
        return;
    outline.isLayered = 1;
    for (std::size_t i = 0; i < outline.customPoints.size(); ++i) {
        const std::string attribute = "point" + std::to_string(i);
        const Ogre::Vector2 point = StringConverter::parseVector2(requiredText(element, attribute.c_str()));
        outline.customPoints[i] = std::isfinite(point.x) && std::isfinite(point.y) ? point : Ogre::Vector2::ZERO;
    }
}

} // namespace

void readObb(const XmlNode& element, Obb& outline)
{
    const Ogre::Vector3 size = vectorOf(element, "size");
    const Ogre::Vector3 rotation = vectorOf(element, "rotation");
    const std::uint8_t isInvicible = flagOf(element, "isInvicible");
    std::uint8_t isCamLimits = 1;
    readOptionalFlag(element, "isCamLimits", isCamLimits);
    readOptionalFlag(element, "isCollideWithEnemies", outline.isCollideWithEnemies);
    readOptionalFlag(element, "isCollideWithBackgrounds", outline.isCollideWithBackgrounds);
    readOptionalFlag(element, "isCollideWithItems", outline.isCollideWithItems);
    outline.isHitBox = flagOf(element, "isHitBox");
    const Ogre::Vector3 offset = vectorOf(element, "offs");
    outline.size = size;
    outline.placedPosition = offset;
    outline.rotation = rotation;
    outline.isInvicible = isInvicible;
    outline.isCamLimits = isCamLimits;
    readPoints(element, outline);
}
