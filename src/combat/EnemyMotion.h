// The spin and the cosine wobble of an enemy's head and of its snake
// segments. The head switches each wobble term by its amplitude, a segment by
// its angular speed; both read the engine's sine tables.
#pragma once

#include <OgreVector.h>

namespace Ogre {
class SceneNode;
}

namespace enemymotion {

// Pitch, yaw and roll of the node about its own axes, in that order, by
// AnimRot x 10 degrees per second; yawSign -1 mirrors the yaw.
void spin(Ogre::SceneNode& node, const Ogre::Vector3& animRot, double dt, float yawSign = 1.0f);

// The unit wobble terms (sine on x, cosines on y and z) of the head at time
// t since it became alive; a term whose amplitude is 0 is 0.
Ogre::Vector3 headWobble(float t, const Ogre::Vector3& sinSpeed, const Ogre::Vector3& sindistance);

// The unit wobble terms of a snake segment at its own time t; a term whose
// angular speed is 0 is 0.
Ogre::Vector3 segmentWobble(float t, float spawnDelay, const Ogre::Vector3& sinSpeed);

} // namespace enemymotion
