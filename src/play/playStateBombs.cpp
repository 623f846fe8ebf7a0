// The screen-wide bomb and the cancelling of enemy shots.
#include "play/playState.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/PlayerPosition.h"
#include "world/sfxManager.h"

#include <OgreSceneNode.h>

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
    hitOnScreenEnemies(damage);
}

void playState::cancelBulletsForScore(const std::string& itemName, bool cancelAll)
{
    Game::getSingletonPtr()->enemyFirePause = 0.05f;
    cancelEnemyBullets(true, cancelAll, true, itemName);
}

void playState::hitOnScreenEnemies(int damage)
{
    collectActiveEnemies();
    // A hit never kills here (the wave does), so the list holds still.
    for (Enemy* enemy : onScreenEnemies) {
        if (enemy->outlines.empty() || enemy->isAllOutlinesInvincible)
            continue;
        enemy->hit(damage, nullptr, Enemy::hitBomb, enemy->getPosition(), false);
    }
}
