// Scaffold: replaced by the death of a shot.
#include "combat/bullet.h"

void bullet::die(bool, bool) {}
void bullet::hit() {}
void bullet::playImpactSound() {}
void bullet::spawnImpactParticles() {}
void bullet::spawnCancelParticles() {}
