// The few numbers a broad phase reads of a projected outline: its screen
// centre, broad-phase radius and movement since the last projection, and the
// box of its points. Small enough that the spots of a whole shot pool lie in
// one dense array, scanned without touching the outlines themselves.
#pragma once

#include <OgreVector.h>

struct ScreenSpot {
    Ogre::Vector2 centre = Ogre::Vector2::ZERO;
    float radius = 0.0f;
    Ogre::Vector2 movement = Ogre::Vector2::ZERO;
    // The smallest and largest x and y of the outline's points.
    Ogre::Vector2 low = Ogre::Vector2::ZERO;
    Ogre::Vector2 high = Ogre::Vector2::ZERO;
    // An outline of fewer than two points meets nothing.
    bool hasEdges = false;
};
