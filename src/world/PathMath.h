// Small pieces of arithmetic the path follower uses for speed easing and
// turning: smoothstep, guarded progress ratios and the orientations that face
// a direction or match a waypoint's rotation.
#pragma once

#include <OgreQuaternion.h>
#include <OgreVector.h>

// (3 - 2x) x x.
double smoothstep(double x);

// done / total clamped to 0..1; 0 when nothing is done, 1 when the total is
// empty (a span of no length is already covered).
double clampedProgress(double done, double total);

// The direction with y set to 0, normalised when it has a length.
Ogre::Vector3 flattened(const Ogre::Vector3& direction);

// The rotation that turns the negative Z axis onto the direction, turning
// about Y when the two are opposite.
Ogre::Quaternion rotationFacing(const Ogre::Vector3& direction);

// The orientation of a waypoint's rotation: the product of the rotations
// about X, Y and Z by the Euler degrees.
Ogre::Quaternion waypointOrientation(const Ogre::Vector3& degrees);
