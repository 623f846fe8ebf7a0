// Keeping the ship inside the view.
#include "combat/Player.h"

void Player::isInsideScreen(const Ogre::Vector3&)
{
}
