// Firing the active weapon set by the held shoot buttons.
#include "combat/Player.h"

void Player::setShootingDisabled(bool disabled)
{
    if (isNoShooting == disabled)
        return;
    isNoShooting = disabled;
}

void Player::shoot(double)
{
}
