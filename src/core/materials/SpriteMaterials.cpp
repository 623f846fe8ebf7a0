#include "core/materials/SpriteMaterials.h"

#include "core/materials/MeshMaterials.h"

#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/PictureFrames.h"
#include "core/materials/ShaderConstants.h"
#include "core/materials/SpriteAnimation.h"
#include "data/pictureDefinition.h"
#include "platform/Random.h"
#include "play/Level.h"

#include <OgreControllerManager.h>
#include <OgreEntity.h>
#include <OgrePass.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

namespace {

const char* const spriteGroup = "GAMERSC";

const Level* currentLevel()
{
    const Game* game = materialModule().game;
    return game ? game->level : nullptr;
}

bool levelSpriteLighting()
{
    const Level* level = currentLevel();
    return level && level->isSpriteLighting;
}

const char* spriteTemplate(bool hasAlpha, bool lit)
{
    if (hasAlpha)
        return lit ? "defaultSpriteAlpha" : "defaultSpriteAlphaNoLigting";
    return lit ? "defaultSpriteNoAlpha" : "defaultSpriteNoAlphaNoLigting";
}

// The sprite material made before for the texture, when it still fits the level.
Ogre::MaterialPtr reusableSprite(const std::string& name)
{
    const auto& flags = materialModule().flags;
    const auto known = flags.find(name);
    const Level* level = currentLevel();
    if (known == flags.end() || known->second.lit != levelSpriteLighting() || (level && level->isSpriteRefresh))
        return Ogre::MaterialPtr();
    return findMaterial(name);
}

void setClampedTexture(Ogre::TextureUnitState* unit, const std::string& texture)
{
    if (!unit)
        return;
    setUnitTexture(unit, texture);
    unit->setTextureAddressingMode(Ogre::TAM_CLAMP);
}

void cloneSpriteShadowCaster(const Ogre::MaterialPtr& sprite, const std::string& texture)
{
    Ogre::Technique* first = techniqueAt(sprite, 0);
    if (!first || !first->getShadowCasterMaterial())
        return;
    const Ogre::MaterialPtr caster =
        first->getShadowCasterMaterial()->clone(sprite->getName() + "shadowCaster", true, spriteGroup);
    first->setShadowCasterMaterial(caster);
    if (Ogre::Pass* pass = passAt(caster, 0, 0))
        setClampedTexture(pass->getTextureUnitState("diffuseCast_tex"), texture);
}

// The texture goes into unit 0 of the first two passes of the first two
// techniques, and into unit 1 of the fourth technique's first pass.
void setSpriteTextures(const Ogre::MaterialPtr& sprite, const std::string& texture)
{
    for (unsigned short technique = 0; technique < 2; ++technique)
        for (unsigned short pass = 0; pass < 2; ++pass)
            setClampedTexture(unitAt(sprite, technique, pass, 0), texture);
    if (sprite->getNumTechniques() == 4)
        setClampedTexture(unitAt(sprite, 3, 0, 1), texture);
}

void writeTileConstants(Ogre::Pass* pass, const Ogre::Vector2& tiles, const Ogre::Vector2& size, float filterScale)
{
    if (!pass)
        return;
    const Ogre::GpuProgramParametersSharedPtr vertex = vertexConstants(pass);
    setConstant(vertex, "numTilesUV", tiles);
    setConstant(vertex, "textureDimensions", size);
    const Ogre::GpuProgramParametersSharedPtr fragment = fragmentConstants(pass);
    setConstant(fragment, "textureDimensions", size);
    setConstant(fragment, "filterScale", filterScale);
}

// The sprite definition of the texture in unit 0 of the material's first pass.
pictureDefinition* spriteOfMaterial(const Ogre::MaterialPtr& material, std::string* texture)
{
    const Ogre::TextureUnitState* unit = unitAt(material, 0, 0, 0);
    if (!unit || unit->getTextureName() == "notFound.jpg")
        return nullptr;
    *texture = unit->getTextureName();
    return findPicture(materialModule().sprites, *texture);
}

float animationStart(bool restartNow, bool randomStart)
{
    if (randomStart)
        return static_cast<float>(platform::rand()) * 3.051851e-5f;
    const float restart = restartNow ? -Ogre::ControllerManager::getSingleton().getElapsedTime() : 0.0f;
    const Game* game = materialModule().game;
    return restart + static_cast<float>(game ? game->frameTime : 0.0);
}

} // namespace

Ogre::MaterialPtr createSpriteMaterial(const std::string& texture, bool noLighting)
{
    if (Ogre::MaterialPtr reused = reusableSprite("sprite_" + texture))
        return reused;
    const std::string shown = checkedTexture(texture, "[ERROR] can't find sprite texture: ");
    const pictureDefinition* sprite = findPicture(materialModule().sprites, shown);
    const bool hasAlpha = sprite ? sprite->hasAlpha : true;
    const bool lit = levelSpriteLighting() && !noLighting;
    const std::string name = "sprite_" + shown;
    removeMaterial(name, spriteGroup);
    removeMaterial(name + "shadowCaster", spriteGroup);
    const Ogre::MaterialPtr material =
        cloneTemplate(spriteTemplate(hasAlpha, lit), name, spriteGroup, "sprite " + shown);
    if (!material)
        return material;
    if (hasAlpha)
        cloneSpriteShadowCaster(material, shown);
    setSpriteTextures(material, shown);
    material->reload();
    setSpriteTileParameters(material);
    const Game* game = materialModule().game;
    if (game && game->isSpriteZbuffer)
        material->setDepthCheckEnabled(true);
    materialModule().flags[name] = materialFlags{hasAlpha, lit};
    return material;
}

void applySpriteMaterial(Ogre::Entity* entity, const std::string& texture, bool noLighting)
{
    const Ogre::MaterialPtr material = createSpriteMaterial(texture, noLighting);
    if (!material || entity->getNumSubEntities() == 0)
        return;
    material->load();
    material->compile(true);
    entity->getSubEntity(0)->setMaterial(material);
    clearFlashColour(entity);
    updateSpriteAnimationParameters(entity, true, false);
}

void setSpriteTileParameters(const Ogre::MaterialPtr& material)
{
    std::string texture;
    pictureDefinition* sprite = spriteOfMaterial(material, &texture);
    if (!sprite)
        return;
    const Ogre::Vector2 size = pictureTextureSize(*sprite, unitAt(material, 0, 0, 0));
    const tileCounts counts = tileCountsOf(*sprite, texture);
    const Ogre::Vector2 tiles(static_cast<float>(counts.across), static_cast<float>(counts.down));
    const float filterScale = filterScaleFor(false);
    for (unsigned short index = 0; index < material->getNumTechniques(); ++index) {
        Ogre::Technique* technique = material->getTechnique(index);
        if (technique->getName().empty() || technique->getName() == "outlinesMaterial")
            continue;
        writeTileConstants(passAt(technique, 0), tiles, size, filterScale);
        writeTileConstants(passAt(technique, 1), tiles, size, filterScale);
        if (const Ogre::MaterialPtr& caster = technique->getShadowCasterMaterial())
            setConstant(vertexConstants(passAt(caster, index, 0)), "numTilesUV", tiles);
    }
}

void updateSpriteAnimationParameters(Ogre::Entity* entity, bool restartNow, bool randomStart)
{
    if (entity->getNumSubEntities() == 0)
        return;
    Ogre::SubEntity* subEntity = entity->getSubEntity(0);
    std::string texture;
    const pictureDefinition* sprite = spriteOfMaterial(subEntity->getMaterial(), &texture);
    if (!sprite)
        return;
    setSpriteTileParameters(subEntity->getMaterial());
    const tileCounts tiles = tileCountsOf(*sprite, texture);
    const spriteAnimationValues values =
        spriteAnimationFor(tiles.across * tiles.down, sprite->spriteAnimRate, sprite->animType);
    const float offset = spriteTimeOffset(values, animationStart(restartNow, randomStart));
    subEntity->setCustomParameter(2, timeOffsetParameter(offset));
    subEntity->setCustomParameter(3, frameRangeParameter(values));
    subEntity->setCustomParameter(4, animationParameter(values));
}

void applyPictureTileParameters(Ogre::Entity* entity, float value)
{
    if (entity->getNumSubEntities() == 0)
        return;
    Ogre::SubEntity* subEntity = entity->getSubEntity(0);
    std::string texture;
    if (spriteOfMaterial(subEntity->getMaterial(), &texture))
        subEntity->setCustomParameter(4, Ogre::Vector4(3.0f, value, 0.0f, 0.0f));
}
