// The ship's state step of each frame.
#include "combat/Player.h"

void Player::updateState(double)
{
}
