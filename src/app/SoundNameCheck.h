// Sound names checked as the game's files are read, so that an author learns
// of each name that gives no sound (no file of the game's resources, no sound
// of a bank) once, with the object and the file that give it. Play then looks
// such a name up without a line of its own and plays nothing for it.
#pragma once

#include <string>

// Unset names ("", "none", "None") are not checked, nor any name while no
// sound system runs or one of the effect banks did not open. `namer` ends the line (see `namedBy`).
void checkSoundName(const std::string& name, const std::string& namer);
