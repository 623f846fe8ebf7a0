// Scalar, vector and colour interpolation shared by the world objects and the
// input code.
#pragma once

#include <OgreColourValue.h>
#include <OgreVector.h>

// (a - b) / (1 - b): a stick value beyond a dead zone b rescaled to 0..1;
// 0 when the dead zone takes the whole range.
float inverseLerpFrom(float a, float b);

// a + (b - a) * t with t clamped to 0..1, each component in double.
void lerpClamped(Ogre::Vector3& out, const Ogre::Vector3& a, const Ogre::Vector3& b, double t);

// a * (1 - t) + b * t, not clamped.
void lerpColour(Ogre::ColourValue& out, const Ogre::ColourValue& a, const Ogre::ColourValue& b, float t);
