// The play flow's clean-ups of shots and enemy guns: at the end of a level,
// at game over and when the player comes back after a death.
#include "play/playState.h"

#include "app/AudioService.h"
#include "combat/Enemy.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/LaserHits.h"

#include <OgreSceneNode.h>

namespace {

constexpr std::uint32_t waveDone = 3;

// A beam of a running wave outlives the shots it fired otherwise.
void stopRunningLasers(const std::vector<Wave*>& waves)
{
    for (Wave* wave : waves) {
        if (!wave || wave->status == waveDone)
            continue;
        for (Enemy* member : wave->members) {
            const std::vector<Weapon*>* guns = member ? currentGuns(*member) : nullptr;
            if (!guns)
                continue;
            for (Weapon* gun : *guns)
                if (gun && gun->isLaser && gun->isFiring)
                    gun->stopLasers();
        }
    }
}

} // namespace

void playState::cancelEnemyBullets(bool dropItems, bool withEffects, bool all, const std::string& itemName)
{
    Game& game = *Game::getSingletonPtr();
    bool isAnyEnded = false;
    for (bullet* record : game.enemyBullets) {
        if (!record || record->state != bullet::stateFlying)
            continue;
        if (dropItems && !itemName.empty() && (record->isCancellable || all))
            game.spawnItem(itemName, record->worldPosition());
        if (withEffects && !record->isCancellable && !all)
            continue;
        record->die(withEffects, false);
        isAnyEnded = true;
    }
    if (withEffects && isAnyEnded)
        playSound(game.cancelSoundName, 0.0f, noSoundPosition, false);
    stopRunningLasers(waves);
}

void playState::stopEnemyWeapons()
{
    for (Wave* wave : waves) {
        if (!wave)
            continue;
        for (Enemy* member : wave->members) {
            if (!member)
                continue;
            for (std::vector<Weapon*>& set : member->weaponSets)
                for (Weapon* gun : set)
                    if (gun) {
                        gun->fadeOutSound();
                        gun->resetFiring();
                    }
        }
    }
}

void playState::clearPlayerBullets()
{
    for (bullet* record : Game::getSingletonPtr()->playerBullets) {
        if (!record || record->state != bullet::stateFlying)
            continue;
        record->die(false, false);
        record->destroyRibbonTrail();
        // A shot riding the camera rig keeps its place in it.
        const bool isKeptAttached = record->weapon && record->weapon->isAttachedToCamera;
        if (!isKeptAttached && record->isNodePlaced())
            record->node->getParent()->removeChild(record->node);
    }
}
