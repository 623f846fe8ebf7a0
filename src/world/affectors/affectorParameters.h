// Number parsing shared by the affectors' script parameters.
#pragma once

#include <OgreStringConverter.h>

#include <cmath>

// A script number as a float: 0 when it does not parse or is not finite, so a
// stray "nan" or "inf" in a particle script never reaches Ogre's particle data.
inline float parseAffectorReal(const Ogre::String& text)
{
    const float value = Ogre::StringConverter::parseReal(text, 0.0f);
    return std::isfinite(value) ? value : 0.0f;
}
