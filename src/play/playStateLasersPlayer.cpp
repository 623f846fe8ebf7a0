// The player's laser beams against backgrounds, destroyable enemy shots and
// enemies.
#include "play/LaserHits.h"

#include "app/CameraProjection.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/ShotStep.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/HitTargets.h"
#include "play/Level.h"
#include "play/ShotHits.h"
#include "play/playState.h"
#include "world/Obb.h"
#include "world/sfxManager.h"

#include <OgreSceneNode.h>

PlayerLaserHits::PlayerLaserHits(playState& state, Game& game, double dt)
    : state(state), game(game), targets(state.hitTargets), dt(dt)
{
}

void PlayerLaserHits::step(const std::vector<Weapon*>& guns)
{
    for (Weapon* gun : guns)
        if (gun && gun->isLaser && !gun->beams.empty())
            stepGun(*gun);
}

Ogre::Vector3 PlayerLaserHits::aimOf(const Weapon& gun) const
{
    const bullet& last = *gun.beams.back();
    const Enemy* nearest = playState::findNearestEnemy(state.onScreenEnemies, last.worldPosition());
    if (!nearest || !nearest->sceneNode)
        return last.aimPoint;
    const Ogre::Vector3 enemy = nearest->sceneNode->_getDerivedPosition();
    const Ogre::Camera* camera = playCameraOf(state, game);
    if (!camera || !state.player || !state.player->sceneNode)
        return enemy;
    Ogre::Vector3 onPlane;
    projectToPlaneY(onPlane, enemy, state.player->sceneNode->_getDerivedPosition().y, *camera);
    return onPlane;
}

void PlayerLaserHits::stepGun(Weapon& gun)
{
    ShotStep flight(aimOf(gun));
    laserBeams::beginStep(gun, dt);
    bool hasHit = false;
    for (std::size_t k = 0; k < gun.beams.size(); ++k) {
        bullet& beam = *gun.beams[k];
        const int number = static_cast<int>(k);
        beam.obb->updateScreenPolygon();
        double step = dt;
        flight.advance(beam, step);
        if (beam.state == bullet::stateDying)
            continue;
        if (beam.isVisible)
            hasHit |= hitBackground(gun, number);
        hasHit |= hitEnemyShots(gun, number);
        hasHit |= hitEnemy(gun, number);
        if (laserBeams::releaseFinished(gun, k))
            break;
    }
    if (hasHit)
        laserBeams::flashImpact(gun);
    gun.updateLasers(dt);
}

bool PlayerLaserHits::hitBackground(Weapon& gun, int k)
{
    const Obb& beam = *gun.beams[static_cast<std::size_t>(k)]->obb;
    CollisionResult result;
    for (std::int32_t number : targets.backgroundOutlines.near(beam)) {
        const Obb& outline = targets.backgroundOutlines.target(number);
        Obb::collides(beam, outline, beam.movement, result);
        if (result.willIntersect) {
            state.testLaserHit(gun, k, outline);
            return true;
        }
    }
    return false;
}

bool PlayerLaserHits::hitEnemyShots(Weapon& gun, int k)
{
    bullet& beam = *gun.beams[static_cast<std::size_t>(k)];
    bool hasHit = false;
    CollisionResult result;
    for (std::int32_t number : targets.shotOutlines.near(*beam.obb)) {
        if (!isFlyingOnScreen(beam))
            break;
        bullet& enemyShot = *targets.shotOf[static_cast<std::size_t>(number)];
        if (!isFlyingOnScreen(enemyShot) || !(enemyShot.isDestructible || gun.isDestroyBullets))
            continue;
        Obb::collides(*beam.obb, *enemyShot.obb, beam.obb->movement - enemyShot.obb->movement, result);
        if (!result.willIntersect)
            continue;
        const std::string& cancelling = enemyShot.weapon ? enemyShot.weapon->cancelling : std::string();
        const std::string& item = !cancelling.empty() && !gun.isDestroyBullets ? cancelling : gun.destroyedBulletItem;
        if (!item.empty())
            game.spawnItem(item, enemyShot.worldPosition());
        state.testLaserHit(gun, k, *enemyShot.obb);
        enemyShot.hit();
        hasHit |= enemyShot.hitPoints == 0;
    }
    return hasHit;
}

bool PlayerLaserHits::hitEnemy(Weapon& gun, int k)
{
    bullet& beam = *gun.beams[static_cast<std::size_t>(k)];
    if (!isFlyingOnScreen(beam))
        return false;
    CollisionResult result;
    for (std::int32_t number : targets.enemyOutlines.near(*beam.obb)) {
        Enemy& enemy = *targets.enemyOf[static_cast<std::size_t>(number)];
        if (&enemy == beam.lastHitTarget || enemy.status != Enemy::statusAlive || !enemy.isCollideWBullets)
            continue;
        const Obb& outline = targets.enemyOutlines.target(number);
        Obb::collidesWithContact(*beam.obb, outline, beam.obb->movement - outline.movement, result);
        if (result.willIntersect) {
            applyEnemyHit(gun, k, enemy, outline);
            return true;
        }
    }
    return false;
}

void PlayerLaserHits::applyEnemyHit(Weapon& gun, int k, Enemy& enemy, const Obb& outline)
{
    bullet& beam = *gun.beams[static_cast<std::size_t>(k)];
    beam.lastHitTarget = &enemy;
    if (!outline.isInvicible) {
        enemy.hit(beam.damage, &gun, Enemy::hitShot, beam.worldPosition(), false);
        state.testLaserHit(gun, k, outline);
        return;
    }
    enemy.hit(0, nullptr, Enemy::hitShot, beam.worldPosition(), false);
    const Ogre::Vector3 cut = state.testLaserHit(gun, k, outline);
    sfxManager* effects = game.level ? game.level->effects : nullptr;
    if (!game.isBulletSpawnSfxOnInvincibleEnemy && effects)
        effects->emitParticleItem(cut);
}
