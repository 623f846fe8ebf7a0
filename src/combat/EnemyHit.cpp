// Damage taken by an enemy: the hit rules and cool-downs, the chain and
// gauge, the hit flash and the life bars.
#include "combat/Enemy.h"

void Enemy::hit(std::int32_t, Weapon*, std::int32_t, const Ogre::Vector3&, bool) {}

void Enemy::updateLifeBar(std::int32_t) {}

void Enemy::showLifeBar() {}

void Enemy::flashHit(const Ogre::ColourValue&) {}

void Enemy::clearFlash() {}
