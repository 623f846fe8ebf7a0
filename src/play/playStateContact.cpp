// The ship's body against enemies and walls on screen: it is pushed out of
// them, trades contact damage with enemies and throws sparks. Every pair of
// outlines is tested, so one frame can bring several contacts.
#include "play/playState.h"

#include "app/CameraProjection.h"
#include "app/CollisionResult.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playStateControlSteps.h"
#include "world/GameCamera.h"
#include "world/Obb.h"
#include "world/background.h"
#include "world/sfxManager.h"

#include <OgreEntity.h>
#include <OgreMath.h>
#include <OgreSceneNode.h>

#include <cmath>

namespace {

const Ogre::Camera* collisionCameraOf(const playState& state, const Obb& outline)
{
    if (outline.collisionCamera)
        return outline.collisionCamera;
    return state.camera ? state.camera->collisionCamera : nullptr;
}

void emitSparks(const playState& state, const Ogre::Vector3& where)
{
    if (state.level && state.level->effects)
        state.level->effects->emitSparks(where);
}

// Moves the ship so that the outline leaves what it touches.
void pushOut(const playState& state, Player& ship, const Obb& outline, const Ogre::Vector2& push)
{
    const Ogre::Camera* camera = collisionCameraOf(state, outline);
    if (!camera || !outline.sceneNode)
        return;
    ship.sceneNode->translate(pushOutMove(*camera, outline.centre, push, outline.sceneNode->_getDerivedPosition()),
                              Ogre::Node::TS_PARENT);
    ship.sceneNode->_update(true, false);
    ship.updateObbs();
}

void touchEnemy(const playState& state, Player& ship, const Obb& outline, Enemy& enemy, const CollisionResult& contact)
{
    if (ship.isEnemyCollisionRepulse && !ship.isPushOutSuspended)
        pushOut(state, ship, outline, contact.minimumTranslationVector);
    const Ogre::Vector3 where = outline.sceneNode->_getDerivedPosition();
    if (!outline.isInvicible) {
        if (enemy.damage != 0 || ship.ramDamage > 0)
            emitSparks(state, where);
        if (enemy.damage != 0)
            ship.hit(enemy.damage, Player::hitBackground, where);
    }
    if (ship.ramDamage > 0 && !enemy.isAllOutlinesInvincible)
        enemy.hit(ship.ramDamage, nullptr, Enemy::hitRam, where, true);
}

bool canTouch(const Enemy& enemy)
{
    return enemy.status == Enemy::statusAlive && !enemy.outlines.empty() && enemy.isCollideWPlayer;
}

// Where the sparks of a wall contact go: from the outline toward the wall,
// at the edge of the ship's mesh.
Ogre::Vector3 wallSparkOffset(const Player& ship, const Ogre::Vector3& wallDirection)
{
    if (!ship.meshEntity || !ship.meshNode)
        return Ogre::Vector3::ZERO;
    Ogre::Vector3 half = ship.meshEntity->getBoundingBox().getHalfSize() * ship.meshNode->_getDerivedScale();
    half = ship.meshNode->_getDerivedOrientation() * half;
    half.x = std::fabs(half.x);
    half.z = std::fabs(half.z);
    return -wallDirection * half;
}

void touchWall(const playState& state, Player& ship, const Obb& outline, const CollisionResult& contact)
{
    if (ship.isCollisionRepulse && !ship.isPushOutSuspended)
        pushOut(state, ship, outline, contact.minimumTranslationVector);
    const Ogre::Camera* camera = collisionCameraOf(state, outline);
    if (!camera || outline.isInvicible)
        return;
    const Ogre::Vector3 where = outline.sceneNode->_getDerivedPosition();
    const Ogre::Vector3 wall =
        pushOutMove(*camera, outline.centre, contact.minimumTranslationVector, where).normalisedCopy();
    if (ship.isCollisionRepulse || ship.wallSparks > 0)
        emitSparks(state, where + wallSparkOffset(ship, wall));
    ship.isTouchingWall = true;
}

// The last pair one background tested touched.
bool touchBackground(const playState& state, Player& ship, const background& scenery, bool& isTested)
{
    bool isLastTouching = false;
    for (Obb* outline : ship.outlines) {
        if (!outline->isCollideWithBackgrounds || !outline->sceneNode)
            continue;
        for (const Obb* wall : scenery.obbs) {
            CollisionResult contact;
            Obb::collidesWithContact(*outline, *wall, Ogre::Vector2::ZERO, contact);
            isTested = true;
            isLastTouching = contact.intersect;
            if (contact.intersect)
                touchWall(state, ship, *outline, contact);
        }
    }
    return isLastTouching;
}

} // namespace

Ogre::Vector3 pushOutMove(const Ogre::Camera& camera, const Ogre::Vector2& screenCentre, const Ogre::Vector2& push,
                          const Ogre::Vector3& outlinePosition)
{
    Ogre::Vector3 target;
    screenToPlaneY(target, screenCentre + push, outlinePosition.y, camera);
    return target - outlinePosition;
}

void touchEnemies(playState& state, Player& ship, bool& isLastTouching)
{
    Game& game = *Game::getSingletonPtr();
    game.nearestEnemyDistance = playState::farAwaySquared;
    game.isGrazed = 0;
    game.grazingCount = 0;
    for (Enemy* enemy : state.onScreenEnemies) {
        if (!canTouch(*enemy))
            continue;
        for (Obb* outline : ship.outlines) {
            if (!outline->isCollideWithEnemies || !outline->sceneNode)
                continue;
            for (const Obb* part : enemy->outlines) {
                CollisionResult contact;
                Obb::collidesWithContact(*outline, *part, outline->movement - enemy->outlines.front()->movement,
                                         contact);
                isLastTouching = contact.willIntersect;
                if (contact.willIntersect)
                    touchEnemy(state, ship, *outline, *enemy, contact);
            }
        }
    }
    game.nearestEnemyDistance = Ogre::Math::Sqrt(game.nearestEnemyDistance);
}

void touchBackgrounds(playState& state, Player& ship, bool& isLastTouching)
{
    for (const background* scenery : state.visibleBackgrounds) {
        if (scenery->obbs.empty())
            continue;
        bool isTested = false;
        const bool isTouching = touchBackground(state, ship, *scenery, isTested);
        if (isTested)
            isLastTouching = isTouching;
        // Without push-out the ship stays in the first wall it meets.
        if (isTouching && !ship.isCollisionRepulse)
            break;
    }
    if (!isLastTouching)
        ship.isPushOutSuspended = false;
}
