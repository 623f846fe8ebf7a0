// Reads "gamebox.bullets" into the bullet library: per "Bullet", the look of
// a kind of shot (its texture, quad and outline sizes, and whether it faces
// the camera).
#pragma once

#include <map>
#include <string>

class bulletDefinition;

// The first definition of a name is kept; a later one of the same name is
// passed over. A file the group lacks leaves the library as it was.
void loadBulletsGamebox(const std::string& fileName, const std::string& group,
                        std::map<std::string, bulletDefinition*>& library);
