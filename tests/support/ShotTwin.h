// An Ogre node placed where a shot record says the shot is, under the
// record's parent: the record keeps its own place, and a check of the
// transforms worked out from it compares them with Ogre's derivation.
#pragma once

#include "combat/bullet.h"

#include <OgreSceneNode.h>

inline Ogre::SceneNode* nodeTwinOf(const bullet& shot)
{
    Ogre::SceneNode* twin = shot.parent->createChildSceneNode(shot.position, shot.orientation);
    twin->setScale(shot.size);
    return twin;
}
