// The enemies' laser beams against blocking enemies, backgrounds and the
// player.
#include "play/LaserHits.h"

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

namespace {

sfxManager* effectsOf(const Game& game)
{
    return game.level ? game.level->effects : nullptr;
}

bool meets(const Obb& beam, const Obb& outline, const Ogre::Vector2& velocity)
{
    CollisionResult result;
    Obb::collidesWithContact(beam, outline, velocity, result);
    return result.willIntersect;
}

} // namespace

EnemyLaserHits::EnemyLaserHits(playState& state, Game& game, double dt, const Ogre::Vector3& target)
    : state(state), game(game), targets(state.hitTargets), dt(dt), playerTarget(target),
      isPlayerOpen(isOpenToFire(state.player)), playerTest(game, targets, viewAspectRatio(state, game))
{
}

void EnemyLaserHits::step()
{
    for (Enemy* enemy : state.onScreenEnemies) {
        const std::vector<Weapon*>* guns = currentGuns(*enemy);
        if (!guns)
            continue;
        for (Weapon* gun : *guns)
            if (gun && gun->isLaser)
                stepGun(*gun);
    }
}

void EnemyLaserHits::stepGun(Weapon& gun)
{
    if (gun.beams.empty()) {
        gun.stopLasers();
        return;
    }
    laserBeams::beginStep(gun, dt);
    bool hasHit = false;
    for (std::size_t k = 0; k < gun.beams.size(); ++k) {
        bullet& beam = *gun.beams[k];
        const int number = static_cast<int>(k);
        beam.obb->updateScreenPolygon();
        ShotStep flight(state.player && state.player->status == Player::statusPlaying ? playerTarget : beam.aimPoint);
        double step = dt;
        flight.advance(beam, step);
        hasHit |= stopOnEnemies(gun, number);
        hasHit |= stopOnBackground(gun, number);
        hasHit |= isPlayerOpen && hitPlayer(gun, number);
        if (laserBeams::releaseFinished(gun, k))
            break;
    }
    if (hasHit)
        laserBeams::flashImpact(gun);
    if (gun.beams.empty())
        gun.stopLasers();
    else
        gun.updateLasers(dt);
}

bool EnemyLaserHits::stopOnEnemies(Weapon& gun, int k)
{
    const bullet& beam = *gun.beams[static_cast<std::size_t>(k)];
    if (!isFlyingOnScreen(beam))
        return false;
    for (std::int32_t number : targets.enemyOutlines.near(*beam.obb)) {
        const Enemy* enemy = targets.enemyOf[static_cast<std::size_t>(number)];
        // A gun's beam never stops on the enemy that carries it.
        if (enemy->status != Enemy::statusAlive || enemy == gun.templateObject)
            continue;
        const Obb& outline = targets.enemyOutlines.target(number);
        if (!meets(*beam.obb, outline, beam.obb->movement - outline.movement))
            continue;
        const Ogre::Vector3 cut = state.testLaserHit(gun, k, outline);
        if (sfxManager* effects = effectsOf(game))
            effects->emitParticleItem(cut);
        return true;
    }
    return false;
}

bool EnemyLaserHits::stopOnBackground(Weapon& gun, int k)
{
    const bullet& beam = *gun.beams[static_cast<std::size_t>(k)];
    if (!isFlyingOnScreen(beam))
        return false;
    for (std::int32_t number : targets.backgroundOutlines.near(*beam.obb)) {
        const Obb& outline = targets.backgroundOutlines.target(number);
        if (meets(*beam.obb, outline, beam.obb->movement)) {
            state.testLaserHit(gun, k, outline);
            return true;
        }
    }
    return false;
}

bool EnemyLaserHits::hitPlayer(Weapon& gun, int k)
{
    const bullet& beam = *gun.beams[static_cast<std::size_t>(k)];
    if (!isFlyingOnScreen(beam))
        return false;
    Player& player = *state.player;
    const PlayerContact contact = playerTest.find(player, *beam.obb, true);
    if (contact.kind == PlayerContact::Kind::none)
        return false;
    const Ogre::Vector3 cut = state.testLaserHit(gun, k, *contact.outline);
    sfxManager* effects = effectsOf(game);
    switch (contact.kind) {
    case PlayerContact::Kind::forceField:
        if (effects)
            effects->emitParticleItem(cut);
        absorbOnForceField(player, gun.damage);
        break;
    case PlayerContact::Kind::armour:
        if (game.isBulletSpawnSfxOnInvinciblePlayer && effects)
            effects->emitSparks(cut);
        break;
    default:
        if (game.isAnyImpactSpawnParticles && effects && contact.outline->sceneNode)
            effects->emitSparks(contact.outline->sceneNode->_getDerivedPosition());
        player.hit(beam.damage, Enemy::hitShot, beam.worldPosition());
        break;
    }
    return true;
}
