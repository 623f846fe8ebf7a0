// The program's log: every line goes through Ogre's log manager into "Ogre.log".
#pragma once

#include <string>

// One line at Ogre's critical level (4), the level of all of the program's own lines.
void logLine(const std::string& text);

// One line at Ogre's normal level (2), used for XML parse failures.
void logNormal(const std::string& text);
