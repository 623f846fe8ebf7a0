// Rules of the ship's control that its step files share: how the Game's
// eight shoot buttons (numbered from 0) are read, and the colour the ship
// blinks in while invincible.
#pragma once

#include "core/Game.h"

#include <OgreColourValue.h>

#include <cmath>
#include <cstdint>

constexpr std::int32_t shootButtonCount = 8;

// A number outside the eight (a gun set to button 8, an unset focus button)
// is never held nor pressed.
inline bool isShootButtonHeld(const Game& game, std::int32_t button)
{
    return button >= 0 && button < shootButtonCount && game.shootHeld[static_cast<std::size_t>(button)];
}

inline bool isShootButtonPressed(const Game& game, std::int32_t button)
{
    return button >= 0 && button < shootButtonCount && game.shootPressed[static_cast<std::size_t>(button)];
}

// The invincible colour with an alpha that swings between 0 and 1 with the
// play clock.
inline Ogre::ColourValue invincibleBlinkColour(const Ogre::ColourValue& colour, float playClock)
{
    constexpr float blinkRate = 30.0f;
    Ogre::ColourValue blink = colour;
    blink.a = (std::sin(playClock * blinkRate) + 1.0f) * 0.5f;
    return blink;
}
