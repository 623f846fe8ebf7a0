#include "core/effects/SpriteEffectMaterials.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/sfxLibraryEntry.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/ShaderConstants.h"

#include <OgreMaterialManager.h>
#include <OgreParticleAffector.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgrePass.h>
#include <OgreResourceGroupManager.h>
#include <OgreStringConverter.h>

#include <cmath>
#include <limits>
#include <map>
#include <vector>

namespace {

const char* const gameGroup = "GAMERSC";

float filterScale(const Game& game) { return game.spriteScale > 1.0f ? 2.5f : 1.0f; }

// Ogre's default material stands for a template that names none.
bool namesNoMaterial(const std::string& name) { return name == "BaseWhiteNoLighting" || name == "BaseWhite"; }

// The material a template names after its picture, made from that picture;
// it takes the place of Ogre's stand-in of that name. `user` says which
// template or effect names it.
void makeTextureMaterial(const std::string& name, const std::string& user)
{
    std::string texture = name;
    if (!resourceExists(name)) {
        logLineOnce("[ERROR] can't find particle texture: " + name + ", no such material or picture, named by "
                    + user);
        texture = "notFound.jpg";
    }
    rememberAvailability(texture, true);
    const Ogre::MaterialPtr standIn = findMaterial(name);
    if (isStandInMaterial(standIn))
        Ogre::MaterialManager::getSingleton().remove(standIn);
    const char* const base = pictureHasAlpha(texture) ? "particleTextureMaterial" : "particleTextureMaterialAdd";
    giveUnitTexture(unitAt(cloneTemplate(base, name, gameGroup, user), 0, 0, 0), texture);
}

// The system shows the material from the group that holds it.
void showMaterial(Ogre::ParticleSystem& system, const std::string& name)
{
    if (const Ogre::MaterialPtr material = findSharedMaterial(name))
        system.setMaterialName(name, material->getGroup());
}

void setTextureConstants(const Game& game, Ogre::Pass* pass, const Ogre::Vector2& size)
{
    setConstant(vertexConstants(pass), "textureDimensionsX", size.x);
    setConstant(vertexConstants(pass), "textureDimensionsY", size.y);
    const Ogre::GpuProgramParametersSharedPtr fragment = fragmentConstants(pass);
    setConstant(fragment, "textureDimensionsX", size.x);
    setConstant(fragment, "textureDimensionsY", size.y);
    setConstant(fragment, "filterScale", filterScale(game));
}

// A material of the materials module ("particle_" + texture) learns its
// texture's size.
void updateModuleMaterial(const Game& game, const std::string& name)
{
    Ogre::Pass* pass = passAt(findMaterial(name, gameGroup), 0, 0);
    if (!pass)
        return;
    const Ogre::TextureUnitState* unit = unitAt(pass, 0);
    const Ogre::Vector2 size = unit ? unitTextureSize(unit) : Ogre::Vector2(256.0f, 256.0f);
    rememberAvailability(name, true);
    setTextureConstants(game, pass, size);
}

Ogre::MaterialPtr sheetMaterial(const std::string& name, const std::string& texture)
{
    if (Ogre::MaterialPtr existing = findMaterial(name, gameGroup))
        return existing;
    Ogre::MaterialPtr material = cloneTemplate("Particles/Explo", name, gameGroup, "effect sheet " + texture);
    giveUnitTexture(unitAt(material, 0, 0, 0), texture);
    return material;
}

} // namespace

void applyTemplateMaterial(Game& game, Ogre::ParticleSystem& system, const std::string& libraryName)
{
    std::string texture = system.getMaterialName();
    const bool namesNone = namesNoMaterial(texture);
    if (namesNone)
        texture = "notFound.jpg";
    if (libraryName == "basic_1up")
        texture = "1up.tga";
    game.spriteEffectTextures[texture] = true;
    if (!findSharedMaterial(texture))
        makeTextureMaterial(texture, "effect " + libraryName);
    else if (texture.compare(0, 9, "particle_") == 0)
        updateModuleMaterial(game, texture);
    showMaterial(system, texture);
    if (namesNone)
        system.setDefaultDimensions(10.0f, 10.0f);
}

void makeParticleTemplateMaterials()
{
    // Material names that nothing defines yet, with the templates naming them.
    std::map<std::string, std::vector<Ogre::ParticleSystem*>> waiting;
    auto templates = Ogre::ParticleSystemManager::getSingleton().getTemplateIterator();
    while (templates.hasMoreElements()) {
        Ogre::ParticleSystem* particleTemplate = templates.getNext();
        const std::string& name = particleTemplate->getMaterialName();
        if (!namesNoMaterial(name) && !findSharedMaterial(name))
            waiting[name].push_back(particleTemplate);
    }
    for (const auto& entry : waiting) {
        const Ogre::ParticleSystem& first = *entry.second.front();
        makeTextureMaterial(entry.first, "particle template " + first.getName() + " of " + first.getOrigin());
        // The templates still hold Ogre's stand-in, which their systems would copy.
        for (Ogre::ParticleSystem* particleTemplate : entry.second)
            showMaterial(*particleTemplate, entry.first);
    }
}

void applySheetMaterial(Game& game, Ogre::ParticleSystem& system, const std::string& libraryName,
                        const sfxLibraryEntry& entry, bool isAlwaysVisible)
{
    const std::string texture = resourceExists(libraryName) ? libraryName : "notFound.jpg";
    game.spriteEffectTextures[texture] = true;
    const Ogre::MaterialPtr material = sheetMaterial("animatedParticle_" + texture, texture);
    Ogre::Pass* pass = passAt(material, 0, 0);
    if (!pass)
        return;
    if (isAlwaysVisible)
        material->setDepthCheckEnabled(false);
    const Ogre::TextureUnitState* unit = unitAt(pass, 0);
    const Ogre::Vector2 size = unit ? unitTextureSize(unit) : Ogre::Vector2::ZERO;
    const float width = safeDivisor(size.x, 1.0f, 1.0f, "sprite sheet texture width");
    const float height = safeDivisor(size.y, 1.0f, 1.0f, "sprite sheet texture height");
    const float across = safeDivisor(entry.columnsRows.x, 1.0f, 1.0f, "sprite sheet columns");
    const float down = safeDivisor(entry.columnsRows.y, 1.0f, 1.0f, "sprite sheet rows");
    const float duration =
        safeDivisor(entry.duration, std::numeric_limits<float>::min(), 1.0f, "sprite sheet duration");
    const float tileWidth = width / across;
    const float tileHeight = height / down;
    const float ratio = tileWidth / tileHeight;

    system.setMaterialName(material->getName(), Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
    const Ogre::GpuProgramParametersSharedPtr vertex = vertexConstants(pass);
    setConstant(vertex, "numTilesU", across);
    setConstant(vertex, "numTilesV", down);
    setConstant(vertex, "isLooping", entry.isLooping ? 1.0f : 0.0f);
    setTextureConstants(game, pass, Ogre::Vector2(width, height));

    const float a = tileWidth * 0.125f;
    const float b = tileHeight * 0.125f;
    if (ratio < 1.0f)
        system.setDefaultDimensions(ratio * a, b);
    else
        system.setDefaultDimensions(a, b / ratio);
    setConstant(vertex, "speed", std::floor(across * down) / duration);
    if (Ogre::ParticleAffector* fader = affectorAt(&system, 0))
        fader->setParameter("alpha", Ogre::StringConverter::toString(-1.0f / duration, 6));
    if (Ogre::ParticleEmitter* emitter = emitterAt(&system, 0))
        emitter->setTimeToLive(entry.isLooping ? 10000000.0f : duration);
    pass->setSceneBlending(Ogre::SBT_TRANSPARENT_ALPHA);
}
