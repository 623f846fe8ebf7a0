// What the materials read of a picture definition, made safe to divide by:
// tile counts below 1 count as 1, animation durations of 0 or less as 1
// second (each reported once per picture), and the texture's size is taken
// from the texture unit (and remembered) when the definition has none.
#pragma once

#include <OgreVector.h>

#include <map>
#include <string>

namespace Ogre {
class TextureUnitState;
}
struct pictureAnimation;
struct pictureDefinition;

struct tileCounts {
    int across = 1;
    int down = 1;
};

tileCounts tileCountsOf(const pictureDefinition& picture, const std::string& name);
// Runs per second of the animation: 1 / its duration.
float animationRate(const pictureAnimation& animation, const std::string& pictureName);
// The definition's texture size, or the unit's, stored into the definition;
// never below 1 x 1.
Ogre::Vector2 pictureTextureSize(pictureDefinition& picture, const Ogre::TextureUnitState* unit);
// The definition in the library, or null.
pictureDefinition* findPicture(const std::map<std::string, pictureDefinition*>* library, const std::string& name);
// 2.5 (pixel art drawn larger) when the Game's spriteScale is above 1 or the
// picture asks for pixel filtering, else 1.
float filterScaleFor(bool pixelFiltering);
