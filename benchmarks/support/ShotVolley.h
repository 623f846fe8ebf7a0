// The volley the shot-flight benchmarks launch: every record of both full
// pools on screen, each changing speed twice and steering in one of the
// seven modes in turn, every third one a sprite turning to the camera. The
// flight benchmark launches it into the Level's pools and the structure-of-
// arrays baseline into its arrays, so both fly the same shots.
#pragma once

#include <OgreVector.h>

#include <cmath>

namespace shotVolley {

constexpr int enemyShots = 8000;
constexpr int playerShots = 3000;
constexpr int shots = enemyShots + playerShots;
// One fixed step of flight, and the steps before the shots are launched
// again, long before any leaves the view.
constexpr double step = 1.0 / 60.0;
constexpr int stepsPerVolley = 120;

constexpr int steeringModes = 7;
constexpr int spriteEvery = 3;
constexpr float steeringStart = 0.2f;
constexpr float steeringDuration = 1.5f;
constexpr float steeringDegrees = 120.0f;
constexpr float aimSpeed = 2.0f;
const Ogre::Vector3 aimPoint(2000.0f, 0.0f, -500.0f);

// The speed at launch and the two changes: to the first speed from its
// start for its duration, then to the second.
constexpr float launchSpeed = 12.0f;
constexpr float firstSpeed = 30.0f;
constexpr float firstStart = 0.1f;
constexpr float firstDuration = 0.5f;
constexpr float secondSpeed = 8.0f;
constexpr float secondStart = 0.8f;
constexpr float secondDuration = 0.6f;

// Where the camera looks from onto the play plane, and where enemy shots home.
const Ogre::Vector3 eye(0.0f, 200.0f, 0.0f);
const Ogre::Vector3 homingTarget(0.0f, 0.0f, 60.0f);

// Shots stand on a grid of 100 columns over the view, each turned a
// thousandth of a radian further than the one before.
constexpr int gridColumns = 100;
constexpr float columnSpacing = 2.0f;
constexpr float rowSpacing = 1.2f;
constexpr float radiansPerShot = 0.001f;

inline int steeringModeOf(int n) { return n % steeringModes; }
inline bool isSprite(int n) { return n % spriteEvery == 0; }

inline Ogre::Vector3 launchPoint(int n)
{
    const float column = static_cast<float>(n % gridColumns);
    const float row = static_cast<float>(n / gridColumns % gridColumns);
    return {column * columnSpacing - gridColumns * columnSpacing / 2.0f, 0.0f,
            row * rowSpacing - gridColumns * rowSpacing / 2.0f};
}

inline Ogre::Vector3 launchDirection(int n)
{
    const float angle = radiansPerShot * static_cast<float>(n);
    return {std::cos(angle), 0.0f, std::sin(angle)};
}

} // namespace shotVolley
