// Conversions of the attributes an element must carry, shared by the element
// readers. An absent attribute reads as empty text and converts to the
// converter's fallback (0, false, the zero vector). Numbers that would put a
// NaN into a scene node, which Ogre refuses, are made harmless here.
#pragma once

#include "data/XmlFile.h"

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cstdint>

float requiredReal(const XmlNode& node, const char* name);
int requiredInt(const XmlNode& node, const char* name);
bool requiredFlag(const XmlNode& node, const char* name);
// Non-finite components read as 0.
Ogre::Vector3 requiredVector3(const XmlNode& node, const char* name);
// A number read as real and cut toward zero ("2.9" is 2, "-1.5" is -1); a
// non-finite one is 0.
std::int32_t requiredTruncated(const XmlNode& node, const char* name);
// The "pos" of a position element. The editor writes a position it could not
// compute as "nan(ind)": that position, or any other that is not finite, is
// the origin.
Ogre::Vector3 placedPositionOf(const XmlNode& position);
// The turn itself, or the fallback for a zero or non-finite quaternion.
Ogre::Quaternion usableTurn(const Ogre::Quaternion& turn, const Ogre::Quaternion& fallback);
