// Scaffold: replaced by the flight of a shot.
#include "combat/bullet.h"

void bullet::update(double& /*dt*/, const Ogre::Vector3& /*target*/) {}
