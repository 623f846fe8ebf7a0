// The look of the enemy life bar: how much of its top layer a boss bar
// fills, which colours its two fill panels take, and the easing of its
// fading and opening.
#pragma once

#include <OgreColourValue.h>

#include <array>

class Game;

struct LifeBarColours {
    Ogre::ColourValue life;
    Ogre::ColourValue life2;
    // The second fill panel shows the layer below the top one.
    bool isLife2Shown;
};

// The layers a boss bar fills at the share of hit points drawn: its number
// of layers (kept within 1 and 4) times the share.
float bossBarFill(int layers, float shown);
// The share of the top layer at that fill: full at a whole layer.
float topLayerShare(float fill);
// The two fill colours of a bar of stacked layers, from the colours of its
// four layers, its number of layers (kept within 1 and 4) and its fill: the
// layer drawn first takes the colour of the highest layer in use.
LifeBarColours layeredBarColours(std::array<Ogre::ColourValue, 4> colours, int layers, float fill);
// A normal bar's colour, or a boss bar's two colours by its fill.
LifeBarColours lifeBarColours(const Game& game, bool isBoss, float fill);
// Smooth easing from 0 to 1: (3 - 2u) u u.
float smoothStep(float u);
