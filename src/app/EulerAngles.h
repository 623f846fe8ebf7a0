// Conversions between orientations and Euler angles: the quaternion to Euler
// decomposition that placed objects cache, and the Y-X-Z orientation that
// objects build from the Euler degrees of the data.
#pragma once

#include <OgreQuaternion.h>
#include <OgreVector.h>

// Euler angles in radians; at the two poles (gimbal lock) the first angle takes
// the whole turn and the second is 0.
void toEulerRadians(Ogre::Vector3& out, const Ogre::Quaternion& q);

// toEulerRadians in degrees.
void toEulerDegrees(Ogre::Vector3& out, const Ogre::Quaternion& q);

// Rotation about Y by degrees.y, then about X by degrees.x, then about Z by degrees.z.
Ogre::Quaternion orientationFromDegreesYXZ(const Ogre::Vector3& degrees);
