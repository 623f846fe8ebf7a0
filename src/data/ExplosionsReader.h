// Reads "gamebox.explosions" into the explosions library: per top-level
// "explosion", its head and one element per "EXPL" child, in file order.
#pragma once

#include "core/effects/ExplosionElement.h"

#include <string>

// Frees the head and the elements of one explosion of the library.
void freeExplosion(explosionDefinition& explosion);

// A later explosion of the same name replaces the earlier one.
void loadExplosionsGamebox(std::string fileName, std::string group, explosionLibraryMap& library);
