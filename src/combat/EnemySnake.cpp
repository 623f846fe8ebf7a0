// A snake's body: its segments' nodes, meshes or sprites, outlines and the
// seeded track, built once and destroyed with the enemy's graphics.
#include "combat/Enemy.h"

void Enemy::createVisuals() {}

void Enemy::destroySnakeBody() {}
