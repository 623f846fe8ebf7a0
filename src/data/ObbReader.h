// Reads one "OBB" element (a collision outline of a player, an enemy or an
// item) into an Obb the caller has already appended to its owner's list.
#pragma once

#include "data/XmlFile.h"

class Obb;

// Stores values only: the outline's node and shape are built later, when its
// owner builds its graphics.
void readObb(const XmlNode& element, Obb& outline);
