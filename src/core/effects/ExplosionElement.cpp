#include "core/effects/ExplosionElement.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/materials/MaterialLookup.h"
#include "data/LibraryFile.h"
#include "world/FiniteVector.h"
#include "world/RenderQueueGroups.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <Plugins/ParticleFX/OgreAreaEmitter.h>

#include <algorithm>
#include <cstdio>

namespace {

const char* const cameraNodeName = "CamNode1";
const char* const spriteGroup = "GAMERSC";
// "0x" and two hex digits a byte, with the terminating zero.
constexpr std::size_t addressTextSize = 2 + 2 * sizeof(void*) + 1;

} // namespace

ExplosionElement::ExplosionElement(const ExplosionElement& other)
    : screenName(other.screenName), timeBeforeStart(other.timeBeforeStart), duration(other.duration),
      position(other.position), orientation(other.orientation), scaling(other.scaling),
      particleName(other.particleName), textureName(other.textureName), soundName(other.soundName),
      soundPitch{other.soundPitch[0], other.soundPitch[1]}, explosionVolume(other.explosionVolume),
      isChild(other.isChild), isCameraShake(other.isCameraShake), cameraShakeStrength(other.cameraShakeStrength),
      textureDiv(other.textureDiv), isAlpha(other.isAlpha), isLight(other.isLight), lightRange(other.lightRange),
      lightColor(other.lightColor), lightIntensity(other.lightIntensity)
{
}

// The instance's address makes its names unique among the living ones.
void ExplosionElement::nameInstance()
{
    char address[addressTextSize];
    std::snprintf(address, sizeof address, "%p", static_cast<const void*>(this));
    systemName = std::string("exploSfx") + address;
    materialName = "exploSprite_" + textureName + address;
}

void ExplosionElement::start(bool inCameraSpace)
{
    // A light flash belongs only to an element without particles and sprite.
    if (!particleName.empty() || !textureName.empty())
        isLight = 0;
    nameInstance();
    if (!cameraNode && sceneManager)
        cameraNode = sceneManager->getSceneNode(cameraNodeName, false);
    if (sceneManager && (!particleName.empty() || isLight))
        createNode(inCameraSpace);
    if (node && !particleName.empty())
        createParticles(inCameraSpace);
    hasRunFrame = 0;
}

void ExplosionElement::createNode(bool inCameraSpace)
{
    const Ogre::Vector3 offset = finiteOr(position, 0.0f);
    Ogre::Vector3 at = offset;
    Ogre::SceneNode* parent = sceneManager->getRootSceneNode();
    if (cameraNode && inCameraSpace)
        parent = cameraNode;
    else if (cameraNode)
        at = cameraNode->convertLocalToWorldPosition(offset);
    node = parent->createChildSceneNode(finiteOr(at, 0.0f) + Ogre::Vector3(0.0f, 1.0f, 0.0f));
}

void ExplosionElement::createParticles(bool inCameraSpace)
{
    if (!hasParticleTemplate(particleName)) {
        logLineOnce("[ERROR] can't find particle template: " + particleName
                    + namedBy("explosion element " + screenName, explosionsFileName));
        return;
    }
    particleSystem = sceneManager->createParticleSystem(particleSystemName(), particleName);
    setFirstEmitterEnabled(particleSystem, false);
    node->attachObject(particleSystem);
    node->setScale(Ogre::Vector3::UNIT_SCALE);
    node->yaw(Ogre::Degree(std::isfinite(orientation) ? -orientation : 0.0f));
    particleSystem->setKeepParticlesInLocalSpace(inCameraSpace);
    if (!textureName.empty())
        applySpriteSheet(inCameraSpace);
    applyScaling();
    particleSystem->setBounds(Ogre::AxisAlignedBox::BOX_INFINITE);
    particleSystem->setBoundsAutoUpdated(false);
    particleSystem->setRenderQueueGroupAndPriority(
        std::min<int>(layer + unlayeredRenderQueueGroup, maxRenderQueueGroup), priority);
    if (Game::getSingletonPtr() && Game::getSingletonPtr()->isParticlesZbuffer)
        setParticleDepthCheck(particleSystem, true);
}

// Every emitter takes the first emitter's velocities, scaled, and its own
// emitting area scaled.
void ExplosionElement::applyScaling()
{
    const float scale = std::isfinite(scaling) ? std::max(scaling, 0.0f) : 1.0f;
    particleSystem->setDefaultDimensions(particleSystem->getDefaultWidth() * scale,
                                         particleSystem->getDefaultHeight() * scale);
    const Ogre::ParticleEmitter* first = emitterAt(particleSystem, 0);
    if (!first)
        return;
    const float velocity = first->getParticleVelocity();
    const float minimum = first->getMinParticleVelocity();
    const float maximum = first->getMaxParticleVelocity();
    for (unsigned short index = 0; index < particleSystem->getNumEmitters(); ++index) {
        Ogre::ParticleEmitter* emitter = particleSystem->getEmitter(index);
        emitter->setParticleVelocity(velocity * scale);
        emitter->setMinParticleVelocity(minimum * scale);
        emitter->setMaxParticleVelocity(maximum * scale);
        auto* area = dynamic_cast<Ogre::AreaEmitter*>(emitter);
        if (area && scale != 1.0f)
            area->setSize(area->getWidth() * scale, area->getHeight() * scale, area->getDepth() * scale);
    }
}

void ExplosionElement::destroy()
{
    if (particleSystem) {
        particleSystem->clear();
        if (particleSystem->isAttached())
            particleSystem->detachFromParent();
        sceneManager->destroyParticleSystem(particleSystem);
        particleSystem = nullptr;
    }
    if (node) {
        node->detachAllObjects();
        if (Ogre::SceneNode* parent = node->getParentSceneNode())
            parent->removeChild(node);
        sceneManager->destroySceneNode(node);
        node = nullptr;
        if (!textureName.empty())
            removeMaterial(spriteMaterialName(), spriteGroup);
    }
    screenName.clear();
    particleName.clear();
    textureName.clear();
    soundName.clear();
}
