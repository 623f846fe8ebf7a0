// The intro flight and the moves triggers script.
#include "combat/Player.h"

void Player::updateIntro(double)
{
}

void Player::updateTimedMove(double)
{
}
