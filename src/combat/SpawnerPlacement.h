// Placing a wave's member on its formation spot when it rides the wave's
// path: its path follower carries the formation offset, or, in a kept
// formation, its heading node does and the whole formation rides one path.
// Shared by the spawner's copies, the wave's own member and the aiming of
// copies as they are released.
#pragma once

#include <OgreQuaternion.h>
#include <OgreVector.h>

class Enemy;

// The orientation, or no turn when it is not one (a zero or non-finite
// quaternion makes a NaN node orientation, which Ogre refuses).
Ogre::Quaternion usableOrientation(const Ogre::Quaternion& orientation);

// Nothing for a member without a path follower.
void placeOnPath(Enemy& member, const Ogre::Quaternion& spawnTurn, const Ogre::Vector3& formationPosition,
                 bool keepFormation);

// The member's root node turned, and the follower's offset and main node
// placed so that the member stays on its spawn spot.
void turnOnPath(Enemy& member, const Ogre::Quaternion& turn, const Ogre::Vector3& spawnPosition);
