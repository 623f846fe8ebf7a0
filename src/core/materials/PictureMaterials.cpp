#include "core/materials/PictureMaterials.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/PictureFrames.h"
#include "core/materials/ShaderConstants.h"
#include "data/pictureDefinition.h"

#include <OgreControllerManager.h>
#include <OgrePass.h>
#include <OgreRenderable.h>
#include <OgreResourceGroupManager.h>
#include <OgreTextureUnitState.h>

#include <utility>

namespace {

bool groupHolds(const std::string& group, const std::string& name)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    return groups.resourceGroupExists(group) && groups.resourceExists(group, name);
}

// A scrolling picture's texture: found in the game's groups, or the stand-in.
std::string scrollingTexture(const std::string& texture)
{
    for (const char* group : {"Media", "EXTENSIONS", "GAMERSC"})
        if (groupHolds(group, texture))
            return texture;
    return "notFound.jpg";
}

struct pictureAnimationValues {
    tileCounts tiles;
    float rate = 0.0f;
    int type = 0;
};

// The first animation in name order, when there is one, decides type and rate.
pictureAnimationValues animationValuesOf(const pictureDefinition& picture, const std::string& name)
{
    pictureAnimationValues values{tileCountsOf(picture, name), picture.spriteAnimRate, picture.animType};
    if (!picture.animations.empty()) {
        const pictureAnimation& first = *picture.animations.begin()->second;
        values.type = first.animType;
        values.rate = animationRate(first, name);
    }
    return values;
}

} // namespace

Ogre::MaterialPtr createScrollingPictureMaterial(const std::string& texture, const std::string& suffix)
{
    const std::string name = texture + suffix;
    if (Ogre::MaterialPtr existing = findMaterial(name))
        return existing;
    const std::string shown = scrollingTexture(texture);
    const Ogre::MaterialPtr material =
        cloneTemplate("defaultPictureScrolling", name, std::string(), "picture " + texture);
    if (!material)
        return material;
    if (Ogre::TextureUnitState* unit = unitAt(material, 0, 0, 0)) {
        setUnitTexture(unit, shown);
        const Game* game = materialModule().game;
        if (game && game->spriteScale > 1.0f)
            unit->setTextureFiltering(Ogre::TFO_NONE);
    }
    material->setLightingEnabled(false);
    return material;
}

void setPictureScrollSpeed(const Ogre::MaterialPtr& material, const Ogre::Vector2& speed)
{
    Ogre::Pass* pass = passAt(material, 0, 0);
    if (!pass)
        return;
    setConstant(vertexConstants(pass), "scrollSpeed", speed);
    Ogre::TextureUnitState* unit = unitAt(pass, 0);
    if (unit && (speed.x > 0.0f || speed.y > 0.0f))
        unit->setTextureAddressingMode(Ogre::TAM_WRAP);
}

namespace {

// The material `name` of the picture ("none" for an empty picture).
Ogre::MaterialPtr makeAnimatedPictureMaterial(std::string picture, const std::string& prefix,
                                              const std::string& suffix)
{
    if (picture.empty())
        picture = "none";
    std::string texture = picture;
    if (!resourceExists(texture)) {
        texture = "notFound.jpg";
        if (picture != "none")
            logLineOnce("[ERROR] can't find picture: " + picture);
    }
    const std::string name = prefix + picture + suffix;
    Ogre::MaterialPtr material = findMaterial(name, "GAMERSC");
    if (!material)
        material = cloneTemplate("defaultAnimatedPicture", name, "GAMERSC", "picture " + picture);
    if (!material)
        return material;
    if (Ogre::TextureUnitState* unit = unitAt(material, 0, 0, 0))
        setUnitTexture(unit, texture);
    material->setLightingEnabled(false);
    material->setDepthCheckEnabled(false);
    material->setDepthWriteEnabled(false);
    if (findPicture(materialModule().pictures, texture))
        setAnimatedPictureParameters(material, texture);
    return material;
}

} // namespace

Ogre::MaterialPtr createAnimatedPictureMaterial(std::string picture, const std::string& suffix)
{
    return makeAnimatedPictureMaterial(std::move(picture), std::string(), suffix);
}

Ogre::MaterialPtr createPrefixedPictureMaterial(const std::string& prefix, std::string picture)
{
    return makeAnimatedPictureMaterial(std::move(picture), prefix, std::string());
}

void setAnimatedPictureParameters(const Ogre::MaterialPtr& material, const std::string& picture)
{
    Ogre::Pass* pass = passAt(material, 0, 0);
    Ogre::TextureUnitState* unit = unitAt(pass, 0);
    const std::string name = picture.empty() && unit ? unit->getTextureName() : picture;
    pictureDefinition* definition = findPicture(materialModule().pictures, name);
    if (!pass || name == "notFound.jpg" || !definition || !pass->hasVertexProgram())
        return;
    const pictureAnimationValues values = animationValuesOf(*definition, name);
    const Ogre::Vector2 size = pictureTextureSize(*definition, unit);
    const Ogre::GpuProgramParametersSharedPtr vertex = vertexConstants(pass);
    if (hasConstant(vertex, "numTilesU")) {
        setConstant(vertex, "numTilesU", static_cast<float>(values.tiles.across));
        setConstant(vertex, "numTilesV", static_cast<float>(values.tiles.down));
        setConstant(vertex, "animSPeed", values.rate);
        setConstant(vertex, "animType", static_cast<float>(values.type));
        setConstant(vertex, "textureDimensionsX", size.x);
        setConstant(vertex, "textureDimensionsY", size.y);
    }
    const float lastFrame = static_cast<float>(values.tiles.across * values.tiles.down - 1);
    setConstant(vertex, "startEndFrames", Ogre::Vector4(0.0f, lastFrame, 0.0f, 0.0f));
    const Ogre::GpuProgramParametersSharedPtr fragment = fragmentConstants(pass);
    setConstant(fragment, "textureDimensionsX", size.x);
    setConstant(fragment, "textureDimensionsY", size.y);
    setConstant(fragment, "filterScale", filterScaleFor(definition->isPixelFiltering));
}

void setElapsedTimeParameter(Ogre::Renderable& renderable, const std::string& texture)
{
    if (texture.empty() || !findPicture(materialModule().pictures, texture))
        return;
    const float elapsed = Ogre::ControllerManager::getSingleton().getElapsedTime();
    renderable.setCustomParameter(2, Ogre::Vector4(-elapsed, -elapsed, -elapsed, -elapsed));
}
