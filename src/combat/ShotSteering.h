// The shots' steering modes (a shot's `changeDirectionType`) and the flight's
// thresholds and gains, in one place for the flight and for the benchmarks'
// plain step, which must fly shots exactly as the records fly.
#pragma once

#include <cstdint>

namespace shotSteering {

constexpr std::int32_t homingFlight = 0;
constexpr std::int32_t straightFlight = 1;
constexpr std::int32_t aimPointFlight = 2;
constexpr std::int32_t turnNegativeFlight = 3;
constexpr std::int32_t turnPositiveFlight = 4;
constexpr std::int32_t turnDrawnSideFlight = 5;
constexpr std::int32_t graduallyTurnedFlight = 6;

// Squared speeds below which the velocity says nothing of where the shot
// heads, while flying, while steering, and for turning the model.
constexpr float headingSpeedSquared = 0.09f;
constexpr float steeringHeadingSpeedSquared = 0.01f;
constexpr float facingSpeedSquared = 0.001f;
// Turning modes: the angle turned toward is the steering gain times these
// two times the shot's pace, signed by its side and its speed's sign, and
// never more than a quarter turn.
constexpr float turnGain = 14.0f;
constexpr float turnFactor = 0.00033161333333333335f;
constexpr float aimPointGain = 90.0f;
// Within this squared distance of its point a homing shot's steering is
// scaled from nothing at the edge to twice on the point.
constexpr float homingCloseRangeSquared = 5.5f;
constexpr float homingCloseFactor = 0.18181819f;
constexpr float homingCloseGain = 2.0f;
// The model turns toward the heading faster for shots steering to a point.
constexpr float facingGain = 1.0f;
constexpr float aimPointFacingGain = 4.0f;
// Below this squared length of the sum of a sprite's up axis and the way to
// the camera the camera is behind it: Ogre then turns it half round its up
// axis instead of along an arc it cannot choose.
constexpr float halfTurnSquaredLength = 0.00005f;
// The sprite quad in the shot's own space: a square of this half size in its
// X/Z plane.
constexpr float spriteHalfSize = 2.0f;

} // namespace shotSteering
