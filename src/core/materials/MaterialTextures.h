// Textures of cloned materials. Resource groups are strict here: a texture
// unit would look its texture up only in its own material's group, and the
// clones live in groups that hold no files. So a texture is loaded from the
// group that holds it and handed to the unit as such.
#pragma once

#include <OgreTexture.h>
#include <OgreVector.h>

#include <string>

namespace Ogre {
class Material;
class TextureUnitState;
}

// The group that holds the resource; empty when none does.
std::string groupHoldingResource(const std::string& name);

// The texture loaded from the group that holds it; null when none does or
// there is no render system to load it. Every texture is loaded here. A 2D
// texture that is there but cannot be read is named once and the stand-in's
// picture takes its place under its name, wherever it is shown and whenever
// it is loaded again; other kinds give null.
Ogre::TexturePtr loadTexture(const std::string& name, Ogre::TextureType type = Ogre::TEX_TYPE_2D);
// Whether the texture of that name shows the stand-in's picture.
bool isStandInTexture(const std::string& name);

// Whether the picture has an alpha channel. It is read from the picture's
// texture, loaded as the material that shows it will load it, so the picture
// is decoded once for both; without a render system, from the picture itself.
// Throws Ogre's exception when the picture cannot be read.
bool readPictureAlpha(const std::string& name);
// The same, where a picture that cannot be read counts as having no alpha.
bool pictureHasAlpha(const std::string& name);

// The picture shown for one that is missing or cannot be read.
constexpr const char* standInTexture = "notFound.jpg";

// Gives the unit the texture (as a cube map for TEX_TYPE_CUBE_MAP) through
// the guarded load.
void setUnitTexture(Ogre::TextureUnitState* unit, const std::string& name,
                    Ogre::TextureType type = Ogre::TEX_TYPE_2D);

// Whether every cube map the material shows loads through the guarded load;
// the first that cannot is named there.
bool cubeTexturesLoad(const Ogre::Material& material);

// The texture itself when it is an existing resource; otherwise "notFound.jpg",
// after logging the message followed by the texture's name.
std::string checkedTexture(const std::string& texture, const std::string& message);

// Width and height in pixels of the unit's texture; 0 x 0 when it has none.
Ogre::Vector2 unitTextureSize(const Ogre::TextureUnitState* unit);
