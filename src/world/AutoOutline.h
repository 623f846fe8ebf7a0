// Collision outlines that follow the visible shape of a sprite picture: eight
// points start on the border of the sprite square (-2 to 2 on both axes) and
// are pulled straight towards the centre until they reach a clearly opaque
// pixel. Each texture is analysed once per run; the Game keeps the result.
#pragma once

#include <OgreColourValue.h>
#include <OgreVector.h>

#include <array>
#include <string>

namespace Ogre {
class PixelBox;
}
class Obb;

using OutlinePoints = std::array<Ogre::Vector2, 8>;

// The colour read where there is no texel (outside the texture): its alpha
// counts as opaque, so a point that leaves the picture stops.
const Ogre::ColourValue noTexelColour(100000.0f, 1000000.0f, 1000000.0f, 1000000.0f);

// The eight start points on the border of the sprite square, in outline order.
OutlinePoints autoOutlineStartPoints();

// One texel of a locked picture at the texture coordinate (u, v), read inside
// the middle frame of a sheet of frames across x frames down (a count below 1
// counts as 1).
Ogre::ColourValue readTexturePixels(const Ogre::PixelBox& pixels, const Ogre::Vector2& frames, float u, float v);

// Marches the start points in over the picture until each meets a texel with
// alpha above 0.7 or leaves the square.
OutlinePoints traceAutoOutline(const Ogre::PixelBox& pixels, const Ogre::Vector2& frames);

// Sets the outline's eight points for the sprite texture of group "GAMERSC":
// from the Game's cache, else traced and cached. A missing texture or one
// without alpha leaves the start points and is not cached.
void computeAutoOBB(Obb* outline, const std::string& textureName);
