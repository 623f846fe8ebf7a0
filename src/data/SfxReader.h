// Reads "gamebox.sfx" into the sfx library: the document's first top-level
// element, whatever its name, then every following top-level "SFX".
#pragma once

#include <map>
#include <string>

struct sfxLibraryEntry;

// The first entry of a name wins, from this file or an earlier load.
void loadSfxGamebox(std::string fileName, std::string group, std::map<std::string, sfxLibraryEntry*>& library);
