#include "app/WidgetTiming.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double halfPi = 1.5707963267948966;
constexpr float slideDistance = 2.0f;

float clampUnit(double value) { return static_cast<float>(std::min(std::max(value, 0.0), 1.0)); }

// The elapsed part of a transition; 1 when it has no duration.
double elapsedPart(double time, float duration) { return duration > 0.0f ? time / duration : 1.0; }

Ogre::Vector2 moved(const Ogre::Vector2& position, unsigned direction, float distance)
{
    switch (direction) {
    case 0:
        return position - Ogre::Vector2(distance, 0.0f);
    case 1:
        return position + Ogre::Vector2(distance, 0.0f);
    case 2:
        return position - Ogre::Vector2(0.0f, distance);
    case 3:
        return position + Ogre::Vector2(0.0f, distance);
    default:
        return position;
    }
}

} // namespace

float easeIn(double time, float duration) { return clampUnit(std::sin(elapsedPart(time, duration) * halfPi)); }

float easeOut(double time, float duration)
{
    const double part = elapsedPart(time, duration);
    return clampUnit(part * part);
}

float fadeInAlpha(double time, float duration)
{
    const double part = elapsedPart(time, duration);
    return static_cast<float>(part * part);
}

float fadeOutAlpha(double time, float duration)
{
    const double left = 1.0 - elapsedPart(time, duration);
    return static_cast<float>(left * left);
}

double advanceTransition(double time, double dt, float duration) { return std::min(time + dt, double(duration)); }

Ogre::Vector2 slideInStart(const Ogre::Vector2& position, unsigned direction)
{
    return moved(position, direction, slideDistance);
}

Ogre::Vector2 slideOutEnd(const Ogre::Vector2& position, unsigned direction)
{
    return moved(position, direction, -slideDistance);
}

bool revealNextCharacter(float& timer, int& count, float interval, double dt, int length)
{
    timer += static_cast<float>(dt);
    if (timer <= interval || count >= length)
        return false;
    timer = 0.0f;
    ++count;
    return true;
}
