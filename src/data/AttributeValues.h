// Conversions of the attributes an element must carry, shared by the element
// readers. An absent attribute converts to the converter's fallback (0,
// false, the zero vector) and is reported with one "[ERROR] " line. Numbers
// that would put a NaN into a scene node, which Ogre refuses, are made
// harmless here.
#pragma once

#include "data/XmlFile.h"

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

float requiredReal(const XmlNode& node, const char* name);
int requiredInt(const XmlNode& node, const char* name);
bool requiredFlag(const XmlNode& node, const char* name);
// Non-finite components read as 0.
Ogre::Vector3 requiredVector3(const XmlNode& node, const char* name);
// A real cut toward zero into an integer type. Casting a value the type cannot
// hold is undefined, so one beyond its range becomes the nearest bound and a
// non-finite one the fallback.
template <typename Integer>
Integer truncatedInto(double value, Integer fallback)
{
    using Limits = std::numeric_limits<Integer>;
    if (!std::isfinite(value))
        return fallback;
    // Every value above min - 1 cuts to min or more; 2^digits is max + 1.
    if (value <= static_cast<double>(Limits::min()) - 1.0)
        return Limits::min();
    if (value >= std::ldexp(1.0, Limits::digits))
        return Limits::max();
    return static_cast<Integer>(value);
}
// A number read as real and cut toward zero ("2.9" is 2, "-1.5" is -1); one
// beyond the range of 32 bits is its nearest bound, a non-finite one is 0.
std::int32_t requiredTruncated(const XmlNode& node, const char* name);
// The "pos" of a position element. The editor writes a position it could not
// compute as "nan(ind)": that position, or any other that is not finite, is
// the origin; a finite one stays within the reach of data.
Ogre::Vector3 placedPositionOf(const XmlNode& position);
// The same rule for the text of a position.
Ogre::Vector3 placedPositionFromText(const std::string& text);
// The turn itself, or the fallback for a zero or non-finite quaternion.
Ogre::Quaternion usableTurn(const Ogre::Quaternion& turn, const Ogre::Quaternion& fallback);
