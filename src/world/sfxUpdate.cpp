// The placed effect's frame: waiting for its gates, starting, running with
// its parts hidden while off screen or occluded, and ending.
#include "world/sfx.h"

#include "core/Game.h"
#include "play/Level.h"

#include <OgreCamera.h>
#include <OgreMovableObject.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSceneQuery.h>

namespace {

// Objects a scene query looks for: what hides an effect. Backgrounds (8) do not.
constexpr Ogre::uint32 occluderQueryMask = 70;

} // namespace

bool sfx::isGateOpen() const
{
    if (!linkedObjects.empty())
        return false;
    if (!attachedObject || attachedObject->isDisabled)
        return true;
    const Ogre::MovableObject* shown = attachedObject->movableObject;
    return shown && shown->getVisible()
           && (attachedObject->status == statusStarted || attachedObject->status == statusActive);
}

void sfx::startRunning()
{
    status = statusActive;
    fade = 0.0f;
    endElapsed = 0.0;
    setParticlesEmitting(true);
    setPartsVisible(true);
    updateCameraSpeedAffector();
}

void sfx::setPartsVisible(bool visible)
{
    setLightVisible(visible);
    setGlowVisible(visible);
    setLensFlareVisible(visible);
}

void sfx::update(double dt)
{
    if (status == statusDone)
        return;
    if (status == statusEnding) {
        endElapsed += dt;
        if (endElapsed > endDuration) {
            status = statusWaiting;
            setParticlesEmitting(false);
            setLightVisible(false);
            setGlowVisible(false);
        }
    }
    if (status == statusWaiting) {
        setParticlesEmitting(false);
        setPartsVisible(false);
        if (isGateOpen())
            status = statusStarted;
    }
    if (status == statusStarted)
        startRunning();
    if (status != statusActive && status != statusEnding)
        return;
    updateHidden();
    updateLight();
    updateLensFlare(dt);
    updateGlow(dt);
}

void sfx::updateHidden()
{
    if (!camera || !sceneNode)
        return;
    const Ogre::Vector3 where = sceneNode->_getDerivedPosition();
    hidden = !camera->isVisible(where);
    if (status == statusEnding) {
        hidden = true;
        setParticlesEmitting(false);
    }
    if (!hidden && (light || lensFlare || glow))
        hidden = isOccluded(where);
}

bool sfx::isOccluded(const Ogre::Vector3& where)
{
    const Ogre::Vector4 p(where.x, where.y, where.z, 1.0f);
    const Ogre::Matrix4 viewProjection = camera->getProjectionMatrix() * camera->getViewMatrix();
    const float w = viewProjection[3][0] * p.x + viewProjection[3][1] * p.y + viewProjection[3][2] * p.z + viewProjection[3][3];
    const float x = (viewProjection[0][0] * p.x + viewProjection[0][1] * p.y + viewProjection[0][2] * p.z + viewProjection[0][3]) / w;
    const float y = (viewProjection[1][0] * p.x + viewProjection[1][1] * p.y + viewProjection[1][2] * p.z + viewProjection[1][3]) / w;
    const Ogre::Ray ray = camera->getCameraToViewportRay((x + 1.0f) * 0.5f, 0.5f - y * 0.5f);
    if (Game::getSingletonPtr()->isPhysicsOcclusion && isRayBlocked(level, position, ray.getOrigin()))
        return true;
    if (!occlusionQuery) {
        occlusionQuery = sceneManager->createRayQuery(ray, occluderQueryMask);
        occlusionQuery->setSortByDistance(true);
    }
    occlusionQuery->setRay(ray);
    const Ogre::RaySceneQueryResult& results = occlusionQuery->execute();
    return !results.empty() && results.front().movable;
}

void sfx::restart()
{
    if (sceneNode)
        sceneNode->_update(true, false);
    endElapsed = 0.0;
    isStarted = 0;
    flicker = 1.0f;
    fade = 0.0f;
    status = statusWaiting;
    hidden = false;
    if (linkedObjects.empty() && (!attachedObject || attachedObject->isDisabled))
        fade = 1.0f;
    else
        hidden = true;
    updateLight();
    updateLensFlare(0.001);
    updateGlow(0.001);
    resetEmitters();
    if (particleNode)
        particleNode->setVisible(true, false);
    if (!particleSystem)
        return;
    particleSystem->clear();
    Ogre::ParticleSystemManager& templates = Ogre::ParticleSystemManager::getSingleton();
    if (!templates.getTemplate(particleType) && !templates.getTemplate("explosion_sprite_alpha"))
        destroyVisuals();
}
