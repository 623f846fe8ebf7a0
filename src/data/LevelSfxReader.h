// Reads the placed effects of a level file: every "sfx" element under the
// document's root becomes an sfx object with its visuals built. The sizes,
// speeds, ranges, times and colours it hands to Ogre are finite and within
// what Ogre accepts, whatever the file says.
#pragma once

#include "data/XmlFile.h"

#include <vector>

class Level;
class sfx;

// Appends one effect per "sfx" child of the root, in document order.
void readLevelSfxs(const XmlNode& root, std::vector<sfx*>& effects, Level* level);
// Reads one "sfx" element into a new effect appended to `effects`.
void readSfx(const XmlNode& element, std::vector<sfx*>& effects, Level* level);
