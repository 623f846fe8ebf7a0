// Reads the waves a level file places: each "enemy" child of the root is an
// instance of the library wave its "toybox"/"parentName" names, with its own
// placement, spawner and path and its definition's class, look and parts.
#pragma once

#include "data/XmlFile.h"

#include <map>
#include <string>
#include <vector>

class Level;
class Player;
class Wave;

// Every "enemy" child of the root, in document order, appended to `waves`.
void readLevelWaves(const XmlNode& root, std::vector<Wave*>& waves, Level* level, Player* player,
                    const std::map<std::string, Wave*>& library);

// One instance; a "parentName" the library lacks takes the definition "Wave0".
void readLevelWave(const XmlNode& element, std::vector<Wave*>& waves, Level* level, Player* player,
                   const std::map<std::string, Wave*>& library);
