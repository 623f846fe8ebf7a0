// The frame of the readers of the game's own XML files that are not asset
// libraries (the menu and HUD layouts, the level pre-reads): the file is
// parsed whole, its root element walked, and a text that does not parse
// is named in one "[ERROR] " line and changes nothing.
#pragma once

#include "data/XmlFile.h"

#include <functional>
#include <string>

// The parse-failure line of these files.
extern const char* const layoutFailureLine;

// A layout file is found as the menu and HUD readers find it: "GAMERSC" must
// exist and the Game's resource test must know the name. It opens from
// "GAMERSC", or from "Media" when only that group holds it. Gives false,
// logging nothing, when the file is not found; otherwise parses it and hands
// its root element to `walk`. A text that does not parse or holds no element
// is named with the failure line (logUnusedFile) and gives false.
bool readLayoutFile(const std::string& name, const std::function<void(XmlNode& root)>& walk);
