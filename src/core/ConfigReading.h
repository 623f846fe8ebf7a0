// Applies the settings of a loaded config.ini to the Game, key by key in the
// order start-up has always read them. Keys applied "always" overwrite the
// member even when absent or unparsable (giving 0, false or ""); keys applied
// "if present" keep the member's value when their text is empty.
#pragma once

#include <string>

namespace Ogre {
class ConfigFile;
}
class Game;

void applyConfig(Game& game, const Ogre::ConfigFile& file);

// The stored renderer name as the Game's library value: "D3D9" 0, "D3D11" and
// "D3D" 1, "OGL" 2, anything else 0 (compared byte for byte).
int libraryFromText(const std::string& text);
