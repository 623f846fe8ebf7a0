// The play state's fixed steps of the shots in flight.
#include "play/playState.h"

#include "combat/ShotStep.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/Level.h"

namespace {

template <std::size_t Count>
void stepLiveShots(ShotList& live, const std::array<bullet*, Count>& records, double dt,
                   const Ogre::Vector3& target)
{
    // The records of a step share its view of the camera, the homing point
    // and the transform of the node they hang under.
    ShotStep shots(target);
    for (auto it = live.begin(); it != live.end();) {
        bullet* record = records[static_cast<std::size_t>(*it)];
        // Each record gets the whole step: a flight may shorten its own.
        double step = dt;
        shots.advance(*record, step);
        it = record->state == bullet::stateFree ? live.erase(it) : std::next(it);
    }
}

} // namespace

void playState::updateEnemyBullets(double dt, const Ogre::Vector3& target)
{
    Game& game = *Game::getSingletonPtr();
    if (game.level)
        stepLiveShots(game.level->liveEnemyBullets, game.enemyBullets, dt, target);
}

void playState::updatePlayerBullets(double dt, const Ogre::Vector3& target)
{
    Game& game = *Game::getSingletonPtr();
    if (game.level)
        stepLiveShots(game.level->livePlayerBullets, game.playerBullets, dt, target);
}
