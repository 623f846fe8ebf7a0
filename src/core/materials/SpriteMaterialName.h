// Finding an object's sprite material again by its sprite's name: the
// player's sprite, a wave member's wave sprite, an item's or a background's
// sprite, each as the materials module made it.
#pragma once

#include <string>

namespace Ogre {
class Entity;
}

class entity;

// What the look-up gives for an object whose sprite has no material.
extern const char* const spriteMaterialNotFound;

// The sprite material made for the object's sprite ("sprite_" + the sprite's
// name), or spriteMaterialNotFound when none was made for it.
std::string findSpriteMaterialName(const entity& object);
// Puts the object's sprite material back on the shown entity (a sprite made
// anew since keeps its name) and restarts its animation.
void refreshSpriteMaterial(Ogre::Entity* shown, const entity& object);
