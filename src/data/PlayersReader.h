// Reads player ships: the "gamebox.players" library of ship definitions and
// one "player" element into a Player.
#pragma once

#include "data/XmlFile.h"

#include <map>
#include <string>

class Level;
class Player;

// Whether a "player" element describes a library definition or the play
// ship of a level.
enum class PlayerElementMode { definition, instance };

// Every top-level "player" becomes a library definition under its
// "playerName"; a later element of the same name replaces an earlier one. A
// file the group lacks leaves the library as it was.
void loadPlayersGamebox(const std::string& fileName, const std::string& group,
                        std::map<std::string, Player*>& library);

// Fills the ship from the element. Sections with reader defaults write them
// when absent; see PlayerReader.cpp for which values are kept. An instance
// keeps its mirroring and start sprite orientation, and its guns are bound
// at once to `level` and the ship's mesh node.
void readPlayer(const XmlNode& element, Player& player, Level* level, PlayerElementMode mode);
