// The lock-on guns' targets: while a press starts a lock-on gun's cycle, the
// nearest enemies on screen that shots can hit are locked, nearest first, as
// many times each as the game allows per enemy and all together at most the
// game's lock maximum; the lock sound plays, the full-lock sound when the
// maximum is reached.
#include "combat/Player.h"

#include "app/AudioService.h"
#include "combat/Enemy.h"
#include "combat/Weapon.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playState.h"

#include <OgreSceneNode.h>

#include <algorithm>
#include <utility>

namespace {

// The lock sounds play at their library volume.
constexpr float libraryVolume = 0.0f;

// A locked shot can hit only its target: the target must take shots.
bool isLockable(const Enemy& enemy)
{
    return enemy.status == Enemy::statusAlive && !enemy.isHidden && enemy.isCollideWBullets && !enemy.outlines.empty()
           && enemy.sceneNode;
}

std::vector<Enemy*> nearestFirst(const std::vector<Enemy*>& onScreen, const Ogre::Vector3& from)
{
    std::vector<std::pair<float, Enemy*>> found;
    for (Enemy* enemy : onScreen)
        if (enemy && isLockable(*enemy))
            found.emplace_back(from.squaredDistance(enemy->sceneNode->_getDerivedPosition()), enemy);
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Enemy*> enemies;
    for (const auto& entry : found)
        enemies.push_back(entry.second);
    return enemies;
}

} // namespace

// Until its cycle reaches its shooting state a held gun looks for targets.
bool Player::isLockStarting(const Weapon& gun, bool fire)
{
    return gun.isLockOn && (fire || gun.isAutoShoot) && gun.cycleState < Weapon::cycleShooting
           && gun.lockTargets.empty();
}

void Player::lockOn(Weapon& gun)
{
    if (!sceneNode || !level || !level->state)
        return;
    const Game& game = *Game::getSingletonPtr();
    const std::vector<Enemy*> enemies = nearestFirst(level->state->onScreenEnemies, sceneNode->_getDerivedPosition());
    const std::size_t most = static_cast<std::size_t>(std::max(game.lockMax, 0));
    std::vector<entity*> locks;
    for (int round = 0; round < game.lockMaxPerEnemy && locks.size() < most && !enemies.empty(); ++round)
        for (std::size_t i = 0; i < enemies.size() && locks.size() < most; ++i)
            locks.push_back(enemies[i]);
    if (locks.empty())
        return;
    // The gun takes its targets from the back: the nearest is fired at first.
    std::reverse(locks.begin(), locks.end());
    gun.lockOn(locks);
    playSound(locks.size() == most ? game.lockMaxSoundName : game.lockSoundName, libraryVolume, noSoundPosition,
              false);
}
