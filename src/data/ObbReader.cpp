#include "data/ObbReader.h"
#include "data/AttributeValues.h"

#include "data/LibraryFile.h"
#include "world/Obb.h"

#include <OgreStringConverter.h>

#include <cmath>
#include <string>

namespace {

using Ogre::StringConverter;

void readOptionalFlag(const XmlNode& node, const char* name, std::uint8_t& target)
{
    if (attributeText(node, name))
        target = requiredFlag(node, name);
}

// "point0" switches the outline to its eight given points.
void readPoints(const XmlNode& element, Obb& outline)
{
    if (!attributeText(element, "point0"))
        return;
    outline.isLayered = 1;
    for (std::size_t i = 0; i < outline.customPoints.size(); ++i) {
        const std::string attribute = "point" + std::to_string(i);
        const Ogre::Vector2 point = StringConverter::parseVector2(reportedRequiredText(element, attribute.c_str()));
        outline.customPoints[i] = std::isfinite(point.x) && std::isfinite(point.y) ? point : Ogre::Vector2::ZERO;
    }
}

} // namespace

void readObb(const XmlNode& element, Obb& outline)
{
    const Ogre::Vector3 size = requiredVector3(element, "size");
    const Ogre::Vector3 rotation = requiredVector3(element, "rotation");
    const std::uint8_t isInvicible = requiredFlag(element, "isInvicible");
    std::uint8_t isCamLimits = 1;
    readOptionalFlag(element, "isCamLimits", isCamLimits);
    readOptionalFlag(element, "isCollideWithEnemies", outline.isCollideWithEnemies);
    readOptionalFlag(element, "isCollideWithBackgrounds", outline.isCollideWithBackgrounds);
    readOptionalFlag(element, "isCollideWithItems", outline.isCollideWithItems);
    outline.isHitBox = requiredFlag(element, "isHitBox");
    const Ogre::Vector3 offset = requiredVector3(element, "offs");
    outline.size = size;
    outline.placedPosition = offset;
    outline.rotation = rotation;
    outline.isInvicible = isInvicible;
    outline.isCamLimits = isCamLimits;
    readPoints(element, outline);
}
