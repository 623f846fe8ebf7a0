// Copying a library definition into the ship.
#include "combat/Player.h"

void Player::setupFromDefinition(const Player*, bool)
{
}
