// Whether a resource file of a name exists in the game's resources, asked
// from all over the program before a resource is opened. Answers are
// remembered in the Game for the whole run.
#pragma once

#include <string>

bool resourceExists(std::string name);

// Whether the group exists and holds a resource of the name (Ogre throws for
// a group that does not exist: such a group holds nothing).
bool groupHolds(const std::string& group, const std::string& name);

// The remembered answer for a name, when there is one.
const bool* knownAvailability(const std::string& name);
void rememberAvailability(const std::string& name, bool available);
