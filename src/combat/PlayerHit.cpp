// How the ship takes damage and dies.
#include "combat/Player.h"

#include "core/Game.h"

void Player::setLife(int newLife)
{
    Game& game = *Game::getSingletonPtr();
    game.currentLife = newLife < game.maxEnergy ? newLife : game.maxEnergy;
    if (game.currentLife > 0)
        return;
    game.currentLife = 0;
    status = statusDying;
}

void Player::hit(std::int32_t, std::int32_t, const Ogre::Vector3&)
{
}
