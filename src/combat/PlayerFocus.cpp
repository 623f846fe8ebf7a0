// Focus mode and the gauge weapon's timer.
#include "combat/Player.h"

void Player::updateFocus(double)
{
}
