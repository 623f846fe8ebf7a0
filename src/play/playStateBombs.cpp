// The screen-wide bomb, its timer, the direct hit of every enemy on screen
// and the cancelling of enemy shots.
#include "play/playState.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/PlayerPosition.h"
#include "world/sfxManager.h"

#include <OgreSceneNode.h>

namespace {

// Enemies hold fire this long after their shots were cancelled for score.
constexpr float cancelNoFireSeconds = 0.05f;

} // namespace

Ogre::Vector3 playerPosition(const Player& player)
{
    return player.sceneNode ? player.sceneNode->_getDerivedPosition() : player.position;
}

void playState::damageAllEnemies(bool cancelBullets, bool cancelAll, const std::string& cancelItemName, int damage,
                                 bool showEffect, bool clearCoolDown)
{
    Game& game = *Game::getSingletonPtr();
    game.smartBombTime = static_cast<float>(game.smartBombDuration);
    game.smartBombCoolDown = game.smartBombCoolDownDuration;
    game.isBombCancelling = cancelBullets;
    game.bombDamage = damage;
    game.isBombEffect = showEffect;
    if (clearCoolDown)
        game.smartBombCoolDown = 0.0f;
    if (cancelBullets)
        cancelBulletsForScore(cancelItemName, cancelAll);
    if (showEffect && game.player) {
        if (game.level && game.level->effects)
            game.level->effects->spawnAtPlayPlane(playerPosition(*game.player));
        if (cancelBullets)
            game.enemyFirePause = game.smartBombNoShootTime;
        if (game.smartBombInvincibleTime > game.player->invincibilityTime)
            game.player->invincibilityTime = static_cast<float>(game.smartBombInvincibleTime);
    }
    hitOnScreenEnemies(game.bombDamage);
}

void playState::updateBombTimer(double dt)
{
    Game& game = *Game::getSingletonPtr();
    game.smartBombTime -= static_cast<float>(dt);
    if (game.smartBombTime < 0.0f) {
        game.smartBombTime = 0.0f;
        game.isBombCancelling = false;
    }
    // No chain builds up while a bomb runs.
    if (game.isSmartBombsBreakMultiplier) {
        game.multiplier = 1.0;
        game.chainScoreCounters = {0, 0};
    }
}

void playState::hitOnScreenEnemies(int damage)
{
    collectActiveEnemies();
    for (Enemy* enemy : onScreenEnemies)
        if (!enemy->outlines.empty() && !enemy->isAllOutlinesInvincible)
            enemy->hit(damage, nullptr, Enemy::hitBomb, enemy->position, false);
}

void playState::cancelBulletsForScore(const std::string& itemName, bool cancelAll)
{
    Game::getSingletonPtr()->enemyFirePause = cancelNoFireSeconds;
    cancelEnemyBullets(true, true, cancelAll, itemName);
}
