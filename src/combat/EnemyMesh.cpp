// The enemy's scene objects: the main mesh or sprite plane, the rotor
// meshes, the start particles and the physics body; its visibility, render
// queues, on-screen test and outlines.
#include "combat/Enemy.h"

void Enemy::loadMesh() {}

void Enemy::createMesh() {}

void Enemy::destroyMesh() {}

void Enemy::destroyGraphics() {}

void Enemy::setVisible(bool) {}

void Enemy::setLayer(std::uint8_t) {}

bool Enemy::testOnScreen()
{
    return false;
}

void Enemy::updateCollisionBoxes() {}

void Enemy::createRotorMeshes() {}

void Enemy::destroyRotorMeshes() {}

void Enemy::createStartParticles() {}

void Enemy::destroyStartParticles() {}

void Enemy::destroyPhysicsBody() {}
