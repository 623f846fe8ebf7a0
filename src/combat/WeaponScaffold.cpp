// Stand-ins for the gun's effects, sounds and beams until their own code
// arrives; each does nothing.
#include "combat/Weapon.h"

void Weapon::createEffects(const Weapon*, bool) {}
void Weapon::resetParticles() {}
void Weapon::destroyParticles() {}
void Weapon::fadeOutSound() {}
void Weapon::fireLaser(const Ogre::Vector3&, const Ogre::Vector3&) {}
void Weapon::updateLasers(double) {}
void Weapon::stopLasers() {}
void Weapon::createLaserEffects() {}
void Weapon::destroyLaserEffects() {}
