// The ship's death sequence.
#include "combat/Player.h"

void Player::updateDeath(double)
{
}
