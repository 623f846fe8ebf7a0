// The player's shots against the destroyable laser beams of the enemies on
// screen: a beam that a shot meets breaks, and drops its gun's cancel item.
#include "play/ShotHits.h"

#include "combat/Enemy.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/LaserHits.h"
#include "play/playState.h"
#include "world/Obb.h"

void PlayerShotHits::gatherEnemyBeams()
{
    const std::vector<Enemy*>& enemies = state.onScreenEnemies;
    for (std::size_t rank = 0; rank < enemies.size(); ++rank) {
        const Enemy& enemy = *enemies[rank];
        const std::vector<Weapon*>* guns = currentGuns(enemy);
        if (!guns)
            continue;
        for (const Weapon* gun : *guns)
            if (gun && gun->isLaser)
                for (bullet* beam : gun->beams)
                    if (beam && beam->obb && beam->isDestructible)
                        enemyBeams.push_back({rank, gun, beam});
    }
}

std::size_t PlayerShotHits::hitEnemyBeams(bullet& shot)
{
    const Weapon* passedGun = nullptr;
    CollisionResult result;
    for (const EnemyBeam& entry : enemyBeams) {
        bullet& beam = *entry.beam;
        // A passing shot breaks one beam of a gun and goes on with the next gun.
        if (entry.gun == passedGun || beam.state != bullet::stateFlying)
            continue;
        if (state.onScreenEnemies[entry.rank]->status != Enemy::statusAlive)
            continue;
        Obb::collides(*shot.obb, *beam.obb, shot.obb->movement - beam.obb->movement, result);
        if (!result.willIntersect)
            continue;
        if (!entry.gun->cancelling.empty())
            game.spawnItem(entry.gun->cancelling, beam.worldPosition(), 1, 0, 0.0f, true);
        beam.die(true, false);
        if (!shot.isInvincible) {
            shot.die(true, false);
            return entry.rank;
        }
        shot.playImpactSound();
        shot.spawnImpactParticles();
        passedGun = entry.gun;
    }
    return noEnemy;
}
