// On the first start, the settings file and the high-score file that older
// versions kept beside the program move into the user's preference folder.
#pragma once

#include <string>

// Moves "data//<base>.scores", then "data//high.scores" of the program folder
// into "<prefPath>high.scores"; the first one found wins, the old files go
// once the preference folder holds a copy.
void moveOldHighScores(const std::string& exePath, const std::string& exeBaseName, const std::string& prefPath);

// Moves the program folder's "config.ini" into the preference folder, then
// creates it there from the template "data//config.ini_" when still missing.
// An existing preference file is never replaced.
void moveOldSettings(const std::string& exePath, const std::string& prefPath);

// Removes the temporary files of a settings or high-score save that a killed
// process left in the preference folder.
void removeStaleReplacements(const std::string& prefPath);
