// The enemies' shots against backgrounds, blocking enemies and the player.
#include "play/ShotHits.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/Obb.h"
#include "world/sfxManager.h"

#include <OgreSceneNode.h>

namespace {

// The aim point leads the player by this many steps of its velocity.
constexpr float aimLead = 5.0f;

sfxManager* effectsOf(const Game& game)
{
    return game.level ? game.level->effects : nullptr;
}

void emitItemParticles(const Game& game, const Ogre::Vector3& position)
{
    if (sfxManager* effects = effectsOf(game))
        effects->emitParticleItem(position);
}

bool isPlaying(const Player* player)
{
    return player && player->status == Player::statusPlaying;
}

Ogre::Vector3 aimPoint(const Player* player, const Ogre::Vector3& target, double dt)
{
    if (!isPlaying(player))
        return target;
    return target + player->velocity * static_cast<float>(dt) * aimLead;
}

} // namespace

EnemyShotHits::EnemyShotHits(playState& state, Game& game, double dt, const Ogre::Vector3& target)
    : state(state), game(game), targets(state.hitTargets), dt(dt), flight(aimPoint(state.player, target, dt)),
      isPlayerOpen(isOpenToFire(state.player)),
      playerTest(game, targets, viewAspectRatio(state, game))
{
    targets.fileBackgrounds(state.visibleBackgrounds);
    targets.fileEnemies(state.onScreenEnemies, true);
    if (isPlayerOpen)
        targets.filePlayer(*state.player);
}

void EnemyShotHits::step(bullet& shot)
{
    double step = dt;
    flight.advance(shot, step);
    if (shot.state != bullet::stateFlying || !shot.obb)
        return;
    flight.project(shot);
    if (!shot.isVisible)
        return;
    if (endsOnBackground(shot, targets) || stopOnEnemies(shot))
        return;
    if (isPlayerOpen && isFlyingOnScreen(shot) && hitPlayer(shot))
        endShot(shot);
}

bool EnemyShotHits::stopOnEnemies(bullet& shot)
{
    const entity* owner = shot.weapon ? shot.weapon->templateObject : nullptr;
    for (std::int32_t number : targets.enemyOutlines.near(*shot.obb)) {
        const Enemy* enemy = targets.enemyOf[static_cast<std::size_t>(number)];
        if (enemy->status != Enemy::statusAlive || enemy == owner)
            continue;
        if (!meets(shot, targets.enemyOutlines.target(number)))
            continue;
        emitItemParticles(game, shot.worldPosition());
        endShot(shot);
        return true;
    }
    return false;
}

bool EnemyShotHits::meets(const bullet& shot, const Obb& outline) const
{
    CollisionResult result;
    Obb::collides(*shot.obb, outline, shot.obb->movement - outline.movement, result);
    return result.willIntersect;
}

void EnemyShotHits::endShot(bullet& shot)
{
    if (shot.isInvincible)
        shot.spawnImpactParticles();
    else
        shot.die(true, false);
}

bool EnemyShotHits::hitPlayer(bullet& shot)
{
    Player& player = *state.player;
    const PlayerContact contact = playerTest.find(player, *shot.obb, false);
    switch (contact.kind) {
    case PlayerContact::Kind::none:
        return false;
    case PlayerContact::Kind::forceField:
        emitItemParticles(game, shot.worldPosition());
        absorbOnForceField(player, shot.weapon ? shot.weapon->damage : 0);
        return true;
    case PlayerContact::Kind::armour:
        if (game.isBulletSpawnSfxOnInvinciblePlayer)
            emitItemParticles(game, shot.worldPosition());
        return true;
    case PlayerContact::Kind::ship:
        break;
    }
    player.hit(shot.damage, Enemy::hitShot, shot.worldPosition());
    sfxManager* effects = effectsOf(game);
    if (game.isAnyImpactSpawnParticles && effects && contact.outline->sceneNode)
        effects->emitSparks(contact.outline->sceneNode->_getDerivedPosition());
    return true;
}

float viewAspectRatio(const playState& state, const Game& game)
{
    return state.camera ? state.camera->aspectRatio : game.aspectRatio;
}
