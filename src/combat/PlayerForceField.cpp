// The force field an item gives the ship: it absorbs hits or makes the ship
// untouchable for a while.
#include "combat/Player.h"

void Player::startForceField(float duration, int fieldLife, const std::string& particleName,
                             const std::string& endSound, float endVolume, const std::string& hitSound,
                             float hitVolume)
{
    forceField.isActive = true;
    forceField.life = fieldLife;
    forceField.duration = duration;
    forceField.durationLeft = duration;
    forceField.particleName = particleName;
    forceField.endSound = endSound;
    forceField.endVolume = endVolume;
    forceField.hitSound = hitSound;
    forceField.hitVolume = hitVolume;
}

void Player::absorbForceFieldHit()
{
}

void Player::updateForceField(double)
{
}

void Player::endForceField()
{
}
