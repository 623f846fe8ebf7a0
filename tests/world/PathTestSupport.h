// A path of waypoints for the path follower tests and benchmark: the
// waypoints, their arc-length table and a scene node to move along them.
#pragma once

#include "app/Curves.h"
#include "world/Waypoint.h"

#include <memory>
#include <vector>

class PathOfWaypoints {
public:
    // A waypoint at the position with the speed; further settings are made on
    // the returned waypoint before build().
    Waypoint& add(const Ogre::Vector3& position, float speed = 2.0f)
    {
        owned.push_back(std::make_unique<Waypoint>("waypoint"));
        owned.back()->position = position;
        owned.back()->speed = speed;
        owned.back()->rotType = rotTypeFaceTravel;
        list.push_back(owned.back().get());
        return *owned.back();
    }
    // Closes the path: a copy of the first waypoint ends it, as a looping
    // path's owner arranges.
    void closeLoop()
    {
        list.front()->isLoop = 1;
        owned.push_back(std::make_unique<Waypoint>(*list.front()));
        list.push_back(owned.back().get());
    }
    void build() { buildCurvePoints(list, table); }
    Waypoint& operator[](std::size_t i) { return *list[i]; }
    double distanceAt(std::size_t i) const { return list[i]->curveDistance; }

    std::vector<std::unique_ptr<Waypoint>> owned;
    std::vector<Waypoint*> list;
    std::vector<CurveSample> table;
};
