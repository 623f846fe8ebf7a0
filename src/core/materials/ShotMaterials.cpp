#include "core/materials/ShotMaterials.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/PictureFrames.h"
#include "core/materials/ShaderConstants.h"
#include "data/pictureDefinition.h"

#include <OgreException.h>
#include <OgrePass.h>
#include <OgreTextureUnitState.h>

namespace {

const char* const shotGroup = "GAMERSC";

bool spriteHasAlpha(const std::string& texture)
{
    const pictureDefinition* sprite = findPicture(materialModule().sprites, texture);
    return sprite ? sprite->hasAlpha : true;
}

// A bullet material keeps its kind (alpha or additive) in its blending: the
// alpha template's first pass tells which destination factor means alpha.
bool blendsLikeAlphaTemplate(const Ogre::MaterialPtr& material)
{
    const Ogre::Pass* alphaPass = passAt(findMaterial("bulletMaterial"), 0, 0);
    const Ogre::Pass* pass = passAt(material, 0, 0);
    return alphaPass && pass && pass->getDestBlendFactor() == alphaPass->getDestBlendFactor();
}

// Whether the texture's image has alpha; on a failure the message is logged
// with the error, and the texture becomes the stand-in, with alpha assumed.
bool imageHasAlpha(std::string& texture, const std::string& failure)
{
    try {
        return readPictureAlpha(texture);
    } catch (const Ogre::Exception& e) {
        logNormal(failure + e.getDescription());
        texture = "notFound.jpg";
        return true;
    }
}

Ogre::MaterialPtr cloneWithTexture(const char* templateName, const std::string& name, const std::string& texture)
{
    const Ogre::MaterialPtr material = cloneTemplate(templateName, name, shotGroup, "shot texture " + texture);
    if (Ogre::TextureUnitState* unit = unitAt(material, 0, 0, 0))
        setUnitTexture(unit, texture);
    return material;
}

float frameAspect(const std::string& texture)
{
    const Ogre::TexturePtr loaded = loadTexture(texture);
    if (!loaded || loaded->getHeight() == 0)
        return 1.0f;
    tileCounts tiles;
    if (const pictureDefinition* sprite = findPicture(materialModule().sprites, texture))
        tiles = tileCountsOf(*sprite, texture);
    const float width = static_cast<float>(loaded->getWidth()) / static_cast<float>(tiles.across);
    const float height = static_cast<float>(loaded->getHeight()) / static_cast<float>(tiles.down);
    return width / height;
}

void writeShotConstants(const std::string& texture, bool isLaser, float aspect)
{
    const Ogre::MaterialPtr material = findMaterial((isLaser ? "laser_" : "bullet_") + texture, shotGroup);
    Ogre::Vector2 tiles(1.0f, 1.0f);
    float rate = 1.0f;
    if (const pictureDefinition* sprite = findPicture(materialModule().sprites, texture)) {
        const tileCounts counts = tileCountsOf(*sprite, texture);
        tiles = Ogre::Vector2(static_cast<float>(counts.across), static_cast<float>(counts.down));
        rate = sprite->spriteAnimRate;
    }
    const Ogre::GpuProgramParametersSharedPtr vertex = vertexConstants(passAt(material, 0, 0));
    setConstant(vertex, "numTilesUV", tiles);
    setConstant(vertex, "animSPeed", rate);
    setConstant(vertex, "laserScroll", 0.0f);
    if (isLaser)
        setConstant(vertex, "laserScroll", aspect * 10.0f);
}

} // namespace

void createBulletMaterials(const std::string& texture)
{
    const std::string shown = checkedTexture(texture, "[ERROR] can't find bullet texture: ");
    if (shown == "notFound.jpg")
        return;
    const bool hasAlpha = spriteHasAlpha(shown);
    const std::string name = "bullet_" + shown;
    const Ogre::MaterialPtr existing = findMaterial(name, shotGroup);
    if (existing && blendsLikeAlphaTemplate(existing) == hasAlpha) {
        setBulletAnimationParameters(shown, false, 1.0f);
        return;
    }
    removeMaterial(name, shotGroup);
    if (cloneWithTexture(hasAlpha ? "bulletMaterial" : "bulletMaterialAdd", name, shown))
        setBulletAnimationParameters(shown, false, 1.0f);
}

float createLaserMaterials(const std::string& texture)
{
    std::string shown = checkedTexture(texture, "[ERROR] can't find laser texture: ");
    if (shown == "notFound.jpg")
        removeMaterial("laser_notFound.jpg", shotGroup);
    const float aspect = frameAspect(shown);
    if (findMaterial("laser_" + shown, shotGroup))
        return aspect;
    const bool hasAlpha = imageHasAlpha(shown, "Error loading laser texture: ");
    materialModule().flags[shown].hasAlpha = hasAlpha;
    const Ogre::MaterialPtr material =
        cloneWithTexture(hasAlpha ? "bulletLaserMaterial" : "bulletLaserMaterialAdd", "laser_" + shown, shown);
    // Beams sort among the see-through objects whatever their blending.
    if (Ogre::Pass* pass = passAt(material, 0, 0))
        pass->setTransparentSortingForced(true);
    setBulletAnimationParameters(shown, true, aspect);
    return aspect;
}

void setBulletAnimationParameters(const std::string& texture, bool isLaser, float aspect)
{
    if (texture == "notFound.jpg")
        return;
    try {
        writeShotConstants(texture, isLaser, aspect);
    } catch (const Ogre::Exception&) {
        logLine("[ERROR] Can't set-up bullet speed shader for " + texture);
    }
}

void createParticleMaterial(const std::string& texture)
{
    std::string shown = checkedTexture(texture, "[ERROR] can't find particle texture: ");
    if (shown == "notFound.jpg" || findMaterial("particle_" + shown, shotGroup))
        return;
    const bool hasAlpha = imageHasAlpha(shown, "Error loading particle texture: ");
    const Ogre::MaterialPtr material =
        cloneWithTexture(hasAlpha ? "sfx_alpha_default" : "sfx_add_default", "particle_" + shown, shown);
    const Game* game = materialModule().game;
    if (material && game && game->isParticlesZbuffer)
        material->setDepthCheckEnabled(true);
}
