// What the two screen fades draw with: their overlays and materials, found by
// name (a missing one is logged once), and the alpha their programs take.
#pragma once

#include <OgreMaterial.h>

#include <string>

namespace Ogre {
class Overlay;
}

class Game;

// Null when the game lacks the overlay.
Ogre::Overlay* findFadeOverlay(Game& game, const std::string& name);
// Null when the game lacks the material (in any group).
Ogre::MaterialPtr findFadeMaterial(Game& game, const std::string& name);

// The fragment constant "alpha" of the material's first pass, when its
// program takes it.
void setFadeAlpha(const Ogre::MaterialPtr& material, float alpha);

// How far the fade is on its way to its end state (0 to 1): from black down
// for a fade in, from clear up for a fade out.
double fadeProgress(bool fadingIn, double remaining, double duration);
