// Scaffold: replaced by the trails of a shot.
#include "combat/bullet.h"

void bullet::createTrail() {}
void bullet::createRibbonTrail() {}
void bullet::scaleParticles(Ogre::ParticleSystem*, const std::string&) {}
