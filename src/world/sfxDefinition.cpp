#include "world/sfxDefinition.h"

#include "app/TextUtils.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffects.h"
#include "world/RenderQueueGroups.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <sstream>

sfxDefinition::sfxDefinition(const std::string& /*unusedName*/)
{
    name = "SFXDefinition";
    kind = kindSfxDefinition;
}

// A play copy: the settings and the values saved from the template travel,
// the visuals do not.
sfxDefinition::sfxDefinition(const sfxDefinition& other)
    : entity(), sfxName(other.sfxName), isEnable(other.isEnable), sfxBehavior(other.sfxBehavior),
      isOnTop(other.isOnTop), savedEmissionRate(other.savedEmissionRate),
      savedEmitterDirection(other.savedEmitterDirection), savedEmitterPosition(other.savedEmitterPosition),
      savedDefaultWidth(other.savedDefaultWidth), savedDefaultHeight(other.savedDefaultHeight),
      savedVelocity(other.savedVelocity), savedMinVelocity(other.savedMinVelocity),
      savedMaxVelocity(other.savedMaxVelocity)
{
    kind = kindSfxDefinition;
    position = other.position;
    orientation = other.orientation;
    scale = other.scale;
    rotation = other.rotation;
    layer = other.layer;
}

sfxDefinition::~sfxDefinition()
{
    destroyParticleSystem();
    if (!sceneNode)
        return;
    if (Ogre::Node* parent = sceneNode->getParent())
        parent->removeChild(sceneNode);
    sceneNode->getCreator()->destroySceneNode(sceneNode);
}

entity* sfxDefinition::clone() const
{
    return new sfxDefinition(*this);
}

void sfxDefinition::createVisuals(Ogre::SceneNode* parent)
{
    if (!parent || sceneNode)
        return;
    parentNode = parent;
    sceneManager = parent->getCreator();
    sceneNode = parent->createChildSceneNode();
    loadParticleSystem(sfxName);
    sceneNode->setPosition(position);
    sceneNode->setOrientation(orientation);
    quaternionToEulerDegrees(rotation.x, rotation.y, rotation.z, orientation);
    applyScale();
    setEmitting(isEnable);
}

void sfxDefinition::destroyParticleSystem()
{
    if (!particleSystem)
        return;
    particleSystem->clear();
    particleSystem->detachFromParent();
    particleSystem->_getManager()->destroyParticleSystem(particleSystem);
    particleSystem = nullptr;
}

void sfxDefinition::loadParticleSystem(const std::string& templateName)
{
    destroyParticleSystem();
    if (templateName == "none" || !sceneManager)
        return;
    std::ostringstream systemName;
    systemName << "Particles" << static_cast<const void*>(this);
    particleSystem =
        createSpriteEffect(Game::getSingletonPtr(), systemName.str(), templateName, sceneManager, false, false);
    if (particleSystem) {
        if (sceneNode)
            sceneNode->attachObject(particleSystem);
        saveTemplateValues();
        particleSystem->setNonVisibleUpdateTimeout(0.0f);
        particleSystem->setRenderQueueGroup(renderQueueGroupOf(layer));
        restartFirstEmitter(particleSystem);
        if (sfxBehavior)
            if (Ogre::ParticleEmitter* emitter = emitterAt(particleSystem, 0))
                emitter->setEmissionRate(0.0f);
    }
    applyScale();
}

void sfxDefinition::saveTemplateValues()
{
    if (Ogre::ParticleEmitter* emitter = emitterAt(particleSystem, 0)) {
        savedEmissionRate = emitter->getEmissionRate();
        savedEmitterDirection = emitter->getDirection();
        savedEmitterPosition = emitter->getPosition();
        savedVelocity = emitter->getParticleVelocity();
        savedMinVelocity = emitter->getMinParticleVelocity();
        savedMaxVelocity = emitter->getMaxParticleVelocity();
    }
    savedDefaultWidth = particleSystem->getDefaultWidth();
    savedDefaultHeight = particleSystem->getDefaultHeight();
}

void sfxDefinition::applyScale()
{
    if (!particleSystem)
        return;
    const float factor = scale.x;
    // Ogre aborts on a negative particle size.
    particleSystem->setDefaultDimensions(std::max(savedDefaultWidth * factor, 0.0f),
                                         std::max(savedDefaultHeight * factor, 0.0f));
    for (unsigned short index = 0; index < particleSystem->getNumEmitters(); ++index)
        scaleEmitter(*particleSystem->getEmitter(index), factor);
}

void sfxDefinition::scaleEmitter(Ogre::ParticleEmitter& emitter, float factor) const
{
    emitter.setPosition(savedEmitterPosition * factor);
    emitter.setParticleVelocity(savedVelocity * factor);
    emitter.setMinParticleVelocity(savedMinVelocity * factor);
    emitter.setMaxParticleVelocity(savedMaxVelocity * factor);
}

// The default size stays: only what the owner's motion may have turned or
// stretched goes back.
void sfxDefinition::resetEmitters()
{
    if (!particleSystem)
        return;
    for (unsigned short index = 0; index < particleSystem->getNumEmitters(); ++index) {
        Ogre::ParticleEmitter* emitter = particleSystem->getEmitter(index);
        scaleEmitter(*emitter, scale.x);
        emitter->setDirection(savedEmitterDirection);
    }
}

// A switched-off effect leaves the owner's node, so its remaining particles
// leave the owner's display too.
void sfxDefinition::setEmitting(bool on)
{
    if (!particleSystem || isDisabled)
        return;
    particleSystem->setEmitting(on);
    setFirstEmitterEnabled(particleSystem, false);
    setFirstEmitterEnabled(particleSystem, on);
    if (!sceneNode)
        return;
    if (on) {
        if (!sceneNode->getParent() && parentNode)
            parentNode->addChild(sceneNode);
        sceneNode->setVisible(true, false);
        sceneNode->_update(false, true);
        if (Ogre::ParticleEmitter* emitter = emitterAt(particleSystem, 0))
            emitter->setEmissionRate(savedEmissionRate);
    } else if (Ogre::Node* parent = sceneNode->getParent()) {
        parent->removeChild(sceneNode);
    }
}
