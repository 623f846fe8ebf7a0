// Where the program and the user's files live on this system.
#pragma once

#include <string>

namespace platform {

// Full path of the running program (from /proc/self/exe); empty when unknown.
std::string executablePath();

// The user's documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs, else
// $HOME/Documents; empty when HOME is not set.
std::string documentsFolder();

// The folder SDL_GetPrefPath makes for the organisation and application:
// "<$XDG_DATA_HOME, else $HOME/.local/share>/<organisation>/<application>/";
// empty when neither variable is set.
std::string preferenceFolder(const std::string& organisation, const std::string& application);

} // namespace platform
