#include "core/VirtualControls.h"

#include "app/Interpolation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr float axisScale = 1.0f / 32767.0f;
// Raw travel per percent of dead zone, and the same percent as a fraction of
// the rescaled range.
constexpr int deadZoneRawPerPercent = 320;
constexpr float deadZoneFractionPerPercent = 0.009765625f;
constexpr float diagonalValue = 0.7071f;
constexpr float menuThreshold = 0.7f;

} // namespace

float stickValue(int raw)
{
    // -32768 would give slightly more than full travel.
    return std::max(-1.0f, static_cast<float>(raw) * axisScale);
}

bool isBeyondStickDeadZone(int raw, int deadzone) { return std::abs(raw) > deadzone * deadZoneRawPerPercent; }

float leftStickMagnitude(int raw, int deadzone, float curvePower)
{
    float magnitude = inverseLerpFrom(std::fabs(stickValue(raw)), static_cast<float>(deadzone) * deadZoneFractionPerPercent);
    if (curvePower > 0.0f)
        magnitude = std::pow(magnitude, 2.0f * curvePower);
    return magnitude;
}

float digitalDirectionValue(const DigitalDirections& directions)
{
    const bool vertical = directions.up || directions.down;
    const bool horizontal = directions.left || directions.right;
    return vertical && horizontal ? diagonalValue : 1.0f;
}

DigitalDirections menuDirections(float x, float y)
{
    const float length = std::sqrt(x * x + y * y);
    if (length > 0.0f) {
        x /= length;
        y /= length;
    }
    DigitalDirections held;
    held.left = x < -menuThreshold;
    held.right = x > menuThreshold;
    held.up = y > menuThreshold;
    held.down = y < -menuThreshold;
    return held;
}
