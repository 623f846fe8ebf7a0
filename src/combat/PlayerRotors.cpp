// The ship's rotating parts: built, turned and destroyed.
#include "combat/Player.h"

void Player::createRotor()
{
}

void Player::destroyRotors()
{
}

void Player::turnRotors(double)
{
}
