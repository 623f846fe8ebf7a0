#include "core/effects/ParticleSystemAccess.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialTextures.h"

#include <OgreParticleAffector.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <cmath>

Ogre::ParticleEmitter* emitterAt(Ogre::ParticleSystem* system, unsigned short index)
{
    return system && index < system->getNumEmitters() ? system->getEmitter(index) : nullptr;
}

Ogre::ParticleAffector* affectorAt(Ogre::ParticleSystem* system, unsigned short index)
{
    return system && index < system->getNumAffectors() ? system->getAffector(index) : nullptr;
}

void setFirstEmitterEnabled(Ogre::ParticleSystem* system, bool enabled)
{
    if (Ogre::ParticleEmitter* emitter = emitterAt(system, 0))
        emitter->setEnabled(enabled);
}

void restartFirstEmitter(Ogre::ParticleSystem* system)
{
    setFirstEmitterEnabled(system, false);
    setFirstEmitterEnabled(system, true);
}

bool hasParticleTemplate(const std::string& name)
{
    return !name.empty() && Ogre::ParticleSystemManager::getSingleton().getTemplate(name) != nullptr;
}

void setParticleDepthCheck(Ogre::ParticleSystem* system, bool enabled)
{
    if (!system)
        return;
    if (const Ogre::MaterialPtr material = findMaterial(system->getMaterialName()))
        material->setDepthCheckEnabled(enabled);
}

float safeDivisor(float value, float least, float fallback, const char* description)
{
    if (std::isfinite(value) && value >= least)
        return value;
    logLineOnce(std::string("[ERROR] unusable ") + description + ", using " + std::to_string(fallback));
    return fallback;
}

void giveUnitTexture(Ogre::TextureUnitState* unit, const std::string& texture)
{
    if (!unit)
        return;
    if (Ogre::TextureManager::getSingletonPtr())
        setUnitTexture(unit, texture);
    else
        unit->setTextureName(texture);
}
