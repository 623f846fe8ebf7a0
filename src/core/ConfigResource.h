// Access to the user's settings file "config.ini", which lives in the
// preference folder registered as the resource group "ini".
#pragma once

namespace Ogre {
class ConfigFile;
}

// True when the resource group "ini" holds "config.ini" (also a file written
// after the group was initialised).
bool hasConfigResource();

// Loads "config.ini" of group "ini" into the reader (separators tab, ':' and
// '=', blanks trimmed). Returns false and leaves the reader alone when the
// file is not there.
bool loadConfigResource(Ogre::ConfigFile& file);
