// Materials of sprites (the planes of ships, items, backgrounds and paths):
// one per texture, "sprite_" + texture in "GAMERSC", cloned from the lit or
// unlit, alpha or opaque sprite template; the sheet's tile constants, and the
// animation each sprite plays through its custom parameters.
#pragma once

#include <OgreMaterial.h>

#include <string>

namespace Ogre {
class Entity;
}

// The sprite material of the texture, made anew when the level's sprite
// lighting or refresh asks for it; null when its template is missing.
Ogre::MaterialPtr createSpriteMaterial(const std::string& texture, bool noLighting);
// The usual entry for a sprite plane: its material on sub-entity 0, and its
// animation restarted.
void applySpriteMaterial(Ogre::Entity* entity, const std::string& texture, bool noLighting);
void updateSpriteAnimationParameters(Ogre::Entity* entity, bool restartNow, bool randomStart);
// Writes the tile and texture-size constants of the material's sprite sheet.
void setSpriteTileParameters(const Ogre::MaterialPtr& material);
// Shows the chosen frame of a sprite sheet (the player's direction frames).
void applyPictureTileParameters(Ogre::Entity* entity, float value);
