// What a separating-axis test between two collision outlines finds.
#pragma once

#include <OgreVector.h>

struct CollisionResult {
    bool willIntersect = false; // the outlines meet once the first one moves by the velocity
    bool intersect = false;     // the outlines meet now
    // The shortest push that separates the first outline from the second
    // (Obb::collidesWithContact only).
    Ogre::Vector2 minimumTranslationVector = Ogre::Vector2::ZERO;
};
