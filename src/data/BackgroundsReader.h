// Reads backgrounds from "BG" elements: the definitions of the library file
// "gamebox.background" into the Game's backgrounds library, and the placed
// backgrounds of a level file, each bound to the definition it names.
#pragma once

#include "data/XmlFile.h"

#include <map>
#include <string>
#include <vector>

class background;

// Fills the background from a "BG" element. In instance mode it stops after
// the placement, before the collision mesh name and the outlines.
void readBackground(const XmlNode& element, background& target, bool instanceMode);

// A later definition of the same name replaces the earlier one.
void loadBackgroundGamebox(const std::string& fileName, const std::string& group,
                           std::map<std::string, background*>& library);

// Makes a background of every "BG" child of the level's root, appends it to
// the list, binds it to its definition (else "bg_NotFound") and builds it.
void readLevelBackgrounds(const XmlNode& root, std::vector<background*>& backgrounds,
                          const std::map<std::string, background*>& library);
