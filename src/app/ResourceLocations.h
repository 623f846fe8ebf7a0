// Declares the exported game's folders and archives to Ogre's resource system
// in their fixed groups and parses the groups' scripts.
#pragma once

#include <string>
#include <vector>

class Game;

// One resource location of the exported game.
struct ResourceLocation {
    std::string path;
    std::string type;  // "FileSystem" or "Zip"
    std::string group;
};

// The locations in the order they are added; `gamePath` is the program folder
// (ending in "//"), the preference folder is left out when empty.
std::vector<ResourceLocation> gameResourceLocations(const std::string& gamePath,
                                                    const std::string& preferenceFolder);

// The folder of the game's sounds and sound banks in the program folder.
std::string soundFolder(const std::string& gamePath);

// Creates the group when it does not exist. The game's groups "Media" and
// "GAMERSC" share the global pool: a resource defined in both keeps the one
// parsed first ("Media"), through the collision listener. Every other group
// keeps its names to itself.
void createResourceGroupOnce(const std::string& group);

// Adds every location (a missing one is logged and skipped), initialises
// "Media" then "GAMERSC", and creates the empty "GAMERSC_materials".
void initResourceLocations(Game& game, const std::string& gamePath);
