// Putting the level back to its start: shots, items, waves, backgrounds,
// triggers and placed effects.
#include "play/playState.h"

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

void resetWaves(const std::vector<Wave*>& waves)
{
    for (Wave* wave : waves) {
        if (!wave)
            continue;
        wave->reset();
        wave->setVisible(!wave->isHiddenWhenSleeping);
        if (wave->isHiddenEnemy)
            wave->setVisible(false);
    }
}

void resetItems(const std::vector<Item*>& levelItems)
{
    for (Item* pooled : Game::getSingletonPtr()->itemPool)
        if (pooled)
            pooled->stopParticles();
    for (Item* item : levelItems) {
        if (!item)
            continue;
        item->reset();
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
    if (game.player)
        game.player->respawn(true);
    game.consecutiveKills = 0;

    cancelEnemyBullets(false, false, false, "Item6_Gold");
    clearPlayerBullets();
    // Every record is made free before the stacks are refilled: a record
    // left dying would push its index a second time when it finishes.
    if (level)
        level->resetShotPools();

    resetItems(items);
    resetWaves(waves);
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
