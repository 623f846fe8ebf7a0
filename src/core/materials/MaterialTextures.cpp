#include "core/materials/MaterialTextures.h"

#include "app/Log.h"
#include "core/ResourceAvailability.h"

#include <OgreException.h>
#include <OgreImage.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgrePixelFormat.h>
#include <OgreResourceGroupManager.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <set>

std::string groupHoldingResource(const std::string& name)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    if (name.empty() || !groups.resourceExistsInAnyGroup(name))
        return std::string();
    return groups.findGroupContainingResource(name);
}

namespace {

// The stand-in's picture; a white one when the stand-in itself cannot be read.
Ogre::Image standInImage()
{
    Ogre::Image image;
    try {
        image.load(standInTexture, groupHoldingResource(standInTexture));
    } catch (const Ogre::Exception&) {
        image.create(Ogre::PF_BYTE_RGBA, 1, 1);
        image.setTo(Ogre::ColourValue::White);
    }
    return image;
}

// Loads a texture that cannot be read from the stand-in's picture, each time
// Ogre loads it again.
class StandInLoader : public Ogre::ManualResourceLoader {
public:
    void loadResource(Ogre::Resource* texture) override
    {
        static_cast<Ogre::Texture*>(texture)->loadImage(standInImage());
    }
};

// The names of the textures that showed the stand-in.
std::set<std::string>& standIns()
{
    static std::set<std::string> names;
    return names;
}

// Every texture unit that shows the texture of that name shows `texture`.
void showEverywhere(const std::string& name, const Ogre::TexturePtr& texture)
{
    for (const auto& entry : Ogre::MaterialManager::getSingleton().getResourceIterator())
        for (Ogre::Technique* technique : static_cast<Ogre::Material*>(entry.second.get())->getTechniques())
            for (Ogre::Pass* pass : technique->getPasses())
                for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
                    if (unit->getTextureName() == name)
                        unit->setTexture(texture);
}

// The texture of that name made again, loaded from the stand-in's picture,
// and shown wherever the texture was: Ogre finds it by name from then on,
// in play too, and never reads the file again.
Ogre::TexturePtr standInUnder(const std::string& name, const std::string& group)
{
    static StandInLoader loader;
    Ogre::TextureManager& textures = Ogre::TextureManager::getSingleton();
    textures.remove(name, group);
    Ogre::TexturePtr texture = textures.create(name, group, true, &loader);
    texture->load();
    standIns().insert(name);
    showEverywhere(name, texture);
    return texture;
}

} // namespace

Ogre::TexturePtr loadTexture(const std::string& name, Ogre::TextureType type)
{
    // Without a render system (tools, data tests) there is no texture manager.
    Ogre::TextureManager* textures = Ogre::TextureManager::getSingletonPtr();
    if (!textures)
        return Ogre::TexturePtr();
    // A texture made in memory, or known before, has no file of its own.
    const Ogre::TexturePtr known = textures->getByName(name);
    const std::string group = known ? known->getGroup() : groupHoldingResource(name);
    if (group.empty())
        return Ogre::TexturePtr();
    std::string failure;
    try {
        return textures->load(name, group, type);
    } catch (const Ogre::Exception& e) {
        failure = e.getDescription();
    } catch (const std::exception& e) {
        failure = e.what();
    }
    // A picture that is there but cannot be read (empty, cut short, too
    // large, no picture at all) shows the stand-in, as a missing one does.
    const bool isStandIn = type == Ogre::TEX_TYPE_2D && name != standInTexture;
    const std::string shown = isStandIn ? std::string(", ") + standInTexture + " shown instead" : "";
    logLineOnce("[ERROR] can't load texture " + name + shown + ": " + failure);
    return isStandIn ? standInUnder(name, group) : Ogre::TexturePtr();
}

bool isStandInTexture(const std::string& name) { return standIns().count(name) != 0; }

bool readPictureAlpha(const std::string& name)
{
    const std::string group = groupHoldingResource(name);
    if (group.empty())
        OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND, "Cannot locate picture " + name, "readPictureAlpha");
    if (Ogre::TextureManager::getSingletonPtr()) {
        const Ogre::TexturePtr texture = loadTexture(name);
        if (!texture || isStandInTexture(name))
            OGRE_EXCEPT(Ogre::Exception::ERR_INVALID_STATE, "Cannot read picture " + name, "readPictureAlpha");
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
    if (Ogre::TexturePtr texture = loadTexture(name, type))
        unit->setTexture(texture);
    else
        unit->setTextureName(name, type);
}

bool cubeTexturesLoad(const Ogre::Material& material)
{
    for (const Ogre::Technique* technique : material.getTechniques())
        for (const Ogre::Pass* pass : technique->getPasses())
            for (const Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
                if (unit->getTextureType() == Ogre::TEX_TYPE_CUBE_MAP
                    && !loadTexture(unit->getTextureName(), Ogre::TEX_TYPE_CUBE_MAP))
                    return false;
    return true;
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
