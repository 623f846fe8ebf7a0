// The smooth curve through the positions of a list of waypoints (a cardinal
// Hermite spline whose tangents follow each waypoint's tension and weight),
// and the table of 1000 samples with their arc lengths that movers use to
// travel along it at a given speed.
#pragma once

#include <OgreVector.h>

#include <vector>

class Waypoint;

// One entry of the arc-length table.
struct CurveSample {
    Ogre::Vector3 position;
    float distance; // arc length from the curve's start
};

// Number of samples in a table built for two or more waypoints.
constexpr int curveSampleCount = 1000;

// Cubic Hermite point between p0 and p1 at t, with the tangents
// k0 * (p1 - pPrev) at p0 and k1 * (pNext - p0) at p1.
void hermiteSplinePoint(Ogre::Vector3& out, const Ogre::Vector3& pPrev, const Ogre::Vector3& p0,
                        const Ogre::Vector3& p1, const Ogre::Vector3& pNext, double t, float k0, float k1);

// The curve's point at t (0 at the first waypoint; values from 1 on give the
// end of the last segment). A closed path, flagged on its first waypoint,
// returns to that waypoint in place of its last one.
Ogre::Vector3 curvePointAt(const std::vector<Waypoint*>& waypoints, double t);

// Fills the table for t = 0, 0.001 ... 0.999 and writes each waypoint's curve
// weight, parameter and distance; leaves the table empty for fewer than two.
void buildCurvePoints(const std::vector<Waypoint*>& waypoints, std::vector<CurveSample>& table);
