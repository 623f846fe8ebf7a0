// The arithmetic of steering the ship and of the camera that follows it.
#include "play/PlayerSteering.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float zeroDirectionSquared = 1e-12f;
constexpr float maxTilt = 0.99f;
// How much faster than it tilts an axis without input levels out.
constexpr float levelOutFactor = 1.8f;
constexpr float driftScale = 10.0f;
constexpr double framesPerSecond = 60.0;
// A pan toward a limit closer than this brakes.
constexpr float brakeDistance = 4.0f;

float easedToLevel(float value, float t)
{
    const float clamped = std::min(std::max(t, 0.0f), 1.0f);
    return value + (0.0f - value) * clamped;
}

// One axis of the pan: how far the view may still go toward the limit the
// component moves to (negative once it is past it).
float roomToward(float component, float centre, float half, float lowLimit, float highLimit)
{
    return component < 0.0f ? (centre - half) + lowLimit : highLimit - (centre + half);
}

float brakedComponent(float component, float room, float factor)
{
    if (component == 0.0f)
        return component;
    if (room < 0.0f)
        return 0.0f;
    return room < brakeDistance ? component * factor : component;
}

} // namespace

Ogre::Vector3 steeringDirection(const SteeringInput& input, bool isCameraRelative, float headingDegrees)
{
    Ogre::Vector3 direction(input.right - input.left, 0.0f, input.down - input.up);
    if (isCameraRelative) {
        const Ogre::Quaternion turn(Ogre::Radian(headingDegrees * controlDegreesToRadians), Ogre::Vector3::UNIT_Y);
        direction = turn * direction;
    }
    const float length = direction.length();
    const bool isNormalised = !input.isStick || length > 1.0f || input.isStickNormalised;
    if (isNormalised && length * length >= zeroDirectionSquared)
        direction /= length;
    return direction;
}

Ogre::Vector3 steeringVelocity(const Ogre::Vector3& velocity, const Ogre::Vector3& direction,
                               const SteeringSettings& settings, double dt)
{
    if (!settings.hasInertia)
        return direction * settings.speed;
    const float step = static_cast<float>(dt);
    Ogre::Vector3 next = velocity + direction * settings.speed * settings.acceleration * step;
    next.x -= velocity.x * settings.friction * step;
    next.z -= velocity.z * settings.friction * step;
    next.z += settings.drift * driftScale * step;
    const float length = next.length();
    if (length > settings.speed && length > 0.0f)
        next *= std::max(settings.speed, 0.0f) / length;
    return next;
}

Ogre::Vector2 steppedTilt(const Ogre::Vector2& tilt, const SteeringInput& input, float rate, double dt)
{
    const float step = rate * static_cast<float>(dt);
    Ogre::Vector2 next = tilt;
    if (input.up > 0.0f)
        next.x += step;
    if (input.down > 0.0f)
        next.x -= step;
    if (input.left > 0.0f)
        next.y += step;
    if (input.right > 0.0f)
        next.y -= step;
    next.x = std::min(std::max(next.x, -maxTilt), maxTilt);
    next.y = std::min(std::max(next.y, -maxTilt), maxTilt);
    if (input.up <= 0.0f && input.down <= 0.0f)
        next.x = easedToLevel(next.x, step * levelOutFactor);
    if (input.left <= 0.0f && input.right <= 0.0f)
        next.y = easedToLevel(next.y, step * levelOutFactor);
    return next;
}

double followBlend(float rate, double dt)
{
    // Past 1 the base below turns negative and its fractional power is no number.
    const double k = std::min(std::max(static_cast<double>(rate) / framesPerSecond, 0.0), 1.0);
    return 1.0 - std::pow(1.0 - k, framesPerSecond * dt);
}

Ogre::Vector3 limitedPan(const Ogre::Vector3& wanted, const FollowView& view)
{
    Ogre::Vector3 pan(wanted.x, 0.0f, wanted.z);
    const Ogre::Vector2& c = view.centre;
    const Ogre::Vector2& h = view.half;
    if ((c.x - h.x <= -view.limits[0] && pan.x < 0.0f) || (c.x + h.x >= view.limits[2] && pan.x > 0.0f))
        pan.x = 0.0f;
    if ((c.y - h.y <= -view.limits[1] && pan.z < 0.0f) || (c.y + h.y >= view.limits[3] && pan.z > 0.0f))
        pan.z = 0.0f;
    return pan;
}

Ogre::Vector3 smoothedPan(const Ogre::Vector3& velocity, const Ogre::Vector3& wanted, double blend, float keep)
{
    const float a = static_cast<float>(blend);
    if (wanted == Ogre::Vector3::ZERO)
        return velocity * (1.0f - a);
    const Ogre::Vector3 next = (1.0f - a) * keep * velocity + a * wanted;
    return next.squaredLength() > wanted.squaredLength() ? wanted : next;
}

Ogre::Vector3 brakedPan(const Ogre::Vector3& velocity, const FollowView& view, double dt, float shipSpeed)
{
    const float factor = std::min(std::max(1.0f - static_cast<float>(dt) * shipSpeed, 0.0f), 1.0f);
    Ogre::Vector3 pan = velocity;
    pan.x = brakedComponent(pan.x, roomToward(pan.x, view.centre.x, view.half.x, view.limits[0], view.limits[2]),
                            factor);
    pan.z = brakedComponent(pan.z, roomToward(pan.z, view.centre.y, view.half.y, view.limits[1], view.limits[3]),
                            factor);
    return pan;
}
