// Putting the level back to its start: shots, items, waves, backgrounds,
// triggers and placed effects.
#include "play/playState.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/GameCamera.h"
#include "world/Item.h"
#include "world/Trigger.h"
#include "world/background.h"
#include "world/sfx.h"

#include <OgreSceneNode.h>

namespace {

// Shots cast their path into the physics world only when a solid background
// can stop them.
bool hasSolidBackground(const std::vector<background*>& backgrounds)
{
    for (const background* scenery : backgrounds)
        if (scenery && scenery->collisionType != collisionNone && !scenery->isDisabled)
            return true;
    return false;
}

void resetBackgrounds(Level& level)
{
    Game& game = *Game::getSingletonPtr();
    for (background* scenery : level.backgrounds)
        if (scenery)
            scenery->updateObbPositions();
    game.isBulletPhysics = hasSolidBackground(level.backgrounds);
    level.flagAllItemDefinitions();
    for (background* scenery : level.backgrounds)
        if (scenery)
            scenery->updateObbScreenPolygons();
}

// A node placed anew by a reset: its derived place is worked out again
// from the new one before anything reads it.
void refreshNode(Ogre::SceneNode* node)
{
    if (node)
        node->needUpdate();
}

// A checkpoint passed before the reset no longer places the ship: it comes
// back where the level starts it.
void forgetCheckpointPlaces(Player& player)
{
    player.respawnPosition = player.pos;
    player.restartPosition = player.pos;
}

// Scripted control by triggers ends with the level's start: the ship is
// neither held, nor moved, nor kept from shooting or bombing.
void releaseScriptedControl(Player& player)
{
    player.isFrozen = false;
    player.isNoShooting = false;
    player.isNoSmartBomb = false;
    player.isBeingMoved = false;
}

void resetWaves(const std::vector<Wave*>& waves)
{
    for (Wave* wave : waves) {
        if (!wave)
            continue;
        wave->reset();
        if (!wave->members.empty() && wave->members.front())
            refreshNode(wave->members.front()->sceneNode);
        wave->setVisible(!wave->isHiddenWhenSleeping);
        if (wave->isHiddenEnemy)
            wave->setVisible(false);
    }
}

void resetItems(const std::vector<Item*>& levelItems)
{
    // A freed pool item names no pickup until it is dropped again.
    for (Item* pooled : Game::getSingletonPtr()->itemPool)
        if (pooled) {
            pooled->stopParticles();
            pooled->screenName.clear();
        }
    for (Item* item : levelItems) {
        if (!item)
            continue;
        item->reset();
        refreshNode(item->sceneNode);
        item->setVisible(true);
    }
}

} // namespace

void playState::resetLevelState(bool /*keepFlag*/)
{
    Game& game = *Game::getSingletonPtr();
    Level* level = game.level;
    if (level && level->bulletBatch)
        level->bulletBatch->clear();
    if (game.player) {
        forgetCheckpointPlaces(*game.player);
        game.player->respawn(true);
        releaseScriptedControl(*game.player);
    }
    resetMap.clear();
    game.consecutiveKills = 0;
    isSpriteReset = true;

    cancelEnemyBullets(false, false, false, "Item6_Gold");
    clearPlayerBullets();
    // Every record is made free before the stacks are refilled: a record
    // left dying would push its index a second time when it finishes.
    if (level)
        level->resetShotPools();

    resetItems(items);
    resetWaves(waves);
    countWaves();
    if (level)
        resetBackgrounds(*level);
    for (Trigger* trigger : triggers)
        if (trigger)
            trigger->reset();
    buildTriggerUpdateList();
    if (level && level->placedEffects)
        for (sfx* effect : *level->placedEffects)
            if (effect)
                effect->restart();
    if (camera)
        camera->restartPath();
}
