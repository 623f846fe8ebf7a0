// The intro flight that brings the ship onto the screen, and the moves
// triggers script.
#include "combat/Player.h"

#include "app/Interpolation.h"

#include <OgreEntity.h>
#include <OgreSceneNode.h>

#include <btBulletDynamicsCommon.h>

namespace {

// Eases in and out: 0 at t = 0, 1 at t = 1, flat at both ends.
double smoothstep(double t)
{
    return (3.0 - 2.0 * t) * t * t;
}

// The camera rig the ship's node hangs from: its play position is relative to it.
Ogre::Vector3 rigPositionOf(const Ogre::SceneNode& node)
{
    const Ogre::SceneNode* rig = node.getParentSceneNode();
    return rig ? rig->_getDerivedPosition() : Ogre::Vector3::ZERO;
}

} // namespace

void Player::updateIntro(double dt)
{
    if (!sceneNode)
        return;
    if (introInvincibleTime > 0.0f)
        isBlinking = isStartInvincible = true;
    introElapsed += dt;
    const Ogre::Vector3 rig = rigPositionOf(*sceneNode);
    const bool isFlying = isIntroMove && !isBeingMoved && introDuration > 0.0f;
    if (isFlying) {
        const Ogre::Vector3 offset(introOffset.x, 0.0f, introOffset.y);
        Ogre::Vector3 flown;
        lerpClamped(flown, startPosition - offset + rig, startPosition + rig, smoothstep(introElapsed / introDuration));
        sceneNode->_setDerivedPosition(flown);
    }
    if (!isIntroMove || isBeingMoved)
        introElapsed = introDuration;
    if (introElapsed < introDuration)
        return;

    velocity = Ogre::Vector3::ZERO;
    introElapsed = introDuration;
    status = statusPlaying;
    if (!isBeingMoved) {
        if (introInvincibleTime > 0.0f)
            invincibilityTime = introInvincibleTime;
        sceneNode->_setDerivedPosition(pos + rig);
    }
    updateObbs();
    // Simulated from now on: scenery stops the ship.
    if (body)
        body->forceActivationState(DISABLE_DEACTIVATION);
    if (forceFieldNode)
        forceFieldNode->setVisible(true);
    const bool isMeshShown = meshEntity && meshEntity->isInScene() && meshEntity->getVisible();
    if (type == rotationCrosshair && isMeshShown && aimNode)
        aimNode->setVisible(true);
}

void Player::updateTimedMove(double dt)
{
    if (!isBeingMoved || !sceneNode)
        return;
    moveTimer -= static_cast<float>(dt);
    if (moveTimer <= 0.0f)
        isBeingMoved = false;
    // A move without a (usable) duration jumps to its target.
    const double s = moveDuration > 0.0f ? smoothstep(1.0 - moveTimer / moveDuration) : 1.0;
    Ogre::Vector3 moved;
    lerpClamped(moved, moveStart, moveTarget, s);
    sceneNode->setPosition(moved);
}
