#include "play/HitTargets.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/bullet.h"
#include "play/ShotList.h"
#include "world/Obb.h"
#include "world/background.h"

void HitTargets::fileEnemies(const std::vector<Enemy*>& enemies, bool onlyBlocking)
{
    enemyOutlines.clear();
    enemyOf.clear();
    enemyRankOf.clear();
    for (std::size_t rank = 0; rank < enemies.size(); ++rank) {
        Enemy* enemy = enemies[rank];
        if (onlyBlocking && !enemy->isCollideWEnemyBullets)
            continue;
        for (const Obb* outline : enemy->outlines)
            if (outline) {
                enemyOutlines.add(*outline);
                enemyOf.push_back(enemy);
                enemyRankOf.push_back(rank);
            }
    }
}

void HitTargets::fileBackgrounds(const std::vector<background*>& backgrounds)
{
    backgroundOutlines.clear();
    for (const background* scenery : backgrounds)
        for (const Obb* outline : scenery->obbs)
            if (outline && !outline->outline.empty())
                backgroundOutlines.add(*outline);
}

void HitTargets::fileShots(const ShotList& live, bullet* const* records, bool isAnyShotHittable)
{
    shotOutlines.clear();
    shotOf.clear();
    for (std::int32_t index : live) {
        bullet* shot = records[index];
        if (shot->state == bullet::stateFlying && shot->obb && (shot->isDestructible || isAnyShotHittable)) {
            shotOutlines.add(*shot->obb);
            shotOf.push_back(shot);
        }
    }
}

void HitTargets::filePlayer(const Player& player)
{
    playerOutlines.clear();
    playerOutlineIndex.clear();
    for (std::size_t i = 0; i < player.outlines.size(); ++i)
        if (player.outlines[i]) {
            playerOutlines.add(*player.outlines[i]);
            playerOutlineIndex.push_back(static_cast<std::int32_t>(i));
        }
}

bool endsOnBackground(bullet& shot, HitTargets& targets)
{
    if (shot.isInvincible)
        return false;
    CollisionResult result;
    for (std::int32_t number : targets.backgroundOutlines.near(*shot.obb)) {
        Obb::collides(*shot.obb, targets.backgroundOutlines.target(number), shot.obb->movement, result);
        if (result.willIntersect) {
            shot.die(true, false);
            return true;
        }
    }
    return false;
}
