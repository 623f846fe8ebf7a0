// Applies the settings of a loaded config.ini to the Game, key by key as the
// settings table lists them. A key config.ini lacks, or whose text holds no
// value of its kind, comes from the game's template "data/config.ini_" when
// one is given; failing that, a key applied "always" takes the game's default
// and a key applied "if present" keeps the member's value.
#pragma once

#include "core/SettingsTable.h"

#include <string>

namespace Ogre {
class ConfigFile;
}
class Game;

// Every key but the window's, then the game folder.
void applyConfig(Game& game, const Ogre::ConfigFile& file, const Ogre::ConfigFile* gameTemplate = nullptr);

// The window's keys: its size and screen mode into the Game, and the stored
// position, which is returned. The window set-up fits them to the desktop.
WindowPosition applyWindowConfig(Game& game, const Ogre::ConfigFile& file,
                                 const Ogre::ConfigFile* gameTemplate = nullptr);

// One key of the table, as the two above apply it.
void applySetting(Game& game, const std::string& section, const std::string& name, const Ogre::ConfigFile& file,
                  const Ogre::ConfigFile* gameTemplate = nullptr);

// The game's defaults of every key the table keeps in the Game.
void applySettingDefaults(Game& game);

// The stored renderer name as the Game's library value: "D3D9" 0, "D3D11" and
// "D3D" 1, "OGL" 2, anything else 0 (compared byte for byte).
int libraryFromText(const std::string& text);
