// The ship's per-run state and its return to play.
#include "combat/Player.h"

void Player::resetRuntimeState()
{
}

void Player::respawn(bool)
{
}
