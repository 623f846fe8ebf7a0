// A level's wave made from a library definition: the values the definition
// decides, member 0 of the definition's class, and its place in the scene.
#include "combat/Wave.h"

void Wave::copyFromTemplate() {}

void Wave::createMembers() {}

void Wave::placeInstance() {}

void Wave::replaceMemberWithEnemy() {}

void Wave::replaceMemberWithTank() {}

void Wave::copyMembers() {}
