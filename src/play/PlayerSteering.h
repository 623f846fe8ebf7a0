// The arithmetic of steering the ship and of the camera that follows it:
// the input direction, the velocity it gives, the tilts, and the smoothed
// pan that keeps the view inside its limits. Free of the scene, so the play
// state's control step and its tests share it.
#pragma once

#include <OgreVector.h>

#include <array>

// Degrees to radians as the controls count them.
constexpr float controlDegreesToRadians = 0.0174533f;

// The four directional strengths (0 to 1) of a frame.
struct SteeringInput {
    float left = 0.0f;
    float right = 0.0f;
    float up = 0.0f;
    float down = 0.0f;
    // The analogue stick gave them: a half-pushed stick keeps half speed,
    // unless the game has every stick push move at full speed.
    bool isStick = false;
    bool isStickNormalised = false;
};

// The move direction in the play plane: x right, z down the screen, turned
// about the vertical by the heading (degrees) when the controls follow the
// camera. Unit length, except for a stick inside its circle.
Ogre::Vector3 steeringDirection(const SteeringInput& input, bool isCameraRelative, float headingDegrees);

// The ship's movement settings.
struct SteeringSettings {
    float speed = 0.0f;
    bool hasInertia = false;
    float acceleration = 0.0f;
    float friction = 0.0f;
    float drift = 0.0f;
};

// The velocity after a frame of dt seconds: the direction at full speed, or
// with inertia accelerated, slowed by friction and pushed by the drift;
// never longer than the speed.
Ogre::Vector3 steeringVelocity(const Ogre::Vector3& velocity, const Ogre::Vector3& direction,
                               const SteeringSettings& settings, double dt);

// The tilts forward (x) and sideways (z), each within ±0.99: input tilts the
// ship at the rate, and an axis without input eases back to level.
Ogre::Vector2 steppedTilt(const Ogre::Vector2& tilt, const SteeringInput& input, float rate, double dt);

// The share of the way a follow with this rate (per 1/60 s) covers in dt;
// rates beyond 60 follow at once.
double followBlend(float rate, double dt);

// The view the camera shows around its pan position (x, z in the head
// node's space), its half sizes and the limits it keeps to: x from
// -limits[0] to limits[2], z from -limits[1] to limits[3].
struct FollowView {
    Ogre::Vector2 centre = Ogre::Vector2::ZERO;
    Ogre::Vector2 half = Ogre::Vector2::ZERO;
    std::array<float, 4> limits{};
};

// The wanted pan without the parts that would push an edge past its limit.
Ogre::Vector3 limitedPan(const Ogre::Vector3& wanted, const FollowView& view);

// The pan velocity eased toward the wanted pan; `keep` scales what is kept
// of the old velocity. It is never longer than a non-zero wanted pan.
Ogre::Vector3 smoothedPan(const Ogre::Vector3& velocity, const Ogre::Vector3& wanted, double blend, float keep);

// Near a limit the pan brakes by how fast the ship moves (units per frame
// times 10); beyond a limit the view passes it stops.
Ogre::Vector3 brakedPan(const Ogre::Vector3& velocity, const FollowView& view, double dt, float shipSpeed);
