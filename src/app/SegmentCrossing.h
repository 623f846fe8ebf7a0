// Where a 2D segment, a laser on the screen, first crosses a collision outline.
#pragma once

#include <OgreVector.h>

class Obb;

// The first point found where the segment crosses the outline's boundary, in
// no particular order along the segment; (0, 0) when it crosses nowhere.
void segmentObbIntersection(Ogre::Vector2& out, const Obb& obb, const Ogre::Vector2& start, const Ogre::Vector2& end);
