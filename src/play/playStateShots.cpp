// The play state's fixed steps of the shots in flight and their hits.
#include "play/playState.h"

#include "combat/Player.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/LaserHits.h"
#include "play/Level.h"
#include "play/LiveShotSteps.h"
#include "play/ShotHits.h"

#include <OgreMath.h>

void playState::updateEnemyBullets(double dt, const Ogre::Vector3& target)
{
    Game& game = *Game::getSingletonPtr();
    if (!game.level)
        return;
    game.nearestEnemyShotDistance = farAwaySquared;
    EnemyShotHits hits(*this, game, dt, target);
    EnemyLaserHits(*this, game, dt, target).step();
    stepLiveShots(game.level->liveEnemyBullets, game.enemyBullets, [&](bullet& shot) { hits.step(shot); });
    game.nearestEnemyShotDistance = Ogre::Math::Sqrt(game.nearestEnemyShotDistance);
}

void playState::updatePlayerBullets(double dt, const Ogre::Vector3& target)
{
    Game& game = *Game::getSingletonPtr();
    // A ship without any weapon set holds its shots where they are.
    if (!game.level || (player && player->weaponSets.empty()))
        return;
    PlayerShotHits hits(*this, game, dt, target);
    if (player)
        if (const std::vector<Weapon*>* guns = player->activeWeaponSet())
            PlayerLaserHits(*this, game, dt).step(*guns);
    stepLiveShots(game.level->livePlayerBullets, game.playerBullets, [&](bullet& shot) { hits.step(shot); });
}
