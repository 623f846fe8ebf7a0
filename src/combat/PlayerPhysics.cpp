// The ship's Bullet body in the level's world.
#include "combat/Player.h"

void Player::createPhysicsBody()
{
}

void Player::destroyPhysicsBody()
{
}

void Player::syncScale()
{
}

void Player::syncPhysicsTransform()
{
}

void Player::syncFromPhysics()
{
}

void Player::checkPhysicsContacts(double)
{
}
