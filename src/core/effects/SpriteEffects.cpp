#include "core/effects/SpriteEffects.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffectMaterials.h"
#include "core/effects/sfxLibraryEntry.h"
#include "data/LibraryFile.h"

#include <OgreParticleAffector.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>

namespace {

const char* const sheetTemplate = "explosion_sprite_alpha";
const char* const bulletSheetTemplate = "explosion_sprite_alpha_bullet";

// Particle systems are named by their owners; a name in use is refused
// rather than letting Ogre throw. Null for a template Ogre lacks.
Ogre::ParticleSystem* newSystem(Ogre::SceneManager& scene, const std::string& name, const std::string& source)
{
    if (!hasParticleTemplate(source))
        return nullptr;
    if (scene.hasParticleSystem(name)) {
        logLine("[ERROR] particle system already exists: " + name);
        return nullptr;
    }
    Ogre::ParticleSystem* system = scene.createParticleSystem(name, source);
    system->setQueryFlags(0);
    system->setCastShadows(false);
    system->setEmitting(false);
    return system;
}

Ogre::ParticleSystem* templateEffect(Game& game, const std::string& name, const std::string& libraryName,
                                     Ogre::SceneManager& scene)
{
    Ogre::ParticleSystem* system = newSystem(scene, name, libraryName);
    if (!system)
        return nullptr;
    templateValuesOf(game, libraryName, *system);
    applyTemplateMaterial(game, *system, libraryName);
    // Colour stages past the third are pushed beyond the particle's life.
    if (Ogre::ParticleAffector* colours = affectorAt(system, 3))
        for (const char* stage : {"time2", "time3", "time4", "time5"})
            colours->setParameter(stage, "2");
    if (game.isParticlesZbuffer)
        setParticleDepthCheck(system, true);
    return system;
}

Ogre::ParticleSystem* sheetEffect(Game& game, const std::string& name, const std::string& libraryName,
                                  const sfxLibraryEntry& entry, Ogre::SceneManager& scene, bool isBullet,
                                  bool isAlwaysVisible)
{
    // The sprite templates come with the game: their absence is reported.
    const char* const source = isBullet ? bulletSheetTemplate : sheetTemplate;
    Ogre::ParticleSystem* system = newSystem(scene, name, source);
    if (!system) {
        logLineOnce(std::string("[ERROR] can't find particle template: ") + source
                    + namedBy("effect " + libraryName, effectsFileName));
        return nullptr;
    }
    system->setKeepParticlesInLocalSpace(entry.isLocalSpace != 0);
    applySheetMaterial(game, *system, libraryName, entry, isAlwaysVisible);
    templateValuesOf(game, libraryName, *system);
    if (game.isParticlesZbuffer)
        setParticleDepthCheck(system, true);
    if (isAlwaysVisible) {
        Ogre::ParticleSystem::setDefaultNonVisibleUpdateTimeout(0.0f);
        setParticleDepthCheck(system, false);
    }
    return system;
}

} // namespace

const std::array<float, 8>& templateValuesOf(Game& game, const std::string& templateName,
                                             const Ogre::ParticleSystem& system)
{
    const auto cached = game.particleTemplateValues.find(templateName);
    if (cached != game.particleTemplateValues.end())
        return cached->second;
    std::array<float, 8> values{system.getDefaultWidth(), system.getDefaultHeight()};
    if (system.getNumEmitters() > 0) {
        const Ogre::ParticleEmitter& emitter = *system.getEmitter(0);
        const Ogre::Vector3 at = emitter.getPosition();
        values = {values[0],
                  values[1],
                  at.x,
                  at.y,
                  at.z,
                  emitter.getParticleVelocity(),
                  emitter.getMinParticleVelocity(),
                  emitter.getMaxParticleVelocity()};
    }
    return game.particleTemplateValues[templateName] = values;
}

Ogre::ParticleSystem* createSpriteEffect(Game* game, const std::string& name, const std::string& libraryName,
                                         Ogre::SceneManager* sceneManager, bool isBullet, bool isAlwaysVisible)
{
    if (!game || !sceneManager || libraryName.empty())
        return nullptr;
    const auto found = game->sfxLibrary.find(libraryName);
    if (found == game->sfxLibrary.end() || !found->second)
        return nullptr;
    if (found->second->isAnimatedTexture)
        return sheetEffect(*game, name, libraryName, *found->second, *sceneManager, isBullet, isAlwaysVisible);
    return templateEffect(*game, name, libraryName, *sceneManager);
}
