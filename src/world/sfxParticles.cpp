// The placed effect's particle system: made from the sfx library, scaled
// from the template's values, started and stopped with the effect.
#include "world/sfx.h"

#include "app/TextUtils.h"
#include "core/Game.h"
#include "core/effects/SpriteEffects.h"
#include "play/Level.h"

#include <OgreMaterialManager.h>
#include <OgreParticleAffector.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreStringConverter.h>

namespace {

// The system's material, from the game's group first; null when neither
// group has it.
Ogre::MaterialPtr particleMaterial(const std::string& materialName)
{
    Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
    if (Ogre::ResourceGroupManager::getSingleton().resourceGroupExists("GAMERSC"))
        if (Ogre::MaterialPtr found = materials.getByName(materialName, "GAMERSC"))
            return found;
    return materials.getByName(materialName, Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
}

bool ridesCamera(const Ogre::SceneNode* node)
{
    const Ogre::Node* parent = node ? node->getParent() : nullptr;
    for (const Ogre::Node* ancestor = parent ? parent->getParent() : nullptr; ancestor;
         ancestor = ancestor->getParent())
        if (ancestor->getName() == "CamNode1")
            return true;
    return false;
}

} // namespace

void sfx::createParticleSystem()
{
    if (!sceneNode || !sceneManager)
        return;
    particleNode = sceneNode->createChildSceneNode();
    particleNode->setScale(Ogre::Vector3::UNIT_SCALE);
    particleNode->setInheritScale(false);
    particleNode->setOrientation(orientation);
    quaternionToEulerDegrees(rotation.x, rotation.y, rotation.z, orientation);
    particleSystem = createSpriteEffect(Game::getSingletonPtr(),
                                        "ParticleSfx" + Ogre::StringConverter::toString(reinterpret_cast<size_t>(this)),
                                        particleType, sceneManager, false, false);
    if (!particleSystem)
        return;
    particleSystem->setEmitting(false);
    particleNode->attachObject(particleSystem);
    if (particleSystem->getNumEmitters() > 0) {
        const Ogre::ParticleEmitter* first = particleSystem->getEmitter(0);
        savedEmitterDirection = first->getDirection();
        savedEmitterPosition = first->getPosition();
        savedVelocity = first->getParticleVelocity();
        savedMinVelocity = first->getMinParticleVelocity();
        savedMaxVelocity = first->getMaxParticleVelocity();
    }
    savedDefaultWidth = particleSystem->getDefaultWidth();
    savedDefaultHeight = particleSystem->getDefaultHeight();
    particleSystem->setNonVisibleUpdateTimeout(isPauseWhenUnseen ? pauseWhenUnseenTime : 0.0f);
    if (Ogre::MaterialPtr material = particleMaterial(particleSystem->getMaterialName()))
        material->setDepthCheckEnabled(true);
    applyParticleScale();
    setLayer(static_cast<std::uint8_t>(level ? level->getLayerIndex(static_cast<std::int32_t>(layerId)) : 0));
}

void sfx::applyParticleScale()
{
    if (!particleSystem)
        return;
    particleSystem->setDefaultDimensions(savedDefaultWidth * particleScale, savedDefaultHeight * particleScale);
    for (unsigned short i = 0; i < particleSystem->getNumEmitters(); ++i) {
        Ogre::ParticleEmitter* emitter = particleSystem->getEmitter(i);
        emitter->setPosition(savedEmitterPosition * particleScale);
        emitter->setParticleVelocity(savedVelocity * particleScale);
        emitter->setMinParticleVelocity(savedMinVelocity * particleScale);
        emitter->setMaxParticleVelocity(savedMaxVelocity * particleScale);
    }
}

void sfx::resetEmitters()
{
    if (!particleSystem)
        return;
    for (unsigned short i = 0; i < particleSystem->getNumEmitters(); ++i) {
        Ogre::ParticleEmitter* emitter = particleSystem->getEmitter(i);
        emitter->setPosition(savedEmitterPosition * particleScale);
        emitter->setParticleVelocity(savedVelocity * particleScale);
        emitter->setMinParticleVelocity(savedMinVelocity * particleScale);
        emitter->setMaxParticleVelocity(savedMaxVelocity * particleScale);
        emitter->setDirection(savedEmitterDirection);
    }
}

void sfx::setParticlesEmitting(bool on)
{
    if (!particleSystem)
        return;
    if (on && particleNode) {
        particleSystem->detachFromParent();
        particleNode->attachObject(particleSystem);
    }
    particleSystem->setEmitting(on);
    if (particleSystem->getNumEmitters() > 0) {
        Ogre::ParticleEmitter* first = particleSystem->getEmitter(0);
        first->setEnabled(false);
        first->setEnabled(on);
    }
}

void sfx::updateCameraSpeedAffector()
{
    if (!particleSystem || !attachedObject)
        return;
    const bool onCamera = ridesCamera(sceneNode);
    int found = -1;
    for (unsigned short i = 0; i < particleSystem->getNumAffectors(); ++i)
        if (particleSystem->getAffector(i)->getType() == "cameraSpeed")
            found = i;
    if (found >= 0 && (!onCamera || particleSystem->getKeepParticlesInLocalSpace()))
        particleSystem->removeAffector(static_cast<unsigned short>(found));
    else if (found < 0 && onCamera)
        particleSystem->addAffector("cameraSpeed");
    particleSystem->setIterationInterval(0.0f);
}

void sfx::destroyVisuals()
{
    if (particleNode) {
        if (secondaryNode) {
            secondaryNode->detachAllObjects();
            if (secondaryEntity)
                sceneManager->destroyEntity(secondaryEntity);
            sceneManager->destroySceneNode(secondaryNode);
            secondaryEntity = nullptr;
            secondaryNode = nullptr;
        }
        particleNode->detachAllObjects();
        sceneManager->destroySceneNode(particleNode);
        particleNode = nullptr;
    }
    if (particleSystem) {
        particleSystem->clear();
        sceneManager->destroyParticleSystem(particleSystem);
        particleSystem = nullptr;
    }
}
