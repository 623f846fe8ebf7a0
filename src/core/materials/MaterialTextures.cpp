#include "core/materials/MaterialTextures.h"

#include "app/Log.h"
#include "core/ResourceAvailability.h"

#include <OgreException.h>
#include <OgreImage.h>
#include <OgrePixelFormat.h>
#include <OgreResourceGroupManager.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

std::string groupHoldingResource(const std::string& name)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    if (name.empty() || !groups.resourceExistsInAnyGroup(name))
        return std::string();
    return groups.findGroupContainingResource(name);
}

Ogre::TexturePtr loadTexture(const std::string& name, Ogre::TextureType type)
{
    // Without a render system (tools, data tests) there is no texture manager.
    Ogre::TextureManager* textures = Ogre::TextureManager::getSingletonPtr();
    const std::string group = groupHoldingResource(name);
    if (!textures || group.empty())
        return Ogre::TexturePtr();
    try {
        return textures->load(name, group, type);
    } catch (const Ogre::Exception& e) {
        logLineOnce("[ERROR] can't load texture " + name + ": " + e.getDescription());
        return Ogre::TexturePtr();
    }
}

bool readPictureAlpha(const std::string& name)
{
    const std::string group = groupHoldingResource(name);
    if (group.empty())
        OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND, "Cannot locate picture " + name, "readPictureAlpha");
    if (Ogre::TextureManager* textures = Ogre::TextureManager::getSingletonPtr()) {
        const Ogre::TexturePtr texture = textures->load(name, group);
        return Ogre::PixelUtil::hasAlpha(texture->getSrcFormat());
    }
    Ogre::Image image;
    image.load(name, group);
    return image.getHasAlpha();
}

bool pictureHasAlpha(const std::string& name)
{
    try {
        return readPictureAlpha(name);
    } catch (const Ogre::Exception&) {
        return false;
    }
}

void setUnitTexture(Ogre::TextureUnitState* unit, const std::string& name, Ogre::TextureType type)
{
    if (Ogre::TexturePtr texture = loadTexture(name, type)) {
        unit->setTexture(texture);
        return;
    }
    // A picture that is there but cannot be read (empty, cut short, too
    // large) shows the stand-in, as a missing one does.
    const bool isUnreadable = Ogre::TextureManager::getSingletonPtr() && !groupHoldingResource(name).empty();
    if (isUnreadable && type == Ogre::TEX_TYPE_2D && name != standInTexture)
        setUnitTexture(unit, standInTexture, type);
    else
        unit->setTextureName(name, type);
}

std::string checkedTexture(const std::string& texture, const std::string& message)
{
    if (resourceExists(texture))
        return texture;
    logLine(message + texture);
    return "notFound.jpg";
}

Ogre::Vector2 unitTextureSize(const Ogre::TextureUnitState* unit)
{
    try {
        const std::pair<std::size_t, std::size_t> size = unit->getTextureDimensions();
        return Ogre::Vector2(static_cast<float>(size.first), static_cast<float>(size.second));
    } catch (const Ogre::Exception&) {
        return Ogre::Vector2::ZERO;
    }
}
