// The wave's waypoint path: a looping path's closing point and the curve
// sampled through the waypoints, which the members' followers travel.
#include "combat/Wave.h"

#include "combat/Enemy.h"
#include "world/Waypoint.h"

namespace {

// The tension of the point that closes a loop.
constexpr float loopEndTension = 0.5f;

bool isLoopingPath(const std::vector<Waypoint*>& waypoints)
{
    return waypoints.size() >= 2 && waypoints.front()->isLoop;
}

} // namespace

void Wave::closeWaypointLoop()
{
    if (!isLoopingPath(waypoints))
        return;
    delete waypoints.back();
    auto* loopEnd = new Waypoint(*waypoints.front());
    loopEnd->isLoop = 1;
    loopEnd->tension = loopEndTension;
    waypoints.back() = loopEnd;
}

void Wave::buildPathCurve()
{
    buildCurvePoints(waypoints, curvePoints);
}

void Wave::rebuildPath()
{
    closeWaypointLoop();
    buildPathCurve();
    if (!members.empty())
        members.front()->reset();
}
