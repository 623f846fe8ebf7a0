// The ship's look: its mesh or sprite plane, layer, visibility and colour.
#include "combat/Player.h"

void Player::loadMesh(const std::string&)
{
}

void Player::setColour(const Ogre::ColourValue&)
{
}

void Player::setSfxEmitting(bool)
{
}
