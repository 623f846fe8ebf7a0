// One frame of an item: waiting to start, moving, homing in on the player,
// blinking and expiring, and shrinking away once collected.
#include "world/Item.h"

#include "app/CameraProjection.h"
#include "app/Interpolation.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/Obb.h"

#include <OgreEntity.h>
#include <OgreFrustum.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

const double scaleInSeconds = 0.12;
const double scaleInRate = 8.333333; // 1 / scaleInSeconds
const double blinkShare = 0.85;      // of the life duration
const double blinkInterval = 0.04;
const double hideAfterDeath = 0.2;
const double freeAfterDeath = 1.0;
const float spinDegreesPerUnit = 15.0f;

// The smoothstep weight of a blend value.
float smoothWeight(float b)
{
    return (3.0f - 2.0f * b) * b * b;
}

bool inWideFrustum(const Ogre::Entity* shown, const Level* level)
{
    const GameCamera* camera = level ? level->camera : nullptr;
    if (!shown || !camera || !camera->wideFrustum)
        return false;
    return camera->wideFrustum->isVisible(shown->getWorldBoundingBox(true));
}

} // namespace

void Item::update(double dt)
{
    if (status == statusFree)
        return;
    isOnScreen = inWideFrustum(meshEntity, level);
    if (status == statusWaiting)
        updateWaiting(dt);
    else if (status == statusActive)
        updateActive(dt);
    else if (status == statusCollected)
        updateCollected(dt);
}

void Item::updateWaiting(double dt)
{
    if (!isOnScreen && (acceleration <= 0 || isStatic))
        return;
    startTimer += dt;
    if (startTimer < startDelay)
        return;
    status = statusActive;
    isStarted = 1;
    if (!isOnGround)
        attachToCamera();
    if (sfxStartName != "none" && !isStatic)
        startEffect(startParticles, startParticlesName, sfxStartName);
    reprojectOutlines();
}

void Item::updateActive(double dt)
{
    if (!updateLifetime(dt))
        return;
    if (acceleration > 0 && age >= timeBeforeAttraction && player && player->status == Player::statusPlaying)
        updateAttraction(dt);
    position += velocity * static_cast<float>(dt) * scaleInFactor;
    updateSpinAndWobble(dt);
    reprojectOutlines();
    const int collected = collect(dt);
    const Game& game = *Game::getSingletonPtr();
    if (collected == itemKindBomb && !game.isSmartbombUseButton) {
        if (level && level->state)
            level->state->damageAllEnemies(game.isSmartCancelling, false, game.smartItemName, game.smartPower, true,
                                           false);
    } else if (collected == -1) {
        sceneNode->setPosition(position);
    }
}

bool Item::updateLifetime(double dt)
{
    if (isOnScreen) {
        isSeenOnScreen = true;
        offScreenTime = 0.0;
    } else if (isSeenOnScreen && !isStatic) {
        offScreenTime += dt;
        if (offScreenTime > Game::getSingletonPtr()->itemLifeOutsideScreenTime) {
            breakMedalChain();
            stopParticles();
            return false;
        }
    }
    age += dt;
    lifeTime += dt;
    if (!isStatic) {
        scaleInFactor = age >= scaleInSeconds ? 1.0f : static_cast<float>(age * scaleInRate);
        sceneNode->setScale(Ogre::Vector3(std::max(scaleInFactor, smallestNodeScale)));
    }
    if (!isLifeDuration)
        return true;
    if (lifeTime > lifeDuration) {
        breakMedalChain();
        stopParticles();
        return false;
    }
    if (lifeTime > blinkShare * lifeDuration && age - lastBlinkTime > blinkInterval && meshEntity) {
        lastBlinkTime = age;
        meshEntity->setVisible(!meshEntity->getVisible());
    }
    return true;
}

void Item::updateAttraction(double dt)
{
    Ogre::Camera* camera = player->camera ? player->camera : playCamera;
    if (!camera)
        return;
    const Ogre::Vector3 playerAt = player->sceneNode ? player->sceneNode->_getDerivedPosition() : player->position;
    Ogre::Vector3 itemOnPlane;
    Ogre::Vector3 playerOnPlane;
    projectToPlaneY(itemOnPlane, innerNode->_getDerivedPosition(), player->playHeight, *camera);
    projectToPlaneY(playerOnPlane, playerAt, player->playHeight, *camera);
    Ogre::Vector3 direction = playerOnPlane - itemOnPlane;
    const float distance = direction.length();
    if (distance > 0.0f)
        direction /= distance;
    const Ogre::Vector3 target = direction * static_cast<float>(acceleration) * 10.0f;
    if (attractionDistance == 0.0f || (attractionDistance > 0.0f && attractionDistance >= distance))
        isAttracted = true;
    if (!isAttracted)
        return;
    attractionBlend = std::min(1.0f, attractionBlend + 0.3f * static_cast<float>(dt));
    lerpClamped(velocity, velocity, target, smoothWeight(attractionBlend));
}

void Item::updateSpinAndWobble(double dt)
{
    const float turn = spinDegreesPerUnit * static_cast<float>(dt);
    if (rotationSpeed.x != 0.0f)
        innerNode->pitch(Ogre::Degree(rotationSpeed.x * turn));
    if (rotationSpeed.y != 0.0f)
        innerNode->yaw(Ogre::Degree(rotationSpeed.y * turn));
    if (rotationSpeed.z != 0.0f)
        innerNode->roll(Ogre::Degree(rotationSpeed.z * turn));
    const float t = static_cast<float>(age);
    const float x = SinSpeed.x == 0.0f
                        ? 0.0f
                        : Ogre::Math::Sin((sinPhaseX + t) * SinSpeed.x * 0.5f, true) * SinDistance.x;
    const float z = SinSpeed.z == 0.0f
                        ? 0.0f
                        : Ogre::Math::Cos((sinPhaseZ + t) * SinSpeed.z * 0.5f, true) * SinDistance.z;
    innerNode->setPosition(x, 0.0f, z);
}

void Item::updateCollected(double dt)
{
    // Time runs also without a shrink, so that every collected item is freed;
    // without one the item vanishes at once and its end effect plays out.
    deathTime += dt;
    if (deathDuration > 0.0) {
        // Past the shrink the curve would grow again, and with it the end
        // effect on the node: it stays at its floor.
        const float d = static_cast<float>(std::max(0.0, 1.0 - 5.0 * deathTime));
        sceneNode->setScale(Ogre::Vector3(std::max(0.1f, smoothWeight(d))));
        if (deathTime >= hideAfterDeath)
            showEntity(false);
    } else {
        showEntity(false);
    }
    if (deathTime >= deathDuration + freeAfterDeath)
        stopParticles();
}
