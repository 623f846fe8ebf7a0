// Access to the user's settings file "config.ini", which lives in the
// preference folder registered as the resource group "ini", and to the game's
// template "data/config.ini_" in the program folder, which gives the defaults.
#pragma once

#include <string>

namespace Ogre {
class ConfigFile;
}

// True when the resource group "ini" holds "config.ini" (also a file written
// after the group was initialised).
bool hasConfigResource();

// Loads "config.ini" of group "ini" into the reader (separators tab, ':' and
// '=', blanks trimmed). Returns false and leaves the reader alone when the
// file is not there. A file that is not text (a NUL byte or a byte sequence
// that is not UTF-8, as in random bytes or UTF-16) is named in one line and
// read as empty, so that the template gives every key.
bool loadConfigResource(Ogre::ConfigFile& file);

// Loads the template of the program folder given (ending in a separator) into
// the reader, as loadConfigResource loads config.ini. False when there is none.
bool loadSettingsTemplate(Ogre::ConfigFile& file, const std::string& programFolder);
