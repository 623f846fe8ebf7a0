// Whether a resource file of a name exists in the game's resources, asked
// from all over the program before a resource is opened. Answers are
// remembered in the Game for the whole run.
#pragma once

#include <string>

bool resourceExists(std::string name);
