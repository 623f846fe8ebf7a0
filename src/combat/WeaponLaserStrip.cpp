#include "combat/WeaponLaserStrip.h"

#include "combat/Weapon.h"

#include <OgreManualObject.h>
#include <OgreResourceGroupManager.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float segmentsBeyondLength = 8.0f;
constexpr float halfWidthPerScale = 3.0f;
constexpr float textureRepeatPerUnit = -0.1f;
// The first and the last four vertex pairs narrow the beam's ends.
constexpr int taperedPairs = 4;
constexpr float startTaperStep = 0.25f;
constexpr float endTaperStep = 0.2f;
constexpr float taperFloor = 0.2f;
// A beam scale of 0 from data would stretch the texture without end.
constexpr float smallestBeamScale = 0.001f;

// Smoothstep from a fifth of the width up to the full width.
float startTaper(int pair)
{
    const float x = std::clamp(pair * startTaperStep + taperFloor, 0.0f, 1.0f);
    return (3.0f - 2.0f * x) * x * x;
}

float endTaper(int pair, int segments)
{
    const float y = std::clamp((pair + taperedPairs - segments) * endTaperStep + taperFloor, 0.0f, 1.0f);
    return std::clamp(1.0f - y * y + taperFloor, 0.0f, 1.0f);
}

// Across the beam in the play plane, a unit long.
Ogre::Vector3 acrossAt(const Ogre::SimpleSpline& spline, const Ogre::Vector3& point, float t, float lookAhead)
{
    Ogre::Vector3 along = spline.interpolate(std::min(t + lookAhead, 1.0f)) - point;
    along.y = 0.0f;
    along.normalise();
    return Ogre::Vector3(-along.z, 0.0f, along.x);
}

} // namespace

int laserSegmentCount(float beamLength)
{
    return static_cast<int>(std::floor(beamLength + segmentsBeyondLength));
}

void drawLaserStrip(Weapon& gun, int segments, float sideScale)
{
    Ogre::ManualObject& strip = *gun.laserObject;
    const float intensity = gun.laserIntensity;
    const Ogre::ColourValue colour = gun.laserHasAlpha ? Ogre::ColourValue(1.0f, 1.0f, 1.0f, intensity)
                                                       : Ogre::ColourValue(intensity, intensity, intensity, 1.0f);
    const float beamScale = std::max(gun.bulletScale, smallestBeamScale);
    const float step = 1.0f / static_cast<float>(segments);
    const float halfWidth = gun.bulletScale * halfWidthPerScale * intensity;
    strip.clear();
    strip.begin("laser_" + gun.laserTexture, Ogre::RenderOperation::OT_TRIANGLE_STRIP, Ogre::RGN_AUTODETECT);
    float distance = 0.0f;
    Ogre::Vector3 previous = gun.beamSpline.interpolate(0.0f);
    for (int pair = 0; pair <= segments; ++pair) {
        const float t = pair * step;
        const Ogre::Vector3 point = gun.beamSpline.interpolate(t);
        distance += point.distance(previous);
        previous = point;
        const float v = distance / beamScale * textureRepeatPerUnit * gun.laserTextureAspect;
        Ogre::Vector3 side = acrossAt(gun.beamSpline, point, t, step * 0.5f) * halfWidth;
        if (pair < taperedPairs)
            side *= startTaper(pair);
        if (pair > segments - taperedPairs - 1)
            side *= endTaper(pair, segments);
        side *= sideScale;
        strip.position(point - side);
        strip.textureCoord(0.0f, v);
        strip.colour(colour);
        strip.position(point + side);
        strip.textureCoord(1.0f, v);
        strip.colour(colour);
    }
    strip.end();
}
