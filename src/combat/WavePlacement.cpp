// The wave's placement: its position, scale and rotation live on its
// spawner's nodes.
#include "combat/Wave.h"

void Wave::setPosition(const Ogre::Vector3&) {}

void Wave::setWorldPosition(const Ogre::Vector3&) {}

void Wave::setScale(const Ogre::Vector3&) {}

void Wave::setRotation(const Ogre::Vector3&) {}

void Wave::applyRotation(const Ogre::Vector3&) {}

void Wave::savePosition() {}

void Wave::saveOrientation() {}
