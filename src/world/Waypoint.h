// One point of a path that cameras and enemies follow. For now it holds what
// the shared curve functions read and write; the speed, wait, turning, sound,
// animation and homing settings arrive with the path follower.
#pragma once

#include "world/entity.h"

#include <string>

class Waypoint : public entity {
public:
    explicit Waypoint(std::string waypointName);
    Waypoint(const Waypoint& other);
    Waypoint& operator=(const Waypoint&) = delete;

    entity* clone() const override;

    float tension = 0.5f;     // curve tension at this point
    float curveWeight = 1.0f; // 1 - (cosine of the turn here)^50, from buildCurvePoints
    double curveParam = 0.0;    // curve parameter (0 to 1) here, from buildCurvePoints
    double curveDistance = 0.0; // arc length from the path's start, from buildCurvePoints
    // On the first waypoint of a list: the path is closed.
    std::uint8_t isLoop = 0;
};
