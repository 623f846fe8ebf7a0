// Scaffold: replaced by the death of a shot. Until then a death only ends
// the flight, so that the flight and the pools can run.
#include "combat/bullet.h"

void bullet::die(bool, bool)
{
    corners.fill(Ogre::Vector3::ZERO);
    state = stateDying;
    dyingTime = 0.1;
    velocity = Ogre::Vector3::ZERO;
    elapsed = offscreenTime = 0.0;
    isHoming = isLockedOn = isSpeedChange1Done = 0;
    lockTarget = nullptr;
}
void bullet::hit() {}
void bullet::playImpactSound() {}
void bullet::spawnImpactParticles() {}
void bullet::spawnCancelParticles() {}
