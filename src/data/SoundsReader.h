// Reads "gamebox.sounds" into the sounds library: per "SOUND", the sound's
// file name, its default volume and whether it is an effect or music.
#pragma once

#include <map>
#include <string>

struct soundDefinition;

// A later sound of the same name replaces the earlier one.
void loadSoundsGamebox(const std::string& fileName, const std::string& group,
                       std::map<std::string, soundDefinition*>& library);
