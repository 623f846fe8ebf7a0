// The eight sprite directions and the quantiser that turns a stick position
// into one of them, with hysteresis so the sprite does not flicker between
// neighbouring directions.
#pragma once

#include <OgreVector.h>

#include <array>

class Player;

// Unit vectors of the eight direction codes, filled once by initDirectionTable.
extern std::array<Ogre::Vector2, 8> directionTable;

void initDirectionTable();

// Updates the player's direction code from a stick position for 2, 4 or 8
// sprite directions (any other count of ways quantises to 8).
void quantizeStickDirection(const Ogre::Vector2& stick, int ways, Player& player);
