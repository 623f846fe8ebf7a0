// Where the player's ship is in the world: its node's derived position, or
// the position it keeps while it has no node.
#pragma once

#include <OgreVector.h>

class Player;

Ogre::Vector3 playerPosition(const Player& player);
