// The program's log: every line goes through Ogre's log manager into "Ogre.log".
#pragma once

#include <string>

// One line at Ogre's critical level (4), the level of all of the program's own lines.
void logLine(const std::string& text);

// `logLine` unless the Game's record of lines logged once holds the line: for
// faults met again and again (each frame, each element, each visit), which
// the log names once.
void logLineOnce(const std::string& text);

// The end of a line about a name that resolves to nothing, saying who gave
// it: ", named by wave Wave_1 of gamebox.waves"; without a file, the object
// alone; without an object, the file alone; without either, nothing.
std::string namedBy(const std::string& object, const std::string& file);

// One line at Ogre's normal level (2), used for XML parse failures.
void logNormal(const std::string& text);
