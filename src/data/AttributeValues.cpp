#include "data/AttributeValues.h"

#include "data/LibraryFile.h"
#include "world/FiniteVector.h"

#include <OgreStringConverter.h>

#include <algorithm>
#include <cmath>
#include <string>

using Ogre::StringConverter;

float requiredReal(const XmlNode& node, const char* name)
{
    return parseFiniteReal(reportedRequiredText(node, name), 0.0f);
}

int requiredInt(const XmlNode& node, const char* name)
{
    return StringConverter::parseInt(reportedRequiredText(node, name), 0);
}

bool requiredFlag(const XmlNode& node, const char* name)
{
    return StringConverter::parseBool(reportedRequiredText(node, name), false);
}

Ogre::Vector3 requiredVector3(const XmlNode& node, const char* name)
{
    return parseFiniteVector3(reportedRequiredText(node, name), Ogre::Vector3::ZERO);
}

std::int32_t requiredTruncated(const XmlNode& node, const char* name)
{
    return truncatedInto<std::int32_t>(requiredReal(node, name), 0);
}

Ogre::Vector3 placedPositionOf(const XmlNode& position)
{
    return placedPositionFromText(reportedRequiredText(position, "pos"));
}

Ogre::Vector3 placedPositionFromText(const std::string& text)
{
    if (text.find("nan(ind)") != std::string::npos)
        return Ogre::Vector3::ZERO;
    const Ogre::Vector3 read = StringConverter::parseVector3(text, Ogre::Vector3::ZERO);
    if (read.isNaN() || !std::isfinite(read.x + read.y + read.z))
        return Ogre::Vector3::ZERO;
    const auto within = [](float value) { return std::clamp(value, -largestDataReach, largestDataReach); };
    return {within(read.x), within(read.y), within(read.z)};
}

Ogre::Quaternion usableTurn(const Ogre::Quaternion& turn, const Ogre::Quaternion& fallback)
{
    const float norm = turn.Norm();
    return std::isfinite(norm) && norm > 0.0f ? turn : fallback;
}
