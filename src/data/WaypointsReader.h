// Reads "gamebox.waypoints" into the waypoint-path library: per "WPS", a
// named path kept in a Wave, with its waypoints in file order, the path's
// speed multiplier and separation.
#pragma once

#include <map>
#include <string>

class Wave;

// A later path of the same name replaces the earlier one.
void loadWaypointsGamebox(const std::string& fileName, const std::string& group,
                          std::map<std::string, Wave*>& library);
