// The enemy's motion while alive: its path, spin, cosine wobble, rotors and
// moving effects, and the snake body dragged along the head's track.
#include "combat/Enemy.h"

#include "app/Curves.h"
#include "combat/EnemyMotion.h"
#include "combat/Player.h"
#include "combat/rotor.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "world/FiniteVector.h"
#include "world/PathFollower.h"
#include "world/sfxDefinition.h"

#include <OgreParticleEmitter.h>
#include <OgreSceneNode.h>

namespace {

// Above this step the path follower moves twice by half, so that a slow
// frame does not cut a tight curve.
constexpr double longestFollowerStep = 0.02;
// While the ship is not alive the follower aims this far ahead of the enemy.
constexpr float idleAimDistance = 50.0f;
// A frame's squared displacement from which the enemy counts as moving.
constexpr float movingDisplacementSquared = 0.005f;

// Ahead is +z in a level of the vertical kind, -x in one of the horizontal kind.
Ogre::Vector3 followerAimPoint(Player* player, const Ogre::Vector3& bodyPosition, const Game* game)
{
    if (player && player->status == Player::statusPlaying)
        return player->getPosition();
    const bool isAheadOnZ = game && game->levelTypePreference != 0;
    return bodyPosition + (isAheadOnZ ? Ogre::Vector3(0.0f, 0.0f, idleAimDistance)
                                      : Ogre::Vector3(-idleAimDistance, 0.0f, 0.0f));
}

// Engines and trails of the sfxBehavior kind emit only while the enemy moves.
void setMovingEffects(const std::vector<sfxDefinition*>& effects, bool isMoving)
{
    for (sfxDefinition* effect : effects) {
        if (!effect->sfxBehavior)
            continue;
        if (Ogre::ParticleEmitter* emitter = emitterAt(effect->particleSystem, 0))
            emitter->setEmissionRate(isMoving ? effect->savedEmissionRate : 0.0f);
    }
}

} // namespace

void Enemy::move(double dt, const std::vector<CurveSample>& curvePoints, Player* player)
{
    if (!sceneNode || !bodyNode)
        return;
    const Ogre::Vector3 bodyPosition = bodyNode->_getDerivedPosition();
    lastDisplacement = lastBodyPosition - bodyPosition;
    lastBodyPosition = bodyPosition;
    if (!isSteering && pathFollower) {
        const Ogre::Vector3 aimPoint = followerAimPoint(player, lastBodyPosition, game);
        if (dt > longestFollowerStep) {
            pathFollower->update(dt * 0.5, aimPoint, curvePoints, false);
            pathFollower->update(dt * 0.5, aimPoint, curvePoints, false);
        } else {
            pathFollower->update(dt, aimPoint, curvePoints, false);
        }
    }
    const Ogre::Vector3 previousPosition = previousLocalPosition;
    previousLocalPosition = sceneNode->getPosition();
    if (hasAnimRot && spinNode)
        enemymotion::spin(*spinNode, AnimRot, dt);
    if (offsetNode && sindistance != Ogre::Vector3::ZERO) {
        const Ogre::Vector3 wave =
            enemymotion::headWobble(static_cast<float>(aliveTime - spawnDelay), sinSpeed, sindistance);
        offsetNode->setPosition(finiteOr(wave * sindistance, 0.0f));
    }
    const bool isMoving = lastDisplacement.squaredLength() >= movingDisplacementSquared && status == statusAlive;
    setMovingEffects(sfxs, isMoving);
    for (rotor* part : rotors)
        if (part->node)
            part->node->yaw(Ogre::Radian(part->turnAngle(dt)), Ogre::Node::TS_LOCAL);
    if (isSnake)
        updateSnake(dt, previousPosition, previousLocalPosition);
}
