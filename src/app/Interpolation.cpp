#include "app/Interpolation.h"

namespace {

float lerpComponent(float a, float b, double t)
{
    return static_cast<float>(a + (static_cast<double>(b) - a) * t);
}

} // namespace

float inverseLerpFrom(float a, float b)
{
    const float range = 1.0f - b;
    return range != 0.0f ? (a - b) / range : 0.0f;
}

void lerpClamped(Ogre::Vector3& out, const Ogre::Vector3& a, const Ogre::Vector3& b, double t)
{
    // Written so that a NaN factor counts as 0.
    const double clamped = t > 1.0 ? 1.0 : (t >= 0.0 ? t : 0.0);
    out = {lerpComponent(a.x, b.x, clamped), lerpComponent(a.y, b.y, clamped), lerpComponent(a.z, b.z, clamped)};
}

void lerpColour(Ogre::ColourValue& out, const Ogre::ColourValue& a, const Ogre::ColourValue& b, float t)
{
    out = a * (1.0f - t) + b * t;
}
