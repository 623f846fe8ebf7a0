// Reads "gamebox.waves", the library of wave definitions.
#pragma once

#include <map>
#include <string>

class Wave;

// Every top-level "enemy" becomes a library definition under its
// "waveName"; a later element of the same name replaces an earlier one. A
// file the group lacks leaves the library as it was.
void loadWavesGamebox(const std::string& fileName, const std::string& group, std::map<std::string, Wave*>& library);
