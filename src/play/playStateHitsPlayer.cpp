// The player's shots against destroyable enemy shots, backgrounds and enemies.
#include "play/ShotHits.h"

#include "app/CameraProjection.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/ShotStep.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/HitTargets.h"
#include "play/Level.h"
#include "play/playState.h"
#include "world/Obb.h"
#include "world/sfxManager.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// Shots faster than this are stepped and tested twice per step.
constexpr float fastShotSpeed = 200.0f;
// No contact counts from this squared length on.
constexpr float contactBound = 100000.0f;
// The height at which armour sparks of the player's shots appear.
constexpr float armourSparkHeight = -200.0f;
// A lock-on shot whose target is gone flies straight on.
constexpr std::int32_t straightFlight = 1;

Ogre::Vector3 targetPosition(const entity& target)
{
    return target.sceneNode ? target.sceneNode->_getDerivedPosition() : Ogre::Vector3::ZERO;
}

// Whether a gun that destroys every enemy shot fires this step: shots of its
// in flight, or beams of the weapon set in hand. Without one, only the
// destroyable enemy shots can be hit.
bool firesShotDestroyer(const Game& game, Player* player)
{
    for (std::int32_t index : game.level->livePlayerBullets) {
        const bullet& shot = *game.playerBullets[static_cast<std::size_t>(index)];
        if (shot.state == bullet::stateFlying && shot.weapon && shot.weapon->isDestroyBullets)
            return true;
    }
    const std::vector<Weapon*>* guns = player ? player->activeWeaponSet() : nullptr;
    return guns && std::any_of(guns->begin(), guns->end(), [](const Weapon* gun) {
               return gun && gun->isLaser && gun->isDestroyBullets && !gun->beams.empty();
           });
}

// A shot that passes through what it hits plays its impact instead of dying.
void endOrPass(bullet& shot)
{
    if (shot.isInvincible) {
        shot.playImpactSound();
        shot.spawnImpactParticles();
    } else {
        shot.die(true, false);
    }
}

} // namespace

PlayerShotHits::PlayerShotHits(playState& state, Game& game, double dt, const Ogre::Vector3& target)
    : state(state), game(game), targets(state.hitTargets), dt(dt), flight(target), candidates(state.hitTargets.contacts)
{
    targets.fileShots(game.level->liveEnemyBullets, game.enemyBullets.data(), firesShotDestroyer(game, state.player));
    targets.fileBackgrounds(state.visibleBackgrounds);
    targets.fileEnemies(state.onScreenEnemies, false);
    gatherEnemyBeams();
}

void PlayerShotHits::step(bullet& shot)
{
    const Ogre::Vector3 homing = homingTarget(shot);
    const int count = shot.speed > fastShotSpeed ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        if (homing == flight.target) {
            subStep(shot, dt / count, flight);
        } else {
            ShotStep own(homing);
            subStep(shot, dt / count, own);
        }
    }
}

Ogre::Vector3 PlayerShotHits::homingTarget(bullet& shot) const
{
    if (shot.state != bullet::stateFlying || !shot.isHoming)
        return flight.target;
    if (shot.isLockedOn) {
        if (shot.lockTarget && shot.lockTarget->status == Enemy::statusAlive)
            return targetPosition(*shot.lockTarget);
        shot.lockTarget = nullptr;
        shot.isLockedOn = 0;
        shot.changeDirectionType = straightFlight;
        shot.isChangingDirection = 1;
        return flight.target;
    }
    const Enemy* nearest = playState::findNearestEnemy(state.onScreenEnemies, shot.worldPosition());
    return nearest ? targetPosition(*nearest) : flight.target;
}

void PlayerShotHits::subStep(bullet& shot, double step, ShotStep& shots)
{
    // The outline is projected where the shot starts the sub-step; its
    // movement since the last projection sweeps the tests.
    if (shot.state == bullet::stateFlying)
        shots.project(shot);
    shots.advance(shot, step);
    if (!shot.obb || !isFlyingOnScreen(shot))
        return;
    if (hitEnemyShots(shot) || endsOnBackground(shot, targets))
        return;
    hitEnemies(shot);
}

bool PlayerShotHits::hitEnemyShots(bullet& shot)
{
    const bool destroysAll = shot.weapon && shot.weapon->isDestroyBullets;
    bool hasHit = false;
    CollisionResult result;
    for (std::int32_t number : targets.shotOutlines.near(*shot.obb)) {
        bullet& enemyShot = *targets.shotOf[static_cast<std::size_t>(number)];
        if (enemyShot.state != bullet::stateFlying || !(enemyShot.isDestructible || destroysAll))
            continue;
        Obb::collides(*shot.obb, *enemyShot.obb, shot.obb->movement - enemyShot.obb->movement, result);
        if (!result.willIntersect)
            continue;
        const std::string& cancelling = enemyShot.weapon ? enemyShot.weapon->cancelling : std::string();
        const std::string& item = !cancelling.empty() && !destroysAll
                                      ? cancelling
                                      : (shot.weapon ? shot.weapon->destroyedBulletItem : std::string());
        if (!item.empty())
            game.spawnItem(item, enemyShot.worldPosition());
        enemyShot.hit();
        if (enemyShot.hitPoints == 0) {
            if (shot.isInvincible)
                shot.playImpactSound();
            else
                shot.die(true, false);
        }
        hasHit = true;
        if (!shot.isInvincible)
            break;
    }
    return hasHit && !shot.isInvincible;
}

bool PlayerShotHits::mayTest(const bullet& shot, Enemy& enemy) const
{
    if (&enemy == shot.lastHitTarget || enemy.status != Enemy::statusAlive || !enemy.isCollideWBullets)
        return false;
    if (shot.isInvincible && shot.hitTargets.count(&enemy))
        return false;
    return !shot.isLockedOn || shot.lockTarget == &enemy;
}

void PlayerShotHits::hitEnemies(bullet& shot)
{
    candidates.clear();
    // Enemies from the one whose beam stopped the shot on are not reached.
    const std::size_t stopAt = enemyBeams.empty() ? noEnemy : hitEnemyBeams(shot);
    // The outlines come enemy by enemy, each enemy's in order: an enemy's
    // shortest contact is complete when the next enemy starts.
    EnemyContact best{nullptr, contactBound, false};
    Enemy* current = nullptr;
    bool isOpen = false;
    auto close = [&] {
        if (best.enemy)
            candidates.push_back(best);
        best = {nullptr, contactBound, false};
    };
    CollisionResult result;
    for (std::int32_t number : targets.enemyOutlines.near(*shot.obb)) {
        Enemy* enemy = targets.enemyOf[static_cast<std::size_t>(number)];
        if (enemy != current) {
            close();
            if (targets.enemyRankOf[static_cast<std::size_t>(number)] >= stopAt)
                break;
            current = enemy;
            isOpen = mayTest(shot, *enemy);
        }
        if (!isOpen)
            continue;
        const Obb& outline = targets.enemyOutlines.target(number);
        Obb::collidesWithContact(*shot.obb, outline, shot.obb->movement - outline.movement, result);
        const float length = result.minimumTranslationVector.squaredLength();
        if (result.willIntersect && length < best.length)
            best = {enemy, length, outline.isInvicible != 0};
    }
    close();
    if (candidates.empty())
        return;
    if (!shot.isInvincible) {
        EnemyContact nearest = candidates.front();
        for (const EnemyContact& candidate : candidates)
            if (candidate.length < nearest.length)
                nearest = candidate;
        candidates.assign(1, nearest);
    }
    for (const EnemyContact& candidate : candidates)
        applyEnemyContact(shot, candidate);
    endOrPass(shot);
}

void PlayerShotHits::applyEnemyContact(bullet& shot, const EnemyContact& candidate)
{
    Enemy& enemy = *candidate.enemy;
    if (candidate.isArmour) {
        enemy.hit(0, nullptr, Enemy::hitShot, shot.worldPosition(), false);
        if (!game.isBulletSpawnSfxOnInvincibleEnemy)
            armourSpark(shot);
        return;
    }
    shot.lastHitTarget = &enemy;
    if (shot.hitTargets.count(&enemy))
        return;
    enemy.hit(shot.damage, shot.weapon, shot.isLockedOn ? Enemy::hitLockedOnShot : Enemy::hitShot, shot.worldPosition(), false);
    if (shot.isInvincible)
        shot.hitTargets.insert(&enemy);
}

void PlayerShotHits::armourSpark(const bullet& shot)
{
    sfxManager* effects = game.level ? game.level->effects : nullptr;
    const Ogre::Camera* camera = playCameraOf(state, game);
    if (!effects || !camera)
        return;
    Ogre::Vector3 spark;
    projectToPlaneY(spark, shot.worldPosition(), armourSparkHeight, *camera);
    effects->emitParticleItem(spark);
}

const Ogre::Camera* playCameraOf(const playState& state, const Game& game)
{
    if (state.playCamera)
        return state.playCamera;
    Ogre::SceneManager* scene = game.sceneManager;
    return scene && scene->hasCamera("PlayCam") ? scene->getCamera("PlayCam") : nullptr;
}

