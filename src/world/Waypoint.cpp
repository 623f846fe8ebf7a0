#include "world/Waypoint.h"

Waypoint::Waypoint(std::string waypointName)
{
    kind = kindWaypoint;
    name = std::move(waypointName);
}

Waypoint::Waypoint(const Waypoint& other)
    : entity(), tension(other.tension), curveWeight(other.curveWeight), curveParam(other.curveParam),
      curveDistance(other.curveDistance), isLoop(other.isLoop)
{
    kind = kindWaypoint;
    name = other.name;
    screenName = other.screenName;
    position = other.position;
    placedPosition = other.placedPosition;
    rotation = other.rotation;
    isLayered = other.isLayered;
}

entity* Waypoint::clone() const
{
    return new Waypoint(*this);
}
