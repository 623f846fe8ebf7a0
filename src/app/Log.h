// The program's log: every line goes through Ogre's log manager into "Ogre.log".
#pragma once

#include <string>

// One line at Ogre's critical level (4), the level of all of the program's own lines.
void logLine(const std::string& text);

// `logLine` unless the Game's record of lines logged once holds the line: for
// faults met again and again (each frame, each element, each visit), which
// the log names once.
void logLineOnce(const std::string& text);

// One line at Ogre's normal level (2), used for XML parse failures.
void logNormal(const std::string& text);
